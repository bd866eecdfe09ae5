#include "PropertyPage.h"

#include <QLineEdit>
#include <QValidator>

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

} // namespace

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
    }
}
