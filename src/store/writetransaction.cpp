#include "writetransaction.h"

#include "databaseconnection.h"
#include "filecheck.h"
#include "lockwait.h"

#include <QSqlDriver>
#include <QSqlQuery>
#include <QSqlRecord>

namespace izoku::store {

namespace {

QSqlError exec(const QSqlDatabase &db, const QString &sql)
{
    QSqlQuery query(db);
    if (query.exec(sql))
        return {};
    return query.lastError();
}

WriteOutcome refused(WriteFailure failure)
{
    WriteOutcome outcome;
    outcome.failure = failure;
    outcome.error = QSqlError(QStringLiteral("write refused"), QString(), QSqlError::ConnectionError);
    return outcome;
}

} // namespace

WriteOutcome RunWriteTransaction(const QString &path, const WriteWork &work)
{
    if (const WriteFailure refusal = WriteRefusal(path); refusal != WriteFailure::None)
        return refused(refusal);
    LeaveWalMode(path);
    WriteOutcome outcome;
    QSqlError &error = outcome.error;
    {
        const DatabaseConnection connection(path, Access::ReadWrite);
        error = connection.error();
        if (connection.isOpen()) {
            const QSqlDatabase db = connection.database();
            const LockWait wait(db);
            // IMMEDIATE takes the write lock at once, so waiting for another
            // program happens here and never halfway through the rows.
            error = exec(db, QStringLiteral("BEGIN IMMEDIATE"));
            if (!error.isValid()) {
                error = work(db, outcome.key);
                if (!error.isValid())
                    error = exec(db, QStringLiteral("COMMIT"));
                if (error.isValid())
                    exec(db, QStringLiteral("ROLLBACK"));
            }
        }
    }
    outcome.failure = FailureOf(error, path);
    if (outcome.failure == WriteFailure::Damaged)
        NoteDamaged(path);
    if (outcome.failure != WriteFailure::None)
        outcome.key = -1;
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
