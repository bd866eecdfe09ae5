#pragma once

// The settings model: the table of 99 typed settings, the two banks, and the settings text
// (parser, writer and files) that carries them to and from the device and disk.
// Values are bytes (std::string), never re-encoded: whatever the device sends comes back
// unchanged, the byte 0 included.

#include "SettingList.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

enum class SettingType : int32_t {
    String = 0,
    Integer = 1,
    Boolean = 2,
    Character = 3,
};

namespace rezar_detail {
template <SettingType> struct FieldOf;
template <> struct FieldOf<SettingType::String> { using type = std::string; };
template <> struct FieldOf<SettingType::Integer> { using type = int32_t; };
template <> struct FieldOf<SettingType::Boolean> { using type = int32_t; };
template <> struct FieldOf<SettingType::Character> { using type = char; };
}

// The values of one bank: one field per setting, in table order, named after its key.
class CBank {
public:
#define REZAR_BANK_FIELD(key, kind, dflt) \
    rezar_detail::FieldOf<SettingType::kind>::type key = dflt;
    REZAR_SETTING_LIST(REZAR_BANK_FIELD)
#undef REZAR_BANK_FIELD
};

// One entry of the table: key, type, and where its value lives in each bank.
struct Setting {
    const char *key;     // lower-case ASCII, unique
    SettingType type;
    void *pBank0;        // field in CSettings::m_bank0
    void *pBank1;        // field in CSettings::m_bank1

    void *Field(int32_t bank) const { return bank == 0 ? pBank0 : pBank1; }
    std::string &String(int32_t bank) const { return *static_cast<std::string *>(Field(bank)); }
    int32_t &Integer(int32_t bank) const { return *static_cast<int32_t *>(Field(bank)); }
    char &Character(int32_t bank) const { return *static_cast<char *>(Field(bank)); }
};

constexpr int kSettingCount = 99;
// A complete settings text: "BANK 0", 99 lines, "BANK 1", 99 lines.
constexpr int kSettingsTextLines = 2 * (kSettingCount + 1);

class CSettings {
public:
    // Parse counters of the running (or last) parse.
    int32_t m_nIgnored = 0;
    int32_t m_nParsed = 0;
    int32_t m_nChanged = 0;
    // Writer cursor: table index of the next line, -1 when a bank header is due.
    int32_t m_nWriteIndex = 0;
    int32_t m_nWriteBank = 0;
    CBank m_bank0;
    CBank m_bank1;
    // The bank the pages edit. Only SetBank moves it: a parse has its own cursor below,
    // so a device read paused half-way can never leave the pages on another bank.
    int32_t m_nBank = 0;
    // The bank that was current when the running parse began.
    int32_t m_nSavedBank = 0;
    // The bank that "BANK 0"/"BANK 1" lines of the running parse selected.
    int32_t m_nParseBank = 0;

    int32_t GetBank() const { return m_nBank; }
    void SetBank(int32_t bank) { m_nBank = bank; }
    CBank &CurrentValues() { return m_nBank == 0 ? m_bank0 : m_bank1; }
    CBank &Bank(int32_t bank) { return bank == 0 ? m_bank0 : m_bank1; }
    // Copies the current bank over the other one; nothing else changes.
    void CopyBank();
    // The entry whose whole key matches without regard to ASCII case, or nullptr.
    static const Setting *FindSetting(std::string_view key);

    void BeginParse();
    void ParseLine(std::string line);
    std::string EndParse();

    void ResetWriter();
    // The next line of the settings text, without line end; empty after the last one.
    std::string NextLine();

    // 0 on success, 1 when the file cannot be opened (or, for SaveFile, fully written).
    // LoadFile leaves a device read's running parse (cursor and counters) as it was; its
    // own summary goes to pSummary when one is given.
    int LoadFile(const std::string &path, std::string *pSummary = nullptr);
    int SaveFile(const std::string &path);

    // The whole settings text, lines ended by CR LF: the bytes SaveFile writes.
    std::string SettingsText();
};

// The text of a value as the settings text writes it ("%" for an empty string).
std::string ValueText(const Setting &setting, int32_t bank);

extern CSettings g_settings;
extern const std::array<Setting, kSettingCount> g_settingTable;
