#include "basefigures.h"

#include "columns.h"
#include "database.h"

#include "engine/text/numbertext.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QVariant>

namespace izoku::store {

namespace {

QString baseTable(const QSqlDatabase &db)
{
    return Quoted(db, BaseTable());
}

// A stored number in the plain form of every number field; anything else as
// it is stored, so the agent sees what is wrong.
QString figureText(const QVariant &value)
{
    if (value.isNull())
        return {};
    bool ok = false;
    const double number = value.toDouble(&ok);
    return ok ? engine::PlainNumber(number) : value.toString();
}

// The five columns every row has.
QStringList everyYearColumns()
{
    QStringList columns;
    for (int slot = 0; slot < engine::kBaseFigureCount; ++slot) {
        if (engine::EveryYearHas(engine::kBaseFigures[slot]))
            columns << BaseFigureColumns()[slot];
    }
    return columns;
}

QSqlError failure(const QString &what)
{
    return QSqlError(BaseTable() + u' ' + what, QString(), QSqlError::TransactionError);
}

// The columns to write and the values bound to them, in that order.  A
// column of today's law that the file lacks is added once it has a value to
// hold, and left out while it has none.
struct Assignment {
    QStringList columns;
    QVariantList values;
};

QSqlError assign(const QSqlDatabase &db, const engine::BaseFigureValues &values, Assignment &assignment)
{
    for (int slot = 0; slot < engine::kBaseFigureCount; ++slot) {
        const QString &column = BaseFigureColumns()[slot];
        const std::optional<double> &value = values[static_cast<size_t>(slot)];
        if (!engine::EveryYearHas(engine::kBaseFigures[slot]) && !HasColumns(db, BaseTable(), {column})) {
            if (!value)
                continue;
            QSqlQuery add(db);
            if (!add.exec(
                    QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 NUMERIC").arg(baseTable(db), Quoted(db, column))))
                return add.lastError();
        }
        assignment.columns << column;
        assignment.values << (value ? QVariant(*value) : QVariant(QMetaType::fromType<double>()));
    }
    return {};
}

} // namespace

std::optional<QList<engine::StoredBaseFigures>> ReadBaseFigureRows(const QString &databasePath)
{
    QList<engine::StoredBaseFigures> rows;
    bool read = false;
    const QSqlError error = ReadDatabase(databasePath, [&](const QSqlDatabase &db) {
        rows.clear();
        QSqlQuery query(db);
        read = HasColumns(db, BaseTable(), everyYearColumns()) && SelectBaseRowsNewestFirst(db, query);
        while (read && query.next()) {
            const QSqlRecord record = query.record();
            engine::StoredBaseFigures row;
            row.key = query.value(0).toLongLong();
            for (int slot = 0; slot < engine::kBaseFigureCount; ++slot)
                row.texts[static_cast<size_t>(slot)] = figureText(record.value(BaseFigureColumns()[slot]));
            rows.append(row);
        }
        return query.lastError();
    });
    if (!read || error.isValid())
        return std::nullopt;
    return rows;
}

WriteOutcome StoreBaseFigures(const QString &databasePath, qint64 key, const engine::BaseFigureValues &values)
{
    return RunWriteTransaction(databasePath, [key, &values](const QSqlDatabase &db, qint64 &written) {
        Assignment assignment;
        if (const QSqlError error = assign(db, values, assignment); error.isValid())
            return error;
        QString sql;
        if (key < 0) {
            const QStringList marks(assignment.columns.size(), QStringLiteral("?"));
            sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(baseTable(db), QuotedList(db, assignment.columns), marks.join(u','));
        } else {
            QStringList assignments;
            for (const QString &name : assignment.columns)
                assignments << Quoted(db, name) + QStringLiteral(" = ?");
            sql = QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?").arg(baseTable(db), assignments.join(u','));
        }
        QSqlQuery query(db);
        if (!query.prepare(sql))
            return query.lastError();
        for (const QVariant &value : assignment.values)
            query.addBindValue(value);
        if (key >= 0)
            query.addBindValue(key);
        if (!query.exec())
            return query.lastError();
        // The row shown was deleted by someone else meanwhile: nothing was
        // stored, and the agent must hear so.
        if (query.numRowsAffected() != 1)
            return failure(QStringLiteral("row gone"));
        written = key < 0 ? query.lastInsertId().toLongLong() : key;
        return QSqlError();
    });
}

WriteOutcome RemoveBaseFigures(const QString &databasePath, qint64 key)
{
    return RunWriteTransaction(databasePath, [key](const QSqlDatabase &db, qint64 &removed) {
        QSqlQuery query(db);
        if (!query.exec(QStringLiteral("SELECT COUNT(*) FROM %1").arg(baseTable(db))) || !query.next())
            return query.lastError();
        // Counted inside the transaction, so that no other program can
        // remove the other row meanwhile.
        if (query.value(0).toLongLong() < 2)
            return failure(QStringLiteral("last row"));
        query.finish();
        if (!query.prepare(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(baseTable(db))))
            return query.lastError();
        query.addBindValue(key);
        if (!query.exec())
            return query.lastError();
        if (query.numRowsAffected() != 1)
            return failure(QStringLiteral("row gone"));
        removed = key;
        return QSqlError();
    });
}

} // namespace izoku::store
