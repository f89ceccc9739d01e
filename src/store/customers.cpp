#include "customers.h"

#include "databaseconnection.h"
#include "writetransaction.h"

#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

namespace izoku::store {

QString CustomerTable(const QSqlDatabase &db)
{
    return Quoted(db, QStringLiteral("顧客資料"));
}

namespace {

QStringList ColumnsOf(const engine::CustomerRecord &record)
{
    QStringList columns;
    for (const engine::CustomerField &field : record)
        columns << field.name;
    return columns;
}

void BindFields(QSqlQuery &query, const engine::CustomerRecord &record)
{
    for (const engine::CustomerField &field : record)
        // An empty field is stored as empty text, not as a missing value.
        query.addBindValue(field.text.isNull() ? QStringLiteral("") : field.text);
}

// Runs a statement on one row by key; no row touched is an error.
QSqlError ExecOnRow(QSqlQuery &query, qint64 key)
{
    query.addBindValue(key);
    if (!query.exec())
        return query.lastError();
    if (query.numRowsAffected() != 1)
        return QSqlError(QString(), QStringLiteral("顧客資料 has no row %1").arg(key), QSqlError::StatementError);
    return QSqlError();
}

} // namespace

WriteOutcome SaveCustomerRecord(const QString &databasePath, const engine::CustomerRecord &record)
{
    return RunWriteTransaction(databasePath, [&record](const QSqlDatabase &db, qint64 &key) {
        const QStringList columns = ColumnsOf(record);
        QSqlQuery insert(db);
        const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                .arg(CustomerTable(db), QuotedList(db, columns),
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
    const QStringList &columns = engine::CustomerColumns();
    if (!HasColumns(db, QStringLiteral("顧客資料"), columns))
        return std::nullopt;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(
            QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?").arg(QuotedList(db, columns), CustomerTable(db))))
        return std::nullopt;
    query.addBindValue(key);
    if (!query.exec() || !query.next())
        return std::nullopt;
    engine::CustomerRecord record;
    record.reserve(static_cast<size_t>(columns.size()));
    for (int c = 0; c < columns.size(); ++c)
        record.push_back({columns[c], query.value(c).toString()});
    return record;
}

WriteOutcome OverwriteCustomerRecord(const QString &databasePath, qint64 key, const engine::CustomerRecord &record)
{
    return RunWriteTransaction(databasePath, [&record, key](const QSqlDatabase &db, qint64 &written) {
        QStringList sets;
        for (const QString &column : ColumnsOf(record))
            sets << Quoted(db, column) + QStringLiteral(" = ?");
        QSqlQuery update(db);
        if (!update.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?").arg(CustomerTable(db), sets.join(u','))))
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
        if (!remove.prepare(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(CustomerTable(db))))
            return remove.lastError();
        const QSqlError error = ExecOnRow(remove, key);
        if (!error.isValid())
            removed = key;
        return error;
    });
}

} // namespace izoku::store
