// The real serial port: QSerialPort, opened by the name rules of the tool.

#include "SerialPort.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QSerialPort>
#include <QSerialPortInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <tuple>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <dirent.h>
#include <sys/stat.h>
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

std::string Local8Bit(const QString &text)
{
    return text.toLocal8Bit().toStdString();
}

// Only these mean the device went away. A pseudo-terminal answers some control-line calls
// with an unsupported-operation error, and a quiet line gives a time-out: neither is a loss.
bool IsLoss(QSerialPort::SerialPortError error)
{
    return error == QSerialPort::ResourceError || error == QSerialPort::ReadError
           || error == QSerialPort::WriteError || error == QSerialPort::DeviceNotFoundError;
}

// The same for the port's last error. A write the driver cannot take yet (its queue is full:
// "try again") is reported as a resource or write error, but the bytes stay in the port's
// buffer and go on a later flush: that is a full line, not a lost device. QSerialPort words it
// in the system's text for the error number, so that text is what tells it apart.
bool IsLoss(const QSerialPort &port)
{
#ifdef Q_OS_UNIX
    static const QString tryAgain = QString::fromLocal8Bit(std::strerror(EAGAIN));
    static const QString wouldBlock = QString::fromLocal8Bit(std::strerror(EWOULDBLOCK));
    if (port.errorString() == tryAgain || port.errorString() == wouldBlock)
        return false;
#endif
    return IsLoss(port.error());
}

#ifdef Q_OS_UNIX
PortError ErrorFromErrno(int code, const std::string &path)
{
    PortErrorKind kind = PortErrorKind::Other;
    if (code == ENOENT || code == ENODEV || code == ENXIO)
        kind = PortErrorKind::NotFound;
    else if (code == EACCES || code == EPERM)
        kind = PortErrorKind::Permission;
    else if (code == EBUSY)
        kind = PortErrorKind::Busy;
    return {kind, path, std::strerror(code)};
}

// QSerialPort writes its own flow control into the line when it opens; put back what the
// driver had, so that a line set up for RTS/CTS or XON/XOFF stays that way.
void RestoreFlowControl(int fd, const termios &original)
{
    termios now{};
    if (tcgetattr(fd, &now) != 0)
        return;
    constexpr tcflag_t inputFlow = IXON | IXOFF | IXANY;
    now.c_iflag = (now.c_iflag & ~inputFlow) | (original.c_iflag & inputFlow);
#ifdef CRTSCTS
    now.c_cflag = (now.c_cflag & ~tcflag_t(CRTSCTS)) | (original.c_cflag & CRTSCTS);
#endif
    tcsetattr(fd, TCSANOW, &now);
}
#endif

class CSystemSerialPort final : public ISerialPort {
public:
    static constexpr qint64 kReadBufferBytes = 64 * 1024;

    CSystemSerialPort()
    {
        // A loss the event loop finds (the window runs one) counts as much as one found by
        // a read or write here.
        QObject::connect(&m_port, &QSerialPort::errorOccurred, &m_port,
                         [this](QSerialPort::SerialPortError error) {
                             if (m_port.isOpen() && IsLoss(error) && IsLoss(m_port))
                                 m_bFailed = true;
                         });
    }

    bool Open(const std::string &name) override
    {
        m_bFailed = false;
        m_error = PortError();
        const std::string path = ResolvePortName(name);
        if (path.empty()) {
            m_error = {PortErrorKind::NotFound, "", "no such port"};
            return false;
        }
#ifdef Q_OS_UNIX
        // A first open of our own, held until QSerialPort has the line: it tells why a port
        // does not open in the system's words (permission, busy), and it reads the driver's
        // settings before QSerialPort overwrites them. Holding it keeps the modem lines
        // steady: the line is never fully closed in between.
        const int probe = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (probe < 0) {
            m_error = ErrorFromErrno(errno, path);
            return false;
        }
        termios original{};
        const bool haveOriginal = tcgetattr(probe, &original) == 0;
#endif
        m_port.setPortName(QString::fromLocal8Bit(path.c_str()));
        m_port.setBaudRate(QSerialPort::Baud19200);
        m_port.setDataBits(QSerialPort::Data8);
        m_port.setParity(QSerialPort::NoParity);
        m_port.setStopBits(QSerialPort::OneStop);
        // Bounded, whatever a device sends while nobody reads: the event loop stops taking
        // bytes from the driver once this much waits.
        m_port.setReadBufferSize(kReadBufferBytes);
        const bool opened = m_port.open(QIODevice::ReadWrite);
        if (!opened) {
            // The system let us open the device, so a refusal for permission now is the lock
            // file of another program that holds the port (Qt words it as a permission error).
            const QSerialPort::SerialPortError error = m_port.error();
            if (error == QSerialPort::PermissionError)
                m_error = {PortErrorKind::Busy, path, "its lock file is taken"};
            else
                m_error = {error == QSerialPort::DeviceNotFoundError ? PortErrorKind::NotFound
                                                                     : PortErrorKind::Other,
                           path, Local8Bit(m_port.errorString())};
        }
#ifdef Q_OS_UNIX
        if (opened && haveOriginal)
            RestoreFlowControl(int(m_port.handle()), original);
        ::close(probe);
#endif
        m_port.clearError();
        return opened;
    }

    bool IsOpen() const override { return m_port.isOpen(); }

    int32_t Read(char *buffer, int32_t count) override
    {
        if (!m_port.isOpen() || m_bFailed || count <= 0)
            return 0;
#ifdef Q_OS_WIN
        TakeCompletions();
#else
        // A wait of no time takes what the driver holds into the port's buffer (the window's
        // event loop may have done so already; the command-line tool runs none).
        if (m_port.bytesAvailable() < count) {
            m_port.clearError();
            if (!m_port.waitForReadyRead(0) && IsLoss(m_port))
                m_bFailed = true;
        }
#endif
        if (m_bFailed)
            return 0;
        const qint64 n = m_port.read(buffer, count);
        return n > 0 ? int32_t(n) : 0;
    }

    int32_t Write(const char *buffer, int32_t count) override
    {
        if (!m_port.isOpen() || m_bFailed || count <= 0)
            return 0;
        m_port.clearError();
        const qint64 n = m_port.write(buffer, count);
        if (n < 0) {
            m_bFailed = IsLoss(m_port);
            return 0;
        }
        Flush();
        return int32_t(n);
    }

    void Flush() override
    {
#ifdef Q_OS_WIN
        if (m_port.isOpen() && !m_bFailed)
            TakeCompletions();
#endif
        if (!m_port.isOpen() || m_bFailed || m_port.bytesToWrite() == 0)
            return;
        // QSerialPort keeps written bytes in its own buffer until asked; flush() hands over
        // what the driver takes now, without waiting for the line.
        m_port.clearError();
        if (!m_port.flush() && IsLoss(m_port))
            m_bFailed = true;
    }

    int64_t PendingOutput() const override
    {
        if (!m_port.isOpen())
            return 0;
        int64_t pending = m_port.bytesToWrite();
#if defined(Q_OS_UNIX) && defined(TIOCOUTQ)
        int queued = 0;
        if (::ioctl(int(m_port.handle()), TIOCOUTQ, &queued) == 0 && queued > 0)
            pending += queued;
#elif defined(Q_OS_WIN)
        COMSTAT status{};
        DWORD errors = 0;
        if (ClearCommError(m_port.handle(), &errors, &status))
            pending += int64_t(status.cbOutQue);
#endif
        return pending;
    }

    void Close() override
    {
        if (m_port.isOpen())
            m_port.close();
    }

    bool Failed() const override { return m_bFailed; }
    PortError OpenError() const override { return m_error; }

private:
#ifdef Q_OS_WIN
    // Completions handled at most per call: a line that never pauses cannot hold a poll.
    static constexpr int kMaxCompletionsPerCall = 64;

    // On Windows QSerialPort reads and writes overlapped and learns that one finished from a
    // completion port: through the event loop, or inside its waits, one completion per wait.
    // The command-line tool runs no event loop, and a poll brings several completions (the
    // line event, the read, the write), so one wait per poll fell behind: written bytes
    // stayed counted as pending, and the next write was not started before the last one was
    // seen to finish, until the link gave the port up as stuck. So every completion already
    // there is taken now; a wait of no time that finds none reports a time-out.
    void TakeCompletions()
    {
        for (int i = 0; i < kMaxCompletionsPerCall; ++i) {
            m_port.clearError();
            m_port.waitForReadyRead(0);
            if (m_port.error() == QSerialPort::NoError)
                continue;  // one handled, maybe more waiting
            if (m_port.error() != QSerialPort::TimeoutError && IsLoss(m_port))
                m_bFailed = true;
            break;
        }
        m_port.clearError();
    }
#endif

    QSerialPort m_port;
    bool m_bFailed = false;
    PortError m_error;
};


// n of "COMn" (any letter case), or 0.
int ComNumber(const std::string &name)
{
    if (name.size() < 4 || name.size() > 8 || QByteArray::fromStdString(name.substr(0, 3)).toUpper() != "COM")
        return 0;
    int n = 0;
    for (size_t i = 3; i < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9')
            return 0;
        n = n * 10 + (name[i] - '0');
    }
    return n;
}

} // namespace

std::unique_ptr<ISerialPort> CreateSystemSerialPort()
{
    return std::make_unique<CSystemSerialPort>();
}

namespace {

int ComGroup(const PortListing &port)
{
    const std::string &name = port.name;
    if (name.rfind("ttyACM", 0) == 0 || name.find("usbmodem") != std::string::npos)
        return 1;
    if (name.rfind("ttyUSB", 0) == 0 || name.find("usbserial") != std::string::npos || port.usb)
        return 0;
    return 2;
}

} // namespace

void SortInComOrder(std::vector<PortListing> &ports)
{
    std::stable_sort(ports.begin(), ports.end(), [](const PortListing &a, const PortListing &b) {
        return std::make_tuple(ComGroup(a), a.name) < std::make_tuple(ComGroup(b), b.name);
    });
}

namespace {

// "ModemManager (pid 812)", several joined by commas; a few are enough to act on.
std::string DescribeHolders(const std::vector<PortHolder> &holders)
{
    constexpr size_t kNamed = 3;
    std::string text;
    for (size_t i = 0; i < holders.size() && i < kNamed; ++i) {
        if (i > 0)
            text += ", ";
        text += (holders[i].name.empty() ? "a program" : holders[i].name) + " (pid "
                + std::to_string(holders[i].pid) + ")";
    }
    if (holders.size() > kNamed)
        text += " and " + std::to_string(holders.size() - kNamed) + " more";
    return text;
}

#ifdef Q_OS_LINUX
// Whether process `pid` has the character device `device` open. Each open file shows under
// /proc/PID/fd as a link to the file; only links into /dev are followed (a file on a network
// share that hangs must not hold the window), and by device number, so that a port opened by
// another name (/dev/serial/by-id/...) is found too. Another user's processes cannot be read.
bool HoldsDevice(const std::string &pid, dev_t device)
{
    const std::string folder = "/proc/" + pid + "/fd";
    DIR *fds = ::opendir(folder.c_str());
    if (!fds)
        return false;
    bool holds = false;
    while (!holds) {
        const dirent *fd = ::readdir(fds);
        if (!fd)
            break;
        const std::string link = folder + '/' + fd->d_name;
        char target[16];
        struct stat file {};
        holds = ::readlink(link.c_str(), target, sizeof target) > 5 && std::strncmp(target, "/dev/", 5) == 0
                && ::stat(link.c_str(), &file) == 0 && S_ISCHR(file.st_mode) && file.st_rdev == device;
    }
    ::closedir(fds);
    return holds;
}

std::string ProcessName(const std::string &pid)
{
    QFile comm(QString::fromStdString("/proc/" + pid + "/comm"));
    if (!comm.open(QIODevice::ReadOnly))
        return {};
    return Local8Bit(QString::fromLocal8Bit(comm.readLine(256)).trimmed());
}
#endif

} // namespace

std::vector<PortHolder> PortHolders(const std::string &path)
{
    std::vector<PortHolder> holders;
#ifdef Q_OS_LINUX
    struct stat device {};
    if (path.empty() || ::stat(path.c_str(), &device) != 0 || !S_ISCHR(device.st_mode))
        return holders;
    DIR *proc = ::opendir("/proc");
    if (!proc)
        return holders;
    while (const dirent *entry = ::readdir(proc)) {
        const std::string pid = entry->d_name;
        if (pid.empty() || pid.find_first_not_of("0123456789") != std::string::npos)
            continue;
        if (HoldsDevice(pid, device.st_rdev))
            holders.push_back({std::stoll(pid), ProcessName(pid)});
    }
    ::closedir(proc);
    std::sort(holders.begin(), holders.end(),
              [](const PortHolder &a, const PortHolder &b) { return a.pid < b.pid; });
#else
    (void)path;
#endif
    return holders;
}

std::string DescribeOpenFailure(const std::string &name, const PortError &error)
{
    std::string text = error.path.empty() || error.path == name ? name : name + " (" + error.path + ")";
    text += ": ";
    switch (error.kind) {
    case PortErrorKind::NotFound:
        text += "no such port";
        if (error.path.empty())
            text += "; " + std::to_string(ListSerialPorts().size()) + " serial ports present";
        break;
    case PortErrorKind::Permission: {
        text += error.text;
        const QString group = QFileInfo(QString::fromLocal8Bit(error.path.c_str())).group();
        if (!group.isEmpty())
            text += "; you may need to be in the group '" + Local8Bit(group)
                    + "' that owns the port (then log in again)";
        break;
    }
    case PortErrorKind::Busy:
        if (const std::string holders = DescribeHolders(PortHolders(error.path)); !holders.empty()) {
            text += "busy: held by " + holders;
            break;
        }
        text += "busy: another program holds the port";
        if (!error.text.empty())
            text += " (" + error.text + ")";
        break;
    default:
        text += error.text.empty() ? "cannot open" : error.text;
        break;
    }
    return text;
}

std::vector<PortListing> ListSerialPorts()
{
    std::vector<PortListing> list;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        QStringList about;
        for (const QString &text : {info.description(), info.manufacturer()})
            if (!text.isEmpty() && !about.contains(text))
                about << text;
        list.push_back({"", Local8Bit(info.systemLocation()), Local8Bit(about.join(", ")),
                        Local8Bit(info.portName()), info.hasVendorIdentifier()});
    }
#ifdef Q_OS_WIN
    std::sort(list.begin(), list.end(), [](const PortListing &a, const PortListing &b) {
        return std::make_tuple(ComNumber(a.name), a.name) < std::make_tuple(ComNumber(b.name), b.name);
    });
    for (PortListing &port : list)
        port.comName = port.name;
#else
    SortInComOrder(list);
    for (size_t i = 0; i < list.size(); ++i)
        list[i].comName = "COM" + std::to_string(i + 1);
#endif
    return list;
}

std::string ResolvePortName(const std::string &name)
{
    if (name.empty())
        return {};
    // QSerialPort would put /dev/ before a relative path; a path is taken as the user wrote it.
    if (name.find('/') != std::string::npos)
        return Local8Bit(QFileInfo(QString::fromLocal8Bit(name.c_str())).absoluteFilePath());
#ifdef Q_OS_WIN
    return name;
#else
    if (const int n = ComNumber(name)) {
        const std::vector<PortListing> ports = ListSerialPorts();
        return n <= int(ports.size()) ? ports[size_t(n - 1)].path : std::string();
    }
    return "/dev/" + name;
#endif
}
