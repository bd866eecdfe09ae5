#pragma once

// Running rezar-sim from a test and talking to its terminal as the tool would (header-only).
//
//     CSimProcess sim;
//     QVERIFY(sim.Start({"--fast"}));       // waits for the terminal's path
//     CPortEnd port;
//     QVERIFY(port.Open(sim.Path()));       // the device powers up
//     QVERIFY(port.ReadUntil("Press ESC 3 times to enter").contains("setup"));
//
// Reads wait with a deadline and return as soon as what they wait for has come.

#include <QByteArray>
#include <QFile>
#include <QElapsedTimer>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

class CSimProcess {
public:
    ~CSimProcess() { Stop(); }

    // Starts the sim and waits until it is ready: its terminal named (and linked).
    bool Start(const QStringList &args)
    {
        m_process.setProgram(REZAR_BUILD_DIR "/rezar-sim");
        m_process.setArguments(args);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start();
        if (!m_process.waitForStarted(5000) || !WaitForLog("] waiting for ", 5000))
            return false;
        const qsizetype at = m_log.indexOf(" port /dev/") + 6;
        m_path = QString::fromLocal8Bit(m_log.mid(at, m_log.indexOf('\n', at) - at));
        return true;
    }

    // Waits until the sim's event log holds `text`.
    bool WaitForLog(const QByteArray &text, int ms)
    {
        QElapsedTimer timer;
        timer.start();
        for (;;) {
            m_log += m_process.readAllStandardOutput();
            if (m_log.contains(text))
                return true;
            const qint64 left = ms - timer.elapsed();
            if (left <= 0 || m_process.state() == QProcess::NotRunning)
                return false;
            m_process.waitForReadyRead(int(left));
        }
    }

    // Waits for the sim to end by itself; its exit code, or -1 when it did not end normally.
    int WaitForExit(int ms)
    {
        if (m_process.state() != QProcess::NotRunning && !m_process.waitForFinished(ms))
            return -1;
        m_log += m_process.readAllStandardOutput();
        return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
    }
    // Stops the sim as a user would (SIGTERM); its exit code, or -1 when it did not stop.
    int Stop()
    {
        if (m_process.state() != QProcess::NotRunning)
            m_process.terminate();
        const int code = WaitForExit(5000);
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
        return code;
    }

    const QString &Path() const { return m_path; }
    // The event log so far (what the sim has printed up to now).
    QByteArray Log()
    {
        while (m_process.waitForReadyRead(20))
            m_log += m_process.readAllStandardOutput();
        m_log += m_process.readAllStandardOutput();
        return m_log;
    }
    // Types on the sim's standard input (--manual).
    void Type(const QByteArray &keys)
    {
        m_process.write(keys);
        m_process.waitForBytesWritten(1000);
    }
    QProcess &Process() { return m_process; }

private:
    QProcess m_process;
    QByteArray m_log;
    QString m_path;
};

// The tool's end of the line, opened directly: raw, non-blocking.
class CPortEnd {
public:
    ~CPortEnd() { Close(); }

    bool Open(const QString &path)
    {
        m_fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (m_fd < 0)
            return false;
        termios tio {};
        tcgetattr(m_fd, &tio);
        cfmakeraw(&tio);
        tcsetattr(m_fd, TCSANOW, &tio);
        return true;
    }
    void Close()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }
    bool Write(const QByteArray &bytes)
    {
        qsizetype done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(m_fd, bytes.constData() + done, size_t(bytes.size() - done));
            if (n > 0) {
                done += n;
            } else if (n < 0 && errno == EAGAIN) {
                pollfd p {m_fd, POLLOUT, 0};
                ::poll(&p, 1, 100);
            } else {
                return false;
            }
        }
        return true;
    }

    // Everything received until `text` has come (included) or `ms` have passed.
    QByteArray ReadUntil(const QByteArray &text, int ms = 3000)
    {
        QByteArray got;
        QElapsedTimer timer;
        timer.start();
        while (!got.contains(text) && timer.elapsed() < ms && Wait(int(ms - timer.elapsed())))
            got += ReadNow();
        return got;
    }
    // Everything received until the line has been silent for `silentMs` (or `ms` have passed).
    QByteArray ReadUntilSilent(int silentMs, int ms = 5000)
    {
        QByteArray got;
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < ms && Wait(silentMs))
            got += ReadNow();
        return got;
    }
    // Whether the far end has hung up: the terminal reads end-of-file or fails.
    bool HungUp()
    {
        pollfd p {m_fd, POLLIN, 0};
        if (::poll(&p, 1, 0) <= 0)
            return false;
        char c;
        const ssize_t n = ::read(m_fd, &c, 1);
        return n == 0 || (n < 0 && errno != EAGAIN) || (p.revents & POLLHUP);
    }

private:
    // True when something can be read within `ms`; false on silence or a hang-up.
    bool Wait(int ms)
    {
        pollfd p {m_fd, POLLIN, 0};
        return ::poll(&p, 1, ms) > 0 && (p.revents & POLLIN) && !(p.revents & POLLHUP);
    }
    QByteArray ReadNow()
    {
        char buffer[4096];
        const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
        return n > 0 ? QByteArray(buffer, n) : QByteArray();
    }

    int m_fd = -1;
};

// An Intel HEX firmware text of `dataBytes` bytes in 16-byte records, CR LF after each record.
inline QByteArray MakeFirmware(int dataBytes, int firstAddress = 0)
{
    QByteArray text;
    auto record = [&](int type, int address, const QByteArray &data) {
        QByteArray bytes;
        bytes += char(data.size());
        bytes += char(address >> 8);
        bytes += char(address);
        bytes += char(type);
        bytes += data;
        unsigned sum = 0;
        for (char c : bytes)
            sum += uchar(c);
        bytes += char(-sum);
        text += ':' + bytes.toHex().toUpper() + "\r\n";
    };
    for (int at = 0; at < dataBytes; at += 16) {
        QByteArray data;
        for (int i = at; i < qMin(at + 16, dataBytes); ++i)
            data += char(i * 7);
        record(0, firstAddress + at, data);
    }
    record(1, 0, {});
    return text;
}

// The number of data and address records in a firmware text: the '.' answers it earns.
inline int RecordCount(const QByteArray &firmware)
{
    return int(firmware.count(':')) - 1;
}

// Settings with the values that trip careless code: an empty text, negative numbers, the
// byte 0 in a character setting, blanks inside a value. Five of them differ from the defaults.
inline const char kOddBytes[] = "BANK 0\r\nMYCALL %\r\nTXD -17\r\nTSYMCODE \0\r\n"
                                "BANK 1\r\nGALT -2147483648\r\nBTEXT  two  blanks \r\n";
inline const QByteArray kOddSettings(kOddBytes, sizeof kOddBytes - 1);

inline QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QString WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

// A settings text checked in under tests/data, byte for byte.
inline QByteArray Golden(const char *name)
{
    return ReadFile(QStringLiteral(REZAR_TEST_DATA "/") + QLatin1String(name));
}
