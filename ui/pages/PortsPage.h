#pragma once

#include "PropertyPage.h"

#include <memory>

namespace Ui {
class PortsPage;
}

// The "Ports" tab: mode and baud rate of serial ports A and B, and five port switches.
// Every control maps to one setting; no enable rules.
class CPortsPage : public CPropertyPage {
    Q_OBJECT
public:
    explicit CPortsPage(QWidget *parent = nullptr);
    ~CPortsPage() override;

    void DoDataExchange(bool store) override;

private:
    std::unique_ptr<Ui::PortsPage> m_ui;
};
