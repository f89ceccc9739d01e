#pragma once

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>

namespace izoku::test {

// One run of izoku-calc with the given input on standard input.
struct CalcRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
    QJsonObject json() const { return QJsonDocument::fromJson(out).object(); }
};

inline CalcRun RunCalc(const QStringList &args, const QByteArray &input)
{
    QProcess process;
    process.start(QStringLiteral(IZOKU_CALC), args);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

} // namespace izoku::test
