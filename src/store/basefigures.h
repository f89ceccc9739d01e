#pragma once

#include "engine/basedata/basefigures.h"
#include "store/writetransaction.h"

#include <QString>

#include <optional>

namespace izoku::store {

// The row of 基礎DATA the maintenance screen shows and rewrites: the newest,
// the one start-up loads, so that a change is the change the calculations
// use.  `key` is -1 when the table holds no row yet.
struct StoredBaseFigures {
    qint64 key = -1;
    engine::BaseFigureTexts texts;
};

// Reads that row, each figure in the plain form the screen shows; nothing
// when the file cannot be read.
std::optional<StoredBaseFigures> ReadNewestBaseFigures(const QString &databasePath);

// 変更登録: writes the five figures into the row `key` in one transaction,
// or into a new row when the table had none.  The outcome holds the row's
// key once it is on the disk.
WriteOutcome StoreBaseFigures(const QString &databasePath, qint64 key, const engine::BaseFigureValues &values);

} // namespace izoku::store
