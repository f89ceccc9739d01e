#pragma once

#include <QSqlError>
#include <QString>

namespace izoku::store {

// Writes every page of the database at `from` into the database at `to`
// with SQLite's online backup, in one step under one read lock of `from`, so
// the result is `from` as of one moment, whole saves only.  `to` is created
// when missing; an existing `to` is written under its own locks and journal,
// so that a reader of it never sees half of each.  The result keeps a
// rollback journal, never a log of its own to lose.  Either program holding
// its file is waited for as a save waits.  The error, with SQLite's code,
// when it failed.
QSqlError OnlineBackup(const QString &from, const QString &to);

} // namespace izoku::store
