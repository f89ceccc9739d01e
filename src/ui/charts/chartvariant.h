#pragma once

#include "chartfurniture.h"

#include "engine/charts/chartfeed.h"

#include <QColor>
#include <QString>

#include <array>

class QWidget;

namespace izoku::ui {

// The four chart windows differ only in what this says: texts, how each
// series is drawn, and the panels around the chart.
struct ChartVariant {
    enum class Draw { Bars, Line };
    struct Series {
        Draw draw;
        QString name; // in the chart's legend
        QColor colour;
    };

    QString key{};       // registry key and object name: "FormChart2"
    QString caption{};   // window title
    QString title{};     // the title button, which prints
    QString chartName{}; // object name of the chart
    QString nameField{}; // object name of the customer's name field
    std::array<Series, engine::ChartFeed::kSeriesCount> series{};
    bool legend = false;    // the chart's own legend of the two series
    QString underChart{};   // a fixed text under the chart
    bool yearlyList = true; // the list of yearly amounts beside the chart
    int listWidth = 180;    // pixels at 96 dpi
    QString listHeading{};  // above the list
    bool itemTable = false; // FormChart3's items year by year
    ChartPanel beside = nullptr;
    ChartPanel under = nullptr;
    ChartPanel last = nullptr; // after the item table
    void (*place)(QWidget *window) = nullptr;
};

const ChartVariant &FormChartVariant();  // 遺族年金のグラフ表示, from the pension screen
const ChartVariant &FormChart4Variant(); // 遺族年金グラフ, from the needs-analysis screen
const ChartVariant &FormChart2Variant(); // 生命保険と必要補償額
const ChartVariant &FormChart3Variant(); // 収入と支出
const ChartVariant &FormChart5Variant(); // 死亡時期別の必要保障額と生命保険

} // namespace izoku::ui
