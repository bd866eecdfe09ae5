// rezar-cli read, write and flash against a device played by this test on a pseudo-terminal:
// the exact bytes the tool sends, their order, and the pacing of the polls.

#include "DeviceLink.h"
#include "Settings.h"
#include "support/PtyPeer.h"

#include <QtTest>

#include <sys/stat.h>

namespace {

class Cli {
public:
    void Start(const QStringList &args)
    {
        m_process.setReadChannel(QProcess::StandardError);
        m_process.start(REZAR_BUILD_DIR "/rezar-cli", args);
        QVERIFY(m_process.waitForStarted());
    }
    // Waits until stderr holds `text`.
    bool WaitFor(const QByteArray &text, int ms = 5000)
    {
        QElapsedTimer clock;
        clock.start();
        while (!err.contains(text) && clock.elapsed() < ms) {
            m_process.waitForReadyRead(20);
            err += m_process.readAllStandardError();
        }
        return err.contains(text);
    }
    int Finish(int ms = 10000)
    {
        m_process.waitForFinished(ms);
        err += m_process.readAllStandardError();
        out += m_process.readAllStandardOutput();
        return m_process.state() == QProcess::NotRunning && m_process.exitStatus() == QProcess::NormalExit
                   ? m_process.exitCode()
                   : -1;
    }

    QByteArray err, out;

private:
    QProcess m_process;
};

const std::string kBanner = "Quillwren Rezar 2.0\r\nPress ESC 3 times to enter\r\n";
const std::string kMenu = "\r\n=== Options Menu ===\r\n";

QByteArray FileBytes(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

} // namespace

class TestCliDevice : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    QString Write(const QString &name, const QByteArray &bytes)
    {
        QFile f(m_dir.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return f.fileName();
    }
    // Start-up line to ESC ESC ESC, and menu to the command that follows it.
    void EnterMenu(PtyPeer &device, Cli &cli, const std::string &command)
    {
        QVERIFY(cli.WaitFor("Opened Com port " + QByteArray::fromStdString(device.path) + " - cycle QWN power"));
        QCOMPARE(device.Receive(1, 300), std::string());  // nothing before the device speaks
        device.Send(kBanner);
        QCOMPARE(device.Receive(3, 3000), std::string("\x1b\x1b\x1b"));
        device.Send(kMenu);
        QCOMPARE(device.Receive(command.size(), 3000), command);
    }

private slots:
    void read_data()
    {
        QTest::addColumn<bool>("toFile");
        QTest::newRow("stdout") << false;
        QTest::newRow("-o FILE") << true;
    }
    void read()
    {
        QFETCH(bool, toFile);
        PtyPeer device;
        Cli cli;
        const QString trace = m_dir.filePath("read.trace");
        const QString output = m_dir.filePath("read.txt");
        QStringList args{"read", QString::fromStdString(device.path), "--trace", trace};
        if (toFile)
            args << "-o" << output;
        cli.Start(args);
        EnterMenu(device, cli, "EXPORT\r");
        device.Send("EXPORT\r\nBANK 0\r\nMYCALL K1ABC\r\nBANK 1\r\nTXD 45\r\nNONSENSE\r\n");
        QElapsedTimer quiet;
        quiet.start();
        QCOMPARE(cli.Finish(), 0);
        QVERIFY2(quiet.elapsed() >= 900, "the read ends after ten silent polls");
        QVERIFY(cli.err.contains("Entered Command Menu - Reading settings\nRead Complete\n"));
        QVERIFY(cli.err.contains("DONE : 1 ignored, 2 parsed, 2 changed"));
        QCOMPARE(device.Receive(1, 100), std::string());  // and nothing more was sent

        const QByteArray text = toFile ? FileBytes(output) : cli.out;
        QVERIFY(toFile ? cli.out.isEmpty() : true);
        QVERIFY(text.startsWith("BANK 0\r\nAMODE GPS\r\n"));
        const qsizetype bank1 = text.indexOf("BANK 1\r\n");
        QVERIFY(text.indexOf("MYCALL K1ABC\r\n") < bank1);
        QVERIFY(text.indexOf("TXD 45\r\n") > bank1);

        const QByteArray log = FileBytes(trace);
        // The ESCs go out as the start-up line's CR comes in, before its LF is read.
        QVERIFY2(QRegularExpression("\\d+ < Press ESC 3 times to enter\\\\r\n(\\s*\\d+ > \\\\x1b\n){3}\\s*\\d+ < \\\\n\n")
                     .match(QString::fromLatin1(log)).hasMatch(), log);
        QVERIFY(QRegularExpression(R"(< === Options Menu ===\\r\n\s*\d+ > EXPORT\\r\n)")
                    .match(QString::fromLatin1(log)).hasMatch());
        QVERIFY(log.contains(" < TXD 45\\r\\n\n"));
        QVERIFY(log.trimmed().endsWith("# closed"));
    }

    void writeSendsBothBanksTwoLinesPerPoll()
    {
        const QString settings = Write("w.txt", "BANK 1\r\nMYCALL K1ABC\r\n");
        QProcess load;
        load.start(REZAR_BUILD_DIR "/rezar-cli", {"load", settings});
        QVERIFY(load.waitForFinished());
        const std::string expected = load.readAllStandardOutput().toStdString();
        QVERIFY(expected.find("MYCALL K1ABC") != std::string::npos);

        PtyPeer device;
        Cli cli;
        cli.Start({"write", QString::fromStdString(device.path), settings});
        EnterMenu(device, cli, "");
        QElapsedTimer clock;
        clock.start();
        const std::string sent = device.Receive(expected.size(), 30000);
        const qint64 took = clock.elapsed();
        QCOMPARE(sent, expected);
        // 200 lines, two per poll: the menu's poll and 99 more, 100 ms apart.
        QVERIFY2(took >= 9500 && took < 20000, QByteArray::number(took));
        QCOMPARE(cli.Finish(), 0);
        QVERIFY(cli.err.contains("w.txt: DONE : 0 ignored, 1 parsed, 1 changed"));
        QVERIFY(cli.err.endsWith("Write Complete\n"));
        QCOMPARE(device.Receive(1, 100), std::string());
    }

    void flashErasesThenSendsTheFile()
    {
        QByteArray firmware;
        for (int i = 0; firmware.size() < 5000; ++i)
            firmware += QByteArray(":10").append(QByteArray::number(i, 16).rightJustified(4, '0')).append("00FFFFFFFF\r\n");
        firmware.truncate(5000);
        const QString path = Write("fw.qwn", firmware);

        PtyPeer device;
        Cli cli;
        cli.Start({"flash", QString::fromStdString(device.path), path});
        QVERIFY(cli.WaitFor("cycle QWN power"));
        device.Send("?");
        QCOMPARE(device.Receive(1, 3000), std::string("b"));
        device.Send("??\r\nBootloader Quillwren v1.2c\r\n");
        QCOMPARE(device.Receive(1, 3000), std::string("s"));
        QElapsedTimer clock;
        clock.start();
        std::string got = device.Receive(1, 10000);
        // The erase is given sixty silent polls before the first byte goes out.
        QVERIFY2(clock.elapsed() >= 5800, QByteArray::number(clock.elapsed()));
        got += device.Receive(size_t(firmware.size()) - 1, 5000);
        QCOMPARE(QByteArray::fromStdString(got), firmware);
        device.Send(".");
        QVERIFY(cli.WaitFor("Written 5000 bytes (100%)\n"));
        device.Send("*");
        QCOMPARE(cli.Finish(), 0);
        QVERIFY(cli.err.contains("Erasing Code\nErase Complete\n"));
        QVERIFY(cli.err.endsWith("Written 5000 bytes (100%)\nFirmware update complete\n"));
    }

    void failures_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("holdPort");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("missing port") << QStringList{"read", "/dev/rezar-no-such-port"} << false << 1
                                      << QStringList{"Failed to open Com port /dev/rezar-no-such-port\n",
                                                     "rezar-cli: /dev/rezar-no-such-port: no such port\n"};
        QTest::newRow("COM beyond the ports") << QStringList{"write", "COM250", "SETTINGS"} << false << 1
                                              << QStringList{"Failed to open Com port COM250\n",
                                                             "rezar-cli: COM250: no such port; "};
        QTest::newRow("busy") << QStringList{"read", "PTY"} << true << 1
                              << QStringList{"Failed to open Com port PTY\n", ": busy: another program holds the port"};
        QTest::newRow("firmware missing") << QStringList{"flash", "PTY", "/nonexistent/fw.qwn"} << false << 1
                                          << QStringList{"Couldn't open file /nonexistent/fw.qwn\n"};
        QTest::newRow("settings file missing") << QStringList{"write", "PTY", "/nonexistent/s.txt"} << false << 1
                                               << QStringList{"cannot open /nonexistent/s.txt"};
        QTest::newRow("read without port") << QStringList{"read"} << false << 2 << QStringList{"read needs PORT"};
        QTest::newRow("flash without file") << QStringList{"flash", "PTY"} << false << 2
                                            << QStringList{"flash needs PORT and FIRMWARE"};
    }
    void failures()
    {
        QFETCH(QStringList, args);
        QFETCH(bool, holdPort);
        QFETCH(int, exitCode);
        QFETCH(QStringList, messages);
        PtyPeer device;
        const QString pty = QString::fromStdString(device.path);
        args.replaceInStrings("PTY", pty).replaceInStrings("SETTINGS", Write("s.txt", "TXD 1\r\n"));
        CSettings model;
        CDeviceLink holder(model);
        if (holdPort)
            QVERIFY(holder.OpenPort(device.path));
        Cli cli;
        cli.Start(args);
        QCOMPARE(cli.Finish(), exitCode);
        for (QString message : messages)
            QVERIFY2(cli.err.contains(message.replace("PTY", pty).toLocal8Bit()), cli.err);
        QVERIFY(!cli.err.contains("Opened Com port"));
        QCOMPARE(device.Receive(1, 50), std::string());
    }

    void permissionHint()
    {
        if (geteuid() == 0)
            QSKIP("root opens every device");
        PtyPeer device;
        QVERIFY(::chmod(device.path.c_str(), 0) == 0);
        Cli cli;
        cli.Start({"read", QString::fromStdString(device.path)});
        QCOMPARE(cli.Finish(), 1);
        QVERIFY2(cli.err.contains("that owns the port"), cli.err);
    }

    void timeoutGivesUpWithTheLastStatus()
    {
        PtyPeer device;
        Cli cli;
        QElapsedTimer clock;
        clock.start();
        cli.Start({"read", QString::fromStdString(device.path), "--timeout", "1"});
        QCOMPARE(cli.Finish(), 3);
        QVERIFY(clock.elapsed() >= 1000);
        QVERIFY2(cli.err.contains("gave up waiting after 1 s; last status: Opened Com port "), cli.err);
    }

    void lostConnectionFails()
    {
        PtyPeer device;
        Cli cli;
        cli.Start({"write", QString::fromStdString(device.path), Write("l.txt", "")});
        QVERIFY(cli.WaitFor("cycle QWN power"));
        device.Hangup();
        QCOMPARE(cli.Finish(), 1);
        QVERIFY2(cli.err.contains("Lost connection on Com port " + QByteArray::fromStdString(device.path)), cli.err);
    }
};

QTEST_GUILESS_MAIN(TestCliDevice)
#include "tst_cli_device.moc"
