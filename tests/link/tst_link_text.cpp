// Every status and debug text the front ends show, made from the link's values: the English
// texts byte for byte.

#include "LinkText.h"

#include <QtTest>

Q_DECLARE_METATYPE(LinkStatus)
Q_DECLARE_METATYPE(LinkNote)

namespace {

LinkStatus Step(LinkStep step, std::string port = "COM3", int64_t done = 0, int64_t total = 0)
{
    LinkStatus status;
    status.step = step;
    status.port = std::move(port);
    status.done = done;
    status.total = total;
    return status;
}

LinkStatus Refused(FirmwareRefusal refusal)
{
    FirmwareImage image;
    image.refusal = refusal;
    return FirmwareRefusedStatus("/tmp/fw.qwn", image);
}

LinkNote Note(LinkNoteKind kind, std::string text = std::string(), int64_t number = 0)
{
    LinkNote note;
    note.kind = kind;
    note.text = std::move(text);
    note.number = number;
    return note;
}

LinkNote RefusedNote(FirmwareRefusal refusal, std::string detail, int32_t line = 0, int64_t size = 0)
{
    FirmwareImage image;
    image.refusal = refusal;
    image.detail = std::move(detail);
    image.line = line;
    image.size = size;
    return FirmwareRefusedNote(image);
}

} // namespace

class TestLinkText : public QObject {
    Q_OBJECT

private slots:
    void status_data()
    {
        QTest::addColumn<LinkStatus>("status");
        QTest::addColumn<QString>("text");
        using S = LinkStep;
        QTest::newRow("ready") << LinkStatus() << "Select COM port and click Read or Write";
        QTest::newRow("opened") << Step(S::PortOpened, "/dev/ttyUSB0") << "Opened Com port /dev/ttyUSB0 - cycle QWN power";
        QTest::newRow("found") << Step(S::FoundDevice) << "Found Quillwren Rezar - Entering Command Menu";
        QTest::newRow("menu") << Step(S::EnteredMenu) << "Entered Command Menu - Reading settings";
        LinkStatus sending = Step(S::SendingLine);
        sending.text = "MYCALL K1ABC";
        QTest::newRow("line sent") << sending << "MYCALL K1ABC";
        QTest::newRow("reading back") << Step(S::ReadingBack) << "Reading back settings";
        QTest::newRow("read complete") << Step(S::ReadComplete) << "Read Complete";
        QTest::newRow("write complete") << Step(S::WriteComplete) << "Write Complete";
        QTest::newRow("bootloader") << Step(S::EnteringBootloader) << "Entering Bootloader";
        QTest::newRow("erasing") << Step(S::ErasingCode) << "Erasing Code";
        QTest::newRow("erased") << Step(S::EraseComplete) << "Erase Complete";
        QTest::newRow("written") << Step(S::FirmwareWritten, "COM3", 4096, 5000) << "Written 4096 bytes (81%)";
        // 64-bit arithmetic: the largest file's count times 100 is beyond 32 bits.
        QTest::newRow("written, 16 MiB") << Step(S::FirmwareWritten, "COM3", 15360000, 16777216)
                                         << "Written 15360000 bytes (91%)";
        QTest::newRow("firmware complete") << Step(S::FirmwareComplete) << "Firmware update complete";
        QTest::newRow("error letter") << Step(S::FirmwareError, "COM3", 'E') << "Firmware update Error E";
        QTest::newRow("error tilde") << Step(S::FirmwareError, "COM3", '~') << "Firmware update Error ~";
        QTest::newRow("error CR") << Step(S::FirmwareError, "COM3", '\r') << "Firmware update Error 0x0D";
        QTest::newRow("error DEL") << Step(S::FirmwareError, "COM3", 0x7F) << "Firmware update Error 0x7F";
        QTest::newRow("error high") << Step(S::FirmwareError, "COM3", 0xE5) << "Firmware update Error 0xE5";
        QTest::newRow("not opened") << Step(S::PortNotOpened, "COM9") << "Failed to open Com port COM9";
        QTest::newRow("lost") << Step(S::ConnectionLost) << "Lost connection on Com port COM3";
        QTest::newRow("stuck") << Step(S::OutputStuck, "COM3", 77) << "Couldn't write to Com port COM3";
        QTest::newRow("firmware cannot open") << Refused(FirmwareRefusal::CannotOpen) << "Couldn't open file /tmp/fw.qwn";
        QTest::newRow("firmware empty") << Refused(FirmwareRefusal::Empty) << "Couldn't open file /tmp/fw.qwn";
        QTest::newRow("firmware too large") << Refused(FirmwareRefusal::TooLarge) << "Couldn't open file /tmp/fw.qwn";
        QTest::newRow("firmware cannot read") << Refused(FirmwareRefusal::CannotRead) << "Couldn't read file /tmp/fw.qwn";
        QTest::newRow("firmware not valid") << Refused(FirmwareRefusal::NotValid)
                                            << "Not a valid firmware file /tmp/fw.qwn";
    }
    void status()
    {
        QFETCH(LinkStatus, status);
        QFETCH(QString, text);
        QCOMPARE(LinkText::Status(status), text);
        QCOMPARE(LinkText::StatusBytes(status), text.toStdString());
    }

    void note_data()
    {
        QTest::addColumn<LinkNote>("note");
        QTest::addColumn<QString>("text");
        using N = LinkNoteKind;
        using R = FirmwareRefusal;
        QTest::newRow("none") << LinkNote() << "";
        QTest::newRow("device line") << Note(N::DeviceLine, "== Options Menu ==") << "== Options Menu ==";
        QTest::newRow("644") << Note(N::LoaderFound, "Quillwren v1.2b", 644) << "Found 644 based Quillwren - Quillwren v1.2b";
        QTest::newRow("1284") << Note(N::LoaderFound, "BL Quillwren v1.2c", 1284)
                              << "Found 1284 based Quillwren - BL Quillwren v1.2c";
        QTest::newRow("full listing") << Note(N::ListingDone, "DONE : 0 ignored, 198 parsed, 1 changed")
                                      << "DONE : 0 ignored, 198 parsed, 1 changed";
        QTest::newRow("short listing") << Note(N::ListingDone, "DONE : 1 ignored, 2 parsed, 1 changed", 196)
                                       << "DONE : 1 ignored, 2 parsed, 1 changed \u2013 196 settings not received";
        QTest::newRow("no answer")
            << Note(N::NoAnswer)
            << "Nothing heard from the device yet: check the port and the cable, then switch the device off and on";
        LinkNote busy = Note(N::PortNotOpened, "COM7");
        busy.portError = {PortErrorKind::Busy, "/dev/ttyUSB0", "its lock file is taken"};
        QTest::newRow("port busy") << busy << "COM7 (/dev/ttyUSB0): busy: another program holds the port (its lock file is taken)";
        QTest::newRow("firmware missing") << RefusedNote(R::CannotOpen, "No such file or directory")
                                          << "No such file or directory";
        QTest::newRow("firmware folder") << RefusedNote(R::CannotOpen, "is a folder, not a file") << "is a folder, not a file";
        QTest::newRow("firmware empty") << RefusedNote(R::Empty, "") << "the file is empty";
        QTest::newRow("firmware too large") << RefusedNote(R::TooLarge, "", 0, 16777217)
                                            << "the file is larger than 16 MiB (16777217 bytes)";
        QTest::newRow("firmware unreadable") << RefusedNote(R::CannotRead, "Input/output error") << "Input/output error";
        QTest::newRow("hex problem") << RefusedNote(R::NotValid, "checksum is 0xFA, the record says 0xFC", 2)
                                     << "line 2: checksum is 0xFA, the record says 0xFC";
        QTest::newRow("hex without end") << RefusedNote(R::NotValid, "no end-of-file record") << "no end-of-file record";
    }
    void note()
    {
        QFETCH(LinkNote, note);
        QFETCH(QString, text);
        QCOMPARE(LinkText::Note(note), text);
    }

    // Bytes from the device, and settings lines, reach a terminal exactly as they came.
    void bytesStayBytes()
    {
        const std::string bytes("TXD \xFF\x01 x", 8);
        LinkStatus sending;
        sending.step = LinkStep::SendingLine;
        sending.text = bytes;
        QCOMPARE(LinkText::StatusBytes(sending), bytes);
        QCOMPARE(LinkText::NoteBytes(Note(LinkNoteKind::DeviceLine, bytes)), bytes);
    }
};

QTEST_GUILESS_MAIN(TestLinkText)
#include "tst_link_text.moc"
