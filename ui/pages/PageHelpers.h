#pragma once

// The helpers and conversions every page uses between its controls and the settings of the
// current bank. Texts are bytes: each byte maps to the character of the same code (Latin-1)
// and back, so a page visit never changes a stored byte; a character typed outside that
// range is stored as '?'.

#include <QString>

#include <cstdint>
#include <string>

class QAbstractButton;
class QComboBox;
class QWidget;

QString BytesToText(const std::string &bytes);
std::string TextToBytes(const QString &text);

// Control text: edit boxes, labels, buttons, and the edit field of an editable drop-down.
// An upper-case edit box shows (and so stores) the text in upper case. A label shows the
// text as plain text, never as markup.
void SetControlText(QWidget *control, const std::string &text);
std::string GetControlText(QWidget *control);
void SetControlNumber(QWidget *control, int32_t value);
// The byte 0 shows as an empty box.
void SetControlChar(QWidget *control, char value);

// Selects the first item that begins with text (ASCII case ignored), else item 0.
// Returns the index found, or -1 when none matched.
int SelectComboText(QComboBox *combo, const std::string &text);
int SelectComboNumber(QComboBox *combo, int32_t value);
// Selects the item with that index, else item 0. Returns the index, or -1 when it was out of range.
int SelectComboIndex(QComboBox *combo, int index);
std::string GetComboText(QComboBox *combo);
int GetComboIndex(QComboBox *combo);

void SetCheck(QAbstractButton *box, int32_t value);
int32_t GetCheck(QAbstractButton *box);

// The seven conversions between a control and a bank field, each one way and back: with
// `store` false the control shows the field, with `store` true the field takes what the control
// holds. A page lists every bound control once, with its conversion, in DoDataExchange().

// Text as bytes (see above).
void DDX_Text(bool store, QWidget *edit, std::string &field);
// A decimal number, read back by the base-10 rule.
void DDX_Number(bool store, QWidget *edit, int32_t &field);
// The first byte of the text; the byte 0 is an empty box.
void DDX_Char(bool store, QWidget *edit, char &field);
// Any non-zero value checks the box; it stores 1 or 0.
void DDX_Check(bool store, QAbstractButton *box, int32_t &field);
// Selects the first item that begins with the text (else item 0); stores the selected item's text,
// never what was typed into an editable drop-down's field.
void DDX_ItemText(bool store, QComboBox *combo, std::string &field);
// The same, with the number in decimal; stores the selected item's number.
void DDX_ItemNumber(bool store, QComboBox *combo, int32_t &field);
// The item with that index (else item 0); stores the selected index.
void DDX_Index(bool store, QComboBox *combo, int32_t &field);

// The number in an edit box by the base-10 rule (for enable rules that look at a number).
int32_t ControlNumber(QWidget *edit);
