#pragma once

#include <QCoreApplication>

#include <string>
#include <vector>

// What the command line asked for, after the options common to all commands were taken off.
struct CliOptions {
    std::string command;
    std::vector<std::string> args;  // the command's own arguments, in order
    std::string outputPath;         // -o FILE ("-": standard output)
    std::string devicePort;         // --device PORT: diff compares the device's settings
    std::string tracePath;          // --trace FILE
    int timeoutSeconds = 120;       // --timeout SECONDS
    bool verbose = false;           // -v
    bool partial = false;           // --partial: read keeps a listing that ended early
    bool verify = false;            // --verify: write reads the banks back and compares
    bool noHistory = false;         // --no-history: read and write keep no copy
};

// The translation context of rezar-cli's messages: CliText::tr("..."). Its data output (settings
// text, diff, keys rows) is never translated.
struct CliText {
    Q_DECLARE_TR_FUNCTIONS(CliText)
};

// A message for the terminal, in the locale's encoding.
inline std::string Local(const QString &text)
{
    return text.toLocal8Bit().toStdString();
}

// Exit codes shared by every command.
enum CliExit { ExitDone = 0, ExitFailed = 1, ExitUsage = 2, ExitTimeout = 3 };
// diff's, as diff(1) has them, so that a script can ask whether two are the same; trouble with
// a file or the device, or the command line, is 2 there, and giving up waiting is 3 as above.
enum DiffExit { DiffSame = 0, DiffDiffers = 1, DiffTrouble = 2 };

// A settings text from standard input or a pipe is read up to this many bytes: a stream has
// no size to check first, and no settings text comes near it.
constexpr long long kMaxStreamBytes = 16 * 1024 * 1024;

// One-line usage error on stderr; returns ExitUsage.
int UsageError(const std::string &message);
