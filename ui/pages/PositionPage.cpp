#include "PositionPage.h"

#include "ui_PositionPage.h"

#include "Settings.h"
#include "PageHelpers.h"

namespace {

// Items of the Protocol list.
enum { kMicE = 0, kAprsText = 1, kCompressed = 2 };
// Items of the TimeStamp list: one list carries both "timestamp" and "timehms".
enum { kNoStamp = 0, kDayHourMin = 1, kHourMinSec = 2 };

void DDX_TimeStamp(bool store, QComboBox *list, int32_t &timestamp, int32_t &timehms)
{
    if (store) {
        const int stamp = GetComboIndex(list);
        timestamp = stamp != kNoStamp ? 1 : 0;
        timehms = stamp == kHourMinSec ? 1 : 0;
    } else {
        // Without a time stamp the time format does not matter: "None" whatever "timehms" holds.
        int stamp = kNoStamp;
        if (timestamp)
            stamp = timehms ? kHourMinSec : kDayHourMin;
        SelectComboIndex(list, stamp);
    }
}

} // namespace

CPositionPage::CPositionPage(CSettings &settings, QWidget *parent)
    : CPropertyPage(parent), m_settings(settings), m_ui(std::make_unique<Ui::PositionPage>())
{
    m_ui->setupUi(this);
    connect(m_ui->tprotocol, &QComboBox::currentIndexChanged, this, &CPositionPage::UpdateEnables);
    connect(m_ui->tosv, &QCheckBox::clicked, this, &CPositionPage::UpdateEnables);
    connect(m_ui->talt, &QCheckBox::clicked, this, &CPositionPage::UpdateEnables);
    connect(m_ui->statusrate, &QLineEdit::textChanged, this, &CPositionPage::UpdateEnables);
}

CPositionPage::~CPositionPage() = default;

void CPositionPage::DoDataExchange(bool store)
{
    CBank &bank = ExchangeBank(m_settings);
    DDX_ItemText(store, m_ui->tprotocol, bank.tprotocol);
    DDX_Index(store, m_ui->tdao, bank.tdao);
    DDX_Char(store, m_ui->tsymcode, bank.tsymcode);
    DDX_Char(store, m_ui->tsymtable, bank.tsymtable);
    DDX_Index(store, m_ui->mmsg, bank.mmsg);
    DDX_Check(store, m_ui->micetmv, bank.micetmv);
    DDX_Check(store, m_ui->tosv, bank.tosv);
    DDX_Check(store, m_ui->tspeed, bank.tspeed);
    DDX_Check(store, m_ui->talt, bank.talt);
    DDX_Check(store, m_ui->msgcap, bank.msgcap);
    DDX_Text(store, m_ui->location, bank.location);
    DDX_Number(store, m_ui->galt, bank.galt);
    DDX_Text(store, m_ui->tstat, bank.tstat);
    DDX_Number(store, m_ui->statusrate, bank.statusrate);
    DDX_TimeStamp(store, m_ui->timestamp, bank.timestamp, bank.timehms);
}

bool CPositionPage::OnSetActive()
{
    const bool active = CPropertyPage::OnSetActive();
    UpdateEnables();
    return active;
}

void CPositionPage::UpdateEnables()
{
    const int protocol = GetComboIndex(m_ui->tprotocol);
    const bool validOnly = m_ui->tosv->isChecked();
    m_ui->timestamp->setEnabled(protocol != kMicE);
    m_ui->tdao->setEnabled(protocol < kCompressed);
    m_ui->mmsg->setEnabled(protocol == kMicE);
    m_ui->micetmv->setEnabled(protocol == kMicE);
    m_ui->talt->setEnabled(protocol != kCompressed);
    m_ui->location->setEnabled(!validOnly);
    m_ui->galt->setEnabled(!validOnly && m_ui->talt->isChecked() && protocol != kCompressed);
    m_ui->tstat->setEnabled(ControlNumber(m_ui->statusrate) != 0);
}
