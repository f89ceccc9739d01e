#pragma once

#include <QDate>
#include <QString>

namespace izoku::store {

// Years of customers live in one file: the program keeps a copy of it for
// each of the last days it was started on.
struct BackupResult {
    enum class Status { Made, AlreadyMade, NoDatabase, Failed };
    Status status = Status::Failed;
    QString path;  // the day's copy
    QString error; // why it failed, for the warning
};

// The folder of the copies, beside the database.
QString BackupFolder(const QString &databasePath);

// The day's copy: backup/ndata-YYYY-MM-DD.mdb beside the database, taken with
// SQLite's online backup so that a copy of the program saving at the same
// moment neither waits for it nor tears it.  Made once a day (a copy already
// there is kept); afterwards only the newest `keep` copies stay.
BackupResult BackUpDaily(const QString &databasePath, const QDate &today, int keep = 14);

} // namespace izoku::store
