#include "Settings.h"

#include "Conversions.h"

#include <QFile>
#include <QSaveFile>

#include <cstdio>

// g_settings must be built before g_settingTable, which points into its banks: both live in
// this one file, in this order.
CSettings g_settings;

const std::array<Setting, kSettingCount> g_settingTable = {{
#define REZAR_TABLE_ENTRY(key, type, dflt) \
    {#key, SettingType::type, &g_settings.m_bank0.key, &g_settings.m_bank1.key},
    REZAR_SETTING_LIST(REZAR_TABLE_ENTRY)
#undef REZAR_TABLE_ENTRY
}};

namespace {

char AsciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

char AsciiUpper(char c)
{
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}

} // namespace

void CSettings::CopyBank()
{
    if (m_nBank == 0)
        m_bank1 = m_bank0;
    else
        m_bank0 = m_bank1;
}

const Setting *CSettings::FindSetting(std::string_view key)
{
    for (const Setting &setting : g_settingTable) {
        std::string_view name(setting.key);
        if (name.size() != key.size())
            continue;
        bool same = true;
        for (size_t i = 0; i < key.size() && same; ++i)
            same = AsciiLower(key[i]) == name[i];
        if (same)
            return &setting;
    }
    return nullptr;
}

void CSettings::BeginParse()
{
    m_nSavedBank = m_nBank;
    m_nParseBank = m_nBank;
    m_nIgnored = 0;
    m_nParsed = 0;
    m_nChanged = 0;
}

void CSettings::ParseLine(std::string line)
{
    if (size_t cr = line.find('\r'); cr != std::string::npos)
        line.resize(cr);
    if (line == "BANK 0") {
        m_nParseBank = 0;
        return;
    }
    if (line == "BANK 1") {
        m_nParseBank = 1;
        return;
    }
    if (line == ":EXPORT" || line == "EXPORT")
        return;
    size_t blank = line.find(' ');
    if (blank == std::string::npos) {
        ++m_nIgnored;
        return;
    }
    const Setting *setting = FindSetting(std::string_view(line).substr(0, blank));
    if (!setting) {
        ++m_nIgnored;
        return;
    }
    ++m_nParsed;
    std::string value = line.substr(blank + 1);
    bool changed = false;
    switch (setting->type) {
    case SettingType::String: {
        if (value == "%")
            value.clear();
        std::string &field = setting->String(m_nParseBank);
        if (field != value) {
            field = std::move(value);
            changed = true;
        }
        break;
    }
    case SettingType::Integer:
    case SettingType::Boolean: {
        int32_t number = setting->type == SettingType::Integer
                             ? ToInt32(value)
                             : int32_t(!value.empty() && value[0] == 'T');
        int32_t &field = setting->Integer(m_nParseBank);
        if (field != number) {
            field = number;
            changed = true;
        }
        break;
    }
    case SettingType::Character: {
        char c = value.empty() ? '\0' : value[0];
        char &field = setting->Character(m_nParseBank);
        if (field != c) {
            field = c;
            changed = true;
        }
        break;
    }
    }
    if (changed)
        ++m_nChanged;
}

std::string CSettings::EndParse()
{
    // Nothing to restore: the parse moved only its own cursor, never the pages' bank.
    char text[96];
    std::snprintf(text, sizeof text, "DONE : %d ignored, %d parsed, %d changed",
                  m_nIgnored, m_nParsed, m_nChanged);
    return text;
}

void CSettings::ResetWriter()
{
    m_nWriteIndex = -1;
    m_nWriteBank = -1;
}

std::string ValueText(const Setting &setting, int32_t bank)
{
    switch (setting.type) {
    case SettingType::String: {
        const std::string &text = setting.String(bank);
        return text.empty() ? std::string("%") : text;
    }
    case SettingType::Integer:
        return std::to_string(setting.Integer(bank));
    case SettingType::Boolean:
        return setting.Integer(bank) != 0 ? "TRUE" : "FALSE";
    case SettingType::Character:
        return std::string(1, setting.Character(bank));
    }
    return {};
}

std::string CSettings::NextLine()
{
    if (m_nWriteIndex == -1) {
        m_nWriteIndex = 0;
        ++m_nWriteBank;
        if (m_nWriteBank >= 2)
            return {};
        return m_nWriteBank == 0 ? "BANK 0" : "BANK 1";
    }
    // A cursor left out of range (the start state, or a writer used past its end without a
    // reset) yields the end rather than reading outside the table.
    if (m_nWriteIndex < 0 || m_nWriteIndex >= kSettingCount || m_nWriteBank < 0
        || m_nWriteBank >= 2)
        return {};
    const Setting &setting = g_settingTable[size_t(m_nWriteIndex)];
    std::string line;
    for (const char *p = setting.key; *p; ++p)
        line += AsciiUpper(*p);
    line += ' ';
    line += ValueText(setting, m_nWriteBank);
    if (++m_nWriteIndex == kSettingCount)
        m_nWriteIndex = -1;
    return line;
}

int CSettings::LoadFile(const std::string &path, std::string *pSummary)
{
    QFile file(QString::fromLocal8Bit(path.c_str()));
    if (!file.open(QIODevice::ReadOnly))
        return 1;

    // A device read may be parsing right now (paused while another page is shown): keep its
    // cursor and counters and give them back afterwards.
    const int32_t ignored = m_nIgnored, parsed = m_nParsed, changed = m_nChanged;
    const int32_t savedBank = m_nSavedBank, parseBank = m_nParseBank;

    BeginParse();
    std::string line;
    char buffer[65536];
    qint64 got;
    while ((got = file.read(buffer, sizeof buffer)) > 0) {
        for (qint64 i = 0; i < got; ++i) {
            char c = buffer[i];
            if (c == '\r' || c == '\n') {
                if (!line.empty()) {
                    ParseLine(std::move(line));
                    line.clear();
                }
            } else {
                line += c;
            }
        }
    }
    // The last line counts even without a line end.
    if (!line.empty())
        ParseLine(std::move(line));
    std::string summary = EndParse();
    if (pSummary)
        *pSummary = summary;

    m_nIgnored = ignored;
    m_nParsed = parsed;
    m_nChanged = changed;
    m_nSavedBank = savedBank;
    m_nParseBank = parseBank;
    return 0;
}

std::string CSettings::SettingsText()
{
    // A device write may be sending right now: keep its cursor, or a save would cut it short.
    const int32_t writeIndex = m_nWriteIndex, writeBank = m_nWriteBank;
    std::string text;
    ResetWriter();
    for (std::string line = NextLine(); !line.empty(); line = NextLine()) {
        text += line;
        text += "\r\n";
    }
    m_nWriteIndex = writeIndex;
    m_nWriteBank = writeBank;
    return text;
}

int CSettings::SaveFile(const std::string &path)
{
    // Whole file or nothing: QSaveFile only replaces the old file when every byte is written.
    // Unbuffered, so that a short write (disk full, size limit) shows in write()'s count
    // instead of vanishing in a flush at commit.
    QSaveFile file(QString::fromLocal8Bit(path.c_str()));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return 1;
    const std::string text = SettingsText();
    if (file.write(text.data(), qint64(text.size())) != qint64(text.size())) {
        file.cancelWriting();
        return 1;
    }
    return file.commit() ? 0 : 1;
}
