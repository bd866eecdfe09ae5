// rezar-sim driven over its pseudo-terminal, the test standing where the tool would.

#include "sim/SimHarness.h"

#include "Settings.h"

#include <QtTest>

#include <csignal>

class TestSim : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    QString Write(const QString &name, const QByteArray &bytes) { return WriteFile(m_dir.filePath(name), bytes); }

    // Starts the sim, opens its port and goes into its menu as the tool does.
    static bool ToMenu(CSimProcess &sim, CPortEnd &port, const QStringList &args)
    {
        return sim.Start(args) && port.Open(sim.Path())
               && port.ReadUntil("Press ESC 3 times to enter").contains("Press ESC")
               && port.Write("\x1b\x1b\x1b") && port.ReadUntil("Options Menu\r\n:").endsWith("\r\n:");
    }

private slots:
    void powerUpWhenThePortOpens()
    {
        CSimProcess sim;
        QVERIFY(sim.Start({"--fast"}));
        QVERIFY(sim.WaitForLog("waiting for the tool to open the port", 2000));
        QVERIFY(!sim.Log().contains("power on"));

        CPortEnd port;
        QVERIFY(port.Open(sim.Path()));
        QCOMPARE(port.ReadUntil("?"), QByteArray("?"));
        QElapsedTimer wait;
        wait.start();
        // The bootloader gives the tool time to answer 'b' before the start-up text.
        const QByteArray startUp = port.ReadUntil("Press ESC 3 times to enter setup\r\n");
        QVERIFY2(startUp.endsWith("Press ESC 3 times to enter setup\r\n"), startUp);
        QVERIFY2(wait.elapsed() >= 400, QByteArray::number(wait.elapsed()));

        // Only three ESC bytes in a row open the menu.
        QVERIFY(port.Write("\x1b\x1bx\x1b"));
        QCOMPARE(port.ReadUntilSilent(300), QByteArray());
        QVERIFY(port.Write("\x1b\x1b\x1b"));
        const QByteArray menu = port.ReadUntil("\r\n:");
        QVERIFY2(menu.contains("Options Menu\r\n"), menu);
        QVERIFY(sim.Log().contains("menu"));
    }

    void exportListsBothBanks()
    {
        const QString settings = Write("odd.txt", kOddSettings);
        const QByteArray expected = "EXPORT\r\n" + Golden("banks-odd.txt") + ":";
        QVERIFY(expected.contains(QByteArray("TSYMCODE \0\r\n", 12)));
        QVERIFY(expected.contains("MYCALL %\r\n"));

        CSimProcess sim;
        CPortEnd port;
        QVERIFY(ToMenu(sim, port, {"--fast", "--settings", settings}));
        QVERIFY(port.Write("EXPORT\r"));
        QCOMPARE(port.ReadUntil(expected), expected);
        // A line ended by LF alone is a line too.
        QVERIFY(port.Write("EXPORT\n"));
        QCOMPARE(port.ReadUntil(expected), expected);
    }

    void menuLinesChangeTheBanks()
    {
        const QString dump = m_dir.filePath("menu-dump.txt");
        // QUIET keeps its value and ":EXPORT" is the device's own echo: neither is answered
        // nor logged as a change.
        const QByteArray sent = QByteArray("mycall k1abc\r\nBANK 1\nTXD -5\rALIAS1 %\r\nQUIET 10\r\n")
                                + QByteArray("TSYMCODE \0\r\n", 12) + "bogus\r\n:EXPORT\r\nBANK 0 \r\n";
        const QByteArray expected = Golden("banks-menu-lines.txt");

        CSimProcess sim;
        CPortEnd port;
        QVERIFY(ToMenu(sim, port, {"--fast", "--dump", dump}));
        QVERIFY(port.Write(sent + "EXPORT\r"));
        const QByteArray got = port.ReadUntil(expected + ":");
        QVERIFY2(got.endsWith("EXPORT\r\n" + expected + ":"), got);
        // Each line is echoed after the prompt; lines the menu does not know are answered.
        QVERIFY(got.startsWith("mycall k1abc\r\n:BANK 1\r\n:TXD -5\r\n:ALIAS1 %\r\n:"));
        QCOMPARE(got.count("Unknown command\r\n"), 2);

        port.Close();
        QVERIFY(sim.WaitForLog("banks written to", 3000));
        QCOMPARE(ReadFile(dump), expected);
        const QByteArray log = sim.Log();
        QVERIFY2(log.contains("bank 0: mycall NOCALL -> k1abc"), log);
        QVERIFY2(log.contains("bank 1: tsymcode > -> \\x00"), log);
        QVERIFY2(log.contains("bank 1: txd 30 -> -5"), log);
        QVERIFY2(log.contains("menu: BANK 1\n"), log);
        QVERIFY2(log.contains("menu: unknown command bogus\n"), log);
        QVERIFY2(log.contains("menu: unknown command BANK 0 \n"), log);
        QVERIFY2(!log.contains("quiet") && !log.contains("EXPORT\n"), log);
    }

    void bootloader_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("identity");
        QTest::addColumn<QByteArray>("firmware");
        QTest::addColumn<QByteArray>("answers");

        const QByteArray good = MakeFirmware(100);
        const QByteArray dots(RecordCount(good), '.');
        QByteArray badSum = good;
        badSum[good.indexOf(":", 30) - 3] = badSum[good.indexOf(":", 30) - 3] == '0' ? '1' : '0';
        QByteArray notHex = good;
        notHex[5] = 'G';
        // A record beyond 64 KiB: the upper address from a linear address record.
        const QByteArray high = ":020000040001F9\r\n" + MakeFirmware(16);

        const QStringList fast{"--fast"};
        QTest::newRow("1284") << fast << QByteArray("Quillwren v1.2c") << good << dots + '*';
        QTest::newRow("644") << QStringList{"--fast", "--chip", "644"} << QByteArray("Quillwren v1.2b") << good
                             << dots + '*';
        // At the line's pace the '*' goes out before the end record's CR LF is in.
        QTest::newRow("line pace") << QStringList() << QByteArray("Quillwren v1.2c") << good << dots + '*';
        QTest::newRow("bad checksum") << fast << QByteArray("v1.2c") << badSum << QByteArray("C");
        QTest::newRow("not a hex digit") << fast << QByteArray("v1.2c") << notHex << QByteArray("S");
        QTest::newRow("stray byte") << fast << QByteArray("v1.2c") << "x" + good << QByteArray("S");
        QTest::newRow("record cut short") << fast << QByteArray("v1.2c") << QByteArray(":10000000\r\n")
                                          << QByteArray("S");
        QTest::newRow("unknown type") << fast << QByteArray("v1.2c") << QByteArray(":00000006FA\r\n")
                                      << QByteArray("T");
        QTest::newRow("beyond 644 flash") << QStringList{"--fast", "--chip", "644"} << QByteArray("v1.2b") << high
                                          << QByteArray(".F");
        QTest::newRow("1284 has room") << fast << QByteArray("v1.2c") << high << QByteArray("..*");
    }

    void bootloader()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, identity);
        QFETCH(QByteArray, firmware);
        QFETCH(QByteArray, answers);
        const QString kept = m_dir.filePath("kept.hex");
        QFile::remove(kept);

        CSimProcess sim;
        QVERIFY(sim.Start(args + QStringList{"--firmware-out", kept}));
        CPortEnd port;
        QVERIFY(port.Open(sim.Path()));
        QCOMPARE(port.ReadUntil("?"), QByteArray("?"));
        QVERIFY(port.Write("b"));
        const QByteArray id = port.ReadUntil("bootloader\r\n");
        QVERIFY2(id.startsWith("\r\n") && id.contains(identity), id);

        QVERIFY(port.Write("s"));
        QVERIFY(sim.WaitForLog("bootloader: erased", 5000));
        QVERIFY(port.Write(firmware));
        QCOMPARE(port.ReadUntilSilent(300), answers);

        // Once the transfer has ended and the line is quiet, every byte that came after the
        // erase is kept, whatever became of it; the port need not close first.
        QTRY_COMPARE(ReadFile(kept), firmware);
        port.Close();
        QVERIFY(sim.WaitForLog("port closed", 3000));
        QCOMPARE(ReadFile(kept), firmware);
    }

    void firmwareDuringEraseIsLost()
    {
        CSimProcess sim;
        QVERIFY(sim.Start({"--fast"}));
        CPortEnd port;
        QVERIFY(port.Open(sim.Path()));
        QCOMPARE(port.ReadUntil("?"), QByteArray("?"));
        QVERIFY(port.Write("b"));
        QVERIFY(port.ReadUntil("bootloader\r\n").endsWith("bootloader\r\n"));
        const QByteArray early = MakeFirmware(16);
        QVERIFY(port.Write("s" + early));
        QVERIFY(sim.WaitForLog("bytes lost while erasing", 3000));
        QCOMPARE(port.ReadUntilSilent(300), QByteArray());
        QVERIFY2(sim.Log().contains("(" + QByteArray::number(early.size()) + " bytes lost while erasing)"),
                 sim.Log());
    }

    void powerCycleDropsStaleOutput_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("listing in the terminal") << QStringList();
        QTest::newRow("listing still queued") << QStringList{"--pause-after", "3"};
    }

    void powerCycleDropsStaleOutput()
    {
        QFETCH(QStringList, args);
        CSimProcess sim;
        CPortEnd port;
        QVERIFY(ToMenu(sim, port, args + QStringList{"--fast"}));
        QVERIFY(port.Write("EXPORT\r"));
        QVERIFY(sim.WaitForLog("EXPORT: listing", 2000));
        port.Close();
        QVERIFY(sim.WaitForLog("port closed", 2000));

        QVERIFY(port.Open(sim.Path()));
        QCOMPARE(port.ReadUntil("?"), QByteArray("?"));
        QVERIFY(port.ReadUntil("Press ESC 3 times to enter").startsWith("\r\nRezar"));
    }

    void pauseInTheListing()
    {
        CSimProcess sim;
        CPortEnd port;
        QVERIFY(ToMenu(sim, port, {"--fast", "--pause-after", "5"}));
        QVERIFY(port.Write("EXPORT\r"));
        const QByteArray before = port.ReadUntil("BBAUD 4800\r\n");  // "BANK 0" and four settings
        QVERIFY2(before.endsWith("BBAUD 4800\r\n"), before);
        QElapsedTimer silence;
        silence.start();
        const QByteArray after = port.ReadUntil("LEDS TRUE\r\n:", 5000);
        QVERIFY2(after.startsWith("PKTICOM TRUE\r\n"), after.left(40));
        QVERIFY2(silence.elapsed() >= 1900 && silence.elapsed() < 3000, QByteArray::number(silence.elapsed()));
        QVERIFY(after.endsWith("LEDS TRUE\r\n:"));
    }

    void noiseStaysOutsideTheLines()
    {
        CSimProcess sim;
        QVERIFY(sim.Start({"--fast", "--noise"}));
        CPortEnd port;
        QVERIFY(port.Open(sim.Path()));
        const QByteArray startUp = port.ReadUntil("Press ESC 3 times to enter setup\r\n");
        QVERIFY(startUp.contains("\nPress ESC 3 times to enter setup\r\n"));
        QVERIFY(port.Write("\x1b\x1b\x1b"));
        QVERIFY(port.ReadUntil("Options Menu\r\n:").endsWith(":"));
        QVERIFY(port.Write("EXPORT\r"));
        const QByteArray listing = port.ReadUntil("LEDS TRUE\r\n:");
        QVERIFY(listing.endsWith("LEDS TRUE\r\n:"));

        // What a reader of the listing makes of it: the banks exactly, and the noise as lines
        // that it ignores, as many as the sim says it sent.
        CSettings reader;
        reader.m_bank0.mycall = "changed";
        QList<QByteArray> lines = listing.split('\n');
        lines.removeLast();  // the prompt, which has no line end and is no line yet
        reader.BeginParse();
        int ignored = 0;
        for (const QByteArray &line : lines)
            ignored += reader.ParseLine(line.toStdString()) == LineEffect::Ignored;
        const std::string summary = reader.EndParse();
        QCOMPARE(QByteArray::fromStdString(reader.SettingsText()), Golden("banks-defaults.txt"));
        QVERIFY(sim.WaitForLog("noise lines", 2000));
        const QByteArray log = sim.Log();
        const QRegularExpressionMatch noise =
            QRegularExpression("200 lines, (\\d+) noise lines").match(QString::fromLatin1(log));
        QVERIFY2(noise.hasMatch() && noise.captured(1).toInt() > 0, log);
        QCOMPARE(summary, "DONE : " + noise.captured(1).toStdString() + " ignored, 198 parsed, 1 changed");
        QCOMPARE(ignored, noise.captured(1).toInt());
    }

    void hangUpAfterLines()
    {
        const QString link = m_dir.filePath("hangup-port");
        const QString dump = m_dir.filePath("hangup-dump.txt");
        CSimProcess sim;
        CPortEnd port;
        QVERIFY(ToMenu(sim, port, {"--fast", "--hangup-after", "2", "--link", link, "--dump", dump}));
        QVERIFY(port.Write("MYCALL K1ABC\r\n"));
        QVERIFY(port.ReadUntil("K1ABC\r\n:").endsWith(":"));
        QVERIFY(!port.HungUp());
        QVERIFY(port.Write("TXD 5\r\n"));
        QTRY_VERIFY(port.HungUp());
        QCOMPARE(sim.WaitForExit(5000), 0);
        QVERIFY(sim.Log().contains("hanging up after 2 lines received"));
        QVERIFY(!QFileInfo::exists(link) && !QFileInfo(link).isSymLink());
        const QByteArray banks = ReadFile(dump);
        QVERIFY(banks.contains("MYCALL K1ABC\r\n"));
        QVERIFY(banks.contains("TXD 5\r\n"));
    }

    // The plug pulled during a firmware load: the line closes after the given firmware bytes,
    // whatever record they are in the middle of.
    void hangUpInFirmware()
    {
        CSimProcess sim;
        QVERIFY(sim.Start({"--fast", "--hangup-in-firmware", "100"}));
        CPortEnd port;
        QVERIFY(port.Open(sim.Path()));
        QCOMPARE(port.ReadUntil("?"), QByteArray("?"));
        QVERIFY(port.Write("b"));
        QVERIFY(port.ReadUntil("bootloader\r\n").endsWith("bootloader\r\n"));
        QVERIFY(port.Write("s"));
        QVERIFY(sim.WaitForLog("bootloader: erased", 5000));
        const QByteArray firmware = MakeFirmware(64);
        QVERIFY(firmware.size() > 100);
        QVERIFY(port.Write(firmware.left(99)));
        QVERIFY(!sim.WaitForLog("hanging up", 300));
        QVERIFY(port.Write(firmware.mid(99)));
        QTRY_VERIFY(port.HungUp());
        QCOMPARE(sim.WaitForExit(5000), 0);
        QVERIFY2(sim.Log().contains("hanging up after 100 firmware bytes received"), sim.Log());
    }

    void linePace()
    {
        CSimProcess sim;
        CPortEnd port;
        QVERIFY(ToMenu(sim, port, {}));

        // Out: the listing at 1920 bytes per second.
        QVERIFY(port.Write("EXPORT\r"));
        QVERIFY(port.ReadUntil("E").startsWith("E"));
        QElapsedTimer timer;
        timer.start();
        const QByteArray listing = port.ReadUntil("LEDS TRUE\r\n:", 5000);
        QVERIFY(listing.endsWith("LEDS TRUE\r\n:"));
        const double outRate = listing.size() * 1000.0 / double(timer.elapsed());
        QVERIFY2(outRate > 1920 * 0.93 && outRate < 1920 * 1.07, QByteArray::number(outRate));

        // In: a long line is taken (and echoed) no faster than the line carries it.
        const QByteArray line(960, 'A');
        timer.restart();
        QVERIFY(port.Write(line + "\r"));
        QVERIFY(port.ReadUntil("Unknown command\r\n:", 3000).startsWith(line));
        QVERIFY2(timer.elapsed() >= 450 && timer.elapsed() < 800, QByteArray::number(timer.elapsed()));
    }

    void manualPowerUp()
    {
        CSimProcess sim;
        QVERIFY(sim.Start({"--fast", "--manual"}));
                CPortEnd port;
        QVERIFY(port.Open(sim.Path()));
        QVERIFY(sim.WaitForLog("port opened", 2000));
        QCOMPARE(port.ReadUntilSilent(300), QByteArray());
        sim.Type("\n");
        QCOMPARE(port.ReadUntil("?"), QByteArray("?"));
        QVERIFY(port.ReadUntil("Press ESC 3 times to enter").contains("Press ESC"));
    }

    void stopsCleanly_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGTERM") << int(SIGTERM);
    }

    void stopsCleanly()
    {
        QFETCH(int, signal);
        const QString settings = Write("odd.txt", kOddSettings);
        const QString dump = m_dir.filePath("stop-dump.txt");
        const QString link = m_dir.filePath("stop-port");
        QFile::remove(dump);
        // A link left behind by a sim that was killed is replaced.
        QFile::remove(link);
        QVERIFY(QFile::link("/dev/nonexistent", link));

        CSimProcess sim;
        QVERIFY(sim.Start({"--fast", "--settings", settings, "--dump", dump, "--link", link}));
        QCOMPARE(QFileInfo(link).symLinkTarget(), sim.Path());
        CPortEnd port;
        QVERIFY(port.Open(link));
        QCOMPARE(port.ReadUntil("?"), QByteArray("?"));

        ::kill(pid_t(sim.Process().processId()), signal);
        QCOMPARE(sim.WaitForExit(5000), 0);
        QVERIFY(sim.Log().trimmed().endsWith("stopped"));
        QVERIFY(!QFileInfo(link).isSymLink());
        QCOMPARE(ReadFile(dump), Golden("banks-odd.txt"));
    }

    void usage_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("unknown option") << QStringList{"--frob"} << 2 << QByteArray("unknown option --frob");
        QTest::newRow("chip") << QStringList{"--chip", "328"} << 2 << QByteArray("1284 or 644");
        QTest::newRow("pause") << QStringList{"--pause-after", "ten"} << 2 << QByteArray("--pause-after");
        QTest::newRow("hangup 0") << QStringList{"--hangup-after", "0"} << 2 << QByteArray("--hangup-after");
        QTest::newRow("firmware hangup 0") << QStringList{"--hangup-in-firmware", "0"} << 2
                                           << QByteArray("--hangup-in-firmware takes a number of bytes");
        QTest::newRow("no value") << QStringList{"--dump"} << 2 << QByteArray("--dump needs a value");
        QTest::newRow("settings missing") << QStringList{"--settings", "/nonexistent/s.txt"} << 1
                                          << QByteArray("cannot read /nonexistent/s.txt");
        QTest::newRow("link on a file") << QStringList{"--link", REZAR_BUILD_DIR "/CMakeCache.txt"} << 1
                                        << QByteArray("exists and is not a link");
    }

    void usage()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, message);
        QProcess p;
        p.start(REZAR_BUILD_DIR "/rezar-sim", args);
        QVERIFY(p.waitForFinished(5000));
        QCOMPARE(p.exitCode(), exitCode);
        const QByteArray err = p.readAllStandardError();
        QVERIFY2(err.contains(message), err);
    }
};

QTEST_GUILESS_MAIN(TestSim)
#include "tst_sim.moc"
