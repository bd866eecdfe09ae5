#pragma once

// The far end of a pseudo-terminal pair, played by a test: the tool under test opens `path`
// (the slave) as its serial port, and the test reads and writes the master (Linux only).

#include <QElapsedTimer>
#include <QtTest>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <string>

class PtyPeer {
public:
    PtyPeer()
    {
        m_master = posix_openpt(O_RDWR | O_NOCTTY);
        // Not inherited by a program the test starts, or closing it here would not hang up.
        fcntl(m_master, F_SETFD, FD_CLOEXEC);
        if (m_master >= 0 && grantpt(m_master) == 0 && unlockpt(m_master) == 0)
            path = ptsname(m_master);
    }
    ~PtyPeer() { Hangup(); }
    PtyPeer(const PtyPeer &) = delete;
    PtyPeer &operator=(const PtyPeer &) = delete;

    // As a device that is unplugged.
    void Hangup()
    {
        if (m_master >= 0)
            ::close(m_master);
        m_master = -1;
    }
    void Send(const std::string &bytes)
    {
        QVERIFY(::write(m_master, bytes.data(), bytes.size()) == ssize_t(bytes.size()));
    }
    // Bytes from the tool until `count` have come or `ms` have passed.
    std::string Receive(size_t count, int ms)
    {
        std::string got;
        QElapsedTimer clock;
        clock.start();
        while (got.size() < count && clock.elapsed() < ms) {
            pollfd p{m_master, POLLIN, 0};
            if (::poll(&p, 1, 20) <= 0 || !(p.revents & POLLIN))
                continue;
            char buffer[4096];
            const ssize_t n = ::read(m_master, buffer, std::min(sizeof buffer, count - got.size()));
            if (n > 0)
                got.append(buffer, size_t(n));
        }
        return got;
    }
    // The line settings: on Linux both ends share them, and the master stays reachable while
    // the tool holds the slave exclusively.
    termios Settings() const
    {
        termios t{};
        tcgetattr(m_master, &t);
        return t;
    }
    void SetSettings(const termios &t) { QCOMPARE(tcsetattr(m_master, TCSANOW, &t), 0); }

    std::string path;

private:
    int m_master = -1;
};
