#pragma once

#include "engine/forms/message.h"
#include "store/backup.h"
#include "store/writefailure.h"

#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

namespace izoku::store {

// A day's copy the agent may put back, with the households it holds
// (nothing when it cannot be read).
struct RestorableCopy {
    DailyCopy copy;
    std::optional<int> customers;
};

// The day's copies of the database, newest first.
std::vector<RestorableCopy> RestorableCopies(const QString &databasePath);

struct RestoreOutcome {
    enum class Result { Restored, CopyUnusable, CurrentNotSaved, Failed };
    Result result = Result::Failed;
    WriteFailure failure = WriteFailure::None; // why a Failed restore failed
    QString savedCurrent;                      // where the file as it was went
    int customers = 0;                         // the households restored
};

// Puts the day's copy `copy` back as the customers of the file at
// `databasePath`: the copy checked first (quick_check); the file as it is
// copied to backup/ndata-before-restore-YYYYMMDD-HHMMSS.mdb (at `now`), so a
// restore of the wrong day is undone the same way; then the copy written
// into the file with SQLite's online backup, under the file's own locks and
// journal, never by copying files, so nothing left beside the file (the
// journal of a save cut short) is ever applied to the copy; then the file
// checked again and taken as the program's file, its base figures read
// into ProcessBaseData().  Any failure before the last step leaves the
// file as it was.
RestoreOutcome RestoreCopy(const QString &databasePath, const DailyCopy &copy, const QDateTime &now);

// Asked before a restore, with a warning icon: the customers saved since
// that day leave the file (they stay in the copy of the file as it was).
engine::Message RestoreQuestion(const DailyCopy &copy);
// What came of it.
engine::Message RestoreOutcomeMessage(const RestoreOutcome &outcome, const DailyCopy &copy,
                                      const QString &databasePath);
// There is nothing to restore.
engine::Message NoCopiesMessage(const QString &databasePath);

} // namespace izoku::store
