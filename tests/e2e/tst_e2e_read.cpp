// rezar-cli read against rezar-sim.

#include "e2e/E2eHarness.h"

#include <QtTest>

class TestE2eRead : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    QString File(const char *name, const QByteArray &bytes) { return WriteFile(m_dir.filePath(name), bytes); }

private slots:
    void readReturnsTheBanksExactly()
    {
        const QString settings = File("odd.txt", kOddSettings);
        const QByteArray expected = Golden("banks-odd.txt");
        const QString out = m_dir.filePath("read.txt");

        CSimProcess sim;
        QString port;
        QVERIFY(StartSim(sim, m_dir, {"--settings", settings}, port));
        CliRun r = RunCli({"read", port, "-o", out});
        QVERIFY2(r.exitCode == 0, r.err);
        QVERIFY2(r.err.contains("Opened Com port " + port.toLocal8Bit() + " - cycle QWN power\n"), r.err);
        QVERIFY2(r.err.contains("Read Complete\nDONE : 0 ignored, 198 parsed, 5 changed\n"), r.err);
        QCOMPARE(ReadFile(out), expected);

        // Again, to standard output: the device powers up anew for each operation.
        r = RunCli({"read", port});
        QVERIFY2(r.exitCode == 0, r.err);
        QCOMPARE(r.out, expected);
        // "-o -" is standard output too, the messages staying on stderr.
        const CliRun dash = RunCli({"read", port, "-o", "-"});
        QVERIFY2(dash.exitCode == 0, dash.err);
        QCOMPARE(dash.out, expected);
        QCOMPARE(dash.err, r.err);
        QCOMPARE(sim.Log().count("power on"), 3);
    }

    // diff --device: the device's banks, read as read reads them (and kept in the history),
    // against a file or the defaults, with diff's output and exit status.
    void diffWithTheDevice_data()
    {
        QTest::addColumn<QStringList>("simArgs");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<int>("kept");
        const QStringList sim{"--settings", "FILE"};
        QTest::newRow("same as the file") << sim << QStringList{"FILE"} << QByteArray() << 0 << QByteArray() << 1;
        QTest::newRow("the defaults") << sim << QStringList() << QByteArray() << 1 << QByteArray("0\ttxd\t45\t30\n") << 1;
        QTest::newRow("stdin") << sim << QStringList{"-"} << QByteArray("TXD 46\r\n") << 1
                               << QByteArray("0\ttxd\t45\t46\n") << 1;
        QTest::newRow("--no-history") << sim << QStringList{"FILE", "--no-history"} << QByteArray() << 0 << QByteArray() << 0;
        QTest::newRow("listing ended early") << sim + QStringList{"--pause-after", "50"} << QStringList{"FILE"} << QByteArray()
                                             << 2 << QByteArray() << 0;
    }
    void diffWithTheDevice()
    {
        QFETCH(QStringList, simArgs);
        QFETCH(QStringList, args);
        QFETCH(QByteArray, input);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, out);
        QFETCH(int, kept);
        const QString file = File("device.txt", "TXD 45\r\n");
        const QDir history(TestDataHome() + "/Quillwren/rezar-config/history");
        const qsizetype before = history.entryList(QDir::Files).size();
        CSimProcess sim;
        QString port;
        QVERIFY(StartSim(sim, m_dir, simArgs.replaceInStrings("FILE", file), port));
        const CliRun r = RunCli(QStringList{"diff", "--device", port} + args.replaceInStrings("FILE", file), 60000, input);
        QCOMPARE(r.exitCode, exitCode);
        QCOMPARE(r.out, out);
        QVERIFY2(r.err.contains("Read Complete\nDONE : 0 ignored, "), r.err);
        QCOMPARE(r.err.endsWith("nothing compared\n"), exitCode == 2);
        QCOMPARE(history.entryList(QDir::Files).size(), before + kept);
    }

    void noiseBetweenTheLinesIsIgnored()
    {
        CSimProcess sim;
        QString port;
        QVERIFY(StartSim(sim, m_dir, {"--noise"}, port));
        const CliRun r = RunCli({"read", port});
        QVERIFY2(r.exitCode == 0, r.err);
        QCOMPARE(r.out, Golden("banks-defaults.txt"));
        QVERIFY(sim.WaitForLog("noise lines", 1000));
        const QRegularExpressionMatch noise =
            QRegularExpression("200 lines, (\\d+) noise lines").match(QString::fromLatin1(sim.Log()));
        QVERIFY(noise.hasMatch());
        const QByteArray summary = "DONE : " + noise.captured(1).toLatin1() + " ignored, 198 parsed, 0 changed";
        QVERIFY2(r.err.contains(summary), r.err);
    }

    void pauseEndsTheReadEarly_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("--partial") << QStringList{"--partial"} << 0;
        QTest::newRow("--partial -o") << QStringList{"--partial", "-o", "OUT"} << 0;
        QTest::newRow("refused") << QStringList{} << 1;
        QTest::newRow("refused -o") << QStringList{"-o", "OUT"} << 1;
    }
    void pauseEndsTheReadEarly()
    {
        QFETCH(QStringList, options);
        QFETCH(int, exitCode);
        // GALT comes before the pause, MYCALL after it: 50 lines are "BANK 0" and 49 settings.
        const QString settings = File("early.txt", "AMODE NMEA\r\nGALT 5\r\nMYCALL K1ABC\r\n");
        const QString out = File("early-out.txt", "KEEP ME\r\n");
        CSimProcess sim;
        QString port;
        QVERIFY(StartSim(sim, m_dir, {"--settings", settings, "--pause-after", "50"}, port));
        const CliRun r = RunCli(QStringList{"read", port} + options.replaceInStrings("OUT", out));
        QCOMPARE(r.exitCode, exitCode);
        QVERIFY2(r.err.contains("Read Complete\nDONE : 0 ignored, 49 parsed, 2 changed"), r.err);
        QVERIFY2(r.err.contains("149 settings not received\n"), r.err);
        const QByteArray kept = options.contains(out) ? ReadFile(out) : r.out;
        if (exitCode == 0) {
            QCOMPARE(kept, Golden("banks-read-early.txt"));
        } else {
            QCOMPARE(kept, options.contains(out) ? QByteArray("KEEP ME\r\n") : QByteArray());
            QVERIFY2(r.err.endsWith("rezar-cli: the listing ended early: 49 of 198 settings received; "
                                    "nothing kept (--partial keeps them)\n"), r.err);
        }
    }

    void busyPortFailsToOpen()
    {
        // A sim that waits for Enter never answers, so the first tool holds the port.
        CSimProcess sim;
        QString port;
        QVERIFY(StartSim(sim, m_dir, {"--manual"}, port));
        QProcess first;
        first.start(REZAR_BUILD_DIR "/rezar-cli", {"--timeout", "3", "read", port});
        QVERIFY(sim.WaitForLog("port opened", 5000));

        const CliRun second = RunCli({"read", port});
        QCOMPARE(second.exitCode, 1);
        QVERIFY2(second.err.contains("Failed to open Com port " + port.toLocal8Bit() + "\n"), second.err);
        QVERIFY(second.out.isEmpty());

        QVERIFY(first.waitForFinished(10000));
        QCOMPARE(first.exitCode(), 3);  // it gave up waiting for the device, as asked
    }
};

QTEST_GUILESS_MAIN(TestE2eRead)
#include "tst_e2e_read.moc"
