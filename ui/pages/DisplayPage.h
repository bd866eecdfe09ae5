#pragma once

#include "PropertyPage.h"

#include "ui_DisplayPage.h"

// The "Display" tab: the LCD options, locked while the display is disabled, and the LEDs.
class CDisplayPage : public CPropertyPage {
    Q_OBJECT
public:
    enum { IDD = 111 };
    explicit CDisplayPage(QWidget *parent = nullptr);

    void DoDataExchange() override;
    bool OnSetActive() override;
    bool OnKillActive() override;

    Ui::DisplayPage m_ui;

private:
    void UpdateEnables();
};
