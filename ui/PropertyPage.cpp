#include "PropertyPage.h"

#include "SettingHelp.h"
#include "Settings.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QScopedValueRollback>
#include <QValidator>

#include <algorithm>
#include <limits>

namespace {

// Judges a user's edit by what it inserts rather than by the whole text, so that text the
// program put there (such as "-3", or a loaded value) stays as it is: deleting from it is always
// allowed, and only the inserted part is looked at. QLineEdit asks the validator after the edit
// is already in its text, so the text before the edit is tracked here from textChanged. A
// program's setText() clears the edit history first; that is how it is told apart from typing
// or pasting.
class EditStyleValidator : public QValidator {
public:
    EditStyleValidator(QLineEdit *edit, bool upper, bool digits)
        : QValidator(edit), m_edit(edit), m_strBefore(edit->text()), m_bUpper(upper),
          m_bDigits(digits)
    {
        connect(edit, &QLineEdit::textChanged, this,
                [this](const QString &text) { m_strBefore = text; });
    }

    State validate(QString &input, int &pos) const override
    {
        if (m_edit->isUndoAvailable()) {
            // The inserted part ends at the cursor: what follows it was there before. It starts
            // where the text first differs from the text before the edit.
            const QString &old = m_strBefore;
            const qsizetype suffix =
                qBound(qsizetype(0), input.size() - qsizetype(pos), qMin(old.size(), input.size()));
            qsizetype prefix = 0;
            while (prefix < old.size() - suffix && prefix < input.size() - suffix
                   && old[prefix] == input[prefix])
                ++prefix;
            // A single-line box keeps a pasted text up to its first line break, as single-line
            // boxes elsewhere on the desktop do: a line break would split the value into two
            // lines of the settings text.
            for (qsizetype i = prefix; i < input.size() - suffix; ++i) {
                if (input[i] == u'\r' || input[i] == u'\n') {
                    input.remove(i, input.size() - suffix - i);
                    pos = int(i);
                    break;
                }
            }
            if (m_bDigits)
                for (qsizetype i = prefix; i < input.size() - suffix; ++i)
                    if (input[i] < u'0' || input[i] > u'9')
                        return Invalid;
        }
        if (m_bUpper) {
            // ASCII letters only, so that no byte outside a-z changes on the way to the device.
            for (QChar &c : input)
                if (c >= u'a' && c <= u'z')
                    c = QChar(c.unicode() - 'a' + 'A');
        }
        return Acceptable;
    }

private:
    QLineEdit *m_edit;
    QString m_strBefore;
    bool m_bUpper;
    bool m_bDigits;
};

// What a bound control shows, in a form that tells two of its states apart.
QVariant Shown(const QWidget *control)
{
    if (auto *edit = qobject_cast<const QLineEdit *>(control))
        return edit->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->isChecked();
    if (auto *combo = qobject_cast<const QComboBox *>(control))
        return combo->currentIndex();
    return {};
}

QString WithoutAccessKeys(QString text)
{
    static const QRegularExpression mark(QStringLiteral("&(.)"));
    return text.replace(mark, QStringLiteral("\\1")).simplified();
}

// The labels that name a control: those whose buddy it is.
QList<QWidget *> BuddyLabels(QWidget *page, const QWidget *control)
{
    QList<QWidget *> labels;
    for (QLabel *label : page->findChildren<QLabel *>())
        if (label->buddy() == control)
            labels << label;
    return labels;
}

// The words a user sees for a control: its first label, else its own caption, else the title
// of its group; the help table's label where the page shows no words of its own (the commas
// between path boxes).
QString VisibleName(QWidget *page, QWidget *control, const SettingHelp *help)
{
    QString name;
    // The forms put a control's name before it and its unit after it.
    const QList<QWidget *> labels = BuddyLabels(page, control);
    if (!labels.isEmpty())
        name = WithoutAccessKeys(static_cast<QLabel *>(labels.front())->text());
    if (name.isEmpty())
        if (auto *button = qobject_cast<QAbstractButton *>(control))
            name = WithoutAccessKeys(button->text());
    if (name.isEmpty())
        if (auto *group = qobject_cast<QGroupBox *>(control->parentWidget()))
            name = WithoutAccessKeys(group->title());
    static const QRegularExpression word(QStringLiteral("\\w"));
    if (!name.contains(word) && help)
        name = SettingHelpText(help->label);
    return name;
}

// Bold works the same in light and dark themes, where a colour alone would not. Only the
// weight is set, so the rest of the font still follows the page.
void SetMarked(QWidget *widget, bool marked)
{
    QFont font;
    font.setBold(marked);
    widget->setFont(font);
}

} // namespace

QString PlainTextToolTip(const QString &text)
{
    // A tool tip is read as rich text when it looks like markup; escaped inside a paragraph
    // that keeps its blanks and line breaks, it shows as typed and still wraps.
    return QStringLiteral("<p style=\"white-space:pre-wrap\">") + text.toHtmlEscaped()
        + QStringLiteral("</p>");
}

QString SettingKeyLine(const Setting &setting)
{
    const SettingHelp *help = FindSettingHelp(setting.key);
    QString line = QCoreApplication::translate("CPropertyPage", "%1 · default %2")
                       .arg(QString::fromLatin1(setting.key).toUpper(),
                            QString::fromLatin1(setting.DefaultText()));
    if (help && *help->unit)
        line += QStringLiteral(" · ") + SettingHelpText(help->unit);
    return line;
}

QString SettingTip(const std::vector<const Setting *> &settings)
{
    QStringList lines;
    for (const Setting *setting : settings) {
        const SettingHelp *help = FindSettingHelp(setting->key);
        if (help && lines.isEmpty())
            lines << SettingHelpText(help->help);
        lines << SettingKeyLine(*setting);
    }
    return lines.join(u'\n');
}

void ApplyEditStyles(QWidget *page)
{
    for (QLineEdit *edit : page->findChildren<QLineEdit *>()) {
        // No box cuts a value: QLineEdit's own limit (32767) is below what a value can hold.
        edit->setMaxLength(std::numeric_limits<int>::max());
        edit->setValidator(new EditStyleValidator(edit, edit->property("upperCase").toBool(),
                                                  edit->property("digitsOnly").toBool()));
    }
}

CPropertyPage::CPropertyPage(QWidget *parent) : QWidget(parent) {}

QString SettingControlName(std::string_view key)
{
    return key == "timehms" ? QStringLiteral("timestamp") : QString::fromLatin1(key.data(), qsizetype(key.size()));
}

CPropertyPage::~CPropertyPage() = default;

void CPropertyPage::AttachControls()
{
    ApplyEditStyles(this);
}

void CPropertyPage::DoDataExchange(bool)
{
}

bool CPropertyPage::OnSetActive()
{
    DoDataExchange(false);
    return true;
}

bool CPropertyPage::OnKillActive()
{
    DoDataExchange(true);
    return true;
}

void CPropertyPage::EnsureAttached()
{
    if (!m_bAttached) {
        m_bAttached = true;
        AttachControls();
        AttachBoundControls();
    }
}

CBank &CPropertyPage::ExchangeBank(CSettings &settings)
{
    return m_pScratch ? *m_pScratch : settings.CurrentValues();
}

void CPropertyPage::AttachBoundControls()
{
    for (const Setting &setting : g_settingTable) {
        auto *control = findChild<QWidget *>(SettingControlName(setting.key));
        if (!Shown(control).isValid())
            continue;
        // A control that shows a second setting is bound once, with both.
        auto shared = std::find_if(m_bound.begin(), m_bound.end(),
                                   [control](const BoundControl &bound) { return bound.control == control; });
        if (shared != m_bound.end()) {
            shared->settings.push_back(&setting);
            continue;
        }
        BoundControl bound{control, {&setting}, {}, BuddyLabels(this, control)};
        if (bound.markers.isEmpty())
            bound.markers << control;
        m_bound.push_back(bound);
    }
    if (m_bound.empty())
        return;

    // The defaults through the page's own exchange: what each control shows for them, and what
    // it stores back (the TimeStamp list shows "None" for any TIMEHMS while TIMESTAMP is off).
    CBank shownDefaults;
    m_pDefaults = std::make_unique<CBank>();
    {
        QScopedValueRollback<CBank *> scratch(m_pScratch, &shownDefaults);
        DoDataExchange(false);
        for (BoundControl &bound : m_bound)
            bound.shownDefault = Shown(bound.control);
        m_pScratch = m_pDefaults.get();
        DoDataExchange(true);
    }

    for (const BoundControl &bound : m_bound) {
        QWidget *control = bound.control;
        const SettingHelp *help = FindSettingHelp(bound.settings.front()->key);
        const QString tip = SettingTip(bound.settings);
        control->setToolTip(PlainTextToolTip(tip));
        control->setAccessibleDescription(tip);
        control->setAccessibleName(VisibleName(this, control, help));

        QWidget *source = control;
        if (auto *edit = qobject_cast<QLineEdit *>(control)) {
            connect(edit, &QLineEdit::textChanged, this, &CPropertyPage::UpdateMarkers);
            // A box without a label of its own shows its marker in its text; emptied, it still
            // shows it (and its default) in its placeholder.
            if (bound.markers.contains(control))
                edit->setPlaceholderText(SettingKeyLine(*bound.settings.front()));
        } else if (auto *button = qobject_cast<QAbstractButton *>(control)) {
            connect(button, &QAbstractButton::toggled, this, &CPropertyPage::UpdateMarkers);
        } else if (auto *combo = qobject_cast<QComboBox *>(control)) {
            connect(combo, &QComboBox::currentIndexChanged, this, &CPropertyPage::UpdateMarkers);
            connect(combo, &QComboBox::editTextChanged, this, &CPropertyPage::UpdateMarkers);
            // An editable list's field takes the right click itself.
            if (combo->lineEdit())
                source = combo->lineEdit();
        }
        QList<QWidget *> targets{control};
        if (source != control)
            targets << source;
        for (QWidget *target : targets) {
            target->setContextMenuPolicy(Qt::CustomContextMenu);
            connect(target, &QWidget::customContextMenuRequested, this,
                    [this, control, target](const QPoint &pos) { ShowSettingMenu(control, target, pos); });
        }
    }
    UpdateMarkers();
}

const CPropertyPage::BoundControl *CPropertyPage::Bound(const QWidget *control) const
{
    auto it = std::find_if(m_bound.begin(), m_bound.end(),
                           [control](const BoundControl &bound) { return bound.control == control; });
    return it == m_bound.end() ? nullptr : &*it;
}

QList<QWidget *> CPropertyPage::BoundControls() const
{
    QList<QWidget *> controls;
    for (const BoundControl &bound : m_bound)
        controls << bound.control;
    return controls;
}

bool CPropertyPage::DiffersFromDefault(const QWidget *control) const
{
    const BoundControl *bound = Bound(control);
    return bound && bound->differs;
}

void CPropertyPage::UpdateMarkers()
{
    // A scratch exchange in progress moves controls that are not the user's; the markers
    // follow once the page's own values are shown again.
    if (m_pScratch || !m_pDefaults)
        return;
    CBank now = *m_pDefaults;
    {
        QScopedValueRollback<CBank *> scratch(m_pScratch, &now);
        DoDataExchange(true);
    }
    for (BoundControl &bound : m_bound) {
        const bool differs = std::any_of(bound.settings.begin(), bound.settings.end(),
                                         [&](const Setting *setting) {
                                             return setting->ValueText(now)
                                                 != setting->ValueText(*m_pDefaults);
                                         });
        if (differs == bound.differs)
            continue;
        bound.differs = differs;
        for (QWidget *marker : bound.markers)
            SetMarked(marker, differs);
    }
}

void CPropertyPage::ResetToDefault(QWidget *control)
{
    const BoundControl *bound = Bound(control);
    if (!bound)
        return;
    // Each way goes through the signal a page listens to: text changes, a click, a new index.
    if (auto *edit = qobject_cast<QLineEdit *>(control)) {
        const QString text = bound->shownDefault.toString();
        if (edit->text() != text) {
            // Typed over the whole text, so that Undo takes it back; a box that refuses the
            // typing (digits only, a default of "-3") is given the text as the program gives it.
            edit->selectAll();
            edit->insert(text);
            if (edit->text() != text)
                edit->setText(text);
        }
    } else if (auto *button = qobject_cast<QAbstractButton *>(control)) {
        if (button->isChecked() != bound->shownDefault.toBool())
            button->click();
    } else if (auto *combo = qobject_cast<QComboBox *>(control)) {
        combo->setCurrentIndex(bound->shownDefault.toInt());
        // An editable list's field may hold typing that picked nothing.
        if (combo->lineEdit())
            combo->setEditText(combo->itemText(combo->currentIndex()));
    }
}

void CPropertyPage::ShowSettingMenu(QWidget *control, QWidget *source, const QPoint &pos)
{
    // An edit box (an editable list's field too) keeps its own entries (undo, copy, paste...),
    // ours follows them.
    auto *edit = qobject_cast<QLineEdit *>(source);
    if (auto *combo = qobject_cast<QComboBox *>(control); combo && !edit)
        edit = combo->lineEdit();
    QMenu *menu = edit ? edit->createStandardContextMenu() : new QMenu(source);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setObjectName(QStringLiteral("settingMenu"));
    if (edit)
        menu->addSeparator();
    QAction *reset = menu->addAction(tr("Reset to default"));
    reset->setObjectName(QStringLiteral("resetToDefault"));
    reset->setEnabled(DiffersFromDefault(control));
    connect(reset, &QAction::triggered, this, [this, control] { ResetToDefault(control); });
    menu->popup(source->mapToGlobal(pos));
}
