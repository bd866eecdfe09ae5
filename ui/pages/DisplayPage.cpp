#include "DisplayPage.h"

#include "ui_DisplayPage.h"

#include "Settings.h"
#include "PageHelpers.h"

CDisplayPage::CDisplayPage(CSettings &settings, QWidget *parent)
    : CPropertyPage(parent), m_settings(settings), m_ui(std::make_unique<Ui::DisplayPage>())
{
    m_ui->setupUi(this);
    connect(m_ui->nodisp, &QCheckBox::clicked, this, &CDisplayPage::UpdateEnables);
}

CDisplayPage::~CDisplayPage() = default;

void CDisplayPage::DoDataExchange(bool store)
{
    CBank &bank = ExchangeBank(m_settings);
    DDX_Check(store, m_ui->nodisp, bank.nodisp);
    DDX_Check(store, m_ui->dmetric, bank.dmetric);
    DDX_Check(store, m_ui->ddist, bank.ddist);
    DDX_Check(store, m_ui->txtdisp, bank.txtdisp);
    DDX_Check(store, m_ui->dmsdisp, bank.dmsdisp);
    DDX_Check(store, m_ui->frawdisp, bank.frawdisp);
    DDX_Check(store, m_ui->hrawdisp, bank.hrawdisp);
    DDX_Check(store, m_ui->rpathdisp, bank.rpathdisp);
    DDX_Check(store, m_ui->leds, bank.leds);
}

bool CDisplayPage::OnSetActive()
{
    const bool active = CPropertyPage::OnSetActive();
    UpdateEnables();
    return active;
}

void CDisplayPage::UpdateEnables()
{
    // A disabled display locks its options where they are; the LEDs are not part of it.
    const bool display = !m_ui->nodisp->isChecked();
    for (QCheckBox *option : {m_ui->dmetric, m_ui->ddist, m_ui->txtdisp, m_ui->dmsdisp,
                              m_ui->frawdisp, m_ui->hrawdisp, m_ui->rpathdisp})
        option->setEnabled(display);
}
