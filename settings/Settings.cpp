#include "Settings.h"

#include "Conversions.h"
#include "RegularFile.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <cstdio>

// Pointers to members need no object: the table is built at compile time, before any
// CSettings, and serves them all.
constexpr std::array<Setting, kSettingCount> g_settingTable = {{
#define REZAR_TABLE_ENTRY(key, type, dflt) {#key, SettingType::type, &CBank::key},
    REZAR_SETTING_LIST(REZAR_TABLE_ENTRY)
#undef REZAR_TABLE_ENTRY
}};

namespace {

// Booleans live in an int32_t, like integers.
constexpr bool MemberFitsType(const Setting &setting)
{
    switch (setting.type) {
    case SettingType::String:
        return std::holds_alternative<std::string CBank::*>(setting.member);
    case SettingType::Integer:
    case SettingType::Boolean:
        return std::holds_alternative<int32_t CBank::*>(setting.member);
    case SettingType::Character:
        return std::holds_alternative<char CBank::*>(setting.member);
    }
    return false;
}
static_assert(std::ranges::all_of(g_settingTable, MemberFitsType));

} // namespace

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

void CSettings::BeginParse(ParseCursor &cursor) const
{
    cursor = ParseCursor{m_nBank, 0, 0, 0};
}

LineEffect CSettings::ParseLine(ParseCursor &cursor, std::string line)
{
    // A line ends at its first CR or LF, whichever the sender uses: a value never keeps one.
    if (size_t end = line.find_first_of("\r\n"); end != std::string::npos)
        line.resize(end);
    if (line == "BANK 0") {
        cursor.bank = 0;
        return LineEffect::BankHeader;
    }
    if (line == "BANK 1") {
        cursor.bank = 1;
        return LineEffect::BankHeader;
    }
    if (line == ":EXPORT" || line == "EXPORT")
        return LineEffect::Echo;
    size_t blank = line.find(' ');
    if (blank == std::string::npos) {
        ++cursor.ignored;
        return LineEffect::Ignored;
    }
    const Setting *setting = FindSetting(std::string_view(line).substr(0, blank));
    if (!setting) {
        ++cursor.ignored;
        return LineEffect::Ignored;
    }
    ++cursor.parsed;
    CBank &bank = Bank(cursor.bank);
    std::string value = line.substr(blank + 1);
    bool changed = false;
    switch (setting->type) {
    case SettingType::String: {
        if (value == "%")
            value.clear();
        std::string &field = setting->String(bank);
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
        int32_t &field = setting->Integer(bank);
        if (field != number) {
            field = number;
            changed = true;
        }
        break;
    }
    case SettingType::Character: {
        char c = value.empty() ? '\0' : value[0];
        char &field = setting->Character(bank);
        if (field != c) {
            field = c;
            changed = true;
        }
        break;
    }
    }
    if (!changed)
        return LineEffect::Same;
    ++cursor.changed;
    return LineEffect::Changed;
}

std::string CSettings::EndParse(const ParseCursor &cursor)
{
    // Nothing to restore: the parse moved only its own cursor, never the pages' bank.
    char text[96];
    std::snprintf(text, sizeof text, "DONE : %d ignored, %d parsed, %d changed",
                  cursor.ignored, cursor.parsed, cursor.changed);
    return text;
}

void CSettings::ResetWriter(WriteCursor &cursor)
{
    cursor = WriteCursor{-1, -1};
}

std::string Setting::DefaultText() const
{
    static const CBank defaults;
    return ValueText(defaults);
}

std::string Setting::ValueText(const CBank &bank) const
{
    switch (type) {
    case SettingType::String: {
        const std::string &text = String(bank);
        return text.empty() ? std::string("%") : text;
    }
    case SettingType::Integer:
        return std::to_string(Integer(bank));
    case SettingType::Boolean:
        return Integer(bank) != 0 ? "TRUE" : "FALSE";
    case SettingType::Character:
        return std::string(1, Character(bank));
    }
    return {};
}

std::string CSettings::NextLine(WriteCursor &cursor) const
{
    if (cursor.index == -1) {
        cursor.index = 0;
        ++cursor.bank;
        if (cursor.bank >= 2)
            return {};
        return cursor.bank == 0 ? "BANK 0" : "BANK 1";
    }
    // A cursor left out of range (a writer used past its end without a reset) yields the end
    // rather than reading outside the table.
    if (cursor.index < 0 || cursor.index >= kSettingCount || cursor.bank < 0 || cursor.bank >= 2)
        return {};
    const Setting &setting = g_settingTable[size_t(cursor.index)];
    std::string line;
    for (const char *p = setting.key; *p; ++p)
        line += AsciiUpper(*p);
    line += ' ';
    line += setting.ValueText(Bank(cursor.bank));
    if (++cursor.index == kSettingCount)
        cursor.index = -1;
    return line;
}

int CSettings::LoadFile(const std::string &path, std::string *pSummary, std::string *pReason)
{
    std::string reason;
    QFile file;
    const int result = OpenRegularFile(path, file, reason) ? LoadFileInto(file, -1, pSummary, reason) : 1;
    if (pReason)
        *pReason = reason;
    return result;
}

int CSettings::LoadFrom(QIODevice &in, int64_t maxBytes, std::string *pSummary, std::string *pReason)
{
    std::string reason;
    const int result = LoadFileInto(in, maxBytes, pSummary, reason);
    if (pReason)
        *pReason = reason;
    return result;
}

int CSettings::LoadFileInto(QIODevice &in, int64_t maxBytes, std::string *pSummary, std::string &reason)
{
    // Parsed into a copy and taken over only when the whole file was read: a load that fails
    // midway changes nothing. A cursor of its own: a device read paused while another page is
    // shown goes on where it was, into the bank it was reading.
    CSettings loaded;
    loaded.m_bank0 = m_bank0;
    loaded.m_bank1 = m_bank1;
    loaded.m_nBank = m_nBank;
    ParseCursor cursor;
    BeginParse(cursor);
    std::string line;
    bool overlong = false;
    char buffer[65536];
    qint64 got;
    auto endLine = [&] {
        if (overlong)
            ++cursor.ignored;
        else if (!line.empty())
            loaded.ParseLine(cursor, std::move(line));
        line.clear();
        overlong = false;
    };
    int64_t total = 0;
    while ((got = in.read(buffer, sizeof buffer)) > 0) {
        // A stream has no size to check first: one that goes on for ever is cut off here.
        total += got;
        if (maxBytes >= 0 && total > maxBytes)
            return 3;
        for (qint64 i = 0; i < got; ++i) {
            const char c = buffer[i];
            if (c == '\r' || c == '\n') {
                endLine();
            } else if (overlong) {
                continue;
            } else if (line.size() >= kMaxFileLine) {
                // No setting is that long: the line is dropped as it goes and counted as
                // ignored, so memory stays bounded whatever the file holds.
                line.clear();
                line.shrink_to_fit();
                overlong = true;
            } else {
                line += c;
            }
        }
    }
    if (got < 0) {
        reason = in.errorString().toStdString();
        return 2;
    }
    // The last line counts even without a line end.
    endLine();
    m_bank0 = std::move(loaded.m_bank0);
    m_bank1 = std::move(loaded.m_bank1);
    if (pSummary)
        *pSummary = EndParse(cursor);
    return 0;
}

std::string CSettings::SettingsText() const
{
    // A cursor of its own, so that a save never cuts short a device write that is sending.
    WriteCursor cursor;
    ResetWriter(cursor);
    std::string text;
    for (std::string line = NextLine(cursor); !line.empty(); line = NextLine(cursor)) {
        text += line;
        text += "\r\n";
    }
    return text;
}

int CSettings::SaveFile(const std::string &path) const
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
