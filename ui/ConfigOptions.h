#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// What rezar-config's command line asked of the window. main() fills g_configOptions before the
// window opens and hands the Comms page its part (CommsOptions); no page reads it.
struct ConfigOptions {
    QString port;   // --port NAME: the port the Comms page's port box starts with
    QString trace;  // --trace FILE: where the link records every byte, as rezar-cli --trace does
    QString language;  // --lang LANGUAGE: the window's language instead of the locale's ("de", "en")
};
inline ConfigOptions g_configOptions;

// rezar-config's command line, read before there is a QApplication so that help, version and
// usage errors need no display. Its own options are taken off; everything else (Qt's -platform,
// -style and the like) is left in qtArgv for QApplication.
struct ConfigCommandLine {
    enum Action { Run, Help, Version, UsageError };
    Action action = Run;
    ConfigOptions options;
    QString error;             // UsageError: what was wrong, for one line on stderr
    int qtArgc = 0;            // QApplication adjusts it when it takes its own options off
    std::vector<char *> qtArgv; // the program name and what was not ours, then a null
};

ConfigCommandLine ParseConfigCommandLine(int argc, char *argv[]);
// What QApplication left over of qtArgv (past the program name) is not an option of either.
// Returns the usage error for the first one, or an empty text when nothing is left.
QString LeftoverArgumentError(const QStringList &leftover);

// --help: in the language of the translations installed.
QString ConfigUsage();

// Exit codes: 0 the window was closed, 1 it could not start, 2 usage error.
enum ConfigExit { ConfigExitDone = 0, ConfigExitCannotStart = 1, ConfigExitUsage = 2 };
