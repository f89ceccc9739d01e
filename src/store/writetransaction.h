#pragma once

#include "store/writefailure.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QStringList>

#include <functional>

namespace izoku::store {

// What became of one write: the key of the row written, or the error that
// stopped it and its cause (and then nothing of it was written).
struct WriteOutcome {
    qint64 key = -1;
    QSqlError error;
    WriteFailure failure = WriteFailure::None;

    bool written() const { return failure == WriteFailure::None && key >= 0; }
};

// Runs `work` in one write transaction on the file at `path`, on a
// connection of its own that is closed again before this returns, and
// commits: the row is then in the file itself, with nothing beside it that
// a copy of the file would miss or a copy put in its place would take.  The
// file is first checked to be the one the program opened (WriteRefusal).
// `work` sets the key of the row it wrote and returns its error, if any.
// Another program writing at the same moment is waited for (LockWait).  Any
// failure rolls everything back.
using WriteWork = std::function<QSqlError(const QSqlDatabase &db, qint64 &key)>;
WriteOutcome RunWriteTransaction(const QString &path, const WriteWork &work);

// The table name or column name quoted for hand-written SQL.
QString Quoted(const QSqlDatabase &db, const QString &name);
// Column names quoted and separated by commas.
QString QuotedList(const QSqlDatabase &db, const QStringList &names);

// Whether `table` exists with every one of `columns`.  Asked before reading,
// because SQLite reads a quoted name that is not a column as a text.
bool HasColumns(const QSqlDatabase &db, const QString &table, const QStringList &columns);

} // namespace izoku::store
