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
    return qobject_cast<CPropertyPage *>(qobject_cast<QScrollArea *>(f.Tabs()->currentWidget())->widget());
}

QString PlainOf(const QString &toolTip)
{
    QTextDocument document;
    document.setHtml(toolTip);
    return document.toPlainText();
}

// The control's first label, else the control itself.
QWidget *MarkerOf(QWidget *page, QWidget *control)
{
    for (QLabel *label : page->findChildren<QLabel *>())
        if (label->buddy() == control)
            return label;
    return control;
}

// Opens the menu as the user does: a right click, or the menu key, which the desktop turns
// into a keyboard event on the window for the focused control. Returns our entry in it.
QAction *OpenMenu(QWidget *control, bool keyboard)
{
    auto *combo = qobject_cast<QComboBox *>(control);
    QWidget *target = combo && combo->lineEdit() ? combo->lineEdit() : control;
    QContextMenuEvent click(QContextMenuEvent::Mouse, target->rect().center(),
                            target->mapToGlobal(target->rect().center()));
    QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(), QPoint());
    control->activateWindow();
    if (keyboard && !QTest::qWaitForWindowActive(control->window()))
        return nullptr;
    control->setFocus();
    if (keyboard)
        QApplication::sendEvent(control->window()->windowHandle(), &key);
    else
        QApplication::sendEvent(target, &click);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    return menu ? menu->findChild<QAction *>("resetToDefault") : nullptr;
}

} // namespace

class TestSettingTips : public QObject {
    Q_OBJECT

private slots:
    // One pass over the ten pages: every bound control is helped, and every setting is; some
    // in full (page/key: name, then the lines after the help).
    void everyBoundControl()
    {
        const QMap<QString, QString> full{
            {"Position Timing/pperiod", "Position Report Period (PPERIOD)\nPPERIOD · default 0 · sec"},
            {"Basic/pperiod", "Send position every\nPPERIOD · default 0 · sec"},
            {"Position/timestamp", "TimeStamp\nTIMESTAMP · default TRUE\nTIMEHMS · default TRUE"},
            {"Basic/mycall", "Callsign/SSID\nMYCALL · default NOCALL"},
            {"Basic/sben", "Use SmartBeaconing instead (speed and turn based)\nSBEN · default FALSE"}};
        SheetFixture f;
        std::set<QString> keysTipped;
        int checkedInFull = 0;
        for (int tab = 0; tab < f.Tabs()->count(); ++tab) {
            f.Tabs()->setCurrentIndex(tab);
            for (QWidget *control : ShownPage(f)->BoundControls()) {
                const QString tip = control->accessibleDescription();
                QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
                QCOMPARE(PlainOf(control->toolTip()), tip);
                QStringList lines = tip.split('\n');
                QCOMPARE(lines.takeFirst(), SettingHelpText(FindSettingHelp(control->objectName().toStdString())->help));
                QVERIFY2(!lines.isEmpty() && lines.front().startsWith(control->objectName().toUpper() + " · default "),
                         qPrintable(tip));
                for (const QString &line : lines)
                    keysTipped.insert(line.section(' ', 0, 0));
                const QString where = ShownPage(f)->Caption() + "/" + control->objectName();
                if (full.contains(where) && ++checkedInFull)
                    QCOMPARE(QStringList(control->accessibleName()) + lines, full[where].split('\n'));
            }
        }
        // The TimeStamp list tells of TIMEHMS too; no setting is left without a tip.
        QCOMPARE(keysTipped.size(), size_t(kSettingCount));
        QCOMPARE(checkedInFull, full.size());
        // Markup in a tip's words shows as typed.
        const QString typed = "a <b>bold</b> & <i>x</i>\n  two  blanks";
        QCOMPARE(PlainOf(PlainTextToolTip(typed)), typed);
    }

    // A change (loaded, typed, clicked or picked) marks the control; "Reset to default" from its
    // menu puts the default back as the user would, and the page's rule follows it.
    void markAndReset_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("how");    // load, type, click or pick (an item index)
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("keyboard");  // the menu opened with the menu key
        QTest::addColumn<QString>("ruled");  // a control the page enables by this one
        QTest::addColumn<bool>("ruledAtDefault");
        QTest::newRow("clicked") << "Position Timing" << "sben" << "click" << "" << false << "pperiod" << true;
        QTest::newRow("typed") << "Bank / Telem / WX" << "tperiod" << "type" << "60" << true << "telhires" << false;
        QTest::newRow("picked") << "Position" << "tprotocol" << "pick" << "2" << false << "mmsg" << true;
        QTest::newRow("loaded") << "Position" << "statusrate" << "load" << "0" << false << "tstat" << true;
        QTest::newRow("editable list") << "Ports" << "abaud" << "pick" << "0" << true << "" << true;
        QTest::newRow("emptied, no label") << "Position" << "tstat" << "type" << "" << true << "" << true;
        QTest::newRow("on Basic") << "Basic" << "mycall" << "type" << "N0CALL-9" << false << "" << true;
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
        const Setting *setting = CSettings::FindSetting(key.toStdString());
        if (how == "load")
            setting->Integer(f.settings.CurrentValues()) = value.toInt();
        QVERIFY(f.GoTo(page));
        QWidget *control = f.Find(key);
        QWidget *marker = MarkerOf(ShownPage(f), control);
        QWidget *rule = ruled.isEmpty() ? control : f.Find(ruled);
        QCOMPARE(marker->font().bold(), how == "load");
        // At its default, the menu offers the reset but cannot do it.
        if (how != "load") {
            QAction *reset = OpenMenu(control, keyboard);
            QVERIFY(reset && !reset->isEnabled());
            QApplication::activePopupWidget()->close();
        }
        if (how == "type")
            SheetFixture::Type(qobject_cast<QLineEdit *>(control), value);
        else if (how == "click")
            SheetFixture::Click(qobject_cast<QAbstractButton *>(control));
        else if (how == "pick")
            SheetFixture::Pick(qobject_cast<QComboBox *>(control), value.toInt());
        QVERIFY(marker->font().bold());
        if (auto *edit = qobject_cast<QLineEdit *>(control); edit && marker == control)
            QCOMPARE(edit->placeholderText(), SettingKeyLine(*setting));
        QCOMPARE(rule->isEnabled(), ruled.isEmpty() || !ruledAtDefault);

        QAction *reset = OpenMenu(control, keyboard);
        QVERIFY(reset && reset->isEnabled());
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        // An edit box keeps its own entries beside ours.
        QVERIFY(menu->actions().size() > 2 || !qobject_cast<QLineEdit *>(control));
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(reset).center());
        QVERIFY(!marker->font().bold());
        QCOMPARE(rule->isEnabled(), ruledAtDefault);
        // The model takes the default only when the page is left, as with typing.
        QCOMPARE(setting->ValueText(f.settings.CurrentValues()) == setting->ValueText(CBank()), how != "load");
        QVERIFY(f.GoTo("Comms"));
        QCOMPARE(setting->ValueText(f.settings.CurrentValues()), setting->ValueText(CBank()));
    }

    // A tip shown over a page with markers, for a look by eye, fits the screen.
    void tipShown()
    {
        SheetFixture f;
        f.settings.CurrentValues().tprotocol = "APRS Text";
        f.settings.CurrentValues().msgcap = 1;
        f.settings.CurrentValues().tstat.clear();
        QVERIFY(f.GoTo("Position"));
        QCoreApplication::processEvents();  // the bold labels take their room
        QWidget *control = f.Find("tstat");
        QToolTip::showText(control->mapToGlobal(control->rect().center()), control->toolTip(), control);
        QWidget *tip = nullptr;
        for (QWidget *widget : QApplication::topLevelWidgets())
            tip = widget->inherits("QTipLabel") && widget->isVisible() ? widget : tip;
        QVERIFY(tip);
        const QString keyLine = QCoreApplication::translate("CPropertyPage", "%1 · default %2");
        QVERIFY(PlainOf(qobject_cast<QLabel *>(tip)->text()).endsWith(keyLine.arg("TSTAT", "/Quillwren Rezar")));
        const QRect screen = f.sheet->screen()->availableGeometry();
        QVERIFY(screen.contains(tip->geometry()));

        const QRect whole = f.sheet->frameGeometry().united(tip->geometry());
        QPixmap shot(whole.size());
        shot.fill(Qt::darkGray);
        QPainter painter(&shot);
        painter.drawPixmap(f.sheet->geometry().topLeft() - whole.topLeft(), f.sheet->grab());
        painter.drawPixmap(tip->pos() - whole.topLeft(), tip->grab());
        painter.end();
        const QString dir = qEnvironmentVariable("REZAR_SHOTS_DIR");
        const QString name = QStringLiteral("tip-%1x%2.png").arg(screen.width()).arg(screen.height());
        QVERIFY(dir.isEmpty() || (QDir().mkpath(dir) && shot.save(QDir(dir).filePath(name))));
        QToolTip::hideText();
    }
};

QTEST_MAIN(TestSettingTips)
#include "tst_setting_tips.moc"
