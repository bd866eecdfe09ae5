#include "ui/pages/GPSPage.h"

#include "settings/Settings.h"
#include "ui/pages/PageHelpers.h"

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
    return CPropertyPage::OnSetActive();
}

bool CGPSPage::OnKillActive()
{
    return CPropertyPage::OnKillActive();
}
