#pragma once

// The firmware file a load sends: opened, bounded and checked once, before the device is asked
// for anything, and then held whole so that the bytes sent are the bytes that were checked.

#include <QByteArray>

#include <cstdint>
#include <string>

// Why a firmware file was refused.
enum class FirmwareRefusal : int32_t {
    None = 0,
    CannotOpen = 1,  // missing, not a regular file, no permission: `detail` says which
    Empty = 2,
    TooLarge = 3,    // `size` holds its size
    CannotRead = 4,  // a read that came short: `detail` is the system's reason
    NotValid = 5,    // Intel HEX with a problem: `line` (0 for the file as a whole) and `detail`
};

struct FirmwareImage {
    static constexpr int64_t kMaxBytes = 16 * 1024 * 1024;

    FirmwareRefusal refusal = FirmwareRefusal::None;
    std::string detail;
    int32_t line = 0;
    int64_t size = 0;
    QByteArray bytes;  // the whole file when it was not refused

    bool Ok() const { return refusal == FirmwareRefusal::None; }
};

// Reads a regular file of 1 byte to kMaxBytes; Intel HEX text must check out whole, anything
// else is the device's business and passes as it is.
FirmwareImage LoadFirmwareFile(const std::string &path);
