#pragma once

#include "PropertyPage.h"

#include "ui_PacketPage.h"

// The "Packet" tab: callsign, digipeater path, and the advanced packet settings (channel
// access, carrier detection, radio levels).
class CPacketPage : public CPropertyPage {
    Q_OBJECT
public:
    enum { IDD = 110 };
    explicit CPacketPage(QWidget *parent = nullptr);

    void DoDataExchange() override;
    bool OnSetActive() override;
    bool OnKillActive() override;

    void UpdateEnables();

    Ui::PacketPage m_ui;
};
