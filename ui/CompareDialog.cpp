#include "CompareDialog.h"

#include "SettingHelp.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>
#include <variant>

namespace {

enum Column { kBank, kLabel, kPage, kKey, kMine, kOther, kColumns };

// Values are bytes: each shows as the character of the same code, as the pages show them.
QString Shown(const std::string &bytes)
{
    return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
}

QTableWidgetItem *Cell(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    // Values may be long texts: the whole of each is its tool tip.
    item->setToolTip(text);
    return item;
}

// The opening size, within the screen's room: a small screen gets a table that scrolls.
void FitScreen(QWidget *dialog, QSize wanted)
{
    if (const QScreen *screen = dialog->screen())
        wanted = wanted.boundedTo(screen->availableGeometry().size() - QSize(16, 48));
    dialog->resize(wanted.expandedTo(dialog->minimumSizeHint()));
}

} // namespace

std::vector<SettingDifference> SettingDifferences(const CSettings &mine, const CSettings &other)
{
    std::vector<SettingDifference> differences;
    for (int bank = 0; bank < 2; ++bank)
        for (const Setting &setting : g_settingTable) {
            // Compared as the settings text writes them: how the device and the files see them.
            std::string a = mine.ValueText(setting, bank);
            std::string b = other.ValueText(setting, bank);
            if (a != b)
                differences.push_back({bank, &setting, std::move(a), std::move(b)});
        }
    return differences;
}

QTableWidget *NewDifferenceTable(const QString &mineHeader, const QString &otherHeader, QWidget *parent)
{
    auto *table = new QTableWidget(0, kColumns, parent);
    table->setHorizontalHeaderLabels({CCompareDialog::tr("Bank"), CCompareDialog::tr("Setting"),
                                      CCompareDialog::tr("Page"), CCompareDialog::tr("Key"), mineHeader,
                                      otherHeader});
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setWordWrap(false);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    // A few rows are always in view; more scroll, so the dialog fits a small screen.
    table->setMinimumHeight(table->fontMetrics().height() * 6);
    return table;
}

void FillDifferenceTable(QTableWidget *table, const std::vector<SettingDifference> &differences, bool checkable)
{
    table->setRowCount(0);
    table->setRowCount(int(differences.size()));
    for (int row = 0; row < int(differences.size()); ++row) {
        const SettingDifference &difference = differences[size_t(row)];
        const SettingHelp *help = FindSettingHelp(difference.setting->key);
        QTableWidgetItem *bank = Cell(QString::number(difference.bank));
        if (checkable) {
            bank->setFlags(bank->flags() | Qt::ItemIsUserCheckable);
            bank->setCheckState(Qt::Unchecked);
        }
        table->setItem(row, kBank, bank);
        table->setItem(row, kLabel, Cell(help ? SettingHelpText(help->label) : QString()));
        table->setItem(row, kPage, Cell(help ? SettingHelpText(help->page) : QString()));
        table->setItem(row, kKey, Cell(QString::fromLatin1(difference.setting->key).toUpper()));
        table->setItem(row, kMine, Cell(Shown(difference.mine)));
        table->setItem(row, kOther, Cell(Shown(difference.other)));
    }
    table->resizeColumnsToContents();
    // A very long value must not push the other columns out of sight.
    const int widest = table->fontMetrics().averageCharWidth() * 24;
    table->setColumnWidth(kMine, std::min(table->columnWidth(kMine), widest));
    // Sizing to the contents took the last column's stretch: it fills the rest again.
    table->horizontalHeader()->setStretchLastSection(false);
    table->horizontalHeader()->setStretchLastSection(true);
}

CCompareDialog::CCompareDialog(CSettings &window, std::vector<CompareSource> sources, int first, QWidget *parent)
    : QDialog(parent), m_window(window), m_sources(std::move(sources))
{
    setObjectName("compareDialog");
    setWindowTitle(tr("Compare Settings"));
    auto *layout = new QVBoxLayout(this);

    auto *sourceRow = new QHBoxLayout;
    auto *sourceLabel = new QLabel(tr("Compare &with:"), this);
    m_cboSource = new QComboBox(this);
    m_cboSource->setObjectName("compareSource");
    m_cboSource->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_cboSource->setMinimumContentsLength(24);
    sourceLabel->setBuddy(m_cboSource);
    for (const CompareSource &source : m_sources)
        m_cboSource->addItem(source.caption);
    sourceRow->addWidget(sourceLabel);
    sourceRow->addWidget(m_cboSource, 1);
    layout->addLayout(sourceRow);

    m_lblSummary = new QLabel(this);
    m_lblSummary->setObjectName("compareSummary");
    m_lblSummary->setTextFormat(Qt::PlainText);
    m_lblSummary->setWordWrap(true);
    layout->addWidget(m_lblSummary);

    m_table = NewDifferenceTable(tr("This window"), tr("Other"), this);
    m_table->setObjectName("compareTable");
    layout->addWidget(m_table, 1);

    auto *buttons = new QDialogButtonBox(this);
    m_pOpen = buttons->addButton(tr("&Open"), QDialogButtonBox::ActionRole);
    m_pOpen->setObjectName("openSettingButton");
    m_pTake = buttons->addButton(tr("&Take selected"), QDialogButtonBox::ActionRole);
    m_pTake->setObjectName("takeSelectedButton");
    QPushButton *close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName("compareCloseButton");
    for (QPushButton *button : {m_pOpen, m_pTake, close})
        button->setAutoDefault(false);
    // Where the write summary, once turned off in it, can be turned on again.
    m_pShowWriteSummary = new QCheckBox(tr("&Show what will change before writing"), this);
    m_pShowWriteSummary->setObjectName("showWriteSummary");
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addWidget(m_pShowWriteSummary);
    buttonRow->addWidget(buttons, 1);
    layout->addLayout(buttonRow);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_pTake, &QPushButton::clicked, this, &CCompareDialog::OnTakeSelected);
    connect(m_pOpen, &QPushButton::clicked, this, [this] { OnOpenRow(m_table->currentRow()); });
    connect(m_table, &QTableWidget::cellActivated, this, [this](int row, int) { OnOpenRow(row); });
    connect(m_table, &QTableWidget::itemChanged, this, [this] {
        bool any = false;
        for (int row = 0; row < m_table->rowCount() && !any; ++row)
            any = m_table->item(row, kBank)->checkState() == Qt::Checked;
        m_pTake->setEnabled(any);
    });
    connect(m_cboSource, &QComboBox::activated, this, &CCompareDialog::OnSourceChosen);

    FitScreen(this, QSize(760, 420));
    if (!m_sources.empty())
        OnSourceChosen(std::clamp(first, 0, int(m_sources.size()) - 1));
}

CCompareDialog::~CCompareDialog() = default;

void CCompareDialog::OnSourceChosen(int index)
{
    const CompareSource &source = m_sources[size_t(index)];
    CSettings other;
    QString error;
    if (!source.load(other, &error)) {
        // A Cancel in the file dialog leaves the comparison that was shown.
        if (error.isEmpty() && m_nSource >= 0) {
            m_cboSource->setCurrentIndex(m_nSource);
            return;
        }
        m_nSource = index;
        m_cboSource->setCurrentIndex(index);
        m_differences.clear();
        FillDifferenceTable(m_table, m_differences, false);
        m_lblSummary->setText(error);
        m_pTake->setEnabled(false);
        m_pOpen->setEnabled(false);
        return;
    }
    m_nSource = index;
    m_cboSource->setCurrentIndex(index);
    m_other = other;
    m_strNote = error;
    m_table->horizontalHeaderItem(kMine)->setText(source.mineHeader.isEmpty() ? tr("This window") : source.mineHeader);
    m_table->horizontalHeaderItem(kOther)->setText(source.otherHeader.isEmpty() ? tr("Other") : source.otherHeader);
    Refresh();
}

void CCompareDialog::Refresh()
{
    const CompareSource &source = m_sources[size_t(m_nSource)];
    m_differences = SettingDifferences(source.mine ? *source.mine : m_window, m_other);
    {
        const QSignalBlocker block(m_table);
        FillDifferenceTable(m_table, m_differences, true);
    }
    const int count = int(m_differences.size());
    const QString summary = count == 0   ? tr("No differences")
                            : count == 1 ? tr("1 setting differs")
                                         : tr("%1 settings differ").arg(count);
    m_lblSummary->setText(m_strNote.isEmpty() ? summary : tr("%1 (%2)").arg(summary, m_strNote));
    m_pTake->setEnabled(false);
    m_pOpen->setEnabled(count > 0);
    if (count > 0)
        m_table->setCurrentCell(0, kBank);
}

void CCompareDialog::OnTakeSelected()
{
    bool took = false;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        if (m_table->item(row, kBank)->checkState() != Qt::Checked)
            continue;
        const SettingDifference &difference = m_differences[size_t(row)];
        // The other side's value itself, not its text: nothing is parsed again.
        std::visit([&](auto member) { m_window.Bank(difference.bank).*member = m_other.Bank(difference.bank).*member; },
                   difference.setting->member);
        took = true;
    }
    if (!took)
        return;
    m_bTook = true;
    Refresh();
}

void CCompareDialog::OnOpenRow(int row)
{
    if (row < 0 || row >= int(m_differences.size()))
        return;
    m_strOpenedKey = m_differences[size_t(row)].setting->key;
    accept();
}

CWriteSummary::CWriteSummary(const QString &text, const std::vector<SettingDifference> &differences, QWidget *parent)
    : QDialog(parent)
{
    setObjectName("writeSummary");
    setWindowTitle(tr("Write Config"));
    auto *layout = new QVBoxLayout(this);
    auto *label = new QLabel(text, this);
    label->setObjectName("writeSummaryText");
    // Port names are shown as they are, never as markup.
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    layout->addWidget(label);
    if (!differences.empty()) {
        QTableWidget *table = NewDifferenceTable(tr("Now on the device"), tr("After the write"), this);
        table->setObjectName("writeSummaryTable");
        // The rows read device first: what is there now, then what the write puts there.
        FillDifferenceTable(table, differences, false);
        layout->addWidget(table, 1);
    }
    m_pDontShow = new QCheckBox(tr("&Don't show this before writing"), this);
    m_pDontShow->setObjectName("dontShowWriteSummary");
    layout->addWidget(m_pDontShow);
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *write = buttons->addButton(tr("&Write"), QDialogButtonBox::AcceptRole);
    write->setObjectName("writeButton");
    QPushButton *cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName("cancelButton");
    // Information, not a warning: Enter writes.
    write->setDefault(true);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    FitScreen(this, differences.empty() ? QSize(480, 160) : QSize(760, 420));
}

bool CWriteSummary::DontShowAgain() const
{
    return m_pDontShow->isChecked();
}
