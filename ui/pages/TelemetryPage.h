#pragma once

#include "PropertyPage.h"

#include "ui_TelemetryPage.h"

// The "Bank / Telem / WX" tab: telemetry and weather reports, and the one place where the
// user picks the bank that every page edits, or copies it over the other bank.
class CTelemetryPage : public CPropertyPage {
    Q_OBJECT
public:
    enum { IDD = 115 };
    explicit CTelemetryPage(QWidget *parent = nullptr);

    void DoDataExchange() override;
    bool OnSetActive() override;
    bool OnKillActive() override;

    void UpdateEnables();
    // Radio buttons, the sheet's bank label and the copy button's caption, from the current bank.
    void UpdateBankControls();

    Ui::TelemetryPage m_ui;

private:
    void Load();
    void Store();
    void OnBank(int32_t bank);
    void OnCopyBank();
};
