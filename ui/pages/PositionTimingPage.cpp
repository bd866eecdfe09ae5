#include "ui/pages/PositionTimingPage.h"

#include "settings/Settings.h"
#include "ui/pages/PageHelpers.h"

CPositionTimingPage::CPositionTimingPage(QWidget *parent) : CPropertyPage(parent)
{
    m_ui.setupUi(this);
}

void CPositionTimingPage::DoDataExchange()
{
    CPropertyPage::DoDataExchange();
}

bool CPositionTimingPage::OnSetActive()
{
    return CPropertyPage::OnSetActive();
}

bool CPositionTimingPage::OnKillActive()
{
    return CPropertyPage::OnKillActive();
}
