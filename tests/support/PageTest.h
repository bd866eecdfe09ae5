#pragma once

// The page suites' helpers: settings by key, what a control shows, and the way of a value
// through a page (put into the bank or typed, shown, stored back when the page is left).

#include "support/SheetFixture.h"

#include <QLabel>
#include <QStringList>

inline const Setting &SettingOf(const QString &key)
{
    const Setting *setting = CSettings::FindSetting(key.toLatin1().toStdString());
    if (!setting)
        qFatal("no setting %s", qPrintable(key));
    return *setting;
}

// A setting's value in a bank of the fixture's model as bytes: the text, the decimal number, or
// the one character (the byte 0 included).
inline QByteArray ValueOf(const SheetFixture &f, const QString &key, int bank)
{
    const Setting &setting = SettingOf(key);
    const CBank &values = f.settings.Bank(bank);
    switch (setting.type) {
    case SettingType::String: return QByteArray::fromStdString(setting.String(values));
    case SettingType::Character: return QByteArray(1, setting.Character(values));
    default: return QByteArray::number(setting.Integer(values));
    }
}

inline void SetValue(SheetFixture &f, const QString &key, const QByteArray &value, int bank)
{
    const Setting &setting = SettingOf(key);
    CBank &values = f.settings.Bank(bank);
    switch (setting.type) {
    case SettingType::String: setting.String(values) = value.toStdString(); break;
    case SettingType::Character: setting.Character(values) = value.isEmpty() ? '\0' : value[0]; break;
    default: setting.Integer(values) = value.toInt(); break;
    }
}

// The same in the current bank, and the current bank's field itself.
inline QByteArray ValueOf(const SheetFixture &f, const QString &key)
{
    return ValueOf(f, key, f.settings.GetBank());
}
inline void SetValue(SheetFixture &f, const QString &key, const QByteArray &value)
{
    SetValue(f, key, value, f.settings.GetBank());
}
inline int32_t &Int(SheetFixture &f, const QString &key)
{
    return SettingOf(key).Integer(f.settings.CurrentValues());
}
inline std::string &Str(SheetFixture &f, const QString &key)
{
    return SettingOf(key).String(f.settings.CurrentValues());
}

// What a control shows: an edit box, label or push button its text (a button's or a named
// control's label without its access-key mark), a drop-down the text in its field (the selected
// item, or what was typed into an editable one), a check box or radio button "checked" or
// "unchecked".
inline QString Shown(QWidget *control)
{
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        return edit->text();
    if (auto *combo = qobject_cast<QComboBox *>(control))
        return combo->currentText();
    if (auto *button = qobject_cast<QAbstractButton *>(control))
        return button->isCheckable() ? (button->isChecked() ? "checked" : "unchecked")
                                     : WithoutAccessKeys(button->text());
    if (auto *label = qobject_cast<QLabel *>(control))
        return label->buddy() ? WithoutAccessKeys(label->text()) : label->text();
    return QStringLiteral("<no control>");
}

// A control of the shown tab by object name, or one of the sheet's own (bank label).
template <class T = QWidget> T *Control(const SheetFixture &f, const QString &name)
{
    return f.Find<T>(name);
}

inline void Press(QAbstractButton *button)
{
    QVERIFY(button);
    SheetFixture::Click(button);
}

inline void Press(const SheetFixture &f, const QString &name)
{
    Press(Control<QAbstractButton>(f, name));
}

inline QStringList Names(const char *spaced)
{
    return QString::fromLatin1(spaced).split(' ', Qt::SkipEmptyParts);
}

// Which of the named controls of the shown tab are enabled, in the order given.
inline QStringList EnabledOf(const SheetFixture &f, const QStringList &names)
{
    QStringList enabled;
    for (const QString &name : names) {
        QWidget *control = Control(f, name);
        if (control && control->isEnabled())
            enabled << name;
    }
    return enabled;
}

// A tab to stand on while a test prepares the bank: it binds none of the settings under
// test, so that leaving it stores nothing over them (the Basic tab, where the sheet opens,
// stores "mycall", "pperiod" and "sben").
inline QString ParkingFor(const QString &caption)
{
    return caption == "Display" ? QStringLiteral("GPS") : QStringLiteral("Display");
}

// Shows `caption` after putting `value` into the current bank's `key`.
inline void OpenWith(SheetFixture &f, const QString &caption, const QString &key,
                     const QString &value)
{
    QVERIFY(f.GoTo(ParkingFor(caption)));
    SetValue(f, key, value.toLatin1());
    QVERIFY(f.GoTo(caption));
}

// Every row: a control (named after its key, or another object name), what it shows, and
// whether it is enabled.
inline void AddShownColumns()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("enabled");
}

inline void CheckShown(const SheetFixture &f)
{
    QFETCH(QString, control);
    QFETCH(QString, shown);
    QFETCH(bool, enabled);
    QWidget *widget = Control(f, control);
    QVERIFY(widget);
    QCOMPARE(Shown(widget), shown);
    QCOMPARE(widget->isEnabled(), enabled);
}

// A value's way through a control named after its key, in bank 0: put in (stored in the bank
// before the page opens, or typed into the box), shown, and stored back when the page is left.
enum class Input { Stored, Typed };

inline void AddThroughColumns()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("storedBack");
}

inline void CheckThrough(const QString &caption, Input how)
{
    QFETCH(QString, key);
    QFETCH(QString, input);
    QFETCH(QString, shown);
    QFETCH(QString, storedBack);
    SheetFixture f;
    if (how == Input::Stored) {
        OpenWith(f, caption, key, input);
    } else {
        QVERIFY(f.GoTo(caption));
        auto *edit = Control<QLineEdit>(f, key);
        QVERIFY(edit);
        SheetFixture::Type(edit, input);
    }
    QCOMPARE(Shown(Control(f, key)), shown);
    QVERIFY(f.GoTo(ParkingFor(caption)));
    QCOMPARE(ValueOf(f, key, 0), storedBack.toLatin1());
}

// Every label of the tab names its control (as its buddy), except the free texts listed.
inline void CheckLabelsHaveBuddies(const QString &caption, const QStringList &freeTexts)
{
    SheetFixture f;
    QVERIFY(f.GoTo(caption));
    const QList<QLabel *> labels = f.Tabs()->currentWidget()->findChildren<QLabel *>();
    QVERIFY(!labels.isEmpty());
    for (QLabel *label : labels) {
        if (freeTexts.contains(label->objectName()))
            continue;
        QVERIFY2(label->buddy(), qPrintable(label->objectName() + " names no control"));
    }
}

// The sheet showing `caption`, rendered, and saved as <name>.png when REZAR_SHOTS_DIR asks.
inline void CheckShot(const QString &caption, const QString &name)
{
    SheetFixture f;
    QVERIFY(f.GoTo(caption));
    QVERIFY(f.Shot(name));
}
