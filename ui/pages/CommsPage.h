#pragma once

#include "ui/PropertyPage.h"

#include "ui_CommsPage.h"

// The "Comms" tab.
class CCommsPage : public CPropertyPage {
    Q_OBJECT
public:
    enum { IDD = 116 };
    explicit CCommsPage(QWidget *parent = nullptr);

    void DoDataExchange() override;
    bool OnSetActive() override;
    bool OnKillActive() override;

    Ui::CommsPage m_ui;
};
