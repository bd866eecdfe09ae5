#pragma once

#include "PropertyPage.h"

#include "ui_PortsPage.h"

// The "Ports" tab: mode and baud rate of serial ports A and B, and five port switches.
// Every control maps to one setting; no enable rules.
class CPortsPage : public CPropertyPage {
    Q_OBJECT
public:
    enum { IDD = 109 };
    explicit CPortsPage(QWidget *parent = nullptr);

    void DoDataExchange() override;
    bool OnSetActive() override;
    bool OnKillActive() override;

    Ui::PortsPage m_ui;
};
