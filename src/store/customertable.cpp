#include "customertable.h"

#include "columns.h"
#include "writetransaction.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace izoku::store {

std::optional<QString> CustomerFields(const QSqlDatabase &db)
{
    const QSqlRecord table = db.record(CustomerTable());
    QStringList fields;
    for (const QString &column : CustomerColumns()) {
        if (table.contains(column))
            fields << Quoted(db, column);
        else if (AddedCustomerColumns().contains(column))
            fields << QStringLiteral("NULL");
        else
            return std::nullopt;
    }
    return fields.join(u',');
}

QSqlError AddMissingCustomerColumns(const QSqlDatabase &db)
{
    const QSqlRecord table = db.record(CustomerTable());
    for (const QString &column : AddedCustomerColumns()) {
        if (table.contains(column))
            continue;
        QSqlQuery add(db);
        if (!add.exec(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 TEXT")
                          .arg(Quoted(db, CustomerTable()), Quoted(db, column))))
            return add.lastError();
    }
    return {};
}

} // namespace izoku::store
