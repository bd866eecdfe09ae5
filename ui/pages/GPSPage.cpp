#include "GPSPage.h"

#include "ui_GPSPage.h"

#include "Settings.h"
#include "PageHelpers.h"

CGPSPage::CGPSPage(CSettings &settings, QWidget *parent)
    : CPropertyPage(parent), m_settings(settings), m_ui(std::make_unique<Ui::GPSPage>())
{
    m_ui->setupUi(this);
}

CGPSPage::~CGPSPage() = default;

void CGPSPage::DoDataExchange(bool store)
{
    CBank &bank = ExchangeBank(m_settings);
    DDX_ItemText(store, m_ui->gwaymode, bank.gwaymode);
    DDX_Number(store, m_ui->gwaylen, bank.gwaylen);
    DDX_Check(store, m_ui->tswpt, bank.tswpt);
    DDX_Check(store, m_ui->wyptxt, bank.wyptxt);
    DDX_Check(store, m_ui->pavpen, bank.pavpen);
    DDX_Number(store, m_ui->tpswitch, bank.tpswitch);
    DDX_Number(store, m_ui->grelaybits, bank.grelaybits);
    DDX_Number(store, m_ui->grelayrate, bank.grelayrate);
    DDX_Check(store, m_ui->lrntps, bank.lrntps);
    DDX_Check(store, m_ui->gpschk, bank.gpschk);
    DDX_Check(store, m_ui->intclk, bank.intclk);
    DDX_Number(store, m_ui->gkrelay, bank.gkrelay);
}
