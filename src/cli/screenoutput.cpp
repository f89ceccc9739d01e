#include "screenoutput.h"

namespace izoku::cli {

QJsonArray MessagesJson(const engine::Messages &messages)
{
    QJsonArray array;
    for (const engine::Message &message : messages) {
        array.append(QJsonObject{{QStringLiteral("title"), message.title},
                                 {QStringLiteral("text"), message.text},
                                 {QStringLiteral("icon"), engine::IconName(message.icon)}});
    }
    return array;
}

QJsonObject ChartFeedJson(const engine::ChartFeed &feed)
{
    // One list per series, in the chart's order.
    QJsonArray values;
    for (const std::vector<double> *series : feed.series()) {
        QJsonArray list;
        for (double value : *series)
            list.append(value);
        values.append(list);
    }
    return QJsonObject{{QStringLiteral("rows"), feed.rows()},
                       {QStringLiteral("values"), values},
                       {QStringLiteral("labels"), QJsonArray::fromStringList(feed.rowLabels)},
                       {QStringLiteral("axis_max"), feed.axisMaximum},
                       {QStringLiteral("list"), QJsonArray::fromStringList(feed.listLines)}};
}

QJsonArray TextsJson(std::span<const QString> texts)
{
    QJsonArray array;
    for (const QString &text : texts)
        array.append(text);
    return array;
}

} // namespace izoku::cli
