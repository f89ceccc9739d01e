#include "customerlist.h"

#include "columns.h"
#include "customertable.h"
#include "databaseconnection.h"
#include "writetransaction.h"

#include <QSqlQuery>
#include <QVariant>

#include <algorithm>

namespace izoku::store {

namespace {

// Rows read together; a page is what a grid shows a few times over.
constexpr int kPageRows = 128;
// Pages kept in memory: moving back and forth over the last few thousand
// rows reads nothing again.
constexpr int kPagesKept = 32;

} // namespace

CustomerListModel::CustomerListModel(const QString &databasePath, QObject *parent)
    : QAbstractTableModel(parent)
    , m_databasePath(databasePath)
    , m_pages(kPagesKept)
{
    m_open = open();
}

bool CustomerListModel::open()
{
    m_keys.clear();
    m_pages.clear();
    // A reading connection opened while nobody had a file of an earlier
    // version open reads it as it then stood, and another file may have
    // taken the name since (a restore): each reading opens afresh.
    m_connection = std::make_unique<DatabaseConnection>(m_databasePath, Access::ReadOnly);
    if (!m_connection->isOpen())
        return false;
    const QSqlDatabase db = m_connection->database();
    // A table without one of the fields cannot be listed at all.
    const std::optional<QString> fields = CustomerFields(db);
    if (!fields)
        return false;
    const QString table = Quoted(db, CustomerTable());
    // A page names its keys: under a search they lie far apart, and a range
    // from the first to the last would read every row between.
    m_pageSql = QStringLiteral("SELECT rowid, %1 FROM %2 WHERE rowid IN (%3) ORDER BY rowid").arg(*fields, table);
    m_keySql = QStringLiteral("SELECT rowid FROM %1 ORDER BY rowid").arg(table);
    // LIKE ignores the case of Latin letters only, which is what a search
    // for a name needs; a text without Latin letters has no case to ignore,
    // and instr, a plain substring search, finds it nearly twice as fast.
    QStringList like;
    QStringList instr;
    for (const QString &column : NameColumns()) {
        const QString name = Quoted(db, column);
        like << QStringLiteral("%1 LIKE ? ESCAPE '\\'").arg(name);
        instr << QStringLiteral("instr(%1, ?) > 0").arg(name);
    }
    const QString filter = QStringLiteral("SELECT rowid FROM %1 WHERE %2 ORDER BY rowid");
    m_filterSql = filter.arg(table, like.join(QStringLiteral(" OR ")));
    m_exactFilterSql = filter.arg(table, instr.join(QStringLiteral(" OR ")));
    return readKeys();
}

bool CustomerListModel::readKeys()
{
    m_keys.clear();
    m_pages.clear();
    QSqlQuery keys(m_connection->database());
    keys.setForwardOnly(true);
    if (m_filter.isEmpty()) {
        if (!keys.exec(m_keySql))
            return false;
    } else {
        const bool latin = std::any_of(m_filter.begin(), m_filter.end(),
                                       [](QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); });
        QString pattern = m_filter;
        if (latin) {
            pattern.replace(u'\\', QStringLiteral("\\\\"))
                .replace(u'%', QStringLiteral("\\%"))
                .replace(u'_', QStringLiteral("\\_"));
            pattern = u'%' + pattern + u'%';
        }
        if (!keys.prepare(latin ? m_filterSql : m_exactFilterSql))
            return false;
        for (qsizetype k = 0; k < NameColumns().size(); ++k)
            keys.addBindValue(pattern);
        if (!keys.exec())
            return false;
    }
    while (keys.next())
        m_keys.push_back(keys.value(0).toLongLong());
    if (keys.lastError().type() == QSqlError::NoError)
        return true;
    m_keys.clear();
    return false;
}

void CustomerListModel::setFilter(const QString &text)
{
    m_filter = text;
    reload();
}

void CustomerListModel::reload()
{
    beginResetModel();
    m_open = open();
    endResetModel();
}

qint64 CustomerListModel::key(int row) const
{
    return row >= 0 && row < rowCount() ? m_keys[static_cast<size_t>(row)] : -1;
}

CustomerListModel::~CustomerListModel() = default;

int CustomerListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_keys.size());
}

int CustomerListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(CustomerColumns().size());
}

QVariant CustomerListModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    const Page *rows = page(index.row() / kPageRows);
    if (!rows)
        return {};
    const QStringList &fields = (*rows)[static_cast<size_t>(index.row() % kPageRows)];
    return index.column() < fields.size() ? fields[index.column()] : QString();
}

QVariant CustomerListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::DisplayRole && orientation == Qt::Horizontal && section >= 0 && section < CustomerColumns().size())
        return CustomerColumns()[section];
    return QAbstractTableModel::headerData(section, orientation, role);
}

std::optional<engine::CustomerRecord> CustomerListModel::record(int row) const
{
    if (row < 0 || row >= rowCount())
        return std::nullopt;
    const Page *rows = page(row / kPageRows);
    if (!rows)
        return std::nullopt;
    return CustomerRecordOfRow((*rows)[static_cast<size_t>(row % kPageRows)]);
}

const CustomerListModel::Page *CustomerListModel::page(int pageIndex) const
{
    if (const Page *cached = m_pages.object(pageIndex))
        return cached;
    const size_t first = static_cast<size_t>(pageIndex) * kPageRows;
    if (first >= m_keys.size())
        return nullptr;
    const size_t end = std::min(first + kPageRows, m_keys.size());

    QStringList keys;
    for (size_t at = first; at < end; ++at)
        keys << QString::number(m_keys[at]);
    QSqlQuery query(m_connection->database());
    query.setForwardOnly(true);
    if (!query.exec(m_pageSql.arg(keys.join(u','))))
        return nullptr;
    auto rows = std::make_unique<Page>(end - first);
    const int fields = static_cast<int>(CustomerColumns().size());
    size_t at = first;
    while (query.next()) {
        const qint64 key = query.value(0).toLongLong();
        // Keys follow in order; a row gone since the list opened stays blank.
        while (at < end && m_keys[at] < key)
            ++at;
        if (at == end)
            break;
        if (m_keys[at] != key)
            continue;
        QStringList &texts = (*rows)[at - first];
        texts.reserve(fields);
        for (int f = 1; f <= fields; ++f)
            texts << query.value(f).toString();
        ++at;
    }
    if (query.lastError().isValid())
        return nullptr;
    query.finish();
    Page *kept = rows.get();
    m_pages.insert(pageIndex, rows.release());
    return kept;
}

} // namespace izoku::store
