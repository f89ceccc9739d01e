#pragma once

#include "engine/needs/customerrecord.h"

#include <QAbstractTableModel>
#include <QCache>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

namespace izoku::store {

class DatabaseConnection;

// The saved households as the customer list shows them: one row per row of
// 顧客資料 as the table stood when the list was opened, one column per field
// in table order.  Opening reads only the keys; the fields are read a page
// at a time when the grid or the boxes need them, so a list of years of
// consultations opens at once.  The list never writes.
class CustomerListModel final : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit CustomerListModel(const QString &databasePath, QObject *parent = nullptr);
    ~CustomerListModel() override;

    // Whether the table could be read at all.
    bool isOpen() const { return m_open; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The household of one row as stored; nothing past the ends or when
    // its page cannot be read.
    std::optional<engine::CustomerRecord> record(int row) const;
    // The stored key of a row, -1 past the ends.
    qint64 key(int row) const;

    // Shows only the households with `text` in any of 氏名1 … 氏名7 (Latin
    // letters in either case), or every household when it is empty, the
    // table as it stands now.  Only the keys are read, so a keystroke in
    // the search box costs one pass over the names.
    void setFilter(const QString &text);
    // Reads the table again under the same filter, on a connection opened
    // now: after a row was removed, or a copy restored.
    void reload();

  private:
    using Page = std::vector<QStringList>;
    const Page *page(int pageIndex) const;
    bool open();
    bool readKeys();

    QString m_databasePath;
    std::unique_ptr<DatabaseConnection> m_connection;
    bool m_open = false;
    QString m_pageSql;
    QString m_keySql;
    QString m_filterSql;
    QString m_exactFilterSql;
    QString m_filter;
    std::vector<qint64> m_keys;
    mutable QCache<int, Page> m_pages;
};

} // namespace izoku::store
