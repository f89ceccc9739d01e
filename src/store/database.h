#pragma once

#include "engine/basedata/basedata.h"
#include "store/location.h"

#include <QSqlDatabase>
#include <QString>

namespace izoku::store {

// The folder the program runs from, with a trailing separator; a folder that
// already ends in one (the root) is kept as it is.
QString AppFolderPath();
QString AppFolderPath(const QString &folder);

// ndata.mdb in that folder.
QString DatabasePath(const QString &folder = AppFolderPath());

// One connection to ndata.mdb, owned by whoever opened it and closed when it
// goes out of scope.  Every user of the database opens its own.
class DatabaseConnection {
  public:
    // Opens the database file at `path`.  A missing file is not created: the
    // connection then stays closed and isOpen() says so.
    explicit DatabaseConnection(const QString &path = DatabaseInUse());
    ~DatabaseConnection();
    DatabaseConnection(const DatabaseConnection &) = delete;
    DatabaseConnection &operator=(const DatabaseConnection &) = delete;

    bool isOpen() const;
    QSqlDatabase database() const;
    QString name() const { return m_name; }

  private:
    QString m_name;
};

// Where a start-up load of the base figures stopped.
enum class LoadResult { Loaded, NoDatabase, NoRow, ReadFailed };

// Reads the newest row of 基礎DATA into `data`, field by field in the order
// 年度, スライド率, 基礎年金, 加算1, 加算2; a field that fails stops the load and
// leaves it and the later fields as they were.
LoadResult LoadBaseData(const QSqlDatabase &db, engine::BaseData &data);

// Opens the database, loads the base figures and closes it again: the whole
// of the start-up's part in the data.
LoadResult OpenAndLoadBaseData(const QString &path, engine::BaseData &data);

// The process-wide record of the base figures.
engine::BaseData &ProcessBaseData();

} // namespace izoku::store
