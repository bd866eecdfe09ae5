// The sheet's search and its changed-from-defaults view, through the shown window: what a text
// finds, choosing an entry by keyboard and mouse, Esc, and the changed view after the model
// changed. Searching never changes a value or the bank.

#include "support/PageTest.h"

#include "SettingSearch.h"

#include <QListWidget>
#include <QStackedWidget>
#include <QToolButton>

namespace {

// The keys the shown list names, in capitals as it shows them.
QStringList ListedKeys(QListWidget *list)
{
    QStringList keys;
    for (int i = 0; i < list->count(); ++i)
        keys << list->item(i)->text().section(u" \u2014 "_qs, 2, 2);
    return keys;
}

} // namespace

class TestSheetSearch : public QObject {
    Q_OBJECT

    // Types into the field of the active window (focus moves only there).
    static void Search(SheetFixture &f, const QString &text)
    {
        f.sheet->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.sheet.get()));
        f.Find<QLineEdit>("searchField")->setFocus();
        QTest::keyClicks(f.Find<QLineEdit>("searchField"), text);
    }

private slots:
    // By key, label word, help word and value; the shown page's typed value counts. `row`: the
    // whole entry of `key`, where given.
    void finds_data()
    {
        QTest::addColumn<QString>("typed");  // typed into MYCALL on the Basic page first
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("row");
        QTest::newRow("key") << "" << "tdao" << "TDAO"
                             << u"Send Added Precision (TDAO) \u2014 Position \u2014 TDAO \u2014 0"_qs;
        QTest::newRow("key, case ignored") << "" << "TsymTable" << "TSYMTABLE" << "";
        QTest::newRow("label word") << "" << "precision" << "TDAO" << "";
        QTest::newRow("help word") << "" << "corner PEGGING" << "SBTANGLE" << "";
        QTest::newRow("page") << "" << "telem / wx" << "WPERIOD" << "";
        QTest::newRow("typed value") << "zz9tst" << "Z9T" << "MYCALL" << "";
        QTest::newRow("nothing") << "" << "no such words" << "" << "";
    }
    void finds()
    {
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(QString, key);
        QFETCH(QString, row);
        SheetFixture f;
        if (!typed.isEmpty())
            SheetFixture::Type(f.Find<QLineEdit>("mycall"), typed);
        Search(f, text);
        auto *list = f.Find<QListWidget>("searchResults");
        QVERIFY(list->isVisible());
        QVERIFY(!f.Tabs()->isVisible());
        const QStringList keys = ListedKeys(list);
        if (key.isEmpty()) {
            QCOMPARE(list->count(), 1);
            QCOMPARE(list->item(0)->flags(), Qt::NoItemFlags);
        } else {
            QVERIFY2(keys.contains(key), qPrintable(keys.join(' ')));
        }
        if (!row.isEmpty())
            QCOMPARE(list->item(int(keys.indexOf(key)))->text(), row);
        QCOMPARE(f.settings.GetBank(), 0);
        QCOMPARE(f.sheet->HasUnsavedChanges(), !typed.isEmpty());
    }

    // From the field by Enter, into the list by the arrow keys, or by a double click: the
    // setting's page comes up with its control focused and marked; nothing changed.
    void choosingShowsTheSetting_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("row");     // the entry chosen
        QTest::addColumn<QString>("how");
        QTest::newRow("Enter in the field") << "tdao" << 0 << "field";
        QTest::newRow("arrows into the list") << "symbol" << 1 << "arrows";
        QTest::newRow("double click") << "altitude" << 0 << "mouse";
    }
    void choosingShowsTheSetting()
    {
        QFETCH(QString, text);
        QFETCH(int, row);
        QFETCH(QString, how);
        SheetFixture f;
        Search(f, text);
        auto *list = f.Find<QListWidget>("searchResults");
        const QString key = ListedKeys(list).value(row).toLower();
        QVERIFY(!key.isEmpty());
        auto *field = f.Find<QLineEdit>("searchField");
        if (how == "field") {
            QTest::keyClick(field, Qt::Key_Return);
        } else if (how == "arrows") {
            QTest::keyClick(field, Qt::Key_Down);
            QVERIFY(list->hasFocus());
            for (int i = 0; i < row; ++i)
                QTest::keyClick(list, Qt::Key_Down);
            QTest::keyClick(list, Qt::Key_Enter);
        } else {
            // A widget's double click comes after a click, as the desktop sends it.
            const QPoint at = list->visualItemRect(list->item(row)).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
            QVERIFY(list->isVisible());
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        }
        QVERIFY(f.Tabs()->isVisible());
        QVERIFY(field->text().isEmpty());
        QWidget *control = f.sheet->SettingControl(key.toStdString());
        QVERIFY(f.Tabs()->currentWidget()->isAncestorOf(control));
        QVERIFY(control->hasFocus() || control->isAncestorOf(QApplication::focusWidget()));
        QVERIFY(f.Find<QWidget>("foundMarker"));
        QVERIFY(!f.sheet->HasUnsavedChanges());
        QCOMPARE(f.settings.GetBank(), 0);
    }

    // Ctrl+F reaches the field from a page; Esc there leaves the search and never the window,
    // as the toggle's own Esc does not.
    void escLeavesTheSearch()
    {
        SheetFixture f;
        f.sheet->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.sheet.get()));
        QVERIFY(f.GoTo("GPS"));
        QTest::keyClick(f.sheet.get(), Qt::Key_F, Qt::ControlModifier);
        auto *field = f.Find<QLineEdit>("searchField");
        QVERIFY(field->hasFocus());
        QTest::keyClicks(field, "path");
        auto *toggle = f.Find<QToolButton>("changedButton");
        for (QWidget *at : {static_cast<QWidget *>(field), static_cast<QWidget *>(toggle)}) {
            at->setFocus();
            QTest::keyClick(at, Qt::Key_Escape);
            QVERIFY(f.sheet->isVisible());
            QVERIFY(f.Tabs()->isVisible());
            QCOMPARE(WithoutAccessKeys(f.Tabs()->tabText(f.Tabs()->currentIndex())), QString("GPS"));
            QVERIFY(field->text().isEmpty() && !toggle->isChecked());
        }
    }

    // After the model changed (as a load changes it), the view lists exactly the current
    // bank's settings that differ from their defaults, each with both values.
    void changedViewListsBothValues()
    {
        SheetFixture f;
        f.settings.m_bank0.tdao = 1;
        f.settings.m_bank0.tstat = "on the road";
        f.settings.m_bank1.talt = 0;  // the other bank's: not listed
        SheetFixture::Click(f.Find<QToolButton>("changedButton"));
        auto *list = f.Find<QListWidget>("searchResults");
        QVERIFY(list->isVisible());
        QCOMPARE(ListedKeys(list), QStringList({"TDAO", "TSTAT"}));
        QCOMPARE(list->item(0)->text(),
                 u"Send Added Precision (TDAO) \u2014 Position \u2014 TDAO \u2014 1 (default 0)"_qs);
        QVERIFY(list->item(1)->text().endsWith(u"\u2014 on the road (default /Quillwren Rezar)"_qs));
        // The field narrows the view; the toggle off again shows the pages.
        Search(f, "precision");
        QCOMPARE(ListedKeys(list), QStringList({"TDAO"}));
        f.Find<QLineEdit>("searchField")->clear();
        SheetFixture::Click(f.Find<QToolButton>("changedButton"));
        QVERIFY(f.Tabs()->isVisible());
    }
};

QTEST_MAIN(TestSheetSearch)
#include "tst_sheet_search.moc"
