#include "BeaconPage.h"

#include "Settings.h"
#include "PageHelpers.h"

CBeaconPage::CBeaconPage(QWidget *parent) : CPropertyPage(parent)
{
    m_ui.setupUi(this);
    connect(m_ui.bperiod, &QLineEdit::textChanged, this, &CBeaconPage::UpdateEnables);
}

void CBeaconPage::DoDataExchange()
{
    CPropertyPage::DoDataExchange();
}

bool CBeaconPage::OnSetActive()
{
    LoadNumber(m_ui.bperiod, g_settings.CurrentValues().bperiod);
    LoadText(m_ui.btext, g_settings.CurrentValues().btext);
    LoadText(m_ui.alias1, g_settings.CurrentValues().alias1);
    LoadText(m_ui.alias2, g_settings.CurrentValues().alias2);
    LoadText(m_ui.alias3, g_settings.CurrentValues().alias3);
    LoadCheck(m_ui.preempt, g_settings.CurrentValues().preempt);
    LoadCheck(m_ui.digiid, g_settings.CurrentValues().digiid);
    LoadCheck(m_ui.digimy, g_settings.CurrentValues().digimy);
    LoadNumber(m_ui.dupetime, g_settings.CurrentValues().dupetime);
    UpdateEnables();
    return CPropertyPage::OnSetActive();
}

bool CBeaconPage::OnKillActive()
{
    StoreNumber(m_ui.bperiod, g_settings.CurrentValues().bperiod);
    StoreText(m_ui.btext, g_settings.CurrentValues().btext);
    StoreText(m_ui.alias1, g_settings.CurrentValues().alias1);
    StoreText(m_ui.alias2, g_settings.CurrentValues().alias2);
    StoreText(m_ui.alias3, g_settings.CurrentValues().alias3);
    StoreCheck(m_ui.preempt, g_settings.CurrentValues().preempt);
    StoreCheck(m_ui.digiid, g_settings.CurrentValues().digiid);
    StoreCheck(m_ui.digimy, g_settings.CurrentValues().digimy);
    StoreNumber(m_ui.dupetime, g_settings.CurrentValues().dupetime);
    return CPropertyPage::OnKillActive();
}

void CBeaconPage::UpdateEnables()
{
    // No beacon is sent with a period of 0, so its text is then not editable.
    m_ui.btext->setEnabled(ControlNumber(m_ui.bperiod) != 0);
}
