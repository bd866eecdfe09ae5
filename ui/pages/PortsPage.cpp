#include "PortsPage.h"

#include "Settings.h"
#include "PageHelpers.h"

CPortsPage::CPortsPage(QWidget *parent) : CPropertyPage(parent)
{
    m_ui.setupUi(this);
}

void CPortsPage::DoDataExchange()
{
    CPropertyPage::DoDataExchange();
}

bool CPortsPage::OnSetActive()
{
    // A mode or rate the lists do not hold shows as the first item, and is stored as that
    // item when the page is left.
    LoadItemText(m_ui.amode, g_settings.CurrentValues().amode);
    LoadItemNumber(m_ui.abaud, g_settings.CurrentValues().abaud);
    LoadItemText(m_ui.bmode, g_settings.CurrentValues().bmode);
    LoadItemNumber(m_ui.bbaud, g_settings.CurrentValues().bbaud);
    LoadCheck(m_ui.pkticom, g_settings.CurrentValues().pkticom);
    LoadCheck(m_ui.pktocom, g_settings.CurrentValues().pktocom);
    LoadCheck(m_ui.headerln, g_settings.CurrentValues().headerln);
    LoadCheck(m_ui.softrst, g_settings.CurrentValues().softrst);
    LoadCheck(m_ui.decstat, g_settings.CurrentValues().decstat);
    return CPropertyPage::OnSetActive();
}

bool CPortsPage::OnKillActive()
{
    // The baud boxes' edit fields are never read: only the selected list item counts.
    StoreItemText(m_ui.amode, g_settings.CurrentValues().amode);
    StoreItemNumber(m_ui.abaud, g_settings.CurrentValues().abaud);
    StoreItemText(m_ui.bmode, g_settings.CurrentValues().bmode);
    StoreItemNumber(m_ui.bbaud, g_settings.CurrentValues().bbaud);
    StoreCheck(m_ui.pkticom, g_settings.CurrentValues().pkticom);
    StoreCheck(m_ui.pktocom, g_settings.CurrentValues().pktocom);
    StoreCheck(m_ui.headerln, g_settings.CurrentValues().headerln);
    StoreCheck(m_ui.softrst, g_settings.CurrentValues().softrst);
    StoreCheck(m_ui.decstat, g_settings.CurrentValues().decstat);
    return CPropertyPage::OnKillActive();
}
