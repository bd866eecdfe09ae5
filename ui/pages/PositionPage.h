#pragma once

#include "PropertyPage.h"

#include <memory>

class CSettings;

namespace Ui {
class PositionPage;
}

// The "Position" tab: protocol, time stamp, symbol, report options, static location and
// status text.
class CPositionPage : public CPropertyPage {
    Q_OBJECT
public:
    // The page edits the current bank of `settings`, which must outlive it.
    explicit CPositionPage(CSettings &settings, QWidget *parent = nullptr);
    ~CPositionPage() override;

    void DoDataExchange(bool store) override;
    bool OnSetActive() override;

private:
    void UpdateEnables();

    CSettings &m_settings;
    std::unique_ptr<Ui::PositionPage> m_ui;
};
