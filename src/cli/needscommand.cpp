#include "needscommand.h"

#include "calc.h"
#include "cliinput.h"
#include "screeninput.h"
#include "screenoutput.h"

#include "engine/needs/basecalculation.h"
#include "engine/needs/deathyears.h"
#include "engine/needs/frmhokenbuttons.h"
#include "engine/needs/frmhokenform.h"
#include "engine/needs/insurance.h"
#include "engine/needs/needscharts.h"
#include "engine/needs/projectioncsv.h"

#include <QJsonArray>

namespace izoku::cli {

namespace {

using engine::FrmhokenForm;

const char kHelp[] = "  The needs-analysis screen: its calculation buttons pressed in order.\n"
                     "  Input (every key optional; what is left out keeps the opening value):\n"
                     "    \"today\", \"base_data\", \"members\", \"membership\", \"choice\"  as for pension\n"
                     "    \"base_date\"  \"YYYY-MM-DD\", the base date Date2(0) (default: today)\n"
                     "    \"num1\"       {\"7\": \"0\", \"16\": \"30\", ...}: Num1 slots %1..%2 as typed (the\n"
                     "                 ages 0..%3 are the members' \"age\")\n"
                     "    \"num4\"       {\"0\": \"30\", \"2\": \"1000\", \"13\": \"64\", ...}: Num4 slots 0..%4,\n"
                     "                 the policies (husband's ages, 万円) and the reference age\n"
                     "    \"company\", \"product\"  Fmt3(0), Fmt3(1)\n"
                     "    \"reference\"  \"life_expectancy\" (Option4) or \"age\" (Option5, default)\n"
                     "    \"actions\"    the buttons in order, default [\"base\"]: \"base\" (基礎計算),\n"
                     "                 \"register\" (生保データの登録), \"compare\" (生命保険と必要補償額),\n"
                     "                 \"pension_chart\" (遺族年金グラフ), \"income_chart\"\n"
                     "                 (今後の収入と支出のグラフ), \"death_years\" (死亡時期別)\n"
                     "  Output:\n"
                     "    \"messages\"  [{\"title\", \"text\", \"icon\"}] in the order shown\n"
                     "    \"law\"       the fiscal year and law of the base figures, as lblLaw shows\n"
                     "    \"num1\"      the %5 Num1 texts; \"num4\" the %6 Num4 texts\n"
                     "    \"panels\"    the %7 Num3 texts of the calculation-process panel\n"
                     "    \"sheet\"     the %8 rows of the projection sheet, every column ([] before\n"
                     "                any base calculation)\n"
                     "    \"charts\"    {\"coverage\", \"pension\", \"income\"}, each only if its button\n"
                     "                opened the chart: \"rows\", \"values\" (two lists, 万円),\n"
                     "                \"labels\", \"axis_max\", \"list\", \"name\", \"fields\" (the\n"
                     "                window's numbered fields) and, for \"income\", \"table\"; and\n"
                     "                \"death_years\" for that action\n"
                     "    \"death_years\"  with that action: the need by year of death, [{\"years_after\",\n"
                     "                \"date\", \"husband_age\", \"wife_age\", \"coverage\", \"insurance\",\n"
                     "                \"shortfall\"}], and \"death_years_stop\": the message that ended\n"
                     "                it early, or null\n"
                     "  With --csv: the projection sheet instead, as the screen's \"CSV出力\" writes it\n"
                     "    (UTF-8 with a byte order mark, one line per row, label first); an error if\n"
                     "    no base calculation left a sheet.  With \"death_years\" among the actions,\n"
                     "    the curve instead, a line per year of death under a heading line\n"
                     "  Example:\n"
                     "    echo '{\"today\": \"2026-12-08\", \"members\": [{\"age\": \"40\"}, {\"age\": \"38\"}],\n"
                     "           \"num1\": {\"8\": \"120\", \"9\": \"300000\", \"16\": \"30\"},\n"
                     "           \"actions\": [\"base\", \"compare\"]}' | izoku-calc needs\n";

// Num1 begins with the members' ages, which "members" gives.
constexpr int kFirstTypedNum1 = engine::HouseholdIndex::Count;

// {"slot": "text"} over the slots first..last of a field array.
template <typename Setter> void readSlots(const QJsonObject &input, const QString &key, int first, int last, Setter set)
{
    if (!input.contains(key))
        return;
    const QJsonObject given = RequireObject(input[key], key);
    for (auto it = given.begin(); it != given.end(); ++it) {
        bool ok = false;
        const int slot = it.key().toInt(&ok);
        const QString where = QStringLiteral("%1.%2").arg(key, Echo(it.key()));
        if (!ok || slot < first || slot > last || QString::number(slot) != it.key())
            throw InputError(QStringLiteral("unknown key \"%1\" (slots %2..%3)").arg(where).arg(first).arg(last));
        set(slot, RequireString(it.value(), where));
    }
}

void readForm(const QJsonObject &input, FrmhokenForm &form)
{
    ReadMembers(input, form.household);
    if (input.contains(QStringLiteral("base_date")))
        form.date2[engine::HokenDate2::BaseDate] =
            RequireDate(input[QStringLiteral("base_date")], QStringLiteral("base_date"));
    ReadMembership(input, form.option1);
    ReadChoice(input, form.choice);
    readSlots(input, QStringLiteral("num1"), kFirstTypedNum1, engine::HokenNum1::kCount - 1,
              [&](int slot, const QString &text) { form.num1(slot) = text; });
    readSlots(input, QStringLiteral("num4"), 0, engine::HokenNum4::kCount - 1,
              [&](int slot, const QString &text) { form.num4[static_cast<size_t>(slot)] = text; });
    if (input.contains(QStringLiteral("company")))
        form.fmt3[engine::HokenFmt3::Company] =
            RequireString(input[QStringLiteral("company")], QStringLiteral("company"));
    if (input.contains(QStringLiteral("product")))
        form.fmt3[engine::HokenFmt3::Product] =
            RequireString(input[QStringLiteral("product")], QStringLiteral("product"));
    if (input.contains(QStringLiteral("reference"))) {
        const QString reference = RequireChoice(input[QStringLiteral("reference")], QStringLiteral("reference"),
                                                {QStringLiteral("life_expectancy"), QStringLiteral("age")});
        form.reference = reference == QStringLiteral("age") ? FrmhokenForm::Reference::ChosenAge
                                                            : FrmhokenForm::Reference::LifeExpectancy;
    }
}

QStringList readActions(const QJsonObject &input)
{
    static const QStringList known{QStringLiteral("base"),         QStringLiteral("register"),
                                   QStringLiteral("compare"),      QStringLiteral("pension_chart"),
                                   QStringLiteral("income_chart"), QStringLiteral("death_years")};
    if (!input.contains(QStringLiteral("actions")))
        return {QStringLiteral("base")};
    QStringList actions;
    const QJsonArray array = RequireArray(input[QStringLiteral("actions")], QStringLiteral("actions"), kMaxActions);
    for (qsizetype i = 0; i < array.size(); ++i)
        actions << RequireChoice(array[i], QStringLiteral("actions[%1]").arg(i), known);
    return actions;
}

// What the chart window is given: both series, and the fields it shows.
QJsonObject chartJson(const engine::ChartFeed &feed)
{
    QJsonObject chart = ChartFeedJson(feed);
    chart[QStringLiteral("name")] = feed.name;
    QJsonObject fields;
    for (auto it = feed.fields.begin(); it != feed.fields.end(); ++it)
        fields[QString::number(it.key())] = it.value();
    chart[QStringLiteral("fields")] = fields;
    return chart;
}

QJsonArray deathYearsJson(const engine::DeathYearCurve &curve)
{
    QJsonArray points;
    for (const engine::DeathYearPoint &point : curve.points)
        points.append(QJsonObject{{QStringLiteral("years_after"), point.yearsAfter},
                                  {QStringLiteral("date"), point.date.toString(Qt::ISODate)},
                                  {QStringLiteral("husband_age"), point.husbandAge},
                                  {QStringLiteral("wife_age"), point.wifeAge},
                                  {QStringLiteral("coverage"), point.coverage},
                                  {QStringLiteral("insurance"), point.insurance},
                                  {QStringLiteral("shortfall"), point.shortfall()}});
    return points;
}

QJsonArray sheetJson(const engine::ProjectionSheet &sheet)
{
    QJsonArray rows;
    for (int row = 0; row < sheet.rowCount(); ++row)
        rows.append(QJsonArray::fromStringList(sheet.rowTexts(row)));
    return rows;
}

} // namespace

NeedsRun PressNeedsButtons(const QJsonObject &input, const RunOptions &options)
{
    CheckKeys(input,
              {QStringLiteral("today"), QStringLiteral("base_data"), QStringLiteral("members"),
               QStringLiteral("base_date"), QStringLiteral("membership"), QStringLiteral("choice"),
               QStringLiteral("num1"), QStringLiteral("num4"), QStringLiteral("company"), QStringLiteral("product"),
               QStringLiteral("reference"), QStringLiteral("actions")},
              QString());
    const QDate today = ReadToday(input);
    const BaseFigures figures = ReadBaseDataOrStore(input, options.fiscalYear);
    const engine::BaseData &base = figures.data;
    NeedsRun done{base, today, {}, {}, {}, std::nullopt};
    FrmhokenForm &form = done.form;
    engine::OpenFrmhoken(form, base, today);
    readForm(input, form);
    const QStringList actions = readActions(input);

    // The menu's warning comes before any calculation is run.
    engine::Messages &messages = done.messages;
    if (figures.warning)
        messages.push_back(*figures.warning);
    QJsonObject &charts = done.charts;
    auto show = [&](const engine::Messages &shown) { messages.insert(messages.end(), shown.begin(), shown.end()); };
    for (const QString &action : actions) {
        if (action == u"base") {
            show(engine::RunBaseCalculation(form, base, today).messages);
        } else if (action == u"register") {
            show(engine::RegisterInsurance(form).messages);
        } else if (action == u"compare") {
            const engine::ChartOpening opening = engine::CompareInsuranceWithCoverage(form, base, today);
            show(opening.messages);
            if (opening.chart)
                charts[QStringLiteral("coverage")] = chartJson(*opening.chart);
        } else if (action == u"pension_chart") {
            const engine::ChartOpening opening = engine::ShowPensionChart(form);
            show(opening.messages);
            if (opening.chart)
                charts[QStringLiteral("pension")] = chartJson(*opening.chart);
        } else if (action == u"death_years") {
            engine::DeathYearOpening opening = engine::ShowDeathYearChart(form, base, today);
            show(opening.messages);
            // A base calculation that stops leaves a curve of no year, ended
            // by its message.
            done.deathYears =
                opening.curve ? std::move(*opening.curve) : engine::DeathYearCurve{{}, opening.messages, true};
            if (opening.chart)
                charts[QStringLiteral("death_years")] = chartJson(*opening.chart);
        } else {
            const engine::IncomeExpenseOpening opening = engine::ShowIncomeExpenseChart(form);
            show(opening.messages);
            if (opening.chart) {
                QJsonObject chart = chartJson(*opening.chart);
                QJsonArray table;
                for (const QStringList &row : opening.table)
                    table.append(QJsonArray::fromStringList(row));
                chart[QStringLiteral("table")] = table;
                charts[QStringLiteral("income")] = chart;
            }
        }
    }

    return done;
}

QString NoSheetError(const NeedsRun &run)
{
    return QStringLiteral("no projection sheet to write: %1")
        .arg(run.messages.empty() ? QStringLiteral("the actions run no base calculation") : run.messages.back().text);
}

namespace {

QJsonObject run(const QJsonObject &input, const RunOptions &options)
{
    const NeedsRun done = PressNeedsButtons(input, options);
    const FrmhokenForm &form = done.form;
    QStringList num1;
    for (int slot = 0; slot < engine::HokenNum1::kCount; ++slot)
        num1 << form.num1(slot);
    QJsonObject answer{{QStringLiteral("messages"), MessagesJson(done.messages)},
                       {QStringLiteral("law"), form.lawCaption},
                       {QStringLiteral("num1"), QJsonArray::fromStringList(num1)},
                       {QStringLiteral("num4"), TextsJson(form.num4)},
                       {QStringLiteral("panels"), TextsJson(form.num3)},
                       {QStringLiteral("sheet"), sheetJson(form.sheet)},
                       {QStringLiteral("charts"), done.charts}};
    if (const auto &curve = done.deathYears) {
        answer[QStringLiteral("death_years")] = deathYearsJson(*curve);
        answer[QStringLiteral("death_years_stop")] =
            curve->stoppedByMessage ? QJsonValue(MessagesJson({curve->messages.back()}).first()) : QJsonValue();
    }
    return answer;
}

QByteArray csv(const QJsonObject &input, const RunOptions &options)
{
    const NeedsRun done = PressNeedsButtons(input, options);
    if (const auto &curve = done.deathYears) {
        if (curve->points.empty() && curve->stoppedByMessage)
            throw InputError(QStringLiteral("no need by year of death to write: %1").arg(curve->messages.back().text));
        return engine::DeathYearCsv(*curve);
    }
    const engine::CsvExport exported = engine::ExportProjectionCsv(done.form);
    if (!exported.csv)
        throw InputError(NoSheetError(done));
    return *exported.csv;
}

} // namespace

Command NeedsCommand()
{
    using engine::HokenNum1;
    using engine::HokenNum4;
    const QString help = QString::fromUtf8(kHelp)
                             .arg(kFirstTypedNum1)
                             .arg(HokenNum1::kCount - 1)
                             .arg(kFirstTypedNum1 - 1)
                             .arg(HokenNum4::kCount - 1)
                             .arg(HokenNum1::kCount)
                             .arg(HokenNum4::kCount)
                             .arg(engine::Num3::Count)
                             .arg(engine::ProjectionSheet::kRows);
    return Command{QStringLiteral("needs"), help, &run, &csv};
}

} // namespace izoku::cli
