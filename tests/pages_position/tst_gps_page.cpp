// The GPS page: one-to-one bindings, the waypoint mode's item text, upper-case number boxes
// that take any text.

#include "support/PageTest.h"

namespace {

const QString kPage = QStringLiteral("GPS");

} // namespace

class TestGPSPage : public QObject {
    Q_OBJECT

private slots:
    void pickedWaypointModeStored()
    {
        SheetFixture f;
        QVERIFY(f.GoTo(kPage));
        SheetFixture::Pick(Control<QComboBox>(f, "gwaymode"), 1);
        QVERIFY(f.GoTo(ParkingFor(kPage)));
        QCOMPARE(Str(f, "gwaymode"), std::string("Kenwood"));
    }

    // No box enables or disables another control.
    void checksDisableNothing()
    {
        SheetFixture f;
        QVERIFY(f.GoTo(kPage));
        for (const QString &box : Names("gpschk tswpt wyptxt pavpen lrntps intclk")) {
            Press(Control<QCheckBox>(f, box));
            for (QWidget *control : f.Tabs()->currentWidget()->findChildren<QWidget *>())
                QVERIFY2(control->isEnabled(), qPrintable(box + " " + control->objectName()));
        }
    }
};

QTEST_MAIN(TestGPSPage)
#include "tst_gps_page.moc"
