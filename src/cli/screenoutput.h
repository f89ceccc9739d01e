#pragma once

#include "engine/charts/chartfeed.h"
#include "engine/forms/message.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

#include <span>

// The parts of a calculation screen's answer that both screens share.
namespace izoku::cli {

// [{"title", "text", "icon"}, ...] in the order the boxes were shown.
QJsonArray MessagesJson(const engine::Messages &messages);

// {"rows", "values", "labels", "axis_max", "list"}: what the chart window
// is given; "values" holds one list per series (万円).
QJsonObject ChartFeedJson(const engine::ChartFeed &feed);

QJsonArray TextsJson(std::span<const QString> texts);

} // namespace izoku::cli
