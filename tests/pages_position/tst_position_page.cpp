// The Position page: the protocol's item text, the split TimeStamp list, index lists,
// symbol characters, numbers, and the eight enable rules.

#include "support/PageTest.h"

namespace {

const QString kPage = QStringLiteral("Position");
const QStringList kProtocolDependent = Names("timestamp tdao mmsg micetmv talt galt");

// What the protocol leaves enabled among kProtocolDependent (TOSV unchecked, TALT checked).
QStringList EnabledUnder(int protocol)
{
    switch (protocol) {
    case 0: return Names("tdao mmsg micetmv talt galt");
    case 1: return Names("timestamp tdao talt galt");
    default: return Names("timestamp");
    }
}

const char *const kProtocols[] = {"MIC-E", "APRS Text", "Compressed"};

} // namespace

class TestPositionPage : public QObject {
    Q_OBJECT

private slots:
    // One list for two settings. Under MIC-E (the default) the list is disabled, and its
    // selection is stored all the same.
    void timestampLoad_data()
    {
        QTest::addColumn<int>("timestamp");
        QTest::addColumn<int>("timehms");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("storedTimehms");
        QTest::newRow("none, hms ignored") << 0 << 1 << "None" << 0;
        QTest::newRow("none") << 0 << 0 << "None" << 0;
        QTest::newRow("day") << 1 << 0 << "Day,Hour,Min" << 0;
        QTest::newRow("hms") << 1 << 1 << "Hour,Min,Sec" << 1;
    }

    void timestampLoad()
    {
        QFETCH(int, timestamp);
        QFETCH(int, timehms);
        QFETCH(QString, shown);
        QFETCH(int, storedTimehms);
        SheetFixture f;
        QVERIFY(f.GoTo(ParkingFor(kPage)));
        Int(f, "timestamp") = timestamp;
        Int(f, "timehms") = timehms;
        QVERIFY(f.GoTo(kPage));
        QCOMPARE(Control<QComboBox>(f, "timestamp")->currentText(), shown);
        QVERIFY(!Control(f, "timestamp")->isEnabled());
        QVERIFY(f.GoTo(ParkingFor(kPage)));
        QCOMPARE(Int(f, "timestamp"), timestamp);
        QCOMPARE(Int(f, "timehms"), storedTimehms);
    }

    void timestampStore_data()
    {
        QTest::addColumn<int>("pick");
        QTest::addColumn<int>("timestamp");
        QTest::addColumn<int>("timehms");
        QTest::newRow("None") << 0 << 0 << 0;
        QTest::newRow("Day,Hour,Min") << 1 << 1 << 0;
        QTest::newRow("Hour,Min,Sec") << 2 << 1 << 1;
    }

    void timestampStore()
    {
        QFETCH(int, pick);
        QFETCH(int, timestamp);
        QFETCH(int, timehms);
        SheetFixture f;
        QVERIFY(f.GoTo(ParkingFor(kPage)));
        Str(f, "tprotocol") = "APRS Text";
        Int(f, "timestamp") = 0;
        Int(f, "timehms") = 1;
        QVERIFY(f.GoTo(kPage));
        SheetFixture::Pick(Control<QComboBox>(f, "timestamp"), pick);
        QCOMPARE(Control<QComboBox>(f, "timestamp")->currentIndex(), pick);
        QVERIFY(f.GoTo(ParkingFor(kPage)));
        QCOMPARE(Int(f, "timestamp"), timestamp);
        QCOMPARE(Int(f, "timehms"), timehms);
    }

    // The protocol's rules as the bank opens them, and after the user picks another protocol.
    void protocolRules_data()
    {
        QTest::addColumn<int>("opened");
        QTest::addColumn<int>("picked");
        for (int from = 0; from < 3; ++from)
            for (int to = 0; to < 3; ++to)
                if (from != to)
                    QTest::addRow("%s to %s", kProtocols[from], kProtocols[to]) << from << to;
    }

    void protocolRules()
    {
        QFETCH(int, opened);
        QFETCH(int, picked);
        SheetFixture f;
        QVERIFY(f.GoTo(ParkingFor(kPage)));
        Str(f, "tprotocol") = kProtocols[opened];
        Int(f, "tosv") = 0;
        Int(f, "talt") = 1;
        QVERIFY(f.GoTo(kPage));
        QCOMPARE(EnabledOf(f, kProtocolDependent), EnabledUnder(opened));
        SheetFixture::Pick(Control<QComboBox>(f, "tprotocol"), picked);
        QCOMPARE(EnabledOf(f, kProtocolDependent), EnabledUnder(picked));
        QVERIFY(f.GoTo(ParkingFor(kPage)));
        QCOMPARE(QString::fromStdString(Str(f, "tprotocol")), QString(kProtocols[picked]));
    }

    // TOSV and TALT: the location and altitude fields as the bank opens them, and after one
    // click.
    void validAndAltitudeRules_data()
    {
        QTest::addColumn<int>("tosv");
        QTest::addColumn<int>("talt");
        QTest::addColumn<int>("protocol");
        QTest::addColumn<QString>("click");
        QTest::addColumn<QStringList>("opensEnabled");
        QTest::addColumn<QStringList>("thenEnabled");
        QTest::newRow("checking TOSV disables both") << 0 << 1 << 0 << "tosv"
            << Names("location galt") << QStringList();
        QTest::newRow("unchecking TOSV enables both") << 1 << 1 << 0 << "tosv"
            << QStringList() << Names("location galt");
        QTest::newRow("unchecking TOSV without TALT") << 1 << 0 << 0 << "tosv"
            << QStringList() << Names("location");
        QTest::newRow("unchecking TOSV under Compressed") << 1 << 1 << 2 << "tosv"
            << QStringList() << Names("location");
        QTest::newRow("checking TALT") << 0 << 0 << 1 << "talt"
            << Names("location") << Names("location galt");
        QTest::newRow("unchecking TALT") << 0 << 1 << 0 << "talt"
            << Names("location galt") << Names("location");
        QTest::newRow("checking TALT under TOSV") << 1 << 0 << 0 << "talt"
            << QStringList() << QStringList();
    }

    void validAndAltitudeRules()
    {
        QFETCH(int, tosv);
        QFETCH(int, talt);
        QFETCH(int, protocol);
        QFETCH(QString, click);
        QFETCH(QStringList, opensEnabled);
        QFETCH(QStringList, thenEnabled);
        SheetFixture f;
        QVERIFY(f.GoTo(ParkingFor(kPage)));
        Int(f, "tosv") = tosv;
        Int(f, "talt") = talt;
        Str(f, "tprotocol") = kProtocols[protocol];
        QVERIFY(f.GoTo(kPage));
        QCOMPARE(EnabledOf(f, Names("location galt")), opensEnabled);
        Press(Control<QCheckBox>(f, click));
        QCOMPARE(EnabledOf(f, Names("location galt")), thenEnabled);
    }

    void statusRateRule_data()
    {
        QTest::addColumn<int>("rate");
        QTest::addColumn<bool>("opensEnabled");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("thenEnabled");
        QTest::newRow("0 to 5") << 0 << false << "5" << true;
        QTest::newRow("0 to 00") << 0 << false << "00" << false;
        QTest::newRow("1 to empty") << 1 << true << "" << false;
        QTest::newRow("12 to 0") << 12 << true << "0" << false;
        QTest::newRow("12 to 07") << 12 << true << "07" << true;
    }

    void statusRateRule()
    {
        QFETCH(int, rate);
        QFETCH(bool, opensEnabled);
        QFETCH(QString, typed);
        QFETCH(bool, thenEnabled);
        SheetFixture f;
        QVERIFY(f.GoTo(ParkingFor(kPage)));
        Int(f, "statusrate") = rate;
        QVERIFY(f.GoTo(kPage));
        QCOMPARE(Control(f, "tstat")->isEnabled(), opensEnabled);
        SheetFixture::Type(Control<QLineEdit>(f, "statusrate"), typed);
        QCOMPARE(Control(f, "tstat")->isEnabled(), thenEnabled);
    }

    // Fields typed into and then disabled keep their text, and leaving stores it.
    void disabledFieldsStored()
    {
        SheetFixture f;
        QVERIFY(f.GoTo(ParkingFor(kPage)));
        Int(f, "tosv") = 0;
        QVERIFY(f.GoTo(kPage));
        SheetFixture::Type(Control<QLineEdit>(f, "location"), "4807.38N 01131.00E");
        SheetFixture::Type(Control<QLineEdit>(f, "galt"), "520");
        SheetFixture::Type(Control<QLineEdit>(f, "tstat"), "portable");
        SheetFixture::Pick(Control<QComboBox>(f, "mmsg"), 6);
        Press(Control<QCheckBox>(f, "tosv"));
        SheetFixture::Type(Control<QLineEdit>(f, "statusrate"), "0");
        SheetFixture::Pick(Control<QComboBox>(f, "tprotocol"), 2);
        QCOMPARE(EnabledOf(f, Names("location galt tstat mmsg")), QStringList());
        QVERIFY(f.GoTo(ParkingFor(kPage)));
        QCOMPARE(Str(f, "location"), std::string("4807.38N 01131.00E"));
        QCOMPARE(Int(f, "galt"), 520);
        QCOMPARE(Str(f, "tstat"), std::string("portable"));
        QCOMPARE(Int(f, "mmsg"), 6);
        QCOMPARE(Int(f, "tosv"), 1);
        QCOMPARE(Int(f, "statusrate"), 0);
        QCOMPARE(Str(f, "tprotocol"), std::string("Compressed"));
    }
};

QTEST_MAIN(TestPositionPage)
#include "tst_position_page.moc"
