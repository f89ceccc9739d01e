#pragma once

#include <QString>

#include <optional>

namespace izoku::store {

// Which file a path names: another file moved or copied to the same name
// (a restored copy, another agent's file) is a different file, even when
// its name, size and date are the same.
struct FileIdentity {
    quint64 device = 0;
    quint64 inode = 0;

    bool operator==(const FileIdentity &) const = default;
};

// The file at `path` now; nothing when there is none.
std::optional<FileIdentity> IdentityOf(const QString &path);

// Whether a write can change the file at `path` in place: the file itself
// and its folder, where the rollback journal of every save is written, both
// writable.  Asked of the disk itself, so that a file made immutable counts
// as read-only for root too.
bool WritableInPlace(const QString &path);

// Whether the file is an SQLite database in write-ahead-log mode, as earlier
// versions of the program left ndata.mdb, from its header alone.
bool InWalMode(const QString &path);

} // namespace izoku::store
