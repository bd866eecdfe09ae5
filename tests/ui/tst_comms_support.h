#pragma once

// What the Comms page suites share: a store of remembered choices and a data folder of their
// own for each test, the answer to a modal box the page opens, the text a tool tip shows, and
// a file written whole.

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

// The history goes to a folder of the test's own, fresh for each test; remembered choices
// are the sheet fixture's (a folder of the test program's own).
class CommsTestFolders {
public:
    CommsTestFolders()
    {
        QCoreApplication::setOrganizationName("Quillwren");
        QCoreApplication::setApplicationName("rezar-config");
    }
    // Call from init(): a new, empty data folder.
    void Renew()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QDir().mkpath(DataFolder());
        qputenv("XDG_DATA_HOME", DataFolder().toLocal8Bit());
    }
    QString DataFolder() const { return m_dir->filePath("data"); }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

// Answers the next modal widget of type T the moment it shows: `answer` gets it and must
// close it. Watches until answered or destroyed.
template <class T> class ModalAnswer {
public:
    explicit ModalAnswer(std::function<void(T *)> answer)
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this, answer] {
            if (auto *box = qobject_cast<T *>(QApplication::activeModalWidget())) {
                m_timer.stop();
                m_seen = true;
                answer(box);
            }
        });
        m_timer.start();
    }
    bool Seen() const { return m_seen; }

private:
    QTimer m_timer;
    bool m_seen = false;
};

// The text a user reads in a tool tip: tool tips that look like markup are rendered as such.
inline QString ShownToolTip(const QString &toolTip)
{
    if (!Qt::mightBeRichText(toolTip))
        return toolTip;
    QTextDocument document;
    document.setHtml(toolTip);
    return document.toPlainText();
}

// A file of the test's with exactly these bytes; the test cannot go on without it.
inline QString WriteAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}
