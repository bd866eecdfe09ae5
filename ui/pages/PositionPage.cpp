#include "ui/pages/PositionPage.h"

#include "settings/Settings.h"
#include "ui/pages/PageHelpers.h"

CPositionPage::CPositionPage(QWidget *parent) : CPropertyPage(parent)
{
    m_ui.setupUi(this);
}

void CPositionPage::DoDataExchange()
{
    CPropertyPage::DoDataExchange();
}

bool CPositionPage::OnSetActive()
{
    return CPropertyPage::OnSetActive();
}

bool CPositionPage::OnKillActive()
{
    return CPropertyPage::OnKillActive();
}
