#include "database.h"

#include "columns.h"

#include "engine/text/numbertext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

namespace izoku::store {

namespace {

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

BaseDataLoad LoadBaseData(const QSqlDatabase &db, engine::BaseData &data)
{
    if (!db.isOpen())
        return {LoadResult::NoDatabase, {}};
    QSqlQuery query(db);
    const QString table = db.driver()->escapeIdentifier(BaseTable(), QSqlDriver::TableName);
    // The last row is the newest year's figures.
    if (!query.exec(QStringLiteral("SELECT * FROM %1 ORDER BY rowid DESC LIMIT 1").arg(table)))
        return {LoadResult::ReadFailed, {}};
    if (!query.next())
        return {LoadResult::NoRow, {}};
    const QSqlRecord record = query.record();
    query.finish();

    const QStringList &columns = BaseFigureColumns();
    for (qsizetype i = 0; i < columns.size(); ++i) {
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

BaseDataLoad ReloadProcessBaseData(const QString &path)
{
    engine::BaseData data;
    const BaseDataLoad load = OpenAndLoadBaseData(path, data);
    if (load.loaded())
        ProcessBaseData() = data;
    return load;
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
