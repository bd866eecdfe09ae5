// rezar-cli write against rezar-sim, and a line that drops in the middle of an operation.

#include "e2e/E2eHarness.h"

#include <QtTest>

class TestE2eWrite : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void writeMakesTheBanksEqualToTheFile_data()
    {
        QTest::addColumn<bool>("verify");
        QTest::addColumn<bool>("fromStdin");
        QTest::newRow("write") << false << false;
        QTest::newRow("--verify") << true << false;
        QTest::newRow("write PORT -") << false << true;
    }
    void writeMakesTheBanksEqualToTheFile()
    {
        QFETCH(bool, verify);
        QFETCH(bool, fromStdin);
        // The sim starts from other values; the tool writes the defaults with the file over them.
        const QString before = WriteFile(m_dir.filePath("before.txt"), "BANK 1\r\nMYCALL SIMCALL\r\nTXD 99\r\n");
        const QByteArray file = kOddSettings + "BANK 0\r\nALIAS2 WIDE2-2\r\nBANK 1\r\nLEDS FALSE\r\n";
        const QString path = WriteFile(m_dir.filePath("write.txt"), file);
        const QString dump = m_dir.filePath("dump.txt");
        const QByteArray expected = Golden("banks-written.txt");

        CSimProcess sim;
        QString port;
        QVERIFY(StartSim(sim, m_dir, {"--settings", before, "--dump", dump}, port));
        const QString named = fromStdin ? "-" : path;
        const CliRun r = RunCli(verify ? QStringList{"write", port, named, "--verify"} : QStringList{"write", port, named},
                                60000, fromStdin ? file : QByteArray());
        QVERIFY2(r.exitCode == 0, r.err);
        QVERIFY2(r.err.contains("Write Complete\n"), r.err);
        // The read-back agrees, and says so; a plain write ends with the device's last word.
        QVERIFY2(r.err.endsWith(verify ? "Write Complete\nVerified: the device holds what was written\n"
                                       : "Write Complete\n"), r.err);
        QVERIFY(r.out.isEmpty());
        QVERIFY(sim.WaitForLog("banks written to", 3000));
        QCOMPARE(ReadFile(dump), expected);
    }

    void hangUpLosesTheConnection_data()
    {
        QTest::addColumn<QStringList>("command");
        QTest::addColumn<QString>("lines");
        QTest::newRow("read") << QStringList{"read"} << "1";  // hangs up on "EXPORT"
        QTest::newRow("write") << QStringList{"write", "settings"} << "20";
    }

    void hangUpLosesTheConnection()
    {
        QFETCH(QStringList, command);
        QFETCH(QString, lines);
        const QString settings = WriteFile(m_dir.filePath("settings.txt"), kOddSettings);
        CSimProcess sim;
        QString port;
        QVERIFY(StartSim(sim, m_dir, {"--hangup-after", lines}, port));
        QStringList args = command;
        args.insert(1, port);
        args.replaceInStrings(QRegularExpression("^settings$"), settings);

        const CliRun r = RunCli(args, 30000);
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains("Lost connection on Com port " + port.toLocal8Bit() + "\n"), r.err);
        QVERIFY2(!r.err.contains("Complete"), r.err);
        QVERIFY(r.out.isEmpty());
        QCOMPARE(sim.WaitForExit(5000), 0);
    }
};

QTEST_GUILESS_MAIN(TestE2eWrite)
#include "tst_e2e_write.moc"
