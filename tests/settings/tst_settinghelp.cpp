#include "SettingHelp.h"

#include <QRegularExpression>
#include <QtTest>

// The help table is complete and in step with the setting table: one entry per key, in the
// same order, each with a page of the sheet, a label and one to three sentences of help.
class TestSettingHelp : public QObject {
    Q_OBJECT

private slots:
    void everySetting_data()
    {
        QTest::addColumn<int>("index");
        for (size_t i = 0; i < g_settingTable.size(); ++i)
            QTest::newRow(g_settingTable[i].key) << int(i);
    }

    void everySetting()
    {
        QFETCH(int, index);
        const SettingHelp &entry = g_settingHelp[size_t(index)];
        const Setting &setting = g_settingTable[size_t(index)];
        QCOMPARE(entry.key, setting.key);
        QCOMPARE(FindSettingHelp(QByteArray(setting.key).toUpper().toStdString()), &entry);

        static const QStringList pages = {"Basic", "Ports", "Position", "Position Timing", "GPS",
                                          "Beacon / Digipeater", "Bank / Telem / WX", "Packet",
                                          "Display", "Comms"};
        QVERIFY2(pages.contains(entry.page), entry.page);
        QVERIFY(*entry.label && !QByteArray(entry.label).contains('&'));
        QVERIFY(entry.unit);

        // A sentence ends at a full stop, question or exclamation mark before a blank or the end.
        const QString help = QString::fromUtf8(entry.help);
        const qsizetype sentences = help.count(QRegularExpression("[.!?](\\s|$)"));
        QVERIFY2(sentences >= 1 && sentences <= 3 && help.endsWith('.'), entry.help);
    }

    void unknownKey()
    {
        QCOMPARE(FindSettingHelp("nosuchkey"), nullptr);
        QCOMPARE(FindSettingHelp(""), nullptr);
        QVERIFY(SettingHelpText("").isEmpty());
        QCOMPARE(SettingHelpText(g_settingHelp[0].help), QString::fromUtf8(g_settingHelp[0].help));
    }
};

QTEST_GUILESS_MAIN(TestSettingHelp)
#include "tst_settinghelp.moc"
