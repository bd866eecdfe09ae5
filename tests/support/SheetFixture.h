#pragma once

// A shown main sheet for widget tests, driven with real events: tabs are changed by clicking
// the tab bar, as a user would.

#include "settings/Settings.h"
#include "ui/App.h"
#include "ui/Sheet.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
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
        g_theApp.m_pSheet = sheet.get();
        sheet->show();
    }
    ~SheetFixture()
    {
        if (sheet->isVisible())
            sheet->accept();
        g_theApp.m_pSheet = nullptr;
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

    // A control of the shown sheet by object name (the setting's key for bound controls).
    template <class T = QWidget> T *Find(const QString &name) const
    {
        T *found = sheet->findChild<T *>(name);
        if (!found)
            qWarning("no control named %s", qPrintable(name));
        return found;
    }

    // Replaces an edit box's text as a user would: select all, type.
    static void Type(QLineEdit *edit, const QString &text)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }

    static void Click(QAbstractButton *button)
    {
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
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
