#include "sheetmodel.h"

namespace izoku::ui {

SheetModel::SheetModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void SheetModel::setCells(int rows, int columns, const CellText &text)
{
    std::vector<QString> cells;
    cells.reserve(std::size_t(rows) * std::size_t(columns));
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c)
            cells.push_back(text(r, c));
    }
    if (rows != m_rows || columns != m_columns) {
        beginResetModel();
        m_rows = rows;
        m_columns = columns;
        m_cells = std::move(cells);
        endResetModel();
        return;
    }
    if (cells == m_cells)
        return;
    m_cells = std::move(cells);
    emit dataChanged(index(0, 0), index(m_rows - 1, m_columns - 1), {Qt::DisplayRole});
}

QString SheetModel::cell(int row, int column) const
{
    if (row < 0 || row >= m_rows || column < 0 || column >= m_columns)
        return {};
    return m_cells[std::size_t(row) * std::size_t(m_columns) + std::size_t(column)];
}

int SheetModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int SheetModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_columns;
}

QVariant SheetModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return cell(index.row(), index.column());
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignVCenter | (index.column() == 0 ? Qt::AlignLeft : Qt::AlignRight));
    return {};
}

} // namespace izoku::ui
