// The Beacon / Digipeater page: the beacon text follows the period as it is typed; upper-case
// aliases; every field stored, enabled or not.

#include "support/PageTest.h"

namespace {

const QString kPage = QStringLiteral("Beacon / Digipeater");

} // namespace

class TestBeaconPage : public QObject {
    Q_OBJECT

private slots:
    // The rule as the bank opens it, then after each key typed into the period field.
    void beaconTextRule_data()
    {
        QTest::addColumn<int>("period");
        QTest::addColumn<bool>("opensEnabled");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QList<bool>>("enabledAfterEach");
        const int bs = Qt::Key_Backspace;
        QTest::newRow("typing 30 from 0") << 0 << false << QList<int>{bs, Qt::Key_3, Qt::Key_0}
                                          << QList<bool>{false, true, true};
        QTest::newRow("clearing 600") << 600 << true << QList<int>{bs, bs, bs}
                                      << QList<bool>{true, true, false};
        QTest::newRow("05 then 0") << 5 << true << QList<int>{Qt::Key_Home, Qt::Key_0, Qt::Key_Delete}
                                   << QList<bool>{true, true, false};
        QTest::newRow("0 then 01") << 0 << false << QList<int>{Qt::Key_1} << QList<bool>{true};
    }

    void beaconTextRule()
    {
        QFETCH(int, period);
        QFETCH(bool, opensEnabled);
        QFETCH(QList<int>, keys);
        QFETCH(QList<bool>, enabledAfterEach);
        SheetFixture f;
        QVERIFY(f.GoTo(ParkingFor(kPage)));
        Int(f, "bperiod") = period;
        QVERIFY(f.GoTo(kPage));
        QWidget *btext = Control(f, "btext");
        QCOMPARE(btext->isEnabled(), opensEnabled);
        auto *edit = Control<QLineEdit>(f, "bperiod");
        edit->setFocus();
        edit->end(false);
        for (int i = 0; i < keys.size(); ++i) {
            QTest::keyClick(edit, Qt::Key(keys[i]));
            QVERIFY2(btext->isEnabled() == enabledAfterEach[i], qPrintable(edit->text()));
        }
    }

    void disabledBeaconTextStored()
    {
        SheetFixture f;
        QVERIFY(f.GoTo(kPage));
        SheetFixture::Type(Control<QLineEdit>(f, "bperiod"), "1800");
        SheetFixture::Type(Control<QLineEdit>(f, "btext"), "!4807.38N/01131.00E- portable");
        SheetFixture::Type(Control<QLineEdit>(f, "bperiod"), "");
        QVERIFY(!Control(f, "btext")->isEnabled());
        QVERIFY(f.GoTo(ParkingFor(kPage)));
        QCOMPARE(Int(f, "bperiod"), 0);
        QCOMPARE(Str(f, "btext"), std::string("!4807.38N/01131.00E- portable"));
    }

};

QTEST_MAIN(TestBeaconPage)
#include "tst_beacon_page.moc"
