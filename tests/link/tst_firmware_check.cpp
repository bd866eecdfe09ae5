// The firmware file check: Intel HEX text checked whole, with the first problem and its line;
// anything else passes unchecked. And the loader around it: what it refuses, and why.

#include "FirmwareCheck.h"
#include "FirmwareFile.h"

#include <QtTest>

#include <sys/stat.h>

Q_DECLARE_METATYPE(std::string)
Q_DECLARE_METATYPE(FirmwareRefusal)

namespace {

// Two data records and the end-of-file record, each line ended by CR LF.
const std::string kData1 = ":0400000001020304F2";
const std::string kData2 = ":0100040005F6";
const std::string kEnd = ":00000001FF";

std::string Lines(std::initializer_list<std::string> lines, const std::string &end = "\r\n")
{
    std::string text;
    for (const std::string &line : lines)
        text += line + end;
    return text;
}

} // namespace

class TestFirmwareCheck : public QObject {
    Q_OBJECT

private slots:
    void check_data()
    {
        QTest::addColumn<std::string>("content");
        QTest::addColumn<std::string>("problem");
        const std::string ok;
        QTest::newRow("good") << Lines({kData1, kData2, kEnd}) << ok;
        QTest::newRow("LF only") << Lines({kData1, kData2, kEnd}, "\n") << ok;
        QTest::newRow("CR only") << Lines({kData1, kData2, kEnd}, "\r") << ok;
        QTest::newRow("lower case digits") << Lines({":0400000001020304f2", kEnd}) << ok;
        QTest::newRow("no line end at the end") << kData1 + "\r\n" + kEnd << ok;
        QTest::newRow("blank lines") << "\r\n\r\n" + Lines({kData1, "", kEnd}) + "\r\n" << ok;
        // As common tools write them: blanks before the line end, a DOS end-of-file mark.
        QTest::newRow("blanks and tabs after records") << Lines({kData1 + " ", kData2 + "\t \t", " \t", kEnd + " "})
                                                       << ok;
        QTest::newRow("end mark on its own line") << Lines({kData1, kEnd, "\x1A"}) << ok;
        QTest::newRow("end mark, no line end") << Lines({kData1, kEnd}) + "\x1A" << ok;
        QTest::newRow("end mark right after the end record") << Lines({kData1, kEnd + "\x1A"}) << ok;
        QTest::newRow("every known type")
            << Lines({":020000021000EC", ":0400000300003800C1", ":02000004FFFFFC", ":04000005000000CD2A", kEnd}) << ok;
        QTest::newRow("not hex: binary") << std::string("\x0c\x94\x00\x01\x02", 5) << ok;
        QTest::newRow("not hex: text") << std::string("hello\n:00000001FF\n") << ok;
        QTest::newRow("empty") << std::string() << ok;

        QTest::newRow("checksum") << Lines({kData1, ":0100040005F7", kEnd})
                                  << std::string("line 2: checksum is 0xF6, the record says 0xF7");
        QTest::newRow("line counted after blank lines") << "\n\n" + Lines({kData1, ":0100040005F7", kEnd})
                                                        << std::string("line 4: checksum is 0xF6, the record says 0xF7");
        QTest::newRow("bad character") << Lines({":04000000010203G4F2", kEnd})
                                       << std::string("line 1: bad character 'G' in column 16");
        QTest::newRow("blank inside a record") << Lines({":04000000 01020304F2", kEnd})
                                               << std::string("line 1: bad character 0x20 in column 10");
        QTest::newRow("blank before a record") << Lines({kData1, " " + kData2, kEnd})
                                               << std::string("line 2: bad character 0x20 in column 1, where a record starts with ':'");
        QTest::newRow("end mark before the end record") << Lines({kData1, "\x1A", kEnd})
                                                        << std::string("line 2: bad character 0x1A in column 1, where a record starts with ':'");
        QTest::newRow("text after the end mark") << Lines({kData1, kEnd, "\x1A", "garbage"})
                                                 << std::string("line 3: data after the end-of-file record");
        QTest::newRow("no colon") << Lines({kData1, "0100040005F6", kEnd})
                                  << std::string("line 2: bad character '0' in column 1, where a record starts with ':'");
        QTest::newRow("odd length") << Lines({":0400000001020304F", kEnd})
                                    << std::string("line 1: odd number of hex digits (17)");
        QTest::newRow("too short") << Lines({":00000001", kEnd})
                                   << std::string("line 1: record too short (4 bytes, at least 5)");
        QTest::newRow("length disagrees") << Lines({":0500000001020304F1", kEnd})
                                          << std::string("line 1: the record says 5 data bytes, it holds 4");
        QTest::newRow("unknown type") << Lines({":00000007F9", kEnd})
                                      << std::string("line 1: unknown record type 0x07");
        QTest::newRow("no end-of-file record") << Lines({kData1, kData2})
                                               << std::string("no end-of-file record");
        QTest::newRow("data after the end") << Lines({kData1, kEnd, kData2})
                                            << std::string("line 3: data after the end-of-file record");
        QTest::newRow("two end records") << Lines({kData1, kEnd, kEnd})
                                         << std::string("line 3: data after the end-of-file record");
        QTest::newRow("text after the end") << Lines({kData1, kEnd}) + "garbage"
                                            << std::string("line 3: data after the end-of-file record");
    }
    void check()
    {
        QFETCH(std::string, content);
        QFETCH(std::string, problem);
        QCOMPARE(CheckFirmware(content), problem);
    }

    // A checksum error deep in a large file names its own line.
    void lineNumberDeepInAFile()
    {
        std::string text;
        for (int i = 0; i < 211; ++i)
            text += kData1 + "\r\n";
        text += ":0400000001020304F3\r\n" + kEnd + "\r\n";
        QCOMPARE(CheckFirmware(text), std::string("line 212: checksum is 0xF2, the record says 0xF3"));
    }

    // Only a regular file of 1 byte to 16 MiB that checks out is taken, whole.
    void load_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<FirmwareRefusal>("refusal");
        QTest::addColumn<std::string>("detail");
        QTest::addColumn<int>("line");
        using R = FirmwareRefusal;
        QTest::newRow("missing") << "missing" << R::CannotOpen << std::string("No such file or directory") << 0;
#ifdef Q_OS_UNIX
        QTest::newRow("fifo") << "fifo" << R::CannotOpen << std::string("is not a regular file") << 0;
#endif
        QTest::newRow("folder") << "folder" << R::CannotOpen << std::string("is a folder, not a file") << 0;
        QTest::newRow("empty") << "empty" << R::Empty << std::string() << 0;
        QTest::newRow("over 16 MiB") << "big" << R::TooLarge << std::string() << 0;
        QTest::newRow("broken hex") << "hex" << R::NotValid << std::string("checksum is 0xFA, the record says 0xFC") << 2;
        QTest::newRow("hex without its end") << "no end" << R::NotValid << std::string("no end-of-file record") << 0;
        QTest::newRow("16 MiB") << "largest" << R::None << std::string() << 0;
        QTest::newRow("good hex") << "good" << R::None << std::string() << 0;
    }
    void load()
    {
        QFETCH(QString, kind);
        QFETCH(FirmwareRefusal, refusal);
        QFETCH(std::string, detail);
        QFETCH(int, line);
        QTemporaryDir dir;
        const QString path = dir.filePath("fw-" + kind);
        QByteArray content;
#ifdef Q_OS_UNIX
        if (kind == "fifo")
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else
#endif
        if (kind == "folder")
            QVERIFY(QDir().mkpath(path));
        else if (kind != "missing") {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            if (kind == "big" || kind == "largest")
                QVERIFY(f.resize(FirmwareImage::kMaxBytes + (kind == "big" ? 1 : 0)));
            else if (kind == "hex")
                content = ":0400000001020304F2\r\n:0100000005FC\r\n:00000001FF\r\n";
            else if (kind == "no end")
                content = QByteArray::fromStdString(kData1 + "\r\n");
            else if (kind == "good")
                content = QByteArray::fromStdString(Lines({kData1, kData2, kEnd}));
            f.write(content);
        }
        const FirmwareImage image = LoadFirmwareFile(path.toStdString());
        QCOMPARE(image.refusal, refusal);
        QCOMPARE(image.detail, detail);
        QCOMPARE(image.line, line);
        if (kind == "big")
            QCOMPARE(image.size, FirmwareImage::kMaxBytes + 1);
        if (refusal == FirmwareRefusal::None) {
            QCOMPARE(image.size, int64_t(image.bytes.size()));
            if (kind == "good")
                QCOMPARE(image.bytes, content);
        } else {
            QVERIFY(image.bytes.isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(TestFirmwareCheck)
#include "tst_firmware_check.moc"
