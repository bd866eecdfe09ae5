#pragma once

// What the Comms page suites share: a store of remembered choices and a data folder of their
// own for each test, the answer to a modal box the page opens, and the text a tool tip shows.

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

// Remembered choices and history go to folders of the test's own, fresh for each test.
class CommsTestFolders {
public:
    CommsTestFolders()
    {
        QCoreApplication::setOrganizationName("Quillwren");
        QCoreApplication::setApplicationName("rezar-config");
    }
    // Call from init(): new, empty folders for the store and the history.
    void Renew()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QDir().mkpath(ConfigFolder());
        QDir().mkpath(DataFolder());
        qputenv("XDG_DATA_HOME", DataFolder().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", ConfigFolder().toLocal8Bit());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, ConfigFolder());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, ConfigFolder());
    }
    QString ConfigFolder() const { return m_dir->filePath("config"); }
    QString DataFolder() const { return m_dir->filePath("data"); }
    // Where the program's remembered choices are kept.
    QString StoreFile() const { return ConfigFolder() + "/Quillwren/rezar-config.conf"; }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

// Answers the next modal widget of type T the moment it shows: `answer` gets it and must
// close it. Returns a flag that tells whether it was seen.
template <class T> std::shared_ptr<bool> AnswerModal(std::function<void(T *)> answer)
{
    auto seen = std::make_shared<bool>(false);
    auto *timer = new QTimer;
    timer->setInterval(10);
    // Gives up after 10 s, so that a box that never comes leaves nothing behind.
    auto ticks = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, seen, ticks, answer] {
        if (++*ticks > 1000) {
            timer->stop();
            timer->deleteLater();
            return;
        }
        if (auto *box = qobject_cast<T *>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            *seen = true;
            answer(box);
        }
    });
    timer->start();
    return seen;
}

// The text a user reads in a tool tip: tool tips that look like markup are rendered as such.
inline QString ShownToolTip(const QString &toolTip)
{
    if (!Qt::mightBeRichText(toolTip))
        return toolTip;
    QTextDocument document;
    document.setHtml(toolTip);
    return document.toPlainText();
}
