#include "FileCommands.h"

#include "DeviceCommands.h"
#include "History.h"
#include "RegularFile.h"
#include "Settings.h"

#include <QFile>
#include <QFileInfo>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

void UseBinaryStreams()
{
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
}

bool WriteStdout(const std::string &text)
{
    // A settings text may hold any byte but CR and LF: written as it is, and checked to the
    // last byte, so that a full disk or a closed pipe is never taken for success.
    errno = 0;
    const bool whole = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    const bool flushed = std::fflush(stdout) == 0;
    if (whole && flushed && !std::ferror(stdout))
        return true;
    const int error = errno;
    std::cerr << Local(error != 0 ? CliText::tr("rezar-cli: cannot write standard output: %1")
                                        .arg(QString::fromLocal8Bit(std::strerror(error)))
                                  : CliText::tr("rezar-cli: cannot write standard output"))
              << "\n";
    return false;
}

bool LoadSettingsFile(CSettings &settings, const std::string &path, std::string &summary)
{
    // "-" is standard input; a pipe is read as the user asked, both up to kMaxStreamBytes.
    const bool standardInput = path == "-";
    const QString file = standardInput ? CliText::tr("standard input") : QString::fromLocal8Bit(path);
    QFile in;
    std::string reason;
    bool stream = true;
    int result = 1;
    if (standardInput ? in.open(stdin, QIODevice::ReadOnly, QFileDevice::DontCloseHandle)
                      : OpenFileOrPipe(path, in, reason, stream))
        result = settings.LoadFrom(in, stream ? kMaxStreamBytes : -1, &summary, &reason);
    else if (standardInput)
        reason = in.errorString().toStdString();
    if (result == 0)
        return true;
    QString message = result == 1 ? CliText::tr("rezar-cli: cannot open %1").arg(file)
                                  : CliText::tr("rezar-cli: cannot read %1").arg(file);
    if (result == 3)
        message = CliText::tr("%1: more than %2 MiB, no settings text").arg(message).arg(kMaxStreamBytes >> 20);
    else if (!reason.empty())
        message = CliText::tr("%1: %2").arg(message, QString::fromLocal8Bit(reason));
    std::cerr << Local(message) << "\n";
    return false;
}

int CmdDefaults(const CliOptions &options)
{
    if (!options.args.empty())
        return UsageError(Local(CliText::tr("defaults takes no arguments")));
    return WriteStdout(CSettings().SettingsText()) ? ExitDone : ExitFailed;
}

int CmdLoad(const CliOptions &options)
{
    if (options.args.empty())
        return UsageError(Local(CliText::tr("load needs at least one FILE")));
    CSettings settings;
    for (const std::string &path : options.args) {
        std::string summary;
        if (!LoadSettingsFile(settings, path, summary))
            return ExitFailed;
        std::cerr << path << ": " << summary << "\n";
    }
    return WriteStdout(settings.SettingsText()) ? ExitDone : ExitFailed;
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

} // namespace

std::string DifferenceLines(const CSettings &a, const CSettings &b)
{
    // Both texts list the same keys in the same order, so lines pair up one to one; values are
    // compared in their text form, which is how the device and the files see them.
    const std::vector<std::string> linesA = TextLines(a), linesB = TextLines(b);
    std::string out;
    int bank = 0;
    for (size_t i = 0; i < linesA.size() && i < linesB.size(); ++i) {
        if (linesA[i] == "BANK 0" || linesA[i] == "BANK 1") {
            bank = linesA[i].back() - '0';
            continue;
        }
        if (linesA[i] == linesB[i])
            continue;
        const size_t blank = linesA[i].find(' ');
        std::string key = linesA[i].substr(0, blank);
        for (char &c : key)
            c = char(std::tolower(static_cast<unsigned char>(c)));
        out += std::to_string(bank) + '\t' + key + '\t' + linesA[i].substr(blank + 1) + '\t'
               + linesB[i].substr(linesB[i].find(' ') + 1) + '\n';
    }
    return out;
}

int CmdDiff(const CliOptions &options)
{
    if (!options.devicePort.empty()) {
        if (options.args.size() > 1)
            return UsageError(Local(CliText::tr("diff --device needs PORT and at most one FILE")));
        return DiffWithDevice(options);
    }
    if (options.args.empty() || options.args.size() > 2)
        return UsageError(Local(CliText::tr("diff needs FILE A and at most one FILE B")));

    CSettings a, b;
    std::string summary;
    if (!LoadSettingsFile(a, options.args[0], summary))
        return DiffTrouble;
    if (options.args.size() == 2 && !LoadSettingsFile(b, options.args[1], summary))
        return DiffTrouble;
    return PrintDifferences(a, b);
}

int PrintDifferences(const CSettings &a, const CSettings &b)
{
    const std::string lines = DifferenceLines(a, b);
    if (!WriteStdout(lines))
        return DiffTrouble;
    return lines.empty() ? DiffSame : DiffDiffers;
}

int CmdHistory(const CliOptions &options)
{
    if (!options.args.empty())
        return UsageError(Local(CliText::tr("history takes no arguments")));
    std::string out;
    const std::vector<HistoryEntry> entries = ListHistory();
    for (const HistoryEntry &entry : entries) {
        const QString port = entry.port.isEmpty() ? QStringLiteral("-") : entry.port;
        out += entry.time.toString("yyyy-MM-dd HH:mm:ss").toStdString() + '\t' + entry.kind.toStdString() + '\t'
               + port.toLocal8Bit().toStdString() + '\t' + entry.mycall + '\t'
               + QFileInfo(entry.path).fileName().toLocal8Bit().toStdString() + '\n';
    }
    if (!WriteStdout(out))
        return ExitFailed;
    const QString summary = entries.size() == 1
        ? CliText::tr("1 entry, newest first, in %1").arg(HistoryFolder())
        : CliText::tr("%1 entries, newest first, in %2").arg(entries.size()).arg(HistoryFolder());
    std::cerr << Local(summary) << "\n";
    return ExitDone;
}
