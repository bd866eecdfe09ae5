#pragma once

#include "PropertyPage.h"

#include <cstdint>
#include <memory>

class CSettings;

namespace Ui {
class TelemetryPage;
}

// The "Bank / Telem / WX" tab: telemetry and weather reports, and the one place where the
// user picks the bank that every page edits, or copies it over the other bank.
class CTelemetryPage : public CPropertyPage {
    Q_OBJECT
public:
    // The page edits the current bank of `settings`, which must outlive it.
    explicit CTelemetryPage(CSettings &settings, QWidget *parent = nullptr);
    ~CTelemetryPage() override;

    void DoDataExchange(bool store) override;
    bool OnSetActive() override;

signals:
    // The bank the page shows (0 or 1), each time it loads one: for the sheet's bank label.
    void bankChanged(int bank);

private:
    // Radio buttons and the copy button's caption from the current bank; tells the sheet.
    void UpdateBankControls();
    void UpdateEnables();
    void OnBank(int32_t bank);
    void OnCopyBank();

    CSettings &m_settings;
    std::unique_ptr<Ui::TelemetryPage> m_ui;
};
