#pragma once

#include <QJsonObject>
#include <QString>

#include <vector>

namespace izoku::cli {

// One subcommand of izoku-calc: reads one JSON object, answers one.
struct Command {
    QString name;
    QString help; // the contract, for --help
    QJsonObject (*run)(const QJsonObject &input);
};

const std::vector<Command> &Commands();

} // namespace izoku::cli
