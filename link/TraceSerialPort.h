#pragma once

// A byte trace of a serial conversation: a port decorator that writes every open, close, byte
// sent and byte received to a trace file, with milliseconds since the file was opened.
//
//     auto trace = std::make_shared<CTraceFile>();
//     trace->Open("read.trace", "rezar-cli");
//     CDeviceLink::SetPortFactory([trace] { return WithTrace(CreateSystemSerialPort(), trace); });

#include "SerialPort.h"

#include <QElapsedTimer>

#include <cstdio>
#include <memory>
#include <string>

// The trace file: a header line, then one line per note, per write and per run of received
// bytes (a run ends at a line feed, a silent read, a write or a note). Each line is the time
// in milliseconds, '#' (note), '>' (sent) or '<' (received), and the text.
class CTraceFile {
public:
    CTraceFile() = default;
    ~CTraceFile();
    CTraceFile(const CTraceFile &) = delete;
    CTraceFile &operator=(const CTraceFile &) = delete;

    // Creates the file, its header naming `program`, and starts the clock; false when the file
    // cannot be written.
    bool Open(const std::string &path, const std::string &program);
    bool IsOpen() const { return m_file != nullptr; }

    // Each does nothing while the file is not open.
    void Note(const std::string &text);
    void Sent(const std::string &bytes);
    void Received(const std::string &bytes);
    void EndRun();

private:
    void Line(char direction, const std::string &text);

    std::FILE *m_file = nullptr;
    QElapsedTimer m_clock;
    std::string m_run;
    qint64 m_runStart = 0;
};

// `port` with everything it does written to `trace` as well.
std::unique_ptr<ISerialPort> WithTrace(std::unique_ptr<ISerialPort> port, std::shared_ptr<CTraceFile> trace);

// A byte string as one readable line: CR, LF and backslash as \r \n \\, other bytes outside
// printable ASCII as \xNN.
std::string EscapedBytes(const std::string &bytes);
