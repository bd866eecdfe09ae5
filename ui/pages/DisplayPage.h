#pragma once

#include "PropertyPage.h"

#include <memory>

namespace Ui {
class DisplayPage;
}

// The "Display" tab: the LCD options, locked while the display is disabled, and the LEDs.
class CDisplayPage : public CPropertyPage {
    Q_OBJECT
public:
    explicit CDisplayPage(QWidget *parent = nullptr);
    ~CDisplayPage() override;

    void DoDataExchange(bool store) override;
    bool OnSetActive() override;

private:
    void UpdateEnables();

    std::unique_ptr<Ui::DisplayPage> m_ui;
};
