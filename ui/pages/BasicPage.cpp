#include "BasicPage.h"

#include "Settings.h"
#include "PageHelpers.h"

CBasicPage::CBasicPage(QWidget *parent) : CPropertyPage(parent)
{
    m_ui.setupUi(this);
    connect(m_ui.directlyButton, &QPushButton::clicked, this, &CBasicPage::OnDirectly);
    connect(m_ui.splitterButton, &QPushButton::clicked, this, &CBasicPage::OnSplitter);
    connect(m_ui.sben, &QCheckBox::clicked, this, &CBasicPage::UpdateEnables);
}

void CBasicPage::DoDataExchange()
{
    CPropertyPage::DoDataExchange();
}

bool CBasicPage::OnSetActive()
{
    LoadText(m_ui.mycall, g_settings.CurrentValues().mycall);
    LoadNumber(m_ui.pperiod, g_settings.CurrentValues().pperiod);
    LoadCheck(m_ui.sben, g_settings.CurrentValues().sben);
    UpdatePortSummary();
    UpdateEnables();
    return CPropertyPage::OnSetActive();
}

bool CBasicPage::OnKillActive()
{
    // The port settings are not stored here: only the cabling buttons write them.
    StoreText(m_ui.mycall, g_settings.CurrentValues().mycall);
    StoreNumber(m_ui.pperiod, g_settings.CurrentValues().pperiod);
    StoreCheck(m_ui.sben, g_settings.CurrentValues().sben);
    return CPropertyPage::OnKillActive();
}

void CBasicPage::UpdatePortSummary()
{
    const std::string summary = "AMODE " + g_settings.CurrentValues().amode + " "
        + std::to_string(g_settings.CurrentValues().abaud) + "  BMODE "
        + g_settings.CurrentValues().bmode + " " + std::to_string(g_settings.CurrentValues().bbaud);
    SetControlText(m_ui.portSummary, summary);
}

void CBasicPage::UpdateEnables()
{
    // The period means nothing while SmartBeaconing picks the moments; "ents" is left alone.
    m_ui.pperiod->setEnabled(!m_ui.sben->isChecked());
}

void CBasicPage::OnDirectly()
{
    SetPorts("GPS", 4800, "GPS", 4800);
}

void CBasicPage::OnSplitter()
{
    SetPorts("TEXT", 19200, "GPS", 4800);
}

void CBasicPage::SetPorts(const char *amode, int32_t abaud, const char *bmode, int32_t bbaud)
{
    g_settings.CurrentValues().amode = amode;
    g_settings.CurrentValues().abaud = abaud;
    g_settings.CurrentValues().bmode = bmode;
    g_settings.CurrentValues().bbaud = bbaud;
    UpdatePortSummary();
}
