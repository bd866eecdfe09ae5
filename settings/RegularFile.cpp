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

bool OpenRegularFile(const std::string &path, QFile &file, std::string &reason)
{
#ifdef Q_OS_UNIX
    // Opened without waiting and judged by what was opened: a FIFO nobody writes to would
    // otherwise hold open() for ever, and a check of the name before opening could be raced.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        reason = std::strerror(errno);
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
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
