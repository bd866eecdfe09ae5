// rezar-config: the window.

#include "App.h"
#include "CommsPage.h"
#include "ConfigOptions.h"
#include "Translations.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

namespace {

QtMessageHandler g_previousHandler = nullptr;

// Installed while the QApplication is made: a platform that cannot start (no display, no
// plugin) is a fatal message there, and the program ends with Qt's reason and status 1 rather
// than an abort.
void CannotStartHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtFatalMsg) {
        if (g_previousHandler)
            g_previousHandler(type, context, message);
        else
            std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
        return;
    }
    std::fprintf(stderr, "%s\nrezar-config: the window cannot start\n", qPrintable(message));
    std::fflush(stderr);
    std::_Exit(ConfigExitCannotStart);
}

int UsageError(const QString &message)
{
    const QString line = QCoreApplication::translate("ConfigText", "rezar-config: %1 (see rezar-config --help)\n");
    std::fputs(line.arg(message).toLocal8Bit().constData(), stderr);
    return ConfigExitUsage;
}

// Help, version and usage errors need no display: a core application carries the translations
// while the command line is read again, so that its texts come in the user's language.
int AnswerWithoutWindow(int argc, char *argv[], const QString &language)
{
    QCoreApplication core(argc, argv);
    InstallTranslations(language);
    const ConfigCommandLine commandLine = ParseConfigCommandLine(argc, argv);
    switch (commandLine.action) {
    case ConfigCommandLine::Help:
        std::fputs(ConfigUsage().toLocal8Bit().constData(), stdout);
        return ConfigExitDone;
    case ConfigCommandLine::Version:
        std::printf("rezar-config %s\n", REZAR_VERSION);
        return ConfigExitDone;
    case ConfigCommandLine::UsageError:
    case ConfigCommandLine::Run:
        break;
    }
    return UsageError(commandLine.error);
}

} // namespace

int main(int argc, char *argv[])
{
    ConfigCommandLine commandLine = ParseConfigCommandLine(argc, argv);
    if (commandLine.action != ConfigCommandLine::Run)
        return AnswerWithoutWindow(argc, argv, commandLine.options.language);

    g_previousHandler = qInstallMessageHandler(CannotStartHandler);
    QApplication app(commandLine.qtArgc, commandLine.qtArgv.data());
    qInstallMessageHandler(g_previousHandler);
    // The window follows the user's locale (LANGUAGE included) unless --lang says otherwise.
    InstallTranslations(commandLine.options.language);
    QStringList leftover;
    for (int i = 1; i < commandLine.qtArgc; ++i)
        leftover << QString::fromLocal8Bit(commandLine.qtArgv[i]);
    if (const QString error = LeftoverArgumentError(leftover); !error.isEmpty())
        return UsageError(error);
    g_configOptions = commandLine.options;
    g_theApp.m_comms.port = g_configOptions.port;
    // --trace: every port the window's link opens records its bytes, as rezar-cli --trace does.
    if (QString error; !g_configOptions.trace.isEmpty()
                       && !CCommsPage::TraceTo(g_configOptions.trace, &g_theApp.m_comms.ports, &error)) {
        std::fprintf(stderr, "rezar-config: %s\n", error.toLocal8Bit().constData());
        return ConfigExitCannotStart;
    }

    QApplication::setApplicationName("rezar-config");
    QApplication::setApplicationVersion(REZAR_VERSION);
    // The desktop entry, the icon and the metainfo share this id; desktops match the window to
    // them by it.
    QGuiApplication::setDesktopFileName(REZAR_APP_ID);
    QApplication::setWindowIcon(AppIcon());
    g_theApp.InitInstance();
    return ConfigExitDone;
}
