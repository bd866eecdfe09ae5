#include "Settings.h"

#include <QtTest>

#include <sys/stat.h>

#include <csignal>
#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

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

// A settings text checked in under tests/data.
QByteArray Golden(const char *name)
{
    return ReadFile(QStringLiteral(REZAR_TEST_DATA "/") + QLatin1String(name));
}

QByteArray EffectName(LineEffect effect)
{
    switch (effect) {
    case LineEffect::BankHeader: return "BankHeader";
    case LineEffect::Echo: return "Echo";
    case LineEffect::Ignored: return "Ignored";
    case LineEffect::Same: return "Same";
    case LineEffect::Changed: return "Changed";
    }
    return "?";
}

QList<int> Counts(const ParseCursor &cursor)
{
    return {cursor.ignored, cursor.parsed, cursor.changed};
}

} // namespace

class TestSettingsText : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString Path(const char *name) const { return m_dir.filePath(name); }

private slots:
    void defaultsText()
    {
        const QByteArray golden = Golden("banks-defaults.txt");
        QCOMPARE(golden.count("\r\n"), 200);
        const CSettings settings;
        QCOMPARE(Bytes(settings.SettingsText()), golden);
        const QString path = Path("defaults-saved.txt");
        QCOMPARE(settings.SaveFile(path.toStdString()), 0);
        QCOMPARE(ReadFile(path), golden);
    }

    void writerSequence()
    {
        CSettings settings;
        // Before any reset the cursor is at 0/0: the first line is bank 0's first setting.
        QCOMPARE(Bytes(settings.NextLine()), QByteArray("AMODE GPS"));

        settings.ResetWriter();
        QStringList lines;
        for (int i = 0; i < 200; ++i)
            lines << QString::fromLatin1(Bytes(settings.NextLine()));
        QCOMPARE(lines[0], "BANK 0");
        QCOMPARE(lines.mid(1, 5), QStringList({"AMODE GPS", "ABAUD 4800", "BMODE GPS",
                                               "BBAUD 4800", "PKTICOM TRUE"}));
        QCOMPARE(lines[53], "ALIAS2 %");
        QCOMPARE(lines[99], "LEDS TRUE");
        QCOMPARE(lines[100], "BANK 1");
        QCOMPARE(lines[199], "LEDS TRUE");
        QCOMPARE(lines.mid(1, 99), lines.mid(101, 99));
        QVERIFY(settings.NextLine().empty());  // the 201st call
        QVERIFY(settings.NextLine().empty());  // and it stays at the end
        QCOMPARE(settings.GetBank(), 0);
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
        CSettings settings;
        CBank &b = settings.m_bank1;
        b.abaud = -42;
        b.pktocom = 7;
        b.amode.clear();
        b.tsymcode = '\0';
        b.tstat = " two  blanks ";
        settings.ResetWriter();
        for (int i = 0; i < 101 + index; ++i)
            settings.NextLine();
        QCOMPARE(Bytes(settings.NextLine()), line);
    }

    void parseLine_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("index");       // setting to look at (bank 0)
        QTest::addColumn<QByteArray>("value"); // its text afterwards
        QTest::addColumn<QList<int>>("counts");  // ignored, parsed, changed
        QTest::addColumn<QByteArray>("effect");  // what ParseLine says the line did
        using C = QList<int>;
        QTest::newRow("upper key") << QByteArray("MYCALL K1ABC") << 69 << QByteArray("K1ABC") << C{0, 1, 1} << QByteArray("Changed");
        QTest::newRow("lower key") << QByteArray("mycall K1ABC") << 69 << QByteArray("K1ABC") << C{0, 1, 1} << QByteArray("Changed");
        QTest::newRow("mixed key") << QByteArray("MyCall K1ABC") << 69 << QByteArray("K1ABC") << C{0, 1, 1} << QByteArray("Changed");
        QTest::newRow("same value") << QByteArray("MYCALL NOCALL") << 69 << QByteArray("NOCALL") << C{0, 1, 0} << QByteArray("Same");
        QTest::newRow("case counts in values") << QByteArray("MYCALL nocall") << 69 << QByteArray("nocall") << C{0, 1, 1} << QByteArray("Changed");
        QTest::newRow("two blanks") << QByteArray("MYCALL  X") << 69 << QByteArray(" X") << C{0, 1, 1} << QByteArray("Changed");
        QTest::newRow("cr cuts") << QByteArray("MYCALL AB\rCD") << 69 << QByteArray("AB") << C{0, 1, 1} << QByteArray("Changed");
        QTest::newRow("lf cuts") << QByteArray("MYCALL AB\n") << 69 << QByteArray("AB") << C{0, 1, 1} << QByteArray("Changed");
        QTest::newRow("lf cuts early") << QByteArray("MYCALL AB\nBANK 1\r") << 69 << QByteArray("AB") << C{0, 1, 1} << QByteArray("Changed");
        QTest::newRow("percent") << QByteArray("MYCALL %") << 69 << QByteArray("%") << C{0, 1, 1} << QByteArray("Changed");
        QTest::newRow("empty string") << QByteArray("MYCALL ") << 69 << QByteArray("%") << C{0, 1, 1} << QByteArray("Changed");
        QTest::newRow("empty int") << QByteArray("ABAUD ") << 1 << QByteArray("0") << C{0, 1, 1} << QByteArray("Changed");
        QTest::newRow("empty bool") << QByteArray("PKTICOM ") << 4 << QByteArray("FALSE") << C{0, 1, 1} << QByteArray("Changed");
        QTest::newRow("empty char") << QByteArray("TSYMCODE ") << 13 << QByteArray("\0", 1) << C{0, 1, 1} << QByteArray("Changed");
        QTest::newRow("char first byte") << QByteArray("TSYMCODE XY") << 13 << QByteArray("X") << C{0, 1, 1} << QByteArray("Changed");
        QTest::newRow("char byte 0") << QByteArray("TSYMTABLE \0", 11) << 14 << QByteArray("\0", 1) << C{0, 1, 1} << QByteArray("Changed");
        QTest::newRow("high byte kept") << QByteArray("TSTAT \xe9t\xe9") << 23 << QByteArray("\xe9t\xe9") << C{0, 1, 1} << QByteArray("Changed");
        QTest::newRow("bool T") << QByteArray("PKTOCOM Tx") << 5 << QByteArray("TRUE") << C{0, 1, 1} << QByteArray("Changed");
        QTest::newRow("bool lower") << QByteArray("PKTICOM true") << 4 << QByteArray("FALSE") << C{0, 1, 1} << QByteArray("Changed");
        QTest::newRow("bool digit") << QByteArray("PKTICOM 1") << 4 << QByteArray("FALSE") << C{0, 1, 1} << QByteArray("Changed");
        QTest::newRow("int letters") << QByteArray("ABAUD 96AB") << 1 << QByteArray("96") << C{0, 1, 1} << QByteArray("Changed");
        QTest::newRow("int negative") << QByteArray("ABAUD -5") << 1 << QByteArray("-5") << C{0, 1, 1} << QByteArray("Changed");
        QTest::newRow("int no digits") << QByteArray("ABAUD x1") << 1 << QByteArray("0") << C{0, 1, 1} << QByteArray("Changed");
        QTest::newRow("int 11 nines") << QByteArray("ABAUD 99999999999") << 1 << QByteArray("2147483647") << C{0, 1, 1} << QByteArray("Changed");
        QTest::newRow("key only") << QByteArray("MYCALL") << 69 << QByteArray("NOCALL") << C{1, 0, 0} << QByteArray("Ignored");
        QTest::newRow("empty line") << QByteArray("") << 69 << QByteArray("NOCALL") << C{1, 0, 0} << QByteArray("Ignored");
        QTest::newRow("unknown key") << QByteArray("NOSUCH 1") << 69 << QByteArray("NOCALL") << C{1, 0, 0} << QByteArray("Ignored");
        QTest::newRow("empty key") << QByteArray(" NOCALL") << 69 << QByteArray("NOCALL") << C{1, 0, 0} << QByteArray("Ignored");
        QTest::newRow("bank with blank") << QByteArray("BANK 1 ") << 69 << QByteArray("NOCALL") << C{1, 0, 0} << QByteArray("Ignored");
        QTest::newRow("bank lower") << QByteArray("bank 1") << 69 << QByteArray("NOCALL") << C{1, 0, 0} << QByteArray("Ignored");
        QTest::newRow("export echo") << QByteArray("EXPORT") << 69 << QByteArray("NOCALL") << C{0, 0, 0} << QByteArray("Echo");
        QTest::newRow("export colon") << QByteArray(":EXPORT\r") << 69 << QByteArray("NOCALL") << C{0, 0, 0} << QByteArray("Echo");
        QTest::newRow("bank header") << QByteArray("BANK 1") << 69 << QByteArray("NOCALL") << C{0, 0, 0} << QByteArray("BankHeader");
        QTest::newRow("bank header cr") << QByteArray("BANK 0\r") << 69 << QByteArray("NOCALL") << C{0, 0, 0} << QByteArray("BankHeader");
        QTest::newRow("bank header lf") << QByteArray("BANK 0\n") << 69 << QByteArray("NOCALL") << C{0, 0, 0} << QByteArray("BankHeader");
        QTest::newRow("export blank") << QByteArray("EXPORT ") << 69 << QByteArray("NOCALL") << C{1, 0, 0} << QByteArray("Ignored");
    }

    void parseLine()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, index);
        QFETCH(QByteArray, value);
        QFETCH(QList<int>, counts);
        QFETCH(QByteArray, effect);
        const Setting &setting = g_settingTable[size_t(index)];

        // The device exchange's parse.
        CSettings settings;
        settings.BeginParse();
        QCOMPARE(EffectName(settings.ParseLine(line.toStdString())), effect);
        QCOMPARE(Bytes(settings.ValueText(setting, 0)), value);
        QCOMPARE(Counts(settings.DeviceParse()), counts);
        QCOMPARE(settings.m_bank1.mycall, std::string("NOCALL"));  // bank 1 untouched
        QCOMPARE(settings.m_bank1.abaud, 4800);

        // The same line on a cursor of the caller's: same result, the exchange's cursor idle.
        CSettings other;
        ParseCursor cursor;
        other.BeginParse(cursor);
        QCOMPARE(EffectName(other.ParseLine(cursor, line.toStdString())), effect);
        QCOMPARE(Bytes(other.ValueText(setting, 0)), value);
        QCOMPARE(Counts(cursor), counts);
        QCOMPARE(Counts(other.DeviceParse()), QList<int>({0, 0, 0}));
    }

    void bankHeaders_data()
    {
        QTest::addColumn<int>("pagesBank");  // where the parse starts
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("parseBank");  // where it stands afterwards
        QTest::addColumn<QByteArray>("effect");
        QTest::newRow("0 from 1") << 1 << QByteArray("BANK 0") << 0 << QByteArray("BankHeader");
        QTest::newRow("1 from 0") << 0 << QByteArray("BANK 1") << 1 << QByteArray("BankHeader");
        QTest::newRow("0 from 0") << 0 << QByteArray("BANK 0") << 0 << QByteArray("BankHeader");
        QTest::newRow("cr cuts") << 0 << QByteArray("BANK 1\rX") << 1 << QByteArray("BankHeader");
        QTest::newRow("bank 2") << 0 << QByteArray("BANK 2") << 0 << QByteArray("Ignored");
        QTest::newRow("lower") << 1 << QByteArray("bank 0") << 1 << QByteArray("Ignored");
        QTest::newRow("trailing blank") << 1 << QByteArray("BANK 0 ") << 1 << QByteArray("Ignored");
        QTest::newRow("setting") << 1 << QByteArray("TXD 3") << 1 << QByteArray("Changed");
    }

    void bankHeaders()
    {
        QFETCH(int, pagesBank);
        QFETCH(QByteArray, line);
        QFETCH(int, parseBank);
        QFETCH(QByteArray, effect);
        CSettings settings;
        settings.SetBank(pagesBank);
        settings.BeginParse();
        QCOMPARE(settings.DeviceParse().bank, pagesBank);
        QCOMPARE(EffectName(settings.ParseLine(line.toStdString())), effect);
        QCOMPARE(settings.DeviceParse().bank, parseBank);
        QCOMPARE(settings.GetBank(), pagesBank);
    }

    void bankLinesMoveOnlyTheParse()
    {
        CSettings settings;
        settings.SetBank(1);
        settings.BeginParse();
        settings.ParseLine("MYCALL ONE");      // before any header: the current bank
        settings.ParseLine("BANK 0");
        settings.ParseLine("MYCALL ZERO");
        QCOMPARE(settings.GetBank(), 1);         // the pages' bank never moves
        settings.ParseLine("BANK 1\r");
        settings.ParseLine("ABAUD 9600");
        QCOMPARE(Bytes(settings.EndParse()), QByteArray("DONE : 0 ignored, 3 parsed, 3 changed"));
        QCOMPARE(settings.GetBank(), 1);
        QCOMPARE(settings.m_bank1.mycall, std::string("ONE"));
        QCOMPARE(settings.m_bank0.mycall, std::string("ZERO"));
        QCOMPARE(settings.m_bank1.abaud, 9600);
        QCOMPARE(settings.m_bank0.abaud, 4800);
        // The counters keep their values after the end.
        QCOMPARE(settings.DeviceParse().parsed, 3);
        QCOMPARE(Bytes(settings.EndParse()), QByteArray("DONE : 0 ignored, 3 parsed, 3 changed"));
    }

    void bankSwitchDuringParseIsKept()
    {
        // A device read paused on another page while the user switches bank: the read ends
        // without dragging the pages back to the bank it began on.
        CSettings settings;
        settings.BeginParse();
        settings.SetBank(1);
        settings.ParseLine("MYCALL A");
        settings.EndParse();
        QCOMPARE(settings.GetBank(), 1);
        QCOMPARE(settings.m_bank0.mycall, std::string("A"));
    }

    // Two models side by side: a parse, a file and a writer of one never reach the other, nor
    // the global model (checked after every test).
    void modelsAreIndependent()
    {
        const QByteArray defaults = Golden("banks-defaults.txt");
        CSettings one, other;
        one.BeginParse();
        QCOMPARE(EffectName(one.ParseLine("MYCALL K1ABC")), QByteArray("Changed"));
        one.ParseLine("BANK 1");
        one.ParseLine("TXD 5");
        one.ParseLine("junk");
        QCOMPARE(Bytes(one.EndParse()), QByteArray("DONE : 1 ignored, 2 parsed, 2 changed"));
        QCOMPARE(one.m_bank0.mycall, std::string("K1ABC"));
        QCOMPARE(one.m_bank1.txd, 5);
        QCOMPARE(Bytes(other.SettingsText()), defaults);
        QCOMPARE(Counts(other.DeviceParse()), QList<int>({0, 0, 0}));
        QCOMPARE(other.DeviceParse().bank, 0);

        // A file saved from one and loaded into the other: the other alone changes.
        const QString path = Path("one.txt");
        QCOMPARE(one.SaveFile(path.toStdString()), 0);
        std::string summary;
        QCOMPARE(other.LoadFile(path.toStdString(), &summary), 0);
        QCOMPARE(Bytes(summary), QByteArray("DONE : 0 ignored, 198 parsed, 2 changed"));
        QCOMPARE(Bytes(other.SettingsText()), Bytes(one.SettingsText()));
        QCOMPARE(Bytes(one.EndParse()), QByteArray("DONE : 1 ignored, 2 parsed, 2 changed"));
        QCOMPARE(Counts(other.DeviceParse()), QList<int>({0, 0, 0}));

        // Writers of two models, interleaved: each lists its own banks.
        CSettings third;
        third.m_bank0.mycall = "THIRD";
        one.ResetWriter();
        third.ResetWriter();
        QByteArray fromOne, fromThird;
        for (int i = 0; i < kSettingsTextLines; ++i) {
            fromOne += Bytes(one.NextLine()) + "\r\n";
            fromThird += Bytes(third.NextLine()) + "\r\n";
        }
        QCOMPARE(fromOne, Bytes(one.SettingsText()));
        QCOMPARE(fromThird, Bytes(third.SettingsText()));
        QVERIFY(fromThird.contains("MYCALL THIRD\r\n"));
        QVERIFY(!fromOne.contains("THIRD"));
    }

    // Cursors of the caller's on one model: two parses into different banks and two writers,
    // none moving another or the device exchange's.
    void cursorsAreIndependent()
    {
        CSettings settings;
        settings.BeginParse();
        settings.ParseLine("BANK 1");
        ParseCursor a, b;
        settings.BeginParse(a);
        settings.BeginParse(b);
        settings.ParseLine(b, "BANK 1");
        settings.ParseLine(a, "TXD 1");
        settings.ParseLine(b, "TXD 2");
        settings.ParseLine(b, "noise");
        QCOMPARE(settings.m_bank0.txd, 1);
        QCOMPARE(settings.m_bank1.txd, 2);
        QCOMPARE(Bytes(CSettings::EndParse(a)), QByteArray("DONE : 0 ignored, 1 parsed, 1 changed"));
        QCOMPARE(Bytes(CSettings::EndParse(b)), QByteArray("DONE : 1 ignored, 1 parsed, 1 changed"));
        QCOMPARE(settings.DeviceParse().bank, 1);
        QCOMPARE(Bytes(settings.EndParse()), QByteArray("DONE : 0 ignored, 0 parsed, 0 changed"));

        WriteCursor first, second;
        CSettings::ResetWriter(first);
        CSettings::ResetWriter(second);
        settings.ResetWriter();
        QCOMPARE(Bytes(settings.NextLine(first)), QByteArray("BANK 0"));
        QCOMPARE(Bytes(settings.NextLine(first)), QByteArray("AMODE GPS"));
        QCOMPARE(Bytes(settings.NextLine(second)), QByteArray("BANK 0"));
        QCOMPARE(Bytes(settings.NextLine(first)), QByteArray("ABAUD 4800"));
        QCOMPARE(Bytes(settings.NextLine()), QByteArray("BANK 0"));
        QCOMPARE(Bytes(settings.NextLine(second)), QByteArray("AMODE GPS"));
        QCOMPARE(settings.DeviceWrite().index, 0);
    }

    void roundTripBytes()
    {
        CSettings saved;
        CBank &b = saved.m_bank1;
        b.tsymcode = '\0';
        b.tstat = std::string("\x01\xff tab\there ", 13);
        b.abaud = INT32_MIN;
        b.mycall = "%";          // a lone % reads back as the empty text
        b.tsoffset = -17;
        const QString path = Path("round.txt");
        QCOMPARE(saved.SaveFile(path.toStdString()), 0);
        QByteArray bytes = ReadFile(path);
        QCOMPARE(bytes.count("\r\n"), 200);
        QVERIFY(bytes.endsWith("LEDS TRUE\r\n"));
        QVERIFY(!bytes.contains("\r\n\r\n"));

        CSettings settings;
        std::string summary;
        QCOMPARE(settings.LoadFile(path.toStdString(), &summary), 0);
        QCOMPARE(Bytes(summary), QByteArray("DONE : 0 ignored, 198 parsed, 5 changed"));
        QCOMPARE(settings.m_bank1.tsymcode, '\0');
        QCOMPARE(Bytes(settings.m_bank1.tstat), Bytes(saved.m_bank1.tstat));
        QCOMPARE(settings.m_bank1.abaud, INT32_MIN);
        QCOMPARE(settings.m_bank1.mycall, std::string());
        QCOMPARE(settings.m_bank1.tsoffset, -17);
        QCOMPARE(Bytes(settings.SettingsText()).replace("MYCALL %", "MYCALL x"),
                 bytes.replace("MYCALL %", "MYCALL x"));
    }

    void startStateLoadCounts()
    {
        CSettings settings;
        const QString path = Path("defaults.txt");
        QCOMPARE(settings.SaveFile(path.toStdString()), 0);
        std::string summary;
        QCOMPARE(settings.LoadFile(path.toStdString(), &summary), 0);
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
        CSettings settings;
        std::string got;
        QCOMPARE(settings.LoadFile(path.toStdString(), &got), 0);
        QCOMPARE(Bytes(got), summary);
        QCOMPARE(settings.GetBank(), 0);
        QCOMPARE(settings.m_bank1.mycall, std::string("A"));
        QCOMPARE(settings.m_bank1.abaud, 1);
        QCOMPARE(settings.m_bank1.txd, 2);
        QCOMPARE(settings.m_bank0.mycall, std::string("NOCALL"));
    }

    void fileWithoutBankLinesChangesCurrentBank()
    {
        const QString path = Path("nobank.txt");
        WriteFile(path, "MYCALL B1\r\n");
        CSettings settings;
        settings.SetBank(1);
        QCOMPARE(settings.LoadFile(path.toStdString()), 0);
        QCOMPARE(settings.m_bank1.mycall, std::string("B1"));
        QCOMPARE(settings.m_bank0.mycall, std::string("NOCALL"));
        QCOMPARE(settings.GetBank(), 1);
    }

    void loadDuringDeviceParseLeavesItAlone()
    {
        const QString path = Path("during.txt");
        WriteFile(path, "BANK 0\r\nMYCALL FILE\r\njunk\r\n");
        CSettings settings;
        settings.BeginParse();
        settings.ParseLine("BANK 1\r");
        settings.ParseLine("TXD 5\r");
        settings.ParseLine("noise\r");
        std::string summary;
        QCOMPARE(settings.LoadFile(path.toStdString(), &summary), 0);
        QCOMPARE(Bytes(summary), QByteArray("DONE : 1 ignored, 1 parsed, 1 changed"));
        settings.ParseLine("QUIET 3\r");       // still goes to the read's bank 1
        QCOMPARE(Bytes(settings.EndParse()), QByteArray("DONE : 1 ignored, 2 parsed, 2 changed"));
        QCOMPARE(settings.m_bank1.quiet, 3);
        QCOMPARE(settings.m_bank0.quiet, 10);
        QCOMPARE(settings.m_bank0.mycall, std::string("FILE"));
    }

    void saveDuringDeviceWriteLeavesItAlone()
    {
        CSettings settings;
        settings.ResetWriter();
        for (int i = 0; i < 50; ++i)
            settings.NextLine();
        QCOMPARE(settings.SaveFile(Path("mid.txt").toStdString()), 0);
        QCOMPARE(Bytes(settings.SettingsText()), Golden("banks-defaults.txt"));
        QCOMPARE(Bytes(settings.NextLine()), QByteArray("BPERIOD 0"));
    }

    void unopenablePaths()
    {
        // A device read under way keeps its counts through loads that fail.
        CSettings settings;
        settings.BeginParse();
        settings.ParseLine("junk");
        settings.ParseLine("TXD 3");
        QCOMPARE(settings.LoadFile(Path("missing.txt").toStdString()), 1);
        QCOMPARE(settings.LoadFile(m_dir.path().toStdString()), 1);  // a folder
        QCOMPARE(Counts(settings.DeviceParse()), QList<int>({1, 1, 1}));
        QCOMPARE(settings.SaveFile(Path("no/such/dir/x.txt").toStdString()), 1);
        QCOMPARE(settings.SaveFile(m_dir.path().toStdString()), 1);
    }

    // Files that are not regular files are refused at once, without waiting for a writer
    // (a FIFO) or reading without end (/dev/zero); the banks stay as they were.
    void nonRegularFilesRefused_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("reason");
        QTest::newRow("folder") << m_dir.path() << QByteArray("is a folder, not a file");
#ifdef Q_OS_UNIX
        QTest::newRow("fifo") << QString("fifo") << QByteArray("is not a regular file");
        QTest::newRow("dev zero") << QString("/dev/zero") << QByteArray("is not a regular file");
#endif
        QTest::newRow("missing") << QString("missing.txt") << QByteArray("No such file or directory");
    }

    void nonRegularFilesRefused()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, reason);
#ifdef Q_OS_UNIX
        if (path == "fifo") {
            path = Path("fifo");
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else
#endif
        if (!path.startsWith('/')) {
            path = m_dir.filePath(path);
        }
        CSettings settings;
        settings.m_bank0.mycall = "KEEP";
        std::string why;
        QCOMPARE(settings.LoadFile(path.toStdString(), nullptr, &why), 1);
        QCOMPARE(Bytes(why), reason);
        QCOMPARE(settings.m_bank0.mycall, std::string("KEEP"));
    }

    // A read that fails midway fails the load (2) and changes nothing: /proc/self/mem is a
    // regular file whose first bytes cannot be read.
    void readErrorChangesNothing()
    {
        CSettings settings;
        settings.m_bank1.txd = 77;
        std::string why;
        QCOMPARE(settings.LoadFile("/proc/self/mem", nullptr, &why), 2);
        QVERIFY(!why.empty());
        QCOMPARE(settings.m_bank1.txd, 77);
        QCOMPARE(settings.SettingsText(), [] { CSettings s; s.m_bank1.txd = 77; return s.SettingsText(); }());
    }

    // A line beyond 64 KiB is dropped and counted as ignored; the lines around it load, and the
    // memory used does not grow with the line.
    void overlongLineIgnored()
    {
        const QString path = Path("long.txt");
        QByteArray content = "MYCALL K1ABC\r\nBTEXT ";
        content += QByteArray(3 * 1024 * 1024, 'x');
        content += "\r\nTXD 5\nBANK 1\nALIAS1 ";
        content += QByteArray(64 * 1024 - 7, 'y');  // 64 KiB with its key: still taken
        content += "\n";
        WriteFile(path, content);
        CSettings settings;
        std::string summary;
        QCOMPARE(settings.LoadFile(path.toStdString(), &summary), 0);
        QCOMPARE(Bytes(summary), QByteArray("DONE : 1 ignored, 3 parsed, 3 changed"));
        QCOMPARE(settings.m_bank0.mycall, std::string("K1ABC"));
        QCOMPARE(settings.m_bank0.btext, CSettings().m_bank0.btext);
        QCOMPARE(settings.m_bank0.txd, 5);
        QCOMPARE(settings.m_bank1.alias1.size(), size_t(64 * 1024 - 7));
    }

    // A save that fails part-way (here: the file-size limit, as a full disk would) reports 1 and
    // leaves the old file exactly as it was.
    void failedSaveKeepsOldFile()
    {
#ifndef Q_OS_UNIX
        QSKIP("the file-size limit is POSIX");
#else
        const QString path = Path("keep.txt");
        WriteFile(path, "OLD\r\n");
        const CSettings settings;
        struct rlimit old;
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
        auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = old;
        small.rlim_cur = 1000;  // a settings file is about 3 KB
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const int result = settings.SaveFile(path.toStdString());
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
        QCOMPARE(result, 1);
        QCOMPARE(ReadFile(path), QByteArray("OLD\r\n"));
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files).filter("keep").size(), 1);
#endif
    }
};

QTEST_GUILESS_MAIN(TestSettingsText)
#include "tst_settingstext.moc"
