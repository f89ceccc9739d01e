#pragma once

#include "engine/forms/message.h"

#include <QSqlError>
#include <QString>

namespace izoku::store {

// Why a write to ndata.mdb did not reach the disk, in the terms the agent
// can act on: each cause asks for something else (restore a copy, make the
// file writable, wait for a colleague, free the disk, find the file).
enum class WriteFailure {
    None,
    Damaged,  // the file is damaged inside
    ReadOnly, // the file or its folder cannot be written
    Locked,   // another program kept the file past the wait
    DiskFull, // no room left on the disk
    Missing,  // the file is gone (moved, deleted, a stick pulled out)
    Replaced, // another file now has its name
    Other,
};

// What the write was, for the wording of its failure.
enum class WriteKind { Save, Register, Delete, Restore };

// SQLite's primary result code in `error`, -1 when it holds none.
int SqliteCode(const QSqlError &error);

// The cause of `error` on the file at `path`: SQLite's own code where it
// names one, else what the disk shows.
WriteFailure FailureOf(const QSqlError &error, const QString &path);

// The one message of a failed write, by cause, for every window that
// writes: 保 存, 変更登録, 削除 and the restore.  A damaged file names the
// newest sound copy to restore.
engine::Message WriteFailedMessage(WriteFailure failure, WriteKind kind, const QString &databasePath);

// Said at start-up and before every refused save of a damaged file.
engine::Message DamagedFileMessage(const QString &databasePath);

// Said at start-up, before the agent types a household that could not be
// saved.
engine::Message ReadOnlyFileMessage();

} // namespace izoku::store
