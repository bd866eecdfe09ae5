#include "ui/pages/BeaconPage.h"

#include "settings/Settings.h"
#include "ui/pages/PageHelpers.h"

CBeaconPage::CBeaconPage(QWidget *parent) : CPropertyPage(parent)
{
    m_ui.setupUi(this);
}

void CBeaconPage::DoDataExchange()
{
    CPropertyPage::DoDataExchange();
}

bool CBeaconPage::OnSetActive()
{
    return CPropertyPage::OnSetActive();
}

bool CBeaconPage::OnKillActive()
{
    return CPropertyPage::OnKillActive();
}
