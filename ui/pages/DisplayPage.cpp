#include "ui/pages/DisplayPage.h"

#include "settings/Settings.h"
#include "ui/pages/PageHelpers.h"

CDisplayPage::CDisplayPage(QWidget *parent) : CPropertyPage(parent)
{
    m_ui.setupUi(this);
}

void CDisplayPage::DoDataExchange()
{
    CPropertyPage::DoDataExchange();
}

bool CDisplayPage::OnSetActive()
{
    return CPropertyPage::OnSetActive();
}

bool CDisplayPage::OnKillActive()
{
    return CPropertyPage::OnKillActive();
}
