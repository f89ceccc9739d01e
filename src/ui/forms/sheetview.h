#pragma once

#include <QList>
#include <QTableView>

class QSortFilterProxyModel;

namespace izoku::ui {

class SheetModel;

// A calculation screen's sheet, MSFlexGrid1, read only and without headers:
// the label column stays in place while the years scroll sideways under it,
// as in a spreadsheet with its first column frozen.  Rows and columns that
// carry nothing the agent reads can be left out of the view; the sheet
// itself keeps them.
class SheetView final : public QTableView {
    Q_OBJECT
  public:
    // Every cell `cell` in size.
    SheetView(const QSize &cell, QWidget *parent = nullptr);

    // The sheet the view shows; model() is the view of it without the
    // hidden rows and columns.
    SheetModel *sheet() const { return m_sheet; }

    // Rows and columns of the sheet model to leave out of the view.
    void setHiddenRows(const QList<int> &rows);
    void setHiddenColumns(const QList<int> &columns);

    // The height that shows `rows` rows whole above the horizontal scroll
    // bar: with it as the minimum height the last row (a total) is never
    // cut off or covered.
    int heightForRows(int rows) const;
    // All rows that are shown, and the labels with the first years.
    QSize sizeHint() const override;

    // The frozen label column laid over the view's left edge.
    QTableView *labelColumn() const { return m_labels; }

  protected:
    void resizeEvent(QResizeEvent *event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
    void updateGeometries() override;

  private:
    class Filter;

    void syncLabelColumn();
    void placeLabelColumn();

    SheetModel *m_sheet = nullptr;
    Filter *m_filter = nullptr;
    QTableView *m_labels = nullptr;
};

} // namespace izoku::ui
