// The Comms page through the shown sheet: the port list, the poll timer that runs only while
// the page is shown, the buttons against a scripted port, and the settings-file buttons with
// the file dialog replaced through the page's seam.

#include "CommsPage.h"
#include "DeviceLink.h"
#include "LinkText.h"
#include "Settings.h"
#include "support/FakeSerialPort.h"
#include "support/SheetFixture.h"
#include "tst_comms_support.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <optional>
#include <vector>

namespace {

const char kFirstStatus[] = "Select COM port and click Read or Write";

using Request = CCommsPage::FileDialogRequest;

std::string ReadAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<unreadable>";
    return file.readAll().toStdString();
}

} // namespace

class TestCommsPage : public QObject {
    Q_OBJECT

    std::unique_ptr<SheetFixture> f;
    std::shared_ptr<FakeSerialLine> line;
    CCommsPage *page = nullptr;
    QComboBox *port = nullptr;
    QLabel *status = nullptr;
    QLabel *debug = nullptr;
    QTemporaryDir dir;
    CommsTestFolders folders;
    // The file dialog's stand-in: records each request and answers with `answer`.
    std::vector<Request> requests;
    QString answer;

    QPushButton *Button(const char *name) { return f->Find<QPushButton>(name); }
    CDeviceLink &Link() { return page->Link(); }

    // Types into the port box of the active window, where a completer would act.
    void TypePort(const QString &text)
    {
        f->sheet->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f->sheet.get()));
        SheetFixture::Type(port->lineEdit(), text);
        QVERIFY(port->lineEdit()->hasFocus());
    }

    // The one file dialog asked for so far: its kind, title, filter (the caption the user
    // sees, and its pattern), default suffix and initial file name.
    void CheckOneRequest(bool save, const char *title, const char *caption, const char *suffix,
                         const char *initialName)
    {
        QCOMPARE(requests.size(), size_t(1));
        const Request &r = requests.front();
        QCOMPARE(r.bSave, save);
        QCOMPARE(r.title, QString(title));
        QCOMPARE(r.filter, QStringLiteral("%1 (*.%2)").arg(caption, suffix));
        QCOMPARE(r.defaultSuffix, QString(suffix));
        QCOMPARE(r.initialName, QString(initialName));
    }

private slots:
    void init()
    {
        folders.Renew();
        line = std::make_shared<FakeSerialLine>();
        f = std::make_unique<SheetFixture>(SheetFixture::Remembered::Forget, CommsOptions{QString(), FakePorts(line)});
        page = f->Page<CCommsPage>();
        requests.clear();
        answer.clear();
        page->m_fnChooseFile = [this](const Request &request) {
            requests.push_back(request);
            return answer;
        };
        QVERIFY(f->GoTo("Comms"));
        port = f->Find<QComboBox>("portCombo");
        status = f->Find<QLabel>("statusLine");
        debug = f->Find<QLabel>("statusDebugLine");
    }
    void cleanup()
    {
        f.reset();
        QVERIFY(!line->open);  // the page's link let its port go with the page
    }

    void formControls()
    {
        for (const char *name : {"readConfigButton", "writeConfigButton", "reloadFirmwareButton",
                                 "loadSettingsButton", "saveSettingsButton"})
            QVERIFY(Button(name));
        QCOMPARE(Button("reloadFirmwareButton")->text(), QString("Re-Load &Firmware"));
        auto *label = f->Find<QLabel>("portLabel");
        QCOMPARE(label->text(), QString("COM &Port"));
        QCOMPARE(label->buddy(), port);
        QVERIFY(port->isEditable());
    }

    void portListHoldsTwentyEntries()
    {
        QCOMPARE(port->count(), 20);
        for (int i = 0; i < 20; ++i)
            QCOMPARE(port->itemText(i), QString("COM%1").arg(i + 1));
        QCOMPARE(port->currentText(), QString("COM1"));
    }

    void pickedEntryIsRememberedAcrossActivations()
    {
        SheetFixture::Pick(port, 19);
        QCOMPARE(port->currentText(), QString("COM20"));
        QVERIFY(f->GoTo("GPS"));
        QVERIFY(f->GoTo("Comms"));
        QCOMPARE(port->count(), 20);
        QCOMPARE(port->currentText(), QString("COM20"));
        SheetFixture::Pick(port, 1);
        QVERIFY(f->GoTo("Basic"));
        QVERIFY(f->GoTo("Comms"));
        QCOMPARE(port->currentText(), QString("COM2"));
    }

    // A typed name is used exactly as typed, and kept as typed when the page is shown again
    // (the picked entry before it, COM7 here, does not come back).
    void typedPortName_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("beyond the list") << "COM25";
        QTest::newRow("the beginning of list entries") << "COM";
        QTest::newRow("an entry that begins others") << "COM2";
        QTest::newRow("an entry in lower case") << "com3";
        QTest::newRow("a device path") << "/dev/ttyUSB0";
    }
    void typedPortName()
    {
        QFETCH(QString, typed);
        SheetFixture::Pick(port, 6);
        TypePort(typed);
        SheetFixture::Click(Button("readConfigButton"));
        SheetFixture::Click(Button("writeConfigButton"));
        const std::vector<std::string> expected(2, typed.toStdString());
        QCOMPARE(line->opens, expected);
        QCOMPARE(port->count(), 20);

        QVERIFY(f->GoTo("Ports"));
        QVERIFY(f->GoTo("Comms"));
        QCOMPARE(port->currentText(), typed);
        QCOMPARE(port->count(), 20);
        SheetFixture::Click(Button("writeConfigButton"));
        QCOMPARE(line->opens.back(), typed.toStdString());
    }

    void statusLinesFollowTheLink()
    {
        QCOMPARE(LinkText::StatusBytes(Link().Status()), std::string(kFirstStatus));
        // Until the first tick the lines keep their captions.
        QCOMPARE(status->text(), QString("Status"));
        QCOMPARE(debug->text(), QString("Status Debug"));
        QTRY_COMPARE(status->text(), QString(kFirstStatus));
        QCOMPARE(debug->text(), QString());

        SheetFixture::Click(Button("readConfigButton"));
        QTRY_COMPARE(status->text(), QString("Opened Com port COM1 - cycle QWN power"));
    }

    // Another tab stops the poll; the read waits with its port open and goes on with the
    // bytes that arrived meanwhile once the page is back.
    void readPausesWhileAnotherTabIsShown()
    {
        SheetFixture::Pick(port, 2);
        SheetFixture::Click(Button("readConfigButton"));
        QCOMPARE(line->opens, std::vector<std::string>{"COM3"});
        QVERIFY(page->IsPolling());
        QTRY_VERIFY(Link().IdlePolls() >= 1);

        QVERIFY(f->GoTo("Packet"));
        QVERIFY(!page->IsPolling());
        const int32_t polls = Link().IdlePolls();
        line->Script({"Press ESC 3 times to enter\r\n", "", "Options Menu\r\n",
                      "BANK 0\r\nMYCALL N0CALL-5\r\nPPERIOD 600\r\n"});
        QTest::qWait(350);
        QCOMPARE(Link().IdlePolls(), polls);
        QVERIFY(line->open);
        QVERIFY(line->writes.empty());
        QVERIFY(Link().State() == LinkState::ReadAwaitBanner);

        QVERIFY(f->GoTo("Comms"));
        QVERIFY(page->IsPolling());
        QTRY_COMPARE(line->Written(), std::string("\x1b\x1b\x1b" "EXPORT\r"));
        QTRY_COMPARE_WITH_TIMEOUT(status->text(), QString("Read Complete"), 5000);
        QCOMPARE(debug->text(),
                 QString::fromUtf8("DONE : 0 ignored, 2 parsed, 2 changed \xE2\x80\x93 196 settings not received"));
        QVERIFY(!line->open);
        QCOMPARE(f->settings.m_bank0.mycall, std::string("N0CALL-5"));
        QCOMPARE(f->settings.m_bank0.pperiod, 600);
    }

    void writeStartsOnThePickedPort()
    {
        SheetFixture::Pick(port, 3);
        SheetFixture::Click(Button("writeConfigButton"));
        QCOMPARE(line->opens, std::vector<std::string>{"COM4"});
        QVERIFY(Link().State() == LinkState::WriteAwaitBanner);
    }

    void firmwareDialog()
    {
        answer.clear();
        SheetFixture::Click(Button("reloadFirmwareButton"));
        CheckOneRequest(false, "Select Firmware File", "Quillwren Firmware files *.qwn", "qwn",
                        "");
        if (QTest::currentTestFailed())
            return;
        // Cancel: no port opened, no status changed.
        QVERIFY(line->opens.empty());
        QCOMPARE(LinkText::StatusBytes(Link().Status()), std::string(kFirstStatus));

        const QString firmware = WriteAll(dir.filePath("code.qwn"), ":00000001FF\r\n");
        answer = firmware;
        TypePort("COM9");
        const ModalAnswer<QMessageBox> asked([](QMessageBox *box) {
            for (QAbstractButton *button : box->buttons())
                if (box->buttonRole(button) == QMessageBox::AcceptRole)
                    button->click();
        });
        SheetFixture::Click(Button("reloadFirmwareButton"));
        QVERIFY(asked.Seen());
        QCOMPARE(line->opens, std::vector<std::string>{"COM9"});
        QCOMPARE(Link().FirmwarePath(), firmware.toStdString());
        QVERIFY(Link().State() == LinkState::LoaderAwaitPrompt);
    }

    void loadSettings()
    {
        const QString path = WriteAll(dir.filePath("load.txt"),
                                      "MYCALL N0CALL-9\r\nPPERIOD 300\r\nNOTAKEY 1\r\nABAUD 4800");
        answer = path;
        SheetFixture::Click(Button("loadSettingsButton"));
        CheckOneRequest(false, "Load Settings File", "Quillwren Rezar Settings files *.txt",
                        "txt", "");
        if (QTest::currentTestFailed())
            return;

        QCOMPARE(f->settings.m_bank0.mycall, std::string("N0CALL-9"));
        QCOMPARE(f->settings.m_bank0.pperiod, 300);
        QCOMPARE(status->text(), "Loaded " + path);
        QCOMPARE(debug->text(), QString("DONE : 1 ignored, 3 parsed, 2 changed"));
        // The text goes through the link: the next tick keeps it.
        const int32_t polls = Link().IdlePolls();
        QTRY_VERIFY(Link().IdlePolls() > polls);
        QCOMPARE(status->text(), "Loaded " + path);
    }

    void saveSettings()
    {
        f->settings.m_bank1.mycall = "SAVED-1";
        const QString path = dir.filePath("saved.txt");
        answer = path;
        SheetFixture::Click(Button("saveSettingsButton"));
        CheckOneRequest(true, "Save Settings File", "Quillwren Rezar Settings files *.txt", "txt",
                        "settings1.txt");
        if (QTest::currentTestFailed())
            return;

        QCOMPARE(ReadAll(path), f->settings.SettingsText());
        QVERIFY(ReadAll(path).find("MYCALL SAVED-1\r\n") != std::string::npos);
        QCOMPARE(status->text(), "Saved " + path);
        QCOMPARE(debug->text(), QString());
    }

    void fileFailuresAreReported_data()
    {
        QTest::addColumn<bool>("save");
        QTest::addColumn<QString>("reason");
        QTest::newRow("load a missing file") << false << "No such file or directory";
        QTest::newRow("save into a missing folder") << true << "";
    }
    void fileFailuresAreReported()
    {
        QFETCH(bool, save);
        QFETCH(QString, reason);
        Link().HandleLine("DONE : 0 ignored, 198 parsed, 3 changed\r");
        page->OnPollTimer();
        QCOMPARE(debug->text(), QString("DONE : 0 ignored, 198 parsed, 3 changed"));
        const CBank before = f->settings.m_bank0;
        const QString path = dir.filePath("missing/settings1.txt");
        answer = path;
#ifdef Q_OS_WIN
        // The system's own words, which Windows has for the missing folder.
        if (!reason.isEmpty()) {
            QFile probe(path);
            reason = probe.open(QIODevice::ReadOnly) ? QString() : probe.errorString();
        }
#endif
        SheetFixture::Click(Button(save ? "saveSettingsButton" : "loadSettingsButton"));
        QCOMPARE(status->text(), "Couldn't open file " + path);
        QCOMPARE(debug->text(), reason);
        QVERIFY(!QFile::exists(path));
        QCOMPARE(f->settings.m_bank0.mycall, before.mycall);
    }

    void cancelledFileDialogsChangeNothing()
    {
        answer.clear();
        const QStringList files = QDir(dir.path()).entryList(QDir::Files);
        const std::string text = f->settings.SettingsText();
        SheetFixture::Click(Button("loadSettingsButton"));
        SheetFixture::Click(Button("saveSettingsButton"));
        QCOMPARE(requests.size(), size_t(2));
        QCOMPARE(LinkText::StatusBytes(Link().Status()), std::string(kFirstStatus));
        QCOMPARE(f->settings.SettingsText(), text);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), files);
    }

    // A status wider than its line keeps its start and end; the whole text is the tool tip.
    void longStatusIsShortenedInTheMiddle()
    {
        const QString path = dir.filePath(QString(300, 'd') + "/settings1.txt");
        answer = path;
        const int width = f->sheet->width();
        SheetFixture::Click(Button("loadSettingsButton"));
        QCOMPARE(f->sheet->width(), width);
        QCOMPARE(status->toolTip(), "Couldn't open file " + path);
        QVERIFY(status->text().startsWith("Couldn't open file "));
        QVERIFY(status->text().endsWith("settings1.txt"));
        QVERIFY(status->fontMetrics().horizontalAdvance(status->text())
                <= status->contentsRect().width());
    }
};

QTEST_MAIN(TestCommsPage)
#include "tst_comms_page.moc"
