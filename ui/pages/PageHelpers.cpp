#include "PageHelpers.h"

#include "Conversions.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

QString BytesToText(const std::string &bytes)
{
    return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
}

std::string TextToBytes(const QString &text)
{
    std::string bytes;
    bytes.reserve(size_t(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        // A character beyond U+FFFF is two UTF-16 units but still one character: one '?'.
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        bytes += c.unicode() <= 0xFF ? char(c.unicode()) : '?';
    }
    return bytes;
}

namespace {

char AsciiUpper(char c)
{
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}

} // namespace

void SetControlText(QWidget *control, const std::string &text)
{
    if (auto *edit = qobject_cast<QLineEdit *>(control)) {
        std::string shown = text;
        if (edit->property("upperCase").toBool())
            for (char &c : shown)
                c = AsciiUpper(c);
        edit->setText(BytesToText(shown));
    } else if (auto *label = qobject_cast<QLabel *>(control)) {
        // What a device or a file sent is shown as it is, never read as markup.
        label->setTextFormat(Qt::PlainText);
        label->setText(BytesToText(text));
    } else if (auto *button = qobject_cast<QAbstractButton *>(control)) {
        button->setText(BytesToText(text));
    } else if (auto *combo = qobject_cast<QComboBox *>(control)) {
        combo->setEditText(BytesToText(text));
    } else if (control) {
        control->setWindowTitle(BytesToText(text));
    }
}

std::string GetControlText(QWidget *control)
{
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        return TextToBytes(edit->text());
    if (auto *label = qobject_cast<QLabel *>(control))
        return TextToBytes(label->text());
    if (auto *button = qobject_cast<QAbstractButton *>(control))
        return TextToBytes(button->text());
    if (auto *combo = qobject_cast<QComboBox *>(control))
        return TextToBytes(combo->currentText());
    return control ? TextToBytes(control->windowTitle()) : std::string();
}

void SetControlNumber(QWidget *control, int32_t value)
{
    SetControlText(control, std::to_string(value));
}

void SetControlChar(QWidget *control, char value)
{
    SetControlText(control, value == '\0' ? std::string() : std::string(1, value));
}

int SelectComboText(QComboBox *combo, const std::string &text)
{
    auto fold = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
    int found = -1;
    for (int i = 0; i < combo->count() && found < 0; ++i) {
        const std::string item = TextToBytes(combo->itemText(i));
        if (item.size() < text.size())
            continue;
        bool begins = true;
        for (size_t k = 0; k < text.size() && begins; ++k)
            begins = fold(item[k]) == fold(text[k]);
        if (begins)
            found = i;
    }
    combo->setCurrentIndex(found >= 0 ? found : 0);
    return found;
}

int SelectComboNumber(QComboBox *combo, int32_t value)
{
    return SelectComboText(combo, std::to_string(value));
}

int SelectComboIndex(QComboBox *combo, int index)
{
    if (index >= 0 && index < combo->count()) {
        combo->setCurrentIndex(index);
        return index;
    }
    combo->setCurrentIndex(0);
    return -1;
}

std::string GetComboText(QComboBox *combo)
{
    const int index = combo->currentIndex();
    return index < 0 ? std::string() : TextToBytes(combo->itemText(index));
}

int GetComboIndex(QComboBox *combo)
{
    return combo->currentIndex();
}

void SetCheck(QAbstractButton *box, int32_t value)
{
    box->setChecked(value != 0);
}

int32_t GetCheck(QAbstractButton *box)
{
    return box->isChecked() ? 1 : 0;
}

void DDX_Text(bool store, QWidget *edit, std::string &field)
{
    if (store)
        field = GetControlText(edit);
    else
        SetControlText(edit, field);
}

void DDX_Number(bool store, QWidget *edit, int32_t &field)
{
    if (store)
        field = ControlNumber(edit);
    else
        SetControlNumber(edit, field);
}

void DDX_Char(bool store, QWidget *edit, char &field)
{
    if (store) {
        const std::string text = GetControlText(edit);
        field = text.empty() ? '\0' : text[0];
    } else {
        SetControlChar(edit, field);
    }
}

void DDX_Check(bool store, QAbstractButton *box, int32_t &field)
{
    if (store)
        field = GetCheck(box);
    else
        SetCheck(box, field);
}

void DDX_ItemText(bool store, QComboBox *combo, std::string &field)
{
    if (store)
        field = GetComboText(combo);
    else
        SelectComboText(combo, field);
}

void DDX_ItemNumber(bool store, QComboBox *combo, int32_t &field)
{
    if (store)
        field = ToInt32(GetComboText(combo));
    else
        SelectComboNumber(combo, field);
}

void DDX_Index(bool store, QComboBox *combo, int32_t &field)
{
    if (store)
        field = GetComboIndex(combo);
    else
        SelectComboIndex(combo, field);
}

int32_t ControlNumber(QWidget *edit)
{
    return ToInt32(GetControlText(edit));
}
