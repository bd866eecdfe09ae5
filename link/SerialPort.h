#pragma once

// The serial port behind the device link, as an interface: the link talks to `ISerialPort`
// only, so that tests can put a scripted port in place of the real one. The real port
// (CreateSystemSerialPort) is a QSerialPort opened by name.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// Why a port did not open, as far as the system tells.
enum class PortErrorKind : int32_t {
    None = 0,
    NotFound = 1,    // no such port (also a COMn beyond the ports present)
    Permission = 2,  // the user may not open the device
    Busy = 3,        // another program holds the port
    Other = 4,
};

struct PortError {
    PortErrorKind kind = PortErrorKind::None;
    std::string path;  // the device the name resolved to (empty when it resolved to none)
    std::string text;  // the system's own words
};

class ISerialPort {
public:
    virtual ~ISerialPort() = default;
    // Opens the named port exclusively at 19200 baud, 8N1, keeping the driver's flow control.
    virtual bool Open(const std::string &name) = 0;
    virtual bool IsOpen() const = 0;
    // Up to `count` of the bytes that have arrived, without waiting; 0 when none have (or on
    // failure).
    virtual int32_t Read(char *buffer, int32_t count) = 0;
    // Hands bytes to the port without waiting for the line; returns how many it took (a full
    // port may take fewer, the rest are the caller's to offer again).
    virtual int32_t Write(const char *buffer, int32_t count) = 0;
    // Passes on to the driver what the port still holds, without waiting.
    virtual void Flush() = 0;
    // Bytes taken by Write that have not yet left the computer: the port's own buffer and the
    // driver's output queue.
    virtual int64_t PendingOutput() const = 0;
    // Safe to call when not open.
    virtual void Close() = 0;
    // True once a read or write failed for real (device gone); silence is not a failure.
    virtual bool Failed() const = 0;
    // Why the last Open failed.
    virtual PortError OpenError() const = 0;
};

// Makes the port object for each open.
using PortFactory = std::function<std::unique_ptr<ISerialPort>()>;

// The real port, over QSerialPort.
std::unique_ptr<ISerialPort> CreateSystemSerialPort();

// A serial port present on this computer, with the COMn name it answers to.
struct PortListing {
    std::string comName;      // "COM1"...
    std::string path;         // "/dev/ttyUSB0"
    std::string description;  // what the system says about it, may be empty
    std::string name;         // the system's short name: "ttyUSB0"
    bool usb = false;         // the system knows a USB vendor for it
};

// What to tell a user about a port `name` that did not open: "COM3 (/dev/ttyUSB0): busy: held
// by ModemManager (pid 812)" (or "busy: another program holds the port" where the holder
// cannot be read), "COM9: no such port; 2 serial ports present", permission with the group
// that owns the device and "log in again".
std::string DescribeOpenFailure(const std::string &name, const PortError &error);

// A program that has a device open.
struct PortHolder {
    int64_t pid = 0;
    std::string name;  // the short name the system keeps for the process ("ModemManager")
};

// The programs that have the device at `path` open, in order of pid, as far as the system
// lets them be read (Linux: the open files under /proc); empty where none can be read, and on
// other systems.
std::vector<PortHolder> PortHolders(const std::string &path);

// The ports present, in COMn order.
std::vector<PortListing> ListSerialPorts();

// COMn order where the system has no COM names: USB serial adapters, then USB modems (ACM),
// then the rest, each group sorted by name.
void SortInComOrder(std::vector<PortListing> &ports);

// The device a port name stands for: a name with '/' is a path, "ttyUSB0" is /dev/ttyUSB0,
// COMn is the n-th listed port (Windows: the Windows port). Empty when COMn is beyond the list.
std::string ResolvePortName(const std::string &name);
