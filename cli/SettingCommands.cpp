#include "SettingCommands.h"

#include "FileCommands.h"
#include "SettingHelp.h"
#include "SettingSearch.h"
#include "Settings.h"

#include <QStringList>

#include <algorithm>
#include <iostream>
#include <numeric>
#include <string_view>
#include <vector>

namespace {

// The width help wraps its text to: a terminal's 80 columns less one, so that no line wraps
// again on its own.
constexpr int kHelpWidthColumns = 79;
// At most this many keys are offered for a key the table does not hold.
constexpr size_t kSuggestions = 3;

const char *TypeWord(SettingType type)
{
    switch (type) {
    case SettingType::String:
        return "string";
    case SettingType::Integer:
        return "integer";
    case SettingType::Boolean:
        return "boolean";
    case SettingType::Character:
        return "character";
    }
    return "";
}


std::string AsciiLower(std::string text)
{
    for (char &c : text)
        c = (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
    return text;
}

// Levenshtein distance: the fewest single-byte insertions, deletions and substitutions that
// turn a into b.
size_t EditDistance(std::string_view a, std::string_view b)
{
    std::vector<size_t> row(b.size() + 1);
    std::iota(row.begin(), row.end(), size_t(0));
    for (size_t i = 1; i <= a.size(); ++i) {
        size_t diagonal = row[0];
        row[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            const size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

// The keys nearest to a key the table does not hold: first those it begins or that begin it
// ("tx", "txdelay"), then those a slip or two away, nearest first, in table order among equals.
// Keys too far off to be meant are left out, so the list may be empty.
QStringList NearestKeys(const std::string &typed)
{
    const std::string wanted = AsciiLower(typed);
    const size_t withinEdits = 1 + wanted.size() / 4;
    struct Candidate {
        bool prefix;
        size_t distance;
        size_t index;
    };
    std::vector<Candidate> candidates;
    for (size_t i = 0; i < g_settingTable.size(); ++i) {
        const std::string_view key = g_settingTable[i].key;
        const bool prefix = (wanted.size() >= 2 && key.starts_with(wanted))
                            || (key.size() >= 3 && std::string_view(wanted).starts_with(key));
        const size_t distance = EditDistance(wanted, key);
        if (prefix || distance <= withinEdits)
            candidates.push_back({prefix, distance, i});
    }
    std::ranges::stable_sort(candidates, [](const Candidate &a, const Candidate &b) {
        return a.prefix != b.prefix ? a.prefix : a.distance < b.distance;
    });
    QStringList keys;
    for (size_t i = 0; i < candidates.size() && i < kSuggestions; ++i)
        keys << QString::fromLatin1(g_settingTable[candidates[i].index].key);
    return keys;
}

// TEXT broken at blanks into lines of at most WIDTH columns, every line after the first indented
// by INDENT columns (the first stands after a label of that width). A word longer than a line
// keeps a line of its own.
QString Wrapped(const QString &text, int indent, int width)
{
    QString out;
    int column = indent;
    for (const QString &word : text.split(' ', Qt::SkipEmptyParts)) {
        if (column > indent && column + 1 + word.size() > width) {
            out += '\n' + QString(indent, ' ');
            column = indent;
        } else if (column > indent) {
            out += ' ';
            ++column;
        }
        out += word;
        column += int(word.size());
    }
    return out;
}

} // namespace

std::string ChangedText(const CSettings &settings)
{
    // Both texts list the same keys in the same order; the headers stay so that each line goes
    // to its bank whatever bank the reader is on.
    const CSettings defaults;
    WriteCursor mine, base;
    CSettings::ResetWriter(mine);
    CSettings::ResetWriter(base);
    std::string text;
    for (std::string line = settings.NextLine(mine); !line.empty(); line = settings.NextLine(mine)) {
        const bool header = line == "BANK 0" || line == "BANK 1";
        if (line != defaults.NextLine(base) || header)
            text += line + "\r\n";
    }
    return text;
}

int CmdKeys(const CliOptions &options)
{
    if (options.args.size() > 1)
        return UsageError(Local(CliText::tr("keys takes at most one TEXT")));
    const QString text = options.args.empty() ? QString() : QString::fromLocal8Bit(options.args[0]);
    std::string out;
    for (size_t i = 0; i < g_settingTable.size(); ++i) {
        const Setting &setting = g_settingTable[i];
        const SettingHelp &help = g_settingHelp[i];
        // As the window's search finds them, in the table's English like the rows themselves, so
        // that a script's rows do not change with the user's language; the value is the default.
        if (!SettingMatches(help, QString::fromLatin1(setting.DefaultText()), text, false))
            continue;
        out += std::string(setting.key) + '\t' + TypeWord(setting.type) + '\t' + setting.DefaultText() + '\t'
               + help.page + '\t' + help.label + '\n';
    }
    // Like grep: nothing found is a failure a script can test, with nothing on stdout.
    if (out.empty())
        return ExitFailed;
    return WriteStdout(out) ? ExitDone : ExitFailed;
}

int CmdHelp(const CliOptions &options)
{
    if (options.args.size() != 1)
        return UsageError(Local(CliText::tr("help needs one KEY")));
    const std::string &typed = options.args[0];
    const SettingHelp *help = FindSettingHelp(typed);
    if (!help) {
        std::cerr << Local(CliText::tr("rezar-cli: no setting %1").arg(QString::fromLocal8Bit(typed))) << "\n";
        const QStringList nearest = NearestKeys(typed);
        if (!nearest.isEmpty())
            std::cerr << Local(CliText::tr("did you mean: %1").arg(nearest.join(QStringLiteral(", ")))) << "\n";
        return ExitFailed;
    }
    const Setting &setting = *CSettings::FindSetting(typed);

    // Names and texts in the user's language; key, type and default as the data shows them, and
    // never wrapped: a default keeps its blanks as they are.
    struct Row {
        QString name, value;
        bool wrap = true;
    };
    QList<Row> rows = {
        {CliText::tr("Key"), QString::fromLatin1(setting.key), false},
        {CliText::tr("Type"), QString::fromLatin1(TypeWord(setting.type)), false},
        {CliText::tr("Default"), QString::fromLatin1(setting.DefaultText()), false},
        {CliText::tr("Page"), SettingHelpText(help->page)},
        {CliText::tr("Label"), SettingHelpText(help->label)},
    };
    if (*help->unit)
        rows.append({CliText::tr("Unit"), SettingHelpText(help->unit)});
    rows.append({CliText::tr("Help"), SettingHelpText(help->help)});

    qsizetype nameWidth = 0;
    for (const Row &row : rows)
        nameWidth = std::max(nameWidth, row.name.size());
    const int indent = int(nameWidth) + 2;
    QString out;
    for (const Row &row : rows) {
        out += (row.name + ':').leftJustified(indent, ' ')
               + (row.wrap ? Wrapped(row.value, indent, kHelpWidthColumns) : row.value) + '\n';
    }
    return WriteStdout(Local(out)) ? ExitDone : ExitFailed;
}

int CmdChanged(const CliOptions &options)
{
    if (options.args.size() != 1)
        return UsageError(Local(CliText::tr("changed needs one FILE")));
    CSettings settings;
    std::string summary;
    if (!LoadSettingsFile(settings, options.args[0], summary))
        return ExitFailed;
    std::cerr << options.args[0] << ": " << summary << "\n";
    return WriteStdout(ChangedText(settings)) ? ExitDone : ExitFailed;
}
