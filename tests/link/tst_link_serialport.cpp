// The system's serial port on a real pseudo-terminal: line settings, exclusive open, the
// short read, writes that reach the other side, and a vanished peer.

#include "DeviceLink.h"
#include "LinkText.h"
#include "Settings.h"
#include "support/PtyPeer.h"

#include <QElapsedTimer>
#include <QtTest>

class TestSerialPort : public QObject {
    Q_OBJECT
    CSettings m_model;

private slots:
    void opensWithLineSettingsAndKeepsFlowControl_data()
    {
        QTest::addColumn<bool>("hardwareFlow");
        QTest::addColumn<bool>("softwareFlow");
        QTest::newRow("none") << false << false;
        QTest::newRow("rts/cts") << true << false;
        QTest::newRow("xon/xoff") << false << true;
    }
    void opensWithLineSettingsAndKeepsFlowControl()
    {
        QFETCH(bool, hardwareFlow);
        QFETCH(bool, softwareFlow);
        PtyPeer peer;
        QVERIFY(!peer.path.empty());
        {
            // Whatever the line was set to before, but for its flow control.
            termios t = peer.Settings();
            cfsetispeed(&t, B9600);
            cfsetospeed(&t, B9600);
            t.c_cflag = (t.c_cflag & ~(CSIZE | CRTSCTS)) | CS7 | PARENB | CSTOPB | (hardwareFlow ? CRTSCTS : 0);
            t.c_iflag = (t.c_iflag & ~(IXON | IXOFF)) | (softwareFlow ? IXON | IXOFF : 0);
            peer.SetSettings(t);
        }
        CDeviceLink link(m_model);
        QVERIFY(link.OpenPort(peer.path));
        const termios t = peer.Settings();
        QCOMPARE(cfgetispeed(&t), speed_t(B19200));
        QCOMPARE(cfgetospeed(&t), speed_t(B19200));
        QCOMPARE(t.c_cflag & CSIZE, tcflag_t(CS8));
        QCOMPARE(t.c_cflag & (PARENB | CSTOPB), tcflag_t(0));
        QCOMPARE(bool(t.c_cflag & CRTSCTS), hardwareFlow);
        QCOMPARE(bool(t.c_iflag & IXON), softwareFlow);
        QCOMPARE(bool(t.c_iflag & IXOFF), softwareFlow);
        // Raw bytes both ways: no echo, no line editing, no CR/LF translation.
        QCOMPARE(t.c_lflag & (ICANON | ECHO), tcflag_t(0));
        QCOMPARE(t.c_iflag & (ICRNL | INLCR | IGNCR), tcflag_t(0));
        QCOMPARE(t.c_oflag & OPOST, tcflag_t(0));
        link.ClosePort();
    }

    // The busy port names its holder: this test, through the first link (the master end it
    // holds is another device).
    void openIsExclusive()
    {
        PtyPeer peer;
        QVERIFY(PortHolders(peer.path).empty());
        CDeviceLink first(m_model), second(m_model);
        QVERIFY(first.OpenPort(peer.path));
        QVERIFY(!second.OpenPort(peer.path));
        QVERIFY(!second.IsPortOpen());
        QCOMPARE(second.LastOpenError().kind, PortErrorKind::Busy);
        // The system keeps 15 bytes of a process's name.
        const std::string self = QCoreApplication::applicationName().left(15).toStdString() + " (pid "
                                 + std::to_string(QCoreApplication::applicationPid()) + ")";
        QCOMPARE(DescribeOpenFailure(peer.path, second.LastOpenError()), peer.path + ": busy: held by " + self);
        first.ClosePort();
        QVERIFY(PortHolders(peer.path).empty());
        QVERIFY(second.OpenPort(peer.path));
        second.ClosePort();
    }

    void comOrder()
    {
        std::vector<PortListing> ports;
        for (const auto &[name, usb] : std::vector<std::pair<std::string, bool>>{
                 {"ttyS1", false}, {"ttyACM1", true}, {"ttyUSB1", true}, {"ttyS0", false},
                 {"ttyACM0", true}, {"ttyAMA0", false}, {"ttyUSB0", true}, {"ttyXRUSB0", true}})
            ports.push_back({"", "/dev/" + name, "", name, usb});
        SortInComOrder(ports);
        std::vector<std::string> names;
        for (const PortListing &port : ports)
            names.push_back(port.name);
        QCOMPARE(names, (std::vector<std::string>{"ttyUSB0", "ttyUSB1", "ttyXRUSB0", "ttyACM0",
                                                  "ttyACM1", "ttyAMA0", "ttyS0", "ttyS1"}));
    }

    void portNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("device");
        QTest::newRow("device path") << "/dev/pts/7" << "/dev/pts/7";
        QTest::newRow("relative path") << "./ttyFAKE" << QDir::current().filePath("ttyFAKE");
        QTest::newRow("bare name") << "ttyUSB0" << "/dev/ttyUSB0";
        QTest::newRow("COM beyond the ports present") << "COM250" << "";
        const std::vector<PortListing> present = ListSerialPorts();
        for (size_t i = 0; i < present.size(); ++i)
            QTest::newRow(present[i].comName.c_str())
                << QString("com%1").arg(i + 1) << QString::fromStdString(present[i].path);
        QTest::newRow("empty") << "" << "";
    }
    void portNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, device);
        QCOMPARE(QString::fromStdString(ResolvePortName(name.toStdString())), device);
    }

    void missingPortsFailToOpen_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("path") << "/dev/rezar-no-such-port";
        QTest::newRow("bare name") << "rezar-no-such-port";
        QTest::newRow("COM beyond the ports present") << "COM250";
    }
    void missingPortsFailToOpen()
    {
        QFETCH(QString, name);
        CDeviceLink link(m_model);
        QVERIFY(!link.OpenPort(name.toStdString()));
        QVERIFY(!link.IsPortOpen());
        QCOMPARE(link.LastOpenError().kind, PortErrorKind::NotFound);
    }

    // Neither a read nor a write waits for the line: a silent read answers at once, and bytes
    // come as they arrive, in order.
    void readDoesNotWaitAndBytesFlowBothWays()
    {
        PtyPeer peer;
        CDeviceLink link(m_model);
        char buffer[16];
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(link.ReadPort(buffer, 1), 0);  // no port: at once
        QVERIFY(clock.elapsed() < 20);

        QVERIFY(link.OpenPort(peer.path));
        clock.restart();
        for (int i = 0; i < 10; ++i)
            QCOMPARE(link.ReadPort(buffer, 1), 0);
        const qint64 silent = clock.elapsed();
        QVERIFY2(silent < 20, QByteArray::number(silent));

        peer.Send("ab\r\n");
        std::string got;
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                const int32_t n = link.ReadPort(buffer, int32_t(sizeof buffer));
                got.append(buffer, size_t(n));
                return got.size() >= 4;
            }(),
            2000);
        QCOMPARE(got, std::string("ab\r\n"));

        QCOMPARE(link.WritePort("EXPORT\r", 7), 7);
        QCOMPARE(peer.Receive(7, 1000), std::string("EXPORT\r"));
        QTRY_COMPARE_WITH_TIMEOUT(link.PendingOutput(), int64_t(0), 2000);
        QVERIFY(link.IsPortOpen());  // a failed write would have lost the connection

        link.ClosePort();
        QVERIFY(!link.IsPortOpen());
        link.ClosePort();
        QVERIFY(!link.IsPortOpen());
        // Closed means free again.
        QVERIFY(link.OpenPort(peer.path));
        link.ClosePort();
    }

    // A poll returns at once while the device is part-way through a line, and takes the
    // whole line in the poll after it has come; what the link sends reaches the device.
    void pollDoesNotWaitForTheDevice()
    {
        PtyPeer peer;
        CDeviceLink link(m_model);
        QVERIFY(link.StartRead(peer.path));
        peer.Send("Quillwren Rezar\r\nPress ESC 3 ti");
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < 20; ++i)
            link.Poll();
        QVERIFY2(clock.elapsed() < 50, QByteArray::number(clock.elapsed()));
        QCOMPARE(link.State(), LinkState::ReadAwaitBanner);
        peer.Send("mes to enter\r\n");
        QTRY_VERIFY_WITH_TIMEOUT((link.Poll(), link.State() == LinkState::ReadAwaitMenu), 2000);
        QCOMPARE(peer.Receive(3, 1000), std::string(3, '\x1b'));
        peer.Send("Options Menu\r\n");
        QTRY_VERIFY_WITH_TIMEOUT((link.Poll(), link.State() == LinkState::ReadReceiving), 2000);
        QCOMPARE(peer.Receive(7, 1000), std::string("EXPORT\r"));
        link.ClosePort();
    }

    // A device that reads slowly fills the driver's queue: the port then says "try again",
    // which is a full line, not a lost device. Every byte arrives once the device reads.
    void fullLineIsNoLoss()
    {
        PtyPeer peer;
        CDeviceLink link(m_model);
        QVERIFY(link.OpenPort(peer.path));
        std::string sent;
        for (int i = 0; i < 64; ++i) {
            const std::string chunk(2048, char('A' + i % 26));
            int32_t taken = link.WritePort(chunk.data(), int32_t(chunk.size()));
            sent.append(chunk, 0, size_t(taken));
            QVERIFY2(link.IsPortOpen(), "a full queue lost the connection");
        }
        QVERIFY(link.PendingOutput() > 0);  // more than the terminal holds is waiting
        std::string got;
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                link.Poll();  // hands the port's waiting bytes to the driver
                got += peer.Receive(sent.size() - got.size(), 20);
                return got.size() == sent.size();
            }(),
            10000);
        QVERIFY(got == sent);
        QVERIFY(link.IsPortOpen());
    }

    void vanishedPeerLosesTheConnection()
    {
        auto peer = std::make_unique<PtyPeer>();
        const std::string path = peer->path;
        CDeviceLink link(m_model);
        QVERIFY(link.StartRead(path));
        QVERIFY(link.State() == LinkState::ReadAwaitBanner);
        peer->Hangup();
        link.Poll();
        QCOMPARE(LinkText::StatusBytes(link.Status()), "Lost connection on Com port " + path);
        QVERIFY(link.State() == LinkState::Idle);
        QVERIFY(link.Outcome() == LinkOutcome::ConnectionLost);
        QVERIFY(!link.IsPortOpen());
    }
};

QTEST_GUILESS_MAIN(TestSerialPort)
#include "tst_link_serialport.moc"
