// rezar-sim: a stand-in Quillwren Rezar on a pseudo-terminal, for trying the tool without the
// device and for the end-to-end tests.

#include "CommandLine.h"
#include "Settings.h"
#include "Pty.h"
#include "SimDevice.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char kContext[] = "rezar-sim";

const char kAbout[] =
    "A stand-in Quillwren Rezar on a pseudo-terminal. It prints the terminal's path; give that\n"
    "path (or the --link path) to rezar-cli or rezar-config as the port. The device powers up\n"
    "each time the tool opens the port.\n";

const char kAfter[] =
    "Bootloader answers: '.' per good record, '*' after the end record; errors: S syntax,\n"
    "C checksum, T unknown record type, F beyond the end of the flash.\n"
    "It stops cleanly on Ctrl-C (SIGINT) or SIGTERM.\n";

const QList<OptionRow> kOptions = {
    {{"settings"}, "FILE", "start with these settings (loaded over the defaults)"},
    {{"dump"}, "FILE", "write both banks to FILE whenever the tool closes the port, and at exit"},
    {{"firmware-out"}, "FILE", "keep the firmware text the bootloader receives"},
    {{"link"}, "PATH", "make PATH a symbolic link to the terminal"},
    {{"chip"}, "1284|644", "the chip the bootloader names (Quillwren v1.2c or v1.2b)"},
    {{"manual"}, {}, "power up when Enter is pressed, not when the port opens"},
    {{"fast"}, {}, "no line pace (about 1920 bytes/s each way otherwise), short erase"},
    {{"pause-after"}, "N", "fall silent for 2 s after N lines of each listing"},
    {{"noise"}, {}, "stray bytes between the lines of the start-up text and listing"},
    {{"hangup-after"}, "N", "close the line after N lines received by the menu, then stop"},
    {{"hangup-in-firmware"}, "N", "close the line after N firmware bytes received, then stop"},
    {{"help", "h"}, {}, "", nullptr, true},
};

// One byte on a 19200 baud 8N1 line: 10 bits. Each direction keeps a clock of when its next
// byte may go; a wake-up that comes late sends what it owes, so the rate holds on average, but
// a line that was idle starts again from now rather than saving up a burst.
constexpr auto kByteTime = std::chrono::microseconds(1000000) / 1920.0;

struct Options {
    SimOptions device;
    std::string settingsPath;
    std::string dumpPath;
    std::string linkPath;
    bool bManual = false;
    long nHangupAfter = -1;
    long nHangupInFirmware = -1;
};

int g_signalPipe[2] = {-1, -1};
const SimTime g_start = SimClock::now();

void Log(const std::string &text)
{
    const double seconds = std::chrono::duration<double>(SimClock::now() - g_start).count();
    std::printf("[%8.3f] %s\n", seconds, text.c_str());
    std::fflush(stdout);
}

void OnSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] ssize_t n = write(g_signalPipe[1], &byte, 1);
}

int Usage(const std::string &message)
{
    std::fprintf(stderr, "rezar-sim: %s (see rezar-sim --help)\n", message.c_str());
    return 2;
}

bool Number(const QString &text, long &value)
{
    bool ok = false;
    value = text.toLong(&ok, 10);
    return ok && value >= 0 && value <= 1000000;
}

// 0 to go on, -1 to stop with success (--help), or the exit code of a usage error.
int ParseOptions(int argc, char *argv[], Options &options)
{
    CCommandLine line(kContext, kOptions, "%1 needs a value");
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (!line.Parse(args))
        return Usage(line.Error().toStdString());
    if (!line.Stop().isEmpty()) {
        const QString help = QStringLiteral("Usage: rezar-sim [options]\n\n") + kAbout
                             + "\nOptions:\n" + line.OptionsHelp(23) + '\n' + kAfter;
        std::fputs(help.toLocal8Bit().constData(), stdout);
        return -1;
    }
    if (!line.Positional().isEmpty())
        return Usage("unexpected argument " + line.Positional().first().toStdString());
    options.device.bFast = line.IsSet("fast");
    options.bManual = line.IsSet("manual");
    options.device.bNoise = line.IsSet("noise");
    // Paths byte for byte as typed: the locale's encoding may not show them all.
    options.settingsPath = Typed(argv, line.ValueAt("settings"));
    options.dumpPath = Typed(argv, line.ValueAt("dump"));
    options.device.strFirmwareOut = Typed(argv, line.ValueAt("firmware-out"));
    options.linkPath = Typed(argv, line.ValueAt("link"));
    long number = 0;
    if (line.IsSet("chip")) {
        const QString chip = line.Value("chip");
        if (chip != "1284" && chip != "644")
            return Usage("--chip takes 1284 or 644");
        options.device.nChip = chip.toInt();
    }
    if (line.IsSet("pause-after")) {
        if (!Number(line.Value("pause-after"), number))
            return Usage("--pause-after takes a number of lines");
        options.device.nPauseAfter = int(number);
    }
    if (line.IsSet("hangup-in-firmware")) {
        if (!Number(line.Value("hangup-in-firmware"), number) || number == 0)
            return Usage("--hangup-in-firmware takes a number of bytes from 1");
        options.nHangupInFirmware = number;
    }
    if (line.IsSet("hangup-after")) {
        if (!Number(line.Value("hangup-after"), number) || number == 0)
            return Usage("--hangup-after takes a number of lines from 1");
        options.nHangupAfter = number;
    }
    return 0;
}

// Points PATH at the terminal. An old link is replaced (a sim that was killed leaves one);
// anything else at PATH is left alone.
bool MakeLink(const std::string &path, const std::string &target)
{
    struct stat st {};
    if (lstat(path.c_str(), &st) == 0) {
        if (!S_ISLNK(st.st_mode)) {
            std::fprintf(stderr, "rezar-sim: %s exists and is not a link\n", path.c_str());
            return false;
        }
        unlink(path.c_str());
    }
    if (symlink(target.c_str(), path.c_str()) != 0) {
        std::fprintf(stderr, "rezar-sim: cannot link %s: %s\n", path.c_str(), std::strerror(errno));
        return false;
    }
    return true;
}

void RemoveLink(const std::string &path, const std::string &target)
{
    char buffer[4096];
    const ssize_t n = readlink(path.c_str(), buffer, sizeof buffer - 1);
    if (n > 0 && std::string(buffer, size_t(n)) == target)
        unlink(path.c_str());
}

void Dump(const Options &options, const CSettings &banks)
{
    if (options.dumpPath.empty())
        return;
    if (banks.SaveFile(options.dumpPath) == 0)
        Log("banks written to " + options.dumpPath);
    else
        Log("could not write " + options.dumpPath);
}

int MillisUntil(SimTime when, SimTime now)
{
    if (when <= now)
        return 0;
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(when - now).count();
    return int(std::min<decltype(wait)>(wait, 1000));
}

// The line between the device and the tool: pace, open and close, bytes each way.
class CLine {
public:
    CLine(const Options &options, CPty &pty, CSimDevice &device)
        : m_options(options), m_pty(pty), m_device(device)
    {
    }

    // Runs until a signal or a hang-up; returns the exit code.
    int Run();

private:
    void WatchPort(SimTime now);
    void Transmit(SimTime now);
    bool Receive(SimTime now);
    void ManualInput(SimTime now);

    const Options &m_options;
    CPty &m_pty;
    CSimDevice &m_device;
    bool m_bPeerOpen = false;
    bool m_bStdinOpen = true;
    SimTime m_txReady = SimClock::now();
    SimTime m_rxReady = SimClock::now();
    bool m_bTxIdle = true;
    bool m_bRxIdle = true;
    bool m_bTxBlocked = false;
};

void CLine::WatchPort(SimTime now)
{
    const bool open = m_pty.PeerOpen();
    if (open == m_bPeerOpen)
        return;
    m_bPeerOpen = open;
    // A silence the device was keeping ends with its power.
    m_txReady = m_rxReady = now;
    if (open) {
        Log("port opened");
        if (!m_options.bManual)
            m_device.PowerUp(now);
        return;
    }
    // What the tool wrote before it closed still reaches the device, as a real port drains
    // its output on close: the end of a firmware file, the last settings line.
    char buffer[4096];
    for (ssize_t got; (got = read(m_pty.MasterFd(), buffer, sizeof buffer)) > 0;) {
        for (ssize_t i = 0; i < got; ++i)
            m_device.Receive(buffer[i], now);
    }
    if (m_options.bManual)
        m_device.Output().clear();
    else
        m_device.PowerOff();
    m_pty.DiscardPending();
    Log("port closed");
    Dump(m_options, m_device.Banks());
}

void CLine::Transmit(SimTime now)
{
    auto &output = m_device.Output();
    m_bTxBlocked = false;
    while (!output.empty()) {
        SimOutput &piece = output.front();
        if (piece.silence.count() > 0) {
            m_txReady = std::max(m_txReady, now) + piece.silence;
            piece.silence = milliseconds(0);
        }
        if (piece.bytes.empty()) {
            output.pop_front();
            continue;
        }
        if (!m_bPeerOpen) {
            // Nobody listens (a manual power-up with the port closed): the bytes are lost.
            output.pop_front();
            continue;
        }
        size_t count = std::min<size_t>(piece.bytes.size(), 4096);
        if (!m_options.device.bFast) {
            if (m_bTxIdle)
                m_txReady = std::max(m_txReady, now);
            m_bTxIdle = false;
            if (now < m_txReady)
                return;
            count = std::min<size_t>(count, size_t((now - m_txReady) / kByteTime) + 1);
        } else if (now < m_txReady) {
            return;  // a silence runs even without pace
        }
        const ssize_t sent = write(m_pty.MasterFd(), piece.bytes.data(), count);
        if (sent <= 0) {
            m_bTxBlocked = true;  // the tool is not reading; wait until it does
            return;
        }
        piece.bytes.erase(0, size_t(sent));
        if (!m_options.device.bFast)
            m_txReady += std::chrono::duration_cast<SimClock::duration>(kByteTime * double(sent));
    }
    m_bTxIdle = true;
}

// False when the line has hung up on request.
bool CLine::Receive(SimTime now)
{
    if (!m_bPeerOpen)
        return true;
    char buffer[4096];
    size_t count = sizeof buffer;
    if (!m_options.device.bFast) {
        if (m_bRxIdle)
            m_rxReady = std::max(m_rxReady, now);
        if (now < m_rxReady)
            return true;
        count = std::min(count, size_t((now - m_rxReady) / kByteTime) + 1);
    }
    const ssize_t got = read(m_pty.MasterFd(), buffer, count);
    if (got > 0 && !m_options.device.bFast)
        m_rxReady += std::chrono::duration_cast<SimClock::duration>(kByteTime * double(got));
    for (ssize_t i = 0; i < got; ++i) {
        m_device.Receive(buffer[i], now);
        if (m_options.nHangupAfter > 0 && m_device.LinesReceived() >= m_options.nHangupAfter) {
            Log("hanging up after " + std::to_string(m_device.LinesReceived()) + " lines received");
            return false;
        }
        // A plug pulled in the middle of a firmware load.
        if (m_options.nHangupInFirmware > 0
            && m_device.FirmwareBytesReceived() >= m_options.nHangupInFirmware) {
            Log("hanging up after " + std::to_string(m_device.FirmwareBytesReceived())
                + " firmware bytes received");
            return false;
        }
    }
    // Nothing more waiting: the line ran dry, and its clock starts again with the next byte.
    m_bRxIdle = got < ssize_t(count) || m_pty.Available() == 0;
    if (m_bRxIdle)
        m_device.LineQuiet();
    return true;
}

void CLine::ManualInput(SimTime now)
{
    char buffer[256];
    const ssize_t got = read(STDIN_FILENO, buffer, sizeof buffer);
    if (got <= 0) {
        m_bStdinOpen = false;
        return;
    }
    if (std::find(buffer, buffer + got, '\n') != buffer + got) {
        Log("Enter pressed");
        m_pty.DiscardPending();
        m_txReady = m_rxReady = now;
        m_device.PowerUp(now);
    }
}

int CLine::Run()
{
    for (;;) {
        SimTime now = SimClock::now();
        WatchPort(now);
        m_device.Tick(now);
        if (!Receive(now))
            return 0;
        m_device.Tick(now);
        Transmit(now);

        // Sleep until the next thing is due. While the port is closed the master only ever
        // says POLLHUP, so it is left out and looked at again after a short nap.
        now = SimClock::now();
        int timeout = MillisUntil(m_device.NextDeadline(), now);
        pollfd fds[3];
        nfds_t n = 0;
        fds[n++] = {g_signalPipe[0], POLLIN, 0};
        if (m_options.bManual && m_bStdinOpen)
            fds[n++] = {STDIN_FILENO, POLLIN, 0};
        if (m_bPeerOpen) {
            short events = 0;
            if (m_options.device.bFast || now >= m_rxReady)
                events |= POLLIN;
            else
                timeout = std::min(timeout, MillisUntil(m_rxReady, now));
            if (!m_device.Output().empty()) {
                if (m_bTxBlocked)
                    events |= POLLOUT;
                else
                    timeout = std::min(timeout, MillisUntil(m_txReady, now));
            }
            fds[n++] = {m_pty.MasterFd(), events, 0};
        } else {
            timeout = std::min(timeout, 10);
        }
        if (poll(fds, n, timeout) < 0 && errno != EINTR)
            return 1;
        if (fds[0].revents & POLLIN)
            return 0;
        if (m_options.bManual && m_bStdinOpen && (fds[1].revents & (POLLIN | POLLHUP)))
            ManualInput(SimClock::now());
    }
}

} // namespace

int main(int argc, char *argv[])
{
    Options options;
    if (const int code = ParseOptions(argc, argv, options))
        return code < 0 ? 0 : code;

    CSimDevice device(options.device, Log);
    if (!options.settingsPath.empty() && device.Banks().LoadFile(options.settingsPath) != 0) {
        std::fprintf(stderr, "rezar-sim: cannot read %s\n", options.settingsPath.c_str());
        return 1;
    }

    CPty pty;
    std::string error;
    if (!pty.Open(error)) {
        std::fprintf(stderr, "rezar-sim: %s\n", error.c_str());
        return 1;
    }
    if (pipe(g_signalPipe) != 0) {
        std::perror("rezar-sim: pipe");
        return 1;
    }
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
    signal(SIGPIPE, SIG_IGN);

    Log("port " + pty.SlavePath());
    if (!options.linkPath.empty()) {
        if (!MakeLink(options.linkPath, pty.SlavePath()))
            return 1;
        Log("link " + options.linkPath + " -> " + pty.SlavePath());
    }
    Log(options.bManual ? "waiting for Enter to power the device up" : "waiting for the tool to open the port");

    CLine line(options, pty, device);
    const int code = line.Run();

    pty.Close();
    if (!options.linkPath.empty())
        RemoveLink(options.linkPath, pty.SlavePath());
    Dump(options, device.Banks());
    Log(code == 0 ? "stopped" : "stopped on an error");
    return code;
}
