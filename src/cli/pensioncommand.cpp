#include "pensioncommand.h"

#include "cliinput.h"
#include "screeninput.h"
#include "screenoutput.h"

#include "engine/pension/pensioncalculation.h"

namespace izoku::cli {

namespace {

const QString kPensionFields = QStringLiteral("pension_fields");

const char kHelp[] = "  The survivors' pension screen's \"年金計算\", then its \"グラフの表示\".\n"
                     "  Input (every key optional):\n"
                     "    \"today\"          \"YYYY-MM-DD\", the system date of the run (default: the\n"
                     "                     machine's date)\n"
                     "    \"base_data\"      {\"fiscal_year\", \"slide_rate\", \"basic_pension\",\n"
                     "                     \"child_addition_1\", \"child_addition_2\",\n"
                     "                     \"old_cohort_basic_pension\", \"previous_amount_revision_rate\"}:\n"
                     "                     numbers (a year 1900..2100, a slide rate above 0 up to 2,\n"
                     "                     yen 0..10000000; B' of those born by 1956-04-01 1..10000000 yen\n"
                     "                     and the 従前額改定率 above 0 up to 2, either null for none).\n"
                     "                     The fiscal year chooses the law: up to 2014 that of fiscal\n"
                     "                     2009, from 2015 today's, which needs the last two.  Unless\n"
                     "                     the first five are all given, what is left out is read from\n"
                     "                     the ndata.mdb in use (--database): the newest year's row, or\n"
                     "                     that of --fiscal-year N; if that fails the menu's warning\n"
                     "                     comes first in \"messages\"\n"
                     "    \"members\"        up to %1 objects for 夫, 妻, 子1..子5 in that order, each with\n"
                     "                     \"role\", \"name\", \"age\" (texts), \"birth\" (date),\n"
                     "                     \"present\" and \"disabled\" (true/false, 対象 and 障害)\n"
                     "    \"membership\"     \"national\" (国民年金) or \"employee\" (厚生年金, default)\n"
                     "    \"choice\"         \"employees_pension\" (遺族厚生年金選択, default) or\n"
                     "                     \"widows_pension\" (寡婦年金選択); used for \"national\" only\n"
                     "    \"pension_fields\" up to %2 texts as typed: national paid months, employees'\n"
                     "                     months to 2003-03, average monthly remuneration, months\n"
                     "                     from 2003-04, average remuneration, slide rate (default:\n"
                     "                     the base data's slide rate)\n"
                     "  Output:\n"
                     "    \"messages\"  [{\"title\", \"text\", \"icon\"}] in the order shown\n"
                     "    \"law\"       the fiscal year and law of the base figures, as lblLaw shows\n"
                     "                (\"令和8年度（2026年度）の額・現行制度\", \"平成21年度の額\")\n"
                     "    \"stopped\"   true when an input check stopped the calculation\n"
                     "    \"slots\"     the %3 result fields (ages of the wife and yearly amounts)\n"
                     "    \"panels\"    the %4 labels of the four formula panels\n"
                     "    \"schedule\"  %5 rows of the year-by-year schedule, every column, as texts\n"
                     "    \"chart\"     {\"rows\", \"values\" (two lists, 万円: the yearly totals and\n"
                     "                the zero line), \"labels\", \"axis_max\", \"list\"}\n"
                     "  Example:\n"
                     "    echo '{\"today\": \"2026-12-08\", \"members\": [{}, {\"age\": \"45\"}],\n"
                     "           \"pension_fields\": [\"\", \"120\", \"300000\", \"60\", \"400000\"]}' |\n"
                     "      izoku-calc pension\n";

QJsonArray scheduleJson(const engine::PensionSchedule &schedule)
{
    QJsonArray rows;
    for (int row = 0; row < schedule.rows(); ++row)
        rows.append(TextsJson(schedule.rowTexts(row)));
    return rows;
}

QJsonObject run(const QJsonObject &input, const RunOptions &options)
{
    CheckKeys(input,
              {QStringLiteral("today"), QStringLiteral("base_data"), QStringLiteral("members"),
               QStringLiteral("membership"), QStringLiteral("choice"), kPensionFields},
              QString());
    const QDate today = ReadToday(input);
    const BaseFigures figures = ReadBaseDataOrStore(input, options.fiscalYear);
    const engine::BaseData &base = figures.data;
    engine::FrmRavoForm form;
    engine::OpenFrmRavo(form, base, today);
    ReadMembers(input, form.household);
    ReadMembership(input, form.membership);
    ReadChoice(input, form.choice);
    ReadFieldTexts(input, kPensionFields, form.text6);

    const engine::CalculationOutcome outcome = engine::RunPensionCalculation(form, base, today);
    const engine::ChartFeed chart = engine::PensionChartFeed(form);
    engine::Messages messages;
    if (figures.warning)
        messages.push_back(*figures.warning);
    messages.insert(messages.end(), outcome.messages.begin(), outcome.messages.end());
    return QJsonObject{
        {QStringLiteral("messages"), MessagesJson(messages)}, {QStringLiteral("law"), form.lawCaption},
        {QStringLiteral("stopped"), outcome.stopped},         {QStringLiteral("slots"), TextsJson(form.num4)},
        {QStringLiteral("panels"), TextsJson(form.num3)},     {QStringLiteral("schedule"), scheduleJson(form.schedule)},
        {QStringLiteral("chart"), ChartFeedJson(chart)}};
}

} // namespace

Command PensionCommand()
{
    const QString help = QString::fromUtf8(kHelp)
                             .arg(engine::HouseholdIndex::Count)
                             .arg(engine::Text6::Count)
                             .arg(engine::BenefitSlots::Count)
                             .arg(engine::Num3::Count)
                             .arg(engine::ScheduleRow::Count);
    return Command{QStringLiteral("pension"), help, &run};
}

} // namespace izoku::cli
