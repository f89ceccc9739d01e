#include "deathyears.h"

#include "engine/charts/axismaximum.h"
#include "engine/charts/yearlychart.h"
#include "engine/dates/ages.h"
#include "engine/forms/agecheck.h"
#include "engine/law/pensionlaw.h"
#include "engine/needs/basecalculation.h"
#include "engine/needs/comparison.h"
#include "engine/needs/frmhokenform.h"
#include "engine/needs/projectioncsv.h"
#include "engine/text/numbertext.h"

#include <algorithm>

namespace izoku::engine {

namespace {

using Row = ProjectionSheet::Row;

constexpr int kMonthsPerYear = 12;
// The curve's axis steps as the comparison chart's does.
constexpr std::int64_t kThreeDigitStep = 1000000;

// A person's age `years` on: the age field moves with the birth date, so an
// age the agent typed over a birth date left at today still grows a year a
// year.
QString ageLater(const HouseholdMember &member, const QDate &today, const QDate &death, int years)
{
    const auto now = AgeAt(member.birth, today);
    const auto then = AgeAt(member.birth, death);
    const double grown = now && then ? *then - *now : years;
    return PlainNumber(LeadingNumber(member.age) + grown);
}

void addOnce(Messages &into, const Messages &messages)
{
    for (const Message &message : messages) {
        if (std::find(into.begin(), into.end(), message) == into.end())
            into.push_back(message);
    }
}

// The later years the curve does not reach.
bool beyondTheCurve(const FrmhokenForm &atDeath)
{
    const double husband = atDeath.num1Value(HokenNum1::HusbandAge);
    const double wife = atDeath.num1Value(HokenNum1::WifeAge);
    if (husband > kHusbandLastDeathAge || wife > kOldestWifeAge)
        return true;
    return atDeath.reference == FrmhokenForm::Reference::ChosenAge &&
           wife >= atDeath.num4Value(HokenNum4::ReferenceAge);
}

} // namespace

FrmhokenForm HouseholdAtDeath(const FrmhokenForm &form, int years, const QDate &today)
{
    FrmhokenForm atDeath = form;
    if (years == 0)
        return atDeath;
    const QDate death = today.addYears(years);
    for (int i = 0; i < HouseholdIndex::Count; ++i) {
        HouseholdMember &member = atDeath.household.members[static_cast<size_t>(i)];
        if (Household::IsChild(i) && !member.present)
            continue;
        member.age = ageLater(member, today, death, years);
    }
    const int grownSlot =
        form.option1 == Membership::Employee ? HokenNum1::EmployeeMonthsFrom2003 : HokenNum1::NationalMonths;
    atDeath.num1(grownSlot) = PlainNumber(form.num1Value(grownSlot) + kMonthsPerYear * years);
    return atDeath;
}

DeathYearCurve NeedByYearOfDeath(const FrmhokenForm &form, const BaseData &base, const QDate &today)
{
    DeathYearCurve curve;
    for (int years = 0; years < kLongestDeathYearCurve; ++years) {
        FrmhokenForm atDeath = HouseholdAtDeath(form, years, today);
        if (years > 0 && beyondTheCurve(atDeath))
            break;
        const QDate death = today.addYears(years);
        const ChartOpening compared = CompareInsuranceWithCoverage(atDeath, base, death);
        addOnce(curve.messages, compared.messages);
        if (!compared.chart) {
            curve.stoppedByMessage = true;
            break;
        }
        const ProjectionSheet &sheet = atDeath.sheet;
        curve.points.push_back({years, death, atDeath.num1Value(HokenNum1::HusbandAge),
                                atDeath.num1Value(HokenNum1::WifeAge), sheet.value(Row::ShortfallToReference, 1),
                                sheet.value(Row::InsuranceTotal, 1)});
    }
    return curve;
}

std::optional<DeathYearPoint> LargestShortfall(const DeathYearCurve &curve)
{
    std::optional<DeathYearPoint> largest;
    for (const DeathYearPoint &point : curve.points) {
        if (point.shortfall() > 0 && (!largest || point.shortfall() > largest->shortfall()))
            largest = point;
    }
    return largest;
}

QByteArray DeathYearCsv(const DeathYearCurve &curve)
{
    std::vector<QStringList> lines{{QStringLiteral("年後"), QStringLiteral("死亡日"), QStringLiteral("夫の年齢"),
                                    QStringLiteral("妻の年齢"), QStringLiteral("必要保障額"),
                                    QStringLiteral("生命保険"), QStringLiteral("不足額")}};
    for (const DeathYearPoint &point : curve.points)
        lines.push_back({QString::number(point.yearsAfter), point.date.toString(QStringLiteral("yyyy/MM/dd")),
                         PlainNumber(point.husbandAge), PlainNumber(point.wifeAge), PlainNumber(point.coverage),
                         PlainNumber(point.insurance), PlainNumber(point.shortfall())});
    return CsvFile(lines);
}

QString DeathYearNote(const BaseData &base)
{
    return QStringLiteral("ご主人が各年齢で亡くなった場合の必要保障額です。"
                          "収入・支出・年金加入は現在の条件が続くものとして計算しています。（%1）")
        .arg(LawCaption(PensionLawOf(base)));
}

ChartFeed DeathYearChart(const DeathYearCurve &curve, const QString &customerName, const BaseData &base)
{
    ChartFeed feed;
    feed.name = customerName;
    double largest = 0;
    for (const DeathYearPoint &point : curve.points) {
        feed.series1.push_back(ManYen(point.coverage));
        feed.series2.push_back(ManYen(point.insurance));
        feed.rowLabels << ChartRowLabel(point.husbandAge, 1);
        feed.listLines << QStringLiteral("%1歳  %2  %3")
                              .arg(PlainNumber(point.husbandAge), FormatNumber(point.coverage, NumberFormat::Grouped),
                                   FormatNumber(point.insurance, NumberFormat::Grouped));
        largest = std::max({largest, point.coverage, point.insurance});
    }
    const auto whole = ToInt32(largest);
    feed.axisMaximum =
        ChartAxisMaximum(whole ? DigitRuleAxisMaximum(*whole, kThreeDigitStep, false) : std::nullopt, largest);
    if (const auto gap = LargestShortfall(curve)) {
        feed.fields.insert(DeathYearChartField::LargestShortfall,
                           FormatNumber(gap->shortfall(), NumberFormat::Grouped) + QStringLiteral("円"));
        feed.fields.insert(DeathYearChartField::LargestShortfallAge,
                           PlainNumber(gap->husbandAge) + QStringLiteral("歳"));
    } else {
        feed.fields.insert(DeathYearChartField::LargestShortfall, QStringLiteral("不足はありません"));
        feed.fields.insert(DeathYearChartField::LargestShortfallAge, QString());
    }
    feed.fields.insert(DeathYearChartField::Note, DeathYearNote(base));
    return feed;
}

DeathYearOpening ShowDeathYearChart(FrmhokenForm &form, const BaseData &base, const QDate &today)
{
    DeathYearOpening opening;
    const CalculationOutcome checked = RunBaseCalculation(form, base, today);
    opening.messages = checked.messages;
    if (checked.stopped)
        return opening;
    opening.curve = NeedByYearOfDeath(form, base, today);
    addOnce(opening.messages, opening.curve->messages);
    if (!opening.curve->points.empty())
        opening.chart = DeathYearChart(*opening.curve, form.household.members[HouseholdIndex::Husband].name, base);
    return opening;
}

} // namespace izoku::engine
