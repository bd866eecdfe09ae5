// The "Ports" tab through the shown sheet: defaults, the mode and baud lists' matching of
// stored values, and what leaving the page writes.

#include "support/PageTest.h"

class TestPortsPage : public QObject {
    Q_OBJECT
private slots:
    void defaults_data()
    {
        AddShownColumns();
        QTest::newRow("A mode") << "amode" << "GPS" << true;
        QTest::newRow("A baud") << "abaud" << "4800" << true;
        QTest::newRow("B mode") << "bmode" << "GPS" << true;
        QTest::newRow("B baud") << "bbaud" << "4800" << true;
        QTest::newRow("PKTICOM") << "pkticom" << "checked" << true;
        QTest::newRow("PKTOCOM") << "pktocom" << "unchecked" << true;
        QTest::newRow("HEADERLN") << "headerln" << "unchecked" << true;
        QTest::newRow("SOFTRST") << "softrst" << "unchecked" << true;
        QTest::newRow("DECSTAT") << "decstat" << "unchecked" << true;
    }
    void defaults()
    {
        SheetFixture f;
        QVERIFY(f.GoTo("Ports"));
        CheckShown(f);
    }

    // A stored value selects the first item it begins (case ignored), else the first item;
    // leaving the page untouched writes the selected item back.
    void storedValueToItem_data()
    {
        AddThroughColumns();
        QTest::newRow("mode, one letter") << "amode" << "G" << "GPS" << "GPS";
        QTest::newRow("mode, lower case") << "amode" << "kiss" << "KISS" << "KISS";
        QTest::newRow("mode, a beginning") << "bmode" << "DEAF" << "DEAFTEXT" << "DEAFTEXT";
        QTest::newRow("mode, no item") << "amode" << "NMEA" << "TEXT" << "TEXT";
        QTest::newRow("mode, empty") << "bmode" << "" << "TEXT" << "TEXT";
        QTest::newRow("baud 96") << "abaud" << "96" << "9600" << "9600";
        QTest::newRow("baud 1, the first item beginning 1") << "bbaud" << "1" << "1200" << "1200";
        QTest::newRow("baud 11") << "abaud" << "11" << "115200" << "115200";
        QTest::newRow("baud 300, no item") << "abaud" << "300" << "1200" << "1200";
        QTest::newRow("baud 0, no item") << "bbaud" << "0" << "1200" << "1200";
        QTest::newRow("baud 57600") << "bbaud" << "57600" << "57600" << "57600";
        QTest::newRow("switch, any true value") << "softrst" << "5" << "checked" << "1";
        QTest::newRow("switch, false") << "pkticom" << "0" << "unchecked" << "0";
    }
    void storedValueToItem() { CheckThrough("Ports", Input::Stored); }

    // What the user picks is stored; text typed into a baud box's edit field is not, only the
    // selected list item counts.
    void userChoiceStored_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("pick");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("storedBack");
        QTest::newRow("mode picked") << "bmode" << 3 << "" << "PEET";
        QTest::newRow("A baud picked") << "abaud" << 7 << "" << "115200";
        QTest::newRow("A baud typed, not picked") << "abaud" << -1 << "300" << "4800";
        QTest::newRow("B baud typed over a pick") << "bbaud" << 1 << "96" << "2400";
        QTest::newRow("switch clicked") << "decstat" << -1 << "" << "1";
    }
    void userChoiceStored()
    {
        QFETCH(QString, key);
        QFETCH(int, pick);
        QFETCH(QString, typed);
        QFETCH(QString, storedBack);
        SheetFixture f;
        QVERIFY(f.GoTo("Ports"));
        if (auto *combo = qobject_cast<QComboBox *>(Control(f, key))) {
            if (pick >= 0)
                SheetFixture::Pick(combo, pick);
            if (!typed.isEmpty()) {
                QVERIFY(combo->lineEdit());
                SheetFixture::Type(combo->lineEdit(), typed);
            }
        } else {
            Press(f, key);
        }
        QVERIFY(f.GoTo("Packet"));
        QCOMPARE(ValueOf(f, key, 0), storedBack.toLatin1());
    }

    // The lists are the form's own and a page visit never adds to them.
    void itemLists_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("items");
        const QStringList modes{"TEXT", "KISS", "GPS", "PEET", "DEAFTEXT"};
        const QStringList bauds{"1200", "2400", "4800", "9600", "19200", "38400", "57600", "115200"};
        QTest::newRow("A mode") << "amode" << modes;
        QTest::newRow("B mode") << "bmode" << modes;
        QTest::newRow("A baud") << "abaud" << bauds;
        QTest::newRow("B baud") << "bbaud" << bauds;
    }
    void itemLists()
    {
        QFETCH(QString, key);
        QFETCH(QStringList, items);
        SheetFixture f;
        QVERIFY(f.GoTo("Ports"));
        auto *combo = Control<QComboBox>(f, key);
        QVERIFY(combo);
        if (combo->lineEdit()) {
            SheetFixture::Type(combo->lineEdit(), "300");
            QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
        }
        QStringList shown;
        for (int i = 0; i < combo->count(); ++i)
            shown << combo->itemText(i);
        QCOMPARE(shown, items);
    }

    void labelsNameTheirControls() { CheckLabelsHaveBuddies("Ports", {"splitterNote"}); }

    void screenshot() { CheckShot("Ports", "ports"); }
};

QTEST_MAIN(TestPortsPage)
#include "tst_ports_page.moc"
