#pragma once

#include "PropertyPage.h"

#include "ui_BasicPage.h"

// The "Basic" tab: callsign, position period or SmartBeaconing, and how the GPS is cabled.
class CBasicPage : public CPropertyPage {
    Q_OBJECT
public:
    enum { IDD = 117 };
    explicit CBasicPage(QWidget *parent = nullptr);

    void DoDataExchange() override;
    bool OnSetActive() override;
    bool OnKillActive() override;

    // Rewrites the summary line from the current bank's port settings.
    void UpdatePortSummary();
    void UpdateEnables();

    Ui::BasicPage m_ui;

private:
    void OnDirectly();
    void OnSplitter();
    // The cabling buttons write the four port settings straight into the current bank; the
    // Ports page shows them at its next activation.
    void SetPorts(const char *amode, int32_t abaud, const char *bmode, int32_t bbaud);
};
