#include "ConfigOptions.h"

#include <cstring>

const char kConfigUsage[] =
    "Usage: rezar-config [options]\n"
    "\n"
    "The Quillwren Rezar configuration window.\n"
    "\n"
    "Options:\n"
    "  --port NAME              the port the Comms page starts with: a device path, a bare\n"
    "                           name (ttyUSB0) or COMn\n"
    "  --trace FILE             record every byte sent and received, with time stamps\n"
    "  --help, --version\n"
    "\n"
    "Qt's own options (-platform, -style and the like) are taken as well.\n"
    "\n"
    "Exit codes: 0 the window was closed, 1 it could not start, 2 usage error.\n";

ConfigCommandLine ParseConfigCommandLine(int argc, char *argv[])
{
    ConfigCommandLine line;
    auto usage = [&](const QString &message) {
        line.action = ConfigCommandLine::UsageError;
        line.error = message;
        return line;
    };
    if (argc > 0)
        line.qtArgv.push_back(argv[0]);
    for (int i = 1; i < argc; ++i) {
        const char *arg = argv[i];
        QString *value = std::strcmp(arg, "--port") == 0    ? &line.options.port
                         : std::strcmp(arg, "--trace") == 0 ? &line.options.trace
                                                            : nullptr;
        if (value) {
            if (i + 1 >= argc)
                return usage(QString::fromLocal8Bit(arg) +
                             (value == &line.options.port ? " needs a NAME" : " needs a FILE"));
            *value = QString::fromLocal8Bit(argv[++i]);
        } else if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            line.action = ConfigCommandLine::Help;
            return line;
        } else if (std::strcmp(arg, "--version") == 0) {
            line.action = ConfigCommandLine::Version;
            return line;
        } else if (std::strncmp(arg, "--", 2) == 0) {
            // Qt's options take one dash; every long option is ours.
            return usage("unknown option " + QString::fromLocal8Bit(arg));
        } else {
            line.qtArgv.push_back(argv[i]);
        }
    }
    line.qtArgc = int(line.qtArgv.size());
    line.qtArgv.push_back(nullptr);
    return line;
}

QString LeftoverArgumentError(const QStringList &leftover)
{
    if (leftover.isEmpty())
        return {};
    const QString &first = leftover.first();
    return (first.startsWith('-') ? "unknown option " : "unexpected argument ") + first;
}
