// The Display page: "Disable Display (NODISP)" locks the seven LCD options where they are;
// the LEDs stay free.

#include "support/PageTest.h"

namespace {

const QString kPage = QStringLiteral("Display");
const QStringList kLcdOptions = Names("dmetric ddist txtdisp dmsdisp frawdisp hrawdisp rpathdisp");

} // namespace

class TestDisplayPage : public QObject {
    Q_OBJECT

private slots:
    void lock_data()
    {
        QTest::addColumn<int>("nodisp");
        QTest::addColumn<QString>("marked");  // LCD options checked in the bank
        QTest::newRow("opens locked") << 1 << "dmetric hrawdisp frawdisp";
        QTest::newRow("opens free") << 0 << "ddist rpathdisp";
        QTest::newRow("opens locked, none marked") << 1 << "";
    }

    // The lock as the bank opens it and after each of two clicks; marks never move, and
    // leaving stores them as shown.
    void lock()
    {
        QFETCH(int, nodisp);
        QFETCH(QString, marked);
        const QStringList marks = Names(marked.toLatin1().constData());
        SheetFixture f;
        QVERIFY(f.GoTo(ParkingFor(kPage)));
        Int(f, "nodisp") = nodisp;
        Int(f, "leds") = 0;
        for (const QString &key : marks)
            Int(f, key.toLatin1().constData()) = 1;
        QVERIFY(f.GoTo(kPage));
        auto markedNow = [&] {
            QStringList now;
            for (const QString &name : kLcdOptions)
                if (Control<QCheckBox>(f, name)->isChecked())
                    now << name;
            return now;
        };
        QStringList expectedMarks;
        for (const QString &name : kLcdOptions)
            if (marks.contains(name))
                expectedMarks << name;
        bool locked = nodisp;
        for (int click = 0; click < 3; ++click) {
            if (click > 0) {
                Press(Control<QCheckBox>(f, "nodisp"));
                locked = !locked;
            }
            QCOMPARE(Control<QCheckBox>(f, "nodisp")->isChecked(), locked);
            QCOMPARE(EnabledOf(f, kLcdOptions), locked ? QStringList() : kLcdOptions);
            QCOMPARE(EnabledOf(f, Names("nodisp leds")), Names("nodisp leds"));
            QCOMPARE(markedNow(), expectedMarks);
        }
        QVERIFY(f.GoTo(ParkingFor(kPage)));
        QCOMPARE(Int(f, "nodisp"), int(locked));
        QCOMPARE(Int(f, "leds"), 0);
        for (const QString &name : kLcdOptions)
            QCOMPARE(Int(f, name.toLatin1().constData()), int(marks.contains(name)));
    }

    // LEDs can be switched while the display is locked.
    void ledsFreeWhileLocked()
    {
        SheetFixture f;
        QVERIFY(f.GoTo(ParkingFor(kPage)));
        Int(f, "nodisp") = 1;
        QVERIFY(f.GoTo(kPage));
        Press(Control<QCheckBox>(f, "leds"));
        QVERIFY(f.GoTo(ParkingFor(kPage)));
        QCOMPARE(Int(f, "leds"), 0);
        QCOMPARE(Int(f, "nodisp"), 1);
    }
};

QTEST_MAIN(TestDisplayPage)
#include "tst_display_page.moc"
