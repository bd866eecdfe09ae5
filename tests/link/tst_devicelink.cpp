// The device link's state machine against a scripted port: every byte it sends, in order
// and per write call, the poll in which each step happens, and how each operation ends.

#include "DeviceLink.h"
#include "LinkText.h"
#include "Settings.h"
#include "support/FakeSerialPort.h"

#include <QFile>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using Lines = std::vector<std::string>;
Q_DECLARE_METATYPE(std::string)
Q_DECLARE_METATYPE(LinkState)
Q_DECLARE_METATYPE(LinkOutcome)

namespace QTest {
template <> char *toString(const LinkState &state)
{
    return qstrdup(QByteArray("LinkState ") + QByteArray::number(int(state)));
}
template <> char *toString(const LinkOutcome &outcome)
{
    return qstrdup(QByteArray("LinkOutcome ") + QByteArray::number(int(outcome)));
}
} // namespace QTest

namespace {

const std::string kBanner = "Quillwren Rezar\r\nPress ESC 3 times to enter\r\n";
const std::string kMenu = "Options Menu\r\n";
const std::string kEsc = "\x1b";

void Polls(CDeviceLink &link, int n)
{
    for (int i = 0; i < n; ++i)
        link.Poll();
}

// The status and debug lines as the front ends show them.
std::string StatusText(const CDeviceLink &link)
{
    return LinkText::StatusBytes(link.Status());
}

std::string DebugText(const CDeviceLink &link)
{
    return LinkText::NoteBytes(link.Note());
}

// A device line as the debug line shows it: without its line end.
std::string Shown(const std::string &line)
{
    return line.substr(0, line.find_first_of("\r\n"));
}

} // namespace

class TestDeviceLink : public QObject {
    Q_OBJECT
    std::shared_ptr<FakeSerialLine> m_line;
    std::unique_ptr<CSettings> m_model;
    std::unique_ptr<CDeviceLink> m_link;
    QTemporaryDir m_dir;

    CDeviceLink &Link() { return *m_link; }
    void Polls(int n) { ::Polls(*m_link, n); }

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
        QVERIFY(Link().StartFirmware("COM3", path.toStdString()));
        m_line->Script({"?", "Quillwren v1.2c\r\n"});
        Polls(2 + 60);
        QCOMPARE(Link().State(), LinkState::LoaderSending);
        m_line->writes.clear();
    }
    // A read or write brought to the poll in which the device shows its menu.
    void ToMenu(bool write)
    {
        QVERIFY(write ? Link().StartWrite("COM3") : Link().StartRead("COM3"));
        m_line->Script({kBanner, kMenu});
        Polls(2);
        QCOMPARE(Link().State(), write ? LinkState::WriteSending : LinkState::ReadReceiving);
    }
    // Brings the link to the state named through the real conversation.
    void Enter(LinkState state)
    {
        switch (state) {
        case LinkState::Idle: break;
        case LinkState::Complete:
            ToMenu(false);
            Polls(10);
            break;
        case LinkState::ReadAwaitBanner: Link().StartRead("COM3"); break;
        case LinkState::ReadAwaitMenu:
            Link().StartRead("COM3");
            m_line->Script({kBanner});
            Link().Poll();
            break;
        case LinkState::ReadReceiving: ToMenu(false); break;
        case LinkState::WriteAwaitBanner: Link().StartWrite("COM3"); break;
        case LinkState::WriteAwaitMenu:
            Link().StartWrite("COM3");
            m_line->Script({kBanner});
            Link().Poll();
            break;
        case LinkState::WriteSending: ToMenu(true); break;
        case LinkState::LoaderAwaitPrompt: Link().StartFirmware("COM3", Firmware(5000).toStdString()); break;
        case LinkState::LoaderAwaitBanner:
            Link().StartFirmware("COM3", Firmware(5000).toStdString());
            m_line->Script({"?"});
            Link().Poll();
            break;
        case LinkState::LoaderErasing:
            Link().StartFirmware("COM3", Firmware(5000).toStdString());
            m_line->Script({"?", "Quillwren\r\n"});
            Polls(2);
            break;
        case LinkState::LoaderSending:
            ToSending(Firmware(5000));
            Link().Poll();
            break;
        }
        QCOMPARE(Link().State(), state);
    }

private slots:
    void init()
    {
        m_line = std::make_shared<FakeSerialLine>();
        m_model = std::make_unique<CSettings>();
        m_link = std::make_unique<CDeviceLink>(*m_model, FakePorts(m_line));
    }
    void cleanup() { m_link.reset(); }

    void handleLineByState_data()
    {
        QTest::addColumn<LinkState>("state");
        QTest::addColumn<std::string>("line");
        QTest::addColumn<LinkState>("nextState");
        QTest::addColumn<std::string>("status");
        QTest::addColumn<std::string>("debug");
        QTest::addColumn<Lines>("writes");

        using S = LinkState;
        const std::string banner = "  Press ESC 3 times to enter  \r";
        const std::string found = "Found Quillwren Rezar - Entering Command Menu";
        const std::string entered = "Entered Command Menu - Reading settings";
        const std::string menu = "== Options Menu ==\r";
        const std::string s = "s";
        const Lines esc3{kEsc, kEsc, kEsc};
        QTest::newRow("read: start-up line") << S::ReadAwaitBanner << banner << S::ReadAwaitMenu << found << Shown(banner) << esc3;
        QTest::newRow("write: start-up line") << S::WriteAwaitBanner << banner << S::WriteAwaitMenu << found << Shown(banner) << esc3;
        QTest::newRow("start-up line in other case") << S::ReadAwaitBanner << std::string("press esc 3 times to enter\r")
                                                     << S::ReadAwaitBanner << s << std::string("press esc 3 times to enter") << Lines{};
        QTest::newRow("read: menu") << S::ReadAwaitMenu << menu << S::ReadReceiving << entered << Shown(menu) << Lines{"EXPORT\r"};
        QTest::newRow("write: menu") << S::WriteAwaitMenu << menu << S::WriteSending << entered << Shown(menu) << Lines{};
        QTest::newRow("start-up line again") << S::ReadAwaitMenu << banner << S::ReadAwaitMenu << s << Shown(banner) << Lines{};
        QTest::newRow("write: start-up line again") << S::WriteAwaitMenu << banner << S::WriteAwaitMenu << s << Shown(banner) << Lines{};
        QTest::newRow("menu before the start-up line") << S::ReadAwaitBanner << menu << S::ReadAwaitBanner << s << Shown(menu) << Lines{};
        QTest::newRow("write: menu before the start-up line") << S::WriteAwaitBanner << menu << S::WriteAwaitBanner << s << Shown(menu) << Lines{};
        QTest::newRow("reading: device line") << S::ReadReceiving << std::string(":MYCALL X\n") << S::ReadReceiving << s
                                              << std::string(":MYCALL X") << Lines{};
        QTest::newRow("writing: ':' line hidden") << S::WriteSending << std::string(":MYCALL X\r") << S::WriteSending << s
                                                  << std::string("d") << Lines{};
        QTest::newRow("writing: other line") << S::WriteSending << std::string("OK\r") << S::WriteSending << s
                                             << std::string("OK") << Lines{};
        QTest::newRow("idle: ':' line shown") << S::Idle << std::string(":x\r") << S::Idle << s << std::string(":x") << Lines{};
        QTest::newRow("complete: line shown") << S::Complete << std::string("hello\n") << S::Complete << s
                                              << std::string("hello") << Lines{};
        QTest::newRow("loader: 644") << S::LoaderAwaitBanner << std::string("Quillwren v1.2b\r") << S::LoaderErasing
                                     << std::string("Erasing Code")
                                     << std::string("Found 644 based Quillwren - Quillwren v1.2b") << Lines{"s"};
        QTest::newRow("loader: 1284") << S::LoaderAwaitBanner << std::string("BL Quillwren v1.2c\n") << S::LoaderErasing
                                      << std::string("Erasing Code")
                                      << std::string("Found 1284 based Quillwren - BL Quillwren v1.2c") << Lines{"s"};
        QTest::newRow("loader: other version") << S::LoaderAwaitBanner << std::string("Quillwren v2\r") << S::LoaderErasing
                                               << std::string("Erasing Code") << std::string("Quillwren v2") << Lines{"s"};
        QTest::newRow("loader: not the identification") << S::LoaderAwaitBanner << std::string("quillwren\r")
                                                        << S::LoaderAwaitBanner << s << std::string("quillwren") << Lines{};
        for (LinkState state : {S::LoaderAwaitPrompt, S::LoaderErasing, S::LoaderSending})
            QTest::newRow(qPrintable(QString("loader state %1: only shown").arg(int(state))))
                << state << std::string("Quillwren v1.2b\r") << state << s << std::string("Quillwren v1.2b") << Lines{};
    }
    void handleLineByState()
    {
        QFETCH(LinkState, state);
        QFETCH(std::string, line);
        QFETCH(LinkState, nextState);
        QFETCH(std::string, status);
        QFETCH(std::string, debug);
        QFETCH(Lines, writes);

        Enter(state);
        if (!Link().IsPortOpen())
            QVERIFY(Link().OpenPort("COM3"));
        m_line->writes.clear();
        // "s" and "d": the line leaves the status, or the debug line, as it was.
        const uint64_t statuses = Link().StatusCount();
        const uint64_t notes = Link().NoteCount();
        Link().HandleLine(line);
        QCOMPARE(Link().State(), nextState);
        if (status == "s")
            QCOMPARE(Link().StatusCount(), statuses);
        else
            QCOMPARE(StatusText(Link()), status);
        if (debug == "d")
            QCOMPARE(Link().NoteCount(), notes);
        else
            QCOMPARE(DebugText(Link()), debug);
        QCOMPARE(m_line->writes, writes);
    }

    // The state numbers are part of what the link shows the outside (logs, tools).
    void stateNumbers()
    {
        using S = LinkState;
        const std::vector<LinkState> states{S::Idle,           S::Complete,          S::ReadAwaitBanner,
                                            S::ReadAwaitMenu,  S::ReadReceiving,     S::WriteAwaitBanner,
                                            S::WriteAwaitMenu, S::WriteSending,      S::LoaderAwaitPrompt,
                                            S::LoaderAwaitBanner, S::LoaderErasing,  S::LoaderSending};
        for (size_t i = 0; i < states.size(); ++i)
            QCOMPARE(int(states[i]), int(i));
    }

    // Lines are handled at their CR or LF, once; the lone byte of a CR LF pair makes no line.
    // The debug line shows the line without its end.
    void lineEnds_data()
    {
        QTest::addColumn<std::string>("bytes");
        QTest::addColumn<int>("lines");
        QTest::addColumn<std::string>("lastLine");
        QTest::newRow("CR LF") << std::string("XA 1\r\nXB 2\r\n") << 2 << std::string("XB 2");
        QTest::newRow("LF") << std::string("XA 1\nXB 2\n") << 2 << std::string("XB 2");
        QTest::newRow("CR") << std::string("XA 1\rXB 2\r") << 2 << std::string("XB 2");
        QTest::newRow("LF CR") << std::string("XA 1\n\rXB 2\n\r") << 2 << std::string("XB 2");
        QTest::newRow("blank lines") << std::string("\r\n\r\n\n\nXA 1\r\n") << 1 << std::string("XA 1");
        QTest::newRow("unfinished") << std::string("XA 1\r\nXB") << 1 << std::string("XA 1");
    }
    void lineEnds()
    {
        QFETCH(std::string, bytes);
        QFETCH(int, lines);
        QFETCH(std::string, lastLine);
        ToMenu(false);
        m_line->Arrive(bytes);
        Link().Poll();
        QCOMPARE(DebugText(Link()), lastLine);
        // Unknown keys: each handled line counts once as ignored.
        QCOMPARE(m_model->EndParse(), "DONE : " + std::to_string(lines) + " ignored, 0 parsed, 0 changed");
    }

    void readConversation()
    {
        QVERIFY(Link().StartRead("COM3"));
        QCOMPARE(StatusText(Link()), std::string("Opened Com port COM3 - cycle QWN power"));
        QCOMPARE(Link().Outcome(), LinkOutcome::Running);
        QCOMPARE(Link().PortName(), std::string("COM3"));
        QCOMPARE(m_line->opens, Lines{"COM3"});
        m_line->Script({"boot noise\r\n" + kBanner, kBanner, "", kMenu,
                        "EXPORT\r\nBANK 1\r\nMYCALL K1ABC\r\nTXD 30\r\nBOGUS\r\n"});
        Polls(3);
        QCOMPARE(m_line->writes, (Lines{kEsc, kEsc, kEsc}));  // once, though the line came twice
        QCOMPARE(Link().State(), LinkState::ReadAwaitMenu);
        Link().Poll();
        QCOMPARE(StatusText(Link()), std::string("Entered Command Menu - Reading settings"));
        QCOMPARE(m_line->writes, (Lines{kEsc, kEsc, kEsc, "EXPORT\r"}));
        Link().Poll();
        QCOMPARE(DebugText(Link()), std::string("BOGUS"));

        Polls(9);
        QCOMPARE(Link().IdlePolls(), 9);
        QCOMPARE(Link().State(), LinkState::ReadReceiving);
        QCOMPARE(Link().Outcome(), LinkOutcome::Running);
        QCOMPARE(m_line->closes, 0);
        Link().Poll();  // the 10th in a row without a byte
        QCOMPARE(Link().State(), LinkState::Complete);
        QCOMPARE(Link().Outcome(), LinkOutcome::Completed);
        QCOMPARE(StatusText(Link()), std::string("Read Complete"));
        // 2 of a full listing's 198 settings came: still complete, with the count of the rest.
        QCOMPARE(DebugText(Link()),
                 std::string("DONE : 1 ignored, 2 parsed, 1 changed \xE2\x80\x93 196 settings not received"));
        QCOMPARE(Link().SettingsMissing(), 196);
        QCOMPARE(m_line->closes, 1);
        QVERIFY(!Link().IsPortOpen());
        QCOMPARE(m_model->m_bank1.mycall, std::string("K1ABC"));
        QCOMPARE(m_model->m_bank0.mycall, std::string("NOCALL"));
        QCOMPARE(m_model->GetBank(), 0);
        QCOMPARE(m_line->writes.size(), size_t(4));
    }

    void writeConversation()
    {
        m_model->m_bank1.mycall = "K1ABC";
        Lines expected;
        CSettings copy = *m_model;
        copy.ResetWriter();
        for (std::string line = copy.NextLine(); !line.empty(); line = copy.NextLine())
            expected.push_back(line + "\r\n");
        QCOMPARE(expected.size(), size_t(kSettingsTextLines));
        QVERIFY(std::find(expected.begin(), expected.end(), "MYCALL K1ABC\r\n") != expected.end());

        ToMenu(true);  // the menu's poll already sends the first two lines
        m_line->writes.erase(m_line->writes.begin(), m_line->writes.begin() + 3);  // the ESCs
        QCOMPARE(m_line->writes, Lines(expected.begin(), expected.begin() + 2));
        QCOMPARE(StatusText(Link()), std::string("AMODE GPS"));
        m_line->Arrive(":AMODE GPS\r\nOK\r\n:ABAUD 4800\r\n");
        Polls(98);
        QCOMPARE(DebugText(Link()), std::string("OK"));
        QCOMPARE(m_line->writes.size(), size_t(198));
        Link().Poll();
        QCOMPARE(m_line->writes, expected);
        QCOMPARE(Link().State(), LinkState::WriteSending);
        QCOMPARE(Link().Outcome(), LinkOutcome::Running);
        QCOMPARE(StatusText(Link()), expected.back().substr(0, expected.back().size() - 2));
        Link().Poll();
        QCOMPARE(StatusText(Link()), std::string("Write Complete"));
        QCOMPARE(Link().State(), LinkState::Complete);
        QCOMPARE(Link().Outcome(), LinkOutcome::Completed);
        QCOMPARE(m_line->writes.size(), expected.size());
        QCOMPARE(m_line->closes, 1);
    }

    void loaderConversation()
    {
        const QString path = Firmware(5000);
        QVERIFY(Link().StartFirmware("COM3", path.toStdString()));
        QCOMPARE(Link().State(), LinkState::LoaderAwaitPrompt);
        QCOMPARE(Link().FirmwarePath(), path.toStdString());
        QVERIFY(Link().HoldsFirmware());
        m_line->Script({"x?", "??\r\nQuillwren v1.2b\r\n"});
        Link().Poll();
        QCOMPARE(StatusText(Link()), std::string("Entering Bootloader"));
        QCOMPARE(m_line->writes, Lines{"b"});
        Link().Poll();  // later '?' only join the line
        QCOMPARE(m_line->writes, (Lines{"b", "s"}));
        QCOMPARE(DebugText(Link()), std::string("Found 644 based Quillwren - Quillwren v1.2b"));
        QCOMPARE(Link().State(), LinkState::LoaderErasing);

        Polls(59);
        QCOMPARE(Link().State(), LinkState::LoaderErasing);
        Link().Poll();
        QCOMPARE(StatusText(Link()), std::string("Erase Complete"));
        QCOMPARE(Link().State(), LinkState::LoaderSending);
        QCOMPARE(Link().FirmwareSize(), 5000);
        QCOMPARE(m_line->writes.size(), size_t(2));  // nothing sent in the erase poll

        QFile f(path);
        f.open(QIODevice::ReadOnly);
        const QByteArray all = f.readAll();
        Polls(2);
        m_line->Arrive(".");
        Link().Poll();
        QCOMPARE(StatusText(Link()), std::string("Written 4096 bytes (81%)"));
        QCOMPARE(Link().BytesSent(), 5000);
        QCOMPARE(m_line->writes.size(), size_t(5));
        QCOMPARE(m_line->writes[2], all.mid(0, 2048).toStdString());
        QCOMPARE(m_line->writes[3], all.mid(2048, 2048).toStdString());
        QCOMPARE(m_line->writes[4], all.mid(4096).toStdString());
        QVERIFY(Link().HoldsFirmware());
        Link().Poll();  // end of file: closed, nothing sent, still waiting for the answer
        QVERIFY(!Link().HoldsFirmware());
        QCOMPARE(m_line->writes.size(), size_t(5));
        QCOMPARE(Link().State(), LinkState::LoaderSending);
        QCOMPARE(Link().Outcome(), LinkOutcome::Running);
        m_line->Arrive(".*.");
        Link().Poll();
        QCOMPARE(StatusText(Link()), std::string("Firmware update complete"));
        QCOMPARE(Link().State(), LinkState::Idle);
        QCOMPARE(Link().Outcome(), LinkOutcome::Completed);
        QVERIFY(Link().IsPortOpen());  // the port stays open after a firmware load

        // Its later loss closes the port quietly: the load's status and outcome stay.
        m_line->unplugged = true;
        Link().Poll();
        QCOMPARE(StatusText(Link()), std::string("Firmware update complete"));
        QCOMPARE(Link().Outcome(), LinkOutcome::Completed);
        QVERIFY(!Link().IsPortOpen());
    }

    void loaderAnswers_data()
    {
        QTest::addColumn<std::string>("answer");
        QTest::addColumn<std::string>("status");
        QTest::addColumn<LinkOutcome>("outcome");
        QTest::addColumn<std::string>("reason");
        QTest::addColumn<int>("chunks");
        QTest::addColumn<int>("portTakes");  // bytes per write the port takes; -1: all
        QTest::newRow("early end") << std::string("*") << std::string("Firmware update complete")
                                   << LinkOutcome::Completed << std::string() << 1 << -1;
        QTest::newRow("error letter") << std::string("E.") << std::string("Firmware update Error E")
                                      << LinkOutcome::Failed << std::string("0x45") << 1 << -1;
        QTest::newRow("tilde") << std::string("~") << std::string("Firmware update Error ~")
                               << LinkOutcome::Failed << std::string("0x7E") << 1 << -1;
        // Bytes that would not show are shown by their code.
        QTest::newRow("CR") << std::string("\r") << std::string("Firmware update Error 0x0D")
                            << LinkOutcome::Failed << std::string("0x0D") << 1 << -1;
        QTest::newRow("LF") << std::string("\n") << std::string("Firmware update Error 0x0A")
                            << LinkOutcome::Failed << std::string("0x0A") << 1 << -1;
        QTest::newRow("NUL") << std::string(1, '\0') << std::string("Firmware update Error 0x00")
                             << LinkOutcome::Failed << std::string("0x00") << 1 << -1;
        QTest::newRow("DEL") << std::string("\x7F") << std::string("Firmware update Error 0x7F")
                             << LinkOutcome::Failed << std::string("0x7F") << 1 << -1;
        QTest::newRow("high byte") << std::string("\xE5") << std::string("Firmware update Error 0xE5")
                                   << LinkOutcome::Failed << std::string("0xE5") << 1 << -1;
        // The port took half a chunk: the other half is dropped, not offered after the answer.
        QTest::newRow("end, chunk part-taken") << std::string("*") << std::string("Firmware update complete")
                                               << LinkOutcome::Completed << std::string() << 1 << 1024;
        QTest::newRow("error, chunk part-taken") << std::string("\x04") << std::string("Firmware update Error 0x04")
                                                 << LinkOutcome::Failed << std::string("0x04") << 1 << 1024;
    }
    void loaderAnswers()
    {
        QFETCH(std::string, answer);
        QFETCH(std::string, status);
        QFETCH(LinkOutcome, outcome);
        QFETCH(std::string, reason);
        QFETCH(int, chunks);
        QFETCH(int, portTakes);
        m_line->writeLimit = portTakes;
        ToSending(Firmware(5000));
        Link().Poll();
        m_line->Arrive(answer);
        Polls(3);
        QCOMPARE(StatusText(Link()), status);
        QCOMPARE(Link().State(), LinkState::Idle);
        QCOMPARE(Link().Outcome(), outcome);
        // The error byte is kept as it came, whatever the text makes of it.
        if (!reason.empty())
            QCOMPARE(QByteArray::number(Link().Status().done, 16).toUpper().rightJustified(2, '0').toStdString(),
                     reason.substr(2));
        QVERIFY(!Link().HoldsFirmware());
        QCOMPARE(int(m_line->writes.size()), chunks);  // the rest of the file is not sent
        if (portTakes > 0)
            QCOMPARE(int(m_line->Written().size()), portTakes);
    }

    // The largest file taken: its count of bytes times 100 is far beyond 32 bits' reach for
    // a 32-bit count of bytes written so far at the time.
    void progressOfTheLargestFile()
    {
        constexpr int kChunk = 2048;
        const QString path = m_dir.filePath("big.qwn");
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.resize(CDeviceLink::kMaxFirmwareBytes));
        }
        ToSending(path);
        while (Link().BytesSent() < 7500 * kChunk) {
            Link().Poll();
            m_line->writes.clear();
        }
        QCOMPARE(Link().FirmwareSize(), CDeviceLink::kMaxFirmwareBytes);
        QCOMPARE(Link().Progress().done, 7500 * kChunk);
        QCOMPARE(Link().Progress().total, CDeviceLink::kMaxFirmwareBytes);
        m_line->Arrive(".");
        Link().Poll();
        QCOMPARE(StatusText(Link()), std::string("Written 15360000 bytes (91%)"));
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
        Enter(LinkState::ReadReceiving);
        const Lines writes = m_line->writes;
        QVERIFY(!Link().StartFirmware("COM4", path));
        QCOMPARE(StatusText(Link()), "Couldn't open file " + path);
        // Nothing else: the read goes on with its port, and the device is asked nothing.
        QCOMPARE(Link().State(), LinkState::ReadReceiving);
        QCOMPARE(Link().Outcome(), LinkOutcome::Running);
        QCOMPARE(m_line->opens, Lines{"COM3"});
        QCOMPARE(m_line->closes, 0);
        QCOMPARE(m_line->writes, writes);
        QVERIFY(!Link().HoldsFirmware());
    }

    void refusedFirmwareFileFails()
    {
        const std::string path = m_dir.filePath("none.qwn").toStdString();
        QVERIFY(!Link().StartFirmware("COM4", path));
        QCOMPARE(Link().Outcome(), LinkOutcome::Failed);
        QCOMPARE(Link().Status().step, LinkStep::FirmwareRefused);
        QCOMPARE(Link().Status().text, path);
        QVERIFY(m_line->opens.empty());
        QCOMPARE(Link().LastOpenError().kind, PortErrorKind::None);
    }

    // What each start does with a port that opens and with one that does not.
    void starts_data()
    {
        QTest::addColumn<int>("operation");  // 0 read, 1 write, 2 firmware
        QTest::addColumn<bool>("opens");
        QTest::addColumn<LinkState>("state");
        QTest::addColumn<LinkOutcome>("outcome");
        QTest::addColumn<std::string>("status");
        const std::string opened = "Opened Com port COM7 - cycle QWN power";
        const std::string failed = "Failed to open Com port COM7";
        QTest::newRow("read") << 0 << true << LinkState::ReadAwaitBanner << LinkOutcome::Running << opened;
        QTest::newRow("write") << 1 << true << LinkState::WriteAwaitBanner << LinkOutcome::Running << opened;
        QTest::newRow("firmware") << 2 << true << LinkState::LoaderAwaitPrompt << LinkOutcome::Running << opened;
        QTest::newRow("read, port missing") << 0 << false << LinkState::Idle << LinkOutcome::Failed << failed;
        QTest::newRow("write, port missing") << 1 << false << LinkState::Idle << LinkOutcome::Failed << failed;
        QTest::newRow("firmware, port missing") << 2 << false << LinkState::Idle << LinkOutcome::Failed << failed;
    }
    void starts()
    {
        QFETCH(int, operation);
        QFETCH(bool, opens);
        QFETCH(LinkState, state);
        QFETCH(LinkOutcome, outcome);
        QFETCH(std::string, status);
        QCOMPARE(Link().Outcome(), LinkOutcome::None);
        m_line->openFails = !opens;
        const std::string firmware = Firmware(100).toStdString();
        const bool started = operation == 0   ? Link().StartRead("COM7")
                             : operation == 1 ? Link().StartWrite("COM7")
                                              : Link().StartFirmware("COM7", firmware);
        QCOMPARE(started, opens);
        QCOMPARE(Link().State(), state);
        QCOMPARE(Link().IsRunning(), opens);
        QCOMPARE(Link().Outcome(), outcome);
        QCOMPARE(StatusText(Link()), status);
        QCOMPARE(Link().IsPortOpen(), opens);
        QCOMPARE(Link().HoldsFirmware(), opens && operation == 2);
        QCOMPARE(Link().LastOpenError().kind, opens ? PortErrorKind::None : PortErrorKind::NotFound);
        QCOMPARE(Link().Status().port, std::string("COM7"));
        QCOMPARE(m_line->opens, Lines{"COM7"});
        QVERIFY(m_line->writes.empty());  // nothing goes out before the device speaks
    }

    // A port that cannot tell why it did not open still leaves a reason to explain.
    void openFailureAlwaysHasAKind()
    {
        m_line->openFails = true;
        m_line->openError = PortError();
        QVERIFY(!Link().OpenPort("COM2"));
        QCOMPARE(Link().LastOpenError().kind, PortErrorKind::Other);
        m_line->openFails = false;
        QVERIFY(Link().OpenPort("COM2"));
        QCOMPARE(Link().LastOpenError().kind, PortErrorKind::None);
    }

    void writePortCount_data()
    {
        QTest::addColumn<bool>("open");
        QTest::addColumn<int>("limit");
        QTest::addColumn<bool>("unplugged");
        QTest::addColumn<int>("count");
        QTest::newRow("all taken") << true << -1 << false << 7;
        QTest::newRow("part taken") << true << 3 << false << 3;
        QTest::newRow("none taken") << true << 0 << false << 0;
        QTest::newRow("no port") << false << -1 << false << 0;
        QTest::newRow("device gone") << true << -1 << true << 0;
    }
    void writePortCount()
    {
        QFETCH(bool, open);
        QFETCH(int, limit);
        QFETCH(bool, unplugged);
        QFETCH(int, count);
        if (open)
            QVERIFY(Link().OpenPort("COM3"));
        m_line->writeLimit = limit;
        m_line->unplugged = unplugged;
        QCOMPARE(Link().WritePort("EXPORT\r", 7), count);
        QCOMPARE(m_line->Written(), std::string("EXPORT\r").substr(0, size_t(count)));
        QCOMPARE(Link().IsPortOpen(), open && !unplugged);
    }

    void runningOperations_data()
    {
        QTest::addColumn<LinkState>("running");
        QTest::newRow("read waiting") << LinkState::ReadAwaitBanner;
        QTest::newRow("read receiving") << LinkState::ReadReceiving;
        QTest::newRow("write sending") << LinkState::WriteSending;
        QTest::newRow("loader erasing") << LinkState::LoaderErasing;
        QTest::newRow("loader sending") << LinkState::LoaderSending;
    }

    void restartDuringOperation_data() { runningOperations_data(); }
    void restartDuringOperation()
    {
        QFETCH(LinkState, running);
        Enter(running);
        const size_t written = m_line->writes.size();
        QVERIFY(Link().StartRead("COM5"));
        QCOMPARE(Link().State(), LinkState::ReadAwaitBanner);
        QCOMPARE(StatusText(Link()), std::string("Opened Com port COM5 - cycle QWN power"));
        QCOMPARE(Link().PortName(), std::string("COM5"));
        QCOMPARE(m_line->closes, 1);
        QCOMPARE(m_line->opens.back(), std::string("COM5"));
        QVERIFY(!Link().HoldsFirmware());
        Polls(70);
        QCOMPARE(Link().State(), LinkState::ReadAwaitBanner);
        QCOMPARE(m_line->writes.size(), written);  // the old operation sends nothing more
    }

    void failedStartEndsOperation_data() { runningOperations_data(); }
    void failedStartEndsOperation()
    {
        QFETCH(LinkState, running);
        Enter(running);
        m_line->openFails = true;
        QVERIFY(!Link().StartWrite("COM9"));
        QCOMPARE(Link().State(), LinkState::Idle);
        QCOMPARE(Link().Outcome(), LinkOutcome::Failed);
        QCOMPARE(StatusText(Link()), std::string("Failed to open Com port COM9"));
        QCOMPARE(Link().LastOpenError().kind, PortErrorKind::NotFound);
        QVERIFY(!Link().IsPortOpen());
        QVERIFY(!Link().HoldsFirmware());
        Polls(70);
        // No completion may be claimed for the operation that was cut off.
        QCOMPARE(StatusText(Link()), std::string("Failed to open Com port COM9"));
        QCOMPARE(Link().Outcome(), LinkOutcome::Failed);
    }

    void lostConnection_data() { runningOperations_data(); }
    void lostConnection()
    {
        QFETCH(LinkState, running);
        Enter(running);
        m_line->unplugged = true;
        Polls(2);
        QCOMPARE(StatusText(Link()), std::string("Lost connection on Com port COM3"));
        QCOMPARE(Link().State(), LinkState::Idle);
        QCOMPARE(Link().Outcome(), LinkOutcome::ConnectionLost);
        QCOMPARE(Link().Status().port, std::string("COM3"));
        QVERIFY(!Link().IsPortOpen());
        QVERIFY(!Link().HoldsFirmware());
        Polls(70);
        QCOMPARE(StatusText(Link()), std::string("Lost connection on Com port COM3"));
        QCOMPARE(Link().Outcome(), LinkOutcome::ConnectionLost);
    }

    // A read that never ends its parse must not keep the pages' bank: the parse's "BANK 1"
    // moved only its own cursor.
    void cutOffReadLeavesTheBankAlone()
    {
        Enter(LinkState::ReadReceiving);
        m_line->Arrive("BANK 1\r\nMYCALL K1ABC\r\n");
        Link().Poll();
        Link().StartRead("COM4");
        QCOMPARE(m_model->GetBank(), 0);
        QCOMPARE(m_model->m_bank1.mycall, std::string("K1ABC"));
    }

    void unfinishedLineLeadsTheNextOperation()
    {
        Enter(LinkState::ReadAwaitBanner);
        m_line->Arrive("Press ESC 3");
        Link().Poll();
        Link().StartWrite("COM3");
        m_line->Arrive(" times to enter\r\n");
        Link().Poll();
        QCOMPARE(Link().State(), LinkState::WriteAwaitMenu);
    }

    // Two links on one line, driven in turn: each counts its own silence and reads into its
    // own model.
    void twoLinksReadIntoTheirOwnModels()
    {
        CSettings modelA, modelB;
        CDeviceLink a(modelA, FakePorts(m_line)), b(modelB, FakePorts(m_line));
        for (CDeviceLink *link : {&a, &b}) {
            QVERIFY(link->StartRead("COM3"));
            m_line->Arrive(kBanner);
            link->Poll();
            m_line->Arrive(kMenu);
            link->Poll();
            QCOMPARE(link->State(), LinkState::ReadReceiving);
        }
        m_line->Arrive("MYCALL K1AAA\r\nBOGUS\r\n");
        a.Poll();
        m_line->Arrive("BANK 1\r\nMYCALL K1BBB\r\nTXD 45\r\n");
        b.Poll();

        ::Polls(a, 9);
        ::Polls(b, 9);
        QCOMPARE(a.IdlePolls(), 9);
        QCOMPARE(b.IdlePolls(), 9);
        QCOMPARE(a.State(), LinkState::ReadReceiving);
        QCOMPARE(b.State(), LinkState::ReadReceiving);
        a.Poll();
        QCOMPARE(a.Outcome(), LinkOutcome::Completed);
        QCOMPARE(b.State(), LinkState::ReadReceiving);
        b.Poll();
        QCOMPARE(b.Outcome(), LinkOutcome::Completed);

        QCOMPARE(DebugText(a), std::string("DONE : 1 ignored, 1 parsed, 1 changed \xE2\x80\x93 197 settings not received"));
        QCOMPARE(DebugText(b), std::string("DONE : 0 ignored, 2 parsed, 2 changed \xE2\x80\x93 196 settings not received"));
        QCOMPARE(modelA.m_bank0.mycall, std::string("K1AAA"));
        QCOMPARE(modelA.m_bank1.mycall, std::string("NOCALL"));
        QCOMPARE(modelB.m_bank0.mycall, std::string("NOCALL"));
        QCOMPARE(modelB.m_bank1.mycall, std::string("K1BBB"));
        QCOMPARE(modelB.m_bank1.txd, 45);
    }

    void partLinesStayWithTheirLink()
    {
        CSettings modelB;
        CDeviceLink b(modelB, FakePorts(m_line));
        QVERIFY(Link().StartRead("COM3"));
        QVERIFY(b.StartRead("COM4"));
        m_line->Arrive("Press ESC 3");
        Link().Poll();
        m_line->Arrive(" times to enter\r\n");
        b.Poll();
        QCOMPARE(b.State(), LinkState::ReadAwaitBanner);
        QVERIFY(m_line->writes.empty());
        m_line->Arrive(" times to enter\r\n");
        Link().Poll();
        QCOMPARE(Link().State(), LinkState::ReadAwaitMenu);
        QCOMPARE(m_line->writes, (Lines{kEsc, kEsc, kEsc}));
    }

    // ---- The poll takes what has arrived and never waits for the line.

    // A poll handles every byte that came since the one before, and only those: bytes that
    // come later wait for a later poll.
    void pollTakesWhatArrivedAndNoMore()
    {
        ToMenu(false);
        std::string listing = "BANK 0\r\n";
        for (int i = 0; i < 60; ++i)
            listing += "TXD " + std::to_string(i) + "\r\n";
        m_line->Script({listing, "BANK 1\r\nMYCALL K1ABC\r\n"});
        Link().Poll();
        QCOMPARE(Link().Progress().done, 61);
        QCOMPARE(Link().Progress().total, 200);
        QCOMPARE(Link().IdlePolls(), 0);
        QCOMPARE(m_line->incoming.size(), size_t(1));  // the next poll's bytes are still to come
        Link().Poll();
        QCOMPARE(Link().Progress().done, 63);
        QCOMPARE(m_model->m_bank1.mycall, std::string("K1ABC"));
    }

    // Silent polls count the same in every state: one per poll, back to 0 on a byte.
    void idlePollsCountInEveryState_data()
    {
        QTest::addColumn<LinkState>("state");
        for (LinkState state : {LinkState::ReadAwaitBanner, LinkState::ReadAwaitMenu, LinkState::ReadReceiving, LinkState::WriteAwaitBanner,
                                LinkState::WriteAwaitMenu, LinkState::LoaderAwaitPrompt,
                                LinkState::LoaderAwaitBanner, LinkState::LoaderErasing})
            QTest::newRow(QByteArray::number(int(state)).constData()) << state;
    }
    void idlePollsCountInEveryState()
    {
        QFETCH(LinkState, state);
        Enter(state);
        for (int i = 1; i <= 5; ++i) {
            Link().Poll();
            QCOMPARE(Link().IdlePolls(), i);
        }
        QCOMPARE(Link().State(), state);
        m_line->Arrive("x");
        Link().Poll();
        QCOMPARE(Link().IdlePolls(), 0);
    }

    // One chunk in flight: the next waits until the one before has left the computer, and
    // the count of bytes written is of bytes that have left.
    void nextChunkWaitsForThePreviousToLeave()
    {
        const QString path = Firmware(5000);
        m_line->holdOutput = true;
        QVERIFY(Link().StartFirmware("COM3", path.toStdString()));
        m_line->Script({"?"});
        Link().Poll();
        m_line->Drain();
        m_line->Script({"Quillwren\r\n"});
        Link().Poll();
        m_line->Drain();
        Polls(60);
        QCOMPARE(Link().State(), LinkState::LoaderSending);
        m_line->writes.clear();
        Link().Poll();
        QCOMPARE(m_line->writes.size(), size_t(1));
        QCOMPARE(Link().BytesSent(), 0);
        Polls(5);
        QCOMPARE(m_line->writes.size(), size_t(1));
        m_line->Drain(1500);
        QCOMPARE(Link().BytesSent(), 1500);
        QCOMPARE(Link().Progress().done, 1500);
        QCOMPARE(Link().Progress().total, 5000);
        m_line->Arrive(".");
        Link().Poll();
        QCOMPARE(StatusText(Link()), std::string("Written 1500 bytes (30%)"));
        QCOMPARE(m_line->writes.size(), size_t(1));
        m_line->Drain();
        Link().Poll();
        QCOMPARE(m_line->writes.size(), size_t(2));
        QCOMPARE(m_line->writes[1].size(), size_t(2048));
    }

    // A port that takes part of what it is given gets the rest on later polls, in order.
    void partialWritesAreFinishedInOrder()
    {
        m_model->m_bank0.mycall = "K1PARTIAL";
        m_line->writeLimit = 16;
        ToMenu(true);
        Polls(150);
        QCOMPARE(StatusText(Link()), std::string("Write Complete"));
        QCOMPARE(Link().Outcome(), LinkOutcome::Completed);
        QCOMPARE(m_line->Written(), std::string(3, '\x1b') + m_model->SettingsText());
    }

    // "Write Complete" only once the last line has left the computer.
    void writeCompletesWhenTheQueueHasDrained()
    {
        m_line->holdOutput = true;
        QVERIFY(Link().StartWrite("COM3"));
        m_line->Script({kBanner, kMenu});
        Polls(2);
        // Each poll's lines leave before the next, but the last two stay queued.
        for (int i = 0; i < 200 && m_line->writes.size() < 3 + 200; ++i) {
            m_line->Drain();
            Link().Poll();
        }
        QCOMPARE(m_line->writes.size(), size_t(3 + 200));
        QVERIFY(Link().PendingOutput() > 0);
        QCOMPARE(Link().State(), LinkState::WriteSending);
        QCOMPARE(Link().Progress().done, 200);
        Polls(3);
        QCOMPARE(Link().State(), LinkState::WriteSending);
        m_line->Drain();
        Link().Poll();
        QCOMPARE(StatusText(Link()), std::string("Write Complete"));
        QCOMPARE(Link().Outcome(), LinkOutcome::Completed);
    }

    void readCompletesOnceItsRequestHasLeft()
    {
        m_line->holdOutput = true;
        QVERIFY(Link().StartRead("COM3"));
        m_line->Script({kBanner});
        Link().Poll();
        m_line->Drain();
        m_line->Script({kMenu});
        Link().Poll();
        QCOMPARE(Link().PendingOutput(), 7);
        Polls(9);
        QCOMPARE(Link().State(), LinkState::ReadReceiving);
        m_line->Drain();
        Link().Poll();
        QCOMPARE(StatusText(Link()), std::string("Read Complete"));
    }

    // Bytes the port will not take, or that stay queued far beyond their time on the line,
    // fail the operation: 1 s plus twice their time at 1920 bytes a second.
    void stuckOutputFails_data()
    {
        QTest::addColumn<LinkState>("state");
        QTest::addColumn<bool>("takesNothing");
        QTest::addColumn<int>("polls");
        // Polls after the one that queued the bytes: ESC 1 s in all; a chunk of 2048 bytes
        // (1067 ms on the line) 1 s + 2 x 1066 ms.
        QTest::newRow("ESC not taken") << LinkState::ReadAwaitMenu << true << 10;
        QTest::newRow("ESC not leaving") << LinkState::WriteAwaitMenu << false << 10;
        QTest::newRow("firmware chunk not leaving") << LinkState::LoaderSending << false << 33;
    }
    void stuckOutputFails()
    {
        QFETCH(LinkState, state);
        QFETCH(bool, takesNothing);
        QFETCH(int, polls);
        m_line->writeLimit = takesNothing ? 0 : -1;
        m_line->holdOutput = !takesNothing;
        if (state == LinkState::LoaderSending) {
            m_line->holdOutput = false;
            ToSending(Firmware(5000));
            m_line->holdOutput = true;
        } else {
            Enter(state);
        }
        Polls(polls - 1);
        QCOMPARE(Link().State(), state);
        Link().Poll();
        QCOMPARE(StatusText(Link()), std::string("Couldn't write to Com port COM3"));
        QCOMPARE(Link().State(), LinkState::Idle);
        QCOMPARE(Link().Outcome(), LinkOutcome::Failed);
        QVERIFY(!Link().IsPortOpen());
        QVERIFY(!Link().HoldsFirmware());
        Polls(20);
        QCOMPARE(StatusText(Link()), std::string("Couldn't write to Com port COM3"));
    }

    // ---- Whatever the device sends.

    void overlongLineIsHandledAsItStands()
    {
        ToMenu(false);
        m_line->Arrive(std::string(5000, 'A') + "\r\nTXD 40\r\n");
        Link().Poll();
        // 4096 bytes, then the 904 after them with their line end: two ignored lines.
        QCOMPARE(m_model->EndParse(), std::string("DONE : 2 ignored, 1 parsed, 1 changed"));
        QCOMPARE(m_model->m_bank0.txd, 40);
    }

    // A device that never pauses and never ends a line: every poll returns with a bounded
    // part of it, and the line stays bounded.
    void talkingDeviceCannotHoldAPoll()
    {
        Enter(LinkState::ReadAwaitBanner);
        const size_t flood = 1 << 20;
        m_line->Arrive(std::string(flood, 'Z'));
        Link().Poll();
        const size_t taken = flood - m_line->incoming.front().size();
        QVERIFY2(taken > 0 && taken <= 64 * 1024, QByteArray::number(qulonglong(taken)));
        QVERIFY(DebugText(Link()).size() <= CDeviceLink::kMaxLineBytes);
        while (!m_line->incoming.empty() && !m_line->incoming.front().empty())
            Link().Poll();
        QCOMPARE(Link().State(), LinkState::ReadAwaitBanner);
    }

    void lineFeedOnlyListing()
    {
        ToMenu(false);
        m_line->Arrive("BANK 0\nMYCALL K1AAA\nBANK 1\nMYCALL K1BBB\n");
        Polls(11);
        QCOMPARE(StatusText(Link()), std::string("Read Complete"));
        QCOMPARE(m_model->m_bank0.mycall, std::string("K1AAA"));
        QCOMPARE(m_model->m_bank1.mycall, std::string("K1BBB"));
    }

    // A line handed over with more after its first line end is taken up to that end.
    void lineEndsAtItsFirstLineEnd()
    {
        Enter(LinkState::ReadReceiving);
        Link().HandleLine("BANK 1\nMYCALL K1XYZ\r\n");
        Link().HandleLine("MYCALL K1ABC\rBANK 0\r");
        QCOMPARE(m_model->m_bank1.mycall, std::string("K1ABC"));
        QCOMPARE(m_model->m_bank0.mycall, std::string("NOCALL"));
        QCOMPARE(DebugText(Link()), std::string("MYCALL K1ABC"));
    }

    void fullListingHasNothingMissing()
    {
        CSettings device;
        device.m_bank1.mycall = "K1FULL";
        ToMenu(false);
        m_line->Arrive(device.SettingsText());
        Polls(11);
        QCOMPARE(StatusText(Link()), std::string("Read Complete"));
        QCOMPARE(DebugText(Link()), std::string("DONE : 0 ignored, 198 parsed, 1 changed"));
        QCOMPARE(Link().SettingsMissing(), 0);
        QCOMPARE(m_model->SettingsText(), device.SettingsText());
    }

    // Bytes that arrive while a poll answers the device wait for the next poll, so each step
    // and its status last at least one poll however fast the device answers.
    void fastAnswerWaitsForTheNextPoll()
    {
        QVERIFY(Link().StartWrite("COM3"));
        int escapes = 0;
        m_line->answer = [&](const std::string &bytes) {
            if (bytes == "\x1b" && ++escapes == 3)
                m_line->Arrive("== Options Menu ==\r\n");
        };
        m_line->Arrive("Press ESC 3 times to enter\r\n");
        Link().Poll();
        QCOMPARE(StatusText(Link()), std::string("Found Quillwren Rezar - Entering Command Menu"));
        QCOMPARE(Link().State(), LinkState::WriteAwaitMenu);
        QCOMPARE(m_line->Written(), kEsc + kEsc + kEsc);
        Link().Poll();
        QCOMPARE(Link().State(), LinkState::WriteSending);
        QCOMPARE(m_line->writes.size(), size_t(5));  // the menu's answer: the first two lines
    }

    // The device's last word before it went is heard before the loss: a load it completed
    // stays complete.
    void lastWordBeforeTheLossCounts()
    {
        ToSending(Firmware(100));
        Link().Poll();
        m_line->Arrive(".*");
        m_line->hangUpWhenSaid = true;
        Link().Poll();
        QCOMPARE(StatusText(Link()), std::string("Firmware update complete"));
        QCOMPARE(Link().Outcome(), LinkOutcome::Completed);
        QVERIFY(!Link().IsPortOpen());
    }

    void lostPortAfterTheEndIsQuiet()
    {
        ToSending(Firmware(5000));
        m_line->Arrive("E");
        Link().Poll();
        QCOMPARE(StatusText(Link()), std::string("Firmware update Error E"));
        QVERIFY(Link().IsPortOpen());
        m_line->unplugged = true;
        Polls(2);
        QCOMPARE(StatusText(Link()), std::string("Firmware update Error E"));
        QCOMPARE(Link().Outcome(), LinkOutcome::Failed);
        QVERIFY(!Link().IsPortOpen());
    }

    // ---- The firmware file.

    // Intel HEX that checks out, and a file that is not HEX, go to the device byte for byte.
    void firmwareSentUnchanged_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("hex") << QByteArray("\r\n:0400000001020304F2\r\n:0100000005FA\r\n:00000001FF\r\n");
        QTest::newRow("binary") << QByteArray("\x0c\x94\x00\x01:not hex\r\n", 15);
    }
    void firmwareSentUnchanged()
    {
        QFETCH(QByteArray, content);
        const QString path = m_dir.filePath("good.fw");
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        ToSending(path);
        Link().Poll();
        QCOMPARE(m_line->Written(), content.toStdString());
    }

    // What was checked is what is sent: a file cut or changed once the load started changes
    // nothing on the line.
    void firmwareSentAsChecked()
    {
        const QString path = Firmware(64 * 1024);
        QFile original(path);
        QVERIFY(original.open(QIODevice::ReadOnly));
        const QByteArray bytes = original.readAll();
        ToSending(path);
        Link().Poll();
        QVERIFY(QFile::resize(path, 1000));
        for (int i = 0; i < 200 && Link().HoldsFirmware(); ++i)
            Link().Poll();
        QCOMPARE(QByteArray::fromStdString(m_line->Written()), bytes);
    }

    // ---- What the user is told.

    void hintAfterFifteenSilentSeconds_data()
    {
        QTest::addColumn<LinkState>("state");
        for (LinkState state : {LinkState::ReadAwaitBanner, LinkState::ReadAwaitMenu, LinkState::WriteAwaitBanner,
                                LinkState::WriteAwaitMenu, LinkState::LoaderAwaitPrompt, LinkState::LoaderAwaitBanner})
            QTest::newRow(QByteArray::number(int(state)).constData()) << state;
    }
    void hintAfterFifteenSilentSeconds()
    {
        QFETCH(LinkState, state);
        Enter(state);
        Link().Poll();
        const std::string status = StatusText(Link());
        const std::string debug = DebugText(Link());
        Polls(148);
        QCOMPARE(DebugText(Link()), debug);
        Link().Poll();
        QCOMPARE(DebugText(Link()),
                 std::string("Nothing heard from the device yet: check the port and the cable, then switch the device off and on"));
        QCOMPARE(StatusText(Link()), status);
        QCOMPARE(Link().State(), state);
    }

    void noHintWhileTheDeviceWorks()
    {
        Enter(LinkState::LoaderErasing);
        const std::string debug = DebugText(Link());
        Polls(59);
        Enter(LinkState::ReadReceiving);
        m_line->Arrive("TXD 20\r\n");
        Polls(9);
        QCOMPARE(DebugText(Link()), std::string("TXD 20"));
        QVERIFY(debug.find("Nothing heard") == std::string::npos);
    }

    void everyStartClearsTheDebugLine()
    {
        Enter(LinkState::Complete);
        QVERIFY(!DebugText(Link()).empty());
        QVERIFY(Link().StartWrite("COM3"));
        QCOMPARE(DebugText(Link()), std::string());
        Link().HandleLine("OK\r");
        QVERIFY(!DebugText(Link()).empty());
        QVERIFY(Link().StartFirmware("COM3", Firmware(10).toStdString()));
        QCOMPARE(DebugText(Link()), std::string());
    }

    void openFailureSaysWhy_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<std::string>("path");
        QTest::addColumn<std::string>("text");
        QTest::addColumn<std::string>("debug");
        QTest::newRow("missing device") << int(PortErrorKind::NotFound) << std::string("/dev/ttyNONE")
                                        << std::string("No such file") << std::string("COM7 (/dev/ttyNONE): no such port");
        QTest::newRow("busy") << int(PortErrorKind::Busy) << std::string("/dev/ttyUSB0")
                              << std::string("its lock file is taken")
                              << std::string("COM7 (/dev/ttyUSB0): busy: another program holds the port (its lock file is taken)");
        QTest::newRow("other") << int(PortErrorKind::Other) << std::string() << std::string("I/O error")
                               << std::string("COM7: I/O error");
        QTest::newRow("other, no words") << int(PortErrorKind::Other) << std::string() << std::string()
                                         << std::string("COM7: cannot open");
    }
    void openFailureSaysWhy()
    {
        QFETCH(int, kind);
        QFETCH(std::string, path);
        QFETCH(std::string, text);
        QFETCH(std::string, debug);
        m_line->openFails = true;
        m_line->openError = {PortErrorKind(kind), path, text};
        QVERIFY(!Link().StartRead("COM7"));
        QCOMPARE(StatusText(Link()), std::string("Failed to open Com port COM7"));
        QCOMPARE(DebugText(Link()), debug);
    }

    void openFailureWordsForUnknownPortsAndPermission()
    {
        const std::string count = std::to_string(ListSerialPorts().size());
        QCOMPARE(DescribeOpenFailure("COM250", {PortErrorKind::NotFound, "", "no such port"}),
                 "COM250: no such port; " + count + " serial ports present");
        // The group that owns the device, as the system tells it.
        const std::string device = m_dir.path().toStdString();
        const std::string group = QFileInfo(m_dir.path()).group().toStdString();
        QVERIFY(!group.empty());
        QCOMPARE(DescribeOpenFailure(device, {PortErrorKind::Permission, device, "Permission denied"}),
                 device + ": Permission denied; you may need to be in the group '" + group
                     + "' that owns the port (then log in again)");
    }

    // ---- Write with read-back.

    void writeWithReadBack()
    {
        m_model->m_bank0.mycall = "K1WRITE";
        CSettings readBack;
        const std::string windowText = m_model->SettingsText();
        QVERIFY(Link().StartWrite("COM3", &readBack));
        m_line->Script({kBanner, kMenu});
        Polls(2 + 100);
        // The write's bytes, then the request for the listing in the same session.
        QCOMPARE(m_line->Written(), std::string(3, '\x1b') + windowText + "EXPORT\r");
        QCOMPARE(StatusText(Link()), std::string("Reading back settings"));
        QCOMPARE(Link().State(), LinkState::ReadReceiving);
        QCOMPARE(m_line->writes.back(), std::string("EXPORT\r"));
        // The device kept another call.
        CSettings device = *m_model;
        device.m_bank0.mycall = "K1KEPT";
        m_line->Arrive(":EXPORT\r\n" + device.SettingsText());
        Link().Poll();
        QCOMPARE(Link().Progress().done, 200);
        Polls(9);
        QCOMPARE(Link().Outcome(), LinkOutcome::Running);
        Link().Poll();
        QCOMPARE(StatusText(Link()), std::string("Write Complete"));
        QCOMPARE(Link().Outcome(), LinkOutcome::Completed);
        QCOMPARE(Link().SettingsMissing(), 0);
        QCOMPARE(readBack.m_bank0.mycall, std::string("K1KEPT"));
        QCOMPARE(m_model->SettingsText(), windowText);  // the written model is left alone
        QVERIFY(!Link().IsPortOpen());
    }
};

QTEST_GUILESS_MAIN(TestDeviceLink)
#include "tst_devicelink.moc"
