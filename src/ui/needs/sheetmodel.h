#pragma once

#include <QAbstractTableModel>

namespace izoku::engine {
class ProjectionSheet;
}

namespace izoku::ui {

// The projection sheet as the grid MSFlexGrid1 shows it: the item labels in
// column 0 and one column per year, every cell the sheet's own text.  The
// model reads the sheet it is given; after a calculation the window calls
// reload() and the view asks only for the cells it draws.
class SheetModel final : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit SheetModel(const engine::ProjectionSheet &sheet, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // The sheet was rebuilt or changed.
    void reload();

  private:
    const engine::ProjectionSheet &m_sheet;
};

} // namespace izoku::ui
