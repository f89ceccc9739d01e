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
    // With --csv: the same run written as a CSV file instead; none for a
    // command that has no table to give.
    QByteArray (*csv)(const QJsonObject &input) = nullptr;
};

const std::vector<Command> &Commands();

} // namespace izoku::cli
