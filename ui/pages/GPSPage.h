#pragma once

#include "PropertyPage.h"

#include <memory>

class CSettings;

namespace Ui {
class GPSPage;
}

// The "GPS" tab: waypoints, GPS input handling and sentence relaying. Every control stands
// alone: no enable rules.
class CGPSPage : public CPropertyPage {
    Q_OBJECT
public:
    // The page edits the current bank of `settings`, which must outlive it.
    explicit CGPSPage(CSettings &settings, QWidget *parent = nullptr);
    ~CGPSPage() override;

    void DoDataExchange(bool store) override;

private:
    CSettings &m_settings;
    std::unique_ptr<Ui::GPSPage> m_ui;
};
