#pragma once

// A scripted serial port for tests of the device link (header-only, QtCore only).
//
//     auto line = std::make_shared<FakeSerialLine>();
//     CDeviceLink link(model, FakePorts(line));  // every OpenPort of this link gets a fake
//     line->Script({"Press ESC 3 times to enter\r\n", "", "Options Menu\r\n"});
//     link.StartRead("COM3");
//     link.Poll();   // reads the first entry, answers with three ESC writes
//     QCOMPARE(line->writes, (std::vector<std::string>{"\x1b", "\x1b", "\x1b"}));
//
// What the device sends is a queue with one entry per poll: a poll's read loop takes the
// bytes of the front entry one read at a time, and the empty read that ends the loop moves
// on to the next entry (an empty entry is a silent poll). Arrive() adds bytes to the front
// entry, that is, to what the next poll will read. With the queue empty every read is silent.
//
// Every Write call is kept as its own entry in `writes`, so that three one-byte writes and
// one write of three bytes can be told apart. `opens` lists the names passed to Open, and
// `closes` counts closes of an open port.
//
// Faults: set `openFails` (with `openError`) before a start to make the open fail; set
// `unplugged` to make every later read and write fail as a removed device does; set
// `writeLimit` to make each Write take at most that many bytes (as a full driver queue does).
//
// A device that answers at once: `answer` is called with every write, and what it Arrive()s is
// there for the next read. `hangUpWhenSaid` unplugs the device as soon as a read finds the
// current entry said.
//
// Bytes written leave the computer at once unless `holdOutput` is set: then they stay queued
// (PendingOutput counts them) until the test calls Drain().

#include "DeviceLink.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

struct FakeSerialLine {
    std::deque<std::string> incoming;
    std::vector<std::string> writes;
    std::vector<std::string> opens;
    int closes = 0;
    bool open = false;
    bool openFails = false;
    PortError openError{PortErrorKind::NotFound, "/dev/fake", "No such file or directory"};
    bool unplugged = false;
    int32_t writeLimit = -1;  // no limit
    bool holdOutput = false;
    int64_t queued = 0;
    int flushes = 0;
    std::function<void(const std::string &)> answer;
    bool hangUpWhenSaid = false;

    // One entry per poll, after those already queued.
    void Script(const std::vector<std::string> &polls)
    {
        incoming.insert(incoming.end(), polls.begin(), polls.end());
    }
    // Bytes the next poll reads.
    void Arrive(const std::string &bytes)
    {
        if (incoming.empty())
            incoming.emplace_back();
        incoming.front() += bytes;
    }
    // Queued bytes leave: all of them, or `count`.
    void Drain(int64_t count = -1) { queued = count < 0 ? 0 : std::max<int64_t>(0, queued - count); }
    // Every byte written, in order.
    std::string Written() const
    {
        std::string all;
        for (const std::string &w : writes)
            all += w;
        return all;
    }
};

class FakeSerialPort : public ISerialPort {
public:
    explicit FakeSerialPort(std::shared_ptr<FakeSerialLine> line) : m_line(std::move(line)) {}

    bool Open(const std::string &name) override
    {
        m_line->opens.push_back(name);
        if (m_line->openFails)
            return false;
        m_line->open = m_open = true;
        return true;
    }
    bool IsOpen() const override { return m_open; }
    int32_t Read(char *buffer, int32_t count) override
    {
        if (!m_open || m_line->unplugged || count <= 0)
            return 0;
        if (m_line->incoming.empty() || m_line->incoming.front().empty()) {
            if (!m_line->incoming.empty())
                m_line->incoming.pop_front();
            if (m_line->hangUpWhenSaid)
                m_line->unplugged = true;
            return 0;
        }
        std::string &front = m_line->incoming.front();
        const size_t n = std::min(front.size(), size_t(count));
        front.copy(buffer, n);
        front.erase(0, n);
        return int32_t(n);
    }
    int32_t Write(const char *buffer, int32_t count) override
    {
        if (!m_open || m_line->unplugged)
            return 0;
        const int32_t n = m_line->writeLimit >= 0 ? std::min(count, m_line->writeLimit) : count;
        if (n > 0)
            m_line->writes.emplace_back(buffer, size_t(n));
        if (m_line->holdOutput)
            m_line->queued += n;
        if (n > 0 && m_line->answer)
            m_line->answer(std::string(buffer, size_t(n)));
        return n;
    }
    void Flush() override
    {
        if (m_open)
            ++m_line->flushes;
    }
    int64_t PendingOutput() const override { return m_open ? m_line->queued : 0; }
    void Close() override
    {
        if (m_open)
            ++m_line->closes;
        m_line->open = m_open = false;
        m_line->queued = 0;
    }
    bool Failed() const override { return m_open && m_line->unplugged; }
    PortError OpenError() const override
    {
        return m_line->openFails ? m_line->openError : PortError();
    }

private:
    std::shared_ptr<FakeSerialLine> m_line;
    bool m_open = false;
};

// Ports for a link: each one it opens is a fake on the one shared line.
inline PortFactory FakePorts(std::shared_ptr<FakeSerialLine> line)
{
    return [line] { return std::make_unique<FakeSerialPort>(line); };
}
