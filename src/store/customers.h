#pragma once

#include "engine/needs/customerrecord.h"
#include "store/fileconnection.h"

#include <QString>

namespace izoku::store {

// Appends one household to 顧客資料 of the file at `databasePath`: every
// field bound as a value, the row written in one transaction and on the disk
// when this returns.  A missing, read-only, locked, full or damaged file is
// a failed save, never a silent one.  The outcome holds the new row's key.
WriteOutcome SaveCustomerRecord(const QString &databasePath, const engine::CustomerRecord &record);

// The customer table's name quoted for hand-written SQL.
QString CustomerTable(const QSqlDatabase &db);

} // namespace izoku::store
