#pragma once

#include "PropertyPage.h"

#include <memory>

class CSettings;

namespace Ui {
class PositionTimingPage;
}

// The "Position Timing" tab: report periods, SmartBeaconing and time slotting, the last two
// excluding each other.
class CPositionTimingPage : public CPropertyPage {
    Q_OBJECT
public:
    // The page edits the current bank of `settings`, which must outlive it.
    explicit CPositionTimingPage(CSettings &settings, QWidget *parent = nullptr);
    ~CPositionTimingPage() override;

    void DoDataExchange(bool store) override;
    bool OnSetActive() override;

private:
    void OnSmartBeaconingClicked(bool checked);
    void OnTimeSlottingClicked(bool checked);
    void UpdateEnables();

    CSettings &m_settings;
    std::unique_ptr<Ui::PositionTimingPage> m_ui;
};
