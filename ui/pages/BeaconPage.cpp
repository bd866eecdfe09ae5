#include "BeaconPage.h"

#include "ui_BeaconPage.h"

#include "Settings.h"
#include "PageHelpers.h"

CBeaconPage::CBeaconPage(CSettings &settings, QWidget *parent)
    : CPropertyPage(parent), m_settings(settings), m_ui(std::make_unique<Ui::BeaconPage>())
{
    m_ui->setupUi(this);
    connect(m_ui->bperiod, &QLineEdit::textChanged, this, &CBeaconPage::UpdateEnables);
}

CBeaconPage::~CBeaconPage() = default;

void CBeaconPage::DoDataExchange(bool store)
{
    CBank &bank = ExchangeBank(m_settings);
    DDX_Number(store, m_ui->bperiod, bank.bperiod);
    DDX_Text(store, m_ui->btext, bank.btext);
    DDX_Text(store, m_ui->alias1, bank.alias1);
    DDX_Text(store, m_ui->alias2, bank.alias2);
    DDX_Text(store, m_ui->alias3, bank.alias3);
    DDX_Check(store, m_ui->preempt, bank.preempt);
    DDX_Check(store, m_ui->digiid, bank.digiid);
    DDX_Check(store, m_ui->digimy, bank.digimy);
    DDX_Number(store, m_ui->dupetime, bank.dupetime);
}

bool CBeaconPage::OnSetActive()
{
    const bool active = CPropertyPage::OnSetActive();
    UpdateEnables();
    return active;
}

void CBeaconPage::UpdateEnables()
{
    // No beacon is sent with a period of 0, so its text is then not editable.
    m_ui->btext->setEnabled(ControlNumber(m_ui->bperiod) != 0);
}
