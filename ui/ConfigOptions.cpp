#include "ConfigOptions.h"

#include "CommandLine.h"

#include <QCoreApplication>

namespace {

// The translation context of the command line's texts.
struct ConfigText {
    Q_DECLARE_TR_FUNCTIONS(ConfigText)
};

const QList<OptionRow> kOptions = {
    {{"port"}, "NAME", QT_TRANSLATE_NOOP("ConfigText", "the port the Comms page starts with: a device path, a bare\n"
                                                       "name (ttyUSB0) or COMn")},
    {{"trace"}, "FILE", QT_TRANSLATE_NOOP("ConfigText", "record every byte sent and received, with time stamps")},
    {{"lang"}, "LANGUAGE", QT_TRANSLATE_NOOP("ConfigText", "the window's language (de, en) instead of the locale's")},
    {{"help", "h"}, {}, QT_TRANSLATE_NOOP("ConfigText", "print this help"), nullptr, true},
    {{"version"}, {}, QT_TRANSLATE_NOOP("ConfigText", "print the version"), nullptr, true},
};

CCommandLine MakeCommandLine()
{
    return CCommandLine("ConfigText", kOptions, QT_TRANSLATE_NOOP("ConfigText", "%1 needs a %2"));
}

} // namespace

QString ConfigUsage()
{
    return ConfigText::tr("Usage: rezar-config [options]\n") + '\n'
           + ConfigText::tr("The Quillwren Rezar configuration window.\n") + '\n' + ConfigText::tr("Options:\n")
           + MakeCommandLine().OptionsHelp(27) + '\n'
           + ConfigText::tr("Qt's own options (-platform, -style and the like) are taken as well.\n") + '\n'
           + ConfigText::tr("Exit codes: 0 the window was closed, 1 it could not start, 2 usage error.\n");
}

ConfigCommandLine ParseConfigCommandLine(int argc, char *argv[])
{
    ConfigCommandLine line;
    CCommandLine parser = MakeCommandLine();
    // Qt's options take one dash: every long option (and -h) is ours, with the value after it;
    // the rest goes to QApplication as it came.
    QStringList ours{QStringLiteral("rezar-config")};
    if (argc > 0)
        line.qtArgv.push_back(argv[0]);
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (!arg.startsWith(QLatin1String("--")) && arg != QLatin1String("-h")) {
            line.qtArgv.push_back(argv[i]);
            continue;
        }
        ours << arg;
        if (parser.TakesNextValue(arg) && i + 1 < argc)
            ours << QString::fromLocal8Bit(argv[++i]);
    }
    line.qtArgc = int(line.qtArgv.size());
    line.qtArgv.push_back(nullptr);
    const bool parsed = parser.Parse(ours);
    line.options.port = parser.Value("port");
    line.options.trace = parser.Value("trace");
    // Known even beside a usage error, which is then told in that language.
    line.options.language = parser.Value("lang");
    if (!parsed) {
        line.action = ConfigCommandLine::UsageError;
        line.error = parser.Error();
        return line;
    }
    if (parser.Stop() == QLatin1String("help"))
        line.action = ConfigCommandLine::Help;
    else if (parser.Stop() == QLatin1String("version"))
        line.action = ConfigCommandLine::Version;
    return line;
}

QString LeftoverArgumentError(const QStringList &leftover)
{
    if (leftover.isEmpty())
        return {};
    const QString &first = leftover.first();
    return first.startsWith('-') ? QCoreApplication::translate("CommandLine", "unknown option %1").arg(first)
                                 : QCoreApplication::translate("CommandLine", "unexpected argument %1").arg(first);
}
