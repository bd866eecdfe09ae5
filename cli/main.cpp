// rezar-cli: the settings model and the device link, driven from a terminal.

#include "CliOptions.h"
#include "DeviceCommands.h"
#include "FileCommands.h"
#include "SettingCommands.h"
#include "CommandLine.h"
#include "Translations.h"

#include <QCoreApplication>

#include <algorithm>
#include <iostream>
#include <map>

namespace {

const char kContext[] = "CliText";

const QList<QPair<const char *, const char *>> kCommands = {
    {"defaults", QT_TRANSLATE_NOOP("CliText", "print the start-state settings text")},
    {"load FILE...", QT_TRANSLATE_NOOP("CliText", "load files over the defaults, print the resulting settings text")},
    {"diff A [B]", QT_TRANSLATE_NOOP("CliText", "settings that differ between A and B (or the defaults):\n"
                                                  "bank, key, value in A, value in B, separated by tabs")},
    {"ports", QT_TRANSLATE_NOOP("CliText", "serial ports present and the COMn name each answers to")},
    {"read PORT [-o FILE]", QT_TRANSLATE_NOOP("CliText", "read the device's settings (to FILE or stdout)")},
    {"write PORT FILE", QT_TRANSLATE_NOOP("CliText", "load FILE over the defaults and write both banks to the device")},
    {"flash PORT FIRMWARE", QT_TRANSLATE_NOOP("CliText", "replace the device's firmware through its bootloader\n"
                                                           "(Intel HEX text is checked whole before the port is opened)")},
    {"history", QT_TRANSLATE_NOOP("CliText", "the copies kept of each read and write, newest first:\n"
                                               "time, kind, port, MYCALL of bank 0, file; and their folder")},
    {"changed FILE", QT_TRANSLATE_NOOP("CliText", "load FILE over the defaults, print the settings text of what\n"
                                                    "differs from them (both banks' headers, then their lines)")},
    {"keys [TEXT]", QT_TRANSLATE_NOOP("CliText", "every setting, or those whose key, label, page, help or\n"
                                                   "default contains TEXT: key, type, default, page, label,\n"
                                                   "by tabs")},
    {"help KEY", QT_TRANSLATE_NOOP("CliText", "what a setting does: its key, type, default, page, label,\n"
                                                "unit and help")},
};

const QList<OptionRow> kOptions = {
    {{"o"}, "FILE", QT_TRANSLATE_NOOP("CliText", "where read puts the settings text (checked before the port\n"
                                                   "is opened)")},
    {{"device"}, "PORT", QT_TRANSLATE_NOOP("CliText", "diff: A is the device's settings, read as read does\n"
                                                     "(diff --device PORT [FILE])")},
    {{"partial"}, {}, QT_TRANSLATE_NOOP("CliText", "read: keep a listing that ended early (otherwise exit 1\n"
                                                     "and FILE is left as it was)")},
    {{"verify"}, {}, QT_TRANSLATE_NOOP("CliText", "write: then read the banks back and list each setting that\n"
                                                    "differs (bank, key, written, read back); exit 1 on any")},
    {{"no-history"}, {}, QT_TRANSLATE_NOOP("CliText", "read, write, diff --device: keep no copy in the history")},
    {{"timeout"}, "SECONDS", QT_TRANSLATE_NOOP("CliText", "give up when the operation has not moved on (no new line\n"
                                                            "from the device, no step forward) for this long (default 120)"),
     QT_TRANSLATE_NOOP("CliText", "%1 needs a number of seconds")},
    {{"trace"}, "FILE", QT_TRANSLATE_NOOP("CliText", "record every byte sent and received, with time stamps")},
    {{"v"}, {}, QT_TRANSLATE_NOOP("CliText", "also print the device's last line as it changes, and\n"
                                               "every status as a line (no progress bar)")},
    {{"help", "h"}, {}, QT_TRANSLATE_NOOP("CliText", "print this help"), nullptr, true},
    {{"version"}, {}, QT_TRANSLATE_NOOP("CliText", "print the version"), nullptr, true},
};

QString Help(const CCommandLine &line)
{
    QList<QPair<QString, QString>> commands;
    for (const auto &[name, description] : kCommands)
        commands.append({QString::fromLatin1(name), QCoreApplication::translate(kContext, description)});
    return CliText::tr("Usage: rezar-cli [options] COMMAND [ARGS]\n") + '\n' + CliText::tr("Commands:\n")
           + HelpRows(commands, 27) + '\n' + CliText::tr("Options:\n") + line.OptionsHelp(27) + '\n'
           + CliText::tr("A FILE of - is standard input, -o - standard output.\n")
           + CliText::tr("Exit codes: 0 done, 1 failed, 2 usage error, 3 gave up waiting.\n")
           + CliText::tr("diff: 0 the same, 1 different, 2 trouble, 3 gave up waiting.\n");
}

} // namespace

int UsageError(const std::string &message)
{
    std::cerr << Local(CliText::tr("rezar-cli: %1 (see rezar-cli --help)\n").arg(QString::fromLocal8Bit(message)));
    return ExitUsage;
}

int main(int argc, char *argv[])
{
    UseBinaryStreams();
    QCoreApplication app(argc, argv);
    // The window's names: both keep their history in the same folder.
    QCoreApplication::setOrganizationName(QStringLiteral("Quillwren"));
    QCoreApplication::setApplicationName(QStringLiteral("rezar-config"));

    // Messages follow the user's language; data on stdout never does.
    InstallTranslations();

    CCommandLine line(kContext, kOptions, QT_TRANSLATE_NOOP("CliText", "%1 needs a %2"));
    if (!line.Parse(QCoreApplication::arguments()))
        return UsageError(Local(line.Error()));
    if (line.Stop() == "help") {
        std::cout << Local(Help(line));
        return ExitDone;
    }
    if (line.Stop() == "version") {
        std::cout << "rezar-cli " << REZAR_VERSION << "\n";
        return ExitDone;
    }
    CliOptions options;
    options.verbose = line.IsSet("v");
    options.partial = line.IsSet("partial");
    options.verify = line.IsSet("verify");
    options.noHistory = line.IsSet("no-history");
    // Paths and port names byte for byte as typed: the locale's encoding may not show them all.
    options.outputPath = Typed(argv, line.ValueAt("o"));
    options.devicePort = Typed(argv, line.ValueAt("device"));
    options.tracePath = Typed(argv, line.ValueAt("trace"));
    if (line.IsSet("timeout")) {
        bool ok = false;
        const int seconds = line.Value("timeout").toInt(&ok, 10);
        if (!ok || seconds <= 0 || seconds > 86400)
            return UsageError(Local(CliText::tr("--timeout takes a whole number of seconds from 1 to 86400")));
        options.timeoutSeconds = seconds;
    }
    for (const qsizetype at : line.PositionalAt()) {
        if (options.command.empty())
            options.command = Typed(argv, {at});
        else
            options.args.push_back(Typed(argv, {at}));
    }

    using Command = int (*)(const CliOptions &);
    const std::map<std::string, Command> commands = {
        {"defaults", CmdDefaults}, {"load", CmdLoad},   {"diff", CmdDiff},
        {"ports", CmdPorts},       {"read", CmdRead},   {"write", CmdWrite},
        {"flash", CmdFlash},       {"history", CmdHistory},
        {"changed", CmdChanged},   {"keys", CmdKeys},         {"help", CmdHelp},
    };
    if (options.command.empty())
        return UsageError(Local(CliText::tr("no command given")));
    auto found = commands.find(options.command);
    if (found == commands.end())
        return UsageError(Local(CliText::tr("unknown command %1").arg(QString::fromLocal8Bit(options.command))));
    if (!options.outputPath.empty() && options.command != "read")
        return UsageError(Local(CliText::tr("-o belongs to read")));
    if (options.partial && options.command != "read")
        return UsageError(Local(CliText::tr("--partial belongs to read")));
    if (options.verify && options.command != "write")
        return UsageError(Local(CliText::tr("--verify belongs to write")));
    if (!options.devicePort.empty() && options.command != "diff")
        return UsageError(Local(CliText::tr("--device belongs to diff")));
    if (options.noHistory && options.command != "read" && options.command != "write" && options.devicePort.empty())
        return UsageError(Local(CliText::tr("--no-history belongs to read, write and diff --device")));
    // Standard input can be read once.
    if (std::count(options.args.begin(), options.args.end(), "-") > 1)
        return UsageError(Local(CliText::tr("only one - can read standard input")));
    return found->second(options);
}
