#include "sheetmodel.h"

#include "engine/needs/projectionsheet.h"

namespace izoku::ui {

SheetModel::SheetModel(const engine::ProjectionSheet &sheet, QObject *parent)
    : QAbstractTableModel(parent)
    , m_sheet(sheet)
{
}

int SheetModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_sheet.rowCount();
}

int SheetModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_sheet.columnCount();
}

QVariant SheetModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return m_sheet.text(index.row(), index.column());
    case Qt::TextAlignmentRole:
        // Labels read from the left, figures line up on the right.
        return index.column() == 0 ? int(Qt::AlignLeft | Qt::AlignVCenter) : int(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

void SheetModel::reload()
{
    beginResetModel();
    endResetModel();
}

} // namespace izoku::ui
