#include "Pty.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

CPty::~CPty()
{
    Close();
}

bool CPty::Open(std::string &error)
{
    m_nMaster = posix_openpt(O_RDWR | O_NOCTTY);
    if (m_nMaster < 0 || grantpt(m_nMaster) != 0 || unlockpt(m_nMaster) != 0) {
        error = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
        Close();
        return false;
    }
    const char *name = ptsname(m_nMaster);
    if (!name) {
        error = std::string("cannot name the pseudo-terminal: ") + std::strerror(errno);
        Close();
        return false;
    }
    m_strSlave = name;
    fcntl(m_nMaster, F_SETFL, fcntl(m_nMaster, F_GETFL) | O_NONBLOCK);

    // Open the slave once ourselves, for two reasons. Raw mode: a fresh slave echoes and
    // translates line ends, and the tool's first bytes could meet that before it sets the
    // port up. Open detection: the master reports POLLHUP while nobody holds the slave, but
    // only once the slave has been opened and closed at least once; from then on POLLHUP
    // appearing and going away tells us when the tool closes and opens the port. (A system
    // whose pseudo-terminals do not report this can still use --manual.)
    const int slave = open(name, O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (slave < 0) {
        error = std::string("cannot open ") + name + ": " + std::strerror(errno);
        Close();
        return false;
    }
    termios tio {};
    if (tcgetattr(slave, &tio) == 0) {
        cfmakeraw(&tio);
        cfsetispeed(&tio, B19200);
        cfsetospeed(&tio, B19200);
        tcsetattr(slave, TCSANOW, &tio);
    }
    close(slave);
    return true;
}

void CPty::Close()
{
    if (m_nMaster >= 0)
        close(m_nMaster);
    m_nMaster = -1;
}

bool CPty::PeerOpen() const
{
    if (m_nMaster < 0)
        return false;
    pollfd p {m_nMaster, 0, 0};
    return poll(&p, 1, 0) >= 0 && !(p.revents & POLLHUP);
}

int CPty::Available() const
{
    int count = 0;
    return m_nMaster >= 0 && ioctl(m_nMaster, FIONREAD, &count) == 0 ? count : 0;
}

void CPty::DiscardPending()
{
    if (m_nMaster < 0)
        return;
    char buffer[4096];
    while (read(m_nMaster, buffer, sizeof buffer) > 0) {
    }
    // What the device wrote waits in the slave's input queue and would greet the next open, so
    // take it out through the slave. A flush alone is not enough: bytes written just before the
    // close may still be on their way into that queue (the kernel moves them a moment later),
    // so read until the slave stays quiet. If the tool is already back (or holds the port
    // exclusively) the open fails, which is harmless here.
    const int slave = open(m_strSlave.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (slave >= 0) {
        pollfd p {slave, POLLIN, 0};
        while (poll(&p, 1, 5) > 0 && read(slave, buffer, sizeof buffer) > 0) {
        }
        tcflush(slave, TCIFLUSH);
        close(slave);
    }
}
