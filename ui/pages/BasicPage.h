#pragma once

#include "ui/PropertyPage.h"

#include "ui_BasicPage.h"

// The "Basic" tab.
class CBasicPage : public CPropertyPage {
    Q_OBJECT
public:
    enum { IDD = 117 };
    explicit CBasicPage(QWidget *parent = nullptr);

    void DoDataExchange() override;
    bool OnSetActive() override;
    bool OnKillActive() override;

    Ui::BasicPage m_ui;
};
