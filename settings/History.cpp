#include "History.h"

#include "Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>

#include <algorithm>
#include <map>
#include <tuple>

namespace {

// File name -> port, one line each, in the order the entries were recorded; that order also
// tells apart two entries taken within the same second.
const char kIndexName[] = "index.tsv";
const char kStampFormat[] = "yyyy-MM-dd_HHmmss";

const QRegularExpression &EntryName()
{
    static const QRegularExpression name(
        QStringLiteral(R"(^(\d{4}-\d\d-\d\d_\d{6})-(read|written)(?:-(\d+))?\.txt$)"));
    return name;
}

struct IndexLine {
    QString file;
    QString port;
};

std::vector<IndexLine> ReadIndex(const QString &folder)
{
    std::vector<IndexLine> lines;
    QFile file(folder + "/" + kIndexName);
    if (!file.open(QIODevice::ReadOnly))
        return lines;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const qsizetype tab = line.indexOf('\t');
        if (tab > 0)
            lines.push_back({QString::fromUtf8(line.left(tab)),
                             QString::fromUtf8(QByteArray::fromPercentEncoding(line.mid(tab + 1)))});
    }
    return lines;
}

QByteArray IndexText(const IndexLine &line)
{
    // Percent-encoded, so that no port name can break the index's lines.
    return line.file.toUtf8() + '\t' + QUrl::toPercentEncoding(line.port) + '\n';
}

// An entry found in the folder, with what orders it among the others.
struct Found {
    HistoryEntry entry;
    QString stamp;
    qsizetype recorded = -1;  // its line in the index; -1 when the index does not name it
    int suffix = 1;
    QString file;
};

// The entries in the folder, oldest first.
std::vector<Found> Scan(const QString &folder)
{
    std::map<QString, std::pair<qsizetype, QString>> index;
    const std::vector<IndexLine> lines = ReadIndex(folder);
    for (size_t i = 0; i < lines.size(); ++i)
        index[lines[i].file] = {qsizetype(i), lines[i].port};

    std::vector<Found> found;
    const QStringList files = QDir(folder).entryList({QStringLiteral("*.txt")}, QDir::Files);
    for (const QString &file : files) {
        const QRegularExpressionMatch m = EntryName().match(file);
        if (!m.hasMatch())
            continue;
        Found f;
        f.file = file;
        f.stamp = m.captured(1);
        f.suffix = m.captured(3).isEmpty() ? 1 : m.captured(3).toInt();
        f.entry.time = QDateTime::fromString(f.stamp, kStampFormat);
        f.entry.kind = m.captured(2);
        f.entry.path = folder + "/" + file;
        if (auto it = index.find(file); it != index.end()) {
            f.recorded = it->second.first;
            f.entry.port = it->second.second;
        }
        found.push_back(std::move(f));
    }
    std::sort(found.begin(), found.end(), [](const Found &a, const Found &b) {
        return std::tie(a.stamp, a.recorded, a.suffix) < std::tie(b.stamp, b.recorded, b.suffix);
    });
    return found;
}

// Removes the oldest entries beyond kHistoryKept and drops index lines of files now gone.
void Prune(const QString &folder)
{
    std::vector<Found> found = Scan(folder);
    const size_t excess = found.size() > size_t(kHistoryKept) ? found.size() - size_t(kHistoryKept) : 0;
    for (size_t i = 0; i < excess; ++i)
        QFile::remove(folder + "/" + found[i].file);

    QByteArray text;
    for (size_t i = excess; i < found.size(); ++i)
        if (found[i].recorded >= 0)
            text += IndexText({found[i].file, found[i].entry.port});
    QSaveFile index(folder + "/" + kIndexName);
    if (index.open(QIODevice::WriteOnly) && index.write(text) == text.size())
        index.commit();
}

} // namespace

QString HistoryFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/history";
}

QString RecordHistory(const CSettings &settings, const QString &kind, const QString &port, QString *error)
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return QString();
    };
    const QString folder = HistoryFolder();
    if (!QDir().mkpath(folder))
        return fail("cannot make the folder " + folder);

    // A new name, never an earlier entry's: a second entry within the same second gets a suffix.
    const QString stamp = QDateTime::currentDateTime().toString(kStampFormat);
    QFile file;
    for (int suffix = 1;; ++suffix) {
        const QString name = stamp + "-" + kind + (suffix > 1 ? "-" + QString::number(suffix) : QString()) + ".txt";
        file.setFileName(folder + "/" + name);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            break;
        if (!file.exists() || suffix >= 10000)
            return fail(file.fileName() + ": " + file.errorString());
    }
    const std::string text = settings.SettingsText();
    const bool written = file.write(text.data(), qint64(text.size())) == qint64(text.size()) && file.flush();
    const QString why = file.errorString();
    file.close();
    QFile index(folder + "/" + kIndexName);
    const QByteArray line = IndexText({QFileInfo(file.fileName()).fileName(), port});
    if (!written || !index.open(QIODevice::WriteOnly | QIODevice::Append) || index.write(line) != line.size()
        || !index.flush()) {
        const QString reason = written ? index.fileName() + ": " + index.errorString() : file.fileName() + ": " + why;
        file.remove();
        return fail(reason);
    }
    index.close();
    Prune(folder);
    return file.fileName();
}

std::vector<HistoryEntry> ListHistory()
{
    std::vector<HistoryEntry> entries;
    std::vector<Found> found = Scan(HistoryFolder());
    for (auto it = found.rbegin(); it != found.rend(); ++it) {
        CSettings settings;
        if (settings.LoadFile(it->entry.path.toLocal8Bit().toStdString()) == 0)
            it->entry.mycall = settings.m_bank0.mycall;
        entries.push_back(std::move(it->entry));
    }
    return entries;
}
