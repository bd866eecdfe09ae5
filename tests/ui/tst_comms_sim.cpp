// The Comms page against rezar-sim on a pseudo-terminal, as a user works it: read the
// device, save the settings to a file, load them back, write them to the device.

#include "CommsPage.h"
#include "support/SheetFixture.h"
#include "sim/SimHarness.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

class TestCommsSim : public QObject {
    Q_OBJECT

private slots:
    void readSaveLoadWrite()
    {
        QTemporaryDir dir;
        const QString start = WriteFile(dir.filePath("start.txt"),
                                        "MYCALL K1ABC\r\nBANK 1\r\nGALT 5\r\n");
        const QString dump = dir.filePath("dump.txt");
        const QString port = dir.filePath("rezar-port");
        CSimProcess sim;
        QVERIFY(sim.Start({"--fast", "--settings", start, "--dump", dump, "--link", port}));

        SheetFixture f;
        CCommsPage &page = *f.Page<CCommsPage>();
        QString chosen;
        page.m_fnChooseFile = [&](const CCommsPage::FileDialogRequest &) { return chosen; };
        QVERIFY(f.GoTo("Comms"));
        auto *status = f.Find<QLabel>("statusLine");
        auto *debug = f.Find<QLabel>("statusDebugLine");
        SheetFixture::Type(f.Find<QComboBox>("portCombo")->lineEdit(), port);

        SheetFixture::Click(f.Find<QPushButton>("readConfigButton"));
        QTRY_COMPARE_WITH_TIMEOUT(status->text(), QString("Read Complete"), 20000);
        QCOMPARE(debug->text(), QString("DONE : 0 ignored, 198 parsed, 2 changed"));
        QCOMPARE(g_settings.m_bank0.mycall, std::string("K1ABC"));
        QCOMPARE(g_settings.m_bank1.galt, 5);

        chosen = dir.filePath("settings1.txt");
        SheetFixture::Click(f.Find<QPushButton>("saveSettingsButton"));
        QCOMPARE(status->text(), "Saved " + chosen);
        QCOMPARE(ReadFile(chosen), QByteArray::fromStdString(g_settings.SettingsText()));

        g_settings.m_bank0.mycall = "LOST";
        SheetFixture::Click(f.Find<QPushButton>("loadSettingsButton"));
        QCOMPARE(status->text(), "Loaded " + chosen);
        QCOMPARE(debug->text(), QString("DONE : 0 ignored, 198 parsed, 1 changed"));
        QCOMPARE(g_settings.m_bank0.mycall, std::string("K1ABC"));

        g_settings.m_bank1.mycall = "N0WRT";
        SheetFixture::Click(f.Find<QPushButton>("writeConfigButton"));
        QTRY_COMPARE_WITH_TIMEOUT(status->text(), QString("Write Complete"), 60000);
        // The sim writes its banks out each time the tool closes the port: after the read,
        // and now after the write.
        QTRY_VERIFY_WITH_TIMEOUT(sim.Log().count("banks written to") >= 2, 5000);
        const QByteArray banks = ReadFile(dump);
        const qsizetype bank1 = banks.indexOf("BANK 1\r\n");
        QVERIFY(bank1 > 0);
        QVERIFY(banks.indexOf("MYCALL K1ABC\r\n") < bank1);
        QVERIFY(banks.indexOf("MYCALL N0WRT\r\n") > bank1);
        QVERIFY(banks.indexOf("GALT 5\r\n") > bank1);
    }
};

QTEST_MAIN(TestCommsSim)
#include "tst_comms_sim.moc"
