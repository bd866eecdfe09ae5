// rezar-cli: the settings model and the device link, driven from a terminal.

#include "CliOptions.h"
#include "DeviceCommands.h"
#include "FileCommands.h"

#include <QCoreApplication>

#include <cstring>
#include <iostream>
#include <map>

namespace {

const char kUsage[] =
    "Usage: rezar-cli [options] COMMAND [ARGS]\n"
    "\n"
    "Commands:\n"
    "  defaults                 print the start-state settings text\n"
    "  load FILE...             load files over the defaults, print the resulting settings text\n"
    "  diff A [B]               settings that differ between A and B (or the defaults):\n"
    "                           bank, key, value in A, value in B, separated by tabs\n"
    "  ports                    serial ports present and the COMn name each answers to\n"
    "  read PORT [-o FILE]      read the device's settings (to FILE or stdout)\n"
    "  write PORT FILE          load FILE over the defaults and write both banks to the device\n"
    "  flash PORT FIRMWARE      replace the device's firmware through its bootloader\n"
    "                           (Intel HEX text is checked whole before the port is opened)\n"
    "  history                  the copies kept of each read and write, newest first:\n"
    "                           time, kind, port, MYCALL of bank 0, file; and their folder\n"
    "\n"
    "Options:\n"
    "  -o FILE                  where read puts the settings text (checked before the port\n"
    "                           is opened)\n"
    "  --partial                read: keep a listing that ended early (otherwise exit 1\n"
    "                           and FILE is left as it was)\n"
    "  --verify                 write: then read the banks back and list each setting that\n"
    "                           differs (bank, key, written, read back); exit 1 on any\n"
    "  --no-history             read, write: keep no copy in the history\n"
    "  --timeout SECONDS        give up when the operation has not moved on (no new line\n"
    "                           from the device, no step forward) for this long (default 120)\n"
    "  --trace FILE             record every byte sent and received, with time stamps\n"
    "  -v                       also print the device's last line as it changes, and\n"
    "                           every status as a line (no progress bar)\n"
    "  --help, --version\n"
    "\n"
    "Exit codes: 0 done, 1 failed, 2 usage error, 3 gave up waiting.\n";

} // namespace

int UsageError(const std::string &message)
{
    std::cerr << "rezar-cli: " << message << " (see rezar-cli --help)\n";
    return ExitUsage;
}

int main(int argc, char *argv[])
{
    UseBinaryOutput();
    QCoreApplication app(argc, argv);
    // The window's names: both keep their history in the same folder.
    QCoreApplication::setOrganizationName(QStringLiteral("Quillwren"));
    QCoreApplication::setApplicationName(QStringLiteral("rezar-config"));

    CliOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](std::string &into) {
            if (i + 1 >= argc)
                return false;
            into = argv[++i];
            return true;
        };
        if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return ExitDone;
        } else if (arg == "--version") {
            std::cout << "rezar-cli " << REZAR_VERSION << "\n";
            return ExitDone;
        } else if (arg == "-v") {
            options.verbose = true;
        } else if (arg == "--partial") {
            options.partial = true;
        } else if (arg == "--verify") {
            options.verify = true;
        } else if (arg == "--no-history") {
            options.noHistory = true;
        } else if (arg == "-o") {
            if (!value(options.outputPath))
                return UsageError("-o needs a FILE");
        } else if (arg == "--trace") {
            if (!value(options.tracePath))
                return UsageError("--trace needs a FILE");
        } else if (arg == "--timeout") {
            std::string text;
            if (!value(text))
                return UsageError("--timeout needs a number of seconds");
            char *end = nullptr;
            long seconds = std::strtol(text.c_str(), &end, 10);
            if (text.empty() || *end != '\0' || seconds <= 0 || seconds > 86400)
                return UsageError("--timeout takes a whole number of seconds from 1 to 86400");
            options.timeoutSeconds = int(seconds);
        } else if (arg.size() > 1 && arg[0] == '-') {
            return UsageError("unknown option " + arg);
        } else if (options.command.empty()) {
            options.command = arg;
        } else {
            options.args.push_back(arg);
        }
    }

    using Command = int (*)(const CliOptions &);
    const std::map<std::string, Command> commands = {
        {"defaults", CmdDefaults}, {"load", CmdLoad},   {"diff", CmdDiff},
        {"ports", CmdPorts},       {"read", CmdRead},   {"write", CmdWrite},
        {"flash", CmdFlash},       {"history", CmdHistory},
    };
    if (options.command.empty())
        return UsageError("no command given");
    auto found = commands.find(options.command);
    if (found == commands.end())
        return UsageError("unknown command " + options.command);
    if (!options.outputPath.empty() && options.command != "read")
        return UsageError("-o belongs to read");
    if (options.partial && options.command != "read")
        return UsageError("--partial belongs to read");
    if (options.verify && options.command != "write")
        return UsageError("--verify belongs to write");
    if (options.noHistory && options.command != "read" && options.command != "write")
        return UsageError("--no-history belongs to read and write");
    return found->second(options);
}
