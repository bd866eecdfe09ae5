// rezar-cli flash against rezar-sim's bootloader.

#include "e2e/E2eHarness.h"

#include <QtTest>

class TestE2eFlash : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void flashDeliversTheExactBytes_data()
    {
        QTest::addColumn<QString>("chip");
        QTest::addColumn<QByteArray>("found");
        QTest::newRow("1284") << "1284" << QByteArray("| Found 1284 based Quillwren - Quillwren v1.2c bootloader\n");
        QTest::newRow("644") << "644" << QByteArray("| Found 644 based Quillwren - Quillwren v1.2b bootloader\n");
    }

    void flashDeliversTheExactBytes()
    {
        QFETCH(QString, chip);
        QFETCH(QByteArray, found);
        // Several 2048-byte chunks, the last one short.
        const QByteArray firmware = MakeFirmware(5000);
        const QString path = WriteFile(m_dir.filePath("firmware.qwn"), firmware);
        const QString kept = m_dir.filePath("kept-" + chip + ".hex");

        CSimProcess sim;
        QString port;
        QVERIFY(StartSim(sim, m_dir, {"--chip", chip, "--firmware-out", kept}, port));
        const CliRun r = RunCli({"-v", "flash", port, path});
        QVERIFY2(r.exitCode == 0, r.err);
        QVERIFY2(r.err.contains(found), r.err);
        QVERIFY2(r.err.contains("Erasing Code\n") && r.err.contains("Erase Complete\n"), r.err);
        QVERIFY2(r.err.contains("Firmware update complete\n"), r.err);
        QVERIFY(sim.WaitForLog("port closed", 5000));
        QCOMPARE(ReadFile(kept), firmware);
    }

    void badRecordFails()
    {
        QByteArray firmware = MakeFirmware(5000);
        // The checksum's last digit of a record in the second chunk.
        const qsizetype record = firmware.indexOf(":", 3000);
        const qsizetype digit = firmware.indexOf("\r\n", record) - 1;
        firmware[digit] = firmware[digit] == '0' ? '1' : '0';
        const QString path = WriteFile(m_dir.filePath("bad.qwn"), firmware);

        CSimProcess sim;
        QString port;
        QVERIFY(StartSim(sim, m_dir, {}, port));
        const CliRun r = RunCli({"flash", port, path});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains("Firmware update Error C\n"), r.err);
        QVERIFY2(!r.err.contains("Firmware update complete"), r.err);
        QVERIFY(sim.WaitForLog("bad checksum, answered C", 1000));
    }
};

QTEST_GUILESS_MAIN(TestE2eFlash)
#include "tst_e2e_flash.moc"
