#pragma once

// A shown main sheet for widget tests, driven with real events: tabs are changed by clicking
// the tab bar, as a user would.

#include "Settings.h"
#include "Sheet.h"
#include "Translations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

// A caption as the user reads it: access-key marks ('&') taken out, "&&" shown as '&'.
inline QString WithoutAccessKeys(const QString &caption)
{
    QString plain;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;
        plain += caption[i];
    }
    return plain;
}

// What the window remembers between runs lives in a folder of the test's own, never the
// user's, for the whole test program.
inline QString TestSettingsFolder()
{
    static QTemporaryDir folder;
    static const bool redirected = [] {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
        return true;
    }();
    Q_UNUSED(redirected);
    return folder.path();
}

// The window's own store of what it remembers (the same names the program uses).
inline std::unique_ptr<QSettings> RememberedStore()
{
    TestSettingsFolder();
    return std::make_unique<QSettings>("Quillwren", "rezar-config");
}

// Watches for the next question the window asks (a modal message box) and answers it from
// inside the question's own event loop: "<Enter>" and "<Esc>" press those keys, anything else
// clicks the button with that caption. Records what was asked. Several watchers answer
// successive questions in the order they were made; destroyed unanswered, one stops watching.
class NextQuestion {
public:
    explicit NextQuestion(const QString &answer)
    {
        m_timer.setSingleShot(true);
        m_timer.setInterval(0);
        QObject::connect(&m_timer, &QTimer::timeout, [this, answer] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || box->property("answered").toBool()) {
                // Not asked yet (or an earlier watcher's): look again on the next pass.
                if (++m_polls < kMaxPolls)
                    m_timer.start();
                return;
            }
            box->setProperty("answered", true);
            asked = box->objectName();
            text = box->text();
            details = box->informativeText();
            if (box->defaultButton())
                defaultButton = WithoutAccessKeys(box->defaultButton()->text());
            for (QAbstractButton *button : box->buttons())
                buttons << WithoutAccessKeys(button->text());
            buttons.sort();
            if (answer == "<Enter>") {
                QTest::keyClick(box, Qt::Key_Return);
            } else if (answer == "<Esc>") {
                QTest::keyClick(box, Qt::Key_Escape);
            } else {
                for (QAbstractButton *button : box->buttons())
                    if (WithoutAccessKeys(button->text()) == answer) {
                        QTest::mouseClick(button, Qt::LeftButton);
                        return;
                    }
                // An answer it does not offer: leave without deciding anything.
                QTest::keyClick(box, Qt::Key_Escape);
            }
        });
        m_timer.start();
    }

    QString asked;          // the box's object name; empty while nothing was asked
    QString text;
    QString details;
    QString defaultButton;  // caption without '&'
    QStringList buttons;    // captions without '&', sorted (the order shown is the desktop's)

private:
    static constexpr int kMaxPolls = 100000;
    QTimer m_timer;
    int m_polls = 0;
};

class SheetFixture {
public:
    // Whether the sheet starts as on a first run (nothing remembered: the "Basic" tab, the
    // opening size) or with what an earlier sheet of the test remembered.
    enum class Remembered { Forget, Keep };

    // Fresh model (defaults, bank 0) and a new shown sheet editing it, on the "Basic" tab unless
    // told to keep what an earlier one remembered.
    explicit SheetFixture(Remembered remembered = Remembered::Forget, const CommsOptions &comms = CommsOptions())
    {
        // In the locale's language, as the program's start code does (the suites run in
        // English, and again in German where the words matter).
        static const QString language = InstallTranslations();
        Q_UNUSED(language);
        if (remembered == Remembered::Forget)
            RememberedStore()->clear();
        sheet = std::make_unique<CSheet>(settings, comms);
        // Writes go ahead unasked: the summary before a write has suites of its own, which
        // put the page's question back.
        sheet->findChild<CCommsPage *>()->m_fnConfirmWrite = [](const QString &, const auto &, bool *) {
            return true;
        };
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
            if (WithoutAccessKeys(bar->tabText(i)) == caption) {
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

    // Pastes text into an edit box through the clipboard and Ctrl+V, as a user would, over
    // the box's whole text.
    static void Paste(QLineEdit *edit, const QString &text)
    {
        QGuiApplication::clipboard()->setText(text);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
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

public:
    // The model the sheet edits; a test prepares and checks the banks here.
    CSettings settings;
    std::unique_ptr<CSheet> sheet;
};
