#pragma once

#include "PropertyPage.h"

#include <memory>

class CSettings;

namespace Ui {
class PortsPage;
}

// The "Ports" tab: mode and baud rate of serial ports A and B, and five port switches.
// Every control maps to one setting; no enable rules.
class CPortsPage : public CPropertyPage {
    Q_OBJECT
public:
    // The page edits the current bank of `settings`, which must outlive it.
    explicit CPortsPage(CSettings &settings, QWidget *parent = nullptr);
    ~CPortsPage() override;

    void DoDataExchange(bool store) override;

private:
    CSettings &m_settings;
    std::unique_ptr<Ui::PortsPage> m_ui;
};
