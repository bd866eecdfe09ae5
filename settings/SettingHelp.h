#pragma once

// What the user is told about each setting: where it stands (page and label, as the window
// shows them), the unit its label names, and a few plain sentences on what it does for the
// station. The tool tips, the settings search and rezar-cli all read this one table.
//
// The texts are English sources for Qt's translation system in the context "SettingHelp":
// show them through SettingHelpText(), never as they stand. Keys are never translated.

#include "Settings.h"

#include <QString>

#include <array>
#include <string_view>

struct SettingHelp {
    const char *key;    // as in the setting table
    const char *page;   // the caption of the tab that holds the setting's control
    const char *label;  // the control's label without access-key marks, or its own caption
    const char *unit;   // the unit the label names; empty where it names none
    const char *help;   // one to three sentences
};

// One entry per setting, in the order of the setting table.
extern const std::array<SettingHelp, kSettingCount> g_settingHelp;

// The entry of a key, letter case ignored; nullptr for a key the table does not hold.
const SettingHelp *FindSettingHelp(std::string_view key);

// A text of the table in the user's language (the source itself when no translation is loaded).
QString SettingHelpText(const char *source);
