#pragma once

// Shared by the Position, Position Timing, Beacon / Digipeater, GPS and Display page suites:
// settings of the current bank by key, and what a control shows, in one comparable form.

#include "support/SheetFixture.h"

#include <QCheckBox>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>

// A page to stand on while a test prepares the bank: it binds none of the settings under
// test, so that leaving it stores nothing over them (the Basic tab, where the sheet opens,
// stores "pperiod" and "sben").
inline QString ParkingFor(const QString &caption)
{
    return caption == "Display" ? QStringLiteral("GPS") : QStringLiteral("Display");
}

inline const Setting &SettingOf(const char *key)
{
    const Setting *setting = CSettings::FindSetting(key);
    if (!setting)
        qFatal("no setting %s", key);
    return *setting;
}

// The value of a setting in the current bank, by key.
inline int32_t &Int(const char *key) { return SettingOf(key).Integer(g_settings.CurrentValues()); }
inline std::string &Str(const char *key) { return SettingOf(key).String(g_settings.CurrentValues()); }
inline int32_t &Int(const QString &key) { return Int(key.toLatin1().constData()); }
inline std::string &Str(const QString &key) { return Str(key.toLatin1().constData()); }

// A setting's value in the current bank as bytes: the text, the decimal number, or the one
// character (the byte 0 included).
inline QByteArray ValueOf(const QString &key)
{
    const Setting &setting = SettingOf(key.toLatin1().constData());
    const int32_t bank = g_settings.GetBank();
    switch (setting.type) {
    case SettingType::String: return QByteArray::fromStdString(setting.String(g_settings.Bank(bank)));
    case SettingType::Character: return QByteArray(1, setting.Character(g_settings.Bank(bank)));
    default: return QByteArray::number(setting.Integer(g_settings.Bank(bank)));
    }
}

inline void SetValue(const QString &key, const QByteArray &value)
{
    const Setting &setting = SettingOf(key.toLatin1().constData());
    const int32_t bank = g_settings.GetBank();
    switch (setting.type) {
    case SettingType::String: setting.String(g_settings.Bank(bank)) = value.toStdString(); break;
    case SettingType::Character: setting.Character(g_settings.Bank(bank)) = value.isEmpty() ? '\0' : value[0]; break;
    default: setting.Integer(g_settings.Bank(bank)) = value.toInt(); break;
    }
}

// An edit box's text, a drop-down's selected item, or a check box's mark.
inline QString Shown(QWidget *control)
{
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        return edit->text();
    if (auto *combo = qobject_cast<QComboBox *>(control))
        return combo->currentText();
    if (auto *box = qobject_cast<QAbstractButton *>(control))
        return box->isChecked() ? QStringLiteral("checked") : QStringLiteral("unchecked");
    return QStringLiteral("<missing>");
}

// A control of the shown page by object name. Pages that share a setting have controls of
// the same name ("pperiod" is on the Basic tab too), so the search stays on the shown page.
template <class T = QWidget> T *On(const SheetFixture &f, const QString &name)
{
    T *found = f.Tabs()->currentWidget()->findChild<T *>(name);
    if (!found)
        qWarning("no control named %s on this page", qPrintable(name));
    return found;
}

// Which of the named controls of the shown page are enabled, in the order given.
inline QStringList EnabledOf(const SheetFixture &f, const QStringList &names)
{
    QStringList enabled;
    for (const QString &name : names) {
        QWidget *control = On(f, name);
        if (control && control->isEnabled())
            enabled << name;
    }
    return enabled;
}

inline QStringList Names(const char *spaced)
{
    return QString::fromLatin1(spaced).split(' ', Qt::SkipEmptyParts);
}

inline void ClickBox(QCheckBox *box)
{
    SheetFixture::Click(box);
}
