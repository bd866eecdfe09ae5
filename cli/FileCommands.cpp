#include "FileCommands.h"

#include "Settings.h"

#include <cctype>
#include <cstdio>
#include <vector>
#include <iostream>

namespace {

// Writes bytes unchanged: a settings text may hold any byte but CR and LF.
void WriteStdout(const std::string &text)
{
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

} // namespace

bool LoadSettingsFile(const std::string &path, std::string &summary)
{
    return LoadSettingsFile(g_settings, path, summary);
}

bool LoadSettingsFile(CSettings &settings, const std::string &path, std::string &summary)
{
    if (settings.LoadFile(path, &summary) != 0) {
        std::cerr << "rezar-cli: cannot open " << path << "\n";
        return false;
    }
    return true;
}

int CmdDefaults(const CliOptions &options)
{
    if (!options.args.empty())
        return UsageError("defaults takes no arguments");
    WriteStdout(CSettings().SettingsText());
    return ExitDone;
}

int CmdLoad(const CliOptions &options)
{
    if (options.args.empty())
        return UsageError("load needs at least one FILE");
    CSettings settings;
    for (const std::string &path : options.args) {
        std::string summary;
        if (!LoadSettingsFile(settings, path, summary))
            return ExitFailed;
        std::cerr << path << ": " << summary << "\n";
    }
    WriteStdout(settings.SettingsText());
    return ExitDone;
}

namespace {

// The settings text of both banks, one entry per line.
std::vector<std::string> TextLines(const CSettings &settings)
{
    std::vector<std::string> lines;
    WriteCursor cursor;
    CSettings::ResetWriter(cursor);
    for (std::string line = settings.NextLine(cursor); !line.empty(); line = settings.NextLine(cursor))
        lines.push_back(line);
    return lines;
}

// The lines of `path` loaded over the defaults.
bool LinesOfFile(const std::string &path, std::vector<std::string> &lines)
{
    CSettings settings;
    std::string summary;
    if (!LoadSettingsFile(settings, path, summary))
        return false;
    lines = TextLines(settings);
    return true;
}

} // namespace

int CmdDiff(const CliOptions &options)
{
    if (options.args.empty() || options.args.size() > 2)
        return UsageError("diff needs FILE A and at most one FILE B");

    std::vector<std::string> a, b;
    if (!LinesOfFile(options.args[0], a))
        return ExitFailed;
    if (options.args.size() == 2) {
        if (!LinesOfFile(options.args[1], b))
            return ExitFailed;
    } else {
        b = TextLines(CSettings());
    }

    // Both texts list the same keys in the same order, so lines pair up one to one; values are
    // compared in their text form, which is how the device and the files see them.
    std::string out;
    int bank = 0;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
        if (a[i] == "BANK 0" || a[i] == "BANK 1") {
            bank = a[i].back() - '0';
            continue;
        }
        if (a[i] == b[i])
            continue;
        const size_t blank = a[i].find(' ');
        std::string key = a[i].substr(0, blank);
        for (char &c : key)
            c = char(std::tolower(static_cast<unsigned char>(c)));
        out += std::to_string(bank) + '\t' + key + '\t' + a[i].substr(blank + 1) + '\t'
               + b[i].substr(blank + 1) + '\n';
    }
    WriteStdout(out);
    return ExitDone;
}
