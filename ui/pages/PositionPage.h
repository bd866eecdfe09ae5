#pragma once

#include "ui/PropertyPage.h"

#include "ui_PositionPage.h"

// The "Position" tab.
class CPositionPage : public CPropertyPage {
    Q_OBJECT
public:
    enum { IDD = 112 };
    explicit CPositionPage(QWidget *parent = nullptr);

    void DoDataExchange() override;
    bool OnSetActive() override;
    bool OnKillActive() override;

    Ui::PositionPage m_ui;
};
