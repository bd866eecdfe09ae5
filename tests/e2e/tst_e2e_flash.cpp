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
        QTest::addColumn<bool>("asToolsWriteIt");
        QTest::newRow("1284") << "1284" << QByteArray("| Found 1284 based Quillwren - Quillwren v1.2c bootloader\n")
                              << false;
        // Blanks before the line ends, a blank line and a DOS end-of-file mark, sent as they are.
        QTest::newRow("644, file as tools write it")
            << "644" << QByteArray("| Found 644 based Quillwren - Quillwren v1.2b bootloader\n") << true;
    }

    void flashDeliversTheExactBytes()
    {
        QFETCH(QString, chip);
        QFETCH(QByteArray, found);
        QFETCH(bool, asToolsWriteIt);
        // Several 2048-byte chunks, the last one short.
        QByteArray firmware = MakeFirmware(5000);
        if (asToolsWriteIt)
            firmware = firmware.replace("\r\n", " \t\r\n").insert(0, "\r\n") + "\x1A";
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

    // A broken Intel HEX file is refused with its line before the port is opened: the device is
    // never asked to erase.
    void brokenHexIsRefusedBeforeThePort()
    {
        QByteArray firmware = MakeFirmware(5000);
        // The checksum's last digit of a record in the second chunk.
        const qsizetype record = firmware.indexOf(":", 3000);
        const qsizetype digit = firmware.indexOf("\r\n", record) - 1;
        firmware[digit] = firmware[digit] == '0' ? '1' : '0';
        const QByteArray line = QByteArray::number(firmware.left(record).count('\n') + 1);
        const QString path = WriteFile(m_dir.filePath("bad.qwn"), firmware);

        CSimProcess sim;
        QString port;
        QVERIFY(StartSim(sim, m_dir, {}, port));
        const CliRun r = RunCli({"flash", port, path});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains("Not a valid firmware file " + path.toLocal8Bit() + "\n"), r.err);
        QVERIFY2(r.err.contains("line " + line + ": checksum is 0x"), r.err);
        QVERIFY2(!r.err.contains("Opened Com port"), r.err);
        QVERIFY(!sim.WaitForLog("port opened", 500));
    }

    // A file that passes the check but that the bootloader refuses ends with its error.
    void bootloaderErrorFails()
    {
        // Data beyond the 64 KiB of the 644: an extended address of 0x10000 before the records.
        const QByteArray firmware = ":020000040001F9\r\n" + MakeFirmware(5000);
        const QString path = WriteFile(m_dir.filePath("beyond.qwn"), firmware);

        CSimProcess sim;
        QString port;
        QVERIFY(StartSim(sim, m_dir, {"--chip", "644"}, port));
        const CliRun r = RunCli({"flash", port, path});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains("Firmware update Error F\n"), r.err);
        QVERIFY2(!r.err.contains("Firmware update complete"), r.err);
        QVERIFY(sim.WaitForLog("data beyond the end of the flash, answered F", 1000));
    }
};

QTEST_GUILESS_MAIN(TestE2eFlash)
#include "tst_e2e_flash.moc"
