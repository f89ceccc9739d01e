#pragma once

#include "engine/basedata/formloginform.h"
#include "store/writetransaction.h"

#include <QList>
#include <QString>

#include <optional>

// What the maintenance screen reads and writes of 基礎DATA.
namespace izoku::store {

// Every row of the table, newest first (SelectBaseRowsNewestFirst), each
// figure in the plain form the screen shows and empty where the row has
// none; nothing when the file cannot be read.
std::optional<QList<engine::StoredBaseFigures>> ReadBaseFigureRows(const QString &databasePath);

// 変更登録: writes the seven figures into the row `key` in one transaction,
// or into a new row when `key` is -1.  A file written before today's law
// gets the columns of B′ and the 従前額改定率 in the same transaction, once
// one of them is given; until then it keeps its shape.  The outcome holds
// the row's key once it is on the disk.
WriteOutcome StoreBaseFigures(const QString &databasePath, qint64 key, const engine::BaseFigureValues &values);

// 年度削除: removes the row `key` in one transaction, unless it is the only
// row left.
WriteOutcome RemoveBaseFigures(const QString &databasePath, qint64 key);

} // namespace izoku::store
