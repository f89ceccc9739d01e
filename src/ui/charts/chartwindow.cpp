#include "chartwindow.h"

#include "engine/needs/needscharts.h"
#include "ui/app/clicklabel.h"
#include "ui/app/controls.h"
#include "ui/app/placement.h"
#include "ui/app/screenprint.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>

namespace izoku::ui {

namespace {

// Beyond this many years the ages under the bars are written upright, so
// that each stays whole at the width of one bar.
constexpr int kUprightLabelsFrom = 16;
constexpr int kUprightAngle = -90;
// The value axes are marked at every fifth of their range.
constexpr int kTickCount = 6;
// The item table's fixed cells: the ages on top, the item names on the left.
const QColor kFixedCell(228, 228, 228);
using CashFlowTable = engine::CashFlowTable;

// The customer's name and the title stand out on the printout: points
// above the window's font.
constexpr int kCustomerNameLarger = 3;
constexpr int kTitleLarger = 2;

// Sizes in pixels at 96 dpi.
constexpr int kCustomerNameWidth = 200;
constexpr int kTitleGap = 12;
constexpr int kLineGap = 4;
constexpr int kChartMargin = 4;
constexpr int kChartMinimumWidth = 700;
constexpr int kChartMinimumHeight = 290;
// With the item table under it the chart gives up a little height.
constexpr int kChartBesideTableHeight = 280;
constexpr int kNoteHeight = 40;
constexpr QSize kCloseButtonSize(64, 32);
constexpr int kTableRowHeight = 20;
constexpr int kTableColumnWidth = 76;
constexpr int kTableNameWidth = 110;
constexpr int kTableMinimumHeight = 170;

void writeFields(const QMap<int, QLabel *> &labels, const QMap<int, QString> &texts)
{
    for (auto it = labels.begin(); it != labels.end(); ++it)
        it.value()->setText(texts.value(it.key()));
}

// The screens fixed the scale so that one figure always stands at the same
// height: the range is set from the feed, never scaled to the figures nor
// rounded to nice numbers.
QValueAxis *valueAxis()
{
    auto *axis = new QValueAxis;
    axis->setLabelFormat(QStringLiteral("%d"));
    axis->setLabelsFont(QApplication::font());
    axis->setTickCount(kTickCount);
    return axis;
}

} // namespace

ChartWindow::ChartWindow(const ChartVariant &variant, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_variant(variant)
{
    setObjectName(variant.key);
    setWindowTitle(variant.caption);
    if (variant.place)
        PlaceWhenFirstShown(this, variant.place);

    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(kLineGap);

    // The customer's name, then the title the whole width, then the printer.
    auto *header = new QHBoxLayout;
    m_name = new QLineEdit(this);
    m_name->setObjectName(variant.nameField);
    m_name->setFixedWidth(kCustomerNameWidth);
    QFont large = m_name->font();
    large.setPointSize(large.pointSize() + kCustomerNameLarger);
    m_name->setFont(large);
    header->addWidget(m_name);
    auto *sama = FixedText(QStringLiteral("様"), this);
    sama->setFont(large);
    header->addWidget(sama);
    header->addSpacing(kTitleGap);
    auto *title = MakeButton(this, QStringLiteral("Command1"), variant.title);
    large.setPointSize(large.pointSize() + kTitleLarger);
    large.setBold(true);
    title->setFont(large);
    title->setToolTip(QStringLiteral("画面印刷"));
    connect(title, &QPushButton::clicked, this, &ChartWindow::print);
    header->addWidget(title, 1);
    m_printer = ClickLabel::printerPicture(this);
    m_printer->setObjectName(QStringLiteral("Picture1"));
    connect(m_printer, &ClickLabel::clicked, this, &ChartWindow::print);
    header->addWidget(m_printer);
    layout->addLayout(header);

    auto *body = new QHBoxLayout;
    body->addWidget(buildChart(), 1);
    body->addWidget(buildSide());
    layout->addLayout(body, 1);

    if (variant.under)
        layout->addWidget(variant.under(this, m_fields));
    if (variant.itemTable)
        layout->addWidget(buildItemTable());
    if (variant.last)
        layout->addWidget(variant.last(this, m_fields));

    auto *footer = new QHBoxLayout;
    // The agent's remarks for the customer, typed before printing.
    auto *note = new QPlainTextEdit(this);
    note->setObjectName(QStringLiteral("Text4"));
    note->setFixedHeight(kNoteHeight);
    footer->addWidget(note, 1);
    auto *close = MakeButton(this, QStringLiteral("Command2"), QString());
    close->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    close->setToolTip(QStringLiteral("閉じる"));
    close->setAccessibleName(QStringLiteral("閉じる"));
    close->setFixedSize(kCloseButtonSize);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    footer->addWidget(close, 0, Qt::AlignBottom);
    layout->addLayout(footer);
}

QWidget *ChartWindow::buildChart()
{
    auto *box = new QWidget(this);
    auto *column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    m_chart = new QChart;
    m_chart->setBackgroundRoundness(0);
    m_chart->setMargins(QMargins(kChartMargin, kChartMargin, kChartMargin, kChartMargin));
    m_chart->legend()->setVisible(m_variant.legend);
    m_chart->legend()->setFont(QApplication::font());
    m_chart->legend()->setAlignment(Qt::AlignTop);
    buildSeries();
    m_chartView = new QChartView(m_chart, box);
    m_chartView->setObjectName(m_variant.chartName);
    m_chartView->setRenderHint(QPainter::Antialiasing);
    m_chartView->setMinimumSize(kChartMinimumWidth,
                                m_variant.itemTable ? kChartBesideTableHeight : kChartMinimumHeight);
    column->addWidget(m_chartView, 1);
    if (!m_variant.underChart.isEmpty())
        column->addWidget(FixedText(m_variant.underChart, box));
    return box;
}

// The series and axes stay for the window's life; each opening replaces
// their figures.
void ChartWindow::buildSeries()
{
    m_categories = new QBarCategoryAxis;
    m_categories->setLabelsFont(QApplication::font());
    m_categories->setTruncateLabels(false);
    m_chart->addAxis(m_categories, Qt::AlignBottom);
    // Both value axes carry the same fixed scale, so a figure reads the
    // same against either side.
    for (size_t side = 0; side < kScaleSides.size(); ++side) {
        m_scales[side] = valueAxis();
        m_chart->addAxis(m_scales[side], kScaleSides[side]);
    }

    // Bars first: the category axis takes its row positions from the first
    // series it carries, and a line drawn after the bars stays on top.
    QBarSeries *bars = nullptr;
    for (size_t s = 0; s < m_variant.series.size(); ++s) {
        const ChartVariant::Series &style = m_variant.series[s];
        if (style.draw != ChartVariant::Draw::Bars)
            continue;
        if (!bars) {
            bars = new QBarSeries;
            m_chart->addSeries(bars);
        }
        m_barSets[s] = new QBarSet(style.name);
        m_barSets[s]->setColor(style.colour);
        m_barSets[s]->setBorderColor(style.colour.darker(130));
        bars->append(m_barSets[s]);
    }
    for (size_t s = 0; s < m_variant.series.size(); ++s) {
        const ChartVariant::Series &style = m_variant.series[s];
        if (style.draw != ChartVariant::Draw::Line)
            continue;
        m_lines[s] = new QLineSeries;
        m_lines[s]->setName(style.name);
        m_lines[s]->setPen(QPen(style.colour, 2));
        m_chart->addSeries(m_lines[s]);
    }
    for (QAbstractSeries *series : m_chart->series()) {
        series->attachAxis(m_categories);
        for (QValueAxis *axis : m_scales)
            series->attachAxis(axis);
        // A series without a name (the zero line) has no place in the legend.
        if (series->name().isEmpty() && series->type() == QAbstractSeries::SeriesTypeLine) {
            for (QLegendMarker *marker : m_chart->legend()->markers(series))
                marker->setVisible(false);
        }
    }
}

QWidget *ChartWindow::buildSide()
{
    auto *box = new QWidget(this);
    auto *column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    if (!m_variant.listHeading.isEmpty())
        column->addWidget(FixedText(m_variant.listHeading, box));
    if (m_variant.yearlyList) {
        m_list = new QListWidget(box);
        m_list->setObjectName(QStringLiteral("List1"));
        m_list->setFixedWidth(m_variant.listWidth);
        column->addWidget(m_list, 1);
    }
    if (m_variant.beside)
        column->addWidget(m_variant.beside(box, m_fields));
    return box;
}

QTableWidget *ChartWindow::buildItemTable()
{
    m_table = new QTableWidget(this);
    m_table->setObjectName(QStringLiteral("MSFlexGrid1"));
    m_table->horizontalHeader()->hide();
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(kTableRowHeight);
    m_table->horizontalHeader()->setDefaultSectionSize(kTableColumnWidth);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setMinimumHeight(kTableMinimumHeight);
    return m_table;
}

void ChartWindow::fill(const engine::ChartFeed &feed)
{
    m_name->setText(feed.name);
    writeFields(m_fields.fields, feed.fields);
    writeFields(m_fields.periods, feed.periodFields);
    if (m_list) {
        m_list->clear();
        m_list->addItems(feed.listLines);
    }
    drawSeries(feed);
}

void ChartWindow::drawSeries(const engine::ChartFeed &feed)
{
    m_categories->setCategories(feed.rowLabels);
    m_categories->setLabelsAngle(feed.rows() >= kUprightLabelsFrom ? kUprightAngle : 0);
    for (QValueAxis *axis : m_scales)
        axis->setRange(0, feed.axisMaximum);
    const auto values = feed.series();
    for (size_t s = 0; s < values.size(); ++s) {
        if (QBarSet *set = m_barSets[s]) {
            set->remove(0, set->count());
            set->append(QList<qreal>(values[s]->begin(), values[s]->end()));
        } else {
            QList<QPointF> points;
            for (size_t i = 0; i < values[s]->size(); ++i)
                points << QPointF(static_cast<double>(i), (*values[s])[i]);
            m_lines[s]->replace(points);
        }
    }
}

void ChartWindow::fillTable(const std::vector<QStringList> &rows)
{
    if (!m_table)
        return;
    QSignalBlocker blocker(m_table);
    m_table->clearContents();
    int columns = 0;
    for (const QStringList &row : rows)
        columns = std::max(columns, static_cast<int>(row.size()));
    m_table->setRowCount(static_cast<int>(rows.size()));
    m_table->setColumnCount(columns);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const QStringList &row = rows[static_cast<size_t>(r)];
        for (int c = 0; c < row.size(); ++c) {
            auto *item = new QTableWidgetItem(row[c]);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            item->setTextAlignment(c == CashFlowTable::kNameColumn ? Qt::AlignLeft | Qt::AlignVCenter
                                                                   : Qt::AlignRight | Qt::AlignVCenter);
            if (c == CashFlowTable::kNameColumn || r < CashFlowTable::kAgeRows)
                item->setBackground(kFixedCell);
            m_table->setItem(r, c, item);
        }
    }
    m_table->setColumnWidth(CashFlowTable::kNameColumn, kTableNameWidth);
}

void ChartWindow::print()
{
    // The chart is wider than high: across the page it fills the sheet the
    // customer takes home.
    ScreenPrint(this, PageOrientation::Landscape, m_printer);
}

} // namespace izoku::ui
