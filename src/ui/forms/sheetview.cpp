#include "sheetview.h"

#include "sheetmodel.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QSet>
#include <QSortFilterProxyModel>

namespace izoku::ui {

// Leaves the given rows and columns of the sheet out of the view.
class SheetView::Filter final : public QSortFilterProxyModel {
  public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void setRows(const QList<int> &rows)
    {
        m_rows = QSet<int>(rows.begin(), rows.end());
        invalidateRowsFilter();
    }
    void setColumns(const QList<int> &columns)
    {
        m_columns = QSet<int>(columns.begin(), columns.end());
        invalidateColumnsFilter();
    }

  protected:
    bool filterAcceptsRow(int row, const QModelIndex &) const override { return !m_rows.contains(row); }
    bool filterAcceptsColumn(int column, const QModelIndex &) const override { return !m_columns.contains(column); }

  private:
    QSet<int> m_rows;
    QSet<int> m_columns;
};

SheetView::SheetView(const QSize &cell, QWidget *parent)
    : QTableView(parent)
    , m_sheet(new SheetModel(this))
    , m_filter(new Filter(this))
    , m_labels(new QTableView(this))
{
    setObjectName(QStringLiteral("MSFlexGrid1"));
    setEditTriggers(NoEditTriggers);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setDefaultSectionSize(cell.width());
    verticalHeader()->setDefaultSectionSize(cell.height());

    m_labels->setObjectName(QStringLiteral("LabelColumn"));
    m_labels->setFocusPolicy(Qt::NoFocus);
    m_labels->verticalHeader()->hide();
    m_labels->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_labels->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_labels->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_labels->setEditTriggers(NoEditTriggers);
    viewport()->stackUnder(m_labels);
    setHorizontalScrollMode(ScrollPerPixel);
    setVerticalScrollMode(ScrollPerPixel);
    m_labels->setVerticalScrollMode(ScrollPerPixel);

    m_filter->setSourceModel(m_sheet);
    QTableView::setModel(m_filter);
    m_labels->setModel(m_filter);
    m_labels->setSelectionModel(selectionModel());
    connect(m_filter, &QAbstractItemModel::modelReset, this, &SheetView::syncLabelColumn);
    connect(m_filter, &QAbstractItemModel::layoutChanged, this, &SheetView::syncLabelColumn);
    connect(m_filter, &QAbstractItemModel::columnsInserted, this, &SheetView::syncLabelColumn);
    connect(m_filter, &QAbstractItemModel::columnsRemoved, this, &SheetView::syncLabelColumn);

    // The labels scroll up and down with the figures.
    connect(m_labels->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(verticalScrollBar(), &QAbstractSlider::valueChanged, m_labels->verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column, int, int size) {
        if (column == 0) {
            m_labels->setColumnWidth(0, size);
            placeLabelColumn();
        }
    });
    connect(verticalHeader(), &QHeaderView::sectionResized, this,
            [this](int row, int, int size) { m_labels->setRowHeight(row, size); });
    syncLabelColumn();
}

void SheetView::setHiddenRows(const QList<int> &rows)
{
    m_filter->setRows(rows);
}

void SheetView::setHiddenColumns(const QList<int> &columns)
{
    m_filter->setColumns(columns);
    syncLabelColumn();
}

void SheetView::syncLabelColumn()
{
    for (int c = 0; c < m_filter->columnCount(); ++c)
        m_labels->setColumnHidden(c, c != 0);
    m_labels->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
    m_labels->setColumnWidth(0, columnWidth(0));
    placeLabelColumn();
}

void SheetView::placeLabelColumn()
{
    m_labels->horizontalHeader()->setVisible(horizontalHeader()->isVisible());
    m_labels->horizontalHeader()->setFixedHeight(horizontalHeader()->height());
    const int left = verticalHeader()->isVisible() ? verticalHeader()->width() : 0;
    const int top = horizontalHeader()->isVisible() ? horizontalHeader()->height() : 0;
    m_labels->setGeometry(left + frameWidth(), frameWidth(), columnWidth(0) + m_labels->frameWidth(),
                          viewport()->height() + top + m_labels->frameWidth());
    m_labels->setVisible(m_filter->columnCount() > 0);
}

int SheetView::heightForRows(int rows) const
{
    const int header = horizontalHeader()->isVisible() ? horizontalHeader()->sizeHint().height() : 0;
    const int bar =
        horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff ? 0 : horizontalScrollBar()->sizeHint().height();
    return 2 * frameWidth() + header + rows * verticalHeader()->defaultSectionSize() + bar;
}

QSize SheetView::sizeHint() const
{
    constexpr int kYearsAtFirstSight = 8;
    int width = 2 * frameWidth() + (verticalHeader()->isVisible() ? verticalHeader()->width() : 0);
    for (int c = 0; c < std::min(m_filter->columnCount(), kYearsAtFirstSight + 1); ++c)
        width += columnWidth(c);
    return {width, heightForRows(m_filter->rowCount())};
}

void SheetView::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    placeLabelColumn();
}

void SheetView::updateGeometries()
{
    QTableView::updateGeometries();
    if (m_labels)
        placeLabelColumn();
}

QModelIndex SheetView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    // A year reached by the keyboard is scrolled out from under the labels.
    const QModelIndex current = QTableView::moveCursor(cursorAction, modifiers);
    const int left = visualRect(current).left();
    if (cursorAction == MoveLeft && current.column() > 0 && left < m_labels->columnWidth(0))
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() + left - m_labels->columnWidth(0));
    return current;
}

void SheetView::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    if (index.column() > 0)
        QTableView::scrollTo(index, hint);
}

} // namespace izoku::ui
