// The Position Timing page: SmartBeaconing and time slotting exclude each other on a click,
// never on a load; the three enable rules; numbers stored as typed.

#include "support/PageTest.h"

namespace {

const QString kPage = QStringLiteral("Position Timing");
const QStringList kRuled = Names("pperiod sbtangle sbtslope sbttime sbsspeed sbsperiod sbfspeed "
                                 "sbfperiod tsoffset");

// The fields enabled with SBEN and ENTS as given.
QStringList EnabledWith(bool sben, bool ents)
{
    QStringList enabled;
    if (!sben)
        enabled << "pperiod";
    if (sben)
        enabled << Names("sbtangle sbtslope sbttime sbsspeed sbsperiod sbfspeed sbfperiod");
    if (ents)
        enabled << "tsoffset";
    return enabled;
}

} // namespace

class TestPositionTimingPage : public QObject {
    Q_OBJECT

private slots:
    void exclusion_data()
    {
        QTest::addColumn<int>("sben");
        QTest::addColumn<int>("ents");
        QTest::addColumn<QString>("click");
        QTest::addColumn<int>("sbenAfter");
        QTest::addColumn<int>("entsAfter");
        QTest::newRow("SBEN over ENTS") << 0 << 1 << "sben" << 1 << 0;
        QTest::newRow("ENTS over SBEN") << 1 << 0 << "ents" << 0 << 1;
        QTest::newRow("SBEN alone") << 0 << 0 << "sben" << 1 << 0;
        QTest::newRow("ENTS alone") << 0 << 0 << "ents" << 0 << 1;
        QTest::newRow("unchecking SBEN keeps ENTS") << 1 << 1 << "sben" << 0 << 1;
        QTest::newRow("unchecking ENTS keeps SBEN") << 1 << 1 << "ents" << 1 << 0;
        QTest::newRow("unchecking SBEN") << 1 << 0 << "sben" << 0 << 0;
    }

    // The bank opens as it is (both may be on); a click excludes the other mode, and leaving
    // stores what is shown.
    void exclusion()
    {
        QFETCH(int, sben);
        QFETCH(int, ents);
        QFETCH(QString, click);
        QFETCH(int, sbenAfter);
        QFETCH(int, entsAfter);
        SheetFixture f;
        QVERIFY(f.GoTo(ParkingFor(kPage)));
        Int(f, "sben") = sben;
        Int(f, "ents") = ents;
        QVERIFY(f.GoTo(kPage));
        auto *sbenBox = Control<QCheckBox>(f, "sben");
        auto *entsBox = Control<QCheckBox>(f, "ents");
        QCOMPARE(int(sbenBox->isChecked()), sben);
        QCOMPARE(int(entsBox->isChecked()), ents);
        QCOMPARE(EnabledOf(f, kRuled), EnabledWith(sben, ents));
        Press(Control<QCheckBox>(f, click));
        QCOMPARE(int(sbenBox->isChecked()), sbenAfter);
        QCOMPARE(int(entsBox->isChecked()), entsAfter);
        QCOMPARE(EnabledOf(f, kRuled), EnabledWith(sbenAfter, entsAfter));
        QVERIFY(f.GoTo(ParkingFor(kPage)));
        QCOMPARE(Int(f, "sben"), sbenAfter);
        QCOMPARE(Int(f, "ents"), entsAfter);
    }

    // Both on in the bank stay on through a visit without a click.
    void bothOnKeptWithoutClick()
    {
        SheetFixture f;
        QVERIFY(f.GoTo(ParkingFor(kPage)));
        Int(f, "sben") = 1;
        Int(f, "ents") = 1;
        QVERIFY(f.GoTo(kPage));
        QVERIFY(Control<QCheckBox>(f, "sben")->isChecked());
        QVERIFY(Control<QCheckBox>(f, "ents")->isChecked());
        QVERIFY(f.GoTo(ParkingFor(kPage)));
        QCOMPARE(Int(f, "sben"), 1);
        QCOMPARE(Int(f, "ents"), 1);
    }

    // Typed while enabled, then disabled by a click: every field is still stored as shown.
    void disabledFieldsStored()
    {
        SheetFixture f;
        QVERIFY(f.GoTo(kPage));
        SheetFixture::Type(Control<QLineEdit>(f, "pperiod"), "600");
        Press(Control<QCheckBox>(f, "ents"));
        SheetFixture::Type(Control<QLineEdit>(f, "tsoffset"), "42");
        Press(Control<QCheckBox>(f, "sben"));
        SheetFixture::Type(Control<QLineEdit>(f, "sbttime"), "15");
        Press(Control<QCheckBox>(f, "sben"));
        QCOMPARE(EnabledOf(f, kRuled), QStringList{"pperiod"});
        Press(Control<QCheckBox>(f, "sben"));
        QCOMPARE(EnabledOf(f, Names("pperiod tsoffset")), QStringList());
        QVERIFY(f.GoTo(ParkingFor(kPage)));
        QCOMPARE(Int(f, "pperiod"), 600);
        QCOMPARE(Int(f, "tsoffset"), 42);
        QCOMPARE(Int(f, "sbttime"), 15);
        QCOMPARE(Int(f, "sben"), 1);
        QCOMPARE(Int(f, "ents"), 0);
    }
};

QTEST_MAIN(TestPositionTimingPage)
#include "tst_position_timing_page.moc"
