// The "Bank / Telem / WX" tab through the shown sheet: defaults, the telemetry and weather
// rules, the bank switch (store first, then load), the copy, and the sheet's bank label.

#include "support/PageTest.h"

namespace {

const QString kCaption = "Bank / Telem / WX";

void ClickBank(SheetFixture &f, int bank)
{
    Press(f, bank == 0 ? "bank0Radio" : "bank1Radio");
}

} // namespace

class TestTelemetryPage : public QObject {
    Q_OBJECT
private slots:
    void defaults_data()
    {
        AddShownColumns();
        QTest::newRow("telemetry period") << "tperiod" << "0" << true;
        QTest::newRow("TELHIRES") << "telhires" << "unchecked" << false;
        QTest::newRow("TELVOLT") << "telvolt" << "checked" << false;
        QTest::newRow("TELTEMP") << "teltemp" << "checked" << false;
        QTest::newRow("weather period") << "wperiod" << "0" << true;
        QTest::newRow("WXPOS") << "wxpos" << "checked" << false;
        QTest::newRow("bank mode") << "bnkmode" << "0" << true;
        QTest::newRow("Bank0") << "bank0Radio" << "checked" << true;
        QTest::newRow("Bank1") << "bank1Radio" << "unchecked" << true;
        QTest::newRow("TELREAD") << "telread" << "checked" << false;
        QTest::newRow("voltage adjust") << "tvolttwk" << "128" << true;
        QTest::newRow("temperature adjust") << "ttemptwk" << "128" << true;
        QTest::newRow("MSGCMD") << "msgcmd" << "unchecked" << true;
        QTest::newRow("copy button") << "copyBankButton" << "Copy To Bank 1" << true;
        QTest::newRow("sheet's label") << "bankLabel" << "BANK:0" << true;
    }
    void defaults()
    {
        SheetFixture f;
        QVERIFY(f.GoTo(kCaption));
        CheckShown(f);
    }

    // The report options follow their period field on every text change; a bank opens with
    // the state its periods give. The adjust fields never grey.
    void periodRules_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<bool>("enabled");
        const QStringList telemetry{"telhires", "telvolt", "teltemp", "telread"};
        const QStringList weather{"wxpos"};
        QTest::newRow("telemetry opens on") << "tperiod" << "600" << QString() << telemetry << true;
        QTest::newRow("telemetry typed on") << "tperiod" << "0" << "5" << telemetry << true;
        QTest::newRow("telemetry typed 0") << "tperiod" << "600" << "0" << telemetry << false;
        QTest::newRow("telemetry cleared") << "tperiod" << "600" << "" << telemetry << false;
        QTest::newRow("telemetry typed 00") << "tperiod" << "600" << "00" << telemetry << false;
        QTest::newRow("weather opens on") << "wperiod" << "300" << QString() << weather << true;
        QTest::newRow("weather typed on") << "wperiod" << "0" << "9" << weather << true;
        QTest::newRow("weather cleared") << "wperiod" << "300" << "" << weather << false;
    }
    void periodRules()
    {
        QFETCH(QString, field);
        QFETCH(QString, stored);
        QFETCH(QString, typed);
        QFETCH(QStringList, options);
        QFETCH(bool, enabled);
        SheetFixture f;
        // Bank 1 holds the period, so the state is the one the switch opens it with.
        QVERIFY(f.GoTo(kCaption));
        SetValue(f, field, stored.toLatin1(), 1);
        ClickBank(f, 1);
        if (!typed.isNull())
            SheetFixture::Type(Control<QLineEdit>(f, field), typed);
        for (const QString &option : options)
            QVERIFY2(Control(f, option)->isEnabled() == enabled, qPrintable(option));
        QVERIFY(Control(f, "tvolttwk")->isEnabled());
        QVERIFY(Control(f, "ttemptwk")->isEnabled());
    }

    // A greyed option keeps the state the user gave it, and that state is stored.
    void greyedOptionStored()
    {
        SheetFixture f;
        OpenWith(f, kCaption, "wperiod", "300");
        auto *wxpos = Control<QAbstractButton>(f, "wxpos");
        Press(wxpos);
        SheetFixture::Type(Control<QLineEdit>(f, "wperiod"), "");
        QVERIFY(!wxpos->isEnabled());
        QVERIFY(!wxpos->isChecked());
        QVERIFY(f.GoTo("Ports"));
        QCOMPARE(f.settings.m_bank0.wxpos, 0);
        QCOMPARE(f.settings.m_bank0.wperiod, 0);
    }

    // What is typed goes into the bank shown when it was typed, before the other bank loads;
    // the way back shows it again. Arrow keys between the radio buttons switch as clicks do.
    void switchStoresOldBankFirst_data()
    {
        QTest::addColumn<bool>("byKeyboard");
        QTest::newRow("mouse") << false;
        QTest::newRow("arrow keys") << true;
    }
    void switchStoresOldBankFirst()
    {
        QFETCH(bool, byKeyboard);
        SheetFixture f;
        // Arrow keys move the focus, which needs the window active.
        f.sheet->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.sheet.get()));
        QVERIFY(f.GoTo(kCaption));
        f.settings.m_bank1.tperiod = 5;
        f.settings.m_bank1.msgcmd = 1;
        SheetFixture::Type(Control<QLineEdit>(f, "tperiod"), "77");
        Press(f, "msgcmd");
        auto switchTo = [&](int bank) {
            if (byKeyboard) {
                QWidget *from = Control(f, bank == 0 ? "bank1Radio" : "bank0Radio");
                from->setFocus();
                QTest::keyClick(from, bank == 0 ? Qt::Key_Up : Qt::Key_Down);
            } else {
                ClickBank(f, bank);
            }
        };
        switchTo(1);
        QCOMPARE(f.settings.GetBank(), 1);
        QCOMPARE(f.settings.m_bank0.tperiod, 77);
        QCOMPARE(f.settings.m_bank0.msgcmd, 1);
        QCOMPARE(Shown(Control(f, "tperiod")), QString("5"));
        QCOMPARE(Shown(Control(f, "bank1Radio")), QString("checked"));
        QCOMPARE(Shown(Control(f, "copyBankButton")), QString("Copy To Bank 0"));
        QCOMPARE(Shown(Control(f, "bankLabel")), QString("BANK:1"));
        QVERIFY(Control(f, "telhires")->isEnabled());

        SheetFixture::Type(Control<QLineEdit>(f, "tperiod"), "0");
        switchTo(0);
        QCOMPARE(f.settings.GetBank(), 0);
        QCOMPARE(f.settings.m_bank1.tperiod, 0);
        QCOMPARE(Shown(Control(f, "tperiod")), QString("77"));
        QCOMPARE(Shown(Control(f, "msgcmd")), QString("checked"));
        QCOMPARE(Shown(Control(f, "copyBankButton")), QString("Copy To Bank 1"));
        QCOMPARE(Shown(Control(f, "bankLabel")), QString("BANK:0"));
    }

    // Clicking the bank already current stores and reloads the page, and nothing else.
    void switchToCurrentBank()
    {
        SheetFixture f;
        QVERIFY(f.GoTo(kCaption));
        SheetFixture::Type(Control<QLineEdit>(f, "bnkmode"), "3");
        const CBank other = f.settings.m_bank1;
        ClickBank(f, 0);
        QCOMPARE(f.settings.GetBank(), 0);
        QCOMPARE(f.settings.m_bank0.bnkmode, 3);
        QCOMPARE(Shown(Control(f, "bnkmode")), QString("3"));
        QCOMPARE(Shown(Control(f, "bankLabel")), QString("BANK:0"));
        QCOMPARE(f.settings.m_bank1.bnkmode, other.bnkmode);
    }

    // The copy takes what the page shows: the page's controls are stored into the current bank
    // first (a period typed just before the click is copied), then every setting of every page
    // goes over the other bank.
    void copyTakesWhatThePageShows_data()
    {
        QTest::addColumn<int>("from");
        QTest::newRow("bank 0 to bank 1") << 0;
        QTest::newRow("bank 1 to bank 0") << 1;
    }
    void copyTakesWhatThePageShows()
    {
        QFETCH(int, from);
        const int to = 1 - from;
        SheetFixture f;
        QVERIFY(f.GoTo(kCaption));
        if (from == 1)
            ClickBank(f, 1);
        QVERIFY(f.GoTo("Basic"));
        SheetFixture::Type(Control<QLineEdit>(f, "mycall"), "k1abc");
        QVERIFY(f.GoTo(kCaption));
        f.settings.Bank(from).tperiod = 10;
        f.settings.Bank(from).dmetric = 1;  // a setting of a page never opened here
        SheetFixture::Type(Control<QLineEdit>(f, "tperiod"), "99");
        Press(f, "copyBankButton");

        QCOMPARE(f.settings.GetBank(), from);
        QCOMPARE(f.settings.Bank(to).tperiod, 99);
        QCOMPARE(f.settings.Bank(from).tperiod, 99);
        QCOMPARE(f.settings.Bank(to).mycall, std::string("K1ABC"));
        QCOMPARE(f.settings.Bank(to).dmetric, 1);
        QCOMPARE(Shown(Control(f, "tperiod")), QString("99"));
        QVERIFY(f.GoTo("Basic"));
        QCOMPARE(f.settings.Bank(from).tperiod, 99);
        QCOMPARE(f.settings.Bank(to).tperiod, 99);
    }

    // The label follows the switch at once, whichever tab comes next, and that tab shows the
    // new bank.
    void labelFollowsSwitch_data()
    {
        QTest::addColumn<QString>("next");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Basic") << "Basic" << "mycall" << "B1CALL";
        QTest::newRow("Ports") << "Ports" << "amode" << "KISS";
        QTest::newRow("Packet") << "Packet" << "path1" << "RELAY";
        QTest::newRow("Comms") << "Comms" << QString() << QString();
        QTest::newRow("Display") << "Display" << QString() << QString();
    }
    void labelFollowsSwitch()
    {
        QFETCH(QString, next);
        QFETCH(QString, control);
        QFETCH(QString, shown);
        SheetFixture f;
        f.settings.m_bank1.mycall = "B1CALL";
        f.settings.m_bank1.amode = "KISS";
        f.settings.m_bank1.path1 = "RELAY";
        QVERIFY(f.GoTo(kCaption));
        ClickBank(f, 1);
        QCOMPARE(Shown(Control(f, "bankLabel")), QString("BANK:1"));
        QVERIFY(f.GoTo(next));
        QCOMPARE(Shown(Control(f, "bankLabel")), QString("BANK:1"));
        if (!control.isEmpty())
            QCOMPARE(Shown(Control(f, control)), shown);
        QCOMPARE(f.settings.m_bank0.mycall, std::string("NOCALL"));
    }

    void typing_data()
    {
        AddThroughColumns();
        QTest::newRow("letters refused") << "tvolttwk" << "1x2" << "12" << "12";
        QTest::newRow("sign refused") << "ttemptwk" << "-5" << "5" << "5";
        QTest::newRow("empty stores 0") << "bnkmode" << "" << "" << "0";
        QTest::newRow("beyond 32 bits") << "tperiod" << "4294967296" << "4294967296" << "2147483647";
    }
    void typing() { CheckThrough(kCaption, Input::Typed); }

    // Tab follows the form's order; Bank1 is no tab stop of its own (the arrow keys reach it).
    void keyboardOrder()
    {
        SheetFixture f;
        f.sheet->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.sheet.get()));
        f.settings.m_bank0.tperiod = 60;
        f.settings.m_bank0.wperiod = 60;
        QVERIFY(f.GoTo(kCaption));
        const QStringList order{"tperiod", "telhires", "telvolt", "teltemp", "wperiod", "wxpos",
                                "bnkmode", "bank0Radio", "telread", "tvolttwk", "ttemptwk",
                                "msgcmd", "copyBankButton"};
        Control(f, order[0])->setFocus();
        for (int i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), order[i]);
        }
    }

    void labelsNameTheirControls() { CheckLabelsHaveBuddies(kCaption, {}); }

    void screenshot() { CheckShot(kCaption, "telemetry"); }
};

QTEST_MAIN(TestTelemetryPage)
#include "tst_telemetry_page.moc"
