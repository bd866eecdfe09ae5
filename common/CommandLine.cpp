#include "CommandLine.h"

#include <QCoreApplication>

#include <cstring>

QString HelpRows(const QList<QPair<QString, QString>> &rows, int column)
{
    QString help;
    for (const auto &[left, description] : rows) {
        QString line = "  " + left;
        const QStringList lines = description.split('\n');
        if (!description.isEmpty())
            line = line.size() + 2 <= column ? line.leftJustified(column) : line + "  ";
        help += line + lines.first() + '\n';
        for (qsizetype i = 1; i < lines.size(); ++i)
            help += QString(column, ' ') + lines[i] + '\n';
    }
    return help;
}

CCommandLine::CCommandLine(const char *context, QList<OptionRow> rows, const char *missing)
    : m_context(context), m_rows(std::move(rows)), m_missing(missing)
{
    // "-o" and "--trace" alike; "-frob" is one unknown option, not four.
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const OptionRow &row : m_rows)
        m_parser.addOption(QCommandLineOption(row.names, QString(), row.valueName));
}

QString CCommandLine::Translated(const char *text) const
{
    return QCoreApplication::translate(m_context, text);
}

const OptionRow *CCommandLine::Find(const QString &arg) const
{
    if (arg.size() < 2 || !arg.startsWith('-') || arg == QLatin1String("--"))
        return nullptr;
    const QString name = arg.mid(arg.startsWith(QLatin1String("--")) ? 2 : 1).section('=', 0, 0);
    for (const OptionRow &row : m_rows) {
        if (row.names.contains(name))
            return &row;
    }
    return nullptr;
}

bool CCommandLine::TakesNextValue(const QString &arg) const
{
    const OptionRow *row = Find(arg);
    return row && !row->valueName.isEmpty() && !arg.contains('=');
}

bool CCommandLine::Parse(const QStringList &args)
{
    m_error.clear();
    m_stop.clear();
    m_positionalAt.clear();
    m_valueAt.clear();
    const bool parsed = m_parser.parse(args);
    // The parser reports one error without its place; walking the arguments in order finds the
    // first mistake, and a --help typed before it still helps.
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString &arg = args[i];
        // "--" would end the options; none of the programs takes arguments that look like one.
        if (arg.size() < 2 || !arg.startsWith('-')) {
            m_positionalAt.append(i);
            continue;
        }
        const OptionRow *row = Find(arg);
        if (!row) {
            m_error = QCoreApplication::translate("CommandLine", "unknown option %1").arg(arg);
            return false;
        }
        if (row->stops) {
            m_stop = row->names.first();
            return true;
        }
        const bool nextValue = TakesNextValue(arg);
        if (nextValue && ++i >= args.size()) {
            const QString text = Translated(row->missing ? row->missing : m_missing);
            m_error = text.contains(QLatin1String("%2")) ? text.arg(arg, row->valueName) : text.arg(arg);
            return false;
        }
        if (!row->valueName.isEmpty())
            m_valueAt.insert(row->names.first(), {i, !nextValue});
    }
    if (!parsed)
        m_error = m_parser.errorText();
    return parsed;
}

QString CCommandLine::OptionsHelp(int column) const
{
    QList<QPair<QString, QString>> rows;
    for (const OptionRow &row : m_rows) {
        const QString &name = row.names.first();
        QString left = (name.size() == 1 ? "-" : "--") + name;
        if (!row.valueName.isEmpty())
            left += ' ' + row.valueName;
        rows.append({left, Translated(row.description)});
    }
    return HelpRows(rows, column);
}

std::string Typed(char *argv[], CCommandLine::Place place)
{
    if (place.index < 0)
        return {};
    const char *text = argv[place.index];
    return place.afterEquals ? std::strchr(text, '=') + 1 : text;
}
