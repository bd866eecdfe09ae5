#include "PositionPage.h"

#include "Settings.h"
#include "PageHelpers.h"

namespace {

// Items of the Protocol list.
enum { kMicE = 0, kAprsText = 1, kCompressed = 2 };
// Items of the TimeStamp list: one list carries both "timestamp" and "timehms".
enum { kNoStamp = 0, kDayHourMin = 1, kHourMinSec = 2 };

} // namespace

CPositionPage::CPositionPage(QWidget *parent) : CPropertyPage(parent)
{
    m_ui.setupUi(this);
    connect(m_ui.tprotocol, &QComboBox::currentIndexChanged, this, &CPositionPage::UpdateEnables);
    connect(m_ui.tosv, &QCheckBox::clicked, this, &CPositionPage::UpdateEnables);
    connect(m_ui.talt, &QCheckBox::clicked, this, &CPositionPage::UpdateEnables);
    connect(m_ui.statusrate, &QLineEdit::textChanged, this, &CPositionPage::UpdateEnables);
}

void CPositionPage::DoDataExchange()
{
    CPropertyPage::DoDataExchange();
}

bool CPositionPage::OnSetActive()
{
    LoadItemText(m_ui.tprotocol, g_settings.CurrentValues().tprotocol);
    LoadIndex(m_ui.tdao, g_settings.CurrentValues().tdao);
    LoadChar(m_ui.tsymcode, g_settings.CurrentValues().tsymcode);
    LoadChar(m_ui.tsymtable, g_settings.CurrentValues().tsymtable);
    LoadIndex(m_ui.mmsg, g_settings.CurrentValues().mmsg);
    LoadCheck(m_ui.micetmv, g_settings.CurrentValues().micetmv);
    LoadCheck(m_ui.tosv, g_settings.CurrentValues().tosv);
    LoadCheck(m_ui.tspeed, g_settings.CurrentValues().tspeed);
    LoadCheck(m_ui.talt, g_settings.CurrentValues().talt);
    LoadCheck(m_ui.msgcap, g_settings.CurrentValues().msgcap);
    LoadText(m_ui.location, g_settings.CurrentValues().location);
    LoadNumber(m_ui.galt, g_settings.CurrentValues().galt);
    LoadText(m_ui.tstat, g_settings.CurrentValues().tstat);
    LoadNumber(m_ui.statusrate, g_settings.CurrentValues().statusrate);
    // Without a time stamp the time format does not matter: "None" whatever "timehms" holds.
    int stamp = kNoStamp;
    if (g_settings.CurrentValues().timestamp)
        stamp = g_settings.CurrentValues().timehms ? kHourMinSec : kDayHourMin;
    SelectComboIndex(m_ui.timestamp, stamp);
    UpdateEnables();
    return CPropertyPage::OnSetActive();
}

bool CPositionPage::OnKillActive()
{
    StoreItemText(m_ui.tprotocol, g_settings.CurrentValues().tprotocol);
    StoreIndex(m_ui.tdao, g_settings.CurrentValues().tdao);
    StoreChar(m_ui.tsymcode, g_settings.CurrentValues().tsymcode);
    StoreChar(m_ui.tsymtable, g_settings.CurrentValues().tsymtable);
    StoreIndex(m_ui.mmsg, g_settings.CurrentValues().mmsg);
    StoreCheck(m_ui.micetmv, g_settings.CurrentValues().micetmv);
    StoreCheck(m_ui.tosv, g_settings.CurrentValues().tosv);
    StoreCheck(m_ui.tspeed, g_settings.CurrentValues().tspeed);
    StoreCheck(m_ui.talt, g_settings.CurrentValues().talt);
    StoreCheck(m_ui.msgcap, g_settings.CurrentValues().msgcap);
    StoreText(m_ui.location, g_settings.CurrentValues().location);
    StoreNumber(m_ui.galt, g_settings.CurrentValues().galt);
    StoreText(m_ui.tstat, g_settings.CurrentValues().tstat);
    StoreNumber(m_ui.statusrate, g_settings.CurrentValues().statusrate);
    const int stamp = GetComboIndex(m_ui.timestamp);
    g_settings.CurrentValues().timestamp = stamp != kNoStamp ? 1 : 0;
    g_settings.CurrentValues().timehms = stamp == kHourMinSec ? 1 : 0;
    return CPropertyPage::OnKillActive();
}

void CPositionPage::UpdateEnables()
{
    const int protocol = GetComboIndex(m_ui.tprotocol);
    const bool validOnly = m_ui.tosv->isChecked();
    m_ui.timestamp->setEnabled(protocol != kMicE);
    m_ui.tdao->setEnabled(protocol < kCompressed);
    m_ui.mmsg->setEnabled(protocol == kMicE);
    m_ui.micetmv->setEnabled(protocol == kMicE);
    m_ui.talt->setEnabled(protocol != kCompressed);
    m_ui.location->setEnabled(!validOnly);
    m_ui.galt->setEnabled(!validOnly && m_ui.talt->isChecked() && protocol != kCompressed);
    m_ui.tstat->setEnabled(ControlNumber(m_ui.statusrate) != 0);
}
