#include "ui/pages/CommsPage.h"

#include "settings/Settings.h"
#include "ui/pages/PageHelpers.h"

CCommsPage::CCommsPage(QWidget *parent) : CPropertyPage(parent)
{
    m_ui.setupUi(this);
}

void CCommsPage::DoDataExchange()
{
    CPropertyPage::DoDataExchange();
}

bool CCommsPage::OnSetActive()
{
    return CPropertyPage::OnSetActive();
}

bool CCommsPage::OnKillActive()
{
    return CPropertyPage::OnKillActive();
}
