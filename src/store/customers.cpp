#include "customers.h"

#include "columns.h"
#include "customertable.h"
#include "databaseconnection.h"
#include "writetransaction.h"

#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

namespace izoku::store {

namespace {

QString customerTable(const QSqlDatabase &db)
{
    return Quoted(db, CustomerTable());
}

void BindFields(QSqlQuery &query, const engine::CustomerRecord &record)
{
    for (const QString &text : SavedCustomerTexts(record))
        // An empty field is stored as empty text, not as a missing value.
        query.addBindValue(text.isNull() ? QStringLiteral("") : text);
}

// Runs a statement on one row by key; no row touched is an error.
QSqlError ExecOnRow(QSqlQuery &query, qint64 key)
{
    query.addBindValue(key);
    if (!query.exec())
        return query.lastError();
    if (query.numRowsAffected() != 1)
        return QSqlError(QString(), QStringLiteral("%1 has no row %2").arg(CustomerTable()).arg(key),
                         QSqlError::StatementError);
    return QSqlError();
}

} // namespace

WriteOutcome SaveCustomerRecord(const QString &databasePath, const engine::CustomerRecord &record)
{
    return RunWriteTransaction(databasePath, [&record](const QSqlDatabase &db, qint64 &key) {
        if (const QSqlError added = AddMissingCustomerColumns(db); added.isValid())
            return added;
        const QStringList &columns = SavedCustomerColumns();
        QSqlQuery insert(db);
        const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                .arg(customerTable(db), QuotedList(db, columns),
                                     QStringList(columns.size(), QStringLiteral("?")).join(u','));
        if (!insert.prepare(sql))
            return insert.lastError();
        BindFields(insert, record);
        if (!insert.exec())
            return insert.lastError();
        key = insert.lastInsertId().toLongLong();
        return QSqlError();
    });
}

std::optional<engine::CustomerRecord> ReadCustomerRecord(const QString &databasePath, qint64 key)
{
    const DatabaseConnection connection(databasePath, Access::ReadOnly);
    if (!connection.isOpen())
        return std::nullopt;
    const QSqlDatabase db = connection.database();
    const std::optional<QString> fields = CustomerFields(db);
    if (!fields)
        return std::nullopt;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?").arg(*fields, customerTable(db))))
        return std::nullopt;
    query.addBindValue(key);
    if (!query.exec() || !query.next())
        return std::nullopt;
    QStringList texts;
    for (int c = 0; c < CustomerColumns().size(); ++c)
        texts << query.value(c).toString();
    return CustomerRecordOfRow(texts);
}

WriteOutcome OverwriteCustomerRecord(const QString &databasePath, qint64 key, const engine::CustomerRecord &record)
{
    return RunWriteTransaction(databasePath, [&record, key](const QSqlDatabase &db, qint64 &written) {
        if (const QSqlError added = AddMissingCustomerColumns(db); added.isValid())
            return added;
        QStringList sets;
        for (const QString &column : SavedCustomerColumns())
            sets << Quoted(db, column) + QStringLiteral(" = ?");
        QSqlQuery update(db);
        if (!update.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?").arg(customerTable(db), sets.join(u','))))
            return update.lastError();
        BindFields(update, record);
        const QSqlError error = ExecOnRow(update, key);
        if (!error.isValid())
            written = key;
        return error;
    });
}

WriteOutcome DeleteCustomerRecord(const QString &databasePath, qint64 key)
{
    return RunWriteTransaction(databasePath, [key](const QSqlDatabase &db, qint64 &removed) {
        QSqlQuery remove(db);
        if (!remove.prepare(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(customerTable(db))))
            return remove.lastError();
        const QSqlError error = ExecOnRow(remove, key);
        if (!error.isValid())
            removed = key;
        return error;
    });
}

} // namespace izoku::store
