// Drives the window as a user would (Comms tab, port typed, Read Config, Write Config, Reload
// Firmware) against rezar-sim at the real line pace, and measures how long the window's thread
// is held: the longest single poll of the Comms page's timer, and the longest gap between the
// ticks of a 5 ms timer standing for the repaints and clicks the window must answer.
//
// Usage: rezar-poll-stall PORT FIRMWARE   (rezar-sim must be listening on PORT)
// With REZAR_GRAB=FILE it saves a picture of the window after the read.

#include "CommsPage.h"
#include "Settings.h"
#include "Sheet.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include <cstdio>

namespace {

// Times every timer event but the ticker's: the Comms page's poll timer is the one that works.
class TimingApp : public QApplication {
public:
    using QApplication::QApplication;
    QObject *m_pTicker = nullptr;
    qint64 m_nLongestPollNs = 0;

    bool notify(QObject *receiver, QEvent *event) override
    {
        if (receiver == m_pTicker || event->type() != QEvent::Timer)
            return QApplication::notify(receiver, event);
        QElapsedTimer clock;
        clock.start();
        const bool done = QApplication::notify(receiver, event);
        m_nLongestPollNs = std::max(m_nLongestPollNs, clock.nsecsElapsed());
        return done;
    }
};

struct Result {
    double seconds = 0;
    double longestPollMs = 0;
    double longestStallMs = 0;
    QString status;
};

Result Run(TimingApp &app, QPushButton *button, QLabel *status, const QString &done)
{
    QElapsedTimer ticks;
    qint64 longestGap = 0;
    QTimer ticker;
    app.m_pTicker = &ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, ticks.restart());
    });
    app.m_nLongestPollNs = 0;
    QElapsedTimer clock;
    clock.start();
    // The window asks before a firmware load: the user answers with the load button.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
            for (QAbstractButton *b : box->buttons())
                if (box->buttonRole(b) == QMessageBox::AcceptRole
                    || box->buttonRole(b) == QMessageBox::YesRole)
                    b->click();
    });
    answer.start(20);  // before the click: the question holds the click until answered
    QTest::mouseClick(button, Qt::LeftButton);
    ticks.start();
    ticker.start(5);
    while (status->text() != done && !status->text().contains("Error")
           && !status->text().startsWith("Lost") && !status->text().startsWith("Fail")
           && clock.elapsed() < 120000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    ticker.stop();
    Result r;
    r.seconds = double(clock.elapsed()) / 1000.0;
    r.longestPollMs = double(app.m_nLongestPollNs) / 1e6;
    r.longestStallMs = double(longestGap);
    r.status = status->text();
    return r;
}

} // namespace

int main(int argc, char *argv[])
{
    TimingApp app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);  // each row as it is measured
    if (argc != 3) {
        std::fprintf(stderr, "Usage: rezar-poll-stall PORT FIRMWARE\n");
        return 2;
    }
    const QString port = QString::fromLocal8Bit(argv[1]);
    const QString firmware = QString::fromLocal8Bit(argv[2]);

    CSettings settings;
    CSheet sheet(settings);
    sheet.show();
    auto *tabs = sheet.findChild<QTabWidget *>("tabs");
    QTabBar *bar = tabs->tabBar();
    for (int i = 0; i < bar->count(); ++i)
        if (bar->tabText(i) == "Comms")
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(i).center());
    auto *page = sheet.findChild<CCommsPage *>();
    page->m_fnChooseFile = [&](const CCommsPage::FileDialogRequest &) { return firmware; };
    page->m_fnConfirmWrite = [](const QString &, const auto &, bool *) { return true; };
    auto *combo = sheet.findChild<QComboBox *>("portCombo");
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), port);
    auto *status = sheet.findChild<QLabel *>("statusLine");

    const struct {
        const char *name;
        const char *button;
        const char *done;
    } operations[] = {
        {"read", "readConfigButton", "Read Complete"},
        {"write", "writeConfigButton", "Write Complete"},
        {"flash", "reloadFirmwareButton", "Firmware update complete"},
    };
    std::printf("%-6s %10s %14s %16s  %s\n", "", "time", "longest poll", "longest stall", "status");
    int failed = 0;
    for (const auto &op : operations) {
        // The stand-in device powers up on a new open: give it a moment after the last close.
        QElapsedTimer rest;
        rest.start();
        while (rest.elapsed() < 1500)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        const Result r = Run(app, sheet.findChild<QPushButton *>(op.button), status, op.done);
        std::printf("%-6s %8.2f s %11.1f ms %13.1f ms  %s\n", op.name, r.seconds, r.longestPollMs,
                    r.longestStallMs, qPrintable(r.status));
        if (r.status != op.done)
            failed = 1;
        // REZAR_GRAB=FILE: a picture of the window as the read left it, to look at.
        if (op.button == std::string("readConfigButton") && qEnvironmentVariableIsSet("REZAR_GRAB"))
            sheet.grab().save(qEnvironmentVariable("REZAR_GRAB"));
    }
    return failed;
}
