#pragma once

#include "chartfurniture.h"
#include "chartvariant.h"

#include "engine/charts/chartfeed.h"

#include <QStringList>
#include <QWidget>

#include <array>
#include <vector>

class QBarCategoryAxis;
class QBarSet;
class QChart;
class QChartView;
class QLineSeries;
class QLineEdit;
class QListWidget;
class QTableWidget;
class QValueAxis;

namespace izoku::ui {

class ClickLabel;

// A chart window: the chart of two yearly series that the customer takes
// home, with the figures behind it.  It never computes; the screen that
// opens it hands it the engine's feed, and each opening replaces the whole
// picture.  The agent's own remarks in the note fields stay.
class ChartWindow final : public QWidget {
    Q_OBJECT
  public:
    explicit ChartWindow(const ChartVariant &variant, QWidget *parent = nullptr);

    const ChartVariant &variant() const { return m_variant; }

    // Shows the feed: name, chart, yearly list and display fields, all of
    // them replaced.
    void fill(const engine::ChartFeed &feed);
    // FormChart3's items year by year, one list per row of the table.
    void fillTable(const std::vector<QStringList> &rows);

  private:
    QWidget *buildChart();
    void buildSeries();
    QWidget *buildSide();
    QTableWidget *buildItemTable();
    void drawSeries(const engine::ChartFeed &feed);
    void print();

    const ChartVariant &m_variant;
    ChartFields m_fields;
    QChart *m_chart = nullptr;
    QChartView *m_chartView = nullptr;
    QBarCategoryAxis *m_categories = nullptr;
    // Both sides carry a value axis.
    static constexpr std::array kScaleSides{Qt::AlignLeft, Qt::AlignRight};
    std::array<QValueAxis *, kScaleSides.size()> m_scales{};
    // Per series of the feed, its bar set or its line.
    std::array<QBarSet *, engine::ChartFeed::kSeriesCount> m_barSets{};
    std::array<QLineSeries *, engine::ChartFeed::kSeriesCount> m_lines{};
    QLineEdit *m_name = nullptr;
    QListWidget *m_list = nullptr;
    QTableWidget *m_table = nullptr;
    ClickLabel *m_printer = nullptr;
};

} // namespace izoku::ui
