#pragma once

#include "PropertyPage.h"

#include <memory>

class CSettings;

namespace Ui {
class BeaconPage;
}

// The "Beacon / Digipeater" tab: the beacon text and its period, the digipeater's aliases
// and options.
class CBeaconPage : public CPropertyPage {
    Q_OBJECT
public:
    // The page edits the current bank of `settings`, which must outlive it.
    explicit CBeaconPage(CSettings &settings, QWidget *parent = nullptr);
    ~CBeaconPage() override;

    void DoDataExchange(bool store) override;
    bool OnSetActive() override;

private:
    void UpdateEnables();

    CSettings &m_settings;
    std::unique_ptr<Ui::BeaconPage> m_ui;
};
