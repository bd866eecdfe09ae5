// The device link against a scripted port fed the fuzzer's bytes, through a read, a write
// (with or without read-back) and a firmware load. The input: the operation, whether the
// open fails, then one record per poll: a control byte (read error, write error, how much a
// write is taken, output held in the driver) and the bytes that arrive before that poll.
// Invariants: every poll returns; the state stays in 0..11; the debug line, which shows the
// last received line, stays bounded; no "Complete" is claimed once the port has failed; once a
// firmware load has ended, nothing more goes to the port.

#include "DeviceLink.h"
#include "Settings.h"
#include "support/FakeSerialPort.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

// A good firmware file of a few records, written once.
const std::string &FirmwarePath()
{
    static const std::string path = [] {
        char pattern[] = "/tmp/rezar-fuzz-fw-XXXXXX";
        const int fd = mkstemp(pattern);
        if (fd < 0)
            std::abort();
        const char text[] = ":100000000C9434000C9446000C9446000C9446006A\r\n"
                            ":100010000C9446000C9446000C9446000C94460048\r\n"
                            ":00000001FF\r\n";
        if (write(fd, text, sizeof text - 1) != ssize_t(sizeof text - 1))
            std::abort();
        close(fd);
        return std::string(pattern);
    }();
    return path;
}

bool ClaimsCompletion(const LinkStatus &status)
{
    return status.step == LinkStep::ReadComplete || status.step == LinkStep::WriteComplete
        || status.step == LinkStep::FirmwareComplete;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    auto line = std::make_shared<FakeSerialLine>();
    line->openFails = data[1] & 1;
    CSettings settings, readBack;
    CDeviceLink link(settings, FakePorts(line));
    const bool loading = data[0] % 4 == 3;
    switch (data[0] % 4) {
    case 0: link.StartRead("COM1"); break;
    case 1: link.StartWrite("COM1"); break;
    case 2: link.StartWrite("COM1", &readBack); break;
    default: link.StartFirmware("COM1", FirmwarePath()); break;
    }

    bool failed = false, completedBeforeFailure = false;
    size_t at = 2;
    // The records, then enough quiet polls for any operation to end (the erase takes 60).
    for (int quiet = 0; quiet < 80;) {
        if (at + 2 <= size) {
            const uint8_t control = data[at];
            const size_t count = std::min<size_t>(data[at + 1], size - at - 2);
            line->Arrive(std::string(reinterpret_cast<const char *>(data) + at + 2, count));
            at += 2 + count;
            line->writeLimit = (control & 0x0C) == 0x04 ? 1 : (control & 0x0C) == 0x08 ? 0 : -1;
            line->holdOutput = control & 0x10;
            if (control & 0x03) {
                completedBeforeFailure = completedBeforeFailure || link.State() == LinkState::Complete
                                         || !link.IsRunning();
                line->unplugged = true;
                failed = true;
            }
        } else {
            ++quiet;
            line->writeLimit = -1;
            line->holdOutput = false;
        }
        if (!line->holdOutput)
            line->Drain();
        const size_t writesBefore = line->writes.size();
        link.Poll();
        if (loading && !link.IsRunning() && line->writes.size() > writesBefore)
            std::abort();
        const int32_t state = int32_t(link.State());
        if (state < 0 || state > 11)
            std::abort();
        if (link.Note().text.size() > CDeviceLink::kMaxLineBytes + 200)
            std::abort();
        if (failed && !completedBeforeFailure && ClaimsCompletion(link.Status()))
            std::abort();
        if (!link.IsRunning() && at + 2 > size)
            break;
    }
    return 0;
}
