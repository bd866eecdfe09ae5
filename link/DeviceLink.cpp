#include "DeviceLink.h"

#include "Settings.h"

#include <QFile>

#include <cstdio>

CDeviceLink g_deviceLink;
int32_t g_nIdlePolls = 0;
std::string s_strRxLine;

namespace {

constexpr char kEsc = 0x1B;
constexpr int32_t kFirmwareChunk = 2048;
constexpr int32_t kReadIdlePolls = 10;
constexpr int32_t kEraseIdlePolls = 60;

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

CDeviceLink::CDeviceLink() = default;

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
    m_hPort->Write(buffer, count);
    if (m_hPort->Failed())
        LoseConnection();
    return 0;
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

// Ends whatever was running, at the point it had reached: a read's parse is closed so that the
// settings model is not left mid-parse, and the firmware file is let go.
void CDeviceLink::EndOperation()
{
    if (m_nState == ReadReceiving)
        g_settings.EndParse();
    CloseFirmwareFile();
}

void CDeviceLink::LoseConnection()
{
    ClosePort();
    EndOperation();
    m_nState = Idle;
    m_strStatus = "Lost connection on Com port " + m_strPortName;
}

bool CDeviceLink::Start(const std::string &port, LinkState target)
{
    ClosePort();
    EndOperation();
    if (!OpenPort(port)) {
        // The operation that was running is cut off: nothing may later claim it completed.
        m_nState = Idle;
        m_strStatus = "Failed to open Com port " + port;
        return false;
    }
    m_strPortName = port;
    m_nState = target;
    m_strStatus = "Opened Com port " + port + " - cycle QWN power";
    return true;
}

void CDeviceLink::StartRead(const std::string &port)
{
    Start(port, ReadAwaitBanner);
}

void CDeviceLink::StartWrite(const std::string &port)
{
    Start(port, WriteAwaitBanner);
}

void CDeviceLink::StartFirmware(const std::string &port, const std::string &firmwarePath)
{
    // The file is checked before the device is asked for anything: once the device has erased
    // its code, a file that turns out unreadable would leave it without firmware.
    m_strFirmwarePath = firmwarePath;
    auto file = std::make_unique<QFile>(QString::fromLocal8Bit(firmwarePath.c_str()));
    if (!file->open(QIODevice::ReadOnly) || file->size() == 0) {
        m_strStatus = "Couldn't open file " + firmwarePath;
        return;
    }
    if (Start(port, LoaderAwaitPrompt))
        m_fileFirmware = std::move(file);
}

void CDeviceLink::Poll()
{
    ++g_nIdlePolls;
    char byte = 0;
    while (ReadPort(&byte, 1) == 1) {
        g_nIdlePolls = 0;
        if (m_nState == LoaderSending)
            LoaderAnswer(byte);
        if (byte == '?' && m_nState == LoaderAwaitPrompt) {
            m_nState = LoaderAwaitBanner;
            m_strStatus = "Entering Bootloader";
            WritePort("b", 1);
        }
        s_strRxLine += byte;
        if (byte == '\r' || byte == '\n') {
            if (s_strRxLine.size() > 1)
                HandleLine(s_strRxLine);
            s_strRxLine.clear();
        }
    }

    switch (m_nState) {
    case ReadReceiving:
        if (g_nIdlePolls >= kReadIdlePolls) {
            m_strStatus = "Read Complete";
            m_strStatusDebug = g_settings.EndParse();
            m_nState = Complete;
            ClosePort();
        }
        break;
    case WriteSending:
        for (int i = 0; i < 2 && m_nState == WriteSending; ++i) {
            std::string line = g_settings.NextLine();
            if (line.empty()) {
                m_strStatus = "Write Complete";
                m_nState = Complete;
                ClosePort();
                break;
            }
            m_strStatus = line;
            line += "\r\n";
            WritePort(line.data(), int32_t(line.size()));
        }
        break;
    case LoaderErasing:
        LoaderErase();
        break;
    case LoaderSending:
        LoaderSend();
        break;
    default:
        break;
    }
}

void CDeviceLink::HandleLine(std::string line)
{
    bool show = true;
    switch (m_nState) {
    case ReadAwaitBanner:
    case WriteAwaitBanner:
        if (Contains(line, "Press ESC 3 times to enter")) {
            m_strStatus = "Found Quillwren Rezar - Entering Command Menu";
            ++m_nState;
            for (int i = 0; i < 3; ++i)
                WritePort(&kEsc, 1);
        }
        break;
    case ReadAwaitMenu:
    case WriteAwaitMenu:
        if (Contains(line, "Options Menu")) {
            m_strStatus = "Entered Command Menu - Reading settings";
            // The parse is begun and the state moved before the bytes go out, so that a port
            // lost during the write finds the read's parse running and ends it.
            if (m_nState == ReadAwaitMenu) {
                g_settings.BeginParse();
                m_nState = ReadReceiving;
                WritePort("EXPORT\r", 7);
            } else {
                g_settings.ResetWriter();
                m_nState = WriteSending;
            }
        }
        break;
    case ReadReceiving:
        g_settings.ParseLine(line);
        break;
    case WriteSending:
        show = line.empty() || line[0] != ':';
        break;
    case LoaderAwaitBanner:
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
    m_nState = Idle;
    CloseFirmwareFile();
    if (byte == '*') {
        m_strStatus = "Firmware update complete";
    } else {
        m_strStatus = "Firmware update Error ";
        m_strStatus += byte;
    }
}

void CDeviceLink::LoaderIdentify(std::string &line)
{
    if (!Contains(line, "Quillwren"))
        return;
    m_strStatus = "Erasing Code";
    m_nState = LoaderErasing;
    if (Contains(line, "Quillwren v1.2b"))
        line.insert(0, "Found 644 based Quillwren - ");
    if (Contains(line, "Quillwren v1.2c"))
        line.insert(0, "Found 1284 based Quillwren - ");
    WritePort("s", 1);
}

void CDeviceLink::LoaderErase()
{
    if (g_nIdlePolls < kEraseIdlePolls)
        return;
    m_strStatus = "Erase Complete";
    m_nState = LoaderSending;
    if (!m_fileFirmware || !m_fileFirmware->seek(0)) {
        m_strStatus = "Couldn't open file " + m_strFirmwarePath;
        m_nState = Idle;
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
    char chunk[kFirmwareChunk];
    const qint64 n = m_fileFirmware->read(chunk, kFirmwareChunk);
    if (n <= 0) {
        CloseFirmwareFile();
        return;
    }
    m_nBytesSent += int32_t(n);
    WritePort(chunk, int32_t(n));
}
