#include "OperationDriver.h"

#include "History.h"
#include "LinkText.h"
#include "Settings.h"

#include <QElapsedTimer>
#include <QThread>

#include <algorithm>
#include <memory>

COperationDriver::COperationDriver(CDeviceLink &link, CSettings &settings) : m_link(link), m_settings(settings) {}

bool COperationDriver::Started(Operation operation, bool started)
{
    m_operation = started ? operation : Operation::None;
    m_nPolls = 0;
    m_nQuietPolls = 0;
    m_status = m_link.Status();
    m_note = m_link.Note();
    m_state = m_link.State();
    m_progress = m_link.Progress();
    m_strHistoryError.clear();
    return started;
}

bool COperationDriver::StartRead(const std::string &port)
{
    return Started(Operation::Read, m_link.StartRead(port));
}

bool COperationDriver::StartWrite(const std::string &port, CSettings *readBack)
{
    return Started(Operation::Write, m_link.StartWrite(port, readBack));
}

bool COperationDriver::StartFirmware(const std::string &port, const std::string &firmwarePath)
{
    return Started(Operation::Firmware, m_link.StartFirmware(port, firmwarePath));
}

COperationDriver::Operation COperationDriver::OperationOf(LinkState state)
{
    switch (state) {
    case LinkState::ReadAwaitBanner:
    case LinkState::ReadAwaitMenu:
    case LinkState::ReadReceiving:
        return Operation::Read;
    case LinkState::WriteAwaitBanner:
    case LinkState::WriteAwaitMenu:
    case LinkState::WriteSending:
        return Operation::Write;
    case LinkState::LoaderAwaitPrompt:
    case LinkState::LoaderAwaitBanner:
    case LinkState::LoaderErasing:
    case LinkState::LoaderSending:
        return Operation::Firmware;
    case LinkState::Idle:
    case LinkState::Complete:
        break;
    }
    return Operation::None;
}

COperationDriver::Operation COperationDriver::Running() const
{
    if (!m_link.IsRunning())
        return Operation::None;
    // A write's read-back is still the write.
    return m_operation != Operation::None ? m_operation : OperationOf(m_link.State());
}

bool COperationDriver::InTransfer() const
{
    const LinkState state = m_link.State();
    return state == LinkState::ReadReceiving || state == LinkState::WriteSending || state == LinkState::LoaderSending;
}

bool COperationDriver::Poll()
{
    const bool wasRunning = m_link.IsRunning();
    // An operation started on the link directly is driven all the same.
    if (wasRunning && m_operation == Operation::None)
        m_operation = OperationOf(m_link.State());
    m_link.Poll();
    ++m_nPolls;
    const LinkProgress progress = m_link.Progress();
    // The same line over and over (a device that never ends its line) is no step forward.
    const bool moved = m_link.Status() != m_status || m_link.Note() != m_note || m_link.State() != m_state
                       || progress.done != m_progress.done || progress.total != m_progress.total;
    m_nQuietPolls = moved ? 0 : m_nQuietPolls + 1;
    if (moved) {
        m_status = m_link.Status();
        m_note = m_link.Note();
    }
    m_state = m_link.State();
    m_progress = progress;
    if (!wasRunning || m_link.IsRunning())
        return false;
    Ended();
    return true;
}

void COperationDriver::Ended()
{
    m_strHistoryError.clear();
    if (!m_bKeepHistory || m_link.Outcome() != LinkOutcome::Completed)
        return;
    if (m_operation != Operation::Read && m_operation != Operation::Write)
        return;
    if (m_link.SettingsMissing() > 0 && !m_bKeepPartial)
        return;
    // What the device holds now, kept for later: a failure to keep it must not spoil the
    // completed operation; the front end only warns of it.
    const QString kind = m_operation == Operation::Read ? QStringLiteral("read") : QStringLiteral("written");
    QString error;
    if (RecordHistory(m_settings, kind, LinkText::FromSystem(m_link.PortName()), &error).isEmpty())
        m_strHistoryError = error.isEmpty() ? QStringLiteral("?") : error;
}

bool COperationDriver::RunToEnd(int64_t patiencePolls, const std::function<void()> &waitForTick,
                                const std::function<void()> &afterPoll)
{
    while (m_link.IsRunning()) {
        if (patiencePolls > 0 && m_nQuietPolls >= patiencePolls)
            return false;
        waitForTick();
        Poll();
        if (afterPoll)
            afterPoll();
    }
    return true;
}

std::function<void()> COperationDriver::PollPace()
{
    struct Pace {
        QElapsedTimer clock;
        qint64 next = 0;
    };
    auto pace = std::make_shared<Pace>();
    pace->clock.start();
    return [pace] {
        const qint64 wait = pace->next - pace->clock.elapsed();
        if (wait > 0)
            QThread::msleep(static_cast<unsigned long>(wait));
        pace->next = std::max(pace->next + CDeviceLink::kPollMilliseconds, pace->clock.elapsed());
    };
}
