// izoku-calc: the calculations of the program's screens without a window.
// Reads one JSON object on standard input and writes one on standard output.
#include "cliinput.h"
#include "commands.h"
#include "store/location.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonParseError>

#include <cstdio>

namespace {

void printHelp()
{
    QString text = QStringLiteral("usage: izoku-calc [--database PATH] COMMAND < input.json > output.json\n"
                                  "\n"
                                  "Runs one calculation of Izoku Planner without a window: reads one JSON\n"
                                  "object on standard input, writes one JSON object on standard output.\n"
                                  "Every key of the input is optional; what is left out keeps the value the\n"
                                  "window has when it opens.  Field texts are given and returned exactly as\n"
                                  "typed and shown.  Dates are \"YYYY-MM-DD\".  Bad input: a one-line error on\n"
                                  "standard error and exit status 2.  --database names the ndata.mdb the\n"
                                  "base figures are read from, as for izoku-planner.\n");
    for (const auto &command : izoku::cli::Commands())
        text += QStringLiteral("\n%1\n%2").arg(command.name, command.help);
    std::fputs(text.toUtf8().constData(), stdout);
}

int fail(const QString &message)
{
    std::fprintf(stderr, "izoku-calc: %s\n", message.toUtf8().constData());
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    if (!izoku::store::SelectDatabase(args))
        return fail(QStringLiteral("--database needs a path"));
    if (args.size() < 2 || args[1] == QStringLiteral("--help") || args[1] == QStringLiteral("-h")) {
        printHelp();
        return args.size() < 2 ? 2 : 0;
    }
    if (args.size() > 2)
        return fail(QStringLiteral("unexpected argument \"%1\"").arg(args[2]));

    const auto &commands = izoku::cli::Commands();
    const auto command =
        std::find_if(commands.begin(), commands.end(), [&](const auto &c) { return c.name == args[1]; });
    if (command == commands.end())
        return fail(QStringLiteral("unknown command \"%1\" (see --help)").arg(args[1]));

    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read standard input"));
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(in.readAll(), &error);
    if (error.error != QJsonParseError::NoError)
        return fail(QStringLiteral("malformed JSON at offset %1: %2").arg(error.offset).arg(error.errorString()));
    if (!document.isObject())
        return fail(QStringLiteral("the input must be one JSON object"));

    QJsonObject output;
    try {
        output = command->run(document.object());
    } catch (const izoku::cli::InputError &e) {
        return fail(QString::fromStdString(e.what()));
    }
    const QByteArray json = QJsonDocument(output).toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, static_cast<size_t>(json.size()), stdout);
    return 0;
}
