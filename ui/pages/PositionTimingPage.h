#pragma once

#include "PropertyPage.h"

#include "ui_PositionTimingPage.h"

// The "Position Timing" tab: report periods, SmartBeaconing and time slotting, the last two
// excluding each other.
class CPositionTimingPage : public CPropertyPage {
    Q_OBJECT
public:
    enum { IDD = 107 };
    explicit CPositionTimingPage(QWidget *parent = nullptr);

    void DoDataExchange() override;
    bool OnSetActive() override;
    bool OnKillActive() override;

    Ui::PositionTimingPage m_ui;

private:
    void OnSmartBeaconingClicked(bool checked);
    void OnTimeSlottingClicked(bool checked);
    void UpdateEnables();
};
