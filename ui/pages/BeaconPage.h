#pragma once

#include "PropertyPage.h"

#include "ui_BeaconPage.h"

// The "Beacon / Digipeater" tab: the beacon text and its period, the digipeater's aliases
// and options.
class CBeaconPage : public CPropertyPage {
    Q_OBJECT
public:
    enum { IDD = 113 };
    explicit CBeaconPage(QWidget *parent = nullptr);

    void DoDataExchange() override;
    bool OnSetActive() override;
    bool OnKillActive() override;

    Ui::BeaconPage m_ui;

private:
    void UpdateEnables();
};
