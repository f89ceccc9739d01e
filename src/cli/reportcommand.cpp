#include "reportcommand.h"

#include "calc.h"
#include "cliinput.h"
#include "needscommand.h"
#include "screenoutput.h"

#include "engine/report/consultationreport.h"
#include "ui/report/reportpdf.h"

#include <QDir>

namespace izoku::cli {

namespace {

const char kHelp[] = "  The consultation report (提案書PDF of the needs-analysis screen) as a\n"
                     "  three-page A4 PDF written to FILE: izoku-calc report --output FILE.\n"
                     "  Input: as for needs; the \"actions\" must leave a base calculation (the\n"
                     "    default [\"base\"] does).  The comparison with the insurance held is run\n"
                     "    on the way, as the screen's button does.\n"
                     "  Output:\n"
                     "    \"output\"    the file written\n"
                     "    \"messages\"  [{\"title\", \"text\", \"icon\"}] shown on the way\n"
                     "  An input that leaves no report, or a file that cannot be written, is an\n"
                     "  error.\n";

QJsonObject write(const QJsonObject &input, const QString &path, const RunOptions &options)
{
    const NeedsRun done = PressNeedsButtons(input, options);
    const engine::ReportOpening opening = engine::OpenConsultationReport(done.form, done.base, done.today);
    if (!done.form.sheet.exists())
        throw InputError(NoSheetError(done));
    if (!opening.report)
        throw InputError(
            QStringLiteral("no report: %1").arg(opening.messages.empty() ? QString() : opening.messages.back().text));
    if (!ui::WriteConsultationReport(*opening.report, path))
        throw InputError(QStringLiteral("cannot write \"%1\"").arg(Echo(QDir::toNativeSeparators(path))));
    engine::Messages messages = done.messages;
    messages.insert(messages.end(), opening.messages.begin(), opening.messages.end());
    return QJsonObject{{QStringLiteral("output"), QDir::toNativeSeparators(path)},
                       {QStringLiteral("messages"), MessagesJson(messages)}};
}

} // namespace

Command ReportCommand()
{
    Command command{QStringLiteral("report"), QString::fromUtf8(kHelp)};
    command.toFile = &write;
    return command;
}

} // namespace izoku::cli
