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
#include <variant>

class QIODevice;

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

// One entry of the table: key, type, and where its value lives in a bank. The place is a
// pointer to a member of CBank, so the table is one constant for every CSettings.
struct Setting {
    using Member = std::variant<std::string CBank::*, int32_t CBank::*, char CBank::*>;

    const char *key;     // lower-case ASCII, unique
    SettingType type;
    Member member;       // std::string for String, int32_t for Integer and Boolean, char for Character

    std::string &String(CBank &bank) const { return bank.*std::get<std::string CBank::*>(member); }
    const std::string &String(const CBank &bank) const { return bank.*std::get<std::string CBank::*>(member); }
    int32_t &Integer(CBank &bank) const { return bank.*std::get<int32_t CBank::*>(member); }
    int32_t Integer(const CBank &bank) const { return bank.*std::get<int32_t CBank::*>(member); }
    char &Character(CBank &bank) const { return bank.*std::get<char CBank::*>(member); }
    char Character(const CBank &bank) const { return bank.*std::get<char CBank::*>(member); }

    // The value as the settings text writes it ("%" for an empty string).
    std::string ValueText(const CBank &bank) const;
    // The start-state value, written the same way.
    std::string DefaultText() const;
};

constexpr int kSettingCount = 99;
// The longest line a settings file may hold; no value comes near it.
constexpr size_t kMaxFileLine = 64 * 1024;
// A complete settings text: "BANK 0", 99 lines, "BANK 1", 99 lines.
constexpr int kSettingsTextLines = 2 * (kSettingCount + 1);

// Where a parse stands: the bank its setting lines go to ("BANK 0"/"BANK 1" move it) and what
// its lines did so far.
struct ParseCursor {
    int32_t bank = 0;
    int32_t ignored = 0;
    int32_t parsed = 0;
    int32_t changed = 0;
};

// Where the writer stands: the bank being written and the table index of its next line, -1
// when a bank header is due. The start state {0, 0} gives bank 0's first setting.
struct WriteCursor {
    int32_t bank = 0;
    int32_t index = 0;
};

// What ParseLine did with a line.
enum class LineEffect : int32_t {
    BankHeader,  // "BANK 0" or "BANK 1": the parse moved to that bank
    Echo,        // ":EXPORT" or "EXPORT", the device echoing the request: not counted
    Ignored,     // no blank, or an unknown key: counted as ignored
    Same,        // a setting with the value it had: counted as parsed
    Changed,     // a setting given a new value: counted as parsed and changed
};

class CSettings {
public:
    CBank m_bank0;
    CBank m_bank1;

    // The bank the pages edit. Only SetBank moves it: a parse has its own cursor, so a device
    // read paused half-way can never leave the pages on another bank.
    int32_t GetBank() const { return m_nBank; }
    void SetBank(int32_t bank) { m_nBank = bank; }
    CBank &CurrentValues() { return m_nBank == 0 ? m_bank0 : m_bank1; }
    const CBank &CurrentValues() const { return m_nBank == 0 ? m_bank0 : m_bank1; }
    // Any bank but 0 is bank 1.
    CBank &Bank(int32_t bank) { return bank == 0 ? m_bank0 : m_bank1; }
    const CBank &Bank(int32_t bank) const { return bank == 0 ? m_bank0 : m_bank1; }
    // Copies the current bank over the other one; nothing else changes.
    void CopyBank();
    // The entry whose whole key matches without regard to ASCII case, or nullptr.
    static const Setting *FindSetting(std::string_view key);
    // The text of a value of one of the banks, as the settings text writes it.
    std::string ValueText(const Setting &setting, int32_t bank) const { return setting.ValueText(Bank(bank)); }

    // The device exchange: one parse and one writer, kept here between the lines the link
    // hands over.
    void BeginParse() { BeginParse(m_parse); }
    LineEffect ParseLine(std::string line) { return ParseLine(m_parse, std::move(line)); }
    // "DONE : %d ignored, %d parsed, %d changed"
    std::string EndParse() const { return EndParse(m_parse); }
    void ResetWriter() { ResetWriter(m_write); }
    // The next line of the settings text, without line end; empty after the last one.
    std::string NextLine() { return NextLine(m_write); }
    const ParseCursor &DeviceParse() const { return m_parse; }
    const WriteCursor &DeviceWrite() const { return m_write; }

    // The same on a cursor of the caller's: a parse starts on the pages' bank with no counts.
    void BeginParse(ParseCursor &cursor) const;
    LineEffect ParseLine(ParseCursor &cursor, std::string line);
    static std::string EndParse(const ParseCursor &cursor);
    static void ResetWriter(WriteCursor &cursor);
    std::string NextLine(WriteCursor &cursor) const;

    // 0 on success, 1 when the file cannot be opened (or, for SaveFile, fully written).
    // Both use cursors of their own and leave the device exchange's alone. LoadFile's
    // summary goes to pSummary when one is given.
    // LoadFile reads regular files only (a FIFO, a device or a folder is refused at once) and
    // returns 2 when a read fails midway; either failure leaves both banks as they were, and
    // pReason says why. A line longer than kMaxFileLine is dropped and counted as ignored.
    [[nodiscard]] int LoadFile(const std::string &path, std::string *pSummary = nullptr,
                               std::string *pReason = nullptr);
    [[nodiscard]] int SaveFile(const std::string &path) const;
    // LoadFile's reading, from a device opened by the caller (standard input, a pipe). Past
    // maxBytes (when not negative) it stops and returns 3; like a read that fails midway (2),
    // that leaves both banks as they were.
    [[nodiscard]] int LoadFrom(QIODevice &in, int64_t maxBytes, std::string *pSummary = nullptr,
                               std::string *pReason = nullptr);

    // The whole settings text, lines ended by CR LF: the bytes SaveFile writes.
    std::string SettingsText() const;

private:
    int LoadFileInto(QIODevice &in, int64_t maxBytes, std::string *pSummary, std::string &reason);

    int32_t m_nBank = 0;
    ParseCursor m_parse;
    WriteCursor m_write;
};

extern const std::array<Setting, kSettingCount> g_settingTable;
