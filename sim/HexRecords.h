#pragma once

// The bootloader's reading of the firmware text: Intel HEX records, taken one byte at a time
// as they come off the line, each answered as soon as its last checksum digit is in.

#include <cstdint>
#include <string>

// Error letters the bootloader answers with; each ends the transfer.
constexpr char kHexSyntaxError = 'S';    // a stray byte, a non-hex digit, a record cut short
constexpr char kHexChecksumError = 'C';  // the record's bytes do not sum to 0
constexpr char kHexTypeError = 'T';      // a record type the bootloader does not know
constexpr char kHexTooLarge = 'F';       // data beyond the end of the chip's flash

class CHexRecords {
public:
    explicit CHexRecords(uint32_t flashSize) : m_nFlashSize(flashSize) {}

    // Takes the next byte. Returns 0 while a record is incomplete (or between records),
    // '.' for a good record, '*' for the end record, or an error letter. After '*' or an
    // error every further byte returns 0.
    char Take(char c);

    int32_t Records() const { return m_nRecords; }
    uint32_t DataBytes() const { return m_nDataBytes; }
    bool Ended() const { return m_bEnded; }
    // What the last error letter was for, in words.
    const std::string &ErrorText() const { return m_strError; }

private:
    char Fail(char letter, const char *why);
    char Complete();

    uint32_t m_nFlashSize;
    bool m_bEnded = false;
    bool m_bInRecord = false;
    std::string m_strDigits;   // hex digits of the record being read, after its ':'
    uint32_t m_nBase = 0;      // from extended segment/linear address records
    int32_t m_nRecords = 0;
    uint32_t m_nDataBytes = 0;
    std::string m_strError;
};
