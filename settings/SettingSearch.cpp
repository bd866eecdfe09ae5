#include "SettingSearch.h"

#include <QCoreApplication>

namespace {

QString Latin1(const std::string &bytes)
{
    return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
}

} // namespace

bool SettingMatches(const SettingHelp &help, const QString &value, const QString &text, bool shown)
{
    const QString wanted = text.trimmed();
    const auto has = [&wanted](const QString &in) { return in.contains(wanted, Qt::CaseInsensitive); };
    const auto inLanguage = [shown](const char *source) { return shown ? SettingHelpText(source) : QString::fromUtf8(source); };
    return has(QString::fromLatin1(help.key)) || has(inLanguage(help.label)) || has(inLanguage(help.help))
        || has(inLanguage(help.page)) || has(value);
}

QString SettingRow::Text(bool withDefault) const
{
    QString text = QStringLiteral("%1 \u2014 %2 \u2014 %3 \u2014 %4")
                       .arg(SettingHelpText(help->label), SettingHelpText(help->page),
                            QString::fromLatin1(help->key).toUpper(), value);
    if (withDefault)
        text += QCoreApplication::translate("SettingSearch", " (default %1)").arg(defaultValue);
    return text;
}

std::vector<SettingRow> FindSettings(const CBank &bank, const QString &text, bool changedOnly)
{
    std::vector<SettingRow> rows;
    for (size_t i = 0; i < g_settingTable.size(); ++i) {
        SettingRow row{&g_settingTable[i], &g_settingHelp[i], Latin1(g_settingTable[i].ValueText(bank)),
                       Latin1(g_settingTable[i].DefaultText())};
        if ((!changedOnly || row.IsChanged()) && SettingMatches(*row.help, row.value, text))
            rows.push_back(std::move(row));
    }
    return rows;
}
