// rezar-cli read, write and flash against a device played by this test on a pseudo-terminal:
// the exact bytes the tool sends, their order, and the pacing of the polls.

#include "DeviceLink.h"
#include "History.h"
#include "Settings.h"
#include "support/PtyPeer.h"

#include <QtTest>

#include <sys/stat.h>

#include <atomic>
#include <thread>

namespace {

class Cli {
public:
    ~Cli()
    {
        if (m_terminal >= 0)
            ::close(m_terminal);
    }
    void Start(const QStringList &args)
    {
        m_process.setReadChannel(QProcess::StandardError);
        m_process.setProcessEnvironment(env);
        if (!stdoutFile.isEmpty())
            m_process.setStandardOutputFile(stdoutFile);
        int slave = -1;
        if (terminal) {
            // stderr on a pseudo-terminal of the test's, as a user's shell would give it.
            m_terminal = posix_openpt(O_RDWR | O_NOCTTY);
            QVERIFY(m_terminal >= 0 && grantpt(m_terminal) == 0 && unlockpt(m_terminal) == 0);
            fcntl(m_terminal, F_SETFD, FD_CLOEXEC);
            fcntl(m_terminal, F_SETFL, O_NONBLOCK);
            slave = ::open(ptsname(m_terminal), O_RDWR | O_NOCTTY);
            QVERIFY(slave >= 0);
            m_process.setChildProcessModifier([slave] { ::dup2(slave, 2); });
        }
        m_process.start(REZAR_BUILD_DIR "/rezar-cli", args);
        if (slave >= 0)
            ::close(slave);
        QVERIFY(m_process.waitForStarted());
    }
    // Waits until stderr holds `text`.
    bool WaitFor(const QByteArray &text, int ms = 5000)
    {
        QElapsedTimer clock;
        clock.start();
        while (!err.contains(text) && clock.elapsed() < ms) {
            m_process.waitForReadyRead(20);
            TakeStderr();
        }
        return err.contains(text);
    }
    int Finish(int ms = 10000)
    {
        QElapsedTimer clock;
        clock.start();
        while (m_process.state() != QProcess::NotRunning && clock.elapsed() < ms) {
            m_process.waitForFinished(20);
            TakeStderr();
        }
        TakeStderr();
        out += m_process.readAllStandardOutput();
        return m_process.state() == QProcess::NotRunning && m_process.exitStatus() == QProcess::NormalExit
                   ? m_process.exitCode()
                   : -1;
    }

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    QString stdoutFile;
    bool terminal = false;
    QByteArray err, out;

private:
    void TakeStderr()
    {
        err += m_process.readAllStandardError();
        char buffer[4096];
        for (ssize_t n; m_terminal >= 0 && (n = ::read(m_terminal, buffer, sizeof buffer)) > 0;)
            err.append(buffer, n);
    }

    QProcess m_process;
    int m_terminal = -1;
};

const std::string kBanner = "Quillwren Rezar 2.0\r\nPress ESC 3 times to enter\r\n";
const std::string kMenu = "\r\n=== Options Menu ===\r\n";

// What a device with `settings` lists after "EXPORT": its echo, then both banks.
std::string Listing(const CSettings &settings)
{
    return "EXPORT\r\n" + settings.SettingsText();
}

// The first `settings` lines of a listing, as a device that stopped early sends them.
std::string ListingCut(const CSettings &settings, int lines)
{
    const std::string whole = Listing(settings);
    size_t end = 0;
    for (int i = 0; i < lines + 2; ++i)  // the echo and "BANK 0" besides
        end = whole.find('\n', end) + 1;
    return whole.substr(0, end);
}

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

    static CSettings DeviceSettings()
    {
        CSettings settings;
        settings.m_bank0.mycall = "K1ABC";
        settings.m_bank1.txd = 45;
        return settings;
    }
    // A read ("PTY" in args is the port) of `listing` to its end by silence; the Cli is set up
    // by the caller. Returns the exit code, -1 when the read did not get that far.
    int ReadListing(Cli &cli, QStringList args, const std::string &listing)
    {
        PtyPeer device;
        args.replaceInStrings("PTY", QString::fromStdString(device.path));
        cli.Start(args);
        EnterMenu(device, cli, "EXPORT\r");
        if (QTest::currentTestFailed())
            return -1;
        device.Send(listing);
        return cli.Finish();
    }

private slots:
    void initTestCase()
    {
        // The history goes to a folder of the test's, read back here through the same names.
        qputenv("XDG_DATA_HOME", m_dir.filePath("data").toLocal8Bit());
        QCoreApplication::setOrganizationName("Quillwren");
        QCoreApplication::setApplicationName("rezar-config");
    }
    void init()
    {
        QDir(HistoryFolder()).removeRecursively();
    }

    void read_data()
    {
        QTest::addColumn<bool>("toFile");
        QTest::addColumn<bool>("history");
        QTest::newRow("stdout") << false << true;
        QTest::newRow("-o FILE") << true << true;
        QTest::newRow("--no-history") << false << false;
    }
    void read()
    {
        QFETCH(bool, toFile);
        QFETCH(bool, history);
        PtyPeer device;
        Cli cli;
        const QString trace = m_dir.filePath("read.trace");
        const QString output = m_dir.filePath("read.txt");
        QStringList args{"read", QString::fromStdString(device.path), "--trace", trace};
        if (toFile)
            args << "-o" << output;
        if (!history)
            args << "--no-history";
        cli.Start(args);
        EnterMenu(device, cli, "EXPORT\r");
        device.Send(Listing(DeviceSettings()) + "NONSENSE\r\n");
        // The read ends after ten silent polls (counted in the link's suite).
        QCOMPARE(cli.Finish(), 0);
        QVERIFY(cli.err.contains("Entered Command Menu - Reading settings\nRead Complete\n"));
        QVERIFY2(cli.err.contains("DONE : 1 ignored, 198 parsed, 2 changed"), cli.err);
        QCOMPARE(device.Receive(1, 100), std::string());  // and nothing more was sent

        const QByteArray text = toFile ? FileBytes(output) : cli.out;
        QVERIFY(toFile ? cli.out.isEmpty() : true);
        QVERIFY(text.startsWith("BANK 0\r\nAMODE GPS\r\n"));
        const qsizetype bank1 = text.indexOf("BANK 1\r\n");
        QVERIFY(text.indexOf("MYCALL K1ABC\r\n") < bank1);
        QVERIFY(text.indexOf("TXD 45\r\n") > bank1);

        const QByteArray log = FileBytes(trace);
        // The ESCs go out as the start-up line ends (at its CR, or its LF when both came in one
        // poll), before anything else.
        QVERIFY2(QRegularExpression("\\d+ < Press ESC 3 times to enter\\\\r(\\\\n)?\n(\\s*\\d+ > \\\\x1b\n){3}\\s*\\d+ < ")
                     .match(QString::fromLatin1(log)).hasMatch(), log);
        QVERIFY2(QRegularExpression(R"(< === Options Menu ===\\r(\\n)?\n\s*\d+ > EXPORT\\r\n)")
                     .match(QString::fromLatin1(log)).hasMatch(), log);
        QVERIFY(log.contains(" < TXD 45\\r\\n\n"));
        QVERIFY(log.trimmed().endsWith("# closed"));

        // The history holds what was read, with the port.
        const std::vector<HistoryEntry> entries = ListHistory();
        QCOMPARE(entries.size(), size_t(history ? 1 : 0));
        if (history) {
            QCOMPARE(entries[0].kind, QString("read"));
            QCOMPARE(entries[0].port, QString::fromStdString(device.path));
            QCOMPARE(entries[0].mycall, std::string("K1ABC"));
            QCOMPARE(FileBytes(entries[0].path), text);
        }
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
        // 200 lines, two per poll: the link's suite counts the polls.
        const std::string sent = device.Receive(expected.size(), 30000);
        QCOMPARE(sent, expected);
        QCOMPARE(cli.Finish(), 0);
        QVERIFY(cli.err.contains("w.txt: DONE : 0 ignored, 1 parsed, 1 changed"));
        QVERIFY(cli.err.endsWith("Write Complete\n"));
        QCOMPARE(device.Receive(1, 100), std::string());

        const std::vector<HistoryEntry> entries = ListHistory();
        QCOMPARE(entries.size(), size_t(1));
        QCOMPARE(entries[0].kind, QString("written"));
        QCOMPARE(FileBytes(entries[0].path).toStdString(), expected);
    }

    // Intel HEX text that passes the check and a file of another format: both go out unchanged.
    void flashErasesThenSendsTheFile_data()
    {
        QTest::addColumn<QByteArray>("firmware");
        QByteArray hex;
        for (int address = 0; hex.size() < 4990; address += 16) {
            QByteArray record = QByteArray::fromHex("10" + QByteArray::number(address, 16).rightJustified(4, '0') + "00")
                                + QByteArray(16, char(address / 16));
            uint8_t sum = 0;
            for (char byte : record)
                sum = uint8_t(sum + uint8_t(byte));
            record += char(uint8_t(-sum));
            hex += ":" + record.toHex().toUpper() + "\r\n";
        }
        hex += ":00000001FF\r\n";
        QTest::newRow("Intel HEX") << hex;
        QByteArray other;
        for (int i = 0; other.size() < 5000; ++i)
            other += char(i * 7);
        other[0] = 'Q';
        QTest::newRow("other format") << other;
    }
    void flashErasesThenSendsTheFile()
    {
        QFETCH(QByteArray, firmware);
        const QString path = Write("fw.qwn", firmware);
        const QByteArray written = "Written " + QByteArray::number(firmware.size()) + " bytes (100%)\n";

        PtyPeer device;
        Cli cli;
        cli.Start({"flash", QString::fromStdString(device.path), path});
        QVERIFY(cli.WaitFor("cycle QWN power"));
        device.Send("?");
        QCOMPARE(device.Receive(1, 3000), std::string("b"));
        device.Send("??\r\nBootloader Quillwren v1.2c\r\n");
        QCOMPARE(device.Receive(1, 3000), std::string("s"));
        // The erase is given sixty silent polls before the first byte goes out (counted in the
        // link's suite).
        std::string got = device.Receive(1, 10000);
        got += device.Receive(size_t(firmware.size()) - 1, 5000);
        QCOMPARE(QByteArray::fromStdString(got), firmware);
        device.Send(".");
        QVERIFY(cli.WaitFor(written));
        device.Send("*");
        QCOMPARE(cli.Finish(), 0);
        QVERIFY(cli.err.contains("Erasing Code\nErase Complete\n"));
        QVERIFY2(cli.err.endsWith(written + "Firmware update complete\n"), cli.err);
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
                                                             "rezar-cli: COM250: no such port; ",
                                                             " serial ports present (see rezar-cli ports)\n"};
        QTest::newRow("busy") << QStringList{"read", "PTY"} << true << 1
                              << QStringList{"Failed to open Com port PTY\n",
                                             ": busy: held by tst_cli_device (pid "
                                                 + QString::number(QCoreApplication::applicationPid()) + ")\n"};
        QTest::newRow("firmware missing") << QStringList{"flash", "PTY", "/nonexistent/fw.qwn"} << false << 1
                                          << QStringList{"Couldn't open file /nonexistent/fw.qwn\n"};
        QTest::newRow("broken firmware") << QStringList{"flash", "PTY", "BADHEX"} << false << 1
                                         << QStringList{"line 2: "};
        QTest::newRow("settings file missing") << QStringList{"write", "PTY", "/nonexistent/s.txt"} << false << 1
                                               << QStringList{"cannot open /nonexistent/s.txt"};
        // diff's trouble is 2, the file checked before the port is opened.
        QTest::newRow("diff, missing port") << QStringList{"diff", "--device", "/dev/rezar-no-such-port"} << false << 2
                                            << QStringList{"rezar-cli: /dev/rezar-no-such-port: no such port\n"};
        QTest::newRow("diff, file missing") << QStringList{"diff", "--device", "PTY", "/nonexistent/s.txt"} << false << 2
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
        args.replaceInStrings("BADHEX", Write("bad.hex", ":00000001FF\r\n:0200000401FF\r\n:00000001FF\r\n"));
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
        cli.Start({"read", QString::fromStdString(device.path), "--timeout", "1"});
        QCOMPARE(cli.Finish(), 3);
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
    // -o is checked before the port is opened: the device is never read for nothing.
    void outputCheckedBeforeThePort_data()
    {
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing folder") << "no/such/f.txt" << "no folder DIR/no/such";
        QTest::newRow("folder is a file") << "plain/f.txt" << "DIR/plain is not a folder";
        QTest::newRow("a folder") << "." << "is a folder, not a file";
        QTest::newRow("read-only folder") << "locked/f.txt" << "Permission denied";
        QTest::newRow("read-only file") << "locked.txt" << "the file is not writable";
    }
    void outputCheckedBeforeThePort()
    {
        QFETCH(QString, output);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const bool locked = output.contains("locked");
        if (locked && geteuid() == 0)
            QSKIP("root writes anywhere");
        QFile plain(dir.filePath("plain"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        QVERIFY(QDir(dir.path()).mkdir("locked"));
        QVERIFY(::chmod(dir.filePath("locked").toLocal8Bit().constData(), 0500) == 0);
        QFile lockedFile(dir.filePath("locked.txt"));
        QVERIFY(lockedFile.open(QIODevice::WriteOnly));
        lockedFile.close();
        QVERIFY(lockedFile.setPermissions(QFileDevice::ReadOwner));

        PtyPeer device;
        Cli cli;
        const QString path = dir.filePath(output);
        cli.Start({"read", QString::fromStdString(device.path), "-o", path});
        QCOMPARE(cli.Finish(), 1);
        QCOMPARE(cli.err, "rezar-cli: cannot write " + path.toLocal8Bit() + ": "
                              + reason.replace("DIR", dir.path()).toLocal8Bit() + "\n");
        QCOMPARE(device.Receive(1, 300), std::string());
        QVERIFY(::chmod(dir.filePath("locked").toLocal8Bit().constData(), 0700) == 0);
        QVERIFY(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size() == 2);  // no probe left
    }

    // A listing that stops early is no complete read unless --partial says so.
    void listingEndedEarly_data()
    {
        QTest::addColumn<bool>("partial");
        QTest::newRow("refused") << false;
        QTest::newRow("--partial") << true;
    }
    void listingEndedEarly()
    {
        QFETCH(bool, partial);
        const QString output = m_dir.filePath("partial.txt");
        QFile old(output);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("OLD\r\n") == 5);
        old.close();
        Cli cli;
        QStringList args{"read", "PTY", "-o", output};
        if (partial)
            args << "--partial";
        CSettings device = DeviceSettings();
        device.m_bank0.abaud = 9600;  // among the lines that come
        const int exitCode = ReadListing(cli, args, ListingCut(device, 49));
        QVERIFY2(cli.err.contains("Read Complete\nDONE : 0 ignored, 49 parsed, 1 changed – 149 settings not received\n"),
                 cli.err);
        if (partial) {
            QCOMPARE(exitCode, 0);
            QVERIFY(FileBytes(output).startsWith("BANK 0\r\nAMODE GPS\r\nABAUD 9600\r\n"));
            QCOMPARE(ListHistory().size(), size_t(1));
        } else {
            QCOMPARE(exitCode, 1);
            QVERIFY2(cli.err.endsWith("rezar-cli: the listing ended early: 49 of 198 settings received; "
                                      "nothing kept (--partial keeps them)\n"),
                     cli.err);
            QCOMPARE(FileBytes(output), QByteArray("OLD\r\n"));
            QVERIFY(ListHistory().empty());
        }
    }

    // Settings read to a full disk fail the command; the history still has them.
    void readToFullOutputFails()
    {
        if (!QFileInfo::exists("/dev/full"))
            QSKIP("no /dev/full");
        Cli cli;
        cli.stdoutFile = "/dev/full";
        QCOMPARE(ReadListing(cli, {"read", "PTY"}, Listing(DeviceSettings())), 1);
        QVERIFY2(cli.err.endsWith("Read Complete\nDONE : 0 ignored, 198 parsed, 2 changed\n"
                                  "rezar-cli: cannot write standard output: No space left on device\n"),
                 cli.err);
        QCOMPARE(ListHistory().size(), size_t(1));
    }

    // A history that cannot be kept is a warning; the read itself succeeds.
    void historyFailureOnlyWarns()
    {
        const QString blocked = m_dir.filePath("blocked");
        QFile file(blocked);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        Cli cli;
        cli.env.insert("XDG_DATA_HOME", blocked);
        QCOMPARE(ReadListing(cli, {"read", "PTY"}, Listing(DeviceSettings())), 0);
        QVERIFY2(cli.err.contains("rezar-cli: warning: no history kept: "), cli.err);
        QVERIFY(cli.out.contains("MYCALL K1ABC\r\n"));
    }

    void historyListsNewestFirst()
    {
        CSettings a, b;
        a.m_bank0.mycall = "K1AAA";
        b.m_bank0.mycall = "K2BBB";
        b.m_bank1.mycall = "NOT-BANK-0";
        const QString first = RecordHistory(a, "read", "/dev/ttyUSB0");
        const QString second = RecordHistory(b, "written", "COM3");
        QVERIFY(!first.isEmpty() && !second.isEmpty());
        Cli cli;
        cli.Start({"history"});
        QCOMPARE(cli.Finish(), 0);
        const QList<QByteArray> lines = cli.out.split('\n');
        QCOMPARE(lines.size(), 3);
        const QRegularExpression time("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\t");
        for (int i = 0; i < 2; ++i)
            QVERIFY2(time.match(QString::fromLatin1(lines[i])).hasMatch(), lines[i]);
        QVERIFY(lines[0].endsWith("\twritten\tCOM3\tK2BBB\t" + QFileInfo(second).fileName().toLocal8Bit()));
        QVERIFY(lines[1].endsWith("\tread\t/dev/ttyUSB0\tK1AAA\t" + QFileInfo(first).fileName().toLocal8Bit()));
        QCOMPARE(cli.err, "2 entries, newest first, in " + HistoryFolder().toLocal8Bit() + "\n");
    }

    // --verify asks for the listing after the last line and names every setting that came back
    // otherwise. On a terminal the lines sent are one progress line.
    void writeVerifyFindsADifference()
    {
        const QString settings = Write("v.txt", "BANK 1\r\nMYCALL K1ABC\r\n");
        CSettings written;
        std::string summary;
        QCOMPARE(written.LoadFile(settings.toStdString(), &summary), 0);
        CSettings kept = written;
        kept.m_bank1.mycall = "K1ABD";
        kept.m_bank0.txd = 31;

        PtyPeer device;
        Cli cli;
        cli.terminal = true;
        cli.Start({"write", QString::fromStdString(device.path), settings, "--verify"});
        EnterMenu(device, cli, "");
        const std::string expected = written.SettingsText();
        QCOMPARE(device.Receive(expected.size(), 30000), expected);
        QCOMPARE(device.Receive(7, 3000), std::string("EXPORT\r"));
        device.Send(Listing(kept));
        QCOMPARE(cli.Finish(), 1);
        QCOMPARE(cli.out, QByteArray("0\ttxd\t30\t31\n1\tmycall\tK1ABC\tK1ABD\n"));
        QVERIFY2(cli.err.contains("rezar-cli: verify: 2 settings read back differ from what was written"), cli.err);
        QCOMPARE(device.Receive(1, 100), std::string());
        // One progress line: the lines sent are not shown one by one.
        QVERIFY2(cli.err.contains("] 100%  200 of 200 lines"), cli.err);
        QVERIFY2(!cli.err.contains("MYCALL K1ABC"), cli.err);
        QVERIFY2(cli.err.contains("Found Quillwren Rezar - Entering Command Menu"), cli.err);
    }

    // Bytes that never make a line are no progress: --timeout ends the read.
    void timeoutWhileBytesKeepComing()
    {
        PtyPeer device;
        Cli cli;
        cli.Start({"read", QString::fromStdString(device.path), "--timeout", "1"});
        QVERIFY(cli.WaitFor("cycle QWN power"));
        std::atomic<bool> stop = false;
        std::thread talker([&] {
            while (!stop) {
                device.Send(std::string(64, 'x'));
                device.Receive(64, 5);  // whatever the tool sends, and a short pause
            }
        });
        const int exitCode = cli.Finish(15000);
        stop = true;
        talker.join();
        QCOMPARE(exitCode, 3);
        QVERIFY2(cli.err.contains("gave up waiting after 1 s; last status: Opened Com port "), cli.err);
    }

    // On a terminal a read shows one progress line; with -v its status lines as before.
    void progressOnATerminal_data()
    {
        QTest::addColumn<bool>("verbose");
        QTest::newRow("terminal") << false;
        QTest::newRow("terminal -v") << true;
    }
    void progressOnATerminal()
    {
        QFETCH(bool, verbose);
        Cli cli;
        cli.terminal = true;
        QStringList args{"read", "PTY"};
        if (verbose)
            args << "-v";
        QCOMPARE(ReadListing(cli, args, Listing(DeviceSettings())), 0);
        QCOMPARE(cli.err.contains("\r["), !verbose);
        QCOMPARE(cli.err.contains("] 100%  200 of 200 lines"), !verbose);
        QCOMPARE(cli.err.contains("  | DONE : 0 ignored, 198 parsed, 2 changed"), verbose);
        QVERIFY2(cli.err.contains("Read Complete"), cli.err);
    }
};

QTEST_GUILESS_MAIN(TestCliDevice)
#include "tst_cli_device.moc"
