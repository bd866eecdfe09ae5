#include "HexRecords.h"

namespace {

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

uint32_t ByteAt(const std::string &digits, size_t index)
{
    return uint32_t(HexValue(digits[2 * index]) * 16 + HexValue(digits[2 * index + 1]));
}

} // namespace

char CHexRecords::Fail(char letter, const char *why)
{
    m_bEnded = true;
    m_strError = why;
    return letter;
}

char CHexRecords::Take(char c)
{
    if (m_bEnded)
        return 0;
    if (!m_bInRecord) {
        if (c == ':') {
            m_bInRecord = true;
            m_strDigits.clear();
            return 0;
        }
        if (c == '\r' || c == '\n' || c == ' ' || c == '\t')
            return 0;
        return Fail(kHexSyntaxError, "byte outside a record");
    }
    if (HexValue(c) < 0)
        return Fail(kHexSyntaxError, c == '\r' || c == '\n' ? "record cut short" : "not a hex digit");
    m_strDigits += c;
    // Length, address (2), type, data, checksum: the length byte says when the record is whole.
    if (m_strDigits.size() >= 2 && m_strDigits.size() == 2 * (5 + ByteAt(m_strDigits, 0)))
        return Complete();
    return 0;
}

char CHexRecords::Complete()
{
    m_bInRecord = false;
    const uint32_t length = ByteAt(m_strDigits, 0);
    uint32_t sum = 0;
    for (size_t i = 0; i < 5 + length; ++i)
        sum += ByteAt(m_strDigits, i);
    if ((sum & 0xFF) != 0)
        return Fail(kHexChecksumError, "bad checksum");
    const uint32_t address = ByteAt(m_strDigits, 1) << 8 | ByteAt(m_strDigits, 2);
    const uint32_t type = ByteAt(m_strDigits, 3);
    ++m_nRecords;
    switch (type) {
    case 0x00:
        if (uint64_t(m_nBase) + address + length > m_nFlashSize)
            return Fail(kHexTooLarge, "data beyond the end of the flash");
        m_nDataBytes += length;
        return '.';
    case 0x01:
        if (length != 0)
            return Fail(kHexSyntaxError, "end record with data");
        m_bEnded = true;
        return '*';
    case 0x02:
    case 0x04:
        if (length != 2)
            return Fail(kHexSyntaxError, "address record of the wrong length");
        m_nBase = (ByteAt(m_strDigits, 4) << 8 | ByteAt(m_strDigits, 5)) << (type == 0x02 ? 4 : 16);
        return '.';
    case 0x03:
    case 0x05:
        return '.';  // start address: nothing to do for a bootloader
    default:
        return Fail(kHexTypeError, "unknown record type");
    }
}
