#pragma once

#include "engine/basedata/basedata.h"
#include "engine/forms/message.h"
#include "store/databaseconnection.h"
#include "store/location.h"

#include <QList>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

#include <functional>
#include <optional>

class QSqlQuery;

namespace izoku::store {

// The folder the program runs from, with a trailing separator; a folder that
// already ends in one (the root) is kept as it is.
QString AppFolderPath();
QString AppFolderPath(const QString &folder);

// ndata.mdb in that folder.
QString DatabasePath(const QString &folder = AppFolderPath());

// Where a load of the base figures stopped.
enum class LoadResult { Loaded, NoDatabase, NoRow, ReadFailed, NoSuchYear };

struct BaseDataLoad {
    LoadResult result = LoadResult::NoDatabase;
    // The 基礎DATA field that stopped a ReadFailed load, when one did.
    QString field;
    // What the database said when it could not be read.
    QSqlError error;

    bool loaded() const { return result == LoadResult::Loaded; }
};

// Runs `read` on a connection that only reads `path`, and gives the error
// that stopped it (the connection's, when the file could not be opened).
// While another program holds the file locked, the read is tried again, as
// a save is, instead of giving up at once.
using DatabaseRead = std::function<QSqlError(const QSqlDatabase &db)>;
QSqlError ReadDatabase(const QString &path, const DatabaseRead &read);

// The rows of 基礎DATA, newest first: by 年度, the later of two rows of one
// year first.  Each row is "rowid" and then every column.
bool SelectBaseRowsNewestFirst(const QSqlDatabase &db, QSqlQuery &query);

// Reads the row of `fiscalYear` of 基礎DATA, or the newest when none is
// given, into `data`, field by field in the order 年度, スライド率, 基礎年金,
// 加算1, 加算2, 基礎年金昭31前, 従前額改定率.  The last two are absent where
// the row (or the whole file, written before today's law) has none; any
// other field that is missing, not a number or not a figure any year could
// have (engine::SetBaseFigure) stops the load and leaves it and the later
// fields as they were.
BaseDataLoad LoadBaseData(const QSqlDatabase &db, engine::BaseData &data, std::optional<int> fiscalYear = std::nullopt);

// Opens the database for reading, loads the base figures and closes it
// again: the whole of the start-up's part in the data.
BaseDataLoad OpenAndLoadBaseData(const QString &path, engine::BaseData &data,
                                 std::optional<int> fiscalYear = std::nullopt);

// The fiscal years 基礎DATA holds, newest first, each once; nothing when the
// file cannot be read.
std::optional<QList<int>> ReadFiscalYears(const QString &path);

// Reads the figures of the file at `path` again into ProcessBaseData(): after
// a restore, or when another file took ndata.mdb's place.  The figures in
// use stay as they were when the file has none to give.
BaseDataLoad ReloadProcessBaseData(const QString &path);

// What the agent is told, once, when the figures could not be loaded: every
// pension then starts from figures of 0.  Nothing when they were loaded.
// The window names the file it tried (`path`), so the agent knows which.
std::optional<engine::Message> BaseDataWarning(const BaseDataLoad &load, const QString &path = {});

// The process-wide record of the base figures.
engine::BaseData &ProcessBaseData();

} // namespace izoku::store
