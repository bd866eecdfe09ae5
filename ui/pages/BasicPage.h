#pragma once

#include "PropertyPage.h"

#include <cstdint>
#include <memory>

class CSettings;

namespace Ui {
class BasicPage;
}

// The "Basic" tab: callsign, position period or SmartBeaconing, and how the GPS is cabled.
class CBasicPage : public CPropertyPage {
    Q_OBJECT
public:
    // The page edits the current bank of `settings`, which must outlive it.
    explicit CBasicPage(CSettings &settings, QWidget *parent = nullptr);
    ~CBasicPage() override;

    void DoDataExchange(bool store) override;
    bool OnSetActive() override;

private:
    // Rewrites the summary line from the current bank's port settings.
    void UpdatePortSummary();
    void UpdateEnables();
    void OnDirectly();
    void OnSplitter();
    // The cabling buttons write the four port settings straight into the current bank; the
    // Ports page shows them at its next activation.
    void SetPorts(const char *amode, int32_t abaud, const char *bmode, int32_t bbaud);

    CSettings &m_settings;
    std::unique_ptr<Ui::BasicPage> m_ui;
};
