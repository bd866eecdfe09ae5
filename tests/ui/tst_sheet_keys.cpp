// Access keys, through the shown window: on every page each button and the label of each main
// control has one, none is used twice on a page or clashes with the window's "&Close", and
// pressing a label's key puts the keyboard into its control.

#include "CommsPage.h"
#include "support/PageTest.h"

#include <QGroupBox>
#include <QKeySequence>
#include <QScrollArea>

namespace {

QString KeyOf(const QString &caption)
{
    return QKeySequence::mnemonic(caption).toString(QKeySequence::PortableText);
}

// What has an access key on the shown page, by key: buttons of every kind, labels that name a
// control, and group boxes.
QMultiMap<QString, QString> AccessKeys(QWidget *page, QStringList *buttonsWithout)
{
    QMultiMap<QString, QString> keys;
    for (QAbstractButton *button : page->findChildren<QAbstractButton *>()) {
        const QString key = KeyOf(button->text());
        if (key.isEmpty())
            *buttonsWithout << button->objectName();
        else
            keys.insert(key, button->objectName());
    }
    for (QLabel *label : page->findChildren<QLabel *>())
        if (label->buddy() && !KeyOf(label->text()).isEmpty())
            keys.insert(KeyOf(label->text()), label->objectName());
    for (QGroupBox *group : page->findChildren<QGroupBox *>())
        if (!KeyOf(group->title()).isEmpty())
            keys.insert(KeyOf(group->title()), group->objectName());
    return keys;
}

QWidget *PageOf(const SheetFixture &f)
{
    auto *scroller = qobject_cast<QScrollArea *>(f.Tabs()->currentWidget());
    return scroller ? scroller->widget() : nullptr;
}

} // namespace

class TestSheetKeys : public QObject {
    Q_OBJECT

    static void AddTabs()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("unnamed");  // boxes that need no key of their own
        SheetFixture f;
        for (int i = 0; i < f.Tabs()->count(); ++i) {
            const QString caption = WithoutAccessKeys(f.Tabs()->tabText(i));
            // The second and third PATH boxes follow the first, behind "," labels.
            const QStringList unnamed = caption == "Packet" ? QStringList{"path2", "path3"}
                                                            : QStringList();
            QTest::newRow(qPrintable(caption)) << caption << unnamed;
        }
    }

private slots:
    void closeHasItsKey()
    {
        SheetFixture f;
        QCOMPARE(KeyOf(f.Find<QPushButton>("closeButton")->text()), QString("Alt+C"));
    }

    // Every button has a key; no key is used twice on a page, nor is Close's.
    void keysUniqueOnEachPage_data() { AddTabs(); }
    void keysUniqueOnEachPage()
    {
        QFETCH(QString, caption);
        SheetFixture f;
        QVERIFY(f.GoTo(caption));
        QWidget *page = PageOf(f);
        QVERIFY(page);
        QStringList without;
        QMultiMap<QString, QString> keys = AccessKeys(page, &without);
        QVERIFY2(without.isEmpty(), qPrintable("no access key: " + without.join(' ')));
        keys.insert(KeyOf(f.Find<QPushButton>("closeButton")->text()), "closeButton");
        for (const QString &key : keys.uniqueKeys())
            QVERIFY2(keys.count(key) == 1,
                     qPrintable(key + " used by " + QStringList(keys.values(key)).join(' ')));
    }

    // The search field's key works from every page: no page uses it, nor Close.
    void searchKeyUniqueInTheWindow()
    {
        SheetFixture f;
        QMultiMap<QString, QString> keys{{KeyOf(f.Find<QPushButton>("closeButton")->text()), "closeButton"}};
        QStringList without;
        for (int i = 0; i < f.Tabs()->count(); ++i) {
            f.sheet->SetActivePage(i);
            keys.unite(AccessKeys(PageOf(f), &without));
        }
        const QString key = KeyOf(f.Find<QLabel>("searchLabel")->text());
        QVERIFY2(!key.isEmpty() && !keys.contains(key), qPrintable(key));
        f.sheet->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.sheet.get()));
        QTest::keySequence(f.sheet.get(), QKeySequence(key));
        QCOMPARE(QApplication::focusWidget(), f.Find("searchField"));
    }

    // Every edit box and drop-down is named by a label with a key, or stands alone in a group
    // box with one.
    void everyBoxHasAKey_data() { AddTabs(); }
    void everyBoxHasAKey()
    {
        QFETCH(QString, caption);
        QFETCH(QStringList, unnamed);
        SheetFixture f;
        QVERIFY(f.GoTo(caption));
        QWidget *page = PageOf(f);
        QSet<QWidget *> named;
        for (QLabel *label : page->findChildren<QLabel *>())
            if (label->buddy() && !KeyOf(label->text()).isEmpty())
                named.insert(label->buddy());
        for (QGroupBox *group : page->findChildren<QGroupBox *>())
            if (!KeyOf(group->title()).isEmpty())
                for (QWidget *w : group->findChildren<QWidget *>())
                    named.insert(w);
        for (QWidget *box : page->findChildren<QWidget *>()) {
            const bool isBox = qobject_cast<QComboBox *>(box)
                || (qobject_cast<QLineEdit *>(box) && !qobject_cast<QComboBox *>(box->parentWidget()));
            if (isBox && !unnamed.contains(box->objectName()))
                QVERIFY2(named.contains(box), qPrintable(box->objectName() + " has no access key"));
        }
    }

    // Alt and a label's key put the keyboard into the label's control, where the control can
    // take it.
    void labelKeysReachTheirControls_data() { AddTabs(); }
    void labelKeysReachTheirControls()
    {
        QFETCH(QString, caption);
        SheetFixture f;
        f.sheet->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.sheet.get()));
        QVERIFY(f.GoTo(caption));
        QWidget *page = PageOf(f);
        int pressed = 0;
        for (QLabel *label : page->findChildren<QLabel *>()) {
            const QKeySequence key = QKeySequence::mnemonic(label->text());
            if (!label->buddy() || key.isEmpty() || !label->buddy()->isEnabled())
                continue;
            f.Find<QPushButton>("closeButton")->setFocus();
            QTest::keySequence(f.sheet.get(), key);
            QVERIFY2(QApplication::focusWidget() == label->buddy()
                         || label->buddy()->isAncestorOf(QApplication::focusWidget()),
                     qPrintable(label->objectName()));
            ++pressed;
        }
        QVERIFY(pressed > 0 || page->objectName() == "DisplayPage");  // check boxes only
        QVERIFY(f.sheet->isVisible());
    }
};

QTEST_MAIN(TestSheetKeys)
#include "tst_sheet_keys.moc"
