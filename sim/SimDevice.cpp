#include "SimDevice.h"

#include <QSaveFile>

#include <cstdio>

namespace {

constexpr char kEsc = 0x1B;

// A received or stored text as one readable log line.
std::string Printable(const std::string &text)
{
    std::string out;
    for (unsigned char c : text) {
        if (c < 0x20 || c >= 0x7F || c == '\\') {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        } else {
            out += char(c);
        }
    }
    return out;
}

} // namespace

CSimDevice::CSimDevice(const SimOptions &options, Log log) : m_options(options), m_log(std::move(log))
{
}

void CSimDevice::Send(std::string bytes, milliseconds silence)
{
    if (silence.count() == 0 && !m_output.empty())
        m_output.back().bytes += bytes;
    else
        m_output.push_back({silence, std::move(bytes)});
}

void CSimDevice::Enter(State state, SimTime now, milliseconds timer)
{
    m_state = state;
    m_timer = timer.count() > 0 ? now + timer : SimTime::max();
}

SimTime CSimDevice::NextDeadline() const
{
    return m_timer;
}

void CSimDevice::PowerUp(SimTime now)
{
    PowerOff();
    m_log("power on");
    Enter(State::Settling, now, kSettleTime);
}

void CSimDevice::PowerOff()
{
    if (m_state == State::Off)
        return;
    if (m_hex && m_nKeptSize != m_strFirmware.size())
        KeepFirmware();
    m_hex.reset();
    m_strFirmware.clear();
    m_output.clear();
    m_strLine.clear();
    m_bLineCut = false;
    m_nEscapes = 0;
    m_state = State::Off;
    m_timer = SimTime::max();
}

void CSimDevice::Tick(SimTime now)
{
    if (now < m_timer)
        return;
    switch (m_state) {
    case State::Settling:
        m_log("bootloader: prompt '?', waiting for 'b'");
        Send("?");
        Enter(State::BootPrompt, now, kBootWait);
        break;
    case State::BootPrompt:
        StartUp();
        break;
    case State::Erasing:
        m_log("bootloader: erased; waiting for the firmware (" + std::to_string(m_nLostBytes)
              + " bytes lost while erasing)");
        m_hex = std::make_unique<CHexRecords>(m_options.nChip == 644 ? 64u << 10 : 128u << 10);
        m_strFirmware.clear();
        m_nKeptSize = size_t(-1);  // even an empty transfer leaves its (empty) file
        Enter(State::Programming, now, milliseconds(0));
        break;
    default:
        m_timer = SimTime::max();
        break;
    }
}

void CSimDevice::StartUp()
{
    const char *version = m_options.nChip == 644 ? "1.2b" : "1.2c";
    m_log("start-up text, waiting for ESC ESC ESC");
    const std::string lines[] = {
        "",
        std::string("Rezar APRS tracker, firmware ") + version,
        "Press ESC 3 times to enter setup",
    };
    for (const std::string &line : lines) {
        if (m_options.bNoise)
            Send(Noise());
        Send(line + "\r\n");
    }
    m_nEscapes = 0;
    m_state = State::Running;
    m_timer = SimTime::max();
}

std::string CSimDevice::Noise()
{
    // Bytes a disturbed line might carry; never a blank (which could make a setting line),
    // never XON/XOFF, ESC or ':'. Ended by a line end so that they stay outside every
    // real line.
    static const char kJunk[] = {'\x00', '\x07', '\x7F', '\x80', '\xA5', '\xFF', '~', '#'};
    std::string bytes;
    m_nNoiseSeed = m_nNoiseSeed * 1103515245u + 12345u;
    const int count = 1 + int(m_nNoiseSeed >> 16) % 3;
    for (int i = 0; i < count; ++i) {
        m_nNoiseSeed = m_nNoiseSeed * 1103515245u + 12345u;
        bytes += kJunk[(m_nNoiseSeed >> 16) % sizeof kJunk];
    }
    ++m_nNoiseLines;
    return bytes + "\r\n";
}

void CSimDevice::Receive(char c, SimTime now)
{
    switch (m_state) {
    case State::Off:
    case State::Settling:
        break;
    case State::BootPrompt:
        if (c == 'b') {
            const char *id = m_options.nChip == 644 ? "Quillwren v1.2b" : "Quillwren v1.2c";
            m_log(std::string("bootloader: 'b' received, identifying as ") + id);
            // The line end first, so that the '?' stays on a line of its own.
            Send(std::string("\r\n") + id + " bootloader\r\n");
            Enter(State::BootIdent, now, milliseconds(0));
        }
        break;
    case State::BootIdent:
        if (c == 's') {
            const milliseconds erase = m_options.bFast ? kFastEraseTime : kEraseTime;
            m_log("bootloader: 's' received, erasing for " + std::to_string(erase.count()) + " ms");
            m_nLostBytes = 0;
            Enter(State::Erasing, now, erase);
        }
        break;
    case State::Erasing:
        ++m_nLostBytes;
        break;
    case State::Programming:
        Program(c);
        break;
    case State::ProgramEnded:
        if (m_strFirmware.size() < kMaxFirmwareText)
            m_strFirmware += c;
        break;
    case State::Running:
        m_nEscapes = c == kEsc ? m_nEscapes + 1 : 0;
        if (m_nEscapes == 3) {
            m_log("menu");
            m_banks.BeginParse();
            Send("\r\nEXPORT | BANK n | KEY value\r\nRezar Options Menu\r\n:");
            m_strLine.clear();
            m_bLineCut = false;
            m_state = State::Menu;
        }
        break;
    case State::Menu:
        if (c == '\r' || c == '\n') {
            if (m_strLine.empty() && !m_bLineCut)
                break;  // the LF of a CR LF pair, or an empty line
            Send("\r\n");
            ++m_nLinesReceived;
            if (m_bLineCut)
                m_log("menu: line longer than " + std::to_string(kMaxMenuLine) + " bytes, cut");
            MenuLine(std::move(m_strLine));
            m_strLine.clear();
            m_bLineCut = false;
        } else if (c == kEsc) {
            // The tool's ESC bytes may come in after the menu is up; they mean nothing here.
        } else if (m_strLine.size() < kMaxMenuLine) {
            m_strLine += c;
            Send(std::string(1, c));  // echo
        } else {
            m_bLineCut = true;
        }
        break;
    }
}

void CSimDevice::MenuLine(std::string line)
{
    if (line == "EXPORT")
        QueueListing();
    else
        SettingLine(line);
    Send(":");
}

void CSimDevice::SettingLine(const std::string &line)
{
    // The model's own parser applies the line; the key is looked up only to log what changed.
    const size_t blank = line.find(' ');
    const Setting *setting =
        blank == std::string::npos ? nullptr : CSettings::FindSetting(std::string_view(line).substr(0, blank));
    const int32_t bank = m_banks.DeviceParse().bank;
    const std::string before = setting ? m_banks.ValueText(*setting, bank) : std::string();

    switch (m_banks.ParseLine(line)) {
    case LineEffect::BankHeader:
        m_log("menu: " + line);
        break;
    case LineEffect::Ignored:
        m_log("menu: unknown command " + Printable(line));
        Send("Unknown command\r\n");
        break;
    case LineEffect::Changed:
        m_log("bank " + std::to_string(bank) + ": " + setting->key + " " + Printable(before) + " -> "
              + Printable(m_banks.ValueText(*setting, bank)));
        break;
    case LineEffect::Echo:
    case LineEffect::Same:
        break;
    }
}

void CSimDevice::QueueListing()
{
    const long noiseBefore = m_nNoiseLines;
    int count = 0;
    m_banks.ResetWriter();
    for (std::string line = m_banks.NextLine(); !line.empty(); line = m_banks.NextLine()) {
        if (count == m_options.nPauseAfter)
            Send("", kListingPause);
        if (m_options.bNoise && count % 16 == 7)
            Send(Noise());
        Send(line + "\r\n");
        ++count;
    }
    if (count == m_options.nPauseAfter)
        Send("", kListingPause);
    std::string what = "EXPORT: listing both banks, " + std::to_string(count) + " lines";
    if (m_options.bNoise)
        what += ", " + std::to_string(m_nNoiseLines - noiseBefore) + " noise lines";
    if (m_options.nPauseAfter >= 0 && m_options.nPauseAfter <= count)
        what += ", silent for 2 s after line " + std::to_string(m_options.nPauseAfter);
    m_log(what);
}

void CSimDevice::Program(char c)
{
    ++m_nFirmwareBytes;
    if (m_strFirmware.size() >= kMaxFirmwareText) {
        m_log("bootloader: more firmware text than any flash holds, answered F");
        Send(std::string(1, kHexTooLarge));
        Enter(State::ProgramEnded, SimTime(), milliseconds(0));
        return;
    }
    m_strFirmware += c;
    const char answer = m_hex->Take(c);
    if (answer == 0)
        return;
    Send(std::string(1, answer));
    if (answer == '.')
        return;
    if (answer == '*') {
        m_log("bootloader: end record after " + std::to_string(m_hex->Records()) + " records, "
              + std::to_string(m_hex->DataBytes()) + " data bytes; answered *");
    } else {
        m_log("bootloader: record " + std::to_string(m_hex->Records() + 1) + ": " + m_hex->ErrorText()
              + ", answered " + std::string(1, answer));
    }
    Enter(State::ProgramEnded, SimTime(), milliseconds(0));
}

void CSimDevice::LineQuiet()
{
    if (m_state == State::ProgramEnded && m_nKeptSize != m_strFirmware.size())
        KeepFirmware();
}

void CSimDevice::KeepFirmware()
{
    m_nKeptSize = m_strFirmware.size();
    if (m_options.strFirmwareOut.empty())
        return;
    QSaveFile file(QString::fromLocal8Bit(m_options.strFirmwareOut.c_str()));
    const bool saved = file.open(QIODevice::WriteOnly)
                       && file.write(m_strFirmware.data(), qint64(m_strFirmware.size()))
                              == qint64(m_strFirmware.size())
                       && file.commit();
    m_log((saved ? "firmware: " + std::to_string(m_strFirmware.size()) + " bytes kept in "
                 : "firmware: could not write ")
          + m_options.strFirmwareOut);
}
