#pragma once

// A shown main sheet for widget tests, driven with real events: tabs are changed by clicking
// the tab bar, as a user would.

#include "Settings.h"
#include "Sheet.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

#include <memory>

class SheetFixture {
public:
    // Fresh model (defaults, bank 0) and a new shown sheet on the "Basic" tab.
    SheetFixture()
    {
        g_settings = CSettings();
        sheet = std::make_unique<CSheet>();
        sheet->show();
    }
    ~SheetFixture()
    {
        if (sheet->isVisible())
            sheet->accept();
    }

    QTabWidget *Tabs() const { return sheet->Tabs(); }

    // Clicks the tab with this caption; returns false when there is none.
    bool GoTo(const QString &caption)
    {
        QTabBar *bar = Tabs()->tabBar();
        for (int i = 0; i < bar->count(); ++i) {
            if (bar->tabText(i) == caption) {
                QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(i).center());
                return Tabs()->currentIndex() == i;
            }
        }
        return false;
    }

    // A control by object name (the setting's key for bound controls): on the shown tab, or
    // else one of the sheet's own outside the tabs (bank label, close button). Settings shown
    // on two tabs ("mycall", "pperiod", "sben") have a control on each; a hidden tab's is never
    // taken for the shown one's.
    template <class T = QWidget> T *Find(const QString &name) const
    {
        QWidget *page = Tabs()->currentWidget();
        T *found = page ? page->findChild<T *>(name) : nullptr;
        const QList<T *> all = found ? QList<T *>() : sheet->findChildren<T *>(name);
        for (auto it = all.begin(); !found && it != all.end(); ++it)
            if (!Tabs()->isAncestorOf(*it))
                found = *it;
        if (!found)
            qWarning("no control named %s on the shown tab or the sheet", qPrintable(name));
        return found;
    }

    // The sheet's page of that class (the test includes its header).
    template <class P> P *Page() const { return sheet->findChild<P *>(); }

    // Renders the sheet; when REZAR_SHOTS_DIR names a folder, saves the picture there as
    // <name>.png for a look by eye. Returns false when the rendering or the saving failed.
    bool Shot(const QString &name) const
    {
        const QPixmap shot = sheet->grab();
        if (shot.isNull())
            return false;
        const QString dir = qEnvironmentVariable("REZAR_SHOTS_DIR");
        if (dir.isEmpty())
            return true;
        return QDir().mkpath(dir) && shot.save(QDir(dir).filePath(name + ".png"));
    }

    // Replaces an edit box's text as a user would: select all, type.
    static void Type(QLineEdit *edit, const QString &text)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }

    // Clicks where a user would: a check box or radio button on its mark and caption (a box
    // stretched by its layout does not react to the empty rest of its row), any other button in
    // its middle.
    static void Click(QAbstractButton *button)
    {
        QPoint at = button->rect().center();
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        if (qobject_cast<QCheckBox *>(button))
            at = button->style()->subElementRect(QStyle::SE_CheckBoxClickRect, &option, button).center();
        else if (qobject_cast<QRadioButton *>(button))
            at = button->style()->subElementRect(QStyle::SE_RadioButtonClickRect, &option, button).center();
        QTest::mouseClick(button, Qt::LeftButton, {}, at);
    }

    // Picks a drop-down item with the arrow keys, as a user would (the page sees the same
    // signals as from a mouse pick).
    static void Pick(QComboBox *combo, int index)
    {
        combo->setFocus();
        for (int i = 0; i < combo->count(); ++i)
            QTest::keyClick(combo, Qt::Key_Up);
        for (int i = 0; i < index; ++i)
            QTest::keyClick(combo, Qt::Key_Down);
    }

    std::unique_ptr<CSheet> sheet;
};
