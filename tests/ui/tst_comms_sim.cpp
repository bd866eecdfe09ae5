// The Comms page against rezar-sim on a pseudo-terminal, as a user works it: read the
// device, save the settings to a file, load them back, write them to the device; the port
// typed once, the progress bar through a read, a write and a firmware load, and the history.

#include "CommsPage.h"
#include "support/SheetFixture.h"
#include "sim/SimHarness.h"
#include "tst_comms_support.h"

#include "CompareDialog.h"
#include "History.h"

#include <QCheckBox>
#include <QLabel>
#include <QTableWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

#include <vector>

namespace {

// What the progress bar showed, sampled far more often than the page polls.
struct BarSamples {
    explicit BarSamples(QProgressBar *bar) : m_bar(bar)
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (m_bar->isVisible())
                seen.push_back({m_bar->value(), m_bar->maximum()});
        });
        m_timer.start();
    }
    // The values shown while the bar's maximum was `maximum`, in order, repeats dropped.
    std::vector<int> Values(int maximum) const
    {
        std::vector<int> values;
        for (const auto &[value, max] : seen)
            if (max == maximum && (values.empty() || values.back() != value))
                values.push_back(value);
        return values;
    }

    std::vector<std::pair<int, int>> seen;

private:
    QProgressBar *m_bar;
    QTimer m_timer;
};

bool Rising(const std::vector<int> &values)
{
    return std::is_sorted(values.begin(), values.end());
}

} // namespace

class TestCommsSim : public QObject {
    Q_OBJECT

    CommsTestFolders folders;

private slots:
    void init() { folders.Renew(); }

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
        QCOMPARE(f.settings.m_bank0.mycall, std::string("K1ABC"));
        QCOMPARE(f.settings.m_bank1.galt, 5);

        chosen = dir.filePath("settings1.txt");
        SheetFixture::Click(f.Find<QPushButton>("saveSettingsButton"));
        QCOMPARE(status->text(), "Saved " + chosen);
        QCOMPARE(ReadFile(chosen), QByteArray::fromStdString(f.settings.SettingsText()));

        // A change not saved anywhere: the window asks before the load replaces it.
        f.settings.m_bank0.mycall = "LOST";
        {
            const ModalAnswer<QMessageBox> discard([](QMessageBox *box) {
                for (QAbstractButton *button : box->buttons())
                    if (box->buttonRole(button) == QMessageBox::DestructiveRole)
                        button->click();
            });
            SheetFixture::Click(f.Find<QPushButton>("loadSettingsButton"));
            QVERIFY(discard.Seen());
        }
        QCOMPARE(status->text(), "Loaded " + chosen);
        QCOMPARE(debug->text(), QString("DONE : 0 ignored, 198 parsed, 1 changed"));
        QCOMPARE(f.settings.m_bank0.mycall, std::string("K1ABC"));

        f.settings.m_bank1.mycall = "N0WRT";
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

    // The port is typed once and kept across a tab visit; the bar moves through a read, a
    // write and a firmware load and is gone between them; each read and write is kept in the
    // history. REZAR_SHOTS_DIR keeps a picture of the page during the read.
    void progressAndHistory()
    {
        QTemporaryDir dir;
        const QString port = dir.filePath("rezar-port");
        const QString received = dir.filePath("received.hex");
        CSimProcess sim;
        QVERIFY(sim.Start({"--fast", "--link", port, "--firmware-out", received}));

        SheetFixture f;
        CCommsPage &page = *f.Page<CCommsPage>();
        int settled = 0;
        page.m_fnSettingsSettled = [&] { ++settled; };
        QVERIFY(f.GoTo("Comms"));
        auto *status = f.Find<QLabel>("statusLine");
        auto *bar = f.Find<QProgressBar>("progressBar");
        SheetFixture::Type(f.Find<QComboBox>("portCombo")->lineEdit(), port);
        QVERIFY(f.GoTo("Position"));
        QVERIFY(f.GoTo("Comms"));
        QCOMPARE(f.Find<QComboBox>("portCombo")->currentText(), port);
        QVERIFY(!bar->isVisible());

        {
            BarSamples samples(bar);
            bool pictured = false;
            QTimer picture;
            picture.setInterval(5);
            connect(&picture, &QTimer::timeout, [&] {
                if (!pictured && bar->isVisible())
                    pictured = f.Shot("comms-during-read");
            });
            picture.start();
            SheetFixture::Click(f.Find<QPushButton>("readConfigButton"));
            QTRY_COMPARE_WITH_TIMEOUT(status->text(), QString("Read Complete"), 20000);
            QVERIFY(pictured);
            const std::vector<int> values = samples.Values(kSettingsTextLines);
            QVERIFY(!values.empty());
            QVERIFY(Rising(values));
            QCOMPARE(values.back(), kSettingsTextLines);
            QVERIFY(!bar->isVisible());
        }
        QCOMPARE(settled, 1);

        f.settings.m_bank0.mycall = "K7BAR";
        {
            BarSamples samples(bar);
            SheetFixture::Click(f.Find<QPushButton>("writeConfigButton"));
            QTRY_COMPARE_WITH_TIMEOUT(status->text(), QString("Write Complete"), 60000);
            const std::vector<int> values = samples.Values(kSettingsTextLines);
            QVERIFY2(values.size() >= 10, qPrintable(QString::number(values.size())));
            QVERIFY(Rising(values));
            QVERIFY(!bar->isVisible());
        }
        QCOMPARE(settled, 2);
        const std::vector<HistoryEntry> history = ListHistory();
        QCOMPARE(history.size(), size_t(2));
        QCOMPARE(history[0].kind, QString("written"));
        QCOMPARE(history[1].kind, QString("read"));
        QCOMPARE(history[0].mycall, std::string("K7BAR"));
        QCOMPARE(history[0].port, port);

        const QByteArray firmware = MakeFirmware(8000);
        QString chosen = WriteFile(dir.filePath("code.qwn"), firmware);
        page.m_fnChooseFile = [&](const CCommsPage::FileDialogRequest &) { return chosen; };
        {
            BarSamples samples(bar);
            const ModalAnswer<QMessageBox> load([](QMessageBox *box) {
                for (QAbstractButton *button : box->buttons())
                    if (box->buttonRole(button) == QMessageBox::AcceptRole)
                        button->click();
            });
            SheetFixture::Click(f.Find<QPushButton>("reloadFirmwareButton"));
            QVERIFY(load.Seen());
            QTRY_COMPARE_WITH_TIMEOUT(status->text(), QString("Firmware update complete"), 60000);
            const std::vector<int> erase = samples.Values(60);
            QVERIFY2(erase.size() >= 10, qPrintable(QString::number(erase.size())));
            QVERIFY(Rising(erase));
            const std::vector<int> bytes = samples.Values(int(firmware.size()));
            QVERIFY2(bytes.size() >= 3, qPrintable(QString::number(bytes.size())));
            QVERIFY(Rising(bytes));
            QVERIFY(!bar->isVisible());
        }
        QTRY_COMPARE_WITH_TIMEOUT(ReadFile(received), firmware, 5000);
        QCOMPARE(settled, 2);
        QCOMPARE(ListHistory().size(), size_t(2));
    }

    // Verify after writing: the device cuts a menu line beyond its bound, so it keeps another
    // BTEXT than the window wrote. The status says so instead of "Write Complete", the Compare
    // dialog shows the difference, and the window's settings stay unsaved.
    void verifyShowsWhatTheDeviceKeptOtherwise()
    {
        QTemporaryDir dir;
        const QString port = dir.filePath("rezar-port");
        CSimProcess sim;
        QVERIFY(sim.Start({"--fast", "--link", port}));
        SheetFixture f;
        QVERIFY(f.GoTo("Comms"));
        SheetFixture::Type(f.Find<QComboBox>("portCombo")->lineEdit(), port);
        SheetFixture::Click(f.Find<QCheckBox>("verifyCheck"));
        QVERIFY(RememberedStore()->value("comms/verifyAfterWriting").toBool());
        const std::string written(5000, 'x');
        f.settings.m_bank1.btext = written;

        QStringList rows;
        const ModalAnswer<CCompareDialog> shown([&](CCompareDialog *dialog) {
            const QTableWidget *table = dialog->m_table;
            for (int row = 0; row < table->rowCount(); ++row)
                rows << table->item(row, 0)->text() + ' ' + table->item(row, 3)->text() + ' '
                            + QString::number(table->item(row, 5)->text().size());
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        SheetFixture::Click(f.Find<QPushButton>("writeConfigButton"));
        QTRY_COMPARE_WITH_TIMEOUT(f.Find<QLabel>("statusLine")->text(),
                                  QString("The device holds 1 setting otherwise than written"), 60000);
        QTRY_VERIFY(shown.Seen());
        QCOMPARE(rows, QStringList{"1 BTEXT " + QString::number(4096 - 6)});
        QCOMPARE(f.settings.m_bank1.btext, written);
        QVERIFY(f.sheet->HasUnsavedChanges());
    }
};

QTEST_MAIN(TestCommsSim)
#include "tst_comms_sim.moc"
