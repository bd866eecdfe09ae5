#pragma once

// The command lines of rezar-config, rezar-cli and rezar-sim: each option declared once, for
// QCommandLineParser and for the --help text, with the programs' own one-line usage errors.

#include <QCommandLineParser>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <string>

struct OptionRow {
    QStringList names;          // the first is the one --help shows
    QString valueName;          // empty: a switch
    const char *description;    // --help's text, lines split by '\n'; translated in the context
    const char *missing = nullptr;  // "%1 needs ..." when the value is missing, else the default
    bool stops = false;         // --help, --version: ends the parse as soon as it is read
};

// One help line per row: the left column padded to COLUMN (or two spaces after a longer one),
// the description's further lines indented to the column.
QString HelpRows(const QList<QPair<QString, QString>> &rows, int column);

class CCommandLine {
public:
    // CONTEXT is the translation context of the rows' texts and of MISSING, the usage error of a
    // value left out ("%1 needs a %2": the option as typed, its value name).
    CCommandLine(const char *context, QList<OptionRow> rows, const char *missing);

    // Parses ARGS (the program's name first). The first of a usage error and a stopping option
    // decides, in the order they were typed: false with Error(), or true with Stop() naming it.
    bool Parse(const QStringList &args);
    QString Error() const { return m_error; }
    QString Stop() const { return m_stop; }

    bool IsSet(const QString &name) const { return m_parser.isSet(name); }
    QString Value(const QString &name) const { return m_parser.value(name); }
    QStringList Positional() const { return m_parser.positionalArguments(); }

    // Where the arguments came from in ARGS, for a program that needs the bytes as typed (a
    // path the locale's encoding cannot show): the positional ones in order, and where each
    // option's last value stands (index -1 when not given).
    struct Place {
        qsizetype index = -1;
        bool afterEquals = false;  // "--trace=FILE": the value follows the first '='
    };
    QList<qsizetype> PositionalAt() const { return m_positionalAt; }
    Place ValueAt(const QString &name) const { return m_valueAt.value(name); }

    // ARG is one of our options that takes its value from the next argument.
    bool TakesNextValue(const QString &arg) const;
    // The options' part of --help.
    QString OptionsHelp(int column) const;

private:
    const OptionRow *Find(const QString &arg) const;
    QString Translated(const char *text) const;

    const char *m_context;
    QList<OptionRow> m_rows;
    const char *m_missing;
    QCommandLineParser m_parser;
    QString m_error;
    QString m_stop;
    QList<qsizetype> m_positionalAt;
    QHash<QString, Place> m_valueAt;
};

// The bytes of the argument at PLACE of ARGV, as they were typed.
std::string Typed(char *argv[], CCommandLine::Place place);
