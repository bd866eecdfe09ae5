#include "DisplayPage.h"

#include "Settings.h"
#include "PageHelpers.h"

CDisplayPage::CDisplayPage(QWidget *parent) : CPropertyPage(parent)
{
    m_ui.setupUi(this);
    connect(m_ui.nodisp, &QCheckBox::clicked, this, &CDisplayPage::UpdateEnables);
}

void CDisplayPage::DoDataExchange()
{
    CPropertyPage::DoDataExchange();
}

bool CDisplayPage::OnSetActive()
{
    LoadCheck(m_ui.nodisp, g_settings.CurrentValues().nodisp);
    LoadCheck(m_ui.dmetric, g_settings.CurrentValues().dmetric);
    LoadCheck(m_ui.ddist, g_settings.CurrentValues().ddist);
    LoadCheck(m_ui.txtdisp, g_settings.CurrentValues().txtdisp);
    LoadCheck(m_ui.dmsdisp, g_settings.CurrentValues().dmsdisp);
    LoadCheck(m_ui.frawdisp, g_settings.CurrentValues().frawdisp);
    LoadCheck(m_ui.hrawdisp, g_settings.CurrentValues().hrawdisp);
    LoadCheck(m_ui.rpathdisp, g_settings.CurrentValues().rpathdisp);
    LoadCheck(m_ui.leds, g_settings.CurrentValues().leds);
    UpdateEnables();
    return CPropertyPage::OnSetActive();
}

bool CDisplayPage::OnKillActive()
{
    StoreCheck(m_ui.nodisp, g_settings.CurrentValues().nodisp);
    StoreCheck(m_ui.dmetric, g_settings.CurrentValues().dmetric);
    StoreCheck(m_ui.ddist, g_settings.CurrentValues().ddist);
    StoreCheck(m_ui.txtdisp, g_settings.CurrentValues().txtdisp);
    StoreCheck(m_ui.dmsdisp, g_settings.CurrentValues().dmsdisp);
    StoreCheck(m_ui.frawdisp, g_settings.CurrentValues().frawdisp);
    StoreCheck(m_ui.hrawdisp, g_settings.CurrentValues().hrawdisp);
    StoreCheck(m_ui.rpathdisp, g_settings.CurrentValues().rpathdisp);
    StoreCheck(m_ui.leds, g_settings.CurrentValues().leds);
    return CPropertyPage::OnKillActive();
}

void CDisplayPage::UpdateEnables()
{
    // A disabled display locks its options where they are; the LEDs are not part of it.
    const bool display = !m_ui.nodisp->isChecked();
    for (QCheckBox *option : {m_ui.dmetric, m_ui.ddist, m_ui.txtdisp, m_ui.dmsdisp, m_ui.frawdisp,
                              m_ui.hrawdisp, m_ui.rpathdisp})
        option->setEnabled(display);
}
