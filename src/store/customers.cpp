#include "customers.h"

#include "fileconnection.h"

#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

namespace izoku::store {

QString CustomerTable(const QSqlDatabase &db)
{
    return Quoted(db, QStringLiteral("顧客資料"));
}

WriteOutcome SaveCustomerRecord(const QString &databasePath, const engine::CustomerRecord &record)
{
    return RunWriteTransaction(databasePath, [&record](const QSqlDatabase &db, qint64 &key) {
        QStringList columns;
        for (const engine::CustomerField &field : record)
            columns << field.name;
        QSqlQuery insert(db);
        const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                .arg(CustomerTable(db), QuotedList(db, columns),
                                     QStringList(columns.size(), QStringLiteral("?")).join(u','));
        if (!insert.prepare(sql))
            return insert.lastError();
        for (const engine::CustomerField &field : record)
            // An empty field is stored as empty text, not as a missing value.
            insert.addBindValue(field.text.isNull() ? QStringLiteral("") : field.text);
        if (!insert.exec())
            return insert.lastError();
        key = insert.lastInsertId().toLongLong();
        return QSqlError();
    });
}

} // namespace izoku::store
