#include "ui/pages/PortsPage.h"

#include "settings/Settings.h"
#include "ui/pages/PageHelpers.h"

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
    return CPropertyPage::OnSetActive();
}

bool CPortsPage::OnKillActive()
{
    return CPropertyPage::OnKillActive();
}
