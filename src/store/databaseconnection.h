#pragma once

#include "store/location.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

namespace izoku::store {

// How a connection may use the file.
enum class Access {
    // Writing, each commit fully synchronised, so a row is on the disk once
    // its commit returns.
    ReadWrite,
    // Reading only, and leaving the folder as it was: no -wal or -shm file
    // is created, so the base figures are read alike from a folder the user
    // cannot write (an installed program) and from his own.
    ReadOnly,
};

// One connection to ndata.mdb, owned by whoever opened it and closed when it
// goes out of scope.  Every user of the database opens its own.
class DatabaseConnection {
  public:
    // Opens the database file at `path`.  A missing file is not created: the
    // connection then stays closed, isOpen() says so and error() says why.
    explicit DatabaseConnection(const QString &path = DatabaseInUse(), Access access = Access::ReadWrite);
    ~DatabaseConnection();
    DatabaseConnection(const DatabaseConnection &) = delete;
    DatabaseConnection &operator=(const DatabaseConnection &) = delete;

    bool isOpen() const;
    QSqlDatabase database() const;
    QString name() const { return m_name; }
    // Why the connection is closed.
    QSqlError error() const { return m_error; }

  private:
    void openReadOnly(const QString &path);
    void openReadWrite(const QString &path);

    QString m_name;
    QSqlError m_error;
};

} // namespace izoku::store
