// izoku-calc: the calculations of the program's screens without a window.
// Reads one JSON object on standard input and writes one on standard output.
#include "calc.h"
#include "store/location.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    const auto app = izoku::cli::MakeApplication(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    if (!izoku::store::SelectDatabase(arguments)) {
        std::fputs(izoku::cli::ErrorLine(QStringLiteral("--database needs a path")).constData(), stderr);
        return izoku::cli::kRefused;
    }
    arguments.removeFirst();

    QByteArray input;
    // Only a run that will calculate waits for its input.
    if (izoku::cli::ReadsInput(arguments)) {
        QFile in;
        if (!in.open(stdin, QIODevice::ReadOnly)) {
            std::fputs(izoku::cli::ErrorLine(QStringLiteral("cannot read standard input")).constData(), stderr);
            return izoku::cli::kRefused;
        }
        // One byte past the limit is enough to refuse it; the rest is never
        // read into memory.
        while (input.size() <= izoku::cli::kMaxInputBytes) {
            const QByteArray chunk = in.read(izoku::cli::kMaxInputBytes + 1 - input.size());
            if (chunk.isEmpty())
                break;
            input += chunk;
        }
    }

    const izoku::cli::CalcResult result = izoku::cli::Calculate(arguments, input);
    std::fwrite(result.out.constData(), 1, static_cast<size_t>(result.out.size()), stdout);
    std::fwrite(result.err.constData(), 1, static_cast<size_t>(result.err.size()), stderr);
    return result.status;
}
