#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include <optional>
#include <vector>

namespace izoku::store {

// Years of customers live in one file: the program keeps a copy of it for
// each of the last days it was started on.
struct BackupResult {
    enum class Status { Made, AlreadyMade, NoDatabase, Damaged, Failed };
    Status status = Status::Failed;
    QString path;  // the day's copy
    QString error; // why it failed, for the warning
    // Copies dated after `today`, from a day the clock was set ahead: kept,
    // and not counted among the newest.
    QList<QDate> futureDated;
};

// The folder of the copies, beside the database.
QString BackupFolder(const QString &databasePath);

// One day's copy, backup/ndata-YYYY-MM-DD.mdb.
struct DailyCopy {
    QDate day;
    QString path;
};

// The day's copies of the database, newest first, by the dates in their
// names; the agent's own files in the folder are not among them.
std::vector<DailyCopy> DailyCopies(const QString &databasePath);

// Whether the database at `path` passes quick_check.
bool SoundCopy(const QString &path);
// The households a database holds; nothing when it cannot be read.
std::optional<int> CustomerCount(const QString &path);

// The newest copy that is sound, the one to restore a damaged file from.
std::optional<DailyCopy> NewestSoundCopy(const QString &databasePath);

// The day's copy: backup/ndata-YYYY-MM-DD.mdb beside the database, taken with
// SQLite's online backup so that a copy of the program saving at the same
// moment never tears it, and kept only when it passes quick_check: a copy
// of a damaged file is never made, so the good copies before it are never
// pushed out.  Made once a day (a copy already there is kept).  Then, on
// every start from a sound file, only the newest `keep` copies up to today
// stay; today's is never removed.
BackupResult BackUpDaily(const QString &databasePath, const QDate &today, int keep = 14);

} // namespace izoku::store
