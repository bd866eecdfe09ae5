// rezar-cli ports, read, write and flash: the Comms page's device link, polled from a loop.

#include "DeviceCommands.h"

#include "FileCommands.h"
#include "DeviceLink.h"
#include "Settings.h"
#include "TraceSerialPort.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <iostream>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

bool IsTerminal(std::FILE *stream)
{
#ifdef Q_OS_UNIX
    return isatty(fileno(stream)) != 0;
#else
    Q_UNUSED(stream);
    return false;
#endif
}

// What the system says about a port that did not open, with what the user can do about it.
void ExplainOpenFailure(const CDeviceLink &link, const std::string &port)
{
    const PortError &error = link.LastOpenError();
    const std::string where = error.path.empty() || error.path == port ? port : port + " (" + error.path + ")";
    std::cerr << "rezar-cli: " << where << ": ";
    switch (error.kind) {
    case PortErrorKind::NotFound:
        std::cerr << "no such port";
        if (error.path.empty())
            std::cerr << "; " << ListSerialPorts().size() << " serial ports present (see rezar-cli ports)";
        break;
    case PortErrorKind::Permission: {
        std::cerr << error.text;
        const QString group = QFileInfo(QString::fromLocal8Bit(error.path.c_str())).group();
        if (!group.isEmpty())
            std::cerr << "; you may need to be in the group '" << group.toLocal8Bit().constData()
                      << "' that owns the port (then log in again)";
        break;
    }
    case PortErrorKind::Busy:
        std::cerr << "busy: another program holds the port";
        if (!error.text.empty())
            std::cerr << " (" << error.text << ")";
        break;
    default:
        std::cerr << (error.text.empty() ? "cannot open" : error.text);
        break;
    }
    std::cerr << "\n";
}

// Status lines on stderr, the debug line too with -v; a bar for a firmware transfer on a terminal.
class CReporter {
public:
    CReporter(const CDeviceLink &link, const CliOptions &options, bool progressBar)
        : m_link(link), m_bVerbose(options.verbose), m_bBar(progressBar && IsTerminal(stderr))
    {
    }
    ~CReporter() { EndBar(); }

    // True when something changed.
    bool Update()
    {
        bool changed = false;
        const std::string status = m_link.GetStatus();
        if (status != m_strStatus) {
            m_strStatus = status;
            changed = true;
            if (m_bBar && status.rfind("Written ", 0) == 0)
                DrawBar();
            else
                Line(status);
        }
        const std::string debug = m_link.GetStatusDebug();
        if (debug != m_strDebug) {
            m_strDebug = debug;
            changed = true;
            if (m_bVerbose)
                Line("  | " + EscapedBytes(TrimLineEnd(debug)));
        }
        return changed;
    }
    const std::string &Status() const { return m_strStatus; }
    const std::string &Debug() const { return m_strDebug; }

private:
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
        const int64_t size = m_link.FirmwareSize() > 0 ? m_link.FirmwareSize() : 1;
        const int64_t percent = std::clamp<int64_t>(int64_t(m_link.BytesSent()) * 100 / size, 0, 100);
        constexpr int kWidth = 40;
        const int filled = int(percent * kWidth / 100);
        std::cerr << "\r[" << std::string(size_t(filled), '#') << std::string(size_t(kWidth - filled), '.')
                  << "] " << percent << "%  " << m_link.BytesSent() << " bytes" << std::flush;
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
};

int ExitCodeFor(LinkOutcome outcome)
{
    return outcome == LinkOutcome::Completed ? ExitDone : ExitFailed;
}

// Starts an operation on `link` and polls it every poll period to its end. Returns the exit code.
template <typename Start>
int RunOperation(const CliOptions &options, CDeviceLink &link, const std::string &port, Start start,
                 bool progressBar, std::string *pSummary = nullptr)
{
    if (!options.tracePath.empty()) {
        auto trace = std::make_shared<CTraceFile>();
        if (!trace->Open(options.tracePath, "rezar-cli")) {
            std::cerr << "rezar-cli: cannot write " << options.tracePath << "\n";
            return ExitFailed;
        }
        CDeviceLink::SetPortFactory([trace] { return WithTrace(CreateSystemSerialPort(), trace); });
    }

    CReporter report(link, options, progressBar);
    const bool started = start();
    report.Update();
    if (!started && link.LastOpenError().kind != PortErrorKind::None)
        ExplainOpenFailure(link, port);

    // Patience counts from the last sign of life: a byte from the device or a step forward.
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
        // A poll that overran (a firmware chunk) is not caught up with a burst of polls.
        nextPoll = std::max(nextPoll + CDeviceLink::kPollMilliseconds, clock.elapsed());
        link.Poll();
        if (report.Update() || link.IdlePolls() == 0 || link.State() != state)
            quiet.restart();
        state = link.State();
    }
    if (pSummary)
        *pSummary = report.Debug();
    link.ClosePort();
    CDeviceLink::SetPortFactory(nullptr);
    return exitCode;
}

} // namespace

int CmdPorts(const CliOptions &options)
{
    if (!options.args.empty())
        return UsageError("ports takes no arguments");
    const std::vector<PortListing> ports = ListSerialPorts();
    if (ports.empty())
        std::cerr << "no serial ports found (a port can still be named by its path)\n";
    for (const PortListing &port : ports) {
        std::cout << port.comName << "\t" << port.path;
        if (!port.description.empty())
            std::cout << "\t" << port.description;
        std::cout << "\n";
    }
    return ExitDone;
}

int CmdRead(const CliOptions &options)
{
    if (options.args.size() != 1)
        return UsageError("read needs PORT");
    const std::string &port = options.args[0];
    std::string summary;
    CDeviceLink link(g_settings);
    const int result =
        RunOperation(options, link, port, [&] { return link.StartRead(port); }, false, &summary);
    if (result != ExitDone)
        return result;
    if (!options.verbose)
        std::cerr << summary << "\n";
    if (!options.outputPath.empty()) {
        if (g_settings.SaveFile(options.outputPath) != 0) {
            std::cerr << "rezar-cli: cannot write " << options.outputPath << "\n";
            return ExitFailed;
        }
        return ExitDone;
    }
    const std::string text = g_settings.SettingsText();
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
    return ExitDone;
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
    return RunOperation(options, link, port, [&] { return link.StartWrite(port); }, false);
}

int CmdFlash(const CliOptions &options)
{
    if (options.args.size() != 2)
        return UsageError("flash needs PORT and FIRMWARE");
    const std::string &port = options.args[0];
    const std::string &firmware = options.args[1];
    CDeviceLink link(g_settings);
    return RunOperation(options, link, port, [&] { return link.StartFirmware(port, firmware); }, true);
}
