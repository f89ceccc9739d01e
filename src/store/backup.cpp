#include "backup.h"

#include "columns.h"
#include "databaseconnection.h"
#include "filecheck.h"
#include "onlinebackup.h"
#include "writetransaction.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QVariant>

namespace izoku::store {

namespace {

const QString kDayFormat = QStringLiteral("yyyy-MM-dd");

QString backupName(const QDate &day)
{
    return QStringLiteral("ndata-%1.mdb").arg(day.toString(kDayFormat));
}

std::vector<DailyCopy> copiesIn(const QDir &folder)
{
    static const QRegularExpression pattern(QStringLiteral("^ndata-(\\d{4}-\\d{2}-\\d{2})\\.mdb$"));
    std::vector<DailyCopy> copies;
    const QStringList names =
        folder.entryList({QStringLiteral("ndata-*.mdb")}, QDir::Files, QDir::Name | QDir::Reversed);
    for (const QString &name : names) {
        const QRegularExpressionMatch match = pattern.match(name);
        const QDate day = match.hasMatch() ? QDate::fromString(match.captured(1), kDayFormat) : QDate();
        if (day.isValid())
            copies.push_back({day, folder.filePath(name)});
    }
    return copies;
}

// Keeps the newest `keep` copies up to `today` and returns the dates of the
// copies after it.
QList<QDate> keepNewest(const QDir &folder, const QDate &today, int keep)
{
    QList<QDate> future;
    int kept = 0;
    for (const DailyCopy &copy : copiesIn(folder)) {
        if (copy.day > today) {
            future << copy.day;
        } else if (kept < keep || copy.day == today) {
            ++kept;
        } else {
            QFile::remove(copy.path);
        }
    }
    return future;
}

// Takes the copy of `databasePath` into `copyPath`, readable by its owner
// alone like the file itself; the status and, when it failed, why.
BackupResult::Status takeCopy(const QString &databasePath, const QString &copyPath, QString &error)
{
    using Status = BackupResult::Status;
    const QString folder = QFileInfo(copyPath).absolutePath();
    if (!QDir().mkpath(folder)) {
        error = QStringLiteral("cannot create %1").arg(folder);
        return Status::Failed;
    }
    // Written under a name of this process's own, so that a copy cut short
    // never passes for the day's copy and two copies of the program started
    // together do not write into one file.
    const QString partial = copyPath + QStringLiteral(".part-%1").arg(QCoreApplication::applicationPid());
    QFile::remove(partial);
    error = OnlineBackup(databasePath, partial).text();
    const bool copied = error.isEmpty();
    Status status = Status::Failed;
    if (copied && !SoundCopy(partial))
        status = Status::Damaged;
    else if (copied && QFile::rename(partial, copyPath))
        status = Status::Made;
    else if (copied && QFileInfo::exists(copyPath))
        status = Status::AlreadyMade; // the other copy of the program was quicker
    else if (copied)
        error = QStringLiteral("cannot rename %1").arg(partial);
    QFile::remove(partial);
    if (status == Status::Made)
        QFile::setPermissions(copyPath, QFile::ReadOwner | QFile::WriteOwner);
    return status;
}

} // namespace

QString BackupFolder(const QString &databasePath)
{
    return QFileInfo(databasePath).absolutePath() + QStringLiteral("/backup");
}

std::vector<DailyCopy> DailyCopies(const QString &databasePath)
{
    return copiesIn(QDir(BackupFolder(databasePath)));
}

bool SoundCopy(const QString &path)
{
    const DatabaseConnection connection(path, Access::ReadOnly);
    return connection.isOpen() && QuickCheck(connection.database()) == PageCheck::Sound;
}

std::optional<int> CustomerCount(const QString &path)
{
    const DatabaseConnection connection(path, Access::ReadOnly);
    QSqlQuery query(connection.database());
    if (!connection.isOpen() ||
        !query.exec(QStringLiteral("SELECT COUNT(*) FROM %1").arg(Quoted(connection.database(), CustomerTable()))) ||
        !query.next())
        return std::nullopt;
    return query.value(0).toInt();
}

std::optional<DailyCopy> NewestSoundCopy(const QString &databasePath)
{
    for (const DailyCopy &copy : DailyCopies(databasePath)) {
        if (SoundCopy(copy.path))
            return copy;
    }
    return std::nullopt;
}

BackupResult BackUpDaily(const QString &databasePath, const QDate &today, int keep)
{
    BackupResult result;
    const QDir folder(BackupFolder(databasePath));
    result.path = folder.filePath(backupName(today));
    if (!QFileInfo(databasePath).isFile()) {
        result.status = BackupResult::Status::NoDatabase;
        return result;
    }
    result.status = QFileInfo::exists(result.path) ? BackupResult::Status::AlreadyMade
                                                   : takeCopy(databasePath, result.path, result.error);
    // While the file is damaged every good copy is kept for the restore.
    if (result.status == BackupResult::Status::Damaged)
        return result;
    result.futureDated = keepNewest(folder, today, keep);
    return result;
}

} // namespace izoku::store
