// The Comms page's device operations and what it keeps, through the shown sheet against a
// scripted port: the port the user chose and what it stands for, why a port did not open, the
// firmware question and the checks before it, the progress bar, the history and the window's
// hooks for unsaved settings, remembered choices, text shown as it came, and access keys.

#include "CommsPage.h"
#include "DeviceLink.h"
#include "LinkText.h"
#include "History.h"
#include "Settings.h"
#include "support/FakeSerialPort.h"
#include "support/SheetFixture.h"
#include "tst_comms_support.h"

#ifdef Q_OS_LINUX
#include "support/PtyPeer.h"
#endif

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

#include <map>
#include <memory>
#include <set>
#include <vector>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

const char kHint[] =
    "Nothing heard from the device yet: check the port and the cable, then switch the device off and on";

// A record of Intel HEX with its checksum.
QByteArray HexRecord(int type, int address, const QByteArray &data)
{
    QByteArray bytes;
    bytes.append(char(data.size()));
    bytes.append(char(address >> 8));
    bytes.append(char(address & 0xFF));
    bytes.append(char(type));
    bytes.append(data);
    int sum = 0;
    for (char b : bytes)
        sum += static_cast<unsigned char>(b);
    bytes.append(char((0x100 - (sum & 0xFF)) & 0xFF));
    return ':' + bytes.toHex().toUpper() + "\r\n";
}

QByteArray GoodHex(int records)
{
    QByteArray text;
    for (int i = 0; i < records; ++i)
        text += HexRecord(0, i * 16, QByteArray(16, char(i)));
    return text + HexRecord(1, 0, {});
}

// Presses the box's button of that role.
void PressRole(QMessageBox *box, QMessageBox::ButtonRole role)
{
    for (QAbstractButton *button : box->buttons())
        if (box->buttonRole(button) == role)
            return SheetFixture::Click(button);
}

} // namespace

class TestCommsOps : public QObject {
    Q_OBJECT

    std::unique_ptr<SheetFixture> f;
    std::shared_ptr<FakeSerialLine> line;
    CCommsPage *page = nullptr;
    // What the window is started with: its ports are fakes on `line` unless a test says otherwise.
    CommsOptions comms;
    QComboBox *port = nullptr;
    QLabel *status = nullptr;
    QLabel *debug = nullptr;
    QLabel *resolution = nullptr;
    QProgressBar *bar = nullptr;
    CommsTestFolders folders;
    QTemporaryDir dir;
    std::vector<CCommsPage::FileDialogRequest> requests;
    QString answer;
    std::vector<QString> discardAsked;
    bool discardAnswer = true;
    int settled = 0;
    QString brokenStore;

    QPushButton *Button(const char *name) { return f->Find<QPushButton>(name); }
    CDeviceLink &Link() { return page->Link(); }

    // A new window, as a new run of the program: the page's seams replaced by the test's.
    void OpenWindow(SheetFixture::Remembered remembered = SheetFixture::Remembered::Forget)
    {
        f.reset();
        f = std::make_unique<SheetFixture>(remembered, comms);
        page = f->Page<CCommsPage>();
        page->m_fnChooseFile = [this](const CCommsPage::FileDialogRequest &request) {
            requests.push_back(request);
            return answer;
        };
        page->m_fnConfirmDiscard = [this](const QString &action) {
            discardAsked.push_back(action);
            return discardAnswer;
        };
        page->m_fnSettingsSettled = [this] { ++settled; };
        QVERIFY(f->GoTo("Comms"));
        port = f->Find<QComboBox>("portCombo");
        status = f->Find<QLabel>("statusLine");
        debug = f->Find<QLabel>("statusDebugLine");
        resolution = f->Find<QLabel>("portResolution");
        bar = f->Find<QProgressBar>("progressBar");
    }

    void TypePort(const QString &text) { SheetFixture::Type(port->lineEdit(), text); }

    // One tick of the page's poll, as its timer gives it (no events are handled in between).
    void Poll(int times = 1)
    {
        for (int i = 0; i < times; ++i)
            page->OnPollTimer();
    }
    bool BarShown() const { return !bar->isHidden(); }
    struct PaintCount : QObject {
        explicit PaintCount(QWidget *widget) { widget->installEventFilter(this); }
        bool eventFilter(QObject *, QEvent *event) override
        {
            count += event->type() == QEvent::Paint;
            return false;
        }
        int count = 0;
    };

    // Starts a read or write with the device answering its start-up text and menu.
    void StartExchange(const char *button)
    {
        line->Script({"Press ESC 3 times to enter\r\n", "Options Menu\r\n"});
        SheetFixture::Click(Button(button));
        Poll(2);
    }

    // A listing of the model's settings, in `parts` entries of about equal size.
    std::vector<std::string> Listing(const CSettings &settings, int parts)
    {
        const QList<QByteArray> lines = QByteArray::fromStdString(settings.SettingsText()).split('\n');
        std::vector<std::string> out(static_cast<size_t>(parts));
        int n = 0;
        for (const QByteArray &l : lines)
            if (!l.isEmpty())
                out[size_t(n++ * parts / kSettingsTextLines)] += (l + '\n').toStdString();
        return out;
    }

    QStringList HistoryFiles() const
    {
        return QDir(HistoryFolder()).entryList({"*.txt"}, QDir::Files, QDir::Name);
    }

private slots:
    void init()
    {
        folders.Renew();
        line = std::make_shared<FakeSerialLine>();
        comms = CommsOptions{QString(), FakePorts(line)};
        requests.clear();
        answer.clear();
        discardAsked.clear();
        discardAnswer = true;
        settled = 0;
        OpenWindow();
    }
    void cleanup()
    {
        f.reset();
        // A store the test broke is put right for the tests after it.
        if (!brokenStore.isEmpty()) {
            QFile::setPermissions(brokenStore, QFile::ReadOwner | QFile::WriteOwner);
            QDir(brokenStore).removeRecursively();
            QFile::remove(brokenStore);
            brokenStore.clear();
        }

    }

    // The box keeps its text across visits and runs; --port wins over the remembered one.
    void portIsKeptAndRemembered()
    {
        TypePort("/dev/rezar-typed");
        QVERIFY(f->GoTo("GPS"));
        QVERIFY(f->GoTo("Comms"));
        QCOMPARE(port->currentText(), QString("/dev/rezar-typed"));
        QCOMPARE(port->count(), 20);

        OpenWindow(SheetFixture::Remembered::Keep);
        QCOMPARE(port->currentText(), QString("/dev/rezar-typed"));
        SheetFixture::Click(Button("readConfigButton"));
        QCOMPARE(line->opens, std::vector<std::string>{"/dev/rezar-typed"});

        comms.port = "COM4";
        OpenWindow(SheetFixture::Remembered::Keep);
        QCOMPARE(port->currentText(), QString("COM4"));
        SheetFixture::Click(Button("writeConfigButton"));
        QCOMPARE(line->opens.back(), std::string("COM4"));

        // Used once, the --port name is the one remembered.
        comms.port.clear();
        OpenWindow(SheetFixture::Remembered::Keep);
        QCOMPARE(port->currentText(), QString("COM4"));
    }

    // Whatever the store holds or fails to hold, the window starts and works.
    void brokenStoreStopsNothing_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("a folder in its place") << "folder";
        QTest::newRow("bytes of no format") << "junk";
        QTest::newRow("a file that may not be read") << "locked";
    }
    void brokenStoreStopsNothing()
    {
        QFETCH(QString, kind);
        f.reset();
        const QString store = RememberedStore()->fileName();
        brokenStore = store;
        QFile::remove(store);
        QDir().mkpath(QFileInfo(store).absolutePath());
        if (kind == "folder") {
            QVERIFY(QDir().mkpath(store));
        } else {
            WriteAll(store, QByteArray("\0\xff[comms\n=port=\x01\0", 18));
            if (kind == "locked") {
#ifdef Q_OS_UNIX
                if (geteuid() == 0)
                    QSKIP("root reads any file");
#endif
                QVERIFY(QFile::setPermissions(store, {}));
            }
        }
        OpenWindow(SheetFixture::Remembered::Keep);
        QCOMPARE(port->currentText(), QString("COM1"));
        TypePort("COM6");
        QVERIFY(f->GoTo("Basic"));
        QVERIFY(f->GoTo("Comms"));
        answer = dir.filePath("saved.txt");
        QVERIFY(page->SaveSettingsInteractive());
        SheetFixture::Click(Button("readConfigButton"));
        QCOMPARE(line->opens, std::vector<std::string>{"COM6"});
        OpenWindow(SheetFixture::Remembered::Keep);
        QCOMPARE(port->count(), 20);
    }

    void portResolution_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");  // "missing": no such port
        QTest::newRow("a missing path") << "/dev/rezar-missing-port" << "missing";
        QTest::newRow("a missing short name") << "ttyREZARNONE" << "missing";
        QTest::newRow("a COM name beyond the ports present") << "COM99" << "missing";
        QTest::newRow("nothing") << "" << "missing";
#ifdef Q_OS_LINUX
        QTest::newRow("a pseudo-terminal") << "pty" << "pty";
        QTest::newRow("a link to it") << "link" << "pty";
#endif
    }
    void portResolution()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        const size_t present = ListSerialPorts().size();
        const QString missing = present == 1 ? QStringLiteral("→ no such port (1 serial port present)")
                                             : QStringLiteral("→ no such port (%1 serial ports present)").arg(present);
#ifdef Q_OS_LINUX
        PtyPeer peer;
        QVERIFY(!peer.path.empty());
        const QString pty = QString::fromStdString(peer.path);
        if (typed == "pty")
            typed = pty;
        if (typed == "link") {
            typed = dir.filePath("rezar-link");
            QFile::remove(typed);
            QVERIFY(QFile::link(pty, typed));
        }
        if (shown == "pty")
            shown = QStringLiteral("→ ") + pty;
#endif
        if (shown == "missing")
            shown = missing;
        TypePort("COM98");
        QCOMPARE(resolution->text(), missing);
        TypePort(typed);
        QCOMPARE(resolution->text(), shown);
        QCOMPARE(resolution->textFormat(), Qt::PlainText);
        QVERIFY(resolution->isVisible());
    }

    // The line follows the text as it is typed, and what appeared meanwhile when the page is
    // shown again; a long text is cut in the middle with the whole of it as tool tip.
    void resolutionFollowsTheSystem()
    {
        const QString later = dir.filePath(QString(200, 'p') + "-port");
        TypePort(later);
        QVERIFY(resolution->text().contains("no such port"));
        WriteAll(later, "x");
        QVERIFY(f->GoTo("Display"));
        QVERIFY(f->GoTo("Comms"));
        const QString whole = QStringLiteral("→ ") + QFileInfo(later).canonicalFilePath();
        QCOMPARE(ShownToolTip(resolution->toolTip()), whole);
        QVERIFY(resolution->text() != whole);
        QVERIFY(resolution->text().startsWith(QStringLiteral("→ /")));
        QVERIFY(resolution->text().endsWith("-port"));
        QVERIFY(resolution->fontMetrics().horizontalAdvance(resolution->text())
                <= resolution->contentsRect().width());
        TypePort("COM97");
        QVERIFY(resolution->toolTip().isEmpty());
    }

    // Why a port did not open, in the words rezar-cli uses; the line left by the operation
    // before is gone either way.
    void openFailureSaysWhy_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const QString present = QString::number(ListSerialPorts().size());
        QTest::newRow("no such port") << int(PortErrorKind::NotFound) << "" << "no such port"
                                      << "COM5: no such port; " + present + " serial ports present";
        QTest::newRow("a missing device") << int(PortErrorKind::NotFound) << "/dev/ttyUSB7" << ""
                                          << "COM5 (/dev/ttyUSB7): no such port";
        QTest::newRow("permission") << int(PortErrorKind::Permission) << "group" << "Permission denied"
                                    << "COM5 (%1): Permission denied; you may need to be in the group '%2' "
                                       "that owns the port (then log in again)";
        QTest::newRow("busy") << int(PortErrorKind::Busy) << "/dev/ttyUSB0" << "its lock file is taken"
                              << "COM5 (/dev/ttyUSB0): busy: another program holds the port (its lock file is taken)";
        QTest::newRow("anything else") << int(PortErrorKind::Other) << "/dev/ttyUSB0" << "Input/output error"
                                       << "COM5 (/dev/ttyUSB0): Input/output error";
    }
    void openFailureSaysWhy()
    {
        QFETCH(int, kind);
        QFETCH(QString, path);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        if (path == "group") {
            path = WriteAll(dir.filePath("tty-owned"), "");
            expected = expected.arg(path, QFileInfo(path).group());
        }
        line->openFails = true;
        line->openError = {PortErrorKind(kind), path.toStdString(), text.toStdString()};
        Link().HandleLine("left from before\r");
        page->OnPollTimer();
        TypePort("COM5");
        SheetFixture::Click(Button("writeConfigButton"));
        QCOMPARE(status->text(), QString("Failed to open Com port COM5"));
        QCOMPARE(ShownToolTip(debug->toolTip()).isEmpty() ? debug->text() : ShownToolTip(debug->toolTip()),
                 expected);
        QVERIFY(!BarShown());
        QVERIFY(page->RunningOperation().isEmpty());

        line->openFails = false;
        Link().HandleLine("left from before\r");
        page->OnPollTimer();
        SheetFixture::Click(Button("readConfigButton"));
        QCOMPARE(status->text(), QString("Opened Com port COM5 - cycle QWN power"));
        QCOMPARE(debug->text(), QString());
    }

    // After 15 s of silence while waiting for the device, the debug line says what to check;
    // the status line keeps its text.
    void silenceHint_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("read") << "readConfigButton";
        QTest::newRow("write") << "writeConfigButton";
    }
    void silenceHint()
    {
        QFETCH(QString, button);
        SheetFixture::Click(Button(qPrintable(button)));
        const QString opened = "Opened Com port COM1 - cycle QWN power";
        Poll(CDeviceLink::kNoAnswerPolls - 1);
        QCOMPARE(debug->text(), QString());
        Poll();
        QCOMPARE(ShownToolTip(debug->toolTip()).isEmpty() ? debug->text() : ShownToolTip(debug->toolTip()),
                 QString(kHint));
        QCOMPARE(status->text(), opened);
        QVERIFY(line->writes.empty());
    }

    void firmwareQuestion_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("loads");
        QTest::newRow("Enter takes the default") << "enter" << false;
        QTest::newRow("Esc") << "escape" << false;
        QTest::newRow("Cancel") << "cancel" << false;
        QTest::newRow("Load Firmware") << "load" << true;
    }
    void firmwareQuestion()
    {
        QFETCH(QString, answer);
        QFETCH(bool, loads);
        const QByteArray content = GoodHex(3);
        this->answer = WriteAll(dir.filePath("rezar-2.1.qwn"), content);
        TypePort("/dev/ttyUSB3");
        QString text;
        QString defaultButton;
        Qt::TextFormat format = Qt::AutoText;
        const ModalAnswer<QMessageBox> seen([&](QMessageBox *box) {
            text = box->text();
            format = box->textFormat();
            defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
            if (answer == "enter")
                QTest::keyClick(box, Qt::Key_Return);
            else if (answer == "escape")
                QTest::keyClick(box, Qt::Key_Escape);
            else
                PressRole(box, answer == "load" ? QMessageBox::AcceptRole : QMessageBox::RejectRole);
        });
        SheetFixture::Click(Button("reloadFirmwareButton"));
        QVERIFY(seen.Seen());
        QCOMPARE(defaultButton, QString("Cancel"));
        QCOMPARE(format, Qt::PlainText);
        for (const QString &part : {QString("rezar-2.1.qwn"), QString::number(content.size()) + " bytes",
                                    QString("/dev/ttyUSB3"), QString("erased first"), QString("powered")})
            QVERIFY2(text.contains(part), qPrintable(text));
        if (loads) {
            QCOMPARE(line->opens, std::vector<std::string>{"/dev/ttyUSB3"});
            QCOMPARE(page->RunningOperation(), QString("a firmware load"));
        } else {
            QVERIFY(line->opens.empty());
            QCOMPARE(LinkText::StatusBytes(Link().Status()), std::string("Select COM port and click Read or Write"));
            QVERIFY(page->RunningOperation().isEmpty());
        }
    }

    // A file the link would refuse is refused before anyone is asked, in the link's words.
    void firmwareRefusedBeforeAsking_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("problem");
        QByteArray broken = GoodHex(4);
        broken[broken.indexOf("\r\n:") + 3 + 9] = broken[broken.indexOf("\r\n:") + 3 + 9] == '0' ? '1' : '0';
        QTest::newRow("a checksum that does not match") << broken << "line 2: checksum is";
        QTest::newRow("no end record") << GoodHex(2).left(GoodHex(2).lastIndexOf(':')) << "";
        QTest::newRow("an empty file") << QByteArray() << "the file is empty";
        QTest::newRow("a folder") << QByteArray("folder") << "is a folder, not a file";
    }
    void firmwareRefusedBeforeAsking()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, problem);
        const QString path = dir.filePath(QString("refused-%1.qwn").arg(QTest::currentDataTag()));
        if (content == "folder")
            QVERIFY(QDir().mkpath(path));
        else
            WriteAll(path, content);
        CSettings other;
        CDeviceLink link(other);
        QVERIFY(!link.StartFirmware("COM1", path.toStdString()));
        QVERIFY(line->opens.empty());

        answer = path;
        const ModalAnswer<QMessageBox> seen([](QMessageBox *box) { box->reject(); });
        SheetFixture::Click(Button("reloadFirmwareButton"));
        QVERIFY(!seen.Seen());
        QVERIFY(line->opens.empty());
        QCOMPARE(status->text().toStdString(), LinkText::StatusBytes(link.Status()));
        QCOMPARE(debug->text().toStdString(), LinkText::NoteBytes(link.Note()));
        QVERIFY2(debug->text().startsWith(problem), qPrintable(debug->text()));
        QVERIFY(!debug->text().isEmpty());
    }

    // Past the question, Intel HEX and any other file go to the device byte for byte, with the
    // bar counting the erase and then the bytes on the line.
    void firmwareSentUnchanged_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("Intel HEX") << GoodHex(300);
        QByteArray binary;
        for (int i = 0; i < 5000; ++i)
            binary.append(char((i * 131 + 7) & 0xFF));
        QTest::newRow("not HEX") << binary;
    }
    void firmwareSentUnchanged()
    {
        QFETCH(QByteArray, content);
        answer = WriteAll(dir.filePath("code.qwn"), content);
        const ModalAnswer<QMessageBox> answered([](QMessageBox *box) { PressRole(box, QMessageBox::AcceptRole); });
        SheetFixture::Click(Button("reloadFirmwareButton"));
        QCOMPARE(line->opens.size(), size_t(1));
        line->Script({"?", "Quillwren v1.2c\r\n"});
        Poll(2);
        QCOMPARE(line->Written(), std::string("bs"));
        QCOMPARE(status->text(), QString("Erasing Code"));
        int last = -1;
        for (int i = 0; i < 59; ++i) {
            Poll();
            QVERIFY(BarShown());
            QCOMPARE(bar->maximum(), 60);
            QVERIFY(bar->value() > last);
            last = bar->value();
        }
        Poll();
        QCOMPARE(status->text(), QString("Erase Complete"));
        std::vector<int> values;
        for (int i = 0; i < 20 && line->Written().size() < size_t(content.size()) + 2; ++i) {
            Poll();
            QVERIFY(BarShown());
            QCOMPARE(bar->maximum(), int(content.size()));
            values.push_back(bar->value());
        }
        QCOMPARE(QByteArray::fromStdString(line->Written()), "bs" + content);
        QVERIFY(values.size() >= 2);
        QVERIFY(std::is_sorted(values.begin(), values.end()));
        QCOMPARE(values.back(), int(content.size()));
        line->Arrive("*");
        Poll();
        QCOMPARE(status->text(), QString("Firmware update complete"));
        QVERIFY(!BarShown());
        QCOMPARE(settled, 0);
        QVERIFY(HistoryFiles().isEmpty());
    }

    // The bar counts the listing's lines as they come, of 200, and goes when the read is done;
    // the status lines keep their texts.
    void readProgressAndHistory()
    {
        CSettings device;
        device.m_bank0.mycall = "K9DEV";
        device.m_bank1.pperiod = 900;
        QVERIFY(!BarShown());
        StartExchange("readConfigButton");
        QCOMPARE(status->text(), QString("Entered Command Menu - Reading settings"));
        QVERIFY(BarShown());
        QCOMPARE(bar->maximum(), kSettingsTextLines);
        QCOMPARE(bar->value(), 0);
        QCOMPARE(page->RunningOperation(), QString("a settings read"));
        // The bar is drawn by the next paint, not inside the poll.
        QVERIFY(QTest::qWaitForWindowExposed(bar->window()));
        PaintCount paints(bar);
        bar->update();
        QTRY_VERIFY(paints.count > 0);  // it can be drawn
        paints.count = 0;
        line->Script(Listing(device, 4));
        for (int part = 1; part <= 4; ++part) {
            Poll();
            QCOMPARE(bar->value(), part * kSettingsTextLines / 4);
        }
        QCOMPARE(paints.count, 0);
        QTRY_VERIFY(paints.count > 0);
        Poll(9);
        QVERIFY(BarShown());
        QCOMPARE(settled, 0);
        Poll();
        QCOMPARE(status->text(), QString("Read Complete"));
        QCOMPARE(debug->text(), QString("DONE : 0 ignored, 198 parsed, 2 changed"));
        QVERIFY(!BarShown());
        QVERIFY(page->RunningOperation().isEmpty());
        QCOMPARE(settled, 1);

        const QStringList files = HistoryFiles();
        QCOMPARE(files.size(), 1);
        QVERIFY(files[0].endsWith("-read.txt"));
        CSettings kept;
        QCOMPARE(kept.LoadFile(QDir(HistoryFolder()).filePath(files[0]).toStdString()), 0);
        QCOMPARE(kept.SettingsText(), device.SettingsText());
        QCOMPARE(ListHistory().front().port, QString("COM1"));
        Poll(20);
        QCOMPARE(settled, 1);
        QCOMPARE(HistoryFiles().size(), 1);
    }

    void writeProgressAndHistory()
    {
        f->settings.m_bank1.mycall = "N0WRT";
        TypePort("COM2");
        StartExchange("writeConfigButton");
        QCOMPARE(page->RunningOperation(), QString("a settings write"));
        for (int sent = 2; sent < kSettingsTextLines; sent += 2) {
            QVERIFY(BarShown());
            QCOMPARE(bar->maximum(), kSettingsTextLines);
            QCOMPARE(bar->value(), sent);
            Poll();
        }
        QCOMPARE(bar->value(), kSettingsTextLines);
        Poll();
        QCOMPARE(status->text(), QString("Write Complete"));
        QVERIFY(!BarShown());
        QCOMPARE(settled, 1);
        const QStringList files = HistoryFiles();
        QCOMPARE(files.size(), 1);
        QVERIFY(files[0].endsWith("-written.txt"));
        CSettings kept;
        QCOMPARE(kept.LoadFile(QDir(HistoryFolder()).filePath(files[0]).toStdString()), 0);
        QCOMPARE(kept.SettingsText(), f->settings.SettingsText());
        QCOMPARE(ListHistory().front().port, QString("COM2"));
    }

    // An operation that did not complete keeps nothing and settles nothing.
    void unfinishedOperationsKeepNothing()
    {
        StartExchange("readConfigButton");
        line->unplugged = true;
        Poll();
        QCOMPARE(status->text(), QString("Lost connection on Com port COM1"));
        line->unplugged = false;
        StartExchange("writeConfigButton");
        SheetFixture::Click(Button("readConfigButton"));  // cuts the write off
        line->openFails = true;
        SheetFixture::Click(Button("writeConfigButton"));  // cuts the read off
        Poll(30);
        QCOMPARE(settled, 0);
        QVERIFY(HistoryFiles().isEmpty());
        QVERIFY(!BarShown());
    }

    // Read Config and Load Settings ask first and stop when told; other buttons do not ask.
    void unsavedSettingsAreAskedFor()
    {
        discardAnswer = false;
        SheetFixture::Click(Button("readConfigButton"));
        answer = WriteAll(dir.filePath("in.txt"), "MYCALL LOADED\r\n");
        SheetFixture::Click(Button("loadSettingsButton"));
        QCOMPARE(discardAsked, (std::vector<QString>{"Read Config", "Load Settings"}));
        QVERIFY(line->opens.empty());
        QVERIFY(requests.empty());
        QCOMPARE(f->settings.m_bank0.mycall, CSettings().m_bank0.mycall);

        SheetFixture::Click(Button("writeConfigButton"));
        answer = dir.filePath("out.txt");
        SheetFixture::Click(Button("saveSettingsButton"));
        QCOMPARE(discardAsked.size(), size_t(2));
        QCOMPARE(settled, 1);  // the save

        discardAnswer = true;
        SheetFixture::Click(Button("readConfigButton"));
        answer = dir.filePath("in.txt");
        SheetFixture::Click(Button("loadSettingsButton"));
        QCOMPARE(discardAsked.size(), size_t(4));
        QCOMPARE(f->settings.m_bank0.mycall, std::string("LOADED"));
        QCOMPARE(settled, 2);  // the load
        QCOMPARE(line->opens.size(), size_t(2));
    }

    void loadAndSaveSettle_data()
    {
        QTest::addColumn<bool>("save");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("succeeds");
        QTest::newRow("load") << false << "in.txt" << true;
        QTest::newRow("load a missing file") << false << "missing/in.txt" << false;
        QTest::newRow("load a folder") << false << "" << false;
        QTest::newRow("save") << true << "out.txt" << true;
        QTest::newRow("save into a missing folder") << true << "missing/out.txt" << false;
        QTest::newRow("cancelled") << true << "cancel" << false;
    }
    void loadAndSaveSettle()
    {
        QFETCH(bool, save);
        QFETCH(QString, file);
        QFETCH(bool, succeeds);
        WriteAll(dir.filePath("in.txt"), "MYCALL K2XYZ\r\n");
        answer = file == "cancel" ? QString() : dir.filePath(file);
        if (save) {
            QCOMPARE(page->SaveSettingsInteractive(), succeeds);
        } else {
            SheetFixture::Click(Button("loadSettingsButton"));
            if (file.isEmpty()) {
                QCOMPARE(status->text(), "Couldn't open file " + dir.path());
                QCOMPARE(debug->text(), QString("is a folder, not a file"));
            }
        }
        QCOMPARE(settled, succeeds ? 1 : 0);
    }

    // Each dialog opens where its last choice was, in this run and the next; Load Settings
    // offers the history.
    void dialogsRememberTheirFolders()
    {
        const QString a = dir.filePath("a"), b = dir.filePath("b"), c = dir.filePath("c");
        for (const QString &folder : {a, b, c})
            QVERIFY(QDir().mkpath(folder));
        answer = a + "/x.txt";
        SheetFixture::Click(Button("loadSettingsButton"));
        answer = b + "/y.txt";
        QVERIFY(page->SaveSettingsInteractive());
        answer = c + "/z.qwn";
        SheetFixture::Click(Button("reloadFirmwareButton"));
        QCOMPARE(requests.size(), size_t(3));
        for (const auto &request : requests)
            QVERIFY(request.directory.isEmpty());
        QCOMPARE(requests[0].places, QStringList{HistoryFolder()});
        QVERIFY(QFileInfo(HistoryFolder()).isDir());
        QVERIFY(requests[1].places.isEmpty());
        QVERIFY(requests[2].places.isEmpty());

        OpenWindow(SheetFixture::Remembered::Keep);
        requests.clear();
        answer.clear();
        SheetFixture::Click(Button("reloadFirmwareButton"));
        SheetFixture::Click(Button("loadSettingsButton"));
        QVERIFY(!page->SaveSettingsInteractive());
        QCOMPARE(requests.size(), size_t(3));
        QCOMPARE(requests[0].directory, c);
        QCOMPARE(requests[1].directory, a);
        QCOMPARE(requests[2].directory, b);
    }

    // The real dialog opens in the folder asked for and shows the extra place beside the
    // standard ones.
    void fileDialogShowsWhatWasAsked()
    {
        const QString history = HistoryFolder();
        QVERIFY(QDir().mkpath(history));
        QFileDialog plain;
        plain.setOption(QFileDialog::DontUseNativeDialog);
        const QList<QUrl> standard = plain.sidebarUrls();
        QVERIFY(!standard.isEmpty());

        QList<QUrl> side;
        QString opened;
        const ModalAnswer<QFileDialog> seen([&](QFileDialog *dialog) {
            side = dialog->sidebarUrls();
            opened = dialog->directory().absolutePath();
            dialog->reject();
        });
        CCommsPage::FileDialogRequest request{false, "Load Settings File", "Settings (*.txt)", "txt",
                                              QString(), dir.path(), {history}};
        QCOMPARE(CCommsPage::RunFileDialog(page, request), QString());
        QVERIFY(seen.Seen());
        QCOMPARE(opened, QDir(dir.path()).absolutePath());
        QVERIFY(side.contains(QUrl::fromLocalFile(history)));
        for (const QUrl &url : standard)
            QVERIFY2(side.contains(url), qPrintable(url.toString()));
    }

    // Markup from a device, a file name or a port name shows as the characters it is.
    void markupShownLiterally()
    {
        const std::string img = "<img src=\"/dev/zero\">";
        line->Script({img + "\r\n"});
        SheetFixture::Click(Button("readConfigButton"));
        Poll();
        QCOMPARE(debug->textFormat(), Qt::PlainText);
        QCOMPARE(status->textFormat(), Qt::PlainText);
        QCOMPARE(debug->text(), QString::fromStdString(img));  // without its line end

        // Long enough to be cut: the tool tip shows the whole line as it came.
        const std::string longer = "<b>" + std::string(400, 'w') + "</b>" + img;
        line->Arrive(longer + "\r\n");
        Poll();
        QVERIFY(debug->text() != QString::fromStdString(longer));
        QCOMPARE(ShownToolTip(debug->toolTip()), QString::fromStdString(longer));

        const QString name = "<b>code<img src=\"x\">.qwn";
        answer = WriteAll(dir.filePath(name), GoodHex(1));
        QString text;
        const ModalAnswer<QMessageBox> answered([&](QMessageBox *box) {
            QCOMPARE(box->textFormat(), Qt::PlainText);
            text = box->text();
            box->reject();
        });
        SheetFixture::Click(Button("reloadFirmwareButton"));
        QVERIFY(text.contains(name));

        TypePort(QString::fromStdString(img));
        QCOMPARE(resolution->textFormat(), Qt::PlainText);
    }

    // Every button of the page and the port's label carry an access key, none twice; the
    // keys act as a user expects.
    void accessKeys()
    {
        QWidget *tab = f->Tabs()->currentWidget();
        std::map<QChar, QString> keys;
        QStringList captions;
        const auto take = [&](const QString &text) {
            const qsizetype at = text.indexOf('&');
            QVERIFY2(at >= 0 && at + 1 < text.size(), qPrintable(text));
            const QChar key = text[at + 1].toLower();
            QVERIFY2(!keys.count(key), qPrintable(text + " and " + keys[key]));
            keys[key] = text;
            captions << QString(text).remove('&');
        };
        for (QAbstractButton *button : tab->findChildren<QAbstractButton *>())
            take(button->text());
        auto *label = f->Find<QLabel>("portLabel");
        QCOMPARE(label->buddy(), port);
        take(label->text());
        QCOMPARE(keys.size(), size_t(8));
        captions.sort();
        QCOMPARE(captions, (QStringList{"COM Port", "Compare\u2026", "Load Settings", "Re-Load Firmware", "Read Config",
                                        "Save Settings", "Verify after writing", "Write Config"}));

        f->sheet->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f->sheet.get()));
        Button("saveSettingsButton")->setFocus();
        QTest::keyClick(f->sheet.get(), Qt::Key_P, Qt::AltModifier);
        QVERIFY(port->hasFocus() || port->lineEdit()->hasFocus());
        // A button's access key clicks it after its pressed look has shown.
        QTest::keyClick(f->sheet.get(), Qt::Key_L, Qt::AltModifier);
        QTRY_COMPARE(discardAsked, std::vector<QString>{"Load Settings"});
        QCOMPARE(requests.size(), size_t(1));
        QTest::keyClick(f->sheet.get(), Qt::Key_R, Qt::AltModifier);
        QTRY_COMPARE(line->opens, std::vector<std::string>{"COM1"});
    }

#ifdef Q_OS_LINUX
    // --trace: the window's link records the conversation through the real port.
    void traceRecordsTheConversation()
    {
        const QString tracePath = dir.filePath("window.trace");
        QString error;
        QVERIFY(!CCommsPage::TraceTo(dir.filePath("missing/window.trace"), &comms.ports, &error));
        QVERIFY(error.contains("missing/window.trace"));
        QVERIFY2(CCommsPage::TraceTo(tracePath, &comms.ports, &error), qPrintable(error));
        OpenWindow();
        PtyPeer peer;
        TypePort(QString::fromStdString(peer.path));
        SheetFixture::Click(Button("readConfigButton"));
        QCOMPARE(status->text(), "Opened Com port " + QString::fromStdString(peer.path) + " - cycle QWN power");
        peer.Send("Press ESC 3 times to enter\r\n");
        QTRY_COMPARE(status->text(), QString("Found Quillwren Rezar - Entering Command Menu"));
        QCOMPARE(peer.Receive(3, 2000), std::string("\x1b\x1b\x1b"));
        f.reset();
        QFile trace(tracePath);
        QVERIFY(trace.open(QIODevice::ReadOnly));
        const QByteArray text = trace.readAll();
        QVERIFY2(text.contains("rezar-config"), text.constData());
        QVERIFY2(text.contains("< Press ESC 3 times to enter\\r\\n"), text.constData());
        QVERIFY2(text.contains("> \\x1b"), text.constData());
    }
#endif
};

QTEST_MAIN(TestCommsOps)
#include "tst_comms_ops.moc"
