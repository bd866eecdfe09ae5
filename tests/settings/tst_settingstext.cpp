#include "Settings.h"

#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace {

QByteArray Bytes(const std::string &s) { return QByteArray(s.data(), qsizetype(s.size())); }

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

QByteArray ReadFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestSettingsText : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString Path(const char *name) const { return m_dir.filePath(name); }

private slots:
    void init() { g_settings = CSettings(); }

    void writerSequence()
    {
        // Before any reset the cursor is at 0/0: the first line is bank 0's first setting.
        QCOMPARE(Bytes(g_settings.NextLine()), QByteArray("AMODE GPS"));

        g_settings.ResetWriter();
        QStringList lines;
        for (int i = 0; i < 200; ++i)
            lines << QString::fromLatin1(Bytes(g_settings.NextLine()));
        QCOMPARE(lines[0], "BANK 0");
        QCOMPARE(lines.mid(1, 5), QStringList({"AMODE GPS", "ABAUD 4800", "BMODE GPS",
                                               "BBAUD 4800", "PKTICOM TRUE"}));
        QCOMPARE(lines[53], "ALIAS2 %");
        QCOMPARE(lines[99], "LEDS TRUE");
        QCOMPARE(lines[100], "BANK 1");
        QCOMPARE(lines[199], "LEDS TRUE");
        QCOMPARE(lines.mid(1, 99), lines.mid(101, 99));
        QVERIFY(g_settings.NextLine().empty());  // the 201st call
        QVERIFY(g_settings.NextLine().empty());  // and it stays at the end
        QCOMPARE(g_settings.GetBank(), 0);
    }

    void writerValueForms_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("negative int") << 1 << QByteArray("ABAUD -42");
        QTest::newRow("bool nonzero") << 5 << QByteArray("PKTOCOM TRUE");
        QTest::newRow("empty string") << 0 << QByteArray("AMODE %");
        QTest::newRow("byte 0") << 13 << QByteArray("TSYMCODE \0", 10);
        QTest::newRow("blanks kept") << 23 << QByteArray("TSTAT  two  blanks ");
    }

    void writerValueForms()
    {
        QFETCH(int, index);
        QFETCH(QByteArray, line);
        CBank &b = g_settings.m_bank1;
        b.abaud = -42;
        b.pktocom = 7;
        b.amode.clear();
        b.tsymcode = '\0';
        b.tstat = " two  blanks ";
        g_settings.ResetWriter();
        for (int i = 0; i < 101 + index; ++i)
            g_settings.NextLine();
        QCOMPARE(Bytes(g_settings.NextLine()), line);
    }

    void parseLine_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("index");       // setting to look at (bank 0)
        QTest::addColumn<QByteArray>("value"); // its text afterwards
        QTest::addColumn<QList<int>>("counts");  // ignored, parsed, changed
        using C = QList<int>;
        QTest::newRow("upper key") << QByteArray("MYCALL K1ABC") << 69 << QByteArray("K1ABC") << C{0, 1, 1};
        QTest::newRow("lower key") << QByteArray("mycall K1ABC") << 69 << QByteArray("K1ABC") << C{0, 1, 1};
        QTest::newRow("mixed key") << QByteArray("MyCall K1ABC") << 69 << QByteArray("K1ABC") << C{0, 1, 1};
        QTest::newRow("same value") << QByteArray("MYCALL NOCALL") << 69 << QByteArray("NOCALL") << C{0, 1, 0};
        QTest::newRow("case counts in values") << QByteArray("MYCALL nocall") << 69 << QByteArray("nocall") << C{0, 1, 1};
        QTest::newRow("two blanks") << QByteArray("MYCALL  X") << 69 << QByteArray(" X") << C{0, 1, 1};
        QTest::newRow("cr cuts") << QByteArray("MYCALL AB\rCD") << 69 << QByteArray("AB") << C{0, 1, 1};
        QTest::newRow("lf stays") << QByteArray("MYCALL AB\n") << 69 << QByteArray("AB\n") << C{0, 1, 1};
        QTest::newRow("percent") << QByteArray("MYCALL %") << 69 << QByteArray("%") << C{0, 1, 1};
        QTest::newRow("empty string") << QByteArray("MYCALL ") << 69 << QByteArray("%") << C{0, 1, 1};
        QTest::newRow("empty int") << QByteArray("ABAUD ") << 1 << QByteArray("0") << C{0, 1, 1};
        QTest::newRow("empty bool") << QByteArray("PKTICOM ") << 4 << QByteArray("FALSE") << C{0, 1, 1};
        QTest::newRow("empty char") << QByteArray("TSYMCODE ") << 13 << QByteArray("\0", 1) << C{0, 1, 1};
        QTest::newRow("char first byte") << QByteArray("TSYMCODE XY") << 13 << QByteArray("X") << C{0, 1, 1};
        QTest::newRow("char byte 0") << QByteArray("TSYMTABLE \0", 11) << 14 << QByteArray("\0", 1) << C{0, 1, 1};
        QTest::newRow("high byte kept") << QByteArray("TSTAT \xe9t\xe9") << 23 << QByteArray("\xe9t\xe9") << C{0, 1, 1};
        QTest::newRow("bool T") << QByteArray("PKTOCOM Tx") << 5 << QByteArray("TRUE") << C{0, 1, 1};
        QTest::newRow("bool lower") << QByteArray("PKTICOM true") << 4 << QByteArray("FALSE") << C{0, 1, 1};
        QTest::newRow("bool digit") << QByteArray("PKTICOM 1") << 4 << QByteArray("FALSE") << C{0, 1, 1};
        QTest::newRow("int letters") << QByteArray("ABAUD 96AB") << 1 << QByteArray("96") << C{0, 1, 1};
        QTest::newRow("int negative") << QByteArray("ABAUD -5") << 1 << QByteArray("-5") << C{0, 1, 1};
        QTest::newRow("int no digits") << QByteArray("ABAUD x1") << 1 << QByteArray("0") << C{0, 1, 1};
        QTest::newRow("int 11 nines") << QByteArray("ABAUD 99999999999") << 1 << QByteArray("2147483647") << C{0, 1, 1};
        QTest::newRow("key only") << QByteArray("MYCALL") << 69 << QByteArray("NOCALL") << C{1, 0, 0};
        QTest::newRow("empty line") << QByteArray("") << 69 << QByteArray("NOCALL") << C{1, 0, 0};
        QTest::newRow("unknown key") << QByteArray("NOSUCH 1") << 69 << QByteArray("NOCALL") << C{1, 0, 0};
        QTest::newRow("empty key") << QByteArray(" NOCALL") << 69 << QByteArray("NOCALL") << C{1, 0, 0};
        QTest::newRow("bank with blank") << QByteArray("BANK 1 ") << 69 << QByteArray("NOCALL") << C{1, 0, 0};
        QTest::newRow("bank lower") << QByteArray("bank 1") << 69 << QByteArray("NOCALL") << C{1, 0, 0};
        QTest::newRow("export echo") << QByteArray("EXPORT") << 69 << QByteArray("NOCALL") << C{0, 0, 0};
        QTest::newRow("export colon") << QByteArray(":EXPORT\r") << 69 << QByteArray("NOCALL") << C{0, 0, 0};
        QTest::newRow("export blank") << QByteArray("EXPORT ") << 69 << QByteArray("NOCALL") << C{1, 0, 0};
    }

    void parseLine()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, index);
        QFETCH(QByteArray, value);
        QFETCH(QList<int>, counts);
        g_settings.BeginParse();
        g_settings.ParseLine(line.toStdString());
        QCOMPARE(Bytes(ValueText(g_settingTable[size_t(index)], 0)), value);
        QCOMPARE(QList<int>({g_settings.m_nIgnored, g_settings.m_nParsed, g_settings.m_nChanged}), counts);
        QCOMPARE(g_settings.m_bank1.mycall, std::string("NOCALL"));  // bank 1 untouched
        QCOMPARE(g_settings.m_bank1.abaud, 4800);
    }

    void bankLinesMoveOnlyTheParse()
    {
        g_settings.SetBank(1);
        g_settings.BeginParse();
        g_settings.ParseLine("MYCALL ONE");      // before any header: the current bank
        g_settings.ParseLine("BANK 0");
        g_settings.ParseLine("MYCALL ZERO");
        QCOMPARE(g_settings.GetBank(), 1);         // the pages' bank never moves
        g_settings.ParseLine("BANK 1\r");
        g_settings.ParseLine("ABAUD 9600");
        QCOMPARE(Bytes(g_settings.EndParse()), QByteArray("DONE : 0 ignored, 3 parsed, 3 changed"));
        QCOMPARE(g_settings.GetBank(), 1);
        QCOMPARE(g_settings.m_bank1.mycall, std::string("ONE"));
        QCOMPARE(g_settings.m_bank0.mycall, std::string("ZERO"));
        QCOMPARE(g_settings.m_bank1.abaud, 9600);
        QCOMPARE(g_settings.m_bank0.abaud, 4800);
        // The counters keep their values after the end.
        QCOMPARE(g_settings.m_nParsed, 3);
    }

    void bankSwitchDuringParseIsKept()
    {
        // A device read paused on another page while the user switches bank: the read ends
        // without dragging the pages back to the bank it began on.
        g_settings.BeginParse();
        g_settings.SetBank(1);
        g_settings.ParseLine("MYCALL A");
        g_settings.EndParse();
        QCOMPARE(g_settings.GetBank(), 1);
        QCOMPARE(g_settings.m_bank0.mycall, std::string("A"));
    }

    void roundTripBytes()
    {
        CBank &b = g_settings.m_bank1;
        b.tsymcode = '\0';
        b.tstat = std::string("\x01\xff tab\there ", 13);
        b.abaud = INT32_MIN;
        b.mycall = "%";          // a lone % reads back as the empty text
        b.tsoffset = -17;
        const QString path = Path("round.txt");
        QCOMPARE(g_settings.SaveFile(path.toStdString()), 0);
        QByteArray saved = ReadFile(path);
        QCOMPARE(saved.count("\r\n"), 200);
        QVERIFY(saved.endsWith("LEDS TRUE\r\n"));
        QVERIFY(!saved.contains("\r\n\r\n"));

        CSettings before = g_settings;
        g_settings = CSettings();
        std::string summary;
        QCOMPARE(g_settings.LoadFile(path.toStdString(), &summary), 0);
        QCOMPARE(Bytes(summary), QByteArray("DONE : 0 ignored, 198 parsed, 5 changed"));
        QCOMPARE(g_settings.m_bank1.tsymcode, '\0');
        QCOMPARE(Bytes(g_settings.m_bank1.tstat), Bytes(before.m_bank1.tstat));
        QCOMPARE(g_settings.m_bank1.abaud, INT32_MIN);
        QCOMPARE(g_settings.m_bank1.mycall, std::string());
        QCOMPARE(g_settings.m_bank1.tsoffset, -17);
        QCOMPARE(Bytes(g_settings.SettingsText()).replace("MYCALL %", "MYCALL x"),
                 saved.replace("MYCALL %", "MYCALL x"));
    }

    void startStateLoadCounts()
    {
        const QString path = Path("defaults.txt");
        QCOMPARE(g_settings.SaveFile(path.toStdString()), 0);
        std::string summary;
        QCOMPARE(g_settings.LoadFile(path.toStdString(), &summary), 0);
        QCOMPARE(Bytes(summary), QByteArray("DONE : 0 ignored, 198 parsed, 0 changed"));
    }

    void lineEnds_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArray>("summary");
        const QByteArray done = "DONE : 0 ignored, 3 parsed, 3 changed";
        QTest::newRow("crlf") << QByteArray("BANK 1\r\nMYCALL A\r\nABAUD 1\r\nTXD 2\r\n") << done;
        QTest::newRow("lf only") << QByteArray("BANK 1\nMYCALL A\nABAUD 1\nTXD 2\n") << done;
        QTest::newRow("cr only") << QByteArray("BANK 1\rMYCALL A\rABAUD 1\rTXD 2\r") << done;
        QTest::newRow("blank lines") << QByteArray("\r\n\r\nBANK 1\r\n\nMYCALL A\n\n\r\rABAUD 1\r\nTXD 2\r\n\r\n") << done;
        QTest::newRow("no last line end") << QByteArray("BANK 1\r\nMYCALL A\r\nABAUD 1\r\nTXD 2") << done;
        QTest::newRow("garbage counted") << QByteArray("BANK 1\nhello\nMYCALL A\nABAUD 1\nTXD 2\nBANK 2\n")
                                         << QByteArray("DONE : 2 ignored, 3 parsed, 3 changed");
    }

    void lineEnds()
    {
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, summary);
        const QString path = Path("ends.txt");
        WriteFile(path, content);
        std::string got;
        QCOMPARE(g_settings.LoadFile(path.toStdString(), &got), 0);
        QCOMPARE(Bytes(got), summary);
        QCOMPARE(g_settings.GetBank(), 0);
        QCOMPARE(g_settings.m_bank1.mycall, std::string("A"));
        QCOMPARE(g_settings.m_bank1.abaud, 1);
        QCOMPARE(g_settings.m_bank1.txd, 2);
        QCOMPARE(g_settings.m_bank0.mycall, std::string("NOCALL"));
    }

    void fileWithoutBankLinesChangesCurrentBank()
    {
        const QString path = Path("nobank.txt");
        WriteFile(path, "MYCALL B1\r\n");
        g_settings.SetBank(1);
        QCOMPARE(g_settings.LoadFile(path.toStdString()), 0);
        QCOMPARE(g_settings.m_bank1.mycall, std::string("B1"));
        QCOMPARE(g_settings.m_bank0.mycall, std::string("NOCALL"));
        QCOMPARE(g_settings.GetBank(), 1);
    }

    void loadDuringDeviceParseLeavesItAlone()
    {
        const QString path = Path("during.txt");
        WriteFile(path, "BANK 0\r\nMYCALL FILE\r\njunk\r\n");
        g_settings.BeginParse();
        g_settings.ParseLine("BANK 1\r");
        g_settings.ParseLine("TXD 5\r");
        g_settings.ParseLine("noise\r");
        std::string summary;
        QCOMPARE(g_settings.LoadFile(path.toStdString(), &summary), 0);
        QCOMPARE(Bytes(summary), QByteArray("DONE : 1 ignored, 1 parsed, 1 changed"));
        g_settings.ParseLine("QUIET 3\r");       // still goes to the read's bank 1
        QCOMPARE(Bytes(g_settings.EndParse()), QByteArray("DONE : 1 ignored, 2 parsed, 2 changed"));
        QCOMPARE(g_settings.m_bank1.quiet, 3);
        QCOMPARE(g_settings.m_bank0.quiet, 10);
        QCOMPARE(g_settings.m_bank0.mycall, std::string("FILE"));
    }

    void saveDuringDeviceWriteLeavesItAlone()
    {
        g_settings.ResetWriter();
        for (int i = 0; i < 50; ++i)
            g_settings.NextLine();
        QCOMPARE(g_settings.SaveFile(Path("mid.txt").toStdString()), 0);
        QCOMPARE(Bytes(g_settings.NextLine()), QByteArray("BPERIOD 0"));
    }

    void unopenablePaths()
    {
        g_settings.m_nIgnored = 11;
        QCOMPARE(g_settings.LoadFile(Path("missing.txt").toStdString()), 1);
        QCOMPARE(g_settings.LoadFile(m_dir.path().toStdString()), 1);  // a folder
        QCOMPARE(g_settings.m_nIgnored, 11);
        QCOMPARE(g_settings.SaveFile(Path("no/such/dir/x.txt").toStdString()), 1);
        QCOMPARE(g_settings.SaveFile(m_dir.path().toStdString()), 1);
    }

    // A save that fails part-way (here: the file-size limit, as a full disk would) reports 1 and
    // leaves the old file exactly as it was.
    void failedSaveKeepsOldFile()
    {
        const QString path = Path("keep.txt");
        WriteFile(path, "OLD\r\n");
        struct rlimit old;
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
        auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = old;
        small.rlim_cur = 1000;  // a settings file is about 3 KB
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const int result = g_settings.SaveFile(path.toStdString());
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
        QCOMPARE(result, 1);
        QCOMPARE(ReadFile(path), QByteArray("OLD\r\n"));
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files).filter("keep").size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestSettingsText)
#include "tst_settingstext.moc"
