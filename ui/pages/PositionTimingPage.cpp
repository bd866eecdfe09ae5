#include "PositionTimingPage.h"

#include "Settings.h"
#include "PageHelpers.h"

CPositionTimingPage::CPositionTimingPage(QWidget *parent) : CPropertyPage(parent)
{
    m_ui.setupUi(this);
    // Only a user's click excludes the other mode; a load shows the bank as it is, even with
    // both on.
    connect(m_ui.sben, &QCheckBox::clicked, this, &CPositionTimingPage::OnSmartBeaconingClicked);
    connect(m_ui.ents, &QCheckBox::clicked, this, &CPositionTimingPage::OnTimeSlottingClicked);
}

void CPositionTimingPage::DoDataExchange()
{
    CPropertyPage::DoDataExchange();
}

bool CPositionTimingPage::OnSetActive()
{
    LoadNumber(m_ui.pperiod, g_settings.CurrentValues().pperiod);
    LoadCheck(m_ui.sben, g_settings.CurrentValues().sben);
    LoadNumber(m_ui.sbtangle, g_settings.CurrentValues().sbtangle);
    LoadNumber(m_ui.sbtslope, g_settings.CurrentValues().sbtslope);
    LoadNumber(m_ui.sbttime, g_settings.CurrentValues().sbttime);
    LoadNumber(m_ui.sbsspeed, g_settings.CurrentValues().sbsspeed);
    LoadNumber(m_ui.sbsperiod, g_settings.CurrentValues().sbsperiod);
    LoadNumber(m_ui.sbfspeed, g_settings.CurrentValues().sbfspeed);
    LoadNumber(m_ui.sbfperiod, g_settings.CurrentValues().sbfperiod);
    LoadCheck(m_ui.ents, g_settings.CurrentValues().ents);
    LoadNumber(m_ui.tsoffset, g_settings.CurrentValues().tsoffset);
    LoadNumber(m_ui.mpperiod, g_settings.CurrentValues().mpperiod);
    UpdateEnables();
    return CPropertyPage::OnSetActive();
}

bool CPositionTimingPage::OnKillActive()
{
    StoreNumber(m_ui.pperiod, g_settings.CurrentValues().pperiod);
    StoreCheck(m_ui.sben, g_settings.CurrentValues().sben);
    StoreNumber(m_ui.sbtangle, g_settings.CurrentValues().sbtangle);
    StoreNumber(m_ui.sbtslope, g_settings.CurrentValues().sbtslope);
    StoreNumber(m_ui.sbttime, g_settings.CurrentValues().sbttime);
    StoreNumber(m_ui.sbsspeed, g_settings.CurrentValues().sbsspeed);
    StoreNumber(m_ui.sbsperiod, g_settings.CurrentValues().sbsperiod);
    StoreNumber(m_ui.sbfspeed, g_settings.CurrentValues().sbfspeed);
    StoreNumber(m_ui.sbfperiod, g_settings.CurrentValues().sbfperiod);
    StoreCheck(m_ui.ents, g_settings.CurrentValues().ents);
    StoreNumber(m_ui.tsoffset, g_settings.CurrentValues().tsoffset);
    StoreNumber(m_ui.mpperiod, g_settings.CurrentValues().mpperiod);
    return CPropertyPage::OnKillActive();
}

void CPositionTimingPage::OnSmartBeaconingClicked(bool checked)
{
    if (checked)
        m_ui.ents->setChecked(false);
    UpdateEnables();
}

void CPositionTimingPage::OnTimeSlottingClicked(bool checked)
{
    if (checked)
        m_ui.sben->setChecked(false);
    UpdateEnables();
}

void CPositionTimingPage::UpdateEnables()
{
    const bool smart = m_ui.sben->isChecked();
    m_ui.pperiod->setEnabled(!smart);
    for (QLineEdit *edit : {m_ui.sbtangle, m_ui.sbtslope, m_ui.sbttime, m_ui.sbsspeed,
                            m_ui.sbsperiod, m_ui.sbfspeed, m_ui.sbfperiod})
        edit->setEnabled(smart);
    m_ui.tsoffset->setEnabled(m_ui.ents->isChecked());
}
