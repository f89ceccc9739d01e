#include "location.h"

#include "database.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace izoku::store {

namespace {

const QString kOption = QStringLiteral("--database");

QString &databaseInUse()
{
    static QString path;
    return path;
}

} // namespace

DatabasePlaces StandardPlaces(const QString &given)
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    return {given, programFolder,
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/izoku-planner"),
            QDir::cleanPath(programFolder + QStringLiteral("/" IZOKU_SEED_FROM_PROGRAM))};
}

QString LocateDatabase(const DatabasePlaces &places)
{
    if (!places.given.isEmpty())
        return QFileInfo(places.given).absoluteFilePath();
    const QString portable = DatabasePath(places.programFolder);
    if (QFileInfo(portable).isFile())
        return portable;
    return DatabasePath(places.userDataFolder);
}

QString PrepareDatabase(const DatabasePlaces &places)
{
    const QString path = LocateDatabase(places);
    if (path != DatabasePath(places.userDataFolder) || QFileInfo::exists(path))
        return path;
    if (!QDir().mkpath(places.userDataFolder))
        return path;
    QFile::setPermissions(places.userDataFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // QFile::copy writes a temporary file and renames it, so an interrupted
    // first start never leaves half a database to be taken for the real one.
    if (QFile::copy(places.seed, path))
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    return path;
}

void UseDatabase(const QString &path)
{
    databaseInUse() = path;
}

QString DatabaseInUse()
{
    if (databaseInUse().isEmpty())
        return DatabasePath(AppFolderPath());
    return databaseInUse();
}

std::optional<QString> TakeDatabaseOption(QStringList &arguments)
{
    const QString prefix = kOption + u'=';
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i].startsWith(prefix)) {
            const QString path = arguments.takeAt(i).mid(prefix.size());
            return path.isEmpty() ? std::nullopt : std::optional<QString>(path);
        }
        if (arguments[i] == kOption) {
            if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty())
                return std::nullopt;
            arguments.removeAt(i);
            return arguments.takeAt(i);
        }
    }
    return QString();
}

bool SelectDatabase(QStringList &arguments)
{
    const auto given = TakeDatabaseOption(arguments);
    if (!given)
        return false;
    UseDatabase(PrepareDatabase(StandardPlaces(*given)));
    return true;
}

} // namespace izoku::store
