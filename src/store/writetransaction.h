#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QStringList>

#include <functional>

namespace izoku::store {

// What became of one write: the key of the row written, or the error that
// stopped it (and then nothing of it was written).
struct WriteOutcome {
    qint64 key = -1;
    QSqlError error;

    bool written() const { return !error.isValid() && key >= 0; }
};

// Another program holding the write lock is waited for by the connection's
// busy timeout on each try, and the work is tried this many times before it
// is given up.
inline constexpr int kTriesWhileLocked = 3;

// Whether `error` says another program holds the file locked.
bool IsLocked(const QSqlError &error);

// Runs `work` in one write transaction on the file at `path`, on a
// connection of its own, and commits.  `work` sets the key of the row it
// wrote and returns its error, if any.  Another program writing at the same
// moment is waited for, and the whole transaction is tried again while the
// file stays locked, a few seconds at most.  Any failure rolls everything
// back.
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
