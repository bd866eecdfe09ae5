#pragma once

// The device link: the serial port, the state machine that reads and writes the device's
// settings through its command menu, and the firmware loader that talks to its bootloader.
// Everything runs on the caller's thread; Poll() is one 100 ms tick.

#include "SerialPort.h"

#include <cstdint>
#include <memory>
#include <string>

class QFile;

enum LinkState : int32_t {
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

class CDeviceLink {
public:
    CDeviceLink();
    ~CDeviceLink();
    CDeviceLink(const CDeviceLink &) = delete;
    CDeviceLink &operator=(const CDeviceLink &) = delete;

    // The serial port.
    bool OpenPort(const std::string &name);
    int32_t ReadPort(char *buffer, int32_t count);
    int32_t WritePort(const char *buffer, int32_t count);
    void ClosePort();

    void StartRead(const std::string &port);
    void StartWrite(const std::string &port);
    void StartFirmware(const std::string &port, const std::string &firmwarePath);
    void Poll();
    void HandleLine(std::string line);

    std::string GetStatus() const;
    std::string GetStatusDebug() const;
    // Lets the Comms page report a settings-file result ("Loaded %s", "Saved %s",
    // "Couldn't open file %s") through the link, so the next poll does not wipe it.
    void SetStatus(const std::string &status, const std::string &debug);

    // Where ports come from; an empty factory puts the system's serial port back.
    static void SetPortFactory(PortFactory factory);

    // The open port; null while no port is open.
    std::unique_ptr<ISerialPort> m_hPort;
    int32_t m_nState = Idle;
    std::string m_strStatus = "Select COM port and click Read or Write";
    std::string m_strStatusDebug;
    std::string m_strFirmwarePath;
    // The firmware file from the start of a firmware load until its transfer ends; null otherwise.
    std::unique_ptr<QFile> m_fileFirmware;
    int32_t m_nBytesSent = 0;
    int32_t m_nFirmwareSize = 0;
    // The port name of the running operation, for "Lost connection on Com port %s".
    std::string m_strPortName;
    // Why the last OpenPort failed.
    PortError m_portError;

private:
    bool Start(const std::string &port, LinkState target);
    void EndOperation();
    void LoseConnection();
    void CloseFirmwareFile();
    void LoaderAnswer(char byte);
    void LoaderIdentify(std::string &line);
    void LoaderErase();
    void LoaderSend();
};

extern CDeviceLink g_deviceLink;
extern int32_t g_nIdlePolls;
// Received bytes of the line not yet ended.
extern std::string s_strRxLine;
