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
    QString text = QStringLiteral("usage: izoku-calc [--database PATH] COMMAND [--fiscal-year N] < in.json > out.json\n"
                                  "\n"
                                  "Runs one calculation of Izoku Planner without a window: reads one JSON\n"
                                  "object on standard input, writes one JSON object on standard output.\n"
                                  "Every key of the input is optional; what is left out keeps the value the\n"
                                  "window has when it opens.  Field texts are given and returned exactly as\n"
                                  "typed and shown.  Dates are \"YYYY-MM-DD\".  Bad input: a one-line error on\n"
                                  "standard error (at most %1 characters) and exit status %2.  Refused before\n"
                                  "any calculation: an input over %3 bytes, a text over %4\n"
                                  "characters, more than %5 \"actions\".  --database names the ndata.mdb the\n"
                                  "base figures are read from, as for izoku-planner; they are those of its\n"
                                  "newest fiscal year, as at the program's start, or with --fiscal-year N those\n"
                                  "of year N, as chosen on the menu (a year the file has no row of is an\n"
                                  "error).  Every answer of pension and needs names the year and the law in\n"
                                  "\"law\".\n")
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
// with a table) or into a file (--output FILE, for a command that writes
// one), and from the base figures of which fiscal year.
struct Invocation {
    bool csv = false;
    QString output;
    RunOptions options;
};

const QString kFiscalYearOption = QStringLiteral("--fiscal-year");

// Takes "--fiscal-year N" (or "--fiscal-year=N") out of the arguments after
// the command.  False when it has no year.
bool takeFiscalYear(QStringList &arguments, RunOptions &options)
{
    for (qsizetype i = Option; i < arguments.size(); ++i) {
        QString value;
        const bool separate = arguments[i] == kFiscalYearOption;
        if (separate) {
            if (i + 1 == arguments.size())
                return false;
            value = arguments[i + 1];
        } else if (arguments[i].startsWith(kFiscalYearOption + u'=')) {
            value = arguments[i].mid(kFiscalYearOption.size() + 1);
        } else {
            continue;
        }
        bool ok = false;
        options.fiscalYear = value.toInt(&ok);
        arguments.remove(i, separate ? 2 : 1);
        return ok;
    }
    return true;
}

std::optional<Invocation> invocation(const Command &command, const QStringList &arguments)
{
    if (command.toFile) {
        if (arguments.size() == OptionValue + 1 && arguments[Option] == QStringLiteral("--output") &&
            !arguments[OptionValue].isEmpty())
            return Invocation{false, arguments[OptionValue], {}};
        return std::nullopt;
    }
    if (arguments.size() == CommandName + 1)
        return Invocation{};
    if (arguments.size() == Option + 1 && arguments[Option] == QStringLiteral("--csv") && command.csv)
        return Invocation{true, {}, {}};
    return std::nullopt;
}

// The arguments read: the invocation they ask for (none for arguments
// that ask for none), what is left once --fiscal-year is taken out, and
// whether that option had no year.
struct Parsed {
    std::optional<Invocation> how;
    QStringList rest;
    bool yearMissing = false;
};

Parsed parse(const Command *command, const QStringList &arguments)
{
    Parsed parsed{std::nullopt, arguments, false};
    if (!command)
        return parsed;
    RunOptions options;
    if (command->readsBaseData && !takeFiscalYear(parsed.rest, options)) {
        parsed.yearMissing = true;
        return parsed;
    }
    parsed.how = invocation(*command, parsed.rest);
    if (parsed.how)
        parsed.how->options = options;
    return parsed;
}

} // namespace

bool ReadsInput(const QStringList &arguments)
{
    return !arguments.isEmpty() && parse(FindCommand(arguments[CommandName]), arguments).how;
}

CalcResult Calculate(const QStringList &arguments, const QByteArray &input)
{
    if (arguments.isEmpty() || arguments[CommandName] == QStringLiteral("--help") ||
        arguments[CommandName] == QStringLiteral("-h"))
        return CalcResult{arguments.isEmpty() ? kRefused : kDone, helpText().toUtf8(), {}};
    const Command *command = FindCommand(arguments[CommandName]);
    const Parsed parsed = parse(command, arguments);
    if (parsed.yearMissing)
        return refuse(QStringLiteral("%1 needs a year").arg(kFiscalYearOption));
    const std::optional<Invocation> &how = parsed.how;
    if (command && command->toFile && !how)
        return refuse(QStringLiteral("%1 writes a file: give --output FILE").arg(command->name));
    if (parsed.rest.size() > Option && !how)
        return refuse(QStringLiteral("unexpected argument \"%1\"").arg(Echo(parsed.rest[Option])));
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
            return CalcResult{kDone, command->csv(document.object(), how->options), {}};
        const QJsonObject output = command->toFile ? command->toFile(document.object(), how->output, how->options)
                                                   : command->run(document.object(), how->options);
        return CalcResult{kDone, QJsonDocument(output).toJson(QJsonDocument::Indented), {}};
    } catch (const InputError &e) {
        return refuse(QString::fromUtf8(e.what()));
    }
}

} // namespace izoku::cli
