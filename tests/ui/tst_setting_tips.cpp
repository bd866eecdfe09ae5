// Help on every bound control (tool tip, accessible name and description), the marker on a
// control that differs from its default, and "Reset to default" from its context menu.

#include "support/SheetFixture.h"

#include "PropertyPage.h"
#include "SettingHelp.h"

#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QTextDocument>
#include <QToolTip>

#include <set>

namespace {

CPropertyPage *ShownPage(const SheetFixture &f)
{
    auto *scroller = qobject_cast<QScrollArea *>(f.Tabs()->currentWidget());
    return scroller ? qobject_cast<CPropertyPage *>(scroller->widget()) : nullptr;
}

QString PlainOf(const QString &toolTip)
{
    QTextDocument document;
    document.setHtml(toolTip);
    return document.toPlainText();
}

// What shows the marker: the control's first label, else the control itself.
QWidget *MarkerOf(QWidget *page, QWidget *control)
{
    for (QLabel *label : page->findChildren<QLabel *>())
        if (label->buddy() == control)
            return label;
    return control;
}

// Opens the control's context menu as the user does (right click, or the keyboard's menu key)
// and returns the menu shown.
QMenu *OpenMenu(QWidget *control, bool keyboard)
{
    if (keyboard) {
        // The desktop turns the menu key into this event on the window, which hands it to the
        // focused control.
        control->activateWindow();
        if (!QTest::qWaitForWindowActive(control->window()))
            return nullptr;
        control->setFocus();
        QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(), QPoint());
        QApplication::sendEvent(control->window()->windowHandle(), &key);
    } else {
        if (auto *combo = qobject_cast<QComboBox *>(control); combo && combo->lineEdit())
            control = combo->lineEdit();
        QContextMenuEvent click(QContextMenuEvent::Mouse, control->rect().center(),
                                control->mapToGlobal(control->rect().center()));
        QApplication::sendEvent(control, &click);
    }
    return qobject_cast<QMenu *>(QApplication::activePopupWidget());
}

QAction *ResetAction(QMenu *menu)
{
    return menu ? menu->findChild<QAction *>("resetToDefault") : nullptr;
}

} // namespace

class TestSettingTips : public QObject {
    Q_OBJECT

private slots:
    void init() { QToolTip::hideText(); }

    // One pass over the ten pages: every bound control is helped, and every setting is.
    void everyBoundControl()
    {
        SheetFixture f;
        std::set<std::string> keysTipped;
        for (int tab = 0; tab < f.Tabs()->count(); ++tab) {
            f.Tabs()->setCurrentIndex(tab);
            CPropertyPage *page = ShownPage(f);
            QVERIFY(page);
            for (QWidget *control : page->BoundControls()) {
                const QString what = page->Caption() + "/" + control->objectName();
                QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(what));
                const QString tip = control->accessibleDescription();
                QCOMPARE(PlainOf(control->toolTip()), tip);
                const QStringList lines = tip.split('\n');
                QVERIFY2(lines.size() >= 2 && !lines.front().isEmpty(), qPrintable(what));
                QVERIFY2(lines.at(1).startsWith(control->objectName().toUpper() + " · default "),
                         qPrintable(what + ": " + tip));
                for (const QString &line : lines.mid(1))
                    keysTipped.insert(line.section(' ', 0, 0).toLower().toStdString());
            }
        }
        // The TimeStamp list tells of TIMEHMS too; nothing is left without a tip.
        QCOMPARE(keysTipped.size(), size_t(kSettingCount));
    }

    void tipText_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("keyLines");
        QTest::newRow("unit") << "Position Timing" << "pperiod" << "Position Report Period (PPERIOD)"
                              << QStringList{"PPERIOD · default 0 · sec"};
        QTest::newRow("on Basic too") << "Basic" << "pperiod" << "Send position every"
                                      << QStringList{"PPERIOD · default 0 · sec"};
        QTest::newRow("two keys") << "Position" << "timestamp" << "TimeStamp"
                                  << QStringList{"TIMESTAMP · default TRUE", "TIMEHMS · default TRUE"};
        QTest::newRow("text default") << "Basic" << "mycall" << "Callsign"
                                      << QStringList{"MYCALL · default NOCALL"};
        QTest::newRow("check box") << "Basic" << "sben" << "Use SmartBeaconing instead"
                                   << QStringList{"SBEN · default FALSE"};
    }
    void tipText()
    {
        QFETCH(QString, page);
        QFETCH(QString, key);
        QFETCH(QString, name);
        QFETCH(QStringList, keyLines);
        SheetFixture f;
        QVERIFY(f.GoTo(page));
        auto *control = f.Find(key);
        QVERIFY(control);
        const QStringList lines = control->accessibleDescription().split('\n');
        QCOMPARE(lines.front(), SettingHelpText(FindSettingHelp(key.toStdString())->help));
        QCOMPARE(lines.mid(1), keyLines);
        QVERIFY2(control->accessibleName().startsWith(name), qPrintable(control->accessibleName()));
    }

    // Markup in a tip's words shows as typed.
    void tipIsPlainText()
    {
        const QString typed = "a <b>bold</b> & <i>x</i>\n  two  blanks";
        QCOMPARE(PlainOf(PlainTextToolTip(typed)), typed);
    }

    // A change (loaded, typed, clicked or picked) marks the control; "Reset to default" from its
    // menu puts the default back as the user would, and the page's rule follows it.
    void markAndReset_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("how");      // load, type, click or pick (an item index)
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("keyboard");    // the menu opened with the menu key
        QTest::addColumn<QString>("ruled");    // a control the page enables by this one
        QTest::addColumn<bool>("ruledAtDefault");
        QTest::newRow("check box clicked") << "Position Timing" << "sben" << "click" << ""
                                           << false << "pperiod" << true;
        QTest::newRow("period typed") << "Bank / Telem / WX" << "tperiod" << "type" << "60"
                                      << true << "telhires" << false;
        QTest::newRow("list picked") << "Position" << "tprotocol" << "pick" << "2"
                                     << false << "mmsg" << true;
        QTest::newRow("loaded") << "Position" << "statusrate" << "load" << "0"
                                << false << "tstat" << true;
        QTest::newRow("editable list") << "Ports" << "abaud" << "pick" << "0"
                                       << true << "" << true;
        QTest::newRow("callsign on Basic") << "Basic" << "mycall" << "type" << "N0CALL-9"
                                           << false << "" << true;
    }
    void markAndReset()
    {
        QFETCH(QString, page);
        QFETCH(QString, key);
        QFETCH(QString, how);
        QFETCH(QString, value);
        QFETCH(bool, keyboard);
        QFETCH(QString, ruled);
        QFETCH(bool, ruledAtDefault);
        SheetFixture f;
        const CBank defaults;
        const Setting *setting = CSettings::FindSetting(key.toStdString());
        if (how == "load")
            setting->Integer(f.settings.CurrentValues()) = value.toInt();
        QVERIFY(f.GoTo(page));
        CPropertyPage *shown = ShownPage(f);
        auto *control = f.Find(key);
        QVERIFY(control);
        QWidget *marker = MarkerOf(shown, control);
        QCOMPARE(marker->font().bold(), how == "load");

        // At its default, the menu offers the reset but cannot do it.
        if (how != "load") {
            QMenu *menu = OpenMenu(control, keyboard);
            QVERIFY(ResetAction(menu));
            QVERIFY(!ResetAction(menu)->isEnabled());
            menu->close();
        }
        if (how == "type")
            SheetFixture::Type(qobject_cast<QLineEdit *>(control), value);
        else if (how == "click")
            SheetFixture::Click(qobject_cast<QAbstractButton *>(control));
        else if (how == "pick")
            SheetFixture::Pick(qobject_cast<QComboBox *>(control), value.toInt());
        QVERIFY(shown->DiffersFromDefault(control));
        QVERIFY(marker->font().bold());
        QWidget *rule = ruled.isEmpty() ? nullptr : f.Find(ruled);
        if (rule)
            QCOMPARE(rule->isEnabled(), !ruledAtDefault);

        QMenu *menu = OpenMenu(control, keyboard);
        QAction *reset = ResetAction(menu);
        QVERIFY(reset);
        QVERIFY(reset->isEnabled());
        // An edit box keeps its own entries beside ours.
        if (qobject_cast<QLineEdit *>(control))
            QVERIFY(menu->actions().size() > 2);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(reset).center());
        QVERIFY(!shown->DiffersFromDefault(control));
        QVERIFY(!marker->font().bold());
        if (rule)
            QCOMPARE(rule->isEnabled(), ruledAtDefault);
        // The model takes the default only when the page is left, as with typing.
        if (how == "load")
            QCOMPARE(setting->ValueText(f.settings.CurrentValues()), value.toStdString());
        QVERIFY(f.GoTo("Comms"));
        QCOMPARE(setting->ValueText(f.settings.CurrentValues()), setting->ValueText(defaults));
    }

    // A tip shown over a page with markers, for a look by eye, fits the screen and shows its
    // words.
    void tipShown()
    {
        SheetFixture f;
        CBank &bank = f.settings.CurrentValues();
        bank.tprotocol = "APRS Text";
        bank.msgcap = 1;
        bank.tstat = "/on the road";
        QVERIFY(f.GoTo("Position"));
        // The bold labels take their room.
        QCoreApplication::processEvents();
        auto *control = f.Find("tstat");
        QVERIFY(control);
        QToolTip::showText(control->mapToGlobal(control->rect().center()), control->toolTip(),
                           control);
        QLabel *tip = nullptr;
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (widget->inherits("QTipLabel") && widget->isVisible())
                tip = qobject_cast<QLabel *>(widget);
        QVERIFY(tip);
        QVERIFY(PlainOf(tip->text()).endsWith("\nTSTAT · default /Quillwren Rezar"));
        const QRect screen = f.sheet->screen()->availableGeometry();
        QVERIFY2(screen.contains(tip->geometry()),
                 qPrintable(QStringLiteral("%1x%2").arg(tip->width()).arg(tip->height())));

        const QRect window = f.sheet->frameGeometry();
        const QRect whole = window.united(tip->geometry());
        QPixmap shot(whole.size());
        shot.fill(Qt::darkGray);
        {
            QPainter painter(&shot);
            painter.drawPixmap(f.sheet->geometry().topLeft() - whole.topLeft(), f.sheet->grab());
            painter.drawPixmap(tip->pos() - whole.topLeft(), tip->grab());
        }
        const QString dir = qEnvironmentVariable("REZAR_SHOTS_DIR");
        if (!dir.isEmpty()) {
            const QSize size = screen.size();
            QVERIFY(QDir().mkpath(dir));
            QVERIFY(shot.save(QDir(dir).filePath(
                QStringLiteral("tip-%1x%2.png").arg(size.width()).arg(size.height()))));
        }
        QToolTip::hideText();
    }
};

QTEST_MAIN(TestSettingTips)
#include "tst_setting_tips.moc"
