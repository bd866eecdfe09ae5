// Small and scaled screens, through the shown window: the sheet opens within the screen, its
// smallest size fits 640x512 (a 1280x1024 screen at scale 2) and 800x480, and at such a size
// every control of every page can be scrolled into view, every tab reached and Close seen.
// Run on the offscreen screen as it comes, on an 800x480 one, and at scale 2 on a 1280x1024 one.

#include "support/PageTest.h"

#include <QGroupBox>
#include <QScreen>
#include <QScrollArea>
#include <QToolButton>

namespace {

// A title bar's worth of height that the window manager takes from the screen.
constexpr int kTitleBar = 40;

// The size to try: the screen's free area less a title bar, at most 800x480.
QSize SmallSize(const QWidget *sheet)
{
    const QSize screen = sheet->screen()->availableSize() - QSize(0, kTitleBar);
    return screen.boundedTo(QSize(800, 480));
}

bool IsLeafControl(const QWidget *w)
{
    return qobject_cast<const QLabel *>(w) || qobject_cast<const QAbstractButton *>(w)
        || qobject_cast<const QComboBox *>(w) || qobject_cast<const QLineEdit *>(w);
}

} // namespace

class TestSheetFit : public QObject {
    Q_OBJECT

private slots:
    void smallestSizeFits()
    {
        SheetFixture f;
        const QSize least = f.sheet->minimumSizeHint().expandedTo(f.sheet->minimumSize());
        QVERIFY2(least.width() <= 640 - 20 && least.height() <= 512 - kTitleBar - 20,
                 qPrintable(QStringLiteral("%1x%2").arg(least.width()).arg(least.height())));
        QVERIFY(f.Tabs()->usesScrollButtons());
    }

    // However small the screen, the window opens on it whole.
    void opensWithinTheScreen()
    {
        SheetFixture f;
        const QRect screen = f.sheet->screen()->availableGeometry();
        QVERIFY2(f.sheet->width() <= screen.width() && f.sheet->height() <= screen.height(),
                 qPrintable(QStringLiteral("%1x%2 on %3x%4").arg(f.sheet->width())
                                .arg(f.sheet->height()).arg(screen.width()).arg(screen.height())));
    }

    // Every control of the page comes into view when scrolled to, and Close stays in sight.
    void everyControlReachable_data()
    {
        QTest::addColumn<QString>("caption");
        SheetFixture f;
        for (int i = 0; i < f.Tabs()->count(); ++i)
            QTest::newRow(qPrintable(WithoutAccessKeys(f.Tabs()->tabText(i))))
                << WithoutAccessKeys(f.Tabs()->tabText(i));
    }
    void everyControlReachable()
    {
        QFETCH(QString, caption);
        SheetFixture f;
        const QSize small = SmallSize(f.sheet.get());
        f.sheet->resize(small);
        QCOMPARE(f.sheet->size(), small);
        QVERIFY(f.GoTo(caption));
        QCoreApplication::processEvents();
        QVERIFY(f.Shot(QStringLiteral("small-%1").arg(caption.toLower().remove(' ').replace('/', '-'))));

        auto *close = f.Find<QPushButton>("closeButton");
        QVERIFY(f.sheet->rect().contains(QRect(close->mapTo(f.sheet.get(), QPoint()), close->size())));

        auto *scroller = qobject_cast<QScrollArea *>(f.Tabs()->currentWidget());
        QVERIFY(scroller);
        QWidget *viewport = scroller->viewport();
        int checked = 0;
        for (QWidget *w : scroller->widget()->findChildren<QWidget *>()) {
            if (!w->isVisibleTo(scroller->widget()) || !IsLeafControl(w)
                || qobject_cast<QComboBox *>(w->parentWidget()))
                continue;
            scroller->ensureWidgetVisible(w, 0, 0);
            QCoreApplication::processEvents();
            const QRect in(w->mapTo(viewport, QPoint()), w->size());
            // Whole, or as much of it as the viewport can hold, from its start.
            const QRect need(in.topLeft(), in.size().boundedTo(viewport->size()));
            QVERIFY2(viewport->rect().contains(need),
                     qPrintable(QStringLiteral("%1 at %2,%3 %4x%5, viewport %6x%7")
                                    .arg(w->objectName()).arg(in.x()).arg(in.y()).arg(in.width())
                                    .arg(in.height()).arg(viewport->width()).arg(viewport->height())));
            ++checked;
        }
        QVERIFY(checked > 0);
    }

    // At that size the search stays in sight, its results in the tabs' room.
    void searchFits()
    {
        SheetFixture f;
        f.sheet->resize(SmallSize(f.sheet.get()));
        QTest::keyClicks(f.Find<QLineEdit>("searchField"), "period");
        QVERIFY(f.Shot("small-search"));
        for (const char *name : {"searchField", "changedButton", "searchResults"}) {
            QWidget *w = f.Find<QWidget>(name);
            QVERIFY2(w->isVisible() && f.sheet->rect().contains(QRect(w->mapTo(f.sheet.get(), QPoint()), w->size())), name);
        }
    }

    // At that size the tab bar scrolls: its arrows bring the last tab into view, and a click
    // shows it.
    void everyTabReachable()
    {
        SheetFixture f;
        f.sheet->resize(SmallSize(f.sheet.get()));
        QCoreApplication::processEvents();
        QTabBar *bar = f.Tabs()->tabBar();
        const int last = bar->count() - 1;
        QToolButton *right = nullptr;
        for (QToolButton *arrow : bar->findChildren<QToolButton *>())
            if (arrow->isVisible() && arrow->arrowType() == Qt::RightArrow)
                right = arrow;
        for (int i = 0; right && i < bar->count() && !bar->rect().contains(bar->tabRect(last)); ++i)
            QTest::mouseClick(right, Qt::LeftButton);
        const QRect tab = bar->tabRect(last);
        QVERIFY(bar->rect().intersects(tab));
        QTest::mouseClick(bar, Qt::LeftButton, {}, tab.intersected(bar->rect()).center());
        QCOMPARE(f.Tabs()->currentIndex(), last);
    }
};

QTEST_MAIN(TestSheetFit)
#include "tst_sheet_fit.moc"
