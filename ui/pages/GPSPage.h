#pragma once

#include "PropertyPage.h"

#include "ui_GPSPage.h"

// The "GPS" tab: waypoints, GPS input handling and sentence relaying. Every control stands
// alone: no enable rules.
class CGPSPage : public CPropertyPage {
    Q_OBJECT
public:
    enum { IDD = 114 };
    explicit CGPSPage(QWidget *parent = nullptr);

    void DoDataExchange() override;
    bool OnSetActive() override;
    bool OnKillActive() override;

    Ui::GPSPage m_ui;
};
