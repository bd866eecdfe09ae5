#pragma once

// The history of device operations: one settings text per completed read and per write, kept in
// the user's data folder so that what a device held, or was given, can be looked up and loaded
// back later. The texts are plain settings files; the port of each lives in an index beside them.

#include <QDateTime>
#include <QString>

#include <string>
#include <vector>

class CSettings;

// How many entries are kept; recording one more removes the oldest.
constexpr int kHistoryKept = 200;

struct HistoryEntry {
    QDateTime time;      // to the second, local time, from the file name
    QString kind;        // "read" or "written"
    QString port;        // as the operation named it; empty when the index does not know it
    std::string mycall;  // MYCALL of bank 0, as the file holds it
    QString path;        // the settings text
};

// AppDataLocation/history (the application's organisation and name must be set first).
QString HistoryFolder();

// Saves `settings` as a new entry of `kind` ("read" or "written") taken on `port`, then prunes
// the oldest beyond kHistoryKept. Returns the new file's path, or an empty string with *error
// set when it could not be saved (what was pruned or not is then unchanged).
QString RecordHistory(const CSettings &settings, const QString &kind, const QString &port,
                      QString *error = nullptr);

// The entries, newest first.
std::vector<HistoryEntry> ListHistory();
