#include "ui/pages/BasicPage.h"

#include "settings/Settings.h"
#include "ui/pages/PageHelpers.h"

CBasicPage::CBasicPage(QWidget *parent) : CPropertyPage(parent)
{
    m_ui.setupUi(this);
}

void CBasicPage::DoDataExchange()
{
    CPropertyPage::DoDataExchange();
}

bool CBasicPage::OnSetActive()
{
    return CPropertyPage::OnSetActive();
}

bool CBasicPage::OnKillActive()
{
    return CPropertyPage::OnKillActive();
}
