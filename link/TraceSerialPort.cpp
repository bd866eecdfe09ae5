#include "TraceSerialPort.h"

#include <algorithm>

namespace {

class CTracedPort : public ISerialPort {
public:
    CTracedPort(std::unique_ptr<ISerialPort> port, std::shared_ptr<CTraceFile> trace)
        : m_port(std::move(port)), m_trace(std::move(trace))
    {
    }

    bool Open(const std::string &name) override
    {
        const bool opened = m_port->Open(name);
        m_trace->Note((opened ? "opened " : "failed to open ") + name);
        return opened;
    }
    bool IsOpen() const override { return m_port->IsOpen(); }
    int32_t Read(char *buffer, int32_t count) override
    {
        const int32_t n = m_port->Read(buffer, count);
        if (n > 0)
            m_trace->Received(std::string(buffer, size_t(n)));
        else
            m_trace->EndRun();
        if (m_port->Failed())
            m_trace->Note("read failed");
        return n;
    }
    int32_t Write(const char *buffer, int32_t count) override
    {
        const int32_t n = m_port->Write(buffer, count);
        // What the port took; a write that failed outright shows what was tried.
        if (n > 0)
            m_trace->Sent(std::string(buffer, size_t(n)));
        else if (m_port->Failed())
            m_trace->Sent(std::string(buffer, size_t(std::max(count, 0))));
        if (m_port->Failed())
            m_trace->Note("write failed");
        return n;
    }
    void Flush() override { m_port->Flush(); }
    int64_t PendingOutput() const override { return m_port->PendingOutput(); }
    void Close() override
    {
        if (m_port->IsOpen())
            m_trace->Note("closed");
        m_port->Close();
    }
    bool Failed() const override { return m_port->Failed(); }
    PortError OpenError() const override { return m_port->OpenError(); }

private:
    std::unique_ptr<ISerialPort> m_port;
    std::shared_ptr<CTraceFile> m_trace;
};

} // namespace

std::string EscapedBytes(const std::string &bytes)
{
    std::string text;
    for (unsigned char c : bytes) {
        if (c == '\\')
            text += "\\\\";
        else if (c == '\r')
            text += "\\r";
        else if (c == '\n')
            text += "\\n";
        else if (c >= 0x20 && c < 0x7F)
            text += char(c);
        else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", c);
            text += hex;
        }
    }
    return text;
}

CTraceFile::~CTraceFile()
{
    if (m_file) {
        EndRun();
        std::fclose(m_file);
    }
}

bool CTraceFile::Open(const std::string &path, const std::string &program)
{
    // Binary: a trace has LF line ends on every system (text mode on Windows wrote CR LF).
    m_file = std::fopen(path.c_str(), "wb");
    if (!m_file)
        return false;
    m_clock.start();
    std::fprintf(m_file,
                 "# %s trace: milliseconds since start, '>' sent to the device, "
                 "'<' received from it, bytes with \\r \\n \\\\ and \\xNN escapes\n",
                 program.c_str());
    return true;
}

void CTraceFile::Note(const std::string &text)
{
    EndRun();
    Line('#', text);
}

void CTraceFile::Sent(const std::string &bytes)
{
    EndRun();
    Line('>', EscapedBytes(bytes));
}

void CTraceFile::Received(const std::string &bytes)
{
    if (!m_file)
        return;
    // However the bytes were read, one run per line: a line feed ends it.
    size_t from = 0;
    while (from < bytes.size()) {
        if (m_run.empty())
            m_runStart = m_clock.elapsed();
        const size_t feed = bytes.find('\n', from);
        const size_t end = feed == std::string::npos ? bytes.size() : feed + 1;
        m_run.append(bytes, from, end - from);
        from = end;
        if (feed != std::string::npos)
            EndRun();
    }
}

void CTraceFile::EndRun()
{
    if (!m_file || m_run.empty())
        return;
    std::fprintf(m_file, "%8lld < %s\n", static_cast<long long>(m_runStart), EscapedBytes(m_run).c_str());
    m_run.clear();
    std::fflush(m_file);
}

void CTraceFile::Line(char direction, const std::string &text)
{
    if (!m_file)
        return;
    std::fprintf(m_file, "%8lld %c %s\n", static_cast<long long>(m_clock.elapsed()), direction,
                 text.c_str());
    std::fflush(m_file);
}

std::unique_ptr<ISerialPort> WithTrace(std::unique_ptr<ISerialPort> port, std::shared_ptr<CTraceFile> trace)
{
    return std::make_unique<CTracedPort>(std::move(port), std::move(trace));
}
