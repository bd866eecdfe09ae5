#include "PositionTimingPage.h"

#include "ui_PositionTimingPage.h"

#include "Settings.h"
#include "PageHelpers.h"

CPositionTimingPage::CPositionTimingPage(CSettings &settings, QWidget *parent)
    : CPropertyPage(parent), m_settings(settings), m_ui(std::make_unique<Ui::PositionTimingPage>())
{
    m_ui->setupUi(this);
    // Only a user's click excludes the other mode; a load shows the bank as it is, even with
    // both on.
    connect(m_ui->sben, &QCheckBox::clicked, this, &CPositionTimingPage::OnSmartBeaconingClicked);
    connect(m_ui->ents, &QCheckBox::clicked, this, &CPositionTimingPage::OnTimeSlottingClicked);
}

CPositionTimingPage::~CPositionTimingPage() = default;

void CPositionTimingPage::DoDataExchange(bool store)
{
    CBank &bank = ExchangeBank(m_settings);
    DDX_Number(store, m_ui->pperiod, bank.pperiod);
    DDX_Check(store, m_ui->sben, bank.sben);
    DDX_Number(store, m_ui->sbtangle, bank.sbtangle);
    DDX_Number(store, m_ui->sbtslope, bank.sbtslope);
    DDX_Number(store, m_ui->sbttime, bank.sbttime);
    DDX_Number(store, m_ui->sbsspeed, bank.sbsspeed);
    DDX_Number(store, m_ui->sbsperiod, bank.sbsperiod);
    DDX_Number(store, m_ui->sbfspeed, bank.sbfspeed);
    DDX_Number(store, m_ui->sbfperiod, bank.sbfperiod);
    DDX_Check(store, m_ui->ents, bank.ents);
    DDX_Number(store, m_ui->tsoffset, bank.tsoffset);
    DDX_Number(store, m_ui->mpperiod, bank.mpperiod);
}

bool CPositionTimingPage::OnSetActive()
{
    const bool active = CPropertyPage::OnSetActive();
    UpdateEnables();
    return active;
}

void CPositionTimingPage::OnSmartBeaconingClicked(bool checked)
{
    if (checked)
        m_ui->ents->setChecked(false);
    UpdateEnables();
}

void CPositionTimingPage::OnTimeSlottingClicked(bool checked)
{
    if (checked)
        m_ui->sben->setChecked(false);
    UpdateEnables();
}

void CPositionTimingPage::UpdateEnables()
{
    const bool smart = m_ui->sben->isChecked();
    m_ui->pperiod->setEnabled(!smart);
    for (QLineEdit *edit : {m_ui->sbtangle, m_ui->sbtslope, m_ui->sbttime, m_ui->sbsspeed,
                            m_ui->sbsperiod, m_ui->sbfspeed, m_ui->sbfperiod})
        edit->setEnabled(smart);
    m_ui->tsoffset->setEnabled(m_ui->ents->isChecked());
}
