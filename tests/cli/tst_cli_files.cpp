#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out, err;
};

// Runs rezar-cli with `input` on its stdin; stdout goes to `stdoutFile` when one is given (such
// as /dev/full).
Run Cli(const QStringList &args, const QString &stdoutFile = QString(), const QByteArray &input = {})
{
    QProcess p;
    if (!stdoutFile.isEmpty())
        p.setStandardOutputFile(stdoutFile);
    p.start(REZAR_BUILD_DIR "/rezar-cli", args);
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(30000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

// A settings text checked in under tests/data.
QByteArray Golden(const char *name)
{
    QFile f(QStringLiteral(REZAR_TEST_DATA "/") + QLatin1String(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestCliFiles : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    QString Write(const char *name, const QByteArray &bytes)
    {
        QFile f(m_dir.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return f.fileName();
    }

private slots:
    void initTestCase()
    {
        // Never the user's own history.
        qputenv("XDG_DATA_HOME", m_dir.filePath("data").toLocal8Bit());
    }

    void defaults()
    {
        const Run r = Cli({"defaults"});
        QCOMPARE(r.exitCode, 0);
        const QList<QByteArray> lines = r.out.split('\n');
        QCOMPARE(lines.size(), 201);  // 200 lines and the empty rest after the last LF
        for (int i = 0; i < 200; ++i)
            QVERIFY2(lines[i].endsWith('\r'), lines[i]);
        QVERIFY(r.out.startsWith("BANK 0\r\nAMODE GPS\r\nABAUD 4800\r\n"));
        QCOMPARE(lines[100], QByteArray("BANK 1\r"));
        QCOMPARE(r.out, Golden("banks-defaults.txt"));
    }

    void loadAppliesFilesInOrder()
    {
        const QString a = Write("a.txt", "BANK 1\r\nMYCALL K1ABC\r\nTXD 40\r\nnonsense\r\n");
        const QString b = Write("b.txt", "BANK 1\nTXD 50\nTSYMCODE \0\n");
        const Run r = Cli({"load", a, b});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.err.contains("DONE : 1 ignored, 2 parsed, 2 changed"));
        QVERIFY(r.err.contains("DONE : 0 ignored, 2 parsed, 2 changed"));
        QVERIFY(r.out.contains("BANK 1\r\n"));
        const qsizetype bank1 = r.out.indexOf("BANK 1");
        QVERIFY(r.out.indexOf("MYCALL K1ABC") > bank1);
        QVERIFY(r.out.indexOf("TXD 50") > bank1);
        QVERIFY(r.out.contains(QByteArray("TSYMCODE \0\r\n", 12)));
        QCOMPARE(r.out.count("MYCALL NOCALL"), 1);  // bank 0 kept its default

        // Exactly the defaults but for those three lines of bank 1.
        QByteArray expected = Golden("banks-defaults.txt");
        const qsizetype bank1Expected = expected.indexOf("BANK 1\r\n");
        QVERIFY(bank1Expected > 0);
        QByteArray tail = expected.mid(bank1Expected);
        tail.replace("MYCALL NOCALL\r\n", "MYCALL K1ABC\r\n")
            .replace("TXD 30\r\n", "TXD 50\r\n")
            .replace("TSYMCODE >\r\n", QByteArray("TSYMCODE \0\r\n", 12));
        expected = expected.left(bank1Expected) + tail;
        QCOMPARE(r.out, expected);
    }

    // diff exits as diff(1) does: 0 the same, 1 different, 2 trouble; "-" is standard input.
    void diff_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("out");
        const QByteArray a = "BANK 1\r\nMYCALL K1ABC\r\nALIAS2 WIDE\r\n";
        const QByteArray b = "BANK 1\r\nMYCALL K1ABC\r\nBANK 0\r\nTXD 7\r\n";
        const QByteArray aDefaults = "1\talias2\tWIDE\t%\n1\tmycall\tK1ABC\tNOCALL\n";
        const QByteArray aB = "0\ttxd\t30\t7\n1\talias2\tWIDE\t%\n";
        QTest::newRow("A, defaults") << QStringList{"diff", "A"} << QByteArray() << 1 << aDefaults;
        QTest::newRow("A, B") << QStringList{"diff", "A", "B"} << QByteArray() << 1 << aB;
        QTest::newRow("A, A") << QStringList{"diff", "A", "A"} << QByteArray() << 0 << QByteArray();
        QTest::newRow("-, B") << QStringList{"diff", "-", "B"} << a << 1 << aB;
        QTest::newRow("A, -") << QStringList{"diff", "A", "-"} << b << 1 << aB;
        QTest::newRow("B missing") << QStringList{"diff", "A", "/nonexistent/b.txt"} << QByteArray() << 2 << QByteArray();
        QTest::newRow("two -") << QStringList{"diff", "-", "-"} << a << 2 << QByteArray();
        QTest::newRow("--device elsewhere") << QStringList{"load", "A", "--device", "COM1"} << QByteArray() << 2 << QByteArray();
        QTest::newRow("--no-history, no --device") << QStringList{"diff", "A", "--no-history"} << QByteArray() << 2
                                                   << QByteArray();
    }
    void diff()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, input);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, out);
        args.replaceInStrings(QRegularExpression("^A$"), Write("da.txt", "BANK 1\r\nMYCALL K1ABC\r\nALIAS2 WIDE\r\n"));
        args.replaceInStrings(QRegularExpression("^B$"), Write("db.txt", "BANK 1\r\nMYCALL K1ABC\r\nBANK 0\r\nTXD 7\r\n"));
        const Run r = Cli(args, {}, input);
        QCOMPARE(r.exitCode, exitCode);
        QCOMPARE(r.out, out);
        QCOMPARE(r.err.isEmpty(), exitCode != 2);  // trouble says why, on one line
        QVERIFY2(r.err.count('\n') <= 1, r.err);
    }

    // "-" is standard input, read up to 16 MiB: a stream has no size to check first.
    void loadFromStandardInput_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("err");
        const QByteArray txd = "TXD 7\r\n";
        const QByteArray bound = QByteArray(16 * 1024 * 1024 - txd.size(), '\n') + txd;
        QTest::newRow("load -") << QStringList{"load", "-"} << txd << 0 << QByteArray("-: DONE : 0 ignored, 1 parsed, 1 changed\n");
        QTest::newRow("16 MiB") << QStringList{"load", "-"} << bound << 0 << QByteArray("-: DONE : 0 ignored, 1 parsed, 1 changed\n");
        QTest::newRow("16 MiB and a byte") << QStringList{"load", "-"} << "\n" + bound << 1
                                           << QByteArray("rezar-cli: cannot read standard input: more than 16 MiB, no settings text\n");
        QTest::newRow("twice") << QStringList{"load", "-", "-"} << txd << 2
                               << QByteArray("rezar-cli: only one - can read standard input (see rezar-cli --help)\n");
    }
    void loadFromStandardInput()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, input);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, err);
        const Run r = Cli(args, {}, input);
        QCOMPARE(r.exitCode, exitCode);
        QVERIFY2(r.err.endsWith(err), r.err);
        QCOMPARE(r.out.contains("\nTXD 7\r\n"), exitCode == 0);
    }

    // keys selects as the window's search does (key, label, help or default, case ignored).
    void keys_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("keys");  // the first column of the rows, by blanks
        QTest::newRow("by key") << "SBT" << QByteArray("sbtangle sbtslope sbttime");
        QTest::newRow("by label") << "turn slope" << QByteArray("sbtslope");
        QTest::newRow("by help word") << "Tones" << QByteArray("cdmode cdlevel txtwist");
        QTest::newRow("by default") << "nocall" << QByteArray("mycall");
        QTest::newRow("nothing") << "bootloader" << QByteArray();
    }
    void keys()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, keys);
        const Run r = Cli({"keys", text});
        QCOMPARE(r.exitCode, keys.isEmpty() ? 1 : 0);  // like grep
        QByteArrayList found;
        for (const QByteArray &row : r.out.split('\n').mid(0, r.out.count('\n')))
            found << row.left(row.indexOf('\t'));
        QCOMPARE(found.join(' '), keys);
    }

    void keysAll()
    {
        const Run r = Cli({"keys"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out.count('\n'), 99);
        for (const QByteArray &row : r.out.trimmed().split('\n'))
            QVERIFY2(row.count('\t') == 4, row);
        QVERIFY(r.out.startsWith("amode\tstring\tGPS\tPorts\tMode (AMODE)\n"));
        QVERIFY(r.out.contains("\nalias2\tstring\t%\tBeacon / Digipeater\t"));
        QVERIFY(r.out.contains("\ntsymcode\tcharacter\t>\tPosition\tCode (TSYMCODE)\n"));
        QVERIFY(r.out.contains("\nleds\tboolean\tTRUE\tDisplay\tEnable LEDs (LEDS)\n"));
    }

    void help_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QByteArray>("err");
        QTest::newRow("with unit, any case")
            << "mTxD" << 0
            << QByteArray("Key:     mtxd\nType:    integer\nDefault: 10\nPage:    Packet\n"
                          "Label:   Man TX Delay (MTXD)\nUnit:    bytes\nHelp:    The manual TX delay, counted in bytes.\n")
            << QByteArray();
        QTest::newRow("without unit")
            << "leds" << 0
            << QByteArray("Key:     leds\nType:    boolean\nDefault: TRUE\nPage:    Display\n"
                          "Label:   Enable LEDs (LEDS)\nHelp:    When checked, the device uses its LEDs.\n")
            << QByteArray();
        QTest::newRow("slips") << "sbperiod" << 1 << QByteArray()
                               << QByteArray("rezar-cli: no setting sbperiod\ndid you mean: sbsperiod, sbfperiod, bperiod\n");
        QTest::newRow("a key as prefix") << "TXDELAY" << 1 << QByteArray()
                                         << QByteArray("rezar-cli: no setting TXDELAY\ndid you mean: txd\n");
        QTest::newRow("nothing near") << "qqqqqq" << 1 << QByteArray() << QByteArray("rezar-cli: no setting qqqqqq\n");
    }
    void help()
    {
        QFETCH(QString, key);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, out);
        QFETCH(QByteArray, err);
        const Run r = Cli({"help", key});
        QCOMPARE(r.exitCode, exitCode);
        QCOMPARE(r.out, out);
        QCOMPARE(r.err, err);
    }

    // A long help is wrapped within 79 columns, its further lines under the first.
    void helpWraps()
    {
        const QByteArray out = Cli({"help", "location"}).out;
        const QByteArrayList lines = out.mid(out.indexOf("\nHelp:") + 1).trimmed().split('\n');
        QVERIFY(lines.size() >= 3);
        for (const QByteArray &line : lines) {
            QVERIFY2(line.size() <= 79, line);
            QVERIFY2(line.startsWith("Help:    ") || (line.startsWith("         ") && line[9] != ' '), line);
        }
    }

    // changed keeps both headers and the lines that differ, and loads back to what FILE gives.
    void changedLoadsBackTheSame()
    {
        const QString file = Write("profile.txt", QByteArrayLiteral("BANK 1\r\nMYCALL K1ABC\r\nTXD 40\r\nnonsense\r\n"
                                                                    "BANK 0\r\nTSYMCODE \0\r\nALIAS2 WIDE\r\nMYCALL NOCALL\r\n"));
        const Run r = Cli({"changed", file});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QByteArrayLiteral("BANK 0\r\nTSYMCODE \0\r\nALIAS2 WIDE\r\nBANK 1\r\nMYCALL K1ABC\r\nTXD 40\r\n"));
        QCOMPARE(r.err, file.toLocal8Bit() + ": DONE : 1 ignored, 5 parsed, 4 changed\n");
        QCOMPARE(Cli({"load", Write("changed.txt", r.out)}).out, Cli({"load", file}).out);
        QCOMPARE(Cli({"changed", Write("none.txt", "TXD 30\r\n")}).out, QByteArray("BANK 0\r\nBANK 1\r\n"));
    }

    void errors_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("no command") << QStringList() << 2 << QByteArray("no command");
        QTest::newRow("unknown command") << QStringList{"frob"} << 2 << QByteArray("unknown command frob");
        QTest::newRow("unknown option") << QStringList{"--frob", "defaults"} << 2 << QByteArray("unknown option --frob");
        QTest::newRow("load nothing") << QStringList{"load"} << 2 << QByteArray("load needs");
        QTest::newRow("diff three") << QStringList{"diff", "a", "b", "c"} << 2 << QByteArray("diff needs");
        QTest::newRow("defaults arg") << QStringList{"defaults", "x"} << 2 << QByteArray("no arguments");
        QTest::newRow("bad timeout") << QStringList{"--timeout", "soon", "defaults"} << 2 << QByteArray("--timeout");
        QTest::newRow("missing file") << QStringList{"load", "/nonexistent/x.txt"} << 1 << QByteArray("/nonexistent/x.txt");
        QTest::newRow("diff missing") << QStringList{"diff", "/nonexistent/y.txt"} << 2 << QByteArray("/nonexistent/y.txt");
        QTest::newRow("load a folder") << QStringList{"load", "/tmp"} << 1
                                       << QByteArray("rezar-cli: cannot open /tmp: is a folder, not a file\n");
#ifdef Q_OS_UNIX
        QTest::newRow("load a device") << QStringList{"load", "/dev/zero"} << 1
                                       << QByteArray("rezar-cli: cannot open /dev/zero: is not a regular file\n");
        QTest::newRow("diff a device") << QStringList{"diff", "/dev/null"} << 2
                                       << QByteArray("rezar-cli: cannot open /dev/null: is not a regular file\n");
#endif
        QTest::newRow("partial not read") << QStringList{"--partial", "load", "x"} << 2
                                          << QByteArray("--partial belongs to read");
        QTest::newRow("verify not write") << QStringList{"read", "COM1", "--verify"} << 2
                                          << QByteArray("--verify belongs to write");
        QTest::newRow("no history for flash") << QStringList{"flash", "COM1", "fw", "--no-history"} << 2
                                              << QByteArray("--no-history belongs to read, write and diff --device");
        QTest::newRow("history takes nothing") << QStringList{"history", "x"} << 2
                                               << QByteArray("history takes no arguments");
        QTest::newRow("keys two texts") << QStringList{"keys", "a", "b"} << 2 << QByteArray("keys takes at most one TEXT");
        QTest::newRow("help no key") << QStringList{"help"} << 2 << QByteArray("help needs one KEY");
        QTest::newRow("changed two") << QStringList{"changed", "a", "b"} << 2 << QByteArray("changed needs one FILE");
        QTest::newRow("changed missing") << QStringList{"changed", "/nonexistent/z.txt"} << 1
                                         << QByteArray("/nonexistent/z.txt");
    }

    void errors()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, message);
        const Run r = Cli(args);
        QCOMPARE(r.exitCode, exitCode);
        QVERIFY2(r.err.contains(message), r.err);
        QCOMPARE(r.err.count('\n'), 1);  // one line
        QVERIFY(r.out.isEmpty());
    }

    // A FIFO named on the command line is read as asked, once its writer comes (the window
    // refuses one: tst_settingstext).
    void loadReadsAFifo()
    {
#ifndef Q_OS_UNIX
        QSKIP("FIFOs are POSIX");
#else
        const QString fifo = m_dir.filePath("fifo");
        QCOMPARE(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
        QProcess cli;
        cli.start(REZAR_BUILD_DIR "/rezar-cli", {"diff", fifo});
        QFile writer(fifo);
        QVERIFY(writer.open(QIODevice::WriteOnly));  // waits for the reader
        writer.write("TXD 7\r\n");
        writer.close();
        QVERIFY(cli.waitForFinished(30000));
        QCOMPARE(cli.exitCode(), 1);
        QCOMPARE(cli.readAllStandardOutput(), QByteArray("0\ttxd\t7\t30\n"));
#endif
    }

    // A line beyond the bound is dropped and counted; the lines around it still count.
    void loadOfAHugeLineDropsIt()
    {
        const QString huge = Write("huge.txt", "MYCALL K1ABC\r\nBTEXT " + QByteArray(200 * 1024, 'x') + "\r\nTXD 7\r\n");
        const Run r = Cli({"load", huge});
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.err.contains("DONE : 1 ignored, 2 parsed, 2 changed"), r.err);
        QVERIFY(r.out.contains("MYCALL K1ABC\r\n"));
        QVERIFY(!r.out.contains("xxxx"));
    }

    // Output that does not get out is a failure, never a silent success.
    void fullOutputFails_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("failed");
        QTest::addColumn<int>("done");
        QTest::newRow("defaults") << QStringList{"defaults"} << 1 << 0;
        QTest::newRow("load") << QStringList{"load", "FILE"} << 1 << 0;
        QTest::newRow("diff") << QStringList{"diff", "FILE"} << 2 << 1;  // trouble; they differ
        QTest::newRow("keys") << QStringList{"keys"} << 1 << 0;
        QTest::newRow("changed") << QStringList{"changed", "FILE"} << 1 << 0;
    }
    void fullOutputFails()
    {
        QFETCH(QStringList, args);
        QFETCH(int, failed);
        QFETCH(int, done);
        if (!QFileInfo::exists("/dev/full"))
            QSKIP("no /dev/full");
        args.replaceInStrings("FILE", Write("full.txt", "BANK 1\r\nTXD 9\r\n"));
        const Run r = Cli(args, "/dev/full");
        QCOMPARE(r.exitCode, failed);
        QVERIFY2(r.err.endsWith("rezar-cli: cannot write standard output: No space left on device\n"), r.err);
        // The same command to a file that takes it succeeds.
        const Run good = Cli(args, m_dir.filePath("out.txt"));
        QCOMPARE(good.exitCode, done);
    }

    void historyOfNothing()
    {
#ifndef Q_OS_UNIX
        QSKIP("the history is under the user's AppData here, which XDG_DATA_HOME does not move");
#endif
        const Run r = Cli({"history"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.isEmpty());
        QCOMPARE(r.err, "0 entries, newest first, in " + m_dir.filePath("data").toLocal8Bit()
                            + "/Quillwren/rezar-config/history\n");
    }

    // A file name the locale's encoding cannot show (Latin-1 under UTF-8) is opened as typed.
    void pathAsTyped()
    {
        QProcess p;
        p.setWorkingDirectory(m_dir.path());
        p.start("sh", {"-c", R"sh(f="$(printf 'x\344.txt')"; printf 'TXD 7\r\n' > "$f"; "$0" load "$f")sh",
                       REZAR_BUILD_DIR "/rezar-cli"});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
        QVERIFY(p.readAllStandardOutput().contains("\nTXD 7\r\n"));
    }

    // Messages follow the locale; what goes to stdout for scripts never does.
    void germanMessagesSameData()
    {
        const QString file = Write("german.txt", "TXD 7\r\n");
        const Run english = Cli({"defaults"}), englishDiff = Cli({"diff", file});
        const Run englishKeys = Cli({"keys"}), englishChanged = Cli({"changed", file});
        qputenv("LANGUAGE", "de");
        const Run german = Cli({"defaults"}), germanDiff = Cli({"diff", file}), refused = Cli({"frob"});
        const Run germanKeys = Cli({"keys"}), germanChanged = Cli({"changed", file});
        const Run unknown = Cli({"help", "txdelay"});
        qputenv("LANGUAGE", "en");
        QCOMPARE(germanKeys.out, englishKeys.out);
        QCOMPARE(germanChanged.out, englishChanged.out);
        QCOMPARE(unknown.err, QByteArray("rezar-cli: keine Einstellung txdelay\nmeinten Sie: txd\n"));
        QCOMPARE(german.exitCode, 0);
        QCOMPARE(german.out, english.out);
        QVERIFY(!germanDiff.out.isEmpty());
        QCOMPARE(germanDiff.out, englishDiff.out);
        QCOMPARE(refused.exitCode, 2);
        QCOMPARE(refused.err, QByteArray("rezar-cli: unbekannter Befehl frob (siehe rezar-cli --help)\n"));
    }

    void helpAndVersion()
    {
        Run r = Cli({"--help"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.contains("rezar-cli [options] COMMAND"));
        r = Cli({"--version"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.startsWith("rezar-cli "));
    }
};

QTEST_GUILESS_MAIN(TestCliFiles)
#include "tst_cli_files.moc"
