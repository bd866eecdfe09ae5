// The history of device operations: entries that load as plain settings files, never
// overwritten, pruned to the newest 200, listed newest first with their port.

#include "History.h"
#include "Settings.h"

#include <QtTest>

#include <set>

namespace {

CSettings WithCall(const std::string &call)
{
    CSettings settings;
    settings.m_bank0.mycall = call;
    return settings;
}

} // namespace

class TestHistory : public QObject {
    Q_OBJECT
    QTemporaryDir m_data;

    QStringList Files() const
    {
        return QDir(HistoryFolder()).entryList(QDir::Files, QDir::Name);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_data.isValid());
        qputenv("XDG_DATA_HOME", m_data.path().toLocal8Bit());
        QCoreApplication::setOrganizationName("Quillwren");
        QCoreApplication::setApplicationName("rezar-config");
    }
    void init()
    {
        QDir(HistoryFolder()).removeRecursively();
    }

    void folderIsTheUsersDataFolder()
    {
        QCOMPARE(HistoryFolder(), m_data.path() + "/Quillwren/rezar-config/history");
    }

    void entryIsAPlainSettingsFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("read") << "read";
        QTest::newRow("written") << "written";
    }
    void entryIsAPlainSettingsFile()
    {
        QFETCH(QString, kind);
        CSettings settings = WithCall("K1ABC");
        settings.m_bank1.txd = 45;
        QString error;
        const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
        const QString path = RecordHistory(settings, kind, "/dev/ttyUSB0", &error);
        QVERIFY2(!path.isEmpty(), qPrintable(error));
        QVERIFY(error.isEmpty());
        QVERIFY2(QRegularExpression("/history/\\d{4}-\\d\\d-\\d\\d_\\d{6}-" + kind + "\\.txt$").match(path).hasMatch(),
                 qPrintable(path));

        CSettings loaded;
        std::string summary;
        QCOMPARE(loaded.LoadFile(path.toStdString(), &summary), 0);
        QCOMPARE(summary, std::string("DONE : 0 ignored, 198 parsed, 2 changed"));
        QCOMPARE(loaded.SettingsText(), settings.SettingsText());

        const std::vector<HistoryEntry> entries = ListHistory();
        QCOMPARE(entries.size(), size_t(1));
        QCOMPARE(entries[0].kind, kind);
        QCOMPARE(entries[0].port, QString("/dev/ttyUSB0"));
        QCOMPARE(entries[0].mycall, std::string("K1ABC"));
        QCOMPARE(entries[0].path, path);
        QVERIFY(entries[0].time >= before && entries[0].time <= QDateTime::currentDateTime());
    }

    void sameSecondKeepsEveryEntryInOrder()
    {
        std::vector<QString> paths;
        for (const char *call : {"A1", "B2", "C3", "D4"})
            paths.push_back(RecordHistory(WithCall(call), call[0] == 'B' ? "written" : "read", call));
        QCOMPARE(std::set<QString>(paths.begin(), paths.end()).size(), size_t(4));
        const std::vector<HistoryEntry> entries = ListHistory();
        QCOMPARE(entries.size(), size_t(4));
        const char *newestFirst[] = {"D4", "C3", "B2", "A1"};
        for (size_t i = 0; i < 4; ++i) {
            QCOMPARE(entries[i].mycall, std::string(newestFirst[i]));
            QCOMPARE(entries[i].port, QString(newestFirst[i]));
        }
        QCOMPARE(entries[2].kind, QString("written"));
    }

    void prunedToTheNewest200()
    {
        // Something of the user's in the folder is neither listed nor pruned.
        QVERIFY(QDir().mkpath(HistoryFolder()));
        QFile mine(HistoryFolder() + "/notes.txt");
        QVERIFY(mine.open(QIODevice::WriteOnly));
        mine.close();

        for (int i = 0; i <= kHistoryKept; ++i)
            QVERIFY(!RecordHistory(WithCall("N" + std::to_string(i)), "read", "COM" + QString::number(i)).isEmpty());
        const std::vector<HistoryEntry> entries = ListHistory();
        QCOMPARE(int(entries.size()), kHistoryKept);
        QCOMPARE(entries.front().mycall, std::string("N200"));
        QCOMPARE(entries.back().mycall, std::string("N1"));
        QCOMPARE(entries.back().port, QString("COM1"));
        for (size_t i = 1; i < entries.size(); ++i)
            QVERIFY(entries[i - 1].time >= entries[i].time);
        // 200 entries, the index and the user's file; the index names the 200 kept only.
        QCOMPARE(Files().size(), kHistoryKept + 2);
        QVERIFY(Files().contains("notes.txt"));
        QFile index(HistoryFolder() + "/index.tsv");
        QVERIFY(index.open(QIODevice::ReadOnly));
        QCOMPARE(index.readAll().count('\n'), kHistoryKept);
    }

    void portNameCannotBreakTheIndex()
    {
        const QString odd = "weird\tport\nname%41 é";
        RecordHistory(WithCall("X1"), "read", odd);
        RecordHistory(WithCall("X2"), "written", "/dev/ttyS0");
        const std::vector<HistoryEntry> entries = ListHistory();
        QCOMPARE(entries.size(), size_t(2));
        QCOMPARE(entries[1].port, odd);
        QCOMPARE(entries[0].port, QString("/dev/ttyS0"));
    }

    void failureSaysWhyAndLeavesNothing()
    {
        // The history folder's place is taken by a file: nothing can be recorded.
        const QString folder = HistoryFolder();
        QVERIFY(QDir().mkpath(QFileInfo(folder).path()));
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QString error;
        QVERIFY(RecordHistory(WithCall("Z9"), "read", "COM1", &error).isEmpty());
        QVERIFY2(error.contains(folder), qPrintable(error));
        QVERIFY(ListHistory().empty());
        QVERIFY(QFile::remove(folder));
    }
};

QTEST_GUILESS_MAIN(TestHistory)
#include "tst_history.moc"
