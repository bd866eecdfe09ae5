#include "SettingFinder.h"

#include "PropertyPage.h"
#include "Sheet.h"

#include "SettingSearch.h"
#include "Settings.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

namespace {

// The key of the setting an entry lists; entries that say nothing was found have none.
constexpr int kKeyRole = Qt::UserRole;

} // namespace

CSettingFinder::CSettingFinder(CSheet &sheet, CSettings &settings)
    : QWidget(&sheet),
      m_sheet(sheet),
      m_settings(settings),
      m_pLabel(new QLabel(tr("Ke&y or text:"), this)),
      m_pField(new QLineEdit(this)),
      m_pChanged(new QToolButton(this)),
      m_pResults(new QListWidget),
      m_pStack(new QStackedWidget(&sheet))
{
    setObjectName("settingFinder");
    m_pLabel->setObjectName("searchLabel");
    m_pLabel->setBuddy(m_pField);
    m_pField->setObjectName("searchField");
    m_pField->setPlaceholderText(tr("Search (%1)")
                                     .arg(QKeySequence(QKeySequence::Find).toString(QKeySequence::NativeText)));
    m_pField->setClearButtonEnabled(true);
    m_pField->setMinimumWidth(m_pField->fontMetrics().averageCharWidth() * 24);
    m_pChanged->setObjectName("changedButton");
    // No access key: of the letters no page uses (Y and Z in English; J, X and Y in German)
    // the field took one and the rest fit no word for it. It follows the field in the tab order.
    m_pChanged->setText(tr("Changed"));
    m_pChanged->setToolTip(tr("The settings of the current bank that differ from their defaults"));
    m_pChanged->setCheckable(true);
    m_pResults->setObjectName("searchResults");

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_pLabel);
    row->addWidget(m_pField, 1);
    row->addWidget(m_pChanged);

    // The list takes the tab area's place in the sheet's layout, so it gets the room the pages
    // had at any window size.
    m_pStack->setObjectName("pagesOrResults");
    delete sheet.layout()->replaceWidget(sheet.Tabs(), m_pStack);
    m_pStack->addWidget(sheet.Tabs());
    m_pStack->addWidget(m_pResults);

    connect(m_pField, &QLineEdit::textChanged, this, &CSettingFinder::Refresh);
    connect(m_pChanged, &QToolButton::toggled, this, &CSettingFinder::Refresh);
    // A double click, or a single one where the desktop activates that way; Enter is taken
    // below, before the list sees it.
    connect(m_pResults, &QListWidget::itemActivated, this, &CSettingFinder::Choose);
    for (QWidget *w : {static_cast<QWidget *>(m_pField), static_cast<QWidget *>(m_pChanged),
                       static_cast<QWidget *>(m_pResults)})
        w->installEventFilter(this);
    connect(new QShortcut(QKeySequence::Find, &sheet), &QShortcut::activated, this, &CSettingFinder::Focus);
}

void CSettingFinder::Focus()
{
    m_pField->setFocus(Qt::ShortcutFocusReason);
    m_pField->selectAll();
}

void CSettingFinder::Leave()
{
    const QSignalBlocker field(m_pField);
    const QSignalBlocker changed(m_pChanged);
    m_pField->clear();
    m_pChanged->setChecked(false);
    m_pStack->setCurrentWidget(m_sheet.Tabs());
    m_pResults->clear();
}

void CSettingFinder::Refresh()
{
    const bool changedOnly = m_pChanged->isChecked();
    if (m_pField->text().trimmed().isEmpty() && !changedOnly) {
        Leave();
        return;
    }
    // The shown page's controls count: they go into the bank first, as leaving the page
    // would take them.
    if (CPropertyPage *page = m_sheet.GetActivePage())
        page->DoDataExchange(true);

    m_pResults->clear();
    for (const SettingRow &found : FindSettings(m_settings.CurrentValues(), m_pField->text(), changedOnly)) {
        auto *item = new QListWidgetItem(found.Text(changedOnly), m_pResults);
        item->setData(kKeyRole, QString::fromLatin1(found.help->key));
    }
    if (m_pResults->count() == 0) {
        auto *none = new QListWidgetItem(changedOnly ? tr("No setting of this bank differs from its default.")
                                                     : tr("No setting matches."),
                                         m_pResults);
        none->setFlags(Qt::NoItemFlags);
    } else {
        m_pResults->setCurrentRow(0);
    }
    m_pStack->setCurrentWidget(m_pResults);
}

void CSettingFinder::Choose(const QListWidgetItem *item)
{
    const QString key = item ? item->data(kKeyRole).toString() : QString();
    if (key.isEmpty())
        return;
    // Out of the list before it goes, so that hiding it moves the keyboard nowhere else.
    m_pField->setFocus(Qt::OtherFocusReason);
    Leave();
    m_sheet.ShowSetting(key.toStdString());
}

bool CSettingFinder::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent *>(event)->key();
    const bool listed = m_pStack->currentWidget() == m_pResults;
    if (key == Qt::Key_Escape) {
        // Esc leaves the search, not the window: the sheet closes on an Esc that reaches it.
        Leave();
        m_sheet.Tabs()->tabBar()->setFocus(Qt::OtherFocusReason);
        return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        // Taken here in the field and the list alike: the sheet would pass it to a button.
        if (watched == m_pChanged)
            return false;
        if (listed)
            Choose(m_pResults->currentItem());
        return true;
    }
    if (watched == m_pField && key == Qt::Key_Down && listed && m_pResults->currentItem()) {
        m_pResults->setFocus(Qt::TabFocusReason);
        return true;
    }
    if (watched == m_pResults && key == Qt::Key_Up && m_pResults->currentRow() <= 0) {
        m_pField->setFocus(Qt::TabFocusReason);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
