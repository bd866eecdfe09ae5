#include "DeviceLink.h"

#include "Settings.h"

#include <algorithm>

namespace {

constexpr char kEsc = 0x1B;
// The device's start-up line asks for this many ESC bytes to open its command menu.
constexpr int kEscCount = 3;
// 10 idle polls = 1 s of silence: the device has sent its whole settings text.
constexpr int32_t kReadIdlePolls = 10;
// 60 idle polls = 6 s of silence: the bootloader has erased the old code.
constexpr int32_t kEraseIdlePolls = 60;
// Bytes of firmware handed to the port at a time, each once the one before has left.
constexpr int32_t kFirmwareChunkBytes = 2048;
// Settings lines sent per poll while writing, so that the device's menu keeps up.
constexpr int kWriteLinesPerPoll = 2;
// Received bytes one poll takes at most: a device that never pauses cannot hold a poll. Far
// above what the line brings in a poll (192 bytes), so a real device is never held back.
constexpr int32_t kMaxBytesPerPoll = 16 * 1024;
// 19200 baud, 8N1.
constexpr int64_t kLineBytesPerSecond = 1920;
// Queued bytes may take twice their time on the line, and a second more, before the port is
// taken to be stuck (flow control held off for good, a driver that does not send).
constexpr int64_t kOutputGraceMs = 1000;
// Setting lines of a full listing: 99 per bank.
constexpr int32_t kListingSettings = 2 * kSettingCount;

bool Contains(const std::string &line, const char *text)
{
    return line.find(text) != std::string::npos;
}

int64_t LineTimeMs(int64_t bytes)
{
    return bytes * 1000 / kLineBytesPerSecond;
}

bool IsWaitingForDevice(LinkState state)
{
    switch (state) {
    case LinkState::ReadAwaitBanner:
    case LinkState::ReadAwaitMenu:
    case LinkState::WriteAwaitBanner:
    case LinkState::WriteAwaitMenu:
    case LinkState::LoaderAwaitPrompt:
    case LinkState::LoaderAwaitBanner:
        return true;
    default:
        return false;
    }
}

} // namespace

CDeviceLink::CDeviceLink(CSettings &settings, PortFactory ports)
    : m_settings(settings), m_portFactory(std::move(ports))
{
}

CDeviceLink::~CDeviceLink()
{
    ClosePort();
}

bool CDeviceLink::OpenPort(const std::string &name)
{
    std::unique_ptr<ISerialPort> port = m_portFactory ? m_portFactory() : CreateSystemSerialPort();
    if (!port->Open(name)) {
        m_portError = port->OpenError();
        // A failed open always says so, even from a port that cannot tell why.
        if (m_portError.kind == PortErrorKind::None)
            m_portError.kind = PortErrorKind::Other;
        return false;
    }
    m_portError = PortError();
    m_hPort = std::move(port);
    return true;
}

int32_t CDeviceLink::ReadPort(char *buffer, int32_t count)
{
    return m_hPort ? std::max<int32_t>(0, m_hPort->Read(buffer, count)) : 0;
}

int32_t CDeviceLink::WritePort(const char *buffer, int32_t count)
{
    if (!m_hPort)
        return 0;
    const int32_t n = m_hPort->Write(buffer, count);
    if (m_hPort->Failed())
        LoseConnection();
    return n > 0 ? n : 0;
}

int64_t CDeviceLink::PendingOutput() const
{
    if (!m_hPort)
        return 0;
    return int64_t(m_strTxPending.size()) + std::max<int64_t>(0, m_hPort->PendingOutput());
}

void CDeviceLink::ClosePort()
{
    m_strTxPending.clear();
    m_nOutputBudgetMs = 0;
    if (!m_hPort)
        return;
    m_hPort->Close();
    m_hPort.reset();
}

void CDeviceLink::SetStep(LinkStep step, int64_t done, int64_t total)
{
    LinkStatus status;
    status.step = step;
    status.port = m_strPortName;
    status.done = done;
    status.total = total;
    SetStatus(std::move(status));
}

void CDeviceLink::SetStatus(LinkStatus status)
{
    m_status = std::move(status);
    ++m_nStatusReports;
}

void CDeviceLink::SetNote(LinkNote note)
{
    m_note = std::move(note);
    ++m_nNoteReports;
}

// The line is shown without its line end: a CR left on it would draw an empty second line.
void CDeviceLink::SetDeviceLine(const std::string &line, int64_t chip)
{
    LinkNote note;
    note.kind = chip ? LinkNoteKind::LoaderFound : LinkNoteKind::DeviceLine;
    note.text = line.substr(0, line.find_first_of("\r\n"));
    note.number = chip;
    SetNote(std::move(note));
}

int64_t CDeviceLink::BytesSent() const
{
    const int64_t underway = m_state == LinkState::LoaderSending ? PendingOutput() : 0;
    return std::max<int64_t>(0, m_nBytesHanded - underway);
}

LinkProgress CDeviceLink::Progress() const
{
    switch (m_state) {
    case LinkState::ReadReceiving:
        return {std::min<int64_t>(m_nListingLines, kSettingsTextLines), kSettingsTextLines};
    case LinkState::WriteSending:
        return {m_nLinesSent, kSettingsTextLines};
    case LinkState::LoaderErasing:
        return {std::min(m_nIdlePolls, kEraseIdlePolls), kEraseIdlePolls};
    case LinkState::LoaderSending:
        return {BytesSent(), m_nFirmwareSize};
    default:
        return {};
    }
}

void CDeviceLink::DropFirmware()
{
    m_firmware = FirmwareImage();
    m_bHoldsFirmware = false;
}

void CDeviceLink::Finish(LinkState state, LinkOutcome outcome)
{
    m_state = state;
    m_outcome = outcome;
}

// Ends whatever was running, at the point it had reached: a read's parse is closed so that the
// settings model is not left mid-parse, and the firmware image is let go.
void CDeviceLink::EndOperation()
{
    if (m_state == LinkState::ReadReceiving)
        ListingModel().EndParse();
    DropFirmware();
    m_pReadBack = nullptr;
}

void CDeviceLink::LoseConnection()
{
    // Once the operation has ended (a firmware load keeps its port open), a port that goes
    // away is only closed: the status of how the operation ended stays.
    const bool running = IsRunning();
    ClosePort();
    if (!running)
        return;
    EndOperation();
    Finish(LinkState::Idle, LinkOutcome::ConnectionLost);
    SetStep(LinkStep::ConnectionLost);
}

// Bytes that never leave the computer fail the operation: nothing later may claim that what
// depended on them is complete.
void CDeviceLink::FailOutput()
{
    const int64_t stuck = PendingOutput();
    ClosePort();
    EndOperation();
    Finish(LinkState::Idle, LinkOutcome::Failed);
    SetStep(LinkStep::OutputStuck, stuck);
}

bool CDeviceLink::Start(const std::string &port, LinkState target)
{
    ClosePort();
    EndOperation();
    SetNote(LinkNote());
    m_nIdlePolls = 0;
    m_nListingLines = 0;
    m_nLinesSent = 0;
    m_bAllLinesSent = false;
    m_nSettingsMissing = 0;
    m_nBytesHanded = 0;
    m_nFirmwareSize = 0;
    if (!OpenPort(port)) {
        // The operation that was running is cut off: nothing may later claim it completed.
        Finish(LinkState::Idle, LinkOutcome::Failed);
        LinkStatus status;
        status.step = LinkStep::PortNotOpened;
        status.port = port;
        SetStatus(std::move(status));
        LinkNote note;
        note.kind = LinkNoteKind::PortNotOpened;
        note.text = port;
        note.portError = m_portError;
        SetNote(std::move(note));
        return false;
    }
    m_strPortName = port;
    Finish(target, LinkOutcome::Running);
    SetStep(LinkStep::PortOpened);
    return true;
}

bool CDeviceLink::StartRead(const std::string &port)
{
    return Start(port, LinkState::ReadAwaitBanner);
}

bool CDeviceLink::StartWrite(const std::string &port, CSettings *readBack)
{
    if (!Start(port, LinkState::WriteAwaitBanner))
        return false;
    m_pReadBack = readBack;
    return true;
}

bool CDeviceLink::StartFirmware(const std::string &port, const std::string &firmwarePath)
{
    // The file is loaded and checked before the device is asked for anything: once the device
    // has erased its code, a file that turns out unreadable would leave it without firmware.
    m_strFirmwarePath = firmwarePath;
    FirmwareImage image = LoadFirmwareFile(firmwarePath);
    if (!image.Ok()) {
        m_outcome = LinkOutcome::Failed;
        SetStatus(FirmwareRefusedStatus(firmwarePath, image));
        SetNote(FirmwareRefusedNote(image));
        return false;
    }
    if (!Start(port, LinkState::LoaderAwaitPrompt))
        return false;
    m_nFirmwareSize = image.size;
    m_firmware = std::move(image);
    m_bHoldsFirmware = true;
    return true;
}

void CDeviceLink::Poll()
{
    ++m_nIdlePolls;
    if (m_hPort) {
        m_hPort->Flush();
        if (m_hPort->Failed())
            LoseConnection();
    }

    // Everything that has arrived, up to the bound, taken before any of it is handled: an
    // answer to what this poll sends belongs to the next poll, so each step (and its status)
    // lasts at least one poll however fast the device answers.
    // What came before a failed read is handled first: the device's last word (the firmware's
    // end, say) may be what decides how the loss is reported.
    m_rxPoll.resize(size_t(kMaxBytesPerPoll));
    int32_t taken = 0;
    while (taken < kMaxBytesPerPoll) {
        const int32_t n = ReadPort(m_rxPoll.data() + taken, kMaxBytesPerPoll - taken);
        if (n == 0)
            break;
        taken += n;
    }
    if (taken > 0)
        m_nIdlePolls = 0;
    for (int32_t i = 0; i < taken && m_hPort; ++i)
        TakeByte(m_rxPoll[size_t(i)]);
    if (m_hPort && m_hPort->Failed())
        LoseConnection();

    OfferPending();
    if (!OutputOnTime())
        return;

    if (IsWaitingForDevice(m_state) && m_nIdlePolls == kNoAnswerPolls) {
        LinkNote note;
        note.kind = LinkNoteKind::NoAnswer;
        SetNote(std::move(note));
    }

    switch (m_state) {
    case LinkState::ReadReceiving:
        // The listing was asked for by bytes that must have left before its silence counts.
        if (m_nIdlePolls >= kReadIdlePolls && PendingOutput() == 0)
            EndListing();
        break;
    case LinkState::WriteSending:
        SendNextLines();
        break;
    case LinkState::LoaderErasing:
        LoaderErase();
        break;
    case LinkState::LoaderSending:
        LoaderSend();
        break;
    default:
        break;
    }
}

void CDeviceLink::TakeByte(char byte)
{
    if (m_state == LinkState::LoaderSending)
        LoaderAnswer(byte);
    if (byte == '?' && m_state == LinkState::LoaderAwaitPrompt) {
        m_state = LinkState::LoaderAwaitBanner;
        SetStep(LinkStep::EnteringBootloader);
        Send("b", 1);
    }
    m_strRxLine += byte;
    if (byte == '\r' || byte == '\n') {
        if (m_strRxLine.size() > 1)
            HandleLine(m_strRxLine);
        m_strRxLine.clear();
    } else if (m_strRxLine.size() >= kMaxLineBytes) {
        // A device that never ends its line: what came is handled as a line of its own, and
        // the bytes after it start a new one.
        HandleLine(m_strRxLine);
        m_strRxLine.clear();
    }
}

void CDeviceLink::Send(const char *bytes, int32_t count)
{
    if (!m_hPort || count <= 0)
        return;
    const int64_t lineTime = 2 * LineTimeMs(count);
    m_nOutputBudgetMs = PendingOutput() == 0 ? kOutputGraceMs + lineTime : m_nOutputBudgetMs + lineTime;
    m_strTxPending.append(bytes, size_t(count));
    OfferPending();
}

void CDeviceLink::OfferPending()
{
    if (!m_hPort || m_strTxPending.empty())
        return;
    const int32_t n = WritePort(m_strTxPending.data(), int32_t(std::min<size_t>(m_strTxPending.size(), INT32_MAX)));
    if (m_hPort)
        m_strTxPending.erase(0, size_t(n));
}

bool CDeviceLink::OutputOnTime()
{
    if (!m_hPort || PendingOutput() == 0) {
        m_nOutputBudgetMs = 0;
        return true;
    }
    m_nOutputBudgetMs -= kPollMilliseconds;
    if (m_nOutputBudgetMs >= 0 || !IsRunning())
        return true;
    FailOutput();
    return false;
}

void CDeviceLink::SendNextLines()
{
    for (int i = 0; i < kWriteLinesPerPoll && !m_bAllLinesSent; ++i) {
        std::string line = m_settings.NextLine();
        if (line.empty()) {
            m_bAllLinesSent = true;
            break;
        }
        ++m_nLinesSent;
        LinkStatus status;
        status.step = LinkStep::SendingLine;
        status.port = m_strPortName;
        status.text = line;
        SetStatus(std::move(status));
        line += "\r\n";
        Send(line.data(), int32_t(line.size()));
        if (m_state != LinkState::WriteSending)
            return;
    }
    // Complete once the last line has left the computer, not when it was queued.
    if (!m_bAllLinesSent || PendingOutput() > 0)
        return;
    if (m_pReadBack) {
        SetStep(LinkStep::ReadingBack);
        BeginListing(*m_pReadBack, LinkState::ReadReceiving);
        return;
    }
    SetStep(LinkStep::WriteComplete);
    Finish(LinkState::Complete, LinkOutcome::Completed);
    ClosePort();
}

// The parse is begun and the state moved before the request goes out, so that a port lost
// while sending it finds the parse running and ends it.
void CDeviceLink::BeginListing(CSettings &into, LinkState state)
{
    into.BeginParse();
    m_nListingLines = 0;
    m_nIdlePolls = 0;
    m_state = state;
    Send("EXPORT\r", 7);
}

void CDeviceLink::EndListing()
{
    CSettings &model = ListingModel();
    LinkNote note;
    note.kind = LinkNoteKind::ListingDone;
    note.text = model.EndParse();
    // A device may be older and list fewer settings: still complete, but saying how many are
    // missing.
    m_nSettingsMissing = std::max(0, kListingSettings - model.DeviceParse().parsed);
    note.number = m_nSettingsMissing;
    SetStep(m_pReadBack ? LinkStep::WriteComplete : LinkStep::ReadComplete);
    SetNote(std::move(note));
    m_pReadBack = nullptr;
    Finish(LinkState::Complete, LinkOutcome::Completed);
    ClosePort();
}

void CDeviceLink::HandleLine(std::string line)
{
    // A line ends at its first CR or LF, whichever the device uses.
    if (const size_t end = line.find_first_of("\r\n"); end != std::string::npos)
        line.resize(end + 1);
    bool show = true;
    int64_t chip = 0;
    switch (m_state) {
    case LinkState::ReadAwaitBanner:
    case LinkState::WriteAwaitBanner:
        if (Contains(line, "Press ESC 3 times to enter")) {
            SetStep(LinkStep::FoundDevice);
            m_state = m_state == LinkState::ReadAwaitBanner ? LinkState::ReadAwaitMenu
                                                            : LinkState::WriteAwaitMenu;
            for (int i = 0; i < kEscCount && m_hPort; ++i)
                Send(&kEsc, 1);
        }
        break;
    case LinkState::ReadAwaitMenu:
    case LinkState::WriteAwaitMenu:
        if (Contains(line, "Options Menu")) {
            SetStep(LinkStep::EnteredMenu);
            if (m_state == LinkState::ReadAwaitMenu) {
                BeginListing(m_settings, LinkState::ReadReceiving);
            } else {
                m_settings.ResetWriter();
                m_state = LinkState::WriteSending;
            }
        }
        break;
    case LinkState::ReadReceiving:
        switch (ListingModel().ParseLine(line)) {
        case LineEffect::BankHeader:
        case LineEffect::Same:
        case LineEffect::Changed:
            ++m_nListingLines;
            break;
        default:
            break;
        }
        break;
    case LinkState::WriteSending:
        // The device echoes each settings line with a ':' in front; only its answers are shown.
        show = line.empty() || line[0] != ':';
        break;
    case LinkState::LoaderAwaitBanner:
        chip = LoaderIdentify(line);
        break;
    default:
        break;
    }
    if (show)
        SetDeviceLine(line, chip);
}

// Per received byte while the firmware goes out: '.' is progress, '*' the end, anything else
// the bootloader's error code.
void CDeviceLink::LoaderAnswer(char byte)
{
    if (byte == '.') {
        SetStep(LinkStep::FirmwareWritten, BytesSent(), m_nFirmwareSize);
        return;
    }
    // The loader's last word: nothing may follow it (after '*' the new firmware runs, after an
    // error the loader takes no more), so what the port has not yet taken of a chunk is dropped.
    DropFirmware();
    m_strTxPending.clear();
    if (byte == '*') {
        Finish(LinkState::Idle, LinkOutcome::Completed);
        SetStep(LinkStep::FirmwareComplete);
        return;
    }
    Finish(LinkState::Idle, LinkOutcome::Failed);
    SetStep(LinkStep::FirmwareError, static_cast<unsigned char>(byte));
}

int64_t CDeviceLink::LoaderIdentify(const std::string &line)
{
    if (!Contains(line, "Quillwren"))
        return 0;
    SetStep(LinkStep::ErasingCode);
    m_state = LinkState::LoaderErasing;
    Send("s", 1);
    if (Contains(line, "Quillwren v1.2b"))
        return 644;
    if (Contains(line, "Quillwren v1.2c"))
        return 1284;
    return 0;
}

void CDeviceLink::LoaderErase()
{
    if (m_nIdlePolls < kEraseIdlePolls)
        return;
    SetStep(LinkStep::EraseComplete);
    m_state = LinkState::LoaderSending;
    m_nBytesHanded = 0;
}

void CDeviceLink::LoaderSend()
{
    // One chunk in flight: the next goes once the one before has left the computer, so that
    // the progress counts bytes on the line.
    if (!m_bHoldsFirmware || PendingOutput() > 0)
        return;
    const int64_t left = m_nFirmwareSize - m_nBytesHanded;
    if (left <= 0) {
        DropFirmware();
        return;
    }
    const auto n = int32_t(std::min<int64_t>(left, kFirmwareChunkBytes));
    const char *chunk = m_firmware.bytes.constData() + m_nBytesHanded;
    m_nBytesHanded += n;
    Send(chunk, n);
}
