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
// An upper-case edit box shows (and so stores) the text in upper case.
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

// The seven conversions, by direction: Load puts a bank value into a control, Store takes the
// control's content into the bank field.
inline void LoadText(QWidget *edit, const std::string &value) { SetControlText(edit, value); }
inline void LoadNumber(QWidget *edit, int32_t value) { SetControlNumber(edit, value); }
inline void LoadChar(QWidget *edit, char value) { SetControlChar(edit, value); }
inline void LoadCheck(QAbstractButton *box, int32_t value) { SetCheck(box, value); }
inline void LoadItemText(QComboBox *combo, const std::string &value) { SelectComboText(combo, value); }
inline void LoadItemNumber(QComboBox *combo, int32_t value) { SelectComboNumber(combo, value); }
inline void LoadIndex(QComboBox *combo, int32_t value) { SelectComboIndex(combo, value); }

void StoreText(QWidget *edit, std::string &field);
void StoreNumber(QWidget *edit, int32_t &field);
void StoreChar(QWidget *edit, char &field);
void StoreCheck(QAbstractButton *box, int32_t &field);
void StoreItemText(QComboBox *combo, std::string &field);
void StoreItemNumber(QComboBox *combo, int32_t &field);
void StoreIndex(QComboBox *combo, int32_t &field);

// The number in an edit box by the base-10 rule (for enable rules that look at a number).
int32_t ControlNumber(QWidget *edit);
