// The look of the main sheet at its opening size on a desktop screen, on every tab: all ten
// captions visible without scrolling, every page fitting the window without scroll bars, no
// control cut off or overlapping another. With REZAR_SHOTS_DIR set, each tab is also saved
// there as a picture for a look by eye.

#include "support/SheetFixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QToolButton>
#include <QtTest>

namespace {

// The controls a user reads or works: text, buttons, boxes. Containers are left out.
bool IsLeafControl(const QWidget *w)
{
    return qobject_cast<const QLabel *>(w) || qobject_cast<const QAbstractButton *>(w)
        || qobject_cast<const QComboBox *>(w) || qobject_cast<const QLineEdit *>(w);
}

QRect RectIn(const QWidget *w, const QWidget *ancestor)
{
    return QRect(w->mapTo(ancestor, QPoint(0, 0)), w->size());
}

QString Name(const QWidget *w)
{
    return w->objectName().isEmpty() ? QString(w->metaObject()->className()) : w->objectName();
}

} // namespace

class TestSheetLook : public QObject {
    Q_OBJECT

private slots:
    void allCaptionsVisible()
    {
        SheetFixture f;
        // The whole window fits a small laptop screen.
        QVERIFY2(f.sheet->width() <= 1024 && f.sheet->height() <= 700,
                 qPrintable(QStringLiteral("%1x%2").arg(f.sheet->width()).arg(f.sheet->height())));
        QTabBar *bar = f.Tabs()->tabBar();
        for (QToolButton *arrow : bar->findChildren<QToolButton *>())
            QVERIFY2(!arrow->isVisible(), "the tab bar scrolls");
        for (int i = 0; i < bar->count(); ++i) {
            const QRect tab = bar->tabRect(i);
            QVERIFY2(bar->rect().contains(tab), qPrintable(bar->tabText(i)));
            QVERIFY(RectIn(bar, f.sheet.get()).right() < f.sheet->width());
            const int text = bar->fontMetrics().horizontalAdvance(bar->tabText(i));
            QVERIFY2(tab.width() > text, qPrintable(bar->tabText(i)));
        }
    }

    void everyTab_data()
    {
        QTest::addColumn<int>("index");
        SheetFixture f;
        for (int i = 0; i < f.Tabs()->count(); ++i)
            QTest::newRow(qPrintable(f.Tabs()->tabText(i))) << i;
    }
    void everyTab()
    {
        QFETCH(int, index);
        SheetFixture f;
        const QSize opening = f.sheet->size();
        const QString caption = f.Tabs()->tabText(index);
        QVERIFY(f.GoTo(caption));
        // The page stands in a scroll area that, at this size, has nothing to scroll.
        auto *scroller = qobject_cast<QScrollArea *>(f.Tabs()->currentWidget());
        QVERIFY(scroller);
        QWidget *page = scroller->widget();
        QVERIFY(page);
        QCoreApplication::processEvents();
        QVERIFY2(!scroller->horizontalScrollBar()->isVisible(), qPrintable(caption));
        QVERIFY2(!scroller->verticalScrollBar()->isVisible(), qPrintable(caption));
        QCOMPARE(page->size(), scroller->viewport()->size());

        QVERIFY(f.Shot(QStringLiteral("%1-%2").arg(index + 1, 2, 10, QChar('0'))
                           .arg(caption.toLower().remove(' ').replace('/', '-'))));

        QCOMPARE(f.sheet->size(), opening);
        const QSize need = page->minimumSizeHint();
        QVERIFY2(need.width() <= page->width() && need.height() <= page->height(),
                 qPrintable(QStringLiteral("%1 needs %2x%3, has %4x%5").arg(caption)
                                .arg(need.width()).arg(need.height())
                                .arg(page->width()).arg(page->height())));

        QList<QWidget *> controls;
        for (QWidget *w : page->findChildren<QWidget *>())
            if (w->isVisibleTo(page) && IsLeafControl(w) && !qobject_cast<QGroupBox *>(w)
                && !qobject_cast<QComboBox *>(w->parentWidget()))
                controls << w;
        for (QWidget *w : controls) {
            const QRect r = RectIn(w, page);
            QVERIFY2(page->rect().contains(r), qPrintable(Name(w) + " sticks out"));
            // Text that does not wrap must fit whole (the status lines shorten their text).
            auto *label = qobject_cast<QLabel *>(w);
            const bool wraps = label && label->wordWrap();
            const bool shortens = w->sizePolicy().horizontalPolicy() == QSizePolicy::Ignored;
            if (!wraps && !shortens)
                QVERIFY2(w->width() >= w->minimumSizeHint().width(),
                         qPrintable(Name(w) + " is cut off"));
            if (wraps)
                QVERIFY2(w->height() >= label->heightForWidth(w->width()),
                         qPrintable(Name(w) + " is cut off at the bottom"));
            QVERIFY2(w->height() >= w->minimumSizeHint().height(),
                     qPrintable(Name(w) + " is too low"));
        }
        for (int i = 0; i < controls.size(); ++i)
            for (int j = i + 1; j < controls.size(); ++j) {
                const QRect a = RectIn(controls[i], page), b = RectIn(controls[j], page);
                QVERIFY2(!a.intersects(b), qPrintable(Name(controls[i]) + " overlaps "
                                                      + Name(controls[j])));
            }
    }

    // The search's results in the tabs' place, pictured; the button row keeps every word whole.
    void searchResults()
    {
        SheetFixture f;
        QTest::keyClicks(f.Find<QLineEdit>("searchField"), "beacon");
        QVERIFY(f.Find<QWidget>("searchResults")->isVisible() && f.Shot("search"));
        for (const char *name : {"searchLabel", "searchField", "changedButton"})
            QVERIFY2(f.Find<QWidget>(name)->width() >= f.Find<QWidget>(name)->minimumSizeHint().width(), name);
    }
};

QTEST_MAIN(TestSheetLook)
#include "tst_sheet_look.moc"
