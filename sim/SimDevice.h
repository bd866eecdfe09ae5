#pragma once

// The stand-in device's behaviour on the line, apart from the line itself: bootloader, start-up
// text, command menu and its two banks (a settings model of its own: the model's parser and
// writer are the device's). The caller feeds it received bytes and the time, and sends what it
// queues, at whatever pace the line has.

#include "HexRecords.h"
#include "Settings.h"

#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <string>

using SimClock = std::chrono::steady_clock;
using SimTime = SimClock::time_point;
using std::chrono::milliseconds;

struct SimOptions {
    bool bFast = false;          // no line pace, short erase
    int nChip = 1284;            // 1284 or 644: which identification the bootloader gives
    int nPauseAfter = -1;        // listing lines before a 2 s silence; -1 for none
    bool bNoise = false;         // stray bytes between the lines of the start-up text and listing
    std::string strFirmwareOut;  // where the firmware received is kept; empty for nowhere
};

// A piece of output: a silence the line keeps, then bytes.
struct SimOutput {
    milliseconds silence{0};
    std::string bytes;
};

// The fixed times of the device.
constexpr milliseconds kSettleTime{150};     // from the port opening to the prompt
constexpr milliseconds kBootWait{600};       // the bootloader's wait for 'b'
constexpr milliseconds kEraseTime{3000};     // silent while erasing (the tool waits 6 s)
constexpr milliseconds kFastEraseTime{200};
constexpr milliseconds kListingPause{2000};  // --pause-after
constexpr size_t kMaxMenuLine = 4096;        // longer input lines are cut here
constexpr size_t kMaxFirmwareText = 4u << 20;

class CSimDevice {
public:
    enum class State {
        Off,
        Settling,      // powered, the prompt not yet given
        BootPrompt,    // '?' given, waiting for 'b'
        BootIdent,     // identified, waiting for 's'
        Erasing,
        Programming,   // taking Intel HEX records
        ProgramEnded,  // '*' or an error letter given; waits for the next power cycle
        Running,       // start-up text given; counting ESC bytes
        Menu,          // taking command lines
    };
    using Log = std::function<void(const std::string &)>;

    CSimDevice(const SimOptions &options, Log log);

    void PowerUp(SimTime now);
    // Everything pending is lost; the firmware received so far is kept.
    void PowerOff();
    void Receive(char c, SimTime now);
    // The line has no more bytes for now: a finished firmware transfer is kept then, with
    // whatever followed its end record.
    void LineQuiet();
    void Tick(SimTime now);
    // When Tick next has something to do; SimTime::max() for never.
    SimTime NextDeadline() const;

    State GetState() const { return m_state; }
    std::deque<SimOutput> &Output() { return m_output; }
    // Complete lines taken by the menu since the program started.
    long LinesReceived() const { return m_nLinesReceived; }
    // Firmware bytes taken by the bootloader since the program started.
    long FirmwareBytesReceived() const { return m_nFirmwareBytes; }
    // The device's two banks: what --settings loads and --dump saves.
    CSettings &Banks() { return m_banks; }

private:
    void Send(std::string bytes, milliseconds silence = milliseconds(0));
    void Enter(State state, SimTime now, milliseconds timer);
    void StartUp();
    void MenuLine(std::string line);
    void SettingLine(const std::string &line);
    void QueueListing();
    std::string Noise();
    void Program(char c);
    void KeepFirmware();

    SimOptions m_options;
    Log m_log;
    CSettings m_banks;
    State m_state = State::Off;
    SimTime m_timer = SimTime::max();
    std::deque<SimOutput> m_output;
    int m_nEscapes = 0;
    std::string m_strLine;
    bool m_bLineCut = false;
    long m_nLinesReceived = 0;
    long m_nFirmwareBytes = 0;
    uint32_t m_nNoiseSeed = 12345;
    long m_nNoiseLines = 0;
    long m_nLostBytes = 0;
    std::unique_ptr<CHexRecords> m_hex;
    std::string m_strFirmware;   // every byte taken since the erase ended
    size_t m_nKeptSize = 0;      // how much of it is in the --firmware-out file
};
