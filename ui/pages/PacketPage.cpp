#include "ui/pages/PacketPage.h"

#include "settings/Settings.h"
#include "ui/pages/PageHelpers.h"

CPacketPage::CPacketPage(QWidget *parent) : CPropertyPage(parent)
{
    m_ui.setupUi(this);
}

void CPacketPage::DoDataExchange()
{
    CPropertyPage::DoDataExchange();
}

bool CPacketPage::OnSetActive()
{
    return CPropertyPage::OnSetActive();
}

bool CPacketPage::OnKillActive()
{
    return CPropertyPage::OnKillActive();
}
