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

// The same with a copy of the program elsewhere, beside another ndata.mdb.
inline CalcRun RunCalcAt(const QString &program, const QStringList &args, const QByteArray &input)
{
    QProcess process;
    process.start(program, args);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

inline CalcRun RunCalc(const QStringList &args, const QByteArray &input)
{
    return RunCalcAt(QStringLiteral(IZOKU_CALC), args, input);
}

} // namespace izoku::test
