#pragma once

// The device link: the serial port, the state machine that reads and writes the device's
// settings through its command menu, and the firmware loader that talks to its bootloader.
// Everything runs on the caller's thread; Poll() is one tick of kPollMilliseconds and never
// waits for the device: it takes the bytes that have arrived and hands over what is to be
// sent.

#include "FirmwareFile.h"
#include "LinkEvents.h"
#include "SerialPort.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CSettings;

// Where the running operation stands. The numbers are fixed: they show in logs and tests.
enum class LinkState : int32_t {
    Idle = 0,
    Complete = 1,
    ReadAwaitBanner = 2,
    ReadAwaitMenu = 3,
    ReadReceiving = 4,
    WriteAwaitBanner = 5,
    WriteAwaitMenu = 6,
    WriteSending = 7,
    LoaderAwaitPrompt = 8,
    LoaderAwaitBanner = 9,
    LoaderErasing = 10,
    LoaderSending = 11,
};

// How the last operation ended (or that one is under way).
enum class LinkOutcome : int32_t {
    None = 0,            // nothing started yet
    Running = 1,
    Completed = 2,       // read, write or firmware load done
    Failed = 3,          // Status() says why: port not opened, firmware file, bootloader error
    ConnectionLost = 4,  // the port failed while the operation ran
};

// How far the operation has come: done of total. Read: settings and bank lines received of
// the 200 a full listing holds; write: lines sent of 200; erase: silent polls of its 60;
// firmware: bytes that have left the computer of the file's size. {0, 0} when there is
// nothing to show (waiting for the device, or idle).
struct LinkProgress {
    int64_t done = 0;
    int64_t total = 0;
};

class CDeviceLink {
public:
    // Poll() is meant to be called once per this period; every count of polls below relies on it.
    static constexpr int kPollMilliseconds = 100;

    // Reads land in `settings`, writes come from it; the link keeps a reference only. Each
    // open takes a port from `ports`; without one, the system's serial port.
    explicit CDeviceLink(CSettings &settings, PortFactory ports = PortFactory());
    ~CDeviceLink();
    CDeviceLink(const CDeviceLink &) = delete;
    CDeviceLink &operator=(const CDeviceLink &) = delete;

    // The serial port.
    bool OpenPort(const std::string &name);
    // Bytes that have arrived, without waiting; 0 on silence or when the port failed (the
    // next poll then loses the connection, after what came before is handled).
    int32_t ReadPort(char *buffer, int32_t count);
    // Bytes the port took; 0 without a port.
    int32_t WritePort(const char *buffer, int32_t count);
    // Bytes not yet on the line: those the port holds and those it has not taken yet.
    int64_t PendingOutput() const;
    void ClosePort();

    // Each ends what was running and opens `port`; false when the operation did not start
    // (Status() says why, Outcome() is Failed). A firmware file that cannot be read refuses
    // the load before anything else, leaving a running operation alone.
    bool StartRead(const std::string &port);
    // With `readBack`, once the last line has left the computer the device is asked for its
    // listing in the same menu session and it is parsed into *readBack (kept by pointer until
    // the operation ends); without, the bytes on the line are those of a plain write.
    bool StartWrite(const std::string &port, CSettings *readBack = nullptr);
    // The firmware file is loaded and checked whole first (LoadFirmwareFile); a refusal is
    // Status() FirmwareRefused with the detail in Note(). What was checked is what is sent.
    bool StartFirmware(const std::string &port, const std::string &firmwarePath);
    void Poll();
    // One received line, with its CR or LF, as Poll hands it on; anything after its first CR
    // or LF is not looked at.
    void HandleLine(std::string line);

    // The step reached (what the status line shows) and the note beside it (the debug line).
    const LinkStatus &Status() const { return m_status; }
    const LinkNote &Note() const { return m_note; }
    // Each goes up by one whenever the status or the note is set, even to the value it had: a
    // front end that shows something of its own in between knows when the link has news.
    uint64_t StatusCount() const { return m_nStatusReports; }
    uint64_t NoteCount() const { return m_nNoteReports; }

    LinkState State() const { return m_state; }
    bool IsRunning() const { return m_state != LinkState::Idle && m_state != LinkState::Complete; }
    // Running while an operation is under way, else how the last one ended.
    LinkOutcome Outcome() const { return IsRunning() ? LinkOutcome::Running : m_outcome; }
    // Polls in a row without a received byte.
    int32_t IdlePolls() const { return m_nIdlePolls; }
    bool IsPortOpen() const { return m_hPort != nullptr; }
    // The port name of the last operation that started.
    const std::string &PortName() const { return m_strPortName; }
    // Why the last OpenPort failed; kind None after one that succeeded.
    const PortError &LastOpenError() const { return m_portError; }
    const std::string &FirmwarePath() const { return m_strFirmwarePath; }
    // The firmware image is held from the start of a load until its transfer ends.
    bool HoldsFirmware() const { return m_bHoldsFirmware; }
    // Firmware bytes that have left the computer, and the file's size.
    int64_t BytesSent() const;
    int64_t FirmwareSize() const { return m_nFirmwareSize; }
    LinkProgress Progress() const;
    // Settings of a full listing (198) that the last completed read, or a write's read-back,
    // did not receive; 0 for a full one.
    int32_t SettingsMissing() const { return m_nSettingsMissing; }

    // A received line longer than this without a line end is handled as it stands.
    static constexpr size_t kMaxLineBytes = 4096;
    static constexpr int64_t kMaxFirmwareBytes = FirmwareImage::kMaxBytes;
    // Silent polls while waiting for the device before the debug line suggests what to check.
    static constexpr int32_t kNoAnswerPolls = 150;

    // Where this link's ports come from from the next open on; an empty factory puts the
    // system's serial port back.
    void SetPortFactory(PortFactory factory) { m_portFactory = std::move(factory); }

private:
    bool Start(const std::string &port, LinkState target);
    void Finish(LinkState state, LinkOutcome outcome);
    // The status naming the port of the operation, and the note; each counts as a report.
    void SetStep(LinkStep step, int64_t done = 0, int64_t total = 0);
    void SetStatus(LinkStatus status);
    void SetNote(LinkNote note);
    void SetDeviceLine(const std::string &line, int64_t chip = 0);
    void EndOperation();
    void LoseConnection();
    void FailOutput();
    void DropFirmware();
    void TakeByte(char byte);
    // Queues bytes for the port and offers them at once; later polls offer what it left.
    void Send(const char *bytes, int32_t count);
    void OfferPending();
    // False when queued bytes are long overdue on the line (the operation is then failed).
    bool OutputOnTime();
    void SendNextLines();
    void BeginListing(CSettings &into, LinkState state);
    void EndListing();
    CSettings &ListingModel() { return m_pReadBack ? *m_pReadBack : m_settings; }
    void LoaderAnswer(char byte);
    // The chip the bootloader names (644, 1284), 0 for one it does not.
    int64_t LoaderIdentify(const std::string &line);
    void LoaderErase();
    void LoaderSend();

    CSettings &m_settings;
    PortFactory m_portFactory;
    // A write's read-back goes here; null for a plain write or a read.
    CSettings *m_pReadBack = nullptr;
    // The open port; null while no port is open.
    std::unique_ptr<ISerialPort> m_hPort;
    LinkState m_state = LinkState::Idle;
    LinkOutcome m_outcome = LinkOutcome::None;
    LinkStatus m_status;
    LinkNote m_note;
    uint64_t m_nStatusReports = 0;
    uint64_t m_nNoteReports = 0;
    int32_t m_nIdlePolls = 0;
    // Received bytes of the line not yet ended; it survives a restart, so a line cut by one
    // leads the next operation.
    std::string m_strRxLine;
    std::vector<char> m_rxPoll;  // what one poll took from the port
    // Bytes the port has not taken yet, in order.
    std::string m_strTxPending;
    // How long what is queued may still take to leave the computer; counts down per poll.
    int64_t m_nOutputBudgetMs = 0;
    // Setting and bank lines of the listing received, setting lines sent.
    int32_t m_nListingLines = 0;
    int32_t m_nLinesSent = 0;
    bool m_bAllLinesSent = false;
    int32_t m_nSettingsMissing = 0;
    std::string m_strFirmwarePath;
    FirmwareImage m_firmware;
    bool m_bHoldsFirmware = false;
    // Firmware bytes handed to the port (some may still be on their way).
    int64_t m_nBytesHanded = 0;
    int64_t m_nFirmwareSize = 0;
    // The port of the last operation that started, for the steps that name it.
    std::string m_strPortName;
    PortError m_portError;
};
