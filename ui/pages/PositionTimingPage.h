#pragma once

#include "PropertyPage.h"

#include <memory>

namespace Ui {
class PositionTimingPage;
}

// The "Position Timing" tab: report periods, SmartBeaconing and time slotting, the last two
// excluding each other.
class CPositionTimingPage : public CPropertyPage {
    Q_OBJECT
public:
    explicit CPositionTimingPage(QWidget *parent = nullptr);
    ~CPositionTimingPage() override;

    void DoDataExchange(bool store) override;
    bool OnSetActive() override;

private:
    void OnSmartBeaconingClicked(bool checked);
    void OnTimeSlottingClicked(bool checked);
    void UpdateEnables();

    std::unique_ptr<Ui::PositionTimingPage> m_ui;
};
