// The translations: each .ts is what lupdate makes of today's sources, with every entry
// finished; and a German window shows German captions yet saves the same bytes as an English one.

#include "CommsPage.h"
#include "Translations.h"
#include "support/SheetFixture.h"

#include <QRegularExpression>

namespace {

QByteArray ReadAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Sources of the messages of a .ts that are not finished (or no longer in the sources).
QStringList Unfinished(const QByteArray &ts)
{
    static const QRegularExpression message(
        R"re(<source>([^<]*)</source>\s*(?:<comment>[^<]*</comment>\s*)?<translation type="(unfinished|vanished|obsolete)")re");
    QStringList found;
    for (const QRegularExpressionMatch &m : message.globalMatch(QString::fromUtf8(ts)))
        found << m.captured(2) + ": " + m.captured(1);
    return found;
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    // Picks the last item of every drop-down on every tab but Comms and comes back to Comms,
    // where the settings are saved to PATH.
    static void WorkEveryPageAndSave(SheetFixture &f, const QString &path)
    {
        for (int i = 0; i < f.Tabs()->count() - 1; ++i) {
            QVERIFY(f.GoTo(WithoutAccessKeys(f.Tabs()->tabText(i))));
            for (QComboBox *combo : f.Tabs()->currentWidget()->findChildren<QComboBox *>())
                if (combo->isEnabled())
                    SheetFixture::Pick(combo, combo->count() - 1);
        }
        auto *comms = f.Page<CCommsPage>();
        QVERIFY(f.GoTo(WithoutAccessKeys(f.Tabs()->tabText(f.Tabs()->count() - 1))));
        comms->m_fnChooseFile = [path](const CCommsPage::FileDialogRequest &) { return path; };
        SheetFixture::Click(f.Find<QPushButton>("saveSettingsButton"));
        QVERIFY(QFileInfo::exists(path));
    }

private slots:
    void tsFilesMatchTheSources_data()
    {
        QTest::addColumn<QString>("ts");
        const QFileInfoList files = QDir(REZAR_TS_DIR).entryInfoList({"*.ts"}, QDir::Files);
        QVERIFY(!files.isEmpty());
        for (const QFileInfo &file : files)
            QTest::newRow(qPrintable(file.fileName())) << file.filePath();
    }

    // lupdate run over the sources into a copy of the .ts changes nothing: no text without its
    // entry, none left over, nothing unfinished.
    void tsFilesMatchTheSources()
    {
        QFETCH(QString, ts);
        const QByteArray checkedIn = ReadAll(ts);
        QVERIFY2(Unfinished(checkedIn).isEmpty(), qPrintable(Unfinished(checkedIn).join('\n')));
        QVERIFY(!checkedIn.contains("<translation></translation>"));

        const QString copy = m_dir.filePath(QFileInfo(ts).fileName());
        QFile::remove(copy);
        QVERIFY(QFile::copy(ts, copy));
        QProcess lupdate;
        lupdate.start(REZAR_LUPDATE, QStringList{"-silent", "-no-obsolete", "-locations", "none",
                                                 "-extensions", "cpp,h,ui"}
                                         + QString(REZAR_TR_SOURCES).split(',') + QStringList{"-ts", copy});
        QVERIFY(lupdate.waitForFinished(60000));
        QCOMPARE(lupdate.exitCode(), 0);
        const QByteArray updated = ReadAll(copy);
        QVERIFY2(updated == checkedIn,
                 qPrintable("the sources have texts the .ts lacks or lost (refresh it with the target "
                            "rezar_lupdate and translate):\n" + Unfinished(updated).join('\n')));
    }

    // German captions, and the settings text saved from German pages is the English one's byte
    // for byte (no drop-down whose item text is stored was translated).
    void germanWindowSavesTheSameBytes()
    {
        const QString english = m_dir.filePath("english.txt"), german = m_dir.filePath("german.txt");
        {
            SheetFixture f;
            WorkEveryPageAndSave(f, english);
        }
        QCOMPARE(InstallTranslations("de"), QString("de"));
        // Qt's own translation came too, for its dialogs and standard buttons.
        QVERIFY(QCoreApplication::translate("QPlatformTheme", "Cancel") != "Cancel");
        SheetFixture f;
        QStringList tabs;
        for (int i = 0; i < f.Tabs()->count(); ++i)
            tabs << WithoutAccessKeys(f.Tabs()->tabText(i));
        QCOMPARE(tabs.first(), QString("Basis"));
        QCOMPARE(tabs.last(), QString("Verbindung"));
        QCOMPARE(f.Find<QPushButton>("closeButton")->text(), QString("S&chlie\u00dfen"));
        WorkEveryPageAndSave(f, german);
        QCOMPARE(f.Find<QPushButton>("saveSettingsButton")->text(), QString("Einstellungen spe&ichern"));
        QVERIFY(!ReadAll(english).isEmpty());
        QCOMPARE(ReadAll(german), ReadAll(english));
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
