#include "database.h"

#include "columns.h"
#include "lockwait.h"
#include "writetransaction.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

#include <limits>

namespace izoku::store {

namespace {

// A stored figure: no value for a NULL or for a column the file lacks; one
// that is not a number reads as NaN, which no figure takes.
std::optional<double> storedFigure(const QSqlRecord &record, const QString &name)
{
    const QVariant value = record.value(name);
    if (!value.isValid() || value.isNull())
        return std::nullopt;
    bool ok = false;
    const double number = value.toDouble(&ok);
    return ok ? number : std::numeric_limits<double>::quiet_NaN();
}

// The fiscal year a row holds, if it is one a row may hold.
std::optional<int> yearOf(const QSqlRecord &record)
{
    engine::BaseData data;
    if (!engine::SetBaseFigure(data, engine::BaseFigure::FiscalYear, storedFigure(record, FiscalYearColumn())))
        return std::nullopt;
    return data.FiscalYear;
}

// The row a load reads: the first newest-first row, or the first of that
// year.  Nothing when no row is chosen (`result` says why).
std::optional<QSqlRecord> chosenRow(const QSqlDatabase &db, std::optional<int> fiscalYear, BaseDataLoad &result)
{
    QSqlQuery query(db);
    if (!SelectBaseRowsNewestFirst(db, query)) {
        result = {LoadResult::ReadFailed, {}, query.lastError()};
        return std::nullopt;
    }
    bool anyRow = false;
    while (query.next()) {
        anyRow = true;
        const QSqlRecord record = query.record();
        if (!fiscalYear || yearOf(record) == fiscalYear)
            return record;
    }
    if (query.lastError().isValid())
        result = {LoadResult::ReadFailed, {}, query.lastError()};
    else
        result = {anyRow ? LoadResult::NoSuchYear : LoadResult::NoRow, {}, {}};
    return std::nullopt;
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

QSqlError ReadDatabase(const QString &path, const DatabaseRead &read)
{
    const DatabaseConnection connection(path, Access::ReadOnly);
    if (!connection.isOpen())
        return connection.error();
    // Another program writing is waited for as a save waits, the windows
    // painting meanwhile.
    const LockWait wait(connection.database());
    return read(connection.database());
}

bool SelectBaseRowsNewestFirst(const QSqlDatabase &db, QSqlQuery &query)
{
    return query.exec(QStringLiteral("SELECT rowid, * FROM %1 ORDER BY %2 DESC, rowid DESC")
                          .arg(Quoted(db, BaseTable()), Quoted(db, FiscalYearColumn())));
}

BaseDataLoad LoadBaseData(const QSqlDatabase &db, engine::BaseData &data, std::optional<int> fiscalYear)
{
    if (!db.isOpen())
        return {LoadResult::NoDatabase, {}, {}};
    BaseDataLoad stopped;
    const std::optional<QSqlRecord> record = chosenRow(db, fiscalYear, stopped);
    if (!record)
        return stopped;
    const QStringList &columns = BaseFigureColumns();
    for (qsizetype i = 0; i < columns.size(); ++i) {
        if (!engine::SetBaseFigure(data, engine::kBaseFigures[i], storedFigure(*record, columns[i])))
            return {LoadResult::ReadFailed, columns[i], {}};
    }
    return {LoadResult::Loaded, {}, {}};
}

BaseDataLoad OpenAndLoadBaseData(const QString &path, engine::BaseData &data, std::optional<int> fiscalYear)
{
    // A try stopped by another program's lock starts again from the figures
    // as they were.
    const engine::BaseData before = data;
    BaseDataLoad load;
    const QSqlError error = ReadDatabase(path, [&](const QSqlDatabase &db) {
        data = before;
        load = LoadBaseData(db, data, fiscalYear);
        return load.error;
    });
    if (load.result == LoadResult::NoDatabase && error.isValid())
        return {QFileInfo(path).isFile() ? LoadResult::ReadFailed : LoadResult::NoDatabase, {}, error};
    return load;
}

std::optional<QList<int>> ReadFiscalYears(const QString &path)
{
    QList<int> years;
    bool read = false;
    const QSqlError error = ReadDatabase(path, [&](const QSqlDatabase &db) {
        years.clear();
        QSqlQuery query(db);
        read = SelectBaseRowsNewestFirst(db, query);
        while (read && query.next()) {
            const std::optional<int> year = yearOf(query.record());
            if (year && !years.contains(*year))
                years.append(*year);
        }
        return query.lastError();
    });
    if (!read || error.isValid())
        return std::nullopt;
    return years;
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
