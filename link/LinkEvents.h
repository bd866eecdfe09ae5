#pragma once

// What the device link reports, as values: the step an operation has reached (the status
// line), and a note beside it (the debug line). The link never words them; each front end
// makes its texts from these in one place (LinkText).

#include "FirmwareFile.h"
#include "SerialPort.h"

#include <cstdint>
#include <string>

enum class LinkStep : int32_t {
    Ready = 0,           // nothing started yet
    PortOpened,          // `port` is open; the device is to be switched on
    FoundDevice,         // the start-up line came; the command menu is being opened
    EnteredMenu,         // the menu answered; the settings are read or written
    SendingLine,         // `text` is the settings line just sent
    ReadingBack,         // a write's last line left; the device is asked for its listing
    ReadComplete,
    WriteComplete,
    EnteringBootloader,
    ErasingCode,
    EraseComplete,
    FirmwareWritten,     // `done` bytes of `total` are on the line
    FirmwareComplete,
    FirmwareError,       // `done` is the byte the bootloader answered with
    PortNotOpened,       // refused: `port` did not open; the note holds its PortError
    ConnectionLost,      // `port` failed while the operation ran
    OutputStuck,         // bytes did not leave the computer through `port`
    FirmwareRefused,     // refused: `text` is the file; `refusal` says why, the note the detail
};

struct LinkStatus {
    LinkStep step = LinkStep::Ready;
    std::string port;
    std::string text;
    int64_t done = 0;
    int64_t total = 0;
    FirmwareRefusal refusal = FirmwareRefusal::None;

    bool operator==(const LinkStatus &) const = default;
};

enum class LinkNoteKind : int32_t {
    None = 0,
    DeviceLine,       // `text` is a line the device sent, without its line end
    LoaderFound,      // the bootloader's line (`text`) naming the chip `number` (644, 1284)
    ListingDone,      // `text` is the parse summary; `number` settings of a full listing did not come
    NoAnswer,         // nothing heard from the device for a long while
    PortNotOpened,    // `portError` for the port `text`
    FirmwareRefused,  // `refusal`, `text` its detail, `number` the line of a HEX problem, `size`
};

struct LinkNote {
    LinkNoteKind kind = LinkNoteKind::None;
    std::string text;
    int64_t number = 0;
    int64_t size = 0;
    FirmwareRefusal refusal = FirmwareRefusal::None;
    PortError portError;

    bool operator==(const LinkNote &other) const
    {
        return kind == other.kind && text == other.text && number == other.number && size == other.size
               && refusal == other.refusal && portError.kind == other.portError.kind
               && portError.path == other.portError.path && portError.text == other.portError.text;
    }
};

// A firmware file's refusal, as the status and the note report it.
inline LinkStatus FirmwareRefusedStatus(const std::string &path, const FirmwareImage &image)
{
    LinkStatus status;
    status.step = LinkStep::FirmwareRefused;
    status.text = path;
    status.refusal = image.refusal;
    return status;
}

inline LinkNote FirmwareRefusedNote(const FirmwareImage &image)
{
    LinkNote note;
    note.kind = LinkNoteKind::FirmwareRefused;
    note.refusal = image.refusal;
    note.text = image.detail;
    note.number = image.line;
    note.size = image.size;
    return note;
}
