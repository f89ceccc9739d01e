#pragma once

#include <QJsonObject>
#include <QString>

#include <vector>

namespace izoku::cli {

// One subcommand of izoku-calc: reads one JSON object, answers one.
struct Command {
    QString name;
    QString help; // the contract, for --help
    QJsonObject (*run)(const QJsonObject &input) = nullptr;
    // With --csv: the same run written as a CSV file instead; none for a
    // command that has no table to give.
    QByteArray (*csv)(const QJsonObject &input) = nullptr;
    // A command that writes a file (--output FILE) instead of answering
    // with `run`: it answers with what it wrote.
    QJsonObject (*toFile)(const QJsonObject &input, const QString &path) = nullptr;
};

const std::vector<Command> &Commands();

} // namespace izoku::cli
