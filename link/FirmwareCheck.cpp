#include "FirmwareCheck.h"

#include <cstdio>

namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string Format(const char *format, long a, long b = 0, long c = 0)
{
    char text[128];
    std::snprintf(text, sizeof text, format, a, b, c);
    return text;
}

std::string CharacterName(char c)
{
    const auto u = static_cast<unsigned char>(c);
    if (u > 0x20 && u < 0x7F)
        return std::string("'") + c + "'";
    return Format("0x%02lX", long(u));
}

// The problem of one record line (without its line end), or empty.
std::string CheckRecord(std::string_view record, bool &endOfFile)
{
    if (record[0] != ':')
        return "bad character " + CharacterName(record[0]) + " in column 1, where a record starts with ':'";
    for (size_t i = 1; i < record.size(); ++i)
        if (HexDigit(record[i]) < 0)
            return "bad character " + CharacterName(record[i]) + Format(" in column %ld", long(i + 1));
    const size_t digits = record.size() - 1;
    if (digits % 2 != 0)
        return Format("odd number of hex digits (%ld)", long(digits));
    // Length, address (2), type and checksum: 5 bytes around the data.
    const size_t bytes = digits / 2;
    if (bytes < 5)
        return Format("record too short (%ld bytes, at least 5)", long(bytes));
    auto byteAt = [&](size_t n) { return HexDigit(record[1 + 2 * n]) * 16 + HexDigit(record[2 + 2 * n]); };
    const int length = byteAt(0);
    if (size_t(length) != bytes - 5)
        return Format("the record says %ld data bytes, it holds %ld", long(length), long(bytes - 5));
    int sum = 0;
    for (size_t n = 0; n + 1 < bytes; ++n)
        sum += byteAt(n);
    const int expected = (0x100 - (sum & 0xFF)) & 0xFF;
    const int stated = byteAt(bytes - 1);
    if (expected != stated)
        return Format("checksum is 0x%02lX, the record says 0x%02lX", long(expected), long(stated));
    const int type = byteAt(3);
    if (type > 5)
        return Format("unknown record type 0x%02lX", long(type));
    endOfFile = type == 1;
    return {};
}

// Without a DOS end-of-file mark (0x1A) that closes the text, and the line end or blanks after
// it: some tools still append one after the end-of-file record, and the bootloader ignores
// whatever follows that record. A mark anywhere else stays in and is refused.
std::string_view WithoutEndMark(std::string_view content)
{
    size_t end = content.size();
    while (end > 0 && IsBlank(content[end - 1]))
        --end;
    return end > 0 && content[end - 1] == '\x1A' ? content.substr(0, end - 1) : content;
}

// A record line without the blanks and tabs that some tools leave before its line end.
std::string_view WithoutTrailingBlanks(std::string_view line)
{
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t'))
        line.remove_suffix(1);
    return line;
}

} // namespace

std::string CheckFirmware(std::string_view content)
{
    content = WithoutEndMark(content);
    size_t start = 0;
    while (start < content.size() && IsBlank(content[start]))
        ++start;
    if (start == content.size() || content[start] != ':')
        return {};

    // Line numbers count every line of the file, ended by LF, CR LF or CR alone.
    long lineNumber = 1;
    for (size_t i = 0; i < start; ++i)
        if (content[i] == '\n' || (content[i] == '\r' && (i + 1 == start || content[i + 1] != '\n')))
            ++lineNumber;
    bool ended = false;
    size_t pos = start;
    while (pos < content.size()) {
        size_t end = pos;
        while (end < content.size() && content[end] != '\r' && content[end] != '\n')
            ++end;
        const std::string_view line = WithoutTrailingBlanks(content.substr(pos, end - pos));
        if (!line.empty()) {
            std::string problem;
            if (ended)
                problem = "data after the end-of-file record";
            else
                problem = CheckRecord(line, ended);
            if (!problem.empty())
                return Format("line %ld: ", lineNumber) + problem;
        }
        if (end < content.size() && content[end] == '\r' && end + 1 < content.size() && content[end + 1] == '\n')
            ++end;
        pos = end + 1;
        ++lineNumber;
    }
    if (!ended)
        return "no end-of-file record";
    return {};
}
