#include "TelemetryPage.h"

#include "ui_TelemetryPage.h"

#include "Settings.h"
#include "PageHelpers.h"

CTelemetryPage::CTelemetryPage(CSettings &settings, QWidget *parent)
    : CPropertyPage(parent), m_settings(settings), m_ui(std::make_unique<Ui::TelemetryPage>())
{
    m_ui->setupUi(this);
    // Arrow keys between the radio buttons click them too, so a keyboard switch is a switch.
    connect(m_ui->bank0Radio, &QRadioButton::clicked, this, [this] { OnBank(0); });
    connect(m_ui->bank1Radio, &QRadioButton::clicked, this, [this] { OnBank(1); });
    connect(m_ui->tperiod, &QLineEdit::textChanged, this, &CTelemetryPage::UpdateEnables);
    connect(m_ui->wperiod, &QLineEdit::textChanged, this, &CTelemetryPage::UpdateEnables);
    connect(m_ui->copyBankButton, &QPushButton::clicked, this, &CTelemetryPage::OnCopyBank);
}

CTelemetryPage::~CTelemetryPage() = default;

void CTelemetryPage::DoDataExchange(bool store)
{
    CBank &bank = ExchangeBank(m_settings);
    DDX_Number(store, m_ui->tperiod, bank.tperiod);
    DDX_Check(store, m_ui->telhires, bank.telhires);
    DDX_Check(store, m_ui->telvolt, bank.telvolt);
    DDX_Check(store, m_ui->teltemp, bank.teltemp);
    DDX_Number(store, m_ui->wperiod, bank.wperiod);
    DDX_Check(store, m_ui->wxpos, bank.wxpos);
    DDX_Number(store, m_ui->bnkmode, bank.bnkmode);
    DDX_Number(store, m_ui->tvolttwk, bank.tvolttwk);
    DDX_Number(store, m_ui->ttemptwk, bank.ttemptwk);
    DDX_Check(store, m_ui->telread, bank.telread);
    DDX_Check(store, m_ui->msgcmd, bank.msgcmd);
}

bool CTelemetryPage::OnSetActive()
{
    const bool active = CPropertyPage::OnSetActive();
    UpdateBankControls();
    UpdateEnables();
    return active;
}

void CTelemetryPage::UpdateBankControls()
{
    // The radio buttons are exclusive: checking one unchecks the other.
    const int bank = m_settings.GetBank() != 0 ? 1 : 0;
    (bank == 1 ? m_ui->bank1Radio : m_ui->bank0Radio)->setChecked(true);
    emit bankChanged(bank);
    m_ui->copyBankButton->setText(tr("C&opy To Bank %1").arg(bank == 1 ? 0 : 1));
}

void CTelemetryPage::UpdateEnables()
{
    const bool telemetry = ControlNumber(m_ui->tperiod) != 0;
    m_ui->telhires->setEnabled(telemetry);
    m_ui->telvolt->setEnabled(telemetry);
    m_ui->teltemp->setEnabled(telemetry);
    m_ui->telread->setEnabled(telemetry);
    m_ui->wxpos->setEnabled(ControlNumber(m_ui->wperiod) != 0);
}

void CTelemetryPage::OnBank(int32_t bank)
{
    // What was typed belongs to the bank that was shown when it was typed.
    DoDataExchange(true);
    m_settings.SetBank(bank);
    DoDataExchange(false);
    UpdateBankControls();
    UpdateEnables();
}

void CTelemetryPage::OnCopyBank()
{
    // What the page shows is copied: a period typed just before the click counts.
    DoDataExchange(true);
    m_settings.CopyBank();
}
