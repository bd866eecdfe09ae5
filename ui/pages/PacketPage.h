#pragma once

#include "ui/PropertyPage.h"

#include "ui_PacketPage.h"

// The "Packet" tab.
class CPacketPage : public CPropertyPage {
    Q_OBJECT
public:
    enum { IDD = 110 };
    explicit CPacketPage(QWidget *parent = nullptr);

    void DoDataExchange() override;
    bool OnSetActive() override;
    bool OnKillActive() override;

    Ui::PacketPage m_ui;
};
