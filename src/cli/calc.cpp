#include "calc.h"

#include "cliinput.h"
#include "commands.h"

#include <QJsonDocument>
#include <QJsonParseError>
#include <QLocale>

#include <algorithm>
#include <optional>

namespace izoku::cli {

namespace {

const QString kEllipsis = QStringLiteral("…");

// The words of a run, after the program's name: the command, then an
// option and the option's value.
enum Argument : qsizetype { CommandName, Option, OptionValue };

// A control character written as \u and four hexadecimal digits.
constexpr int kEscapeDigits = 4;
constexpr int kHexadecimal = 16;

QString grouped(qsizetype number)
{
    return QLocale(QLocale::English).toString(number);
}

QString helpText()
{
    QString text = QStringLiteral("usage: izoku-calc [--database PATH] COMMAND < input.json > output.json\n"
                                  "\n"
                                  "Runs one calculation of Izoku Planner without a window: reads one JSON\n"
                                  "object on standard input, writes one JSON object on standard output.\n"
                                  "Every key of the input is optional; what is left out keeps the value the\n"
                                  "window has when it opens.  Field texts are given and returned exactly as\n"
                                  "typed and shown.  Dates are \"YYYY-MM-DD\".  Bad input: a one-line error on\n"
                                  "standard error (at most %1 characters) and exit status %2.  Refused before\n"
                                  "any calculation: an input over %3 bytes, a text over %4\n"
                                  "characters, more than %5 \"actions\".  --database names the ndata.mdb the\n"
                                  "base figures are read from, as for izoku-planner.\n")
                       .arg(kMaxErrorLength)
                       .arg(kRefused)
                       .arg(grouped(kMaxInputBytes), grouped(kMaxTextLength))
                       .arg(kMaxActions);
    for (const auto &command : Commands())
        text += QStringLiteral("\n%1\n%2").arg(command.name, command.help);
    return text;
}

CalcResult refuse(const QString &message)
{
    return CalcResult{kRefused, {}, ErrorLine(message)};
}

void appendEscaped(QString &out, QChar c)
{
    switch (c.unicode()) {
    case u'\n':
        out += QStringLiteral("\\n");
        return;
    case u'\r':
        out += QStringLiteral("\\r");
        return;
    case u'\t':
        out += QStringLiteral("\\t");
        return;
    default:
        break;
    }
    // Line and paragraph separators end a line in many viewers as well.
    if (c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
        out += QStringLiteral("\\u%1").arg(c.unicode(), kEscapeDigits, kHexadecimal, QLatin1Char('0'));
    else
        out += c;
}

// `text` with its control characters escaped; past `most` characters the
// rest is left out for a "…", without splitting a character in two.
QString escapedAndCut(const QString &text, qsizetype most)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        QString next;
        appendEscaped(next, text[i]);
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            next += text[++i];
        if (out.size() + next.size() > most)
            return out + kEllipsis;
        out += next;
    }
    return out;
}

} // namespace

QString Echo(const QString &text)
{
    return escapedAndCut(text, kMaxEchoLength);
}

QByteArray ErrorLine(const QString &message)
{
    return escapedAndCut(QStringLiteral("izoku-calc: ") + message, kMaxErrorLength - kEllipsis.size()).toUtf8() + '\n';
}

const Command *FindCommand(const QString &name)
{
    const auto &commands = Commands();
    const auto command = std::find_if(commands.begin(), commands.end(), [&](const auto &c) { return c.name == name; });
    return command == commands.end() ? nullptr : &*command;
}

namespace {

// How a command is asked to answer: as JSON, as CSV (--csv, for a command
// with a table) or into a file (--output FILE, for a command that writes one).
struct Invocation {
    bool csv = false;
    QString output;
};

std::optional<Invocation> invocation(const Command &command, const QStringList &arguments)
{
    if (command.toFile) {
        if (arguments.size() == OptionValue + 1 && arguments[Option] == QStringLiteral("--output") &&
            !arguments[OptionValue].isEmpty())
            return Invocation{false, arguments[OptionValue]};
        return std::nullopt;
    }
    if (arguments.size() == CommandName + 1)
        return Invocation{};
    if (arguments.size() == Option + 1 && arguments[Option] == QStringLiteral("--csv") && command.csv)
        return Invocation{true, {}};
    return std::nullopt;
}

} // namespace

bool ReadsInput(const QStringList &arguments)
{
    const Command *command = arguments.isEmpty() ? nullptr : FindCommand(arguments[CommandName]);
    return command && invocation(*command, arguments);
}

CalcResult Calculate(const QStringList &arguments, const QByteArray &input)
{
    if (arguments.isEmpty() || arguments[CommandName] == QStringLiteral("--help") ||
        arguments[CommandName] == QStringLiteral("-h"))
        return CalcResult{arguments.isEmpty() ? kRefused : kDone, helpText().toUtf8(), {}};
    const Command *command = FindCommand(arguments[CommandName]);
    const std::optional<Invocation> how = command ? invocation(*command, arguments) : std::nullopt;
    if (command && command->toFile && !how)
        return refuse(QStringLiteral("%1 writes a file: give --output FILE").arg(command->name));
    if (arguments.size() > Option && !how)
        return refuse(QStringLiteral("unexpected argument \"%1\"").arg(Echo(arguments[Option])));
    if (!command)
        return refuse(QStringLiteral("unknown command \"%1\" (see --help)").arg(Echo(arguments[CommandName])));

    if (input.size() > kMaxInputBytes)
        return refuse(QStringLiteral("the input is larger than %1 bytes").arg(kMaxInputBytes));
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(input, &error);
    if (error.error != QJsonParseError::NoError)
        return refuse(QStringLiteral("malformed JSON at offset %1: %2").arg(error.offset).arg(error.errorString()));
    if (!document.isObject())
        return refuse(QStringLiteral("the input must be one JSON object"));

    try {
        if (how->csv)
            return CalcResult{kDone, command->csv(document.object()), {}};
        const QJsonObject output =
            command->toFile ? command->toFile(document.object(), how->output) : command->run(document.object());
        return CalcResult{kDone, QJsonDocument(output).toJson(QJsonDocument::Indented), {}};
    } catch (const InputError &e) {
        return refuse(QString::fromUtf8(e.what()));
    }
}

} // namespace izoku::cli
