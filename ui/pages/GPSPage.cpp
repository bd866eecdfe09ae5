#include "GPSPage.h"

#include "Settings.h"
#include "PageHelpers.h"

CGPSPage::CGPSPage(QWidget *parent) : CPropertyPage(parent)
{
    m_ui.setupUi(this);
}

void CGPSPage::DoDataExchange()
{
    CPropertyPage::DoDataExchange();
}

bool CGPSPage::OnSetActive()
{
    LoadItemText(m_ui.gwaymode, g_settings.CurrentValues().gwaymode);
    LoadNumber(m_ui.gwaylen, g_settings.CurrentValues().gwaylen);
    LoadCheck(m_ui.tswpt, g_settings.CurrentValues().tswpt);
    LoadCheck(m_ui.wyptxt, g_settings.CurrentValues().wyptxt);
    LoadCheck(m_ui.pavpen, g_settings.CurrentValues().pavpen);
    LoadNumber(m_ui.tpswitch, g_settings.CurrentValues().tpswitch);
    LoadNumber(m_ui.grelaybits, g_settings.CurrentValues().grelaybits);
    LoadNumber(m_ui.grelayrate, g_settings.CurrentValues().grelayrate);
    LoadCheck(m_ui.lrntps, g_settings.CurrentValues().lrntps);
    LoadCheck(m_ui.gpschk, g_settings.CurrentValues().gpschk);
    LoadCheck(m_ui.intclk, g_settings.CurrentValues().intclk);
    LoadNumber(m_ui.gkrelay, g_settings.CurrentValues().gkrelay);
    return CPropertyPage::OnSetActive();
}

bool CGPSPage::OnKillActive()
{
    StoreItemText(m_ui.gwaymode, g_settings.CurrentValues().gwaymode);
    StoreNumber(m_ui.gwaylen, g_settings.CurrentValues().gwaylen);
    StoreCheck(m_ui.tswpt, g_settings.CurrentValues().tswpt);
    StoreCheck(m_ui.wyptxt, g_settings.CurrentValues().wyptxt);
    StoreCheck(m_ui.pavpen, g_settings.CurrentValues().pavpen);
    StoreNumber(m_ui.tpswitch, g_settings.CurrentValues().tpswitch);
    StoreNumber(m_ui.grelaybits, g_settings.CurrentValues().grelaybits);
    StoreNumber(m_ui.grelayrate, g_settings.CurrentValues().grelayrate);
    StoreCheck(m_ui.lrntps, g_settings.CurrentValues().lrntps);
    StoreCheck(m_ui.gpschk, g_settings.CurrentValues().gpschk);
    StoreCheck(m_ui.intclk, g_settings.CurrentValues().intclk);
    StoreNumber(m_ui.gkrelay, g_settings.CurrentValues().gkrelay);
    return CPropertyPage::OnKillActive();
}
