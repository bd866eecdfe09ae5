// Nothing lost unasked, through the shown window: closing while a device operation runs, closing
// or replacing settings that differ from those last read, written, loaded or saved, and what the
// window remembers between runs. The questions are answered from inside their own event loop,
// as a user would, by key or by click.

#include "CommsPage.h"
#include "DeviceLink.h"
#include "Settings.h"
#include "support/FakeSerialPort.h"
#include "PacketPage.h"
#include "support/PageTest.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <functional>

namespace {

// Sorted, as NextQuestion records them.
const QStringList kChangesButtons{"Cancel", "Close without saving", "Save Settings\u2026"};
const QStringList kDiscardButtons{"Cancel", "Discard changes", "Save Settings\u2026"};
const QStringList kRunningButtons{"Close anyway", "Keep open"};

// The three ways a user closes the window.
enum class CloseBy { Button, Escape, WindowButton };

void CloseWindow(SheetFixture &f, CloseBy how)
{
    switch (how) {
    case CloseBy::Button:
        SheetFixture::Click(f.Find<QPushButton>("closeButton"));
        break;
    case CloseBy::Escape:
        QTest::keyClick(f.sheet.get(), Qt::Key_Escape);
        break;
    case CloseBy::WindowButton:
        // What the window manager sends for the title bar's close button.
        f.sheet->close();
        break;
    }
}

} // namespace

class TestSheetClosing : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QStringList m_chosen;  // the file dialogs the Comms page asked for, by title

    // The Comms page's file dialog answers with `path` (empty: Cancel).
    void ChooseFiles(SheetFixture &f, const QString &path)
    {
        f.Page<CCommsPage>()->m_fnChooseFile = [this, path](const CCommsPage::FileDialogRequest &r) {
            m_chosen << r.title;
            return path;
        };
    }

    QString SettingsFile(const char *name, const char *mycall)
    {
        CSettings other;
        other.m_bank0.mycall = mycall;
        const QString path = m_dir.filePath(name);
        if (other.SaveFile(path.toStdString()) != 0)
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    static void TypeCall(SheetFixture &f, const QString &call)
    {
        QVERIFY(f.GoTo("Basic"));
        SheetFixture::Type(Control<QLineEdit>(f, "mycall"), call);
    }

private slots:
    void initTestCase()
    {
        // The Comms page makes the history folder: a test's own, not the user's.
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_dir.isValid());
    }
    void init() { m_chosen.clear(); }

    // Without changes nothing asks, whichever way the window closes: right after the start,
    // after a visit of every tab (each page stores what it loaded, byte for byte), or after a
    // change that was saved.
    void closesAtOnceWithoutChanges_data()
    {
        QTest::addColumn<int>("how");
        QTest::addColumn<QString>("before");
        for (auto [how, name] : {std::pair{CloseBy::Button, "Close"}, {CloseBy::Escape, "Esc"},
                                 {CloseBy::WindowButton, "window button"}}) {
            QTest::addRow("%s at once", name) << int(how) << "nothing";
            QTest::addRow("%s after every tab", name) << int(how) << "every tab";
            QTest::addRow("%s after a save", name) << int(how) << "save";
            QTest::addRow("%s after typing back", name) << int(how) << "typed back";
        }
    }
    void closesAtOnceWithoutChanges()
    {
        QFETCH(int, how);
        QFETCH(QString, before);
        SheetFixture f;
        if (before == "every tab") {
            for (int i = f.Tabs()->count() - 1; i >= 0; --i)
                QVERIFY(f.GoTo(WithoutAccessKeys(f.Tabs()->tabText(i))));
        } else if (before == "save") {
            TypeCall(f, "K1SAVE");
            ChooseFiles(f, m_dir.filePath("saved.txt"));
            QVERIFY(f.GoTo("Comms"));
            Press(f, "saveSettingsButton");
            QCOMPARE(m_chosen, QStringList{"Save Settings File"});
        } else if (before == "typed back") {
            TypeCall(f, "K1XYZ");
            QVERIFY(f.GoTo("Packet"));
            TypeCall(f, "NOCALL");
        }
        NextQuestion question("<Esc>");
        CloseWindow(f, CloseBy(how));
        QCOMPARE(question.asked, QString());
        QVERIFY(!f.sheet->isVisible());
    }

    // Changes typed on the shown page count, without leaving it. Enter saves (the default),
    // Esc is Cancel; only a save that happened, or a discard, lets the window close.
    void unsavedChangesAsk_data()
    {
        QTest::addColumn<int>("how");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("file");  // what the save dialog answers
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("saved");
        const std::pair<CloseBy, const char *> ways[] = {
            {CloseBy::Button, "Close"}, {CloseBy::Escape, "Esc"}, {CloseBy::WindowButton, "window button"}};
        for (auto [how, name] : ways) {
            QTest::addRow("%s, Cancel", name) << int(how) << "Cancel" << "" << false << false;
            QTest::addRow("%s, Esc", name) << int(how) << "<Esc>" << "" << false << false;
            QTest::addRow("%s, close without saving", name)
                << int(how) << "Close without saving" << "" << true << false;
            QTest::addRow("%s, Enter saves", name) << int(how) << "<Enter>" << "out.txt" << true << true;
        }
        QTest::newRow("save, dialog cancelled") << int(CloseBy::Button) << "Save Settings\u2026"
                                                << "" << false << false;
        QTest::newRow("save fails") << int(CloseBy::Button) << "Save Settings\u2026"
                                    << "no-such-folder/out.txt" << false << false;
    }
    void unsavedChangesAsk()
    {
        QFETCH(int, how);
        QFETCH(QString, answer);
        QFETCH(QString, file);
        QFETCH(bool, closed);
        QFETCH(bool, saved);
        const QString path = file.isEmpty() ? QString() : m_dir.filePath(file);
        QFile::remove(path);
        SheetFixture f;
        ChooseFiles(f, path);
        TypeCall(f, "K1NEW");
        NextQuestion question(answer);
        CloseWindow(f, CloseBy(how));
        QCOMPARE(question.asked, QString("unsavedChangesQuestion"));
        QCOMPARE(question.buttons, kChangesButtons);
        QCOMPARE(question.defaultButton, QString("Save Settings\u2026"));
        QCOMPARE(f.sheet->isVisible(), !closed);
        QCOMPARE(QFile::exists(path), saved);
        if (saved) {
            CSettings back;
            QCOMPARE(back.LoadFile(path.toStdString()), 0);
            QCOMPARE(back.m_bank0.mycall, std::string("K1NEW"));
        }
        // Whatever the answer, the typed text is still there (in the box or the bank).
        QCOMPARE(f.settings.m_bank0.mycall, std::string("K1NEW"));
    }

    // A change in either bank counts, and so does one made on a tab left long ago.
    void changesInTheOtherBankCount()
    {
        SheetFixture f;
        QVERIFY(f.GoTo("Bank / Telem / WX"));
        Press(f, "bank1Radio");
        QVERIFY(f.GoTo("Packet"));
        SheetFixture::Type(Control<QLineEdit>(f, "path1"), "RELAY");
        QVERIFY(f.GoTo("Display"));
        NextQuestion question("Cancel");
        CloseWindow(f, CloseBy::Button);
        QCOMPARE(question.asked, QString("unsavedChangesQuestion"));
        QVERIFY(f.sheet->isVisible());
        QCOMPARE(f.settings.m_bank1.path1, std::string("RELAY"));
    }

    // Once the settings match a file or the device, they are the ones nothing is lost
    // against: a load, and the page's word after a read or a write.
    void settledSettingsAskNothing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("loaded") << "load";
        QTest::newRow("read or written") << "settled";
    }
    void settledSettingsAskNothing()
    {
        QFETCH(QString, how);
        SheetFixture f;
        if (how == "load") {
            ChooseFiles(f, SettingsFile("other.txt", "K1FILE"));
            QVERIFY(f.GoTo("Comms"));
            Press(f, "loadSettingsButton");
            QCOMPARE(f.settings.m_bank0.mycall, std::string("K1FILE"));
        } else {
            TypeCall(f, "K1READ");
            QVERIFY(f.GoTo("Comms"));
            f.Page<CCommsPage>()->m_fnSettingsSettled();
        }
        NextQuestion question("<Esc>");
        CloseWindow(f, CloseBy::Button);
        QCOMPARE(question.asked, QString());
        QVERIFY(!f.sheet->isVisible());
    }

    // Load Settings and Read Config would replace changed settings: they ask first, with
    // "Discard changes" in place of closing. Cancel (and Esc) leaves everything as it was;
    // without changes nothing asks.
    void replacingAsks_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("goesOn");
        for (const char *button : {"loadSettingsButton", "readConfigButton"}) {
            QTest::addRow("%s, Cancel", button) << button << true << "Cancel" << false;
            QTest::addRow("%s, Esc", button) << button << true << "<Esc>" << false;
            QTest::addRow("%s, discard", button) << button << true << "Discard changes" << true;
            QTest::addRow("%s, unchanged", button) << button << false << "" << true;
        }
    }
    void replacingAsks()
    {
        QFETCH(QString, button);
        QFETCH(bool, changed);
        QFETCH(QString, answer);
        QFETCH(bool, goesOn);
        auto line = std::make_shared<FakeSerialLine>();
        {
            SheetFixture f(SheetFixture::Remembered::Forget, CommsOptions{QString(), FakePorts(line)});
            ChooseFiles(f, SettingsFile("replacing.txt", "K1FILE"));
            if (changed)
                TypeCall(f, "K1MINE");
            QVERIFY(f.GoTo("Comms"));
            NextQuestion question(answer);
            Press(f, button);
            const bool load = button == "loadSettingsButton";
            QCOMPARE(question.asked, changed ? QString("unsavedChangesQuestion") : QString());
            if (changed) {
                QCOMPARE(question.buttons, kDiscardButtons);
                QCOMPARE(question.defaultButton, QString("Save Settings\u2026"));
                QVERIFY2(question.text.contains(load ? "Load Settings" : "Read Config"),
                         qPrintable(question.text));
            }
            if (load) {
                QCOMPARE(m_chosen.size(), goesOn ? 1 : 0);
                QCOMPARE(f.settings.m_bank0.mycall,
                         std::string(goesOn ? "K1FILE" : "K1MINE"));
            } else {
                QCOMPARE(line->opens.size(), size_t(goesOn ? 1 : 0));
                QCOMPARE(f.Page<CCommsPage>()->Link().IsRunning(), goesOn);
            }
            f.sheet->accept();
        }
    }

    // Closing while the device is being read asks first; Keep open is the default and Esc's
    // answer, and the operation goes on. Close anyway closes (the settings were not changed).
    void runningOperationAsks_data()
    {
        QTest::addColumn<int>("how");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("closed");
        const std::pair<CloseBy, const char *> ways[] = {
            {CloseBy::Button, "Close"}, {CloseBy::Escape, "Esc"}, {CloseBy::WindowButton, "window button"}};
        for (auto [how, name] : ways) {
            QTest::addRow("%s, Enter keeps it open", name) << int(how) << "<Enter>" << false;
            QTest::addRow("%s, Esc keeps it open", name) << int(how) << "<Esc>" << false;
            QTest::addRow("%s, Keep open", name) << int(how) << "Keep open" << false;
            QTest::addRow("%s, Close anyway", name) << int(how) << "Close anyway" << true;
        }
    }
    void runningOperationAsks()
    {
        QFETCH(int, how);
        QFETCH(QString, answer);
        QFETCH(bool, closed);
        auto line = std::make_shared<FakeSerialLine>();
        {
            SheetFixture f(SheetFixture::Remembered::Forget, CommsOptions{QString(), FakePorts(line)});
            QVERIFY(f.GoTo("Comms"));
            Press(f, "readConfigButton");
            CCommsPage *comms = f.Page<CCommsPage>();
            QVERIFY(comms->Link().IsRunning());
            NextQuestion question(answer);
            CloseWindow(f, CloseBy(how));
            QCOMPARE(question.asked, QString("closeWhileRunningQuestion"));
            QCOMPARE(question.text, QString("A settings read is running."));
            QVERIFY2(question.details.contains("half-written") && question.details.contains("firmware"),
                     qPrintable(question.details));
            QCOMPARE(question.buttons, kRunningButtons);
            QCOMPARE(question.defaultButton, QString("Keep open"));
            QCOMPARE(f.sheet->isVisible(), !closed);
            if (!closed) {
                QVERIFY(comms->Link().IsRunning());
                QVERIFY(comms->IsPolling());
                f.sheet->accept();
            }
        }
    }

    // Close anyway with changed settings still asks about them: a Cancel there keeps the
    // window open.
    void runningWithChangesAsksBoth()
    {
        auto line = std::make_shared<FakeSerialLine>();
        {
            SheetFixture f(SheetFixture::Remembered::Forget, CommsOptions{QString(), FakePorts(line)});
            QVERIFY(f.GoTo("Comms"));
            Press(f, "readConfigButton");
            f.settings.m_bank1.btext = "CHANGED";  // as a listing coming in would
            NextQuestion first("Close anyway");
            NextQuestion second("Cancel");
            CloseWindow(f, CloseBy::Button);
            QCOMPARE(first.asked, QString("closeWhileRunningQuestion"));
            QCOMPARE(second.asked, QString("unsavedChangesQuestion"));
            QVERIFY(f.sheet->isVisible());
            f.sheet->accept();
        }
    }

    // The window's place and the tab shown last come back in the next run.
    void placeAndTabRemembered()
    {
        QRect geometry;
        {
            SheetFixture f;
            QVERIFY(f.GoTo("Packet"));
            f.sheet->move(123, 77);
            f.sheet->resize(f.sheet->width() + 40, f.sheet->height() + 20);
            geometry = f.sheet->geometry();
            CloseWindow(f, CloseBy::Button);
            QVERIFY(!f.sheet->isVisible());
        }
        SheetFixture again(SheetFixture::Remembered::Keep);
        QCOMPARE(again.Tabs()->currentIndex(), 7);
        QCOMPARE(again.sheet->GetActivePage(), static_cast<CPropertyPage *>(again.Page<CPacketPage>()));
        QCOMPARE(again.sheet->geometry(), geometry);
        // The Packet page was activated, so it shows the bank.
        QCOMPARE(Shown(Control(again, "mycall")), QString("NOCALL"));
    }

    // A store that holds nonsense, or cannot be read or written at all, never stops the
    // window: it opens as on a first run and closes as usual.
    void brokenStoreNeverStops_data()
    {
        QTest::addColumn<QByteArray>("content");  // "<folder>": a folder where the file should be
        QTest::newRow("garbage") << QByteArray("\x00\xff[window\ngeometry=@ByteArray(\xde\xad)\ntab=x\n", 40);
        QTest::newRow("tab out of range") << QByteArray("[window]\ntab=99\ngeometry=@ByteArray(12)\n");
        QTest::newRow("negative tab") << QByteArray("[window]\ntab=-4\n");
        QTest::newRow("unreadable and unwritable") << QByteArray("<folder>");
    }
    void brokenStoreNeverStops()
    {
        QFETCH(QByteArray, content);
        const QString file = RememberedStore()->fileName();
        RememberedStore()->clear();
        QFile::remove(file);
        QVERIFY(QDir().mkpath(QFileInfo(file).absolutePath()));
        if (content == "<folder>") {
            QVERIFY(QDir().mkpath(file));
        } else {
            QFile out(file);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(content);
        }
        {
            SheetFixture f(SheetFixture::Remembered::Keep);
            QCOMPARE(f.Tabs()->currentIndex(), 0);
            QCOMPARE(Shown(Control(f, "mycall")), QString("NOCALL"));
            QVERIFY(f.GoTo("GPS"));
            CloseWindow(f, CloseBy::Button);
            QVERIFY(!f.sheet->isVisible());
        }
        QDir(file).removeRecursively();
        QFile::remove(file);
    }
};

QTEST_MAIN(TestSheetClosing)
#include "tst_sheet_closing.moc"
