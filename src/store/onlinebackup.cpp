#include "onlinebackup.h"

#include "lockwait.h"

#include <QFile>

#include <sqlite3.h>

namespace izoku::store {

namespace {

class Handle {
  public:
    ~Handle() { sqlite3_close(m_db); }
    int open(const QString &path, int flags)
    {
        return sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, flags, nullptr);
    }
    sqlite3 *get() const { return m_db; }

  private:
    sqlite3 *m_db = nullptr;
};

QSqlError failure(int code, sqlite3 *db)
{
    const QString text = db && sqlite3_errcode(db) == code ? QString::fromUtf8(sqlite3_errmsg(db))
                                                           : QString::fromUtf8(sqlite3_errstr(code));
    return QSqlError(QStringLiteral("online backup"), text, QSqlError::ConnectionError, QString::number(code));
}

bool locked(int code)
{
    return code == SQLITE_BUSY || code == SQLITE_LOCKED;
}

const char *const kRollbackJournal = "PRAGMA journal_mode = DELETE";

} // namespace

QSqlError OnlineBackup(const QString &from, const QString &to)
{
    Handle source;
    int code = source.open(from, SQLITE_OPEN_READONLY);
    if (code != SQLITE_OK)
        return failure(code, source.get());
    Handle target;
    code = target.open(to, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    if (code != SQLITE_OK)
        return failure(code, target.get());
    LockWait sourceWait(source.get());
    LockWait targetWait(target.get());
    // A target in write-ahead-log mode would take the copy into its log.
    sqlite3_exec(target.get(), kRollbackJournal, nullptr, nullptr, nullptr);
    sqlite3_backup *backup = sqlite3_backup_init(target.get(), "main", source.get(), "main");
    if (!backup)
        return failure(sqlite3_errcode(target.get()), target.get());
    int step = sqlite3_backup_step(backup, -1);
    while (locked(step) && targetWait.pause())
        step = sqlite3_backup_step(backup, -1);
    sqlite3_backup_finish(backup);
    if (step != SQLITE_DONE)
        return failure(step, target.get());
    // The pages copied carry the journal mode of `from`.
    sqlite3_exec(target.get(), kRollbackJournal, nullptr, nullptr, nullptr);
    return {};
}

} // namespace izoku::store
