// The Compare dialog as a user reaches it (Ctrl+D on the sheet): the window against a file,
// the defaults and a history entry, both banks; ticked rows taken into the window; a row opened
// on its page. REZAR_SHOTS_DIR keeps pictures of it.

#include "CommsPage.h"
#include "CompareDialog.h"
#include "History.h"
#include "support/FakeSerialPort.h"
#include "support/SheetFixture.h"
#include "tst_comms_support.h"

#include <QCheckBox>
#include <QRegularExpression>
#include <QScreen>
#include <QTableWidget>
#include <QtTest>

namespace {

// Each row as "bank key window other".
QStringList Rows(const QTableWidget *table)
{
    QStringList rows;
    for (int row = 0; row < table->rowCount(); ++row)
        rows << QStringList{table->item(row, 0)->text(), table->item(row, 3)->text(), table->item(row, 4)->text(),
                            table->item(row, 5)->text()}
                    .join(' ');
    return rows;
}

// The dialog fits the screen whole (a small one gets a table that scrolls); its picture is
// kept as <name>-<screen width>x<height>.png.
bool FitsAndSaved(QWidget *dialog, const QString &name)
{
    const QRect screen = dialog->screen()->availableGeometry();
    if (!screen.contains(dialog->frameGeometry()))
        return false;
    const QString dir = qEnvironmentVariable("REZAR_SHOTS_DIR");
    return dir.isEmpty()
           || dialog->grab().save(QDir(dir).filePath(QStringLiteral("%1-%2x%3.png").arg(name).arg(screen.width()).arg(screen.height())));
}

} // namespace

class TestCompare : public QObject {
    Q_OBJECT

    CommsTestFolders folders;
    QTemporaryDir dir;

    // Loads a settings text into a model, over what it holds.
    static void Give(CSettings &settings, const QString &path, const QByteArray &text)
    {
        QVERIFY(settings.LoadFile(WriteAll(path, text).toStdString()) == 0);
    }
    // The same into the window's model, shown on the page in view.
    static void Give(SheetFixture &f, const QString &path, const QByteArray &text)
    {
        Give(f.settings, path, text);
        f.sheet->GetActivePage()->OnSetActive();
    }

    // Ctrl+D, as a user presses it in the window.
    static void PressCompare(SheetFixture &f)
    {
        f.sheet->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.sheet.get()));
        QTest::keyClick(f.sheet.get(), Qt::Key_D, Qt::ControlModifier);
    }

    // Read Config against a scripted device listing `device`, to its end.
    static void Read(SheetFixture &f, FakeSerialLine &line, const CSettings &device)
    {
        CCommsPage *page = f.Page<CCommsPage>();
        line.Script({"Press ESC 3 times to enter\r\n", "Options Menu\r\n", device.SettingsText()});
        SheetFixture::Click(f.Find<QPushButton>("readConfigButton"));
        for (int poll = 0; poll < 20 && page->Link().IsRunning(); ++poll)
            page->OnPollTimer();
        QCOMPARE(f.Find<QLabel>("statusLine")->text(), QString("Read Complete"));
    }

private slots:
    void init() { folders.Renew(); }

    void sources_data()
    {
        QTest::addColumn<QString>("source");  // the chooser's entry, by its start
        QTest::addColumn<QByteArray>("window");
        QTest::addColumn<QByteArray>("other");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("summary");
        const QByteArray window = "MYCALL K1ABC\r\nBANK 1\r\nGALT 7\r\n";
        QTest::newRow("file") << "A settings file" << window << QByteArray("MYCALL K1ABC\r\nTXD 31\r\nBANK 1\r\nGALT 5\r\n")
                              << QStringList{"0 TXD 30 31", "1 GALT 7 5"} << "2 settings differ (%1)";
        QTest::newRow("defaults") << "The defaults" << window << QByteArray()
                                  << QStringList{"0 MYCALL K1ABC NOCALL", "1 GALT 7 1000"} << "2 settings differ";
        QTest::newRow("history") << "History: " << window << QByteArray("BANK 1\r\nALIAS2 RELAY\r\n")
                                 << QStringList{"0 MYCALL K1ABC NOCALL", "1 GALT 7 1000", "1 ALIAS2 % RELAY"}
                                 << "3 settings differ";
        QTest::newRow("same file") << "A settings file" << window << window << QStringList() << "No differences (%1)";
    }
    void sources()
    {
        QFETCH(QString, source);
        QFETCH(QByteArray, window);
        QFETCH(QByteArray, other);
        QFETCH(QStringList, rows);
        QFETCH(QString, summary);
        SheetFixture f;
        Give(f, dir.filePath("window.txt"), window);
        CSettings kept;
        Give(kept, dir.filePath("other.txt"), other);
        QVERIFY(!RecordHistory(kept, "read", "COM7").isEmpty());
        f.Page<CCommsPage>()->m_fnChooseFile = [&](const CCommsPage::FileDialogRequest &) {
            return dir.filePath("other.txt");
        };

        QStringList seen;
        QString said;
        const ModalAnswer<CCompareDialog> answer([&](CCompareDialog *dialog) {
            const int index = dialog->m_cboSource->findText(source, Qt::MatchStartsWith);
            SheetFixture::Pick(dialog->m_cboSource, index);
            seen = Rows(dialog->m_table);
            said = dialog->m_lblSummary->text();
            QVERIFY(FitsAndSaved(dialog, "compare-" + QString(QTest::currentDataTag()).replace(QRegularExpression("[^a-z]+"), "-")));
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        PressCompare(f);
        QVERIFY(answer.Seen());
        QCOMPARE(seen, rows);
        QCOMPARE(said, summary.contains("%1") ? summary.arg(dir.filePath("other.txt")) : summary);
    }

    // Two of three rows ticked with the keyboard: only those take the other side's value; the
    // shown page shows it at once, and the window counts it as unsaved. An opened row shows
    // its page with its control focused.
    void takeSelectedAndOpen()
    {
        SheetFixture f;
        Give(f, dir.filePath("window.txt"), "MYCALL K1ABC\r\nTXD 31\r\nBANK 1\r\nGALT 7\r\n");
        f.sheet->SettleSettings();
        QStringList before, after;
        const ModalAnswer<CCompareDialog> take([&](CCompareDialog *dialog) {
            before = Rows(dialog->m_table);
            auto *button = dialog->findChild<QPushButton *>("takeSelectedButton");
            QVERIFY(!button->isEnabled());
            dialog->m_table->setFocus();
            QTest::keyClick(dialog->m_table, Qt::Key_Space);  // row 0
            QTest::keyClick(dialog->m_table, Qt::Key_Down);
            QTest::keyClick(dialog->m_table, Qt::Key_Down);
            QTest::keyClick(dialog->m_table, Qt::Key_Space);  // row 2
            SheetFixture::Click(button);
            after = Rows(dialog->m_table);
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        PressCompare(f);
        QVERIFY(take.Seen());
        QCOMPARE(before, (QStringList{"0 MYCALL K1ABC NOCALL", "0 TXD 31 30", "1 GALT 7 1000"}));
        QCOMPARE(after, QStringList{"0 TXD 31 30"});
        QCOMPARE(f.settings.m_bank0.mycall, std::string("NOCALL"));
        QCOMPARE(f.settings.m_bank0.txd, 31);
        QCOMPARE(f.settings.m_bank1.galt, 1000);
        QCOMPARE(f.Find<QLineEdit>("mycall")->text(), QString("NOCALL"));
        QVERIFY(f.sheet->HasUnsavedChanges());

        const ModalAnswer<CCompareDialog> open([&](CCompareDialog *dialog) {
            QTest::keyClick(dialog->findChild<QPushButton *>("openSettingButton"), Qt::Key_Space);
        });
        PressCompare(f);
        QVERIFY(open.Seen());
        QCOMPARE(f.sheet->focusWidget()->objectName(), QString("txd"));
        QCOMPARE(f.settings.m_bank0.txd, 31);
    }

    // After a read the debug line keeps its summary, and Compare… offers what the read changed:
    // the window before it against after.
    void whatTheReadChanged()
    {
        auto line = std::make_shared<FakeSerialLine>();
        SheetFixture f(SheetFixture::Remembered::Forget, CommsOptions{"COM2", FakePorts(line)});
        QVERIFY(f.GoTo("Comms"));
        CSettings device;
        Give(device, dir.filePath("device.txt"), "MYCALL K1DEV\r\nBANK 1\r\nGALT 5\r\n");
        Read(f, *line, device);
        QCOMPARE(f.Find<QLabel>("statusDebugLine")->text(), QString("DONE : 0 ignored, 198 parsed, 2 changed"));
        Give(f, dir.filePath("window.txt"), "TXD 9\r\n");  // changed since: not the read's doing

        QStringList rows;
        QString headers;
        const ModalAnswer<CCompareDialog> answer([&](CCompareDialog *dialog) {
            SheetFixture::Pick(dialog->m_cboSource, dialog->m_cboSource->findText("What the last read changed"));
            rows = Rows(dialog->m_table);
            headers = dialog->m_table->horizontalHeaderItem(4)->text() + " / "
                      + dialog->m_table->horizontalHeaderItem(5)->text();
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        SheetFixture::Click(f.Find<QPushButton>("compareButton"));
        QVERIFY(answer.Seen());
        QCOMPARE(rows, (QStringList{"0 MYCALL K1DEV NOCALL", "1 GALT 5 1000"}));
        QCOMPARE(headers, QString("After the read / Before the read"));
    }

    // Before a write, what will change on the device: against this run's read of the port, its
    // newest history entry, or nothing known. Cancel sends nothing.
    void writeSummary_data()
    {
        QTest::addColumn<QString>("historyPort");  // empty: no history kept
        QTest::addColumn<bool>("readFirst");
        QTest::addColumn<QByteArray>("window");
        QTest::addColumn<QString>("text");  // a pattern
        QTest::addColumn<QStringList>("rows");
        const QByteArray window = "MYCALL K1ABC\r\n";
        const QString history = QRegularExpression::escape(", kept in the history)");
        QTest::newRow("unknown") << QString() << false << window
                                 << "^The device's current settings are unknown: read them first to see what will change$"
                                 << QStringList();
        QTest::newRow("another port's history") << "COM3" << false << window << "^The device's current settings are unknown"
                                                << QStringList();
        QTest::newRow("history") << "COM2" << false << window
                                 << "^1 setting will change on the device \\(compared with the read of "
                                    "\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d from COM2"
                                        + history + "$"
                                 << QStringList{"0 MYCALL K1OLD K1ABC"};
        QTest::newRow("unchanged") << "COM2" << false << QByteArray("MYCALL K1OLD\r\n")
                                   << "^Nothing will change on the device \\(compared with the read of .* from COM2" + history
                                          + ": the write may still go ahead.$"
                                   << QStringList();
        QTest::newRow("this run's read") << "COM2" << true << QByteArray("MYCALL K1ABC\r\nBANK 1\r\nTXD 9\r\n")
                                         << "^2 settings will change on the device \\(compared with the read of "
                                            "\\d\\d:\\d\\d from COM2\\)$"
                                         << QStringList{"0 MYCALL K1DEV K1ABC", "1 TXD 30 9"};
    }
    void writeSummary()
    {
        QFETCH(QString, historyPort);
        QFETCH(bool, readFirst);
        QFETCH(QByteArray, window);
        QFETCH(QString, text);
        QFETCH(QStringList, rows);
        CSettings device;
        Give(device, dir.filePath("device.txt"), "MYCALL K1OLD\r\n");
        if (!historyPort.isEmpty())
            QVERIFY(!RecordHistory(device, "read", historyPort).isEmpty());
        auto line = std::make_shared<FakeSerialLine>();
        SheetFixture f(SheetFixture::Remembered::Forget, CommsOptions{"COM2", FakePorts(line)});
        auto *page = f.Page<CCommsPage>();
        page->m_fnConfirmWrite = [page](const QString &said, const auto &changes, bool *dontShow) {
            return CCommsPage::AskWrite(page, said, changes, dontShow);
        };
        QVERIFY(f.GoTo("Comms"));
        if (readFirst) {
            Give(device, dir.filePath("device.txt"), "MYCALL K1DEV\r\n");
            Read(f, *line, device);
        }
        Give(f, dir.filePath("window.txt"), window);
        const size_t opens = line->opens.size();

        QString said, byDefault;
        QStringList seen;
        const ModalAnswer<CWriteSummary> cancel([&](CWriteSummary *summary) {
            said = summary->findChild<QLabel *>("writeSummaryText")->text();
            if (auto *table = summary->findChild<QTableWidget *>("writeSummaryTable"))
                seen = Rows(table);
            byDefault = WithoutAccessKeys(summary->findChild<QPushButton *>("writeButton")->text());
            QVERIFY(summary->findChild<QPushButton *>("writeButton")->isDefault());
            QVERIFY(FitsAndSaved(summary, "write-summary-" + QString(QTest::currentDataTag()).replace(QRegularExpression("[^a-z]+"), "-")));
            QTest::keyClick(summary, Qt::Key_Escape);
        });
        SheetFixture::Click(f.Find<QPushButton>("writeConfigButton"));
        QVERIFY(cancel.Seen());
        QVERIFY2(QRegularExpression(text).match(said).hasMatch(), qPrintable(said));
        QCOMPARE(seen, rows);
        QCOMPARE(byDefault, QString("Write"));
        QCOMPARE(line->opens.size(), opens);
        QVERIFY(!page->Link().IsRunning());
    }

    // "Don't show this before writing" turns the step off, in this window and the next; the
    // Compare dialog turns it on again.
    void writeSummaryTurnedOff()
    {
        auto line = std::make_shared<FakeSerialLine>();
        SheetFixture f(SheetFixture::Remembered::Forget, CommsOptions{"COM2", FakePorts(line)});
        auto *page = f.Page<CCommsPage>();
        int asked = 0;
        page->m_fnConfirmWrite = [&](const QString &said, const auto &changes, bool *dontShow) {
            ++asked;
            return CCommsPage::AskWrite(page, said, changes, dontShow);
        };
        QVERIFY(f.GoTo("Comms"));
        const ModalAnswer<CWriteSummary> write([&](CWriteSummary *summary) {
            SheetFixture::Click(summary->findChild<QCheckBox *>("dontShowWriteSummary"));
            QTest::keyClick(summary, Qt::Key_Return);
        });
        SheetFixture::Click(f.Find<QPushButton>("writeConfigButton"));
        QVERIFY(write.Seen());
        QCOMPARE(line->opens.size(), size_t(1));
        SheetFixture::Click(f.Find<QPushButton>("writeConfigButton"));
        QCOMPARE(line->opens.size(), size_t(2));
        QCOMPARE(asked, 1);
        QVERIFY(RememberedStore()->value("comms/noWriteSummary").toBool());

        // The Compare dialog turns it on again.
        const ModalAnswer<CCompareDialog> compare([&](CCompareDialog *dialog) {
            QVERIFY(!dialog->m_pShowWriteSummary->isChecked());
            SheetFixture::Click(dialog->m_pShowWriteSummary);
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        PressCompare(f);
        QVERIFY(compare.Seen());
        const ModalAnswer<CWriteSummary> again([&](CWriteSummary *summary) { QTest::keyClick(summary, Qt::Key_Escape); });
        SheetFixture::Click(f.Find<QPushButton>("writeConfigButton"));
        QVERIFY(again.Seen());
        QCOMPARE(asked, 2);
        QCOMPARE(line->opens.size(), size_t(2));
    }
};

QTEST_MAIN(TestCompare)
#include "tst_compare.moc"
