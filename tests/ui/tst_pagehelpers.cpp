// The page helpers and the seven two-way conversions on real drop-downs and edit boxes, and the
// edit-box styles the forms carry (upper case, digits only), driven by typed keys.

#include "PropertyPage.h"
#include "PageHelpers.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest>

#include <climits>

namespace {

QStringList BaudRates()
{
    return {"1200", "2400", "4800", "9600", "19200", "38400"};
}

QStringList Modes()
{
    return {"NONE", "GPS", "KISS", "GPS2"};
}

} // namespace

class TestPageHelpers : public QObject {
    Q_OBJECT

    // A page like the forms make: a plain box, an upper-case box and a digits-only box, with
    // the styles applied when the page attaches its controls.
    std::unique_ptr<CPropertyPage> m_page;
    QLineEdit *m_plain = nullptr;
    QLineEdit *m_upper = nullptr;
    QLineEdit *m_digits = nullptr;
    QComboBox *m_combo = nullptr;

private slots:
    void init()
    {
        m_page = std::make_unique<CPropertyPage>();
        auto *layout = new QVBoxLayout(m_page.get());
        m_plain = new QLineEdit(m_page.get());
        m_upper = new QLineEdit(m_page.get());
        m_upper->setProperty("upperCase", true);
        m_digits = new QLineEdit(m_page.get());
        m_digits->setProperty("digitsOnly", true);
        m_combo = new QComboBox(m_page.get());
        for (QWidget *w : {static_cast<QWidget *>(m_plain), static_cast<QWidget *>(m_upper),
                           static_cast<QWidget *>(m_digits), static_cast<QWidget *>(m_combo)})
            layout->addWidget(w);
        m_page->EnsureAttached();
        m_page->show();
    }
    void cleanup() { m_page.reset(); }

    void itemText_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("found");
        QTest::addColumn<QString>("storedBack");
        QTest::newRow("beginning selects the whole item") << "G" << 1 << "GPS";
        QTest::newRow("case is ignored") << "kiss" << 2 << "KISS";
        QTest::newRow("first match wins") << "GPS" << 1 << "GPS";
        QTest::newRow("whole later item") << "gps2" << 3 << "GPS2";
        QTest::newRow("no match falls back to item 0") << "X" << -1 << "NONE";
        QTest::newRow("longer than every item") << "GPS22" << -1 << "NONE";
        QTest::newRow("empty selects item 0") << "" << 0 << "NONE";
    }
    void itemText()
    {
        QFETCH(QString, stored);
        QFETCH(int, found);
        QFETCH(QString, storedBack);
        m_combo->addItems(Modes());
        m_combo->setCurrentIndex(2);
        QCOMPARE(SelectComboText(m_combo, stored.toStdString()), found);
        std::string field = "unchanged";
        DDX_ItemText(true, m_combo, field);
        QCOMPARE(QString::fromStdString(field), storedBack);
    }

    void itemNumber_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("storedBack");
        QTest::newRow("96 selects 9600") << 96 << "9600" << 9600;
        QTest::newRow("1 selects the first item beginning with 1") << 1 << "1200" << 1200;
        QTest::newRow("300 matches nothing: first item") << 300 << "1200" << 1200;
        QTest::newRow("exact") << 19200 << "19200" << 19200;
        QTest::newRow("negative") << -1 << "1200" << 1200;
    }
    void itemNumber()
    {
        QFETCH(int, stored);
        QFETCH(QString, shown);
        QFETCH(int, storedBack);
        m_combo->addItems(BaudRates());
        m_combo->setCurrentIndex(5);
        int32_t field = stored;
        DDX_ItemNumber(false, m_combo, field);
        QCOMPARE(m_combo->currentText(), shown);
        field = 0;
        DDX_ItemNumber(true, m_combo, field);
        QCOMPARE(field, storedBack);
    }

    void index_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("returned");
        QTest::addColumn<int>("storedBack");
        QTest::newRow("in range") << 2 << 2 << 2;
        QTest::newRow("last") << 3 << 3 << 3;
        QTest::newRow("past the last") << 4 << -1 << 0;
        QTest::newRow("negative") << -1 << -1 << 0;
        QTest::newRow("far out") << INT_MAX << -1 << 0;
    }
    void index()
    {
        QFETCH(int, stored);
        QFETCH(int, returned);
        QFETCH(int, storedBack);
        m_combo->addItems(Modes());
        m_combo->setCurrentIndex(1);
        QCOMPARE(SelectComboIndex(m_combo, stored), returned);
        int32_t field = -7;
        DDX_Index(true, m_combo, field);
        QCOMPARE(field, storedBack);
    }

    void comboWithNothingSelected()
    {
        m_combo->addItems(BaudRates());
        m_combo->setCurrentIndex(-1);
        QCOMPARE(GetComboIndex(m_combo), -1);
        QCOMPARE(GetComboText(m_combo), std::string());
        int32_t number = 5;
        DDX_ItemNumber(true, m_combo, number);
        QCOMPARE(number, 0);
    }

    // An editable drop-down: the item text counts, not what was typed into its field.
    void itemTextIgnoresTypedText()
    {
        m_combo->setEditable(true);
        m_combo->addItems(Modes());
        m_combo->setCurrentIndex(1);
        QTest::keyClicks(m_combo->lineEdit(), "XYZ");
        QCOMPARE(GetControlText(m_combo), std::string("GPSXYZ"));
        QCOMPARE(GetComboText(m_combo), std::string("GPS"));
    }

    void number_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("stored");
        QTest::newRow("digits then letters") << "12AB" << 12;
        QTest::newRow("leading blanks") << "  7" << 7;
        QTest::newRow("minus") << "-3" << -3;
        QTest::newRow("plus") << "+8" << 8;
        QTest::newRow("letters") << "abc" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("sign alone") << "-" << 0;
        QTest::newRow("eleven nines") << "99999999999" << INT_MAX;
        QTest::newRow("eleven nines, negative") << "-99999999999" << INT_MIN;
        QTest::newRow("blank between sign and digits") << "- 5" << 0;
    }
    void number()
    {
        QFETCH(QString, typed);
        QFETCH(int, stored);
        int32_t field = 42;
        DDX_Number(false, m_plain, field);
        QCOMPARE(m_plain->text(), QString("42"));
        m_plain->setFocus();
        m_plain->selectAll();
        QTest::keyClick(m_plain, Qt::Key_Delete);
        QTest::keyClicks(m_plain, typed);
        field = 1;
        DDX_Number(true, m_plain, field);
        QCOMPARE(field, stored);
    }

    void numberShowsEveryValue()
    {
        for (int32_t value : {0, -3, INT_MAX, INT_MIN}) {
            DDX_Number(false, m_plain, value);
            int32_t back = 1;
            DDX_Number(true, m_plain, back);
            QCOMPARE(back, value);
        }
    }

    void character_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("stored");
        QTest::newRow("empty stores 0") << "" << 0;
        QTest::newRow("first character only") << "XY" << int('X');
        QTest::newRow("blank") << " " << int(' ');
    }
    void character()
    {
        QFETCH(QString, typed);
        QFETCH(int, stored);
        m_plain->setFocus();
        QTest::keyClicks(m_plain, typed);
        char field = 'q';
        DDX_Char(true, m_plain, field);
        QCOMPARE(int(field), stored);
    }

    void characterLoad()
    {
        for (char value : {'\0', '/'}) {
            DDX_Char(false, m_plain, value);
            QCOMPARE(m_plain->text(), value ? QString(QChar::fromLatin1(value)) : QString());
        }
        char value = '\xE9';
        DDX_Char(false, m_plain, value);
        char back = 0;
        DDX_Char(true, m_plain, back);
        QCOMPARE(back, '\xE9');
    }

    // Every byte comes back unchanged through an edit box, the drop-down items and a label.
    void latin1RoundTrip()
    {
        std::string all;
        for (int b = 0; b < 256; ++b)
            all += char(b);
        DDX_Text(false, m_plain, all);
        std::string back;
        DDX_Text(true, m_plain, back);
        QCOMPARE(back, all);

        m_combo->addItem(BytesToText("\xB0\xE9\xFF"));
        QCOMPARE(SelectComboText(m_combo, "\xB0\xE9"), 0);
        QCOMPARE(GetComboText(m_combo), std::string("\xB0\xE9\xFF"));
    }

    void charactersBeyondLatin1BecomeQuestionMarks()
    {
        QCOMPARE(TextToBytes(QString::fromUtf8("a\u20ACb")), std::string("a?b"));
        // One character outside the 16-bit range, one '?'.
        QCOMPARE(TextToBytes(QString::fromUtf8("x\U0001F4E1y")), std::string("x?y"));
    }

    void textIsNotTrimmed()
    {
        m_plain->setFocus();
        QTest::keyClicks(m_plain, "  a b  ");
        std::string field;
        DDX_Text(true, m_plain, field);
        QCOMPARE(field, std::string("  a b  "));
    }

    void upperCaseBox()
    {
        m_upper->setFocus();
        QTest::keyClicks(m_upper, "n0call-9");
        QCOMPARE(m_upper->text(), QString("N0CALL-9"));
        std::string field;
        DDX_Text(true, m_upper, field);
        QCOMPARE(field, std::string("N0CALL-9"));

        // Text the program puts there shows in upper case too; only a-z change.
        field = "wide2-1 \xE9";
        DDX_Text(false, m_upper, field);
        QCOMPARE(m_upper->text(), BytesToText("WIDE2-1 \xE9"));
        DDX_Text(true, m_upper, field);
        QCOMPARE(field, std::string("WIDE2-1 \xE9"));
    }

    void digitsOnlyBoxRefusesTypedNonDigits()
    {
        m_digits->setFocus();
        QTest::keyClicks(m_digits, "12ab-3 ");
        QCOMPARE(m_digits->text(), QString("123"));
    }

    void digitsOnlyBoxRefusesPastedNonDigits()
    {
        m_digits->setFocus();
        QApplication::clipboard()->setText("4a5");
        QTest::keyClick(m_digits, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(m_digits->text(), QString());
        QApplication::clipboard()->setText("45");
        QTest::keyClick(m_digits, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(m_digits->text(), QString("45"));
    }

    // "-3" put there by the program stays, can be edited by deleting and typing digits, and
    // the box still refuses letters afterwards.
    void digitsOnlyBoxKeepsProgramText()
    {
        int32_t field = -3;
        DDX_Number(false, m_digits, field);
        QCOMPARE(m_digits->text(), QString("-3"));
        m_digits->setFocus();
        m_digits->end(false);
        QTest::keyClicks(m_digits, "x");
        QCOMPARE(m_digits->text(), QString("-3"));
        QTest::keyClick(m_digits, Qt::Key_Backspace);
        QTest::keyClicks(m_digits, "5");
        QCOMPARE(m_digits->text(), QString("-5"));
        field = 0;
        DDX_Number(true, m_digits, field);
        QCOMPARE(field, -5);
        QTest::keyClick(m_digits, Qt::Key_Home);
        QTest::keyClick(m_digits, Qt::Key_Delete);
        QCOMPARE(m_digits->text(), QString("5"));
    }

    // A load leaves the bank field as it was: the values are picked so that a store before or
    // after it would change the field.
    void loadLeavesTheField()
    {
        m_combo->addItems(BaudRates());
        m_combo->setCurrentIndex(2);
        m_plain->setText("OLD");
        QCheckBox box(m_page.get());
        box.setChecked(true);

        std::string text = "NEW";
        DDX_Text(false, m_plain, text);
        QCOMPARE(text, std::string("NEW"));
        int32_t number = 42;
        DDX_Number(false, m_plain, number);
        QCOMPARE(number, 42);
        char character = 'x';
        DDX_Char(false, m_plain, character);
        QCOMPARE(character, 'x');
        int32_t check = 5;
        DDX_Check(false, &box, check);
        QCOMPARE(check, 5);
        std::string item = "96";
        DDX_ItemText(false, m_combo, item);
        QCOMPARE(m_combo->currentText(), QString("9600"));
        QCOMPARE(item, std::string("96"));
        int32_t rate = 19;
        DDX_ItemNumber(false, m_combo, rate);
        QCOMPARE(rate, 19);
        int32_t index = 9;
        DDX_Index(false, m_combo, index);
        QCOMPARE(m_combo->currentIndex(), 0);
        QCOMPARE(index, 9);
    }

    void check()
    {
        QCheckBox box("Enabled");
        box.show();
        int32_t field = 7;
        DDX_Check(false, &box, field);
        QVERIFY(box.isChecked());
        field = 0;
        DDX_Check(true, &box, field);
        QCOMPARE(field, 1);
        QTest::mouseClick(&box, Qt::LeftButton, {}, box.rect().center());
        DDX_Check(true, &box, field);
        QCOMPARE(field, 0);
    }
};

QTEST_MAIN(TestPageHelpers)
#include "tst_pagehelpers.moc"
