#pragma once

#include "ui/PropertyPage.h"

#include "ui_PortsPage.h"

// The "Ports" tab.
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
