#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

// What a calculation screen hands to a chart window: the window only shows
// it, it never computes.  One row per year, two series in whole 万円.
namespace izoku::engine {

struct ChartFeed {
    QString name;                    // the customer's name beside "様"
    std::vector<double> series1;     // per row, whole 万円
    std::vector<double> series2;     // per row, whole 万円
    QStringList rowLabels;           // " 42歳"
    int axisMaximum = 0;             // 万円, both value axes, from 0
    QStringList listLines;           // "42歳   1,234,567"
    QMap<int, QString> fields;       // the window's numbered display fields
    QMap<int, QString> periodFields; // the insured periods, where the window has them

    static constexpr std::size_t kSeriesCount = 2;
    // Both series, in the chart's order.
    std::array<const std::vector<double> *, kSeriesCount> series() const { return {&series1, &series2}; }

    int rows() const { return static_cast<int>(series1.size()); }

    bool operator==(const ChartFeed &) const = default;
};

} // namespace izoku::engine
