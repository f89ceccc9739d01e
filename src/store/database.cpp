#include "database.h"

#include "engine/text/numbertext.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>
#include <QVariant>

namespace izoku::store {

namespace {

QString nextConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("ndata-%1").arg(counter.fetchAndAddRelaxed(1));
}

const QString kBusyTimeout = QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000");

// The figures are numbers in the table; anything else reads as no value.
std::optional<double> numberField(const QSqlRecord &record, const QString &name)
{
    const QVariant value = record.value(name);
    if (!value.isValid() || value.isNull())
        return std::nullopt;
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return number;
}

// Bytes 18 and 19 of an SQLite file's header are 2 in write-ahead-log mode.
bool inWalMode(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = file.read(20);
    return header.size() == 20 && header.startsWith(QByteArrayLiteral("SQLite format 3")) && header[18] == 2 &&
           header[19] == 2;
}

bool openWith(QSqlDatabase &db, const QString &name, const QString &options)
{
    db.setDatabaseName(name);
    db.setConnectOptions(options);
    // The driver opens lazily; the first read shows whether the file can be
    // read at all.
    if (!db.open())
        return false;
    QSqlQuery probe(db);
    if (probe.exec(QStringLiteral("SELECT COUNT(*) FROM sqlite_master")) && probe.next())
        return true;
    probe.finish();
    db.close();
    return false;
}

} // namespace

QString AppFolderPath()
{
    return AppFolderPath(QCoreApplication::applicationDirPath());
}

QString AppFolderPath(const QString &folder)
{
    if (folder.endsWith(u'/'))
        return folder;
    return folder + u'/';
}

QString DatabasePath(const QString &folder)
{
    return AppFolderPath(folder) + QStringLiteral("ndata.mdb");
}

DatabaseConnection::DatabaseConnection(const QString &path, Access access)
    : m_name(nextConnectionName())
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    // The SQLite driver would create a missing file; the program never does.
    if (!QFileInfo(path).isFile())
        return;
    if (access == Access::ReadOnly) {
        openReadOnly(path);
        return;
    }
    db.setDatabaseName(path);
    db.setConnectOptions(kBusyTimeout);
    db.open();
}

void DatabaseConnection::openReadOnly(const QString &path)
{
    QSqlDatabase db = QSqlDatabase::database(m_name, false);
    const QString readOnly = kBusyTimeout + QStringLiteral(";QSQLITE_OPEN_READONLY");
    // A file in rollback-journal mode is read under its locks, as always.
    if (!inWalMode(path)) {
        openWith(db, path, readOnly);
        return;
    }
    // A reader of a file in write-ahead-log mode creates the -wal and -shm
    // files if they are missing and, being a reader, can never remove them;
    // where the folder cannot be written it cannot read at all.  Without a
    // -wal file no one is writing and every committed row is in the file
    // itself, which is then read as it stands.  While a writer has both
    // open, its uncheckpointed rows are read through them.
    const bool walInUse =
        QFileInfo::exists(path + QStringLiteral("-wal")) && QFileInfo::exists(path + QStringLiteral("-shm"));
    if (walInUse && openWith(db, path, readOnly))
        return;
    const QString immutable = QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded) + QStringLiteral("?immutable=1");
    openWith(db, immutable, readOnly + QStringLiteral(";QSQLITE_OPEN_URI"));
}

DatabaseConnection::~DatabaseConnection()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
}

bool DatabaseConnection::isOpen() const
{
    return QSqlDatabase::database(m_name, false).isOpen();
}

QSqlDatabase DatabaseConnection::database() const
{
    return QSqlDatabase::database(m_name, false);
}

BaseDataLoad LoadBaseData(const QSqlDatabase &db, engine::BaseData &data)
{
    if (!db.isOpen())
        return {LoadResult::NoDatabase, {}};
    QSqlQuery query(db);
    const QString table = db.driver()->escapeIdentifier(QStringLiteral("基礎DATA"), QSqlDriver::TableName);
    // The last row is the newest year's figures.
    if (!query.exec(QStringLiteral("SELECT * FROM %1 ORDER BY rowid DESC LIMIT 1").arg(table)))
        return {LoadResult::ReadFailed, {}};
    if (!query.next())
        return {LoadResult::NoRow, {}};
    const QSqlRecord record = query.record();
    query.finish();

    const QString columns[] = {QStringLiteral("年度"), QStringLiteral("スライド率"), QStringLiteral("基礎年金"),
                               QStringLiteral("加算1"), QStringLiteral("加算2")};
    for (std::size_t i = 0; i < std::size(engine::kBaseFigures); ++i) {
        const auto number = numberField(record, columns[i]);
        if (!number || !engine::SetBaseFigure(data, engine::kBaseFigures[i], *number))
            return {LoadResult::ReadFailed, columns[i]};
    }
    return {LoadResult::Loaded, {}};
}

BaseDataLoad OpenAndLoadBaseData(const QString &path, engine::BaseData &data)
{
    const DatabaseConnection connection(path, Access::ReadOnly);
    if (!connection.isOpen())
        return {QFileInfo(path).isFile() ? LoadResult::ReadFailed : LoadResult::NoDatabase, {}};
    return LoadBaseData(connection.database(), data);
}

std::optional<engine::Message> BaseDataWarning(const BaseDataLoad &load, const QString &path)
{
    if (load.loaded())
        return std::nullopt;
    const QString what = load.field.isEmpty() ? QStringLiteral("基礎データ（ndata.mdb）")
                                              : QStringLiteral("基礎データ（ndata.mdb）の「%1」").arg(load.field);
    QString text = what + QStringLiteral("を読み込めませんでした。遺族基礎年金額などが 0 として計算されます。");
    if (!path.isEmpty())
        text += u'\n' + QDir::toNativeSeparators(path);
    return engine::Warning(text, QStringLiteral("エラー"));
}

engine::BaseData &ProcessBaseData()
{
    static engine::BaseData data;
    return data;
}

} // namespace izoku::store
