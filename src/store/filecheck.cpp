#include "filecheck.h"

#include "database.h"
#include "databaseconnection.h"
#include "lockwait.h"

#include <QFileInfo>
#include <QHash>
#include <QSqlQuery>
#include <QVariant>

#include <sqlite3.h>

namespace izoku::store {

namespace {

// The program's file as last checked, by its absolute path.
struct Remembered {
    std::optional<FileIdentity> identity;
    bool damaged = false;
};

QHash<QString, Remembered> &remembered()
{
    static QHash<QString, Remembered> files;
    return files;
}

QString keyOf(const QString &path)
{
    return QFileInfo(path).absoluteFilePath();
}

PageCheck checkOfError(const QSqlError &error)
{
    switch (SqliteCode(error)) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return PageCheck::Locked;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return PageCheck::Damaged;
    default:
        return PageCheck::Unreadable;
    }
}

FileCondition conditionOf(PageCheck pages, bool writable)
{
    switch (pages) {
    case PageCheck::Sound:
        return writable ? FileCondition::Sound : FileCondition::ReadOnly;
    case PageCheck::Damaged:
        return FileCondition::Damaged;
    case PageCheck::Locked:
        return FileCondition::Locked;
    case PageCheck::Unreadable:
        break;
    }
    return FileCondition::Unreadable;
}

} // namespace

PageCheck QuickCheck(const QSqlDatabase &db)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("PRAGMA quick_check")) || !query.next())
        return checkOfError(query.lastError());
    return query.value(0).toString() == QLatin1String("ok") ? PageCheck::Sound : PageCheck::Damaged;
}

void LeaveWalMode(const QString &path)
{
    if (!InWalMode(path))
        return;
    const DatabaseConnection connection(path, Access::ReadWrite);
    QSqlQuery query(connection.database());
    // Another program with the file open keeps it in its mode: no waiting
    // for it here, the write goes on in the log as before.
    query.exec(QStringLiteral("PRAGMA busy_timeout = 0"));
    query.exec(QStringLiteral("PRAGMA journal_mode = DELETE"));
}

FileCheck CheckDatabaseFile(const QString &path)
{
    FileCheck check;
    if (QFileInfo(path).isFile()) {
        check.identity = IdentityOf(path);
        const bool writable = WritableInPlace(path);
        if (writable)
            LeaveWalMode(path);
        const DatabaseConnection connection(path, writable ? Access::ReadWrite : Access::ReadOnly);
        PageCheck pages = checkOfError(connection.error());
        if (connection.isOpen()) {
            const LockWait wait(connection.database());
            pages = QuickCheck(connection.database());
        }
        check.condition = conditionOf(pages, writable);
    }
    remembered().insert(keyOf(path), {check.identity, check.condition == FileCondition::Damaged});
    return check;
}

WriteFailure WriteRefusal(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return WriteFailure::Missing;
    if (!WritableInPlace(path))
        return WriteFailure::ReadOnly;
    const auto found = remembered().find(keyOf(path));
    if (found == remembered().end())
        return WriteFailure::None;
    const std::optional<FileIdentity> now = IdentityOf(path);
    // A file that was missing when checked and is there now (a stick put
    // back) is the program's file from here on.
    if (!found->identity) {
        found->identity = now;
        return WriteFailure::None;
    }
    if (now != found->identity) {
        CheckDatabaseFile(path);
        ReloadProcessBaseData(path);
        return WriteFailure::Replaced;
    }
    if (found->damaged && CheckDatabaseFile(path).condition == FileCondition::Damaged)
        return WriteFailure::Damaged;
    return WriteFailure::None;
}

void NoteDamaged(const QString &path)
{
    remembered()[keyOf(path)].damaged = true;
}

} // namespace izoku::store
