#include "DeviceLink.h"

#include "Settings.h"

#include <QFile>

#include <cstdio>

namespace {

constexpr char kEsc = 0x1B;
// The device's start-up line asks for this many ESC bytes to open its command menu.
constexpr int kEscCount = 3;
// 10 idle polls = 1 s of silence: the device has sent its whole settings text.
constexpr int32_t kReadIdlePolls = 10;
// 60 idle polls = 6 s of silence: the bootloader has erased the old code.
constexpr int32_t kEraseIdlePolls = 60;
// Bytes of firmware handed to the port per poll.
constexpr int32_t kFirmwareChunkBytes = 2048;
// Settings lines sent per poll while writing, so that the device's menu keeps up.
constexpr int kWriteLinesPerPoll = 2;

PortFactory &Factory()
{
    static PortFactory factory;
    return factory;
}

bool Contains(const std::string &line, const char *text)
{
    return line.find(text) != std::string::npos;
}

} // namespace

CDeviceLink::CDeviceLink(CSettings &settings) : m_settings(settings) {}

CDeviceLink::~CDeviceLink()
{
    ClosePort();
    CloseFirmwareFile();
}

void CDeviceLink::SetPortFactory(PortFactory factory)
{
    Factory() = std::move(factory);
}

bool CDeviceLink::OpenPort(const std::string &name)
{
    std::unique_ptr<ISerialPort> port = Factory() ? Factory()() : CreateSystemSerialPort();
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
    if (!m_hPort)
        return 0;
    const int32_t n = m_hPort->Read(buffer, count);
    if (n <= 0 && m_hPort->Failed()) {
        LoseConnection();
        return 0;
    }
    return n > 0 ? n : 0;
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

void CDeviceLink::ClosePort()
{
    if (!m_hPort)
        return;
    m_hPort->Close();
    m_hPort.reset();
}

std::string CDeviceLink::GetStatus() const
{
    return m_strStatus;
}

std::string CDeviceLink::GetStatusDebug() const
{
    return m_strStatusDebug;
}

void CDeviceLink::SetStatus(const std::string &status, const std::string &debug)
{
    m_strStatus = status;
    m_strStatusDebug = debug;
}

void CDeviceLink::CloseFirmwareFile()
{
    m_fileFirmware.reset();
}

void CDeviceLink::Finish(LinkState state, LinkOutcome outcome, std::string reason)
{
    m_state = state;
    m_outcome = outcome;
    m_strOutcomeReason = std::move(reason);
}

// Ends whatever was running, at the point it had reached: a read's parse is closed so that the
// settings model is not left mid-parse, and the firmware file is let go.
void CDeviceLink::EndOperation()
{
    if (m_state == LinkState::ReadReceiving)
        m_settings.EndParse();
    CloseFirmwareFile();
}

void CDeviceLink::LoseConnection()
{
    // A port that fails after its operation ended (a firmware load keeps it open) changes the
    // status but not how that operation ended.
    const bool running = IsRunning();
    ClosePort();
    EndOperation();
    if (running) {
        m_outcome = LinkOutcome::ConnectionLost;
        m_strOutcomeReason = "lost connection on " + m_strPortName;
    }
    m_state = LinkState::Idle;
    m_strStatus = "Lost connection on Com port " + m_strPortName;
}

bool CDeviceLink::Start(const std::string &port, LinkState target)
{
    ClosePort();
    EndOperation();
    if (!OpenPort(port)) {
        // The operation that was running is cut off: nothing may later claim it completed.
        Finish(LinkState::Idle, LinkOutcome::Failed, "port " + port + " did not open");
        m_strStatus = "Failed to open Com port " + port;
        return false;
    }
    m_strPortName = port;
    Finish(target, LinkOutcome::Running);
    m_strStatus = "Opened Com port " + port + " - cycle QWN power";
    return true;
}

bool CDeviceLink::StartRead(const std::string &port)
{
    return Start(port, LinkState::ReadAwaitBanner);
}

bool CDeviceLink::StartWrite(const std::string &port)
{
    return Start(port, LinkState::WriteAwaitBanner);
}

bool CDeviceLink::StartFirmware(const std::string &port, const std::string &firmwarePath)
{
    // The file is checked before the device is asked for anything: once the device has erased
    // its code, a file that turns out unreadable would leave it without firmware.
    m_strFirmwarePath = firmwarePath;
    auto file = std::make_unique<QFile>(QString::fromLocal8Bit(firmwarePath.c_str()));
    if (!file->open(QIODevice::ReadOnly) || file->size() == 0) {
        m_strStatus = "Couldn't open file " + firmwarePath;
        m_outcome = LinkOutcome::Failed;
        m_strOutcomeReason = "firmware file " + firmwarePath + " is missing, unreadable or empty";
        return false;
    }
    if (!Start(port, LinkState::LoaderAwaitPrompt))
        return false;
    m_fileFirmware = std::move(file);
    return true;
}

void CDeviceLink::Poll()
{
    ++m_nIdlePolls;
    char byte = 0;
    while (ReadPort(&byte, 1) == 1) {
        m_nIdlePolls = 0;
        TakeByte(byte);
    }

    switch (m_state) {
    case LinkState::ReadReceiving:
        if (m_nIdlePolls >= kReadIdlePolls) {
            m_strStatus = "Read Complete";
            m_strStatusDebug = m_settings.EndParse();
            Finish(LinkState::Complete, LinkOutcome::Completed);
            ClosePort();
        }
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
        m_strStatus = "Entering Bootloader";
        WritePort("b", 1);
    }
    m_strRxLine += byte;
    if (byte == '\r' || byte == '\n') {
        if (m_strRxLine.size() > 1)
            HandleLine(m_strRxLine);
        m_strRxLine.clear();
    }
}

void CDeviceLink::SendNextLines()
{
    for (int i = 0; i < kWriteLinesPerPoll && m_state == LinkState::WriteSending; ++i) {
        std::string line = m_settings.NextLine();
        if (line.empty()) {
            m_strStatus = "Write Complete";
            Finish(LinkState::Complete, LinkOutcome::Completed);
            ClosePort();
            break;
        }
        m_strStatus = line;
        line += "\r\n";
        WritePort(line.data(), int32_t(line.size()));
    }
}

void CDeviceLink::HandleLine(std::string line)
{
    bool show = true;
    switch (m_state) {
    case LinkState::ReadAwaitBanner:
    case LinkState::WriteAwaitBanner:
        if (Contains(line, "Press ESC 3 times to enter")) {
            m_strStatus = "Found Quillwren Rezar - Entering Command Menu";
            m_state = m_state == LinkState::ReadAwaitBanner ? LinkState::ReadAwaitMenu
                                                            : LinkState::WriteAwaitMenu;
            for (int i = 0; i < kEscCount; ++i)
                WritePort(&kEsc, 1);
        }
        break;
    case LinkState::ReadAwaitMenu:
    case LinkState::WriteAwaitMenu:
        if (Contains(line, "Options Menu")) {
            m_strStatus = "Entered Command Menu - Reading settings";
            // The parse is begun and the state moved before the bytes go out, so that a port
            // lost during the write finds the read's parse running and ends it.
            if (m_state == LinkState::ReadAwaitMenu) {
                m_settings.BeginParse();
                m_state = LinkState::ReadReceiving;
                WritePort("EXPORT\r", 7);
            } else {
                m_settings.ResetWriter();
                m_state = LinkState::WriteSending;
            }
        }
        break;
    case LinkState::ReadReceiving:
        m_settings.ParseLine(line);
        break;
    case LinkState::WriteSending:
        // The device echoes each settings line with a ':' in front; only its answers are shown.
        show = line.empty() || line[0] != ':';
        break;
    case LinkState::LoaderAwaitBanner:
        LoaderIdentify(line);
        break;
    default:
        break;
    }
    if (show)
        m_strStatusDebug = line;
}

// Per received byte while the firmware goes out: '.' is progress, '*' the end, anything else
// the bootloader's error code.
void CDeviceLink::LoaderAnswer(char byte)
{
    if (byte == '.') {
        char text[64];
        const int64_t percent = int64_t(m_nBytesSent) * 100 / m_nFirmwareSize;
        std::snprintf(text, sizeof text, "Written %d bytes (%lld%%)", m_nBytesSent,
                      static_cast<long long>(percent));
        m_strStatus = text;
        return;
    }
    CloseFirmwareFile();
    if (byte == '*') {
        Finish(LinkState::Idle, LinkOutcome::Completed);
        m_strStatus = "Firmware update complete";
    } else {
        char reason[64];
        std::snprintf(reason, sizeof reason, "the bootloader answered with error byte 0x%02X",
                      unsigned(static_cast<unsigned char>(byte)));
        Finish(LinkState::Idle, LinkOutcome::Failed, reason);
        m_strStatus = "Firmware update Error ";
        m_strStatus += byte;
    }
}

void CDeviceLink::LoaderIdentify(std::string &line)
{
    if (!Contains(line, "Quillwren"))
        return;
    m_strStatus = "Erasing Code";
    m_state = LinkState::LoaderErasing;
    if (Contains(line, "Quillwren v1.2b"))
        line.insert(0, "Found 644 based Quillwren - ");
    if (Contains(line, "Quillwren v1.2c"))
        line.insert(0, "Found 1284 based Quillwren - ");
    WritePort("s", 1);
}

void CDeviceLink::LoaderErase()
{
    if (m_nIdlePolls < kEraseIdlePolls)
        return;
    m_strStatus = "Erase Complete";
    m_state = LinkState::LoaderSending;
    if (!m_fileFirmware || !m_fileFirmware->seek(0)) {
        m_strStatus = "Couldn't open file " + m_strFirmwarePath;
        Finish(LinkState::Idle, LinkOutcome::Failed,
               "firmware file " + m_strFirmwarePath + " could not be read");
        CloseFirmwareFile();
        return;
    }
    m_nBytesSent = 0;
    m_nFirmwareSize = int32_t(uint32_t(uint64_t(m_fileFirmware->size())));
    if (m_nFirmwareSize == 0)
        m_nFirmwareSize = 1;
}

void CDeviceLink::LoaderSend()
{
    if (!m_fileFirmware)
        return;
    char chunk[kFirmwareChunkBytes];
    const qint64 n = m_fileFirmware->read(chunk, kFirmwareChunkBytes);
    if (n <= 0) {
        CloseFirmwareFile();
        return;
    }
    m_nBytesSent += int32_t(n);
    WritePort(chunk, int32_t(n));
}
