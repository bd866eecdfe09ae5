#pragma once

#include "ui/PropertyPage.h"

#include "ui_TelemetryPage.h"

// The "Bank / Telem / WX" tab.
class CTelemetryPage : public CPropertyPage {
    Q_OBJECT
public:
    enum { IDD = 115 };
    explicit CTelemetryPage(QWidget *parent = nullptr);

    void DoDataExchange() override;
    bool OnSetActive() override;
    bool OnKillActive() override;

    Ui::TelemetryPage m_ui;
};
