#pragma once

#include "engine/needs/customerrecord.h"
#include "store/writetransaction.h"

#include <QString>

#include <optional>

namespace izoku::store {

// Appends one household to 顧客資料 of the file at `databasePath`: every
// field bound as a value, the row written in one transaction and on the disk
// when this returns.  A missing, read-only, locked, full or damaged file is
// a failed save, never a silent one.  The outcome holds the new row's key.
WriteOutcome SaveCustomerRecord(const QString &databasePath, const engine::CustomerRecord &record);

// One saved household of the file at `databasePath` by its key, every
// field as stored; nothing when the row is gone or the file cannot be read.
std::optional<engine::CustomerRecord> ReadCustomerRecord(const QString &databasePath, qint64 key);

// Saves a household again over the row it was reopened from: the row's
// fields and date replaced in one transaction.  A row removed meanwhile is
// a failed save, so the agent can save the household as a new one.
WriteOutcome OverwriteCustomerRecord(const QString &databasePath, qint64 key, const engine::CustomerRecord &record);

// Removes one saved household in one transaction; a row already gone is a
// failure, so the list never claims to have removed what it did not.
WriteOutcome DeleteCustomerRecord(const QString &databasePath, qint64 key);

} // namespace izoku::store
