// rezar-cli ports, read, write and flash: the Comms page's device link and operation driver,
// ticked from a loop. Each command has a settings model of its own.

#include "DeviceCommands.h"

#include "FileCommands.h"
#include "DeviceLink.h"
#include "LinkText.h"
#include "OperationDriver.h"
#include "Settings.h"
#include "TraceSerialPort.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <algorithm>
#include <cstdio>
#include <iostream>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// Settings lines of a full listing (both banks).
constexpr int kFullListing = 2 * kSettingCount;

// rezar-cli's own words, in the system's encoding for the terminal.
std::string Text(const QString &text)
{
    return LinkText::ToSystem(text);
}

bool IsTerminal(std::FILE *stream)
{
#ifdef Q_OS_UNIX
    return isatty(fileno(stream)) != 0;
#else
    Q_UNUSED(stream);
    return false;
#endif
}

// Status lines on stderr, the debug line too with -v. On a terminal without -v, the lines a
// transfer goes through (settings received or sent, firmware bytes) are one progress line.
class CReporter {
public:
    CReporter(const COperationDriver &driver, const CliOptions &options)
        : m_driver(driver), m_link(driver.Link()), m_bVerbose(options.verbose),
          m_bBar(!options.verbose && IsTerminal(stderr))
    {
    }
    ~CReporter() { EndBar(); }

    // True when something changed.
    bool Update()
    {
        bool changed = false;
        const LinkProgress progress = m_link.Progress();
        const bool transfer = m_bBar && m_driver.InTransfer() && progress.total > 0;
        const std::string status = LinkText::StatusBytes(m_link.Status());
        if (status != m_strStatus) {
            m_strStatus = status;
            changed = true;
            // A transfer's own statuses (each line sent, "Written %d bytes") are the bar's.
            if (!transfer)
                Line(status);
        }
        const std::string debug = LinkText::NoteBytes(m_link.Note());
        if (debug != m_strDebug) {
            m_strDebug = debug;
            changed = true;
            if (m_bVerbose)
                Line("  | " + EscapedBytes(debug));
        }
        if (progress.done != m_progress.done || progress.total != m_progress.total) {
            m_progress = progress;
            changed = true;
            if (transfer)
                DrawBar();
        }
        return changed;
    }
    const std::string &Status() const { return m_strStatus; }
    const std::string &Debug() const { return m_strDebug; }

private:
    void Line(const std::string &text)
    {
        EndBar();
        std::cerr << text << std::endl;
    }
    void DrawBar()
    {
        const int64_t total = std::max<int64_t>(m_progress.total, 1);
        const int64_t percent = std::clamp<int64_t>(m_progress.done * 100 / total, 0, 100);
        constexpr int kWidth = 40;
        const int filled = int(percent * kWidth / 100);
        std::cerr << "\r[" << std::string(size_t(filled), '#') << std::string(size_t(kWidth - filled), '.')
                  << "] " << percent << "%  " << m_progress.done;
        if (m_link.State() == LinkState::LoaderSending)
            std::cerr << Text(QCoreApplication::translate("DeviceCommands", " bytes"));
        else
            std::cerr << Text(QCoreApplication::translate("DeviceCommands", " of %1 lines").arg(m_progress.total));
        std::cerr << "\x1b[K" << std::flush;
        m_bBarShown = true;
    }
    void EndBar()
    {
        if (m_bBarShown)
            std::cerr << "\n";
        m_bBarShown = false;
    }

    const COperationDriver &m_driver;
    const CDeviceLink &m_link;
    bool m_bVerbose;
    bool m_bBar;
    bool m_bBarShown = false;
    std::string m_strStatus;
    std::string m_strDebug;
    LinkProgress m_progress;
};

int ExitCodeFor(LinkOutcome outcome)
{
    return outcome == LinkOutcome::Completed ? ExitDone : ExitFailed;
}

// Where the link's ports come from: the system's, each recorded to the --trace file when one
// was asked for. False when that file cannot be written.
bool MakePorts(const CliOptions &options, PortFactory &ports)
{
    if (options.tracePath.empty())
        return true;
    auto trace = std::make_shared<CTraceFile>();
    if (!trace->Open(options.tracePath, "rezar-cli")) {
        std::cerr << Text(QCoreApplication::translate("DeviceCommands", "rezar-cli: cannot write %1\n")
                              .arg(LinkText::FromSystem(options.tracePath)));
        return false;
    }
    ports = [trace] { return WithTrace(CreateSystemSerialPort(), trace); };
    return true;
}

// Starts an operation through `driver` and ticks it every poll period to its end. Returns the
// exit code.
template <typename Start>
int RunOperation(const CliOptions &options, COperationDriver &driver, const std::string &port, Start start,
                 std::string *pSummary = nullptr)
{
    CDeviceLink &link = driver.Link();
    CReporter report(driver, options);
    const bool started = start();
    report.Update();
    if (!started) {
        const PortError &error = link.LastOpenError();
        if (error.kind != PortErrorKind::None) {
            std::cerr << "rezar-cli: " << DescribeOpenFailure(port, error);
            if (error.kind == PortErrorKind::NotFound && error.path.empty())
                std::cerr << Text(QCoreApplication::translate("DeviceCommands", " (see rezar-cli ports)"));
            std::cerr << "\n";
        }
        else if (link.Note().kind != LinkNoteKind::None && !options.verbose)
            std::cerr << "rezar-cli: " << LinkText::NoteBytes(link.Note()) << "\n";
    }

    // Patience counts from the last step forward: a state reached, a new status or note,
    // progress. Bytes that keep arriving without making a line are no progress.
    const int64_t patiencePolls = int64_t(options.timeoutSeconds) * 1000 / CDeviceLink::kPollMilliseconds;
    int exitCode = ExitCodeFor(link.Outcome());
    if (!driver.RunToEnd(std::max<int64_t>(1, patiencePolls), COperationDriver::PollPace(), [&] { report.Update(); })) {
        std::cerr << Text(QCoreApplication::translate("DeviceCommands", "rezar-cli: gave up waiting after %1 s; last status: %2\n")
                              .arg(options.timeoutSeconds)
                              .arg(LinkText::FromSystem(report.Status())));
        exitCode = ExitTimeout;
    } else {
        exitCode = ExitCodeFor(link.Outcome());
    }
    if (pSummary)
        *pSummary = report.Debug();
    link.ClosePort();
    if (!driver.HistoryError().isEmpty())
        std::cerr << Text(QCoreApplication::translate("DeviceCommands", "rezar-cli: warning: no history kept: %1\n").arg(driver.HistoryError()));
    return exitCode;
}

// Whether `path` can take the settings text, asked before the port is opened so that a read
// is never thrown away: its folder exists and accepts a new file, and it is no folder itself.
bool CheckOutputWritable(const std::string &path, std::string &reason)
{
    const QFileInfo target(QString::fromLocal8Bit(path.c_str()));
    const QFileInfo folder(target.absolutePath());
    if (target.isDir()) {
        reason = "is a folder, not a file";
        return false;
    }
    if (!folder.exists()) {
        reason = "no folder " + QDir::toNativeSeparators(folder.filePath()).toLocal8Bit().toStdString();
        return false;
    }
    if (!folder.isDir()) {
        reason = QDir::toNativeSeparators(folder.filePath()).toLocal8Bit().toStdString() + " is not a folder";
        return false;
    }
    if (target.exists() && !target.isWritable()) {
        reason = "the file is not writable";
        return false;
    }
    // The file is replaced through a new file beside it, so the folder must take one.
    QTemporaryFile probe(QDir(folder.absoluteFilePath()).filePath(QStringLiteral(".rezar-cli-XXXXXX")));
    if (!probe.open()) {
        reason = probe.errorString().toLocal8Bit().toStdString();
        return false;
    }
    return true;
}

} // namespace

int CmdPorts(const CliOptions &options)
{
    if (!options.args.empty())
        return UsageError("ports takes no arguments");
    const std::vector<PortListing> ports = ListSerialPorts();
    if (ports.empty())
        std::cerr << "no serial ports found (a port can still be named by its path)\n";
    std::string out;
    for (const PortListing &port : ports) {
        out += port.comName + "\t" + port.path;
        if (!port.description.empty())
            out += "\t" + port.description;
        out += "\n";
    }
    return WriteStdout(out) ? ExitDone : ExitFailed;
}

namespace {

// A read of the device's settings into `settings` as the read command makes it: the link's
// read, the history kept unless --no-history, a listing that ended early refused unless
// --partial. Returns read's exit code.
int ReadDevice(const CliOptions &options, const std::string &port, CSettings &settings)
{
    PortFactory ports;
    if (!MakePorts(options, ports))
        return ExitFailed;
    CDeviceLink link(settings, ports);
    COperationDriver driver(link, settings);
    // A listing that ended early is kept only when it is taken (--partial).
    driver.SetHistory(!options.noHistory, options.partial);
    std::string summary;
    const int result = RunOperation(options, driver, port, [&] { return driver.StartRead(port); }, &summary);
    if (result != ExitDone)
        return result;
    if (!options.verbose)
        std::cerr << summary << "\n";
    const int32_t missing = link.SettingsMissing();
    if (missing > 0 && !options.partial) {
        // diff has no --partial: half a listing would show differences the device does not have.
        const QString message = options.command == "diff"
            ? QCoreApplication::translate("DeviceCommands", "rezar-cli: the listing ended early: %1 of %2 settings received; "
                                                            "nothing compared\n")
            : QCoreApplication::translate("DeviceCommands", "rezar-cli: the listing ended early: %1 of %2 settings received; "
                                                            "nothing kept (--partial keeps them)\n");
        std::cerr << Text(message.arg(kFullListing - missing).arg(kFullListing));
        return ExitFailed;
    }
    return ExitDone;
}

} // namespace

int CmdRead(const CliOptions &options)
{
    if (options.args.size() != 1)
        return UsageError("read needs PORT");
    const std::string &port = options.args[0];
    // "-o -" is standard output, as without -o: the messages go to stderr either way.
    const bool toFile = !options.outputPath.empty() && options.outputPath != "-";
    if (toFile) {
        std::string reason;
        if (!CheckOutputWritable(options.outputPath, reason)) {
            std::cerr << Text(QCoreApplication::translate("DeviceCommands", "rezar-cli: cannot write %1: %2\n")
                                  .arg(LinkText::FromSystem(options.outputPath), LinkText::FromSystem(reason)));
            return ExitFailed;
        }
    }
    CSettings settings;
    const int result = ReadDevice(options, port, settings);
    if (result != ExitDone)
        return result;
    if (toFile) {
        if (settings.SaveFile(options.outputPath) != 0) {
            std::cerr << Text(QCoreApplication::translate("DeviceCommands", "rezar-cli: cannot write %1\n").arg(LinkText::FromSystem(options.outputPath)));
            return ExitFailed;
        }
        return ExitDone;
    }
    return WriteStdout(settings.SettingsText()) ? ExitDone : ExitFailed;
}

int DiffWithDevice(const CliOptions &options)
{
    // The file first: a file that cannot be read is known before the device is woken.
    CSettings file;
    std::string summary;
    if (!options.args.empty()) {
        if (!LoadSettingsFile(file, options.args[0], summary))
            return DiffTrouble;
    }
    CSettings device;
    const int result = ReadDevice(options, options.devicePort, device);
    if (result != ExitDone)
        return result == ExitTimeout ? int(ExitTimeout) : int(DiffTrouble);
    return PrintDifferences(device, file);
}

int CmdWrite(const CliOptions &options)
{
    if (options.args.size() != 2)
        return UsageError("write needs PORT and FILE");
    const std::string &port = options.args[0];
    CSettings settings;
    std::string summary;
    if (!LoadSettingsFile(settings, options.args[1], summary))
        return ExitFailed;
    std::cerr << options.args[1] << ": " << summary << "\n";
    PortFactory ports;
    if (!MakePorts(options, ports))
        return ExitFailed;
    CDeviceLink link(settings, ports);
    COperationDriver driver(link, settings);
    driver.SetHistory(!options.noHistory);
    CSettings readBack;
    const int result = RunOperation(options, driver, port, [&] {
        return driver.StartWrite(port, options.verify ? &readBack : nullptr);
    });
    if (result != ExitDone || !options.verify)
        return result;

    // Each setting as written against what the device listed back.
    const std::string differences = DifferenceLines(settings, readBack);
    const int32_t missing = link.SettingsMissing();
    const int count = int(std::count(differences.begin(), differences.end(), '\n'));
    if (!WriteStdout(differences))
        return ExitFailed;
    if (missing > 0)
        std::cerr << Text(QCoreApplication::translate("DeviceCommands", "rezar-cli: verify: %1 of %2 settings not read back\n")
                              .arg(missing)
                              .arg(kFullListing));
    if (count > 0)
        std::cerr << Text((count == 1 ? QCoreApplication::translate("DeviceCommands", "rezar-cli: verify: %1 setting read back differs from "
                                                             "what was written (bank, key, written, read back)\n")
                                      : QCoreApplication::translate("DeviceCommands", "rezar-cli: verify: %1 settings read back differ from "
                                                             "what was written (bank, key, written, read back)\n"))
                              .arg(count));
    if (missing > 0 || count > 0)
        return ExitFailed;
    std::cerr << Text(QCoreApplication::translate("DeviceCommands", "Verified: the device holds what was written\n"));
    return ExitDone;
}

int CmdFlash(const CliOptions &options)
{
    if (options.args.size() != 2)
        return UsageError("flash needs PORT and FIRMWARE");
    const std::string &port = options.args[0];
    const std::string &firmware = options.args[1];
    PortFactory ports;
    if (!MakePorts(options, ports))
        return ExitFailed;
    // The settings are not touched by a firmware load; the link needs a model all the same.
    CSettings settings;
    CDeviceLink link(settings, ports);
    COperationDriver driver(link, settings);
    return RunOperation(options, driver, port, [&] { return driver.StartFirmware(port, firmware); });
}
