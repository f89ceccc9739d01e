#pragma once

#include "engine/basedata/basedata.h"
#include "engine/forms/message.h"
#include "store/databaseconnection.h"
#include "store/location.h"

#include <QSqlDatabase>
#include <QString>

#include <optional>

namespace izoku::store {

// The folder the program runs from, with a trailing separator; a folder that
// already ends in one (the root) is kept as it is.
QString AppFolderPath();
QString AppFolderPath(const QString &folder);

// ndata.mdb in that folder.
QString DatabasePath(const QString &folder = AppFolderPath());

// Where a start-up load of the base figures stopped.
enum class LoadResult { Loaded, NoDatabase, NoRow, ReadFailed };

struct BaseDataLoad {
    LoadResult result = LoadResult::NoDatabase;
    // The 基礎DATA field that stopped a ReadFailed load, when one did.
    QString field;

    bool loaded() const { return result == LoadResult::Loaded; }
};

// Reads the newest row of 基礎DATA into `data`, field by field in the order
// 年度, スライド率, 基礎年金, 加算1, 加算2; a field that is missing, not a
// number or not a figure any year could have (engine::SetBaseFigure) stops
// the load and leaves it and the later fields as they were.
BaseDataLoad LoadBaseData(const QSqlDatabase &db, engine::BaseData &data);

// Opens the database for reading, loads the base figures and closes it
// again: the whole of the start-up's part in the data.
BaseDataLoad OpenAndLoadBaseData(const QString &path, engine::BaseData &data);

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
