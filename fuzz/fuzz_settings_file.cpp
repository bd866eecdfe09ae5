// A whole settings file through the loader. Invariants: no crash; what was loaded, saved and
// loaded again gives the same banks; the summary's counts add up to the lines of the file;
// no written line holds a CR or LF.

#include "Settings.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

std::string TempPath(const char *name)
{
    static const std::string dir = [] {
        char pattern[] = "/tmp/rezar-fuzz-XXXXXX";
        const char *made = mkdtemp(pattern);
        if (!made)
            std::abort();
        return std::string(made);
    }();
    return dir + "/" + name;
}

bool WriteAll(const std::string &path, const uint8_t *data, size_t size)
{
    FILE *file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool ok = std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && ok;
}

// The lines the loader sees: split at CR and LF, empty ones skipped.
int CountLines(const uint8_t *data, size_t size)
{
    int lines = 0;
    bool inLine = false;
    for (size_t i = 0; i < size; ++i) {
        const bool end = data[i] == '\r' || data[i] == '\n';
        if (!end && !inLine)
            ++lines;
        inLine = !end;
    }
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string input = TempPath("input.txt");
    const std::string saved = TempPath("saved.txt");
    if (!WriteAll(input, data, size))
        std::abort();

    CSettings loaded;
    std::string summary;
    if (loaded.LoadFile(input, &summary) != 0)
        std::abort();
    int ignored = 0, parsed = 0, changed = 0;
    if (std::sscanf(summary.c_str(), "DONE : %d ignored, %d parsed, %d changed", &ignored, &parsed,
                    &changed) != 3)
        std::abort();
    // Bank headers and the device's echo are the only lines neither ignored nor parsed.
    if (changed > parsed || ignored + parsed > CountLines(data, size))
        std::abort();

    const std::string text = loaded.SettingsText();
    for (size_t at = 0; (at = text.find_first_of("\r\n", at)) != std::string::npos; at += 2)
        if (text.compare(at, 2, "\r\n") != 0)
            std::abort();
    if (loaded.SaveFile(saved) != 0)
        std::abort();
    CSettings again;
    if (again.LoadFile(saved, &summary) != 0 || again.SettingsText() != text)
        std::abort();
    if (summary.rfind("DONE : 0 ignored, 198 parsed", 0) != 0)
        std::abort();
    return 0;
}
