#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace izoku::store {

// The places ndata.mdb may be, in the order they are tried.
struct DatabasePlaces {
    QString given;          // --database PATH; empty when not given
    QString programFolder;  // the folder the program runs from
    QString userDataFolder; // the user's own data folder
    QString seed;           // the ndata.mdb the package ships, with the figures of 2009 and 2024 to 2026
};

// The places on this machine: the program's folder, the user's data folder by
// Qt's standard locations (~/.local/share/izoku-planner), and the seed the
// package installs beside the programs' share folder.
DatabasePlaces StandardPlaces(const QString &given);

// The file the program uses: the given path; else ndata.mdb in the program's
// folder when there is one (a portable copy, or the build folder); else
// ndata.mdb in the user's data folder.  Looks at the disk, changes nothing.
QString LocateDatabase(const DatabasePlaces &places);

// LocateDatabase, and on a user's first start a copy of the seed in the data
// folder, readable by that user alone since it will hold the customers.  A
// file already there is never replaced; a seed that cannot be copied leaves
// the path as it is, for the missing-file warning to name.
QString PrepareDatabase(const DatabasePlaces &places);

// The database of the running program, chosen once at start-up; until then
// ndata.mdb in the program's folder.
void UseDatabase(const QString &path);
QString DatabaseInUse();

// Takes "--database PATH" or "--database=PATH" out of a program's arguments.
// Returns the path (empty when the option is not there), or nothing when the
// option has no path.
std::optional<QString> TakeDatabaseOption(QStringList &arguments);

// A program's start: takes --database out of its arguments, prepares the
// database by the order above and uses it.  False when --database has no path.
bool SelectDatabase(QStringList &arguments);

} // namespace izoku::store
