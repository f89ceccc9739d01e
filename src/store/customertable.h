#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

#include <optional>

// 顧客資料 as a file of any version holds it.
namespace izoku::store {

// The fields of CustomerColumns() to select on `db`, in that order: a column
// a later version added that the file does not have yet reads as empty, so
// its households read as they always did.  Nothing when the table lacks a
// column of the first version: such a table is not a customer table.
std::optional<QString> CustomerFields(const QSqlDatabase &db);

// Adds to 顧客資料 the columns of later versions that the file lacks.  Run
// inside a save's transaction, so a save that fails adds nothing.
QSqlError AddMissingCustomerColumns(const QSqlDatabase &db);

} // namespace izoku::store
