#include "PacketPage.h"

#include "ui_PacketPage.h"

#include "Settings.h"
#include "PageHelpers.h"

CPacketPage::CPacketPage(CSettings &settings, QWidget *parent)
    : CPropertyPage(parent), m_settings(settings), m_ui(std::make_unique<Ui::PacketPage>())
{
    m_ui->setupUi(this);
    connect(m_ui->cdmode, &QComboBox::currentIndexChanged, this, &CPacketPage::UpdateEnables);
}

CPacketPage::~CPacketPage() = default;

// Table order.
void CPacketPage::DoDataExchange(bool store)
{
    CBank &bank = ExchangeBank(m_settings);
    DDX_Text(store, m_ui->mycall, bank.mycall);
    DDX_Text(store, m_ui->path1, bank.path1);
    DDX_Text(store, m_ui->path2, bank.path2);
    DDX_Text(store, m_ui->path3, bank.path3);
    DDX_Text(store, m_ui->altnet, bank.altnet);
    DDX_Number(store, m_ui->ssidroute, bank.ssidroute);
    DDX_Number(store, m_ui->txd, bank.txd);
    DDX_Text(store, m_ui->filtercall, bank.filtercall);
    DDX_Number(store, m_ui->quiet, bank.quiet);
    DDX_ItemText(store, m_ui->cdmode, bank.cdmode);
    DDX_Number(store, m_ui->persist, bank.persist);
    DDX_Number(store, m_ui->slottime, bank.slottime);
    DDX_Number(store, m_ui->cdlevel, bank.cdlevel);
    DDX_Check(store, m_ui->p300, bank.p300);
    DDX_Check(store, m_ui->trnkmode, bank.trnkmode);
    DDX_Check(store, m_ui->dec96, bank.dec96);
    DDX_Number(store, m_ui->rxamp, bank.rxamp);
    DDX_Number(store, m_ui->txlevel, bank.txlevel);
    DDX_Check(store, m_ui->ppathing, bank.ppathing);
    DDX_Number(store, m_ui->txtwist, bank.txtwist);
    DDX_Number(store, m_ui->mtxd, bank.mtxd);
}

bool CPacketPage::OnSetActive()
{
    const bool active = CPropertyPage::OnSetActive();
    UpdateEnables();
    return active;
}

void CPacketPage::UpdateEnables()
{
    // The level only matters to the level and tone detectors; PIN2 modes read a pin.
    // Nothing selected (-1) counts as a level mode too.
    m_ui->cdlevel->setEnabled(GetComboIndex(m_ui->cdmode) <= 1);
}
