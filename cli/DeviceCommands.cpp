// rezar-cli ports, read, write and flash: the device link of the Comms page, polled from a loop.

#include "DeviceCommands.h"

#include "FileCommands.h"
#include "DeviceLink.h"
#include "Settings.h"

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

constexpr int kPollMs = 100;  // the Comms page's timer

// A byte string as one readable line: control bytes and backslashes escaped.
std::string Escaped(const std::string &bytes)
{
    std::string text;
    for (unsigned char c : bytes) {
        if (c == '\\')
            text += "\\\\";
        else if (c == '\r')
            text += "\\r";
        else if (c == '\n')
            text += "\\n";
        else if (c >= 0x20 && c < 0x7F)
            text += char(c);
        else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", c);
            text += hex;
        }
    }
    return text;
}

// The trace file: one line per write and per run of received bytes (a run ends at a line
// feed, a silent read or a write), stamped with milliseconds since the start.
class CTrace {
public:
    bool Open(const std::string &path)
    {
        m_file = std::fopen(path.c_str(), "w");
        if (!m_file)
            return false;
        m_clock.start();
        std::fputs("# rezar-cli trace: milliseconds since start, '>' sent to the device, "
                   "'<' received from it, bytes with \\r \\n \\\\ and \\xNN escapes\n", m_file);
        return true;
    }
    ~CTrace()
    {
        if (m_file) {
            EndRun();
            std::fclose(m_file);
        }
    }
    bool IsOpen() const { return m_file != nullptr; }

    void Note(const std::string &text)
    {
        EndRun();
        Line('#', text);
    }
    void Sent(const std::string &bytes)
    {
        EndRun();
        Line('>', Escaped(bytes));
    }
    void Received(const std::string &bytes)
    {
        if (m_run.empty())
            m_runStart = m_clock.elapsed();
        m_run += bytes;
        if (!bytes.empty() && bytes.back() == '\n')
            EndRun();
    }
    void EndRun()
    {
        if (m_run.empty())
            return;
        std::fprintf(m_file, "%8lld < %s\n", static_cast<long long>(m_runStart), Escaped(m_run).c_str());
        m_run.clear();
        std::fflush(m_file);
    }

private:
    void Line(char direction, const std::string &text)
    {
        std::fprintf(m_file, "%8lld %c %s\n", static_cast<long long>(m_clock.elapsed()), direction,
                     text.c_str());
        std::fflush(m_file);
    }

    std::FILE *m_file = nullptr;
    QElapsedTimer m_clock;
    std::string m_run;
    qint64 m_runStart = 0;
};

// The system's port with every byte and every open and close written to the trace.
class CTracedPort : public ISerialPort {
public:
    explicit CTracedPort(CTrace &trace) : m_port(CreateSystemSerialPort()), m_trace(trace) {}

    bool Open(const std::string &name) override
    {
        const bool opened = m_port->Open(name);
        m_trace.Note((opened ? "opened " : "failed to open ") + name);
        return opened;
    }
    bool IsOpen() const override { return m_port->IsOpen(); }
    int32_t Read(char *buffer, int32_t count) override
    {
        const int32_t n = m_port->Read(buffer, count);
        if (n > 0)
            m_trace.Received(std::string(buffer, size_t(n)));
        else
            m_trace.EndRun();
        if (m_port->Failed())
            m_trace.Note("read failed");
        return n;
    }
    int32_t Write(const char *buffer, int32_t count) override
    {
        m_trace.Sent(std::string(buffer, size_t(count)));
        const int32_t n = m_port->Write(buffer, count);
        if (m_port->Failed())
            m_trace.Note("write failed");
        return n;
    }
    void Close() override
    {
        if (m_port->IsOpen())
            m_trace.Note("closed");
        m_port->Close();
    }
    bool Failed() const override { return m_port->Failed(); }
    PortError OpenError() const override { return m_port->OpenError(); }

private:
    std::unique_ptr<ISerialPort> m_port;
    CTrace &m_trace;
};

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
void ExplainOpenFailure(const std::string &port)
{
    const PortError error = g_deviceLink.m_portError;
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
    CReporter(const CliOptions &options, bool progressBar)
        : m_bVerbose(options.verbose), m_bBar(progressBar && IsTerminal(stderr))
    {
    }
    ~CReporter() { EndBar(); }

    // True when something changed.
    bool Update()
    {
        bool changed = false;
        const std::string status = g_deviceLink.GetStatus();
        if (status != m_strStatus) {
            m_strStatus = status;
            changed = true;
            if (m_bBar && status.rfind("Written ", 0) == 0)
                DrawBar();
            else
                Line(status);
        }
        const std::string debug = g_deviceLink.GetStatusDebug();
        if (debug != m_strDebug) {
            m_strDebug = debug;
            changed = true;
            if (m_bVerbose)
                Line("  | " + Escaped(TrimLineEnd(debug)));
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
        const int64_t size = g_deviceLink.m_nFirmwareSize > 0 ? g_deviceLink.m_nFirmwareSize : 1;
        const int64_t percent = std::clamp<int64_t>(int64_t(g_deviceLink.m_nBytesSent) * 100 / size, 0, 100);
        constexpr int kWidth = 40;
        const int filled = int(percent * kWidth / 100);
        std::cerr << "\r[" << std::string(size_t(filled), '#') << std::string(size_t(kWidth - filled), '.')
                  << "] " << percent << "%  " << g_deviceLink.m_nBytesSent << " bytes" << std::flush;
        m_bBarShown = true;
    }
    void EndBar()
    {
        if (m_bBarShown)
            std::cerr << "\n";
        m_bBarShown = false;
    }

    bool m_bVerbose;
    bool m_bBar;
    bool m_bBarShown = false;
    std::string m_strStatus;
    std::string m_strDebug;
};

bool Running()
{
    return g_deviceLink.m_nState != Idle && g_deviceLink.m_nState != Complete;
}

// Starts an operation and polls it every 100 ms to its end. Returns the exit code.
template <typename Start>
int RunOperation(const CliOptions &options, const std::string &port, Start start,
                 bool progressBar, const char *success, std::string *pSummary = nullptr)
{
    CTrace trace;
    if (!options.tracePath.empty()) {
        if (!trace.Open(options.tracePath)) {
            std::cerr << "rezar-cli: cannot write " << options.tracePath << "\n";
            return ExitFailed;
        }
        CDeviceLink::SetPortFactory([&trace] { return std::make_unique<CTracedPort>(trace); });
    }

    CReporter report(options, progressBar);
    start();
    report.Update();
    if (g_deviceLink.GetStatus() == "Failed to open Com port " + port)
        ExplainOpenFailure(port);

    // Patience counts from the last sign of life: a byte from the device or a step forward.
    const qint64 patienceMs = qint64(options.timeoutSeconds) * 1000;
    QElapsedTimer clock, quiet;
    clock.start();
    quiet.start();
    qint64 nextPoll = 0;
    int32_t state = g_deviceLink.m_nState;
    int exitCode = ExitFailed;
    for (;;) {
        if (!Running()) {
            exitCode = report.Status() == success ? ExitDone : ExitFailed;
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
        nextPoll = std::max(nextPoll + kPollMs, clock.elapsed());
        g_deviceLink.Poll();
        if (report.Update() || g_nIdlePolls == 0 || g_deviceLink.m_nState != state)
            quiet.restart();
        state = g_deviceLink.m_nState;
    }
    if (pSummary)
        *pSummary = report.Debug();
    g_deviceLink.ClosePort();
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
    const int result = RunOperation(
        options, port, [&] { g_deviceLink.StartRead(port); }, false, "Read Complete", &summary);
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
    return RunOperation(options, port, [&] { g_deviceLink.StartWrite(port); }, false, "Write Complete");
}

int CmdFlash(const CliOptions &options)
{
    if (options.args.size() != 2)
        return UsageError("flash needs PORT and FIRMWARE");
    const std::string &port = options.args[0];
    const std::string &firmware = options.args[1];
    return RunOperation(options, port, [&] { g_deviceLink.StartFirmware(port, firmware); }, true,
                        "Firmware update complete");
}
