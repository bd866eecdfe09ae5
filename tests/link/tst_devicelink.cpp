// The device link's state machine against a scripted port: every byte it sends, in order
// and per write call, and the poll in which each step happens.

#include "DeviceLink.h"
#include "Settings.h"
#include "support/FakeSerialPort.h"

#include <QFile>
#include <QtTest>

using Lines = std::vector<std::string>;
Q_DECLARE_METATYPE(std::string)

namespace {

const std::string kBanner = "Quillwren Rezar\r\nPress ESC 3 times to enter\r\n";
const std::string kMenu = "Options Menu\r\n";
const std::string kEsc = "\x1b";

void Polls(int n)
{
    for (int i = 0; i < n; ++i)
        g_deviceLink.Poll();
}

int32_t State()
{
    return g_deviceLink.m_nState;
}

} // namespace

class TestDeviceLink : public QObject {
    Q_OBJECT
    std::shared_ptr<FakeSerialLine> m_line;
    QTemporaryDir m_dir;

    QString Firmware(int size)
    {
        QByteArray bytes(size, '\0');
        for (int i = 0; i < size; ++i)
            bytes[i] = char(i % 251);
        QFile f(m_dir.filePath(QString("fw%1.qwn").arg(size)));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return f.fileName();
    }
    // A firmware load brought to its first chunk: prompt, identification, 60 silent polls.
    void ToSending(const QString &path)
    {
        g_deviceLink.StartFirmware("COM3", path.toStdString());
        m_line->Script({"?", "Quillwren v1.2c\r\n"});
        Polls(2 + 60);
        QCOMPARE(State(), int32_t(LoaderSending));
        m_line->writes.clear();
    }
    // A read or write brought to the poll in which the device shows its menu.
    void ToMenu(bool write)
    {
        write ? g_deviceLink.StartWrite("COM3") : g_deviceLink.StartRead("COM3");
        m_line->Script({kBanner, kMenu});
        Polls(2);
        QCOMPARE(State(), int32_t(write ? WriteSending : ReadReceiving));
    }
    // Brings the link to the running state named, through the real conversation.
    void Enter(int32_t state)
    {
        switch (state) {
        case ReadAwaitBanner: g_deviceLink.StartRead("COM3"); break;
        case ReadReceiving: ToMenu(false); break;
        case WriteSending: ToMenu(true); break;
        case LoaderErasing:
            g_deviceLink.StartFirmware("COM3", Firmware(5000).toStdString());
            m_line->Script({"?", "Quillwren\r\n"});
            Polls(2);
            break;
        case LoaderSending:
            ToSending(Firmware(5000));
            g_deviceLink.Poll();
            break;
        }
        QCOMPARE(State(), state);
    }

private slots:
    void init()
    {
        m_line = InstallFakeSerial();
        g_deviceLink.ClosePort();
        g_deviceLink.m_nState = Idle;
        g_deviceLink.m_fileFirmware.reset();
        g_deviceLink.SetStatus("", "");
        g_nIdlePolls = 0;
        s_strRxLine.clear();
        g_settings = CSettings();
    }
    void cleanup()
    {
        g_deviceLink.ClosePort();
        RemoveFakeSerial();
    }

    void handleLineByState_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<std::string>("line");
        QTest::addColumn<int>("nextState");
        QTest::addColumn<std::string>("status");
        QTest::addColumn<std::string>("debug");
        QTest::addColumn<Lines>("writes");

        const std::string banner = "  Press ESC 3 times to enter  \r";
        const std::string found = "Found Quillwren Rezar - Entering Command Menu";
        const std::string entered = "Entered Command Menu - Reading settings";
        const std::string menu = "== Options Menu ==\r";
        const Lines esc3{kEsc, kEsc, kEsc};
        QTest::newRow("read: start-up line") << 2 << banner << 3 << found << banner << esc3;
        QTest::newRow("write: start-up line") << 5 << banner << 6 << found << banner << esc3;
        QTest::newRow("start-up line in other case") << 2 << std::string("press esc 3 times to enter\r") << 2
                                                     << std::string("s") << std::string("press esc 3 times to enter\r") << Lines{};
        QTest::newRow("read: menu") << 3 << menu << 4 << entered << menu << Lines{"EXPORT\r"};
        QTest::newRow("write: menu") << 6 << menu << 7 << entered << menu << Lines{};
        QTest::newRow("start-up line again") << 3 << banner << 3 << std::string("s") << banner << Lines{};
        QTest::newRow("menu before the start-up line") << 2 << menu << 2 << std::string("s") << menu << Lines{};
        QTest::newRow("reading: device line") << 4 << std::string(":MYCALL X\n") << 4 << std::string("s")
                                              << std::string(":MYCALL X\n") << Lines{};
        QTest::newRow("writing: ':' line hidden") << 7 << std::string(":MYCALL X\r") << 7 << std::string("s")
                                                  << std::string("d") << Lines{};
        QTest::newRow("writing: other line") << 7 << std::string("OK\r") << 7 << std::string("s")
                                             << std::string("OK\r") << Lines{};
        QTest::newRow("idle: ':' line shown") << 0 << std::string(":x\r") << 0 << std::string("s")
                                              << std::string(":x\r") << Lines{};
        QTest::newRow("complete: line shown") << 1 << std::string("hello\n") << 1 << std::string("s")
                                              << std::string("hello\n") << Lines{};
        QTest::newRow("loader: 644") << 9 << std::string("Quillwren v1.2b\r") << 10 << std::string("Erasing Code")
                                     << std::string("Found 644 based Quillwren - Quillwren v1.2b\r") << Lines{"s"};
        QTest::newRow("loader: 1284") << 9 << std::string("BL Quillwren v1.2c\n") << 10 << std::string("Erasing Code")
                                      << std::string("Found 1284 based Quillwren - BL Quillwren v1.2c\n") << Lines{"s"};
        QTest::newRow("loader: other version") << 9 << std::string("Quillwren v2\r") << 10 << std::string("Erasing Code")
                                               << std::string("Quillwren v2\r") << Lines{"s"};
        QTest::newRow("loader: not the identification") << 9 << std::string("quillwren\r") << 9 << std::string("s")
                                                        << std::string("quillwren\r") << Lines{};
        for (int state : {8, 10, 11})
            QTest::newRow(qPrintable(QString("loader state %1: only shown").arg(state)))
                << state << std::string("Quillwren v1.2b\r") << state << std::string("s")
                << std::string("Quillwren v1.2b\r") << Lines{};
    }
    void handleLineByState()
    {
        QFETCH(int, state);
        QFETCH(std::string, line);
        QFETCH(int, nextState);
        QFETCH(std::string, status);
        QFETCH(std::string, debug);
        QFETCH(Lines, writes);

        QVERIFY(g_deviceLink.OpenPort("COM3"));
        g_deviceLink.m_nState = state;
        g_deviceLink.SetStatus("s", "d");
        g_deviceLink.HandleLine(line);
        QCOMPARE(State(), nextState);
        QCOMPARE(g_deviceLink.GetStatus(), status);
        QCOMPARE(g_deviceLink.GetStatusDebug(), debug);
        QCOMPARE(m_line->writes, writes);
    }

    // Lines are handled at their CR or LF, once, with that byte still on them; the lone
    // byte of a CR LF pair makes no line.
    void lineEnds_data()
    {
        QTest::addColumn<std::string>("bytes");
        QTest::addColumn<int>("lines");
        QTest::addColumn<std::string>("lastLine");
        QTest::newRow("CR LF") << std::string("XA 1\r\nXB 2\r\n") << 2 << std::string("XB 2\r");
        QTest::newRow("LF") << std::string("XA 1\nXB 2\n") << 2 << std::string("XB 2\n");
        QTest::newRow("CR") << std::string("XA 1\rXB 2\r") << 2 << std::string("XB 2\r");
        QTest::newRow("LF CR") << std::string("XA 1\n\rXB 2\n\r") << 2 << std::string("XB 2\n");
        QTest::newRow("blank lines") << std::string("\r\n\r\n\n\nXA 1\r\n") << 1 << std::string("XA 1\r");
        QTest::newRow("unfinished") << std::string("XA 1\r\nXB") << 1 << std::string("XA 1\r");
    }
    void lineEnds()
    {
        QFETCH(std::string, bytes);
        QFETCH(int, lines);
        QFETCH(std::string, lastLine);
        ToMenu(false);
        m_line->Arrive(bytes);
        g_deviceLink.Poll();
        QCOMPARE(g_settings.DeviceParse().ignored, lines);  // unknown keys: each handled line counts once
        QCOMPARE(g_deviceLink.GetStatusDebug(), lastLine);
    }

    void readConversation()
    {
        g_deviceLink.StartRead("COM3");
        QCOMPARE(g_deviceLink.GetStatus(), std::string("Opened Com port COM3 - cycle QWN power"));
        QCOMPARE(m_line->opens, Lines{"COM3"});
        m_line->Script({"boot noise\r\n" + kBanner, kBanner, "", kMenu,
                        "EXPORT\r\nBANK 1\r\nMYCALL K1ABC\r\nTXD 30\r\nBOGUS\r\n"});
        Polls(3);
        QCOMPARE(m_line->writes, (Lines{kEsc, kEsc, kEsc}));  // once, though the line came twice
        QCOMPARE(State(), int32_t(ReadAwaitMenu));
        g_deviceLink.Poll();
        QCOMPARE(g_deviceLink.GetStatus(), std::string("Entered Command Menu - Reading settings"));
        QCOMPARE(m_line->writes, (Lines{kEsc, kEsc, kEsc, "EXPORT\r"}));
        g_deviceLink.Poll();
        QCOMPARE(g_deviceLink.GetStatusDebug(), std::string("BOGUS\r"));

        Polls(9);
        QCOMPARE(State(), int32_t(ReadReceiving));
        QCOMPARE(m_line->closes, 0);
        g_deviceLink.Poll();  // the 10th in a row without a byte
        QCOMPARE(State(), int32_t(Complete));
        QCOMPARE(g_deviceLink.GetStatus(), std::string("Read Complete"));
        QCOMPARE(g_deviceLink.GetStatusDebug(), std::string("DONE : 1 ignored, 2 parsed, 1 changed"));
        QCOMPARE(m_line->closes, 1);
        QVERIFY(!g_deviceLink.m_hPort);
        QCOMPARE(g_settings.m_bank1.mycall, std::string("K1ABC"));
        QCOMPARE(g_settings.m_bank0.mycall, std::string("NOCALL"));
        QCOMPARE(g_settings.GetBank(), 0);
        QCOMPARE(m_line->writes.size(), size_t(4));
    }

    void writeConversation()
    {
        g_settings.m_bank1.mycall = "K1ABC";
        Lines expected;
        g_settings.ResetWriter();
        for (std::string line = g_settings.NextLine(); !line.empty(); line = g_settings.NextLine())
            expected.push_back(line + "\r\n");
        QCOMPARE(expected.size(), size_t(kSettingsTextLines));

        ToMenu(true);  // the menu's poll already sends the first two lines
        m_line->writes.erase(m_line->writes.begin(), m_line->writes.begin() + 3);  // the ESCs
        QCOMPARE(m_line->writes, Lines(expected.begin(), expected.begin() + 2));
        QCOMPARE(g_deviceLink.GetStatus(), std::string("AMODE GPS"));
        m_line->Arrive(":AMODE GPS\r\nOK\r\n:ABAUD 4800\r\n");
        Polls(98);
        QCOMPARE(g_deviceLink.GetStatusDebug(), std::string("OK\r"));
        QCOMPARE(m_line->writes.size(), size_t(198));
        g_deviceLink.Poll();
        QCOMPARE(m_line->writes, expected);
        QCOMPARE(State(), int32_t(WriteSending));
        QCOMPARE(g_deviceLink.GetStatus(), expected.back().substr(0, expected.back().size() - 2));
        g_deviceLink.Poll();
        QCOMPARE(g_deviceLink.GetStatus(), std::string("Write Complete"));
        QCOMPARE(State(), int32_t(Complete));
        QCOMPARE(m_line->writes.size(), expected.size());
        QCOMPARE(m_line->closes, 1);
    }

    void loaderConversation()
    {
        const QString path = Firmware(5000);
        g_deviceLink.StartFirmware("COM3", path.toStdString());
        QCOMPARE(State(), int32_t(LoaderAwaitPrompt));
        m_line->Script({"x?", "??\r\nQuillwren v1.2b\r\n"});
        g_deviceLink.Poll();
        QCOMPARE(g_deviceLink.GetStatus(), std::string("Entering Bootloader"));
        QCOMPARE(m_line->writes, Lines{"b"});
        g_deviceLink.Poll();  // later '?' only join the line
        QCOMPARE(m_line->writes, (Lines{"b", "s"}));
        QCOMPARE(g_deviceLink.GetStatusDebug(), std::string("Found 644 based Quillwren - Quillwren v1.2b\r"));
        QCOMPARE(State(), int32_t(LoaderErasing));

        Polls(59);
        QCOMPARE(State(), int32_t(LoaderErasing));
        g_deviceLink.Poll();
        QCOMPARE(g_deviceLink.GetStatus(), std::string("Erase Complete"));
        QCOMPARE(State(), int32_t(LoaderSending));
        QCOMPARE(m_line->writes.size(), size_t(2));  // nothing sent in the erase poll

        QFile f(path);
        f.open(QIODevice::ReadOnly);
        const QByteArray all = f.readAll();
        Polls(2);
        m_line->Arrive(".");
        g_deviceLink.Poll();
        QCOMPARE(g_deviceLink.GetStatus(), std::string("Written 4096 bytes (81%)"));
        QCOMPARE(m_line->writes.size(), size_t(5));
        QCOMPARE(m_line->writes[2], all.mid(0, 2048).toStdString());
        QCOMPARE(m_line->writes[3], all.mid(2048, 2048).toStdString());
        QCOMPARE(m_line->writes[4], all.mid(4096).toStdString());
        QVERIFY(g_deviceLink.m_fileFirmware);
        g_deviceLink.Poll();  // end of file: closed, nothing sent, still waiting for the answer
        QVERIFY(!g_deviceLink.m_fileFirmware);
        QCOMPARE(m_line->writes.size(), size_t(5));
        QCOMPARE(State(), int32_t(LoaderSending));
        m_line->Arrive(".*.");
        g_deviceLink.Poll();
        QCOMPARE(g_deviceLink.GetStatus(), std::string("Firmware update complete"));
        QCOMPARE(State(), int32_t(Idle));
        QVERIFY(g_deviceLink.m_hPort);  // the port stays open after a firmware load
    }

    void loaderAnswers_data()
    {
        QTest::addColumn<std::string>("answer");
        QTest::addColumn<std::string>("status");
        QTest::addColumn<int>("chunks");
        QTest::newRow("early end") << std::string("*") << std::string("Firmware update complete") << 1;
        QTest::newRow("error letter") << std::string("E.") << std::string("Firmware update Error E") << 1;
        QTest::newRow("CR") << std::string("\r") << std::string("Firmware update Error \r") << 1;
        QTest::newRow("LF") << std::string("\n") << std::string("Firmware update Error \n") << 1;
    }
    void loaderAnswers()
    {
        QFETCH(std::string, answer);
        QFETCH(std::string, status);
        QFETCH(int, chunks);
        ToSending(Firmware(5000));
        g_deviceLink.Poll();
        m_line->Arrive(answer);
        Polls(3);
        QCOMPARE(g_deviceLink.GetStatus(), status);
        QCOMPARE(State(), int32_t(Idle));
        QVERIFY(!g_deviceLink.m_fileFirmware);
        QCOMPARE(int(m_line->writes.size()), chunks);  // the rest of the file is not sent
    }

    void progressIn64Bits()
    {
        ToSending(Firmware(10));
        g_deviceLink.m_nFirmwareSize = 40000000;
        g_deviceLink.m_nBytesSent = 30000000;
        m_line->Arrive(".");
        g_deviceLink.Poll();
        QCOMPARE(g_deviceLink.GetStatus(), std::string("Written 30000000 bytes (75%)"));
    }

    void firmwareFileCheckedBeforeThePort_data()
    {
        QTest::addColumn<bool>("empty");
        QTest::newRow("missing") << false;
        QTest::newRow("empty") << true;
    }
    void firmwareFileCheckedBeforeThePort()
    {
        QFETCH(bool, empty);
        const std::string path = empty ? Firmware(0).toStdString() : m_dir.filePath("none.qwn").toStdString();
        Enter(ReadReceiving);
        const Lines writes = m_line->writes;
        g_deviceLink.StartFirmware("COM4", path);
        QCOMPARE(g_deviceLink.GetStatus(), "Couldn't open file " + path);
        // Nothing else: the read goes on with its port, and the device is asked nothing.
        QCOMPARE(State(), int32_t(ReadReceiving));
        QCOMPARE(m_line->opens, Lines{"COM3"});
        QCOMPARE(m_line->closes, 0);
        QCOMPARE(m_line->writes, writes);
        QVERIFY(!g_deviceLink.m_fileFirmware);
    }

    void runningOperations_data()
    {
        QTest::addColumn<int>("running");
        QTest::newRow("read waiting") << int(ReadAwaitBanner);
        QTest::newRow("read receiving") << int(ReadReceiving);
        QTest::newRow("write sending") << int(WriteSending);
        QTest::newRow("loader erasing") << int(LoaderErasing);
        QTest::newRow("loader sending") << int(LoaderSending);
    }

    void restartDuringOperation_data() { runningOperations_data(); }
    void restartDuringOperation()
    {
        QFETCH(int, running);
        Enter(running);
        const size_t written = m_line->writes.size();
        g_deviceLink.StartRead("COM5");
        QCOMPARE(State(), int32_t(ReadAwaitBanner));
        QCOMPARE(g_deviceLink.GetStatus(), std::string("Opened Com port COM5 - cycle QWN power"));
        QCOMPARE(m_line->closes, 1);
        QCOMPARE(m_line->opens.back(), std::string("COM5"));
        QVERIFY(!g_deviceLink.m_fileFirmware);
        Polls(70);
        QCOMPARE(State(), int32_t(ReadAwaitBanner));
        QCOMPARE(m_line->writes.size(), written);  // the old operation sends nothing more
    }

    void failedStartEndsOperation_data() { runningOperations_data(); }
    void failedStartEndsOperation()
    {
        QFETCH(int, running);
        Enter(running);
        m_line->openFails = true;
        g_deviceLink.StartWrite("COM9");
        QCOMPARE(State(), int32_t(Idle));
        QCOMPARE(g_deviceLink.GetStatus(), std::string("Failed to open Com port COM9"));
        QCOMPARE(g_deviceLink.m_portError.kind, PortErrorKind::NotFound);
        QVERIFY(!g_deviceLink.m_hPort);
        QVERIFY(!g_deviceLink.m_fileFirmware);
        Polls(70);
        // No completion may be claimed for the operation that was cut off.
        QCOMPARE(g_deviceLink.GetStatus(), std::string("Failed to open Com port COM9"));
    }

    void lostConnection_data() { runningOperations_data(); }
    void lostConnection()
    {
        QFETCH(int, running);
        Enter(running);
        m_line->unplugged = true;
        Polls(2);
        QCOMPARE(g_deviceLink.GetStatus(), std::string("Lost connection on Com port COM3"));
        QCOMPARE(State(), int32_t(Idle));
        QVERIFY(!g_deviceLink.m_hPort);
        QVERIFY(!g_deviceLink.m_fileFirmware);
        Polls(70);
        QCOMPARE(g_deviceLink.GetStatus(), std::string("Lost connection on Com port COM3"));
    }

    // A read that never ends its parse must not keep the pages' bank: the parse's "BANK 1"
    // moved only its own cursor.
    void cutOffReadLeavesTheBankAlone()
    {
        Enter(ReadReceiving);
        m_line->Arrive("BANK 1\r\nMYCALL K1ABC\r\n");
        g_deviceLink.Poll();
        g_deviceLink.StartRead("COM4");
        QCOMPARE(g_settings.GetBank(), 0);
        QCOMPARE(g_settings.m_bank1.mycall, std::string("K1ABC"));
    }

    void unfinishedLineLeadsTheNextOperation()
    {
        Enter(ReadAwaitBanner);
        m_line->Arrive("Press ESC 3");
        g_deviceLink.Poll();
        g_deviceLink.StartWrite("COM3");
        m_line->Arrive(" times to enter\r\n");
        g_deviceLink.Poll();
        QCOMPARE(State(), int32_t(WriteAwaitMenu));
    }
};

QTEST_GUILESS_MAIN(TestDeviceLink)
#include "tst_devicelink.moc"
