#include "writetransaction.h"

#include "databaseconnection.h"

#include <QCoreApplication>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QThread>

#include <memory>
#include <utility>

namespace izoku::store {

namespace {

QSqlError exec(const QSqlDatabase &db, const QString &sql)
{
    QSqlQuery query(db);
    if (query.exec(sql))
        return {};
    return query.lastError();
}

// The connection of the last write stays open until the next write has its
// own, the way the needs-analysis screen kept its record set between saves.
// Closing the last connection to the file folds the log back into it, and
// those disk flushes on every save are time the agent would sit waiting.
DatabaseConnection *&keptConnection()
{
    static DatabaseConnection *kept = nullptr;
    return kept;
}

void releaseKeptConnection()
{
    delete std::exchange(keptConnection(), nullptr);
}

void keep(std::unique_ptr<DatabaseConnection> connection)
{
    static const bool releasedAtExit = [] {
        qAddPostRoutine(releaseKeptConnection);
        return true;
    }();
    Q_UNUSED(releasedAtExit);
    // The newer connection is open before the older one closes.
    delete std::exchange(keptConnection(), connection.release());
}

} // namespace

// SQLITE_BUSY and SQLITE_LOCKED, with or without their extended codes.
bool IsLocked(const QSqlError &error)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok) & 0xff;
    return ok && (code == 5 || code == 6);
}

WriteOutcome RunWriteTransaction(const QString &path, const WriteWork &work)
{
    WriteOutcome outcome;
    QSqlError &error = outcome.error;
    for (int attempt = 0; attempt < kTriesWhileLocked; ++attempt) {
        if (attempt > 0)
            QThread::msleep(20 * attempt);
        auto connection = std::make_unique<DatabaseConnection>(path, Access::ReadWrite);
        if (!connection->isOpen()) {
            error = connection->error();
            return outcome;
        }
        const QSqlDatabase db = connection->database();
        // The shipped file is already in WAL mode; a file from elsewhere is
        // switched when nobody else has it open, and is safe with its
        // rollback journal until then.
        exec(db, QStringLiteral("PRAGMA journal_mode = WAL"));
        // IMMEDIATE takes the write lock at once, so waiting for another
        // program happens here, under the busy timeout, and never halfway
        // through the rows.
        error = exec(db, QStringLiteral("BEGIN IMMEDIATE"));
        if (!error.isValid()) {
            error = work(db, outcome.key);
            if (!error.isValid())
                error = exec(db, QStringLiteral("COMMIT"));
            if (!error.isValid()) {
                keep(std::move(connection));
                return outcome;
            }
            exec(db, QStringLiteral("ROLLBACK"));
        }
        outcome.key = -1;
        if (!IsLocked(error))
            return outcome;
    }
    return outcome;
}

QString Quoted(const QSqlDatabase &db, const QString &name)
{
    return db.driver()->escapeIdentifier(name, QSqlDriver::FieldName);
}

QString QuotedList(const QSqlDatabase &db, const QStringList &names)
{
    QStringList quoted;
    for (const QString &name : names)
        quoted << Quoted(db, name);
    return quoted.join(u',');
}

bool HasColumns(const QSqlDatabase &db, const QString &table, const QStringList &columns)
{
    const QSqlRecord record = db.record(table);
    for (const QString &column : columns) {
        if (!record.contains(column))
            return false;
    }
    return true;
}

} // namespace izoku::store
