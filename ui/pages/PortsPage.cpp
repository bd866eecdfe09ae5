#include "PortsPage.h"

#include "ui_PortsPage.h"

#include "Settings.h"
#include "PageHelpers.h"

CPortsPage::CPortsPage(CSettings &settings, QWidget *parent)
    : CPropertyPage(parent), m_settings(settings), m_ui(std::make_unique<Ui::PortsPage>())
{
    m_ui->setupUi(this);
}

CPortsPage::~CPortsPage() = default;

void CPortsPage::DoDataExchange(bool store)
{
    // A mode or rate the lists do not hold shows as the first item, and is stored as that
    // item when the page is left. The baud boxes' edit fields are never read: only the
    // selected list item counts.
    CBank &bank = ExchangeBank(m_settings);
    DDX_ItemText(store, m_ui->amode, bank.amode);
    DDX_ItemNumber(store, m_ui->abaud, bank.abaud);
    DDX_ItemText(store, m_ui->bmode, bank.bmode);
    DDX_ItemNumber(store, m_ui->bbaud, bank.bbaud);
    DDX_Check(store, m_ui->pkticom, bank.pkticom);
    DDX_Check(store, m_ui->pktocom, bank.pktocom);
    DDX_Check(store, m_ui->headerln, bank.headerln);
    DDX_Check(store, m_ui->softrst, bank.softrst);
    DDX_Check(store, m_ui->decstat, bank.decstat);
}
