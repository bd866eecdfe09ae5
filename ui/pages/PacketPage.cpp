#include "PacketPage.h"

#include "Settings.h"
#include "PageHelpers.h"

CPacketPage::CPacketPage(QWidget *parent) : CPropertyPage(parent)
{
    m_ui.setupUi(this);
    connect(m_ui.cdmode, &QComboBox::currentIndexChanged, this, &CPacketPage::UpdateEnables);
}

void CPacketPage::DoDataExchange()
{
    CPropertyPage::DoDataExchange();
}

// Table order, both ways.
bool CPacketPage::OnSetActive()
{
    LoadText(m_ui.mycall, g_settings.CurrentValues().mycall);
    LoadText(m_ui.path1, g_settings.CurrentValues().path1);
    LoadText(m_ui.path2, g_settings.CurrentValues().path2);
    LoadText(m_ui.path3, g_settings.CurrentValues().path3);
    LoadText(m_ui.altnet, g_settings.CurrentValues().altnet);
    LoadNumber(m_ui.ssidroute, g_settings.CurrentValues().ssidroute);
    LoadNumber(m_ui.txd, g_settings.CurrentValues().txd);
    LoadText(m_ui.filtercall, g_settings.CurrentValues().filtercall);
    LoadNumber(m_ui.quiet, g_settings.CurrentValues().quiet);
    LoadItemText(m_ui.cdmode, g_settings.CurrentValues().cdmode);
    LoadNumber(m_ui.persist, g_settings.CurrentValues().persist);
    LoadNumber(m_ui.slottime, g_settings.CurrentValues().slottime);
    LoadNumber(m_ui.cdlevel, g_settings.CurrentValues().cdlevel);
    LoadCheck(m_ui.p300, g_settings.CurrentValues().p300);
    LoadCheck(m_ui.trnkmode, g_settings.CurrentValues().trnkmode);
    LoadCheck(m_ui.dec96, g_settings.CurrentValues().dec96);
    LoadNumber(m_ui.rxamp, g_settings.CurrentValues().rxamp);
    LoadNumber(m_ui.txlevel, g_settings.CurrentValues().txlevel);
    LoadCheck(m_ui.ppathing, g_settings.CurrentValues().ppathing);
    LoadNumber(m_ui.txtwist, g_settings.CurrentValues().txtwist);
    LoadNumber(m_ui.mtxd, g_settings.CurrentValues().mtxd);
    UpdateEnables();
    return CPropertyPage::OnSetActive();
}

bool CPacketPage::OnKillActive()
{
    StoreText(m_ui.mycall, g_settings.CurrentValues().mycall);
    StoreText(m_ui.path1, g_settings.CurrentValues().path1);
    StoreText(m_ui.path2, g_settings.CurrentValues().path2);
    StoreText(m_ui.path3, g_settings.CurrentValues().path3);
    StoreText(m_ui.altnet, g_settings.CurrentValues().altnet);
    StoreNumber(m_ui.ssidroute, g_settings.CurrentValues().ssidroute);
    StoreNumber(m_ui.txd, g_settings.CurrentValues().txd);
    StoreText(m_ui.filtercall, g_settings.CurrentValues().filtercall);
    StoreNumber(m_ui.quiet, g_settings.CurrentValues().quiet);
    StoreItemText(m_ui.cdmode, g_settings.CurrentValues().cdmode);
    StoreNumber(m_ui.persist, g_settings.CurrentValues().persist);
    StoreNumber(m_ui.slottime, g_settings.CurrentValues().slottime);
    StoreNumber(m_ui.cdlevel, g_settings.CurrentValues().cdlevel);
    StoreCheck(m_ui.p300, g_settings.CurrentValues().p300);
    StoreCheck(m_ui.trnkmode, g_settings.CurrentValues().trnkmode);
    StoreCheck(m_ui.dec96, g_settings.CurrentValues().dec96);
    StoreNumber(m_ui.rxamp, g_settings.CurrentValues().rxamp);
    StoreNumber(m_ui.txlevel, g_settings.CurrentValues().txlevel);
    StoreCheck(m_ui.ppathing, g_settings.CurrentValues().ppathing);
    StoreNumber(m_ui.txtwist, g_settings.CurrentValues().txtwist);
    StoreNumber(m_ui.mtxd, g_settings.CurrentValues().mtxd);
    return CPropertyPage::OnKillActive();
}

void CPacketPage::UpdateEnables()
{
    // The level only matters to the level and tone detectors; PIN2 modes read a pin.
    // Nothing selected (-1) counts as a level mode too.
    m_ui.cdlevel->setEnabled(GetComboIndex(m_ui.cdmode) <= 1);
}
