// rezar-cli ports, read, write and flash: the Comms page's device link, polled from a loop.

#include "DeviceCommands.h"

#include "FileCommands.h"
#include "DeviceLink.h"
#include "History.h"
#include "Settings.h"
#include "TraceSerialPort.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <iostream>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// Settings lines of a full listing (both banks).
constexpr int kFullListing = 2 * kSettingCount;

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
    CReporter(const CDeviceLink &link, const CliOptions &options)
        : m_link(link), m_bVerbose(options.verbose), m_bBar(!options.verbose && IsTerminal(stderr))
    {
    }
    ~CReporter() { EndBar(); }

    // True when something changed.
    bool Update()
    {
        bool changed = false;
        const LinkProgress progress = m_link.Progress();
        const bool transfer = m_bBar && InTransfer() && progress.total > 0;
        const std::string status = m_link.GetStatus();
        if (status != m_strStatus) {
            m_strStatus = status;
            changed = true;
            // A transfer's own statuses (each line sent, "Written %d bytes") are the bar's.
            if (!transfer)
                Line(status);
        }
        const std::string debug = m_link.GetStatusDebug();
        if (debug != m_strDebug) {
            m_strDebug = debug;
            changed = true;
            if (m_bVerbose)
                Line("  | " + EscapedBytes(TrimLineEnd(debug)));
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
    bool InTransfer() const
    {
        const LinkState state = m_link.State();
        return state == LinkState::ReadReceiving || state == LinkState::WriteSending
               || state == LinkState::LoaderSending;
    }
    static std::string TrimLineEnd(std::string text)
    {
        while (!text.empty() && (text.back() == '\r' || text.back() == '\n'))
            text.pop_back();
        return text;
    }
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
            std::cerr << " bytes";
        else
            std::cerr << " of " << m_progress.total << " lines";
        std::cerr << "\x1b[K" << std::flush;
        m_bBarShown = true;
    }
    void EndBar()
    {
        if (m_bBarShown)
            std::cerr << "\n";
        m_bBarShown = false;
    }

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

// Starts an operation on `link` and polls it every poll period to its end. Returns the exit code.
template <typename Start>
int RunOperation(const CliOptions &options, CDeviceLink &link, const std::string &port, Start start,
                 std::string *pSummary = nullptr)
{
    if (!options.tracePath.empty()) {
        auto trace = std::make_shared<CTraceFile>();
        if (!trace->Open(options.tracePath, "rezar-cli")) {
            std::cerr << "rezar-cli: cannot write " << options.tracePath << "\n";
            return ExitFailed;
        }
        CDeviceLink::SetPortFactory([trace] { return WithTrace(CreateSystemSerialPort(), trace); });
    }

    CReporter report(link, options);
    const bool started = start();
    report.Update();
    if (!started) {
        const PortError &error = link.LastOpenError();
        if (error.kind != PortErrorKind::None) {
            std::cerr << "rezar-cli: " << DescribeOpenFailure(port, error);
            if (error.kind == PortErrorKind::NotFound && error.path.empty())
                std::cerr << " (see rezar-cli ports)";
            std::cerr << "\n";
        }
        else if (!link.GetStatusDebug().empty() && !options.verbose)
            std::cerr << "rezar-cli: " << link.GetStatusDebug() << "\n";
    }

    // Patience counts from the last step forward: a state reached, a line handled, a byte
    // on the line. Bytes that keep arriving without making a line are no progress.
    const qint64 patienceMs = qint64(options.timeoutSeconds) * 1000;
    QElapsedTimer clock, quiet;
    clock.start();
    quiet.start();
    qint64 nextPoll = 0;
    LinkState state = link.State();
    int exitCode = ExitFailed;
    for (;;) {
        if (!link.IsRunning()) {
            exitCode = ExitCodeFor(link.Outcome());
            break;
        }
        if (quiet.elapsed() >= patienceMs) {
            std::cerr << "rezar-cli: gave up waiting after " << options.timeoutSeconds
                      << " s; last status: " << report.Status() << "\n";
            exitCode = ExitTimeout;
            break;
        }
        const qint64 wait = nextPoll - clock.elapsed();
        if (wait > 0)
            QThread::msleep(static_cast<unsigned long>(wait));
        // A poll that overran is not caught up with a burst of polls.
        nextPoll = std::max(nextPoll + CDeviceLink::kPollMilliseconds, clock.elapsed());
        link.Poll();
        if (report.Update() || link.State() != state)
            quiet.restart();
        state = link.State();
    }
    if (pSummary)
        *pSummary = report.Debug();
    link.ClosePort();
    CDeviceLink::SetPortFactory(nullptr);
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

// Keeps a copy of what the device holds or was given; a failure is only a warning.
void KeepHistory(const CliOptions &options, const CSettings &settings, const char *kind, const std::string &port)
{
    if (options.noHistory)
        return;
    QString error;
    if (RecordHistory(settings, QString::fromLatin1(kind), QString::fromLocal8Bit(port.c_str()), &error).isEmpty())
        std::cerr << "rezar-cli: warning: no history kept: " << error.toLocal8Bit().constData() << "\n";
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

int CmdRead(const CliOptions &options)
{
    if (options.args.size() != 1)
        return UsageError("read needs PORT");
    const std::string &port = options.args[0];
    if (!options.outputPath.empty()) {
        std::string reason;
        if (!CheckOutputWritable(options.outputPath, reason)) {
            std::cerr << "rezar-cli: cannot write " << options.outputPath << ": " << reason << "\n";
            return ExitFailed;
        }
    }
    std::string summary;
    CDeviceLink link(g_settings);
    const int result = RunOperation(options, link, port, [&] { return link.StartRead(port); }, &summary);
    if (result != ExitDone)
        return result;
    if (!options.verbose)
        std::cerr << summary << "\n";
    const int32_t missing = link.SettingsMissing();
    if (missing > 0 && !options.partial) {
        std::cerr << "rezar-cli: the listing ended early: " << (kFullListing - missing) << " of " << kFullListing
                  << " settings received; nothing kept (--partial keeps them)\n";
        return ExitFailed;
    }
    KeepHistory(options, g_settings, "read", port);
    if (!options.outputPath.empty()) {
        if (g_settings.SaveFile(options.outputPath) != 0) {
            std::cerr << "rezar-cli: cannot write " << options.outputPath << "\n";
            return ExitFailed;
        }
        return ExitDone;
    }
    return WriteStdout(g_settings.SettingsText()) ? ExitDone : ExitFailed;
}

int CmdWrite(const CliOptions &options)
{
    if (options.args.size() != 2)
        return UsageError("write needs PORT and FILE");
    const std::string &port = options.args[0];
    std::string summary;
    if (!LoadSettingsFile(options.args[1], summary))
        return ExitFailed;
    std::cerr << options.args[1] << ": " << summary << "\n";
    CDeviceLink link(g_settings);
    CSettings readBack;
    const int result = RunOperation(options, link, port, [&] {
        return link.StartWrite(port, options.verify ? &readBack : nullptr);
    });
    if (result != ExitDone)
        return result;
    KeepHistory(options, g_settings, "written", port);
    if (!options.verify)
        return ExitDone;

    // Each setting as written against what the device listed back.
    const std::string differences = DifferenceLines(g_settings, readBack);
    const int32_t missing = link.SettingsMissing();
    const long count = long(std::count(differences.begin(), differences.end(), '\n'));
    if (!WriteStdout(differences))
        return ExitFailed;
    if (missing > 0)
        std::cerr << "rezar-cli: verify: " << missing << " of " << kFullListing << " settings not read back\n";
    if (count > 0)
        std::cerr << "rezar-cli: verify: " << count
                  << (count == 1 ? " setting read back differs" : " settings read back differ")
                  << " from what was written (bank, key, written, read back)\n";
    if (missing > 0 || count > 0)
        return ExitFailed;
    std::cerr << "Verified: the device holds what was written\n";
    return ExitDone;
}

int CmdFlash(const CliOptions &options)
{
    if (options.args.size() != 2)
        return UsageError("flash needs PORT and FIRMWARE");
    const std::string &port = options.args[0];
    const std::string &firmware = options.args[1];
    CDeviceLink link(g_settings);
    return RunOperation(options, link, port, [&] { return link.StartFirmware(port, firmware); });
}
