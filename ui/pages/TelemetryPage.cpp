#include "ui/pages/TelemetryPage.h"

#include "settings/Settings.h"
#include "ui/pages/PageHelpers.h"

CTelemetryPage::CTelemetryPage(QWidget *parent) : CPropertyPage(parent)
{
    m_ui.setupUi(this);
}

void CTelemetryPage::DoDataExchange()
{
    CPropertyPage::DoDataExchange();
}

bool CTelemetryPage::OnSetActive()
{
    return CPropertyPage::OnSetActive();
}

bool CTelemetryPage::OnKillActive()
{
    return CPropertyPage::OnKillActive();
}
