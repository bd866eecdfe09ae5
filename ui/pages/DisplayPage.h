#pragma once

#include "PropertyPage.h"

#include <memory>

class CSettings;

namespace Ui {
class DisplayPage;
}

// The "Display" tab: the LCD options, locked while the display is disabled, and the LEDs.
class CDisplayPage : public CPropertyPage {
    Q_OBJECT
public:
    // The page edits the current bank of `settings`, which must outlive it.
    explicit CDisplayPage(CSettings &settings, QWidget *parent = nullptr);
    ~CDisplayPage() override;

    void DoDataExchange(bool store) override;
    bool OnSetActive() override;

private:
    void UpdateEnables();

    CSettings &m_settings;
    std::unique_ptr<Ui::DisplayPage> m_ui;
};
