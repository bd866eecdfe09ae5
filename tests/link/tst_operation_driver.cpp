// The driver of a device operation, as the window and rezar-cli both use it, against the
// scripted port: polls counted, never timed.

#include "History.h"
#include "OperationDriver.h"
#include "Settings.h"
#include "support/FakeSerialPort.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

const std::string kBanner = "Press ESC 3 times to enter\r\n";
const std::string kMenu = "Options Menu\r\n";

// The device's listing: the default settings, whole or cut after `lines` lines.
std::string Listing(int lines = -1)
{
    const std::string text = CSettings().SettingsText();
    size_t end = 0;
    for (int i = 0; i != lines && end < text.size(); ++i)
        end = text.find('\n', end) + 1;
    return text.substr(0, end);
}

} // namespace

class TestOperationDriver : public QObject {
    Q_OBJECT
    QTemporaryDir m_data;
    std::shared_ptr<FakeSerialLine> m_line;
    std::unique_ptr<CSettings> m_model;
    std::unique_ptr<CDeviceLink> m_link;
    std::unique_ptr<COperationDriver> m_driver;

    COperationDriver &Driver() { return *m_driver; }

private slots:
    void init()
    {
        qputenv("XDG_DATA_HOME", m_data.path().toLocal8Bit());
        QDir(HistoryFolder()).removeRecursively();
        m_line = std::make_shared<FakeSerialLine>();
        m_model = std::make_unique<CSettings>();
        m_link = std::make_unique<CDeviceLink>(*m_model, FakePorts(m_line));
        m_driver = std::make_unique<COperationDriver>(*m_link, *m_model);
    }

    // A completed read or write is kept once, under its own kind; a write's read-back is
    // still the write. A short listing is kept only when partial ones are taken.
    void history_data()
    {
        QTest::addColumn<int>("operation");  // 0 read, 1 write, 2 write with read-back
        QTest::addColumn<int>("listed");     // lines of the listing the device sends, -1 all
        QTest::addColumn<bool>("keep");
        QTest::addColumn<bool>("keepPartial");
        QTest::addColumn<QString>("kept");
        QTest::newRow("read") << 0 << -1 << true << false << "read";
        QTest::newRow("read, short, partial taken") << 0 << 50 << true << true << "read";
        QTest::newRow("read, short") << 0 << 50 << true << false << "";
        QTest::newRow("read, history off") << 0 << -1 << false << true << "";
        QTest::newRow("write") << 1 << -1 << true << false << "written";
        QTest::newRow("write with read-back") << 2 << -1 << true << false << "written";
    }
    void history()
    {
        QFETCH(int, operation);
        QFETCH(int, listed);
        QFETCH(bool, keep);
        QFETCH(bool, keepPartial);
        QFETCH(QString, kept);
        Driver().SetHistory(keep, keepPartial);
        CSettings readBack;
        QVERIFY(operation == 0 ? Driver().StartRead("COM3") : Driver().StartWrite("COM3", operation == 2 ? &readBack : nullptr));
        const auto expected = operation == 0 ? COperationDriver::Operation::Read : COperationDriver::Operation::Write;
        m_line->Script({kBanner, kMenu});
        m_line->answer = [&](const std::string &bytes) {
            if (bytes == "EXPORT\r")
                m_line->Script({"", Listing(listed)});
        };
        bool readBackSeen = false;
        while (!Driver().Poll()) {
            QCOMPARE(Driver().Running(), expected);
            readBackSeen = readBackSeen || m_link->State() == LinkState::ReadReceiving;
            QVERIFY(Driver().Polls() < 2000);
        }
        QCOMPARE(readBackSeen, operation != 1);
        QCOMPARE(Driver().Running(), COperationDriver::Operation::None);
        QCOMPARE(Driver().Last(), expected);
        QCOMPARE(m_link->Outcome(), LinkOutcome::Completed);
        QVERIFY(Driver().HistoryError().isEmpty());
        const std::vector<HistoryEntry> entries = ListHistory();
        QCOMPARE(entries.size(), size_t(kept.isEmpty() ? 0 : 1));
        if (!kept.isEmpty()) {
            QCOMPARE(entries[0].kind, kept);
            QCOMPARE(entries[0].port, QString("COM3"));
        }
    }

    // An operation that did not complete keeps nothing.
    void failuresKeepNothing()
    {
        m_line->openFails = true;
        QVERIFY(!Driver().StartRead("COM3"));
        QCOMPARE(Driver().Running(), COperationDriver::Operation::None);
        m_line->openFails = false;
        QVERIFY(Driver().StartRead("COM3"));
        m_line->Script({kBanner});
        m_line->unplugged = true;
        QVERIFY(Driver().Poll());
        QCOMPARE(m_link->Outcome(), LinkOutcome::ConnectionLost);
        QVERIFY(ListHistory().empty());
    }

    // Patience counts polls without a step forward: silence, and bytes that never make a new
    // line, end in giving up; a device that moves on is waited for.
    void patience_data()
    {
        QTest::addColumn<int>("bytesPerPoll");
        QTest::addColumn<bool>("gaveUp");
        QTest::addColumn<int>("polls");
        QTest::newRow("silence") << 0 << true << 10;
        // The first 4096 bytes make a line (a step), the same line again does not.
        QTest::newRow("bytes without a line end") << 1000 << true << 5 + 10;
        QTest::newRow("a device that answers") << -1 << false << 0;
    }
    void patience()
    {
        QFETCH(int, bytesPerPoll);
        QFETCH(bool, gaveUp);
        QFETCH(int, polls);
        QVERIFY(Driver().StartRead("COM3"));
        if (bytesPerPoll < 0) {
            m_line->Script({kBanner, kMenu, Listing()});
        }
        int ticks = 0;
        const bool ended = Driver().RunToEnd(10, [&] {
            ++ticks;
            if (bytesPerPoll > 0)
                m_line->Arrive(std::string(size_t(bytesPerPoll), 'x'));
        });
        QCOMPARE(ended, !gaveUp);
        if (gaveUp) {
            QCOMPARE(ticks, polls);
            QVERIFY(m_link->IsRunning());
        } else {
            QCOMPARE(m_link->Outcome(), LinkOutcome::Completed);
        }
        QCOMPARE(int64_t(ticks), Driver().Polls());
    }
};

QTEST_GUILESS_MAIN(TestOperationDriver)
#include "tst_operation_driver.moc"
