#include "backup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <sqlite3.h>

namespace izoku::store {

namespace {

// A writer holding the file for longer than this is a fault of its own; the
// start-up does not wait on it any further.
constexpr int kBusyTimeoutMs = 2000;

QString backupName(const QDate &day)
{
    return QStringLiteral("ndata-%1.mdb").arg(day.toString(QStringLiteral("yyyy-MM-dd")));
}

class Handle {
  public:
    ~Handle() { sqlite3_close(m_db); }
    int open(const QString &path, int flags)
    {
        return sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, flags, nullptr);
    }
    sqlite3 *get() const { return m_db; }
    QString error() const { return QString::fromUtf8(sqlite3_errmsg(m_db)); }

  private:
    sqlite3 *m_db = nullptr;
};

// Copies every page in one step under one read transaction: in WAL mode a
// writer goes on meanwhile and the copy is the database as of one moment.
QString onlineBackup(const QString &from, const QString &to)
{
    Handle source;
    if (source.open(from, SQLITE_OPEN_READONLY) != SQLITE_OK)
        return source.error();
    sqlite3_busy_timeout(source.get(), kBusyTimeoutMs);
    Handle target;
    if (target.open(to, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE) != SQLITE_OK)
        return target.error();
    sqlite3_backup *backup = sqlite3_backup_init(target.get(), "main", source.get(), "main");
    if (!backup)
        return target.error();
    int step = sqlite3_backup_step(backup, -1);
    for (int tries = 0; (step == SQLITE_BUSY || step == SQLITE_LOCKED) && tries < 20; ++tries) {
        sqlite3_sleep(100);
        step = sqlite3_backup_step(backup, -1);
    }
    sqlite3_backup_finish(backup);
    if (step != SQLITE_DONE)
        return QString::fromUtf8(sqlite3_errstr(step));
    // The copy stands alone: no write-ahead log beside it to lose.
    sqlite3_exec(target.get(), "PRAGMA journal_mode = DELETE", nullptr, nullptr, nullptr);
    return {};
}

void keepNewest(QDir folder, int keep)
{
    static const QRegularExpression pattern(QStringLiteral("^ndata-\\d{4}-\\d{2}-\\d{2}\\.mdb$"));
    QStringList copies;
    for (const QString &name : folder.entryList({QStringLiteral("ndata-*.mdb")}, QDir::Files, QDir::Name))
        if (pattern.match(name).hasMatch())
            copies << name;
    // The names sort by date.
    for (qsizetype i = 0; i + keep < copies.size(); ++i)
        folder.remove(copies[i]);
}

} // namespace

QString BackupFolder(const QString &databasePath)
{
    return QFileInfo(databasePath).absolutePath() + QStringLiteral("/backup");
}

BackupResult BackUpDaily(const QString &databasePath, const QDate &today, int keep)
{
    BackupResult result;
    const QDir folder(BackupFolder(databasePath));
    result.path = folder.filePath(backupName(today));
    if (!QFileInfo(databasePath).isFile()) {
        result.status = BackupResult::Status::NoDatabase;
        return result;
    }
    if (QFileInfo::exists(result.path)) {
        result.status = BackupResult::Status::AlreadyMade;
        return result;
    }
    if (!QDir().mkpath(folder.path())) {
        result.error = QStringLiteral("cannot create %1").arg(folder.path());
        return result;
    }
    // Written under a name of this process's own, so that a copy cut short
    // never passes for the day's copy and two copies of the program started
    // together do not write into one file.
    const QString partial = result.path + QStringLiteral(".part-%1").arg(QCoreApplication::applicationPid());
    QFile::remove(partial);
    result.error = onlineBackup(databasePath, partial);
    if (result.error.isEmpty() && !QFile::rename(partial, result.path)) {
        if (QFileInfo::exists(result.path)) {
            QFile::remove(partial);
            result.status = BackupResult::Status::AlreadyMade;
            return result;
        }
        result.error = QStringLiteral("cannot rename %1").arg(partial);
    }
    if (!result.error.isEmpty()) {
        QFile::remove(partial);
        return result;
    }
    QFile::setPermissions(result.path, QFile::ReadOwner | QFile::WriteOwner);
    keepNewest(folder, keep);
    result.status = BackupResult::Status::Made;
    return result;
}

} // namespace izoku::store
