#pragma once

#include "PropertyPage.h"

#include <memory>

namespace Ui {
class BeaconPage;
}

// The "Beacon / Digipeater" tab: the beacon text and its period, the digipeater's aliases
// and options.
class CBeaconPage : public CPropertyPage {
    Q_OBJECT
public:
    explicit CBeaconPage(QWidget *parent = nullptr);
    ~CBeaconPage() override;

    void DoDataExchange(bool store) override;
    bool OnSetActive() override;

private:
    void UpdateEnables();

    std::unique_ptr<Ui::BeaconPage> m_ui;
};
