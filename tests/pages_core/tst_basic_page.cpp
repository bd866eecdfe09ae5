// The "Basic" tab through the shown sheet: defaults, the SmartBeaconing rule, the cabling
// buttons and what they leave for the Ports tab, and the styles of its two boxes.

#include "support/PageTest.h"

class TestBasicPage : public QObject {
    Q_OBJECT
private slots:
    void defaults_data()
    {
        AddShownColumns();
        QTest::newRow("callsign") << "mycall" << "NOCALL" << true;
        QTest::newRow("period") << "pperiod" << "0" << true;
        QTest::newRow("smartbeaconing") << "sben" << "unchecked" << true;
        QTest::newRow("summary replaces the form's text")
            << "portSummary" << "AMODE GPS 4800  BMODE GPS 4800" << true;
    }
    void defaults()
    {
        SheetFixture f;
        QCOMPARE(f.Tabs()->tabText(f.Tabs()->currentIndex()), QString("Basic"));
        CheckShown(f);
    }

    // The period box is greyed exactly while SmartBeaconing is checked, from the state a bank
    // opens with as well as from clicks.
    void smartBeaconingGreysPeriod_data()
    {
        QTest::addColumn<int>("storedSben");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<bool>("periodEnabled");
        QTest::newRow("opens unchecked") << 0 << 0 << true;
        QTest::newRow("opens checked") << 1 << 0 << false;
        QTest::newRow("opens with any true value") << 7 << 0 << false;
        QTest::newRow("checked by a click") << 0 << 1 << false;
        QTest::newRow("unchecked again") << 0 << 2 << true;
        QTest::newRow("unchecked from a checked bank") << 1 << 1 << true;
    }
    void smartBeaconingGreysPeriod()
    {
        QFETCH(int, storedSben);
        QFETCH(int, clicks);
        QFETCH(bool, periodEnabled);
        SheetFixture f;
        OpenWith(f, "Basic", "sben", QString::number(storedSben));
        for (int i = 0; i < clicks; ++i)
            Press(f, "sben");
        QCOMPARE(Control(f, "pperiod")->isEnabled(), periodEnabled);
    }

    // The greyed period is still stored, and the click leaves "ents" alone.
    void greyedPeriodStored()
    {
        SheetFixture f;
        f.settings.m_bank0.ents = 1;
        SheetFixture::Type(Control<QLineEdit>(f, "pperiod"), "45");
        Press(f, "sben");
        QVERIFY(!Control(f, "pperiod")->isEnabled());
        QVERIFY(f.GoTo("Ports"));
        QCOMPARE(f.settings.m_bank0.pperiod, 45);
        QCOMPARE(f.settings.m_bank0.sben, 1);
        QCOMPARE(f.settings.m_bank0.ents, 1);
    }

    // Each button writes the four port settings straight into the current bank and the
    // summary at once; the Ports tab shows them when it is opened.
    void cablingButtons_data()
    {
        QTest::addColumn<int>("bank");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QStringList>("portsShown");
        QTest::newRow("Directly, bank 0") << 0 << "directlyButton" << "AMODE GPS 4800  BMODE GPS 4800"
                                          << QStringList{"GPS", "4800", "GPS", "4800"};
        QTest::newRow("Splitter, bank 0") << 0 << "splitterButton" << "AMODE TEXT 19200  BMODE GPS 4800"
                                          << QStringList{"TEXT", "19200", "GPS", "4800"};
        QTest::newRow("Directly, bank 1") << 1 << "directlyButton" << "AMODE GPS 4800  BMODE GPS 4800"
                                          << QStringList{"GPS", "4800", "GPS", "4800"};
        QTest::newRow("Splitter, bank 1") << 1 << "splitterButton" << "AMODE TEXT 19200  BMODE GPS 4800"
                                          << QStringList{"TEXT", "19200", "GPS", "4800"};
    }
    void cablingButtons()
    {
        QFETCH(int, bank);
        QFETCH(QString, button);
        QFETCH(QString, summary);
        QFETCH(QStringList, portsShown);
        SheetFixture f;
        QVERIFY(f.GoTo("Bank / Telem / WX"));
        if (bank == 1)
            Press(f, "bank1Radio");
        // Ports that neither button would set, so that every write shows.
        for (CBank *b : {&f.settings.m_bank0, &f.settings.m_bank1}) {
            b->amode = "KISS";
            b->abaud = 1200;
            b->bmode = "PEET";
            b->bbaud = 2400;
        }
        QVERIFY(f.GoTo("Basic"));
        QCOMPARE(Shown(Control(f, "portSummary")), QString("AMODE KISS 1200  BMODE PEET 2400"));
        Press(f, button);
        QCOMPARE(Shown(Control(f, "portSummary")), summary);
        const CBank &written = f.settings.Bank(bank);
        QCOMPARE(QStringList({QString::fromStdString(written.amode), QString::number(written.abaud),
                              QString::fromStdString(written.bmode), QString::number(written.bbaud)}),
                 portsShown);
        QCOMPARE(f.settings.Bank(1 - bank).amode, std::string("KISS"));

        QVERIFY(f.GoTo("Ports"));
        const QStringList keys{"amode", "abaud", "bmode", "bbaud"};
        for (int i = 0; i < keys.size(); ++i)
            QCOMPARE(Shown(Control(f, keys[i])), portsShown[i]);
    }

    void typing_data()
    {
        AddThroughColumns();
        QTest::newRow("callsign in upper case") << "mycall" << "n0call-9" << "N0CALL-9" << "N0CALL-9";
        QTest::newRow("period refuses letters") << "pperiod" << "1a2b0" << "120" << "120";
        QTest::newRow("empty period stores 0") << "pperiod" << "" << "" << "0";
    }
    void typing() { CheckThrough("Basic", Input::Typed); }

    void labelsNameTheirControls()
    {
        CheckLabelsHaveBuddies("Basic", {"introLabel", "cablingLabel", "portSummary", "footerLabel"});
    }

    void screenshot() { CheckShot("Basic", "basic"); }
};

QTEST_MAIN(TestBasicPage)
#include "tst_basic_page.moc"
