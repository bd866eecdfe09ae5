// What the five pages have in common: their defaults, their texts and labels, the tab order,
// a visit that keeps every byte, and a layout in which nothing is cut off.

#include "support/PageTest.h"

#include <QGroupBox>
#include <QLabel>

class TestPositionForms : public QObject {
    Q_OBJECT

    static QWidget *PageWith(const SheetFixture &f, const QString &caption)
    {
        for (int i = 0; i < f.Tabs()->count(); ++i)
            if (f.Tabs()->tabText(i) == caption)
                return f.Tabs()->widget(i);
        return nullptr;
    }

    static void AddPages()
    {
        QTest::addColumn<QString>("caption");
        for (const char *caption : {"Position", "Position Timing", "Beacon / Digipeater", "GPS", "Display"})
            QTest::newRow(caption) << caption;
    }

private slots:
    // Each control as a fresh bank opens it: the words the user sees beside it (its labels,
    // lines joined by a blank, or its own caption), what it shows, and whether it is enabled.
    void controls_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("enabled");
        const char *page = "";
        auto row = [&page](const char *control, QStringList words, const char *shown, bool enabled) {
            QTest::addRow("%s %s", page, control) << page << control << words << shown << enabled;
        };
        page = "Position";
        row("tprotocol", {"Protocol (TPROTOCOL)"}, "MIC-E", true);
        row("timestamp", {"TimeStamp"}, "Hour,Min,Sec", false);
        row("tdao", {"Send Added Precision (TDAO)"}, "Off", true);
        row("tsymcode", {"Code (TSYMCODE)"}, ">", true);
        row("tsymtable", {"Table (TSYMTABLE)"}, "/", true);
        row("mmsg", {"Message (MMSG)"}, "Off Duty", true);
        row("micetmv", {"Use MIC-E Types (MICETMV)"}, "unchecked", true);
        row("tspeed", {"Send Speed/Heading (TSPEED)"}, "checked", true);
        row("msgcap", {"Message Capable (MSGCAP)"}, "unchecked", true);
        row("talt", {"Send Altitude (TALT)"}, "checked", true);
        row("tosv", {"Only Send Valid Postions (TOSV)"}, "checked", true);
        row("location", {"Static Location (LOCATION)"}, "1234.5678N 12345.6789W", false);
        row("galt", {"Altitude (GALT)", "M"}, "1000", false);
        row("tstat", {"Status Text / Comment (TSTATUS)"}, "/Quillwren Rezar", true);
        row("statusrate", {"Send Every (STATUSRATE)"}, "1", true);
        page = "Position Timing";
        row("pperiod", {"Position Report Period (PPERIOD)", "sec"}, "0", true);
        row("mpperiod", {"Manual Position Report Period (MPPERIOD)", "sec"}, "0", true);
        row("ents", {"Enable (ENTS)"}, "unchecked", true);
        row("tsoffset", {"Offset (TSOFFSET)", "sec"}, "17", false);
        row("sben", {"Enable (SBEN)"}, "unchecked", true);
        row("sbsspeed", {"Slow Speed (SBSSPEED)", "MPH"}, "5", false);
        row("sbfspeed", {"Fast Speed (SBFSPEED)", "MPH"}, "60", false);
        row("sbsperiod", {"Slow Period (SBSPERIOD)", "sec"}, "1800", false);
        row("sbfperiod", {"Fast Period (SBFPERIOD)", "sec"}, "90", false);
        row("sbtangle", {"Min Turn Angle (SBTANGLE)", "deg"}, "27", false);
        row("sbtslope", {"Turn Slope (SBTSLOPE)"}, "255", false);
        row("sbttime", {"Min Turn Time (SBTTIME)", "sec"}, "5", false);
        page = "Beacon / Digipeater";
        row("alias1", {"ALIAS1"}, "TEMP", true);
        row("alias2", {"ALIAS2"}, "", true);
        row("alias3", {"ALIAS3"}, "", true);
        row("preempt", {"PREEMPTive Digipeating"}, "unchecked", true);
        row("digiid", {"DIGI ID"}, "checked", true);
        row("dupetime", {"DUPE TIME", "sec"}, "30", true);
        row("bperiod", {"Beacon Report Period (BPERIOD)", "sec"}, "0", true);
        row("btext", {"BTEXT"}, ">/Quillwren Rezar", false);
        row("digimy", {"DIGIMY"}, "unchecked", true);
        page = "GPS";
        row("gwaymode", {"Waypoint Mode (GWAYMODE)"}, "NMEA", true);
        row("gwaylen", {"Waypoint Length (GWAYLEN)"}, "9", true);
        row("gpschk", {"Validadte GPS Checksum (GPSCHK)"}, "unchecked", true);
        row("tswpt", {"Send Waypoint for Self (TSWPT)"}, "checked", true);
        row("wyptxt", {"Send Waypoints to TEXT Ports (WYPTXT)"}, "unchecked", true);
        row("pavpen", {"Enable PAVP Mode for GPS Messages (PAVPEN)"}, "unchecked", true);
        row("tpswitch", {"Power Switch Time (TPSWITCH)", "sec"}, "0", true);
        row("lrntps", {"Enable Learning TPS (LRNTPS)"}, "unchecked", true);
        row("intclk", {"Internal Clocking instead of GPS Clocking (INTCLK)"}, "unchecked", true);
        row("grelaybits", {"Type Bits (GRELAYBITS)"}, "1", true);
        row("grelayrate", {"Rate (GRELAYRATE)"}, "0", true);
        row("gkrelay", {"GPS KISS Relay (GKRELAY)"}, "0", true);
        page = "Display";
        row("nodisp", {"Disable Display (NODISP)"}, "unchecked", true);
        row("dmetric", {"Display Metric (DMETRIC)"}, "unchecked", true);
        row("ddist", {"Display Distance To Received Station (DDIST)"}, "unchecked", true);
        row("txtdisp", {"Display Incoming Serial Text (TXTDISP)"}, "unchecked", true);
        row("dmsdisp", {"Display Seconds instead of Decimal Minutes (DMSDISP)"}, "unchecked", true);
        row("frawdisp", {"Display Raw Packets - No Parsing (FRAWDISP)"}, "unchecked", true);
        row("hrawdisp", {"Hide Unparsable Packets (HRAWDISP)"}, "unchecked", true);
        row("rpathdisp", {"Display Path on Raw Packets (RPATHDISP)"}, "unchecked", true);
        row("leds", {"Enable LEDs (LEDS)"}, "checked", true);
    }

    void controls()
    {
        QFETCH(QString, caption);
        QFETCH(QString, control);
        QFETCH(QStringList, words);
        QFETCH(QString, shown);
        QFETCH(bool, enabled);
        SheetFixture f;
        QVERIFY(f.GoTo(caption));
        QWidget *widget = Control(f, control);
        QVERIFY(widget);
        QStringList seen;
        if (auto *box = qobject_cast<QCheckBox *>(widget))
            seen << WithoutAccessKeys(box->text());
        for (QLabel *label : f.Tabs()->currentWidget()->findChildren<QLabel *>())
            if (label->buddy() == widget)
                seen << WithoutAccessKeys(label->text()).replace('\n', ' ');
        if (seen.isEmpty())
            seen << widget->accessibleName();
        QCOMPARE(seen, words);
        QCOMPARE(Shown(widget), shown);
        QCOMPARE(widget->isEnabled(), enabled);
    }

    // A value in the bank as the page shows it, and as leaving the page stores it back. The
    // visit is made on bank 1 and changes no other byte of either bank.
    void bankToControl_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QByteArray>("stored");
        const char *page = "";
        auto row = [&page](const char *name, const char *key, QByteArray value, QString shown,
                           QByteArray stored) {
            QTest::addRow("%s %s", page, name) << page << key << value << shown << stored;
        };
        page = "Position";
        row("protocol lower-case beginning", "tprotocol", "aprs", "APRS Text", "APRS Text");
        row("protocol one letter", "tprotocol", "c", "Compressed", "Compressed");
        row("protocol empty", "tprotocol", "", "MIC-E", "MIC-E");
        row("protocol begins no item", "tprotocol", "Mercator", "MIC-E", "MIC-E");
        row("protocol item and a blank", "tprotocol", "APRS Text ", "MIC-E", "MIC-E");
        row("tdao last", "tdao", "2", "2 Digits", "2");
        row("tdao past the end", "tdao", "3", "Off", "0");
        row("tdao negative", "tdao", "-1", "Off", "0");
        row("mmsg last", "mmsg", "7", "Emergency!", "7");
        row("mmsg past the end", "mmsg", "8", "Off Duty", "0");
        row("symbol byte 0", "tsymcode", QByteArray(1, '\0'), "", QByteArray(1, '\0'));
        row("latin-1 location", "location", "12\xb0" "30' N", QString::fromUtf8("12°30' N"), "12\xb0" "30' N");
        row("negative altitude", "galt", "-50", "-50", "-50");
        page = "Position Timing";
        row("slow period", "sbsperiod", "600", "600", "600");
        page = "Beacon / Digipeater";
        row("beacon text keeps case", "btext", "lower case", "lower case", "lower case");
        row("alias shown in upper case", "alias2", "relay", "RELAY", "RELAY");
        page = "GPS";
        row("mode lower case", "gwaymode", "kenwood", "Kenwood", "Kenwood");
        row("mode beginning", "gwaymode", "mag", "Magellan", "Magellan");
        row("mode begins no item", "gwaymode", "Garmin", "NMEA", "NMEA");
        row("mode empty", "gwaymode", "", "NMEA", "NMEA");
        page = "Display";
        row("distance", "ddist", "1", "checked", "1");
        row("any non-zero is checked", "frawdisp", "7", "checked", "1");
    }

    void bankToControl()
    {
        QFETCH(QString, caption);
        QFETCH(QString, key);
        QFETCH(QByteArray, value);
        QFETCH(QString, shown);
        QFETCH(QByteArray, stored);
        SheetFixture f;
        QVERIFY(f.GoTo(ParkingFor(caption)));
        f.settings.SetBank(1);
        SetValue(f, key, value);
        const std::string before = f.settings.SettingsText();
        QVERIFY(f.GoTo(caption));
        QCOMPARE(Shown(Control(f, key)), shown);
        QVERIFY(f.GoTo(ParkingFor(caption)));
        QCOMPARE(ValueOf(f, key), stored);
        SetValue(f, key, value);
        QCOMPARE(QByteArray::fromStdString(f.settings.SettingsText()), QByteArray::fromStdString(before));
    }

    // The rules apply to what every visit loads, not only the first: a bank changed while the
    // page was hidden (a file load, a device read, the other bank) opens in its own state.
    void rulesOnEveryVisit_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("Position TOSV cleared") << "Position" << "tosv" << 0 << "location" << true;
        QTest::newRow("Position Timing SBEN set") << "Position Timing" << "sben" << 1 << "sbtangle" << true;
        QTest::newRow("Position Timing ENTS set") << "Position Timing" << "ents" << 1 << "tsoffset" << true;
        QTest::newRow("Beacon period set") << "Beacon / Digipeater" << "bperiod" << 60 << "btext" << true;
        QTest::newRow("Display NODISP set") << "Display" << "nodisp" << 1 << "dmetric" << false;
    }

    void rulesOnEveryVisit()
    {
        QFETCH(QString, caption);
        QFETCH(QString, key);
        QFETCH(int, value);
        QFETCH(QString, control);
        QFETCH(bool, enabled);
        SheetFixture f;
        QVERIFY(f.GoTo(caption));
        QCOMPARE(Control(f, control)->isEnabled(), !enabled);
        QVERIFY(f.GoTo(ParkingFor(caption)));
        Int(f, key) = value;
        QVERIFY(f.GoTo(caption));
        QCOMPARE(Control(f, control)->isEnabled(), enabled);
    }

    // Text typed into a field as the field shows it, and as leaving the page stores it.
    // Upper-case boxes raise letters; digits-only boxes refuse the rest.
    void typing_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QByteArray>("stored");
        const char *page = "";
        auto row = [&page](const char *name, const char *field, QString typed, QString shown,
                           QByteArray stored) {
            QTest::addRow("%s %s", page, name) << page << field << typed << shown << stored;
        };
        page = "Position";
        row("code cleared", "tsymcode", "", "", QByteArray(1, '\0'));
        row("table two characters", "tsymtable", "XY", "XY", "X");
        row("table lower case kept", "tsymtable", "k", "k", "k");
        row("negative altitude", "galt", "-50", "-50", "-50");
        row("altitude letters", "galt", "abc", "abc", "0");
        row("altitude eleven nines", "galt", "99999999999", "99999999999", "2147483647");
        row("rate refuses letters", "statusrate", "1a5", "15", "15");
        row("rate refuses a sign", "statusrate", "-3", "3", "3");
        row("rate empty", "statusrate", "", "", "0");
        row("location as typed", "location", " 4807.38N  01131.00E ", " 4807.38N  01131.00E ", " 4807.38N  01131.00E ");
        page = "Position Timing";
        row("fast period cleared", "sbfperiod", "", "", "0");
        row("slow speed as typed", "sbsspeed", "60", "60", "60");
        row("period eleven nines", "mpperiod", "99999999999", "99999999999", "2147483647");
        row("letters refused", "sbtangle", "4x5", "45", "45");
        row("offset", "tsoffset", "59", "59", "59");
        page = "Beacon / Digipeater";
        row("alias upper case", "alias1", "wide", "WIDE", "WIDE");
        row("alias mixed", "alias2", "Relay-1", "RELAY-1", "RELAY-1");
        row("alias cleared", "alias3", "", "", "");
        row("beacon text keeps case", "btext", ">on the road", ">on the road", ">on the road");
        row("dupe time digits", "dupetime", "2x8", "28", "28");
        row("period digits", "bperiod", "-90", "90", "90");
        page = "GPS";
        row("digits then a letter", "gwaylen", "12a", "12A", "12");
        row("hex letters", "grelaybits", "ff", "FF", "0");
        row("negative", "gkrelay", "-3", "-3", "-3");
        row("leading blanks", "tpswitch", "  7", "  7", "7");
        row("plus sign", "grelayrate", "+15s", "+15S", "15");
        row("empty", "gwaylen", "", "", "0");
    }

    void typing()
    {
        QFETCH(QString, caption);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QByteArray, stored);
        SheetFixture f;
        QVERIFY(f.GoTo(ParkingFor(caption)));
        // Every field editable.
        Int(f, "tosv") = 0;
        Int(f, "sben") = 1;
        Int(f, "ents") = 1;
        Int(f, "bperiod") = 60;
        Str(f, "alias3") = "WIDE2";
        QVERIFY(f.GoTo(caption));
        auto *edit = Control<QLineEdit>(f, field);
        QVERIFY(edit->isEnabled());
        SheetFixture::Type(edit, typed);
        QCOMPARE(edit->text(), shown);
        QVERIFY(f.GoTo(ParkingFor(caption)));
        QCOMPARE(ValueOf(f, field), stored);
    }

    // A click on a check box changes its own setting and no other.
    void checkBoxesOwnTheirSetting_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("box");
        auto rows = [](const char *caption, const char *boxes) {
            for (const QString &box : Names(boxes))
                QTest::addRow("%s %s", caption, qPrintable(box)) << caption << box;
        };
        rows("Position", "micetmv tspeed msgcap talt tosv");
        rows("Position Timing", "ents sben");
        rows("Beacon / Digipeater", "preempt digiid digimy");
        rows("GPS", "gpschk tswpt wyptxt pavpen lrntps intclk");
        rows("Display", "nodisp dmetric ddist txtdisp dmsdisp frawdisp hrawdisp rpathdisp leds");
    }

    void checkBoxesOwnTheirSetting()
    {
        QFETCH(QString, caption);
        QFETCH(QString, box);
        SheetFixture f;
        QVERIFY(f.GoTo(ParkingFor(caption)));
        const std::string before = f.settings.SettingsText();
        const int32_t was = Int(f, box);
        QVERIFY(f.GoTo(caption));
        Press(Control<QCheckBox>(f, box));
        QVERIFY(f.GoTo(ParkingFor(caption)));
        QCOMPARE(Int(f, box), was ? 0 : 1);
        Int(f, box) = was;
        QCOMPARE(f.settings.SettingsText(), before);
    }

    // Every label names a control of its own page; every bound field is named by a label (or,
    // where a group box is its only caption, by its accessible name); check boxes carry their
    // captions.
    void labels_data() { AddPages(); }

    void labels()
    {
        QFETCH(QString, caption);
        SheetFixture f;
        QVERIFY(f.GoTo(caption));
        QWidget *page = PageWith(f, caption);
        QSet<QWidget *> named;
        for (QLabel *label : page->findChildren<QLabel *>()) {
            QVERIFY2(label->buddy(), qPrintable(label->objectName()));
            QVERIFY(page->isAncestorOf(label->buddy()));
            QVERIFY(!label->text().isEmpty());
            named.insert(label->buddy());
        }
        for (QWidget *field : page->findChildren<QWidget *>()) {
            if (qobject_cast<QLineEdit *>(field) || qobject_cast<QComboBox *>(field))
                QVERIFY2(named.contains(field) || !field->accessibleName().isEmpty(),
                         qPrintable(field->objectName()));
            if (auto *box = qobject_cast<QCheckBox *>(field))
                QVERIFY2(!box->text().isEmpty(), qPrintable(box->objectName()));
        }
    }

    // The Tab key walks the bound controls in the page's order.
    void tabOrder_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("Position") << "Position"
            << Names("tprotocol timestamp tdao tsymcode tsymtable mmsg micetmv tspeed msgcap talt "
                     "tosv location galt tstat statusrate");
        QTest::newRow("Position Timing") << "Position Timing"
            << Names("pperiod mpperiod ents tsoffset sben sbsspeed sbfspeed sbsperiod sbfperiod "
                     "sbtangle sbtslope sbttime");
        QTest::newRow("Beacon / Digipeater") << "Beacon / Digipeater"
            << Names("alias1 alias2 alias3 preempt digiid dupetime bperiod btext digimy");
        QTest::newRow("GPS") << "GPS"
            << Names("gwaymode gwaylen gpschk tswpt wyptxt pavpen tpswitch lrntps intclk grelaybits "
                     "grelayrate gkrelay");
        QTest::newRow("Display") << "Display"
            << Names("nodisp txtdisp dmsdisp frawdisp hrawdisp rpathdisp ddist leds dmetric");
    }

    void tabOrder()
    {
        QFETCH(QString, caption);
        QFETCH(QStringList, order);
        SheetFixture f;
        QVERIFY(f.GoTo(caption));
        // Every control takes focus: enable them all, as a bank could open them.
        for (const QString &name : order)
            Control(f, name)->setEnabled(true);
        f.sheet->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.sheet.get()));
        Control(f, order.first())->setFocus(Qt::TabFocusReason);
        QStringList walked;
        for (int i = 0; i < order.size(); ++i) {
            walked << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(walked, order);
    }

    // Nothing is cramped or cut off: every widget of the page gets at least the size it asks
    // for, inside the page. With REZAR_SHOTS_DIR set, the sheet showing the page is saved there.
    void layout_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("file");
        QTest::newRow("Position") << "Position" << "position";
        QTest::newRow("Position Timing") << "Position Timing" << "position_timing";
        QTest::newRow("Beacon / Digipeater") << "Beacon / Digipeater" << "beacon";
        QTest::newRow("GPS") << "GPS" << "gps";
        QTest::newRow("Display") << "Display" << "display";
    }

    void layout()
    {
        QFETCH(QString, caption);
        QFETCH(QString, file);
        SheetFixture f;
        QVERIFY(f.GoTo(caption));
        QWidget *page = PageWith(f, caption);
        QVERIFY(QTest::qWaitForWindowExposed(f.sheet.get()));
        for (QWidget *w : page->findChildren<QWidget *>()) {
            if (!w->isVisible() || w->parentWidget()->inherits("QComboBox"))
                continue;
            const QRect onPage(w->mapTo(page, QPoint(0, 0)), w->size());
            QVERIFY2(page->rect().contains(onPage), qPrintable(w->objectName()));
            const QSize wanted = w->minimumSizeHint().expandedTo(
                qobject_cast<QLabel *>(w) || qobject_cast<QCheckBox *>(w) ? w->sizeHint() : QSize());
            QVERIFY2(w->width() >= wanted.width() && w->height() >= wanted.height(),
                     qPrintable(QString("%1 %2x%3 < %4x%5").arg(w->objectName()).arg(w->width())
                                    .arg(w->height()).arg(wanted.width()).arg(wanted.height())));
        }
        QVERIFY(f.Shot(file));
    }
};

QTEST_MAIN(TestPositionForms)
#include "tst_position_forms.moc"
