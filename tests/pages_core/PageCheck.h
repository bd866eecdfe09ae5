#pragma once

// Checks shared by the page suites: bank values by key, what a control shows, and the way of
// a value through a page (loaded or typed, shown, stored back when the page is left).

#include "support/SheetFixture.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QWidget>

template <class T = QWidget> T *Control(SheetFixture &f, const QString &name)
{
    return f.Find<T>(name);
}

inline void Press(QAbstractButton *button)
{
    QVERIFY(button);
    SheetFixture::Click(button);
}

inline void Press(SheetFixture &f, const QString &name)
{
    Press(Control<QAbstractButton>(f, name));
}

// A bank value as text: strings as their bytes (Latin-1), numbers and booleans in decimal.
inline QString BankValue(int bank, const char *key)
{
    const Setting *setting = CSettings::FindSetting(key);
    if (!setting)
        return QStringLiteral("<no setting %1>").arg(key);
    switch (setting->type) {
    case SettingType::String:
        return QString::fromLatin1(setting->String(g_settings.Bank(bank)));
    case SettingType::Character:
        return QString(QChar(uchar(setting->Character(g_settings.Bank(bank)))));
    default:
        return QString::number(setting->Integer(g_settings.Bank(bank)));
    }
}

inline void SetBankValue(int bank, const char *key, const QString &value)
{
    const Setting *setting = CSettings::FindSetting(key);
    QVERIFY2(setting, key);
    switch (setting->type) {
    case SettingType::String:
        setting->String(g_settings.Bank(bank)) = value.toLatin1().toStdString();
        break;
    case SettingType::Character:
        setting->Character(g_settings.Bank(bank)) = value.isEmpty() ? '\0' : char(value[0].toLatin1());
        break;
    default:
        setting->Integer(g_settings.Bank(bank)) = value.toInt();
        break;
    }
}

// What a control shows: an edit box or label its text, a drop-down its selected item, a
// check box or radio button "checked" or "unchecked".
inline QString Shown(QWidget *control)
{
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        return edit->text();
    if (auto *combo = qobject_cast<QComboBox *>(control))
        return combo->currentIndex() < 0 ? QString() : combo->itemText(combo->currentIndex());
    if (auto *button = qobject_cast<QAbstractButton *>(control))
        return button->isCheckable() ? (button->isChecked() ? "checked" : "unchecked")
                                     : button->text();
    if (auto *label = qobject_cast<QLabel *>(control))
        return label->text();
    return QStringLiteral("<no control>");
}

// Every row: a control (named after its key, or another object name), what it shows, and
// whether it is enabled.
inline void AddShownColumns()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("enabled");
}

inline void CheckShown(SheetFixture &f)
{
    QFETCH(QString, control);
    QFETCH(QString, shown);
    QFETCH(bool, enabled);
    QWidget *widget = Control(f, control);
    QVERIFY(widget);
    QCOMPARE(Shown(widget), shown);
    QCOMPARE(widget->isEnabled(), enabled);
}

// Shows `caption` after putting `value` into the current bank's `key`, with the sheet parked
// on `park` meanwhile (a tab that does not store `key`, so nothing overwrites the value).
inline void OpenWith(SheetFixture &f, const QString &park, const QString &caption,
                     const char *key, const QString &value)
{
    QVERIFY(f.GoTo(park));
    SetBankValue(g_settings.GetBank(), key, value);
    QVERIFY(f.GoTo(caption));
}

// A value's way through a control named after its key: put in (stored in the bank before
// the page opens, or typed into the box), shown, and stored back when the page is left.
enum class Input { Stored, Typed };

inline void AddThroughColumns()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("storedBack");
}

inline void CheckThrough(const QString &park, const QString &caption, Input how)
{
    QFETCH(QString, key);
    QFETCH(QString, input);
    QFETCH(QString, shown);
    QFETCH(QString, storedBack);
    SheetFixture f;
    const QByteArray k = key.toLatin1();
    if (how == Input::Stored) {
        OpenWith(f, park, caption, k.constData(), input);
    } else {
        QVERIFY(f.GoTo(caption));
        auto *edit = Control<QLineEdit>(f, key);
        QVERIFY(edit);
        SheetFixture::Type(edit, input);
    }
    QCOMPARE(Shown(Control(f, key)), shown);
    QVERIFY(f.GoTo(park));
    QCOMPARE(BankValue(0, k.constData()), storedBack);
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

// Saves the sheet showing `caption` to /tmp/shots/<name>.png, to be looked at.
inline void SaveShot(const QString &caption, const QString &name)
{
    SheetFixture f;
    QVERIFY(f.GoTo(caption));
    QVERIFY(QDir().mkpath("/tmp/shots"));
    const QPixmap shot = f.sheet->grab();
    QVERIFY(!shot.isNull());
    QVERIFY(shot.save("/tmp/shots/" + name + ".png"));
}
