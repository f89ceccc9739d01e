#pragma once

#include "store/fileondisk.h"
#include "store/writefailure.h"

#include <QSqlDatabase>
#include <QString>

#include <optional>

namespace izoku::store {

// What SQLite's quick_check says of a database: every page and index read
// through, without comparing the indexes' contents.
enum class PageCheck { Sound, Damaged, Locked, Unreadable };
PageCheck QuickCheck(const QSqlDatabase &db);

// A file in write-ahead-log mode, as earlier versions left ndata.mdb, goes
// over to a rollback journal: the log's saves folded into the file first, so
// none is lost, then the log removed, so that the file alone holds the
// customers, whoever copies it.  Done on a connection of its own before any
// other of this program opens the file, and only when no other program has
// it open; otherwise the file stays as it is until the next write.
void LeaveWalMode(const QString &path);

// How the program found its file.
enum class FileCondition { Sound, Missing, Damaged, ReadOnly, Locked, Unreadable };

struct FileCheck {
    FileCondition condition = FileCondition::Missing;
    std::optional<FileIdentity> identity;
};

// Opens ndata.mdb as the writer it will be (reading only when it cannot be
// written), so that a save cut short by a crash is rolled back and a log of
// an earlier version is folded in, and runs quick_check.  The program then
// remembers the file and its condition: every write checks that the file is
// still this one and refuses a damaged one.
FileCheck CheckDatabaseFile(const QString &path);

// Asked before every write: None when the write may go ahead.  A file
// another has replaced since the program checked it is refused once,
// checked and taken as the program's file from then on, with the base
// figures read from it again, so that no key read from the old file is
// written into the new one.  A damaged file is checked again, so a file
// repaired outside the program can be saved to.
WriteFailure WriteRefusal(const QString &path);

// A write found the file damaged: later writes are refused until a check
// finds it sound.
void NoteDamaged(const QString &path);

} // namespace izoku::store
