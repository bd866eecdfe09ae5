#pragma once

#include "PropertyPage.h"

#include <memory>

namespace Ui {
class GPSPage;
}

// The "GPS" tab: waypoints, GPS input handling and sentence relaying. Every control stands
// alone: no enable rules.
class CGPSPage : public CPropertyPage {
    Q_OBJECT
public:
    explicit CGPSPage(QWidget *parent = nullptr);
    ~CGPSPage() override;

    void DoDataExchange(bool store) override;

private:
    std::unique_ptr<Ui::GPSPage> m_ui;
};
