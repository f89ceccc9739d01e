#include "basefigures.h"

#include "columns.h"
#include "databaseconnection.h"
#include "writetransaction.h"

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

} // namespace

std::optional<StoredBaseFigures> ReadNewestBaseFigures(const QString &databasePath)
{
    const DatabaseConnection connection(databasePath, Access::ReadOnly);
    if (!connection.isOpen())
        return std::nullopt;
    const QSqlDatabase db = connection.database();
    if (!HasColumns(db, BaseTable(), BaseFigureColumns()))
        return std::nullopt;
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT rowid, %1 FROM %2 ORDER BY rowid DESC LIMIT 1")
                        .arg(QuotedList(db, BaseFigureColumns()), baseTable(db))))
        return std::nullopt;
    StoredBaseFigures figures;
    if (query.next()) {
        figures.key = query.value(0).toLongLong();
        for (int slot = 0; slot < engine::kBaseFigureCount; ++slot)
            figures.texts[static_cast<size_t>(slot)] = figureText(query.value(slot + 1));
    }
    return figures;
}

WriteOutcome StoreBaseFigures(const QString &databasePath, qint64 key, const engine::BaseFigureValues &values)
{
    return RunWriteTransaction(databasePath, [key, &values](const QSqlDatabase &db, qint64 &written) {
        QSqlQuery query(db);
        QString sql;
        if (key < 0) {
            sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (?,?,?,?,?)")
                      .arg(baseTable(db), QuotedList(db, BaseFigureColumns()));
        } else {
            QStringList assignments;
            for (const QString &name : BaseFigureColumns())
                assignments << Quoted(db, name) + QStringLiteral(" = ?");
            sql = QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?").arg(baseTable(db), assignments.join(u','));
        }
        if (!query.prepare(sql))
            return query.lastError();
        for (double value : values)
            query.addBindValue(value);
        if (key >= 0)
            query.addBindValue(key);
        if (!query.exec())
            return query.lastError();
        // The row shown was deleted by someone else meanwhile: nothing was
        // stored, and the agent must hear so.
        if (query.numRowsAffected() != 1)
            return QSqlError(BaseTable() + QStringLiteral(" row gone"), QString(), QSqlError::TransactionError);
        written = key < 0 ? query.lastInsertId().toLongLong() : key;
        return QSqlError();
    });
}

} // namespace izoku::store
