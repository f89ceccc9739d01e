#include "database.h"

#include "engine/text/numbertext.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

namespace izoku::store {

namespace {

QString nextConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("ndata-%1").arg(counter.fetchAndAddRelaxed(1));
}

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

DatabaseConnection::DatabaseConnection(const QString &path)
    : m_name(nextConnectionName())
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    // The SQLite driver would create a missing file; the program never does.
    if (!QFileInfo(path).isFile())
        return;
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    db.open();
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

LoadResult LoadBaseData(const QSqlDatabase &db, engine::BaseData &data)
{
    if (!db.isOpen())
        return LoadResult::NoDatabase;
    QSqlQuery query(db);
    const QString table = db.driver()->escapeIdentifier(QStringLiteral("基礎DATA"), QSqlDriver::TableName);
    // The last row is the newest year's figures.
    if (!query.exec(QStringLiteral("SELECT * FROM %1 ORDER BY rowid DESC LIMIT 1").arg(table)))
        return LoadResult::ReadFailed;
    if (!query.next())
        return LoadResult::NoRow;
    const QSqlRecord record = query.record();
    query.finish();

    const auto year = numberField(record, QStringLiteral("年度"));
    const auto fiscalYear = year ? engine::ToInt16(*year) : std::nullopt;
    if (!fiscalYear)
        return LoadResult::ReadFailed;
    data.FiscalYear = *fiscalYear;

    const auto slide = numberField(record, QStringLiteral("スライド率"));
    if (!slide)
        return LoadResult::ReadFailed;
    data.SlideRate = *slide;

    std::int32_t *const amounts[] = {&data.BasicPensionAmount, &data.ChildAddition1, &data.ChildAddition2};
    const QString names[] = {QStringLiteral("基礎年金"), QStringLiteral("加算1"), QStringLiteral("加算2")};
    for (int i = 0; i < 3; ++i) {
        const auto number = numberField(record, names[i]);
        const auto amount = number ? engine::ToInt32(*number) : std::nullopt;
        if (!amount)
            return LoadResult::ReadFailed;
        *amounts[i] = *amount;
    }
    return LoadResult::Loaded;
}

LoadResult OpenAndLoadBaseData(const QString &path, engine::BaseData &data)
{
    const DatabaseConnection connection(path);
    if (!connection.isOpen())
        return LoadResult::NoDatabase;
    return LoadBaseData(connection.database(), data);
}

engine::BaseData &ProcessBaseData()
{
    static engine::BaseData data;
    return data;
}

} // namespace izoku::store
