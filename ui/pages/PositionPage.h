#pragma once

#include "PropertyPage.h"

#include "ui_PositionPage.h"

// The "Position" tab: protocol, time stamp, symbol, report options, static location and
// status text.
class CPositionPage : public CPropertyPage {
    Q_OBJECT
public:
    enum { IDD = 112 };
    explicit CPositionPage(QWidget *parent = nullptr);

    void DoDataExchange() override;
    bool OnSetActive() override;
    bool OnKillActive() override;

    Ui::PositionPage m_ui;

private:
    void UpdateEnables();
};
