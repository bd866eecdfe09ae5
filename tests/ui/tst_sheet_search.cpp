// The sheet's search and its changed-from-defaults view, through the shown window. Searching
// never changes a value or the bank.

#include "support/PageTest.h"

#include <QListWidget>
#include <QToolButton>

class TestSheetSearch : public QObject {
    Q_OBJECT

    // Types into the field of the active window; the list, with the keys of its entries.
    static QListWidget *Search(SheetFixture &f, const QString &text, QStringList *keys)
    {
        f.sheet->activateWindow();
        if (!QTest::qWaitForWindowActive(f.sheet.get()))
            return nullptr;
        f.Find<QLineEdit>("searchField")->setFocus();
        QTest::keyClicks(f.Find<QLineEdit>("searchField"), text);
        auto *list = f.Find<QListWidget>("searchResults");
        for (int i = 0; i < list->count(); ++i)
            *keys << list->item(i)->text().section(u" \u2014 "_qs, 2, 2);
        return list;
    }

private slots:
    // What a text finds, in the entry `row` (the value typed on the shown page counts), and
    // choosing that entry: its page comes up with its control focused and marked.
    void findsAndShows_data()
    {
        QTest::addColumn<QString>("typed");  // into MYCALL on the Basic page first
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("key");    // none: nothing found
        QTest::addColumn<QString>("how");    // none: only listed
        QTest::newRow("key, Enter in the field") << "" << "tdao" << 0 << "TDAO" << "Enter";
        QTest::newRow("label word, arrow keys") << "" << "symbol" << 1 << "TSYMTABLE" << "arrows";
        QTest::newRow("help word") << "" << "corner PEGGING" << 0 << "SBTANGLE" << "";
        QTest::newRow("label word, double click") << "" << "altitude" << 0 << "TALT" << "mouse";
        QTest::newRow("typed value") << "zz9tst" << "Z9T" << 0 << "MYCALL" << "";
        QTest::newRow("nothing") << "" << "no such words" << 0 << "" << "";
    }
    void findsAndShows()
    {
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(int, row);
        QFETCH(QString, key);
        QFETCH(QString, how);
        SheetFixture f;
        if (!typed.isEmpty())
            SheetFixture::Type(f.Find<QLineEdit>("mycall"), typed);
        QStringList keys;
        QListWidget *list = Search(f, text, &keys);
        QVERIFY(list && list->isVisible() && !f.Tabs()->isVisible());
        QCOMPARE(keys.value(row), key);
        QCOMPARE(list->item(row)->flags() == Qt::NoItemFlags, key.isEmpty());
        if (how == "Enter") {
            QTest::keyClick(f.Find<QLineEdit>("searchField"), Qt::Key_Return);
        } else if (how == "arrows") {
            QTest::keyClick(f.Find<QLineEdit>("searchField"), Qt::Key_Down);
            for (int i = 0; i < row; ++i)
                QTest::keyClick(list, Qt::Key_Down);
            QTest::keyClick(list, Qt::Key_Enter);
        } else if (how == "mouse") {
            // A double click comes after a click, which alone chooses nothing.
            const QPoint at = list->visualItemRect(list->item(row)).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
            QVERIFY(list->isVisible());
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        }
        if (!how.isEmpty()) {
            QWidget *control = f.sheet->SettingControl(key.toLower().toStdString());
            QVERIFY(f.Tabs()->isVisible() && f.Tabs()->currentWidget()->isAncestorOf(control));
            QVERIFY(control->hasFocus() || control->isAncestorOf(QApplication::focusWidget()));
            QVERIFY(f.Find<QWidget>("foundMarker"));
            QVERIFY(f.Find<QLineEdit>("searchField")->text().isEmpty());
        }
        QCOMPARE(f.sheet->HasUnsavedChanges(), !typed.isEmpty());
        QCOMPARE(f.settings.GetBank(), 0);
    }

    // Ctrl+F reaches the field from a page; Esc there, or on the toggle, leaves the search and
    // never the window.
    void escLeavesTheSearch()
    {
        SheetFixture f;
        QVERIFY(f.GoTo("GPS"));
        QStringList keys;
        QVERIFY(Search(f, "path", &keys));
        auto *field = f.Find<QLineEdit>("searchField");
        auto *toggle = f.Find<QToolButton>("changedButton");
        for (QWidget *at : {static_cast<QWidget *>(field), static_cast<QWidget *>(toggle)}) {
            QTest::keyClick(f.sheet.get(), Qt::Key_F, Qt::ControlModifier);
            QVERIFY(field->hasFocus());
            QTest::keyClicks(field, "x");
            at->setFocus();
            QTest::keyClick(at, Qt::Key_Escape);
            QVERIFY(f.sheet->isVisible() && f.Tabs()->isVisible());
            QCOMPARE(f.Tabs()->tabText(f.Tabs()->currentIndex()), QString("GPS"));
            QVERIFY(field->text().isEmpty() && !toggle->isChecked());
        }
    }

    // After the model changed (as a load changes it), the view lists the current bank's
    // settings that differ from their defaults, each with both values; the field narrows it.
    void changedViewListsBothValues()
    {
        SheetFixture f;
        f.settings.m_bank0.tdao = 1;
        f.settings.m_bank0.tstat = "on the road";
        f.settings.m_bank1.talt = 0;  // the other bank's: not listed
        SheetFixture::Click(f.Find<QToolButton>("changedButton"));
        auto *list = f.Find<QListWidget>("searchResults");
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(0)->text(),
                 u"Send Added Precision (TDAO) \u2014 Position \u2014 TDAO \u2014 1 (default 0)"_qs);
        QVERIFY(list->item(1)->text().endsWith(u"\u2014 TSTAT \u2014 on the road (default /Quillwren Rezar)"_qs));
        QStringList keys;
        Search(f, "road", &keys);
        QCOMPARE(keys, QStringList("TSTAT"));
        f.Find<QLineEdit>("searchField")->clear();
        SheetFixture::Click(f.Find<QToolButton>("changedButton"));
        QVERIFY(f.Tabs()->isVisible());
    }
};

QTEST_MAIN(TestSheetSearch)
#include "tst_sheet_search.moc"
