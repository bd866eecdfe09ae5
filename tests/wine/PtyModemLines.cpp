// Test-only, preloaded into Wine (LD_PRELOAD): Wine's serial code asks the line for its modem
// signals, which a Linux pseudo-terminal refuses; without them its comm-event waits return at
// once with no event. Here a pseudo-terminal answers those requests as a cabled line would:
// DTR, RTS, CTS, DSR and CD up, and setting them succeeds. Every other request goes through.

#include <dlfcn.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdarg>

extern "C" int ioctl(int fd, unsigned long request, ...)
{
    va_list args;
    va_start(args, request);
    void *arg = va_arg(args, void *);
    va_end(args);
    using Ioctl = int (*)(int, unsigned long, void *);
    static const Ioctl real = reinterpret_cast<Ioctl>(dlsym(RTLD_NEXT, "ioctl"));
    const int result = real(fd, request, arg);
    const bool modemRequest = request == TIOCMGET || request == TIOCMBIS || request == TIOCMBIC
                              || request == TIOCMSET;
    if (result == 0 || !modemRequest || !isatty(fd))
        return result;
    if (request == TIOCMGET)
        *static_cast<int *>(arg) = TIOCM_DTR | TIOCM_RTS | TIOCM_CTS | TIOCM_DSR | TIOCM_CD;
    errno = 0;
    return 0;
}
