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
    "\n"
    "Options:\n"
    "  -o FILE                  where read puts the settings text\n"
    "  --timeout SECONDS        give up when the device has not answered and the operation\n"
    "                           has not moved on for this long (default 120)\n"
    "  --trace FILE             record every byte sent and received, with time stamps\n"
    "  -v                       also print the device's last line as it changes\n"
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
    QCoreApplication app(argc, argv);

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
        {"flash", CmdFlash},
    };
    if (options.command.empty())
        return UsageError("no command given");
    auto found = commands.find(options.command);
    if (found == commands.end())
        return UsageError("unknown command " + options.command);
    if (!options.outputPath.empty() && options.command != "read")
        return UsageError("-o belongs to read");
    return found->second(options);
}
