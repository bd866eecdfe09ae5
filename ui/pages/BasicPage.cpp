#include "BasicPage.h"

#include "ui_BasicPage.h"

#include "Settings.h"
#include "PageHelpers.h"

CBasicPage::CBasicPage(CSettings &settings, QWidget *parent)
    : CPropertyPage(parent), m_settings(settings), m_ui(std::make_unique<Ui::BasicPage>())
{
    m_ui->setupUi(this);
    connect(m_ui->directlyButton, &QPushButton::clicked, this, &CBasicPage::OnDirectly);
    connect(m_ui->splitterButton, &QPushButton::clicked, this, &CBasicPage::OnSplitter);
    connect(m_ui->sben, &QCheckBox::clicked, this, &CBasicPage::UpdateEnables);
}

CBasicPage::~CBasicPage() = default;

void CBasicPage::DoDataExchange(bool store)
{
    // The port settings are not bound here: only the cabling buttons write them.
    CBank &bank = ExchangeBank(m_settings);
    DDX_Text(store, m_ui->mycall, bank.mycall);
    DDX_Number(store, m_ui->pperiod, bank.pperiod);
    DDX_Check(store, m_ui->sben, bank.sben);
}

bool CBasicPage::OnSetActive()
{
    const bool active = CPropertyPage::OnSetActive();
    UpdatePortSummary();
    UpdateEnables();
    return active;
}

void CBasicPage::UpdatePortSummary()
{
    const CBank &bank = m_settings.CurrentValues();
    const std::string summary = "AMODE " + bank.amode + " " + std::to_string(bank.abaud)
        + "  BMODE " + bank.bmode + " " + std::to_string(bank.bbaud);
    SetControlText(m_ui->portSummary, summary);
}

void CBasicPage::UpdateEnables()
{
    // The period means nothing while SmartBeaconing picks the moments; "ents" is left alone.
    m_ui->pperiod->setEnabled(!m_ui->sben->isChecked());
}

void CBasicPage::OnDirectly()
{
    SetPorts("GPS", 4800, "GPS", 4800);
}

void CBasicPage::OnSplitter()
{
    SetPorts("TEXT", 19200, "GPS", 4800);
}

void CBasicPage::SetPorts(const char *amode, int32_t abaud, const char *bmode, int32_t bbaud)
{
    CBank &bank = m_settings.CurrentValues();
    bank.amode = amode;
    bank.abaud = abaud;
    bank.bmode = bmode;
    bank.bbaud = bbaud;
    UpdatePortSummary();
}
