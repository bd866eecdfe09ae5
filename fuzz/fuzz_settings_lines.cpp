// Line by line through the parser, as the device link hands lines over: the input is split at
// each byte 0x00 into lines that may hold anything, CR and LF included. Invariants: no crash;
// the counts add up to the lines handed over; a value the parser took is written as a line
// free of CR and LF, and that line parses back to the same value.

#include "Settings.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    CSettings settings;
    settings.BeginParse();
    int lines = 0, uncounted = 0;
    size_t start = 0;
    for (size_t i = 0; i <= size; ++i) {
        if (i < size && data[i] != 0)
            continue;
        const std::string line(reinterpret_cast<const char *>(data) + start, i - start);
        start = i + 1;
        ++lines;
        const LineEffect effect = settings.ParseLine(line);
        if (effect == LineEffect::BankHeader || effect == LineEffect::Echo) {
            ++uncounted;
            continue;
        }
        if (effect == LineEffect::Ignored)
            continue;
        // The setting's line as the writer gives it, parsed on a fresh model into the same bank.
        const int32_t bank = settings.DeviceParse().bank;
        const Setting *setting = CSettings::FindSetting(line.substr(0, line.find(' ')));
        if (!setting)
            std::abort();
        const std::string value = settings.ValueText(*setting, bank);
        if (value.find_first_of("\r\n") != std::string::npos)
            std::abort();
        CSettings copy;
        ParseCursor cursor;
        copy.BeginParse(cursor);
        cursor.bank = bank;
        copy.ParseLine(cursor, std::string(setting->key) + ' ' + value);
        if (copy.ValueText(*setting, bank) != value)
            std::abort();
    }
    const ParseCursor &counts = settings.DeviceParse();
    if (counts.ignored + counts.parsed + uncounted != lines || counts.changed > counts.parsed)
        std::abort();
    return 0;
}
