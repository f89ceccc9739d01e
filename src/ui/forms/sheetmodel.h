#pragma once

#include <QAbstractTableModel>

#include <functional>
#include <vector>

namespace izoku::ui {

// A calculation sheet as a table: a grid of text cells copied from the
// engine's sheet (the pension schedule, the needs projection), column 0 the
// item labels, the other columns the years.  Labels are left-aligned and
// figures right-aligned.
class SheetModel final : public QAbstractTableModel {
    Q_OBJECT
  public:
    using CellText = std::function<QString(int row, int column)>;

    explicit SheetModel(QObject *parent = nullptr);

    // Copies every cell.  A sheet of the same size only reports the cells
    // that changed, so a view keeps where the agent had scrolled to.
    void setCells(int rows, int columns, const CellText &text);
    QString cell(int row, int column) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

  private:
    int m_rows = 0;
    int m_columns = 0;
    std::vector<QString> m_cells;
};

} // namespace izoku::ui
