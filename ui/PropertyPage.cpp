#include "PropertyPage.h"

#include <QLineEdit>
#include <QValidator>

namespace {

// Judges a user's edit by what it inserts rather than by the whole text, so that text the
// program put there (such as "-3") stays editable: deleting from it is always allowed, and only
// inserted non-digits are refused. QLineEdit asks the validator after the edit is already in its
// text, so the text before the edit is tracked here from textChanged. A program's setText()
// clears the edit history first; that is how it is told apart from typing or pasting.
class EditStyleValidator : public QValidator {
public:
    EditStyleValidator(QLineEdit *edit, bool upper, bool digits)
        : QValidator(edit), m_edit(edit), m_strBefore(edit->text()), m_bUpper(upper),
          m_bDigits(digits)
    {
        connect(edit, &QLineEdit::textChanged, this,
                [this](const QString &text) { m_strBefore = text; });
    }

    State validate(QString &input, int &) const override
    {
        if (m_bUpper) {
            // ASCII letters only, so that no byte outside a-z changes on the way to the device.
            for (QChar &c : input)
                if (c >= u'a' && c <= u'z')
                    c = QChar(c.unicode() - 'a' + 'A');
        }
        if (m_bDigits && m_edit->isUndoAvailable()) {
            const QString &old = m_strBefore;
            qsizetype prefix = 0;
            while (prefix < old.size() && prefix < input.size() && old[prefix] == input[prefix])
                ++prefix;
            qsizetype suffix = 0;
            while (suffix < old.size() - prefix && suffix < input.size() - prefix
                   && old[old.size() - 1 - suffix] == input[input.size() - 1 - suffix])
                ++suffix;
            for (qsizetype i = prefix; i < input.size() - suffix; ++i)
                if (input[i] < u'0' || input[i] > u'9')
                    return Invalid;
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
        const bool upper = edit->property("upperCase").toBool();
        const bool digits = edit->property("digitsOnly").toBool();
        if (upper || digits)
            edit->setValidator(new EditStyleValidator(edit, upper, digits));
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
