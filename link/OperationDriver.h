#pragma once

// One device operation driven to its end: the link polled once per tick, the operation that
// runs and its phase, and a copy of the settings kept in the history once a read or a write
// completed. The window ticks it from its timer; rezar-cli from a loop (RunToEnd). Both keep
// only their own way of showing it.

#include "DeviceLink.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <string>

class CSettings;

class COperationDriver {
public:
    enum class Operation { None, Read, Write, Firmware };

    // The link and the settings model it reads into and writes from.
    COperationDriver(CDeviceLink &link, CSettings &settings);

    // Each starts through the link; false when it did not start (the link's status says why).
    bool StartRead(const std::string &port);
    bool StartWrite(const std::string &port, CSettings *readBack = nullptr);
    bool StartFirmware(const std::string &port, const std::string &firmwarePath);

    // One tick: polls the link; true when the operation ended in it. A read or write that
    // completed is kept in the history first (unless switched off).
    bool Poll();

    // Ticks until the operation ends, waiting for each tick with `waitForTick` and calling
    // `afterPoll` after each poll. Gives up (false) after `patiencePolls` polls in a row that
    // brought nothing forward; 0 waits for ever.
    bool RunToEnd(int64_t patiencePolls, const std::function<void()> &waitForTick,
                  const std::function<void()> &afterPoll = {});

    // The operation under way, else None.
    Operation Running() const;
    // The operation last started (or found running), kept after its end.
    Operation Last() const { return m_operation; }
    // The transfer itself is running: settings lines coming in or going out, firmware going out.
    bool InTransfer() const;
    LinkProgress Progress() const { return m_link.Progress(); }
    // Polls since the start, and in a row without a step forward (a new status or note,
    // progress, a state reached).
    int64_t Polls() const { return m_nPolls; }
    int64_t QuietPolls() const { return m_nQuietPolls; }

    // History: off keeps nothing; a listing that came short is kept only with keepPartial.
    void SetHistory(bool keep, bool keepPartial = true)
    {
        m_bKeepHistory = keep;
        m_bKeepPartial = keepPartial;
    }
    // Why the last completed operation's settings were not kept; empty when they were (or were
    // not meant to be).
    const QString &HistoryError() const { return m_strHistoryError; }

    CDeviceLink &Link() { return m_link; }
    const CDeviceLink &Link() const { return m_link; }

    // The operation a link state belongs to. A write's read-back passes through the read states.
    static Operation OperationOf(LinkState state);

    // The real pace for a loop without an event loop: each call returns one poll period after
    // the one before; a poll that overran is not caught up with a burst of polls.
    static std::function<void()> PollPace();

private:
    bool Started(Operation operation, bool started);
    void Ended();

    CDeviceLink &m_link;
    CSettings &m_settings;
    Operation m_operation = Operation::None;
    int64_t m_nPolls = 0;
    int64_t m_nQuietPolls = 0;
    LinkStatus m_status;
    LinkNote m_note;
    LinkState m_state = LinkState::Idle;
    LinkProgress m_progress;
    bool m_bKeepHistory = true;
    bool m_bKeepPartial = true;
    QString m_strHistoryError;
};
