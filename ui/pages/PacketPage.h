#pragma once

#include "PropertyPage.h"

#include <memory>

namespace Ui {
class PacketPage;
}

// The "Packet" tab: callsign, digipeater path, and the advanced packet settings (channel
// access, carrier detection, radio levels).
class CPacketPage : public CPropertyPage {
    Q_OBJECT
public:
    explicit CPacketPage(QWidget *parent = nullptr);
    ~CPacketPage() override;

    void DoDataExchange(bool store) override;
    bool OnSetActive() override;

private:
    void UpdateEnables();

    std::unique_ptr<Ui::PacketPage> m_ui;
};
