// The "Packet" tab through the shown sheet: defaults, the CD LEVEL rule, the CD MODE list's
// matching of stored values, and typing into its upper-case boxes.

#include "support/PageTest.h"

class TestPacketPage : public QObject {
    Q_OBJECT
private slots:
    void defaults_data()
    {
        AddShownColumns();
        const QList<std::pair<const char *, const char *>> shown{
            {"mycall", "NOCALL"}, {"path1", "WIDE1-1"}, {"path2", "WIDE2-1"}, {"path3", ""},
            {"altnet", "APQWN"}, {"ssidroute", "0"}, {"txd", "30"}, {"filtercall", ""},
            {"quiet", "10"}, {"cdmode", "LEVEL"}, {"persist", "65"}, {"slottime", "15"},
            {"cdlevel", "20"}, {"p300", "unchecked"}, {"trnkmode", "unchecked"},
            {"dec96", "unchecked"}, {"rxamp", "12"}, {"txlevel", "128"},
            {"ppathing", "unchecked"}, {"txtwist", "50"}, {"mtxd", "10"}};
        for (const auto &[key, text] : shown)
            QTest::newRow(key) << key << text << true;
    }
    void defaults()
    {
        SheetFixture f;
        QVERIFY(f.GoTo("Packet"));
        CheckShown(f);
    }

    // CD LEVEL is editable for LEVEL and TONES only: at once on a pick, and as the bank opens.
    void cdLevelRule_data()
    {
        QTest::addColumn<QString>("storedMode");
        QTest::addColumn<int>("pick");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("opens with LEVEL") << "LEVEL" << -1 << true;
        QTest::newRow("opens with TONES") << "TONES" << -1 << true;
        QTest::newRow("opens with PIN2") << "PIN2" << -1 << false;
        QTest::newRow("opens with INVERTED_PIN2") << "INVERTED_PIN2" << -1 << false;
        QTest::newRow("PIN2 picked") << "LEVEL" << 2 << false;
        QTest::newRow("INVERTED_PIN2 picked") << "TONES" << 3 << false;
        QTest::newRow("TONES picked") << "PIN2" << 1 << true;
        QTest::newRow("LEVEL picked") << "INVERTED_PIN2" << 0 << true;
    }
    void cdLevelRule()
    {
        QFETCH(QString, storedMode);
        QFETCH(int, pick);
        QFETCH(bool, enabled);
        SheetFixture f;
        OpenWith(f, "Packet", "cdmode", storedMode);
        auto *mode = Control<QComboBox>(f, "cdmode");
        auto *level = Control<QLineEdit>(f, "cdlevel");
        QVERIFY(mode && level);
        QCOMPARE(level->isEnabled(), storedMode.startsWith("LEVEL") || storedMode == "TONES");
        if (pick >= 0)
            SheetFixture::Pick(mode, pick);
        QCOMPARE(level->isEnabled(), enabled);
    }

    // A level typed while it could be edited is still stored after PIN2 greys it.
    void greyedLevelStored()
    {
        SheetFixture f;
        QVERIFY(f.GoTo("Packet"));
        SheetFixture::Type(Control<QLineEdit>(f, "cdlevel"), "44");
        SheetFixture::Pick(Control<QComboBox>(f, "cdmode"), 2);
        QVERIFY(!Control(f, "cdlevel")->isEnabled());
        QVERIFY(f.GoTo("Ports"));
        QCOMPARE(f.settings.m_bank0.cdlevel, 44);
        QCOMPARE(f.settings.m_bank0.cdmode, std::string("PIN2"));
    }

    void storedValueToItem_data()
    {
        AddThroughColumns();
        QTest::newRow("pin") << "cdmode" << "pin" << "PIN2" << "PIN2";
        QTest::newRow("inv") << "cdmode" << "inv" << "INVERTED_PIN2" << "INVERTED_PIN2";
        QTest::newRow("tones") << "cdmode" << "tones" << "TONES" << "TONES";
        QTest::newRow("empty") << "cdmode" << "" << "LEVEL" << "LEVEL";
        QTest::newRow("no item") << "cdmode" << "DCD" << "LEVEL" << "LEVEL";
        QTest::newRow("negative number") << "txtwist" << "-7" << "-7" << "-7";
        QTest::newRow("check, any true value") << "dec96" << "9" << "checked" << "1";
        QTest::newRow("callsign shown in upper case") << "mycall" << "n0call" << "N0CALL" << "N0CALL";
    }
    void storedValueToItem() { CheckThrough("Packet", Input::Stored); }

    void typing_data()
    {
        AddThroughColumns();
        QTest::newRow("path in upper case") << "path1" << "wide2-2" << "WIDE2-2" << "WIDE2-2";
        QTest::newRow("emptied path") << "path3" << "" << "" << "";
        QTest::newRow("filter call") << "filtercall" << "k1abc" << "K1ABC" << "K1ABC";
        QTest::newRow("number then letter") << "txd" << "5x" << "5X" << "5";
        QTest::newRow("letter then number") << "txd" << "x5" << "X5" << "0";
        QTest::newRow("negative") << "txd" << "-1" << "-1" << "-1";
        QTest::newRow("beyond 32 bits") << "persist" << "99999999999" << "99999999999" << "2147483647";
        QTest::newRow("CD LEVEL refuses non-digits") << "cdlevel" << "3a-1" << "31" << "31";
    }
    void typing() { CheckThrough("Packet", Input::Typed); }

    void labelsNameTheirControls() { CheckLabelsHaveBuddies("Packet", {}); }

    void screenshot() { CheckShot("Packet", "packet"); }
};

QTEST_MAIN(TestPacketPage)
#include "tst_packet_page.moc"
