#include "comparison.h"

#include "engine/charts/axismaximum.h"
#include "engine/charts/yearlychart.h"
#include "engine/needs/basecalculation.h"
#include "engine/needs/coverage.h"
#include "engine/needs/frmhokenform.h"
#include "engine/needs/insurance.h"
#include "engine/needs/projection.h"
#include "engine/needs/sheetchart.h"
#include "engine/text/numbertext.h"

#include <algorithm>

namespace izoku::engine {

namespace {

using Row = ProjectionSheet::Row;

// The coverage chart's three-digit case steps by 1,000,000 yen.
constexpr std::int64_t kCoverageThreeDigitStep = 1000000;

// A chosen reference age must lie in the range the screen shows beside it.
std::optional<Message> checkReferenceAge(const FrmhokenForm &form)
{
    if (form.reference != FrmhokenForm::Reference::ChosenAge)
        return std::nullopt;
    const double age = form.num4Value(HokenNum4::ReferenceAge);
    if (age >= form.num4Value(HokenNum4::RangeFrom) && age <= form.num4Value(HokenNum4::RangeTo))
        return std::nullopt;
    return Warning(QStringLiteral("基準となる妻の年齢は%1歳から%2歳の範囲で入力してください")
                       .arg(form.num4[HokenNum4::RangeFrom], form.num4[HokenNum4::RangeTo]),
                   QStringLiteral("入力エラー"), QStringLiteral("Num4(%1)").arg(HokenNum4::ReferenceAge));
}

// The years whose shortfall is summed: up to the end of the horizon, or up
// to the wife's chosen age (checked first).
std::optional<std::int16_t> referenceYears(const FrmhokenForm &form)
{
    if (form.reference == FrmhokenForm::Reference::LifeExpectancy)
        return ToInt16(Horizon(form));
    return ToInt16(form.num4Value(HokenNum4::ReferenceAge) - form.num1Value(HokenNum1::WifeAge));
}

int shortfallRow(const FrmhokenForm &form)
{
    return form.reference == FrmhokenForm::Reference::LifeExpectancy ? static_cast<int>(Row::ShortfallToEnd)
                                                                     : static_cast<int>(Row::ShortfallToReference);
}

// The peak the axis must hold: the insurance in force and the shortfall
// over the whole horizon.
std::optional<std::int32_t> peak(const FrmhokenForm &form, int shortfallRow)
{
    std::int32_t largest = 0;
    const int last = Horizon(form) + 1;
    for (int row : {static_cast<int>(Row::InsuranceTotal), shortfallRow}) {
        for (int column = 1; column <= last; ++column) {
            const double value = form.sheet.value(row, column);
            if (value <= largest)
                continue;
            const auto whole = ToInt32(value);
            if (!whole)
                return std::nullopt;
            largest = *whole;
        }
    }
    return largest;
}

ChartFeed coverageChart(const FrmhokenForm &form, int rows, std::int32_t largest)
{
    const ProjectionSheet &sheet = form.sheet;
    ChartFeed feed = SheetRowsChart(form, rows, Row::InsuranceTotal, Row::ShortfallToReference);
    for (int j = 1; j <= rows; ++j)
        feed.listLines << ChartListLine(sheet.text(Row::WifeAge, j), sheet.value(Row::ShortfallToReference, j));
    feed.axisMaximum = ChartAxisMaximum(DigitRuleAxisMaximum(largest, kCoverageThreeDigitStep, false), largest);
    for (int slot = CoverageChartField::TermFrom(0); slot < CoverageChartField::End(); ++slot)
        feed.fields.insert(slot, PlainNumber(form.num4Value(slot)));
    return feed;
}

} // namespace

ChartOpening CompareInsuranceWithCoverage(FrmhokenForm &form, const BaseData &baseData, const QDate &today)
{
    ChartOpening opening;
    const CalculationOutcome base = RunBaseCalculation(form, baseData, today);
    opening.messages = base.messages;
    // A stopped base calculation leaves the sheet of earlier inputs; a chart
    // drawn from it would put those figures under the ages of the new ones.
    if (base.stopped)
        return opening;
    const CalculationOutcome registered = RegisterInsurance(form);
    opening.messages.insert(opening.messages.end(), registered.messages.begin(), registered.messages.end());
    if (auto message = checkReferenceAge(form)) {
        opening.messages.push_back(*message);
        return opening;
    }
    const auto years = referenceYears(form);
    if (!years || !ComputeCoverageToReference(form, *years)) {
        opening.messages.push_back(AmountTooLargeMessage());
        return opening;
    }
    ChartOpening chart = ShowCoverageChart(form);
    opening.messages.insert(opening.messages.end(), chart.messages.begin(), chart.messages.end());
    opening.chart = std::move(chart.chart);
    return opening;
}

ChartOpening ShowCoverageChart(const FrmhokenForm &form)
{
    ChartOpening opening;
    if (form.sheet.isEmpty(Row::HusbandAge, 0)) {
        opening.messages.push_back(NoBaseCalculationMessage());
        return opening;
    }
    if (auto message = checkReferenceAge(form)) {
        opening.messages.push_back(*message);
        return opening;
    }
    const auto years = referenceYears(form);
    const auto largest = peak(form, shortfallRow(form));
    if (!years || !largest) {
        opening.messages.push_back(AmountTooLargeMessage());
        return opening;
    }
    // A row needs a year of the sheet behind it: the wife's age may have been
    // changed on the screen since the sheet was built.
    opening.chart = coverageChart(form, std::min(*years + 1, form.sheet.yearColumns()), *largest);
    return opening;
}

} // namespace izoku::engine
