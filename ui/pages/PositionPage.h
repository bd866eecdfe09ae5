#pragma once

#include "PropertyPage.h"

#include <memory>

namespace Ui {
class PositionPage;
}

// The "Position" tab: protocol, time stamp, symbol, report options, static location and
// status text.
class CPositionPage : public CPropertyPage {
    Q_OBJECT
public:
    explicit CPositionPage(QWidget *parent = nullptr);
    ~CPositionPage() override;

    void DoDataExchange(bool store) override;
    bool OnSetActive() override;

private:
    void UpdateEnables();

    std::unique_ptr<Ui::PositionPage> m_ui;
};
