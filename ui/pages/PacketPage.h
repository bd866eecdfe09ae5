#pragma once

#include "PropertyPage.h"

#include <memory>

class CSettings;

namespace Ui {
class PacketPage;
}

// The "Packet" tab: callsign, digipeater path, and the advanced packet settings (channel
// access, carrier detection, radio levels).
class CPacketPage : public CPropertyPage {
    Q_OBJECT
public:
    // The page edits the current bank of `settings`, which must outlive it.
    explicit CPacketPage(CSettings &settings, QWidget *parent = nullptr);
    ~CPacketPage() override;

    void DoDataExchange(bool store) override;
    bool OnSetActive() override;

private:
    void UpdateEnables();

    CSettings &m_settings;
    std::unique_ptr<Ui::PacketPage> m_ui;
};
