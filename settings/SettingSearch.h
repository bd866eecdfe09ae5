#pragma once

// Finding settings by what the user knows of them: a word of the label or the help, the key,
// the page or the value. The window's search and its "changed from defaults" view read this,
// and so can rezar-cli's `keys TEXT`, so that both find the same settings for the same text.

#include "SettingHelp.h"
#include "Settings.h"

#include <QString>

#include <vector>

// True when the text stands in the setting's key, its label, help text or page (in the user's
// language, as shown; with `shown` false in the English of the table, for data that must not
// change with the language) or in its value, letter case ignored. Blanks around the text do
// not count; an empty text matches every setting.
bool SettingMatches(const SettingHelp &help, const QString &value, const QString &text, bool shown = true);

// One setting as a search lists it: its value in a bank and its default, both as the settings
// text writes them.
struct SettingRow {
    const Setting *setting = nullptr;
    const SettingHelp *help = nullptr;
    QString value;
    QString defaultValue;

    bool IsChanged() const { return value != defaultValue; }
    // "label — page — KEY — value", the key in capitals as the device names it; with
    // `withDefault`, " (default D)" follows.
    QString Text(bool withDefault = false) const;
};

// The settings of a bank that match the text, in the order of the setting table; with
// `changedOnly`, only those whose value differs from the default.
std::vector<SettingRow> FindSettings(const CBank &bank, const QString &text, bool changedOnly = false);
