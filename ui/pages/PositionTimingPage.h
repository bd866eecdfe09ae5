#pragma once

#include "ui/PropertyPage.h"

#include "ui_PositionTimingPage.h"

// The "Position Timing" tab.
class CPositionTimingPage : public CPropertyPage {
    Q_OBJECT
public:
    enum { IDD = 107 };
    explicit CPositionTimingPage(QWidget *parent = nullptr);

    void DoDataExchange() override;
    bool OnSetActive() override;
    bool OnKillActive() override;

    Ui::PositionTimingPage m_ui;
};
