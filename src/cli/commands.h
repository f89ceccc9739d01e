#pragma once

#include <QJsonObject>
#include <QString>

#include <optional>
#include <vector>

namespace izoku::cli {

// What the command line adds to the input.
struct RunOptions {
    // --fiscal-year N: the row of ndata.mdb that gives the base figures
    // "base_data" leaves out; the newest when not given.
    std::optional<int> fiscalYear;
};

// One subcommand of izoku-calc: reads one JSON object, answers one.
struct Command {
    QString name;
    QString help; // the contract, for --help
    QJsonObject (*run)(const QJsonObject &input, const RunOptions &options) = nullptr;
    // With --csv: the same run written as a CSV file instead; none for a
    // command that has no table to give.
    QByteArray (*csv)(const QJsonObject &input, const RunOptions &options) = nullptr;
    // A command that writes a file (--output FILE) instead of answering
    // with `run`: it answers with what it wrote.
    QJsonObject (*toFile)(const QJsonObject &input, const QString &path, const RunOptions &options) = nullptr;
    // Whether it computes from the base figures, and so takes --fiscal-year.
    bool readsBaseData = true;
};

const std::vector<Command> &Commands();

} // namespace izoku::cli
