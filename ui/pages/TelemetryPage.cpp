#include "TelemetryPage.h"

#include "Settings.h"
#include "App.h"
#include "PageHelpers.h"

CTelemetryPage::CTelemetryPage(QWidget *parent) : CPropertyPage(parent)
{
    m_ui.setupUi(this);
    // Arrow keys between the radio buttons click them too, so a keyboard switch is a switch.
    connect(m_ui.bank0Radio, &QRadioButton::clicked, this, [this] { OnBank(0); });
    connect(m_ui.bank1Radio, &QRadioButton::clicked, this, [this] { OnBank(1); });
    connect(m_ui.tperiod, &QLineEdit::textChanged, this, &CTelemetryPage::UpdateEnables);
    connect(m_ui.wperiod, &QLineEdit::textChanged, this, &CTelemetryPage::UpdateEnables);
    connect(m_ui.copyBankButton, &QPushButton::clicked, this, &CTelemetryPage::OnCopyBank);
}

void CTelemetryPage::DoDataExchange()
{
    CPropertyPage::DoDataExchange();
}

bool CTelemetryPage::OnSetActive()
{
    Load();
    return CPropertyPage::OnSetActive();
}

bool CTelemetryPage::OnKillActive()
{
    Store();
    return CPropertyPage::OnKillActive();
}

void CTelemetryPage::Load()
{
    LoadNumber(m_ui.tperiod, g_settings.CurrentValues().tperiod);
    LoadCheck(m_ui.telhires, g_settings.CurrentValues().telhires);
    LoadCheck(m_ui.telvolt, g_settings.CurrentValues().telvolt);
    LoadCheck(m_ui.teltemp, g_settings.CurrentValues().teltemp);
    LoadNumber(m_ui.wperiod, g_settings.CurrentValues().wperiod);
    LoadCheck(m_ui.wxpos, g_settings.CurrentValues().wxpos);
    LoadNumber(m_ui.bnkmode, g_settings.CurrentValues().bnkmode);
    LoadNumber(m_ui.tvolttwk, g_settings.CurrentValues().tvolttwk);
    LoadNumber(m_ui.ttemptwk, g_settings.CurrentValues().ttemptwk);
    LoadCheck(m_ui.telread, g_settings.CurrentValues().telread);
    LoadCheck(m_ui.msgcmd, g_settings.CurrentValues().msgcmd);
    UpdateBankControls();
    UpdateEnables();
}

void CTelemetryPage::Store()
{
    StoreNumber(m_ui.tperiod, g_settings.CurrentValues().tperiod);
    StoreCheck(m_ui.telhires, g_settings.CurrentValues().telhires);
    StoreCheck(m_ui.telvolt, g_settings.CurrentValues().telvolt);
    StoreCheck(m_ui.teltemp, g_settings.CurrentValues().teltemp);
    StoreNumber(m_ui.wperiod, g_settings.CurrentValues().wperiod);
    StoreCheck(m_ui.wxpos, g_settings.CurrentValues().wxpos);
    StoreNumber(m_ui.bnkmode, g_settings.CurrentValues().bnkmode);
    StoreNumber(m_ui.tvolttwk, g_settings.CurrentValues().tvolttwk);
    StoreNumber(m_ui.ttemptwk, g_settings.CurrentValues().ttemptwk);
    StoreCheck(m_ui.telread, g_settings.CurrentValues().telread);
    StoreCheck(m_ui.msgcmd, g_settings.CurrentValues().msgcmd);
}

void CTelemetryPage::UpdateBankControls()
{
    // The radio buttons are exclusive: checking one unchecks the other.
    if (g_settings.GetBank() != 0) {
        m_ui.bank1Radio->setChecked(true);
        g_theApp.SetBankLabel("BANK:1");
        m_ui.copyBankButton->setText("Copy To Bank 0");
    } else {
        m_ui.bank0Radio->setChecked(true);
        g_theApp.SetBankLabel("BANK:0");
        m_ui.copyBankButton->setText("Copy To Bank 1");
    }
}

void CTelemetryPage::UpdateEnables()
{
    const bool telemetry = ControlNumber(m_ui.tperiod) != 0;
    m_ui.telhires->setEnabled(telemetry);
    m_ui.telvolt->setEnabled(telemetry);
    m_ui.teltemp->setEnabled(telemetry);
    m_ui.telread->setEnabled(telemetry);
    m_ui.wxpos->setEnabled(ControlNumber(m_ui.wperiod) != 0);
}

void CTelemetryPage::OnBank(int32_t bank)
{
    // What was typed belongs to the bank that was shown when it was typed.
    Store();
    g_settings.SetBank(bank);
    Load();
    UpdateBankControls();
}

void CTelemetryPage::OnCopyBank()
{
    // The bank as last stored: edits on this page since then reach the current bank only
    // when the page is next stored.
    g_settings.CopyBank();
}
