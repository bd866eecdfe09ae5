#include "RegularFile.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

bool Open(const std::string &path, QFile &file, std::string &reason, bool pipes, bool &isPipe)
{
    isPipe = false;
#ifdef Q_OS_UNIX
    // Opened without waiting and judged by what was opened: a FIFO nobody writes to would
    // otherwise hold open() for ever, and a check of the name before opening could be raced.
    // A FIFO that may be read is opened waiting for its writer instead (opened without
    // waiting, it reads as empty until a writer comes); what was opened is judged all the same.
    struct stat named {};
    const bool waitForWriter = pipes && ::stat(path.c_str(), &named) == 0 && S_ISFIFO(named.st_mode);
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | (waitForWriter ? 0 : O_NONBLOCK));
    if (fd < 0) {
        reason = std::strerror(errno);
        return false;
    }
    struct stat info {};
    const bool known = ::fstat(fd, &info) == 0;
    isPipe = known && waitForWriter && S_ISFIFO(info.st_mode);
    if (!isPipe && (!known || !S_ISREG(info.st_mode))) {
        reason = S_ISDIR(info.st_mode) ? "is a folder, not a file" : "is not a regular file";
        ::close(fd);
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        reason = file.errorString().toStdString();
        ::close(fd);
        return false;
    }
    return true;
#else
    Q_UNUSED(pipes);
    const QString name = QString::fromLocal8Bit(path.c_str());
    const QFileInfo info(name);
    if (info.exists() && !info.isFile()) {
        reason = info.isDir() ? "is a folder, not a file" : "is not a regular file";
        return false;
    }
    file.setFileName(name);
    if (!file.open(QIODevice::ReadOnly)) {
        reason = file.errorString().toStdString();
        return false;
    }
    return true;
#endif
}

} // namespace

bool OpenRegularFile(const std::string &path, QFile &file, std::string &reason)
{
    bool isPipe = false;
    return Open(path, file, reason, false, isPipe);
}

bool OpenFileOrPipe(const std::string &path, QFile &file, std::string &reason, bool &isPipe)
{
    return Open(path, file, reason, true, isPipe);
}
