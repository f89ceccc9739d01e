#include "pensioncalculation.h"

#include "insuredperiods.h"
#include "pensionbenefits.h"
#include "widowbenefits.h"

#include "engine/charts/axismaximum.h"
#include "engine/charts/yearlychart.h"
#include "engine/forms/agecheck.h"
#include "engine/text/numbertext.h"

#include <algorithm>
#include <span>

namespace izoku::engine {

namespace {

// The pension record proper: everything but the slide rate.
constexpr std::size_t kRecordFields = Text6::SlideRate;
// The pension screen's chart runs its axis a hundred 万円 above the first digit.
constexpr int kAxisOffset = 100;

std::optional<Message> checkInputs(const FrmRavoForm &form)
{
    if (const auto field = FirstNonNumericField(form.text6))
        return Warning(QStringLiteral("数値を入れて下さい"), QStringLiteral("エラー"), Text6FieldName(*field), true);
    if (auto message = CheckWifeAgeLimit(form.household.WifeAge()))
        return message;
    if (auto message = CheckHouseholdAges(form))
        return message;
    if (AllFieldsZero(std::span(form.text6).first(kRecordFields)))
        return Warning(QStringLiteral("年金関連のデータを入れてください"), QStringLiteral("入力エラー"));
    return std::nullopt;
}

std::vector<QString> yearTexts(const PensionSchedule &schedule, int row, int years)
{
    std::vector<QString> texts;
    for (int column = 1; column <= years; ++column)
        texts.push_back(schedule.cell(row, column));
    return texts;
}

} // namespace

CalculationOutcome RunPensionCalculation(FrmRavoForm &form, const BaseData &base, const QDate &today)
{
    CalculationOutcome outcome;
    if (auto message = checkInputs(form)) {
        outcome.messages.push_back(std::move(*message));
        outcome.stopped = true;
        return outcome;
    }
    const PensionLaw law = PensionLawOf(base);
    // A year whose row lacks a figure the household needs is refused before
    // anything on screen is cleared.
    if (auto refusal = MissingFigureRefusal(law, PensionSurvivorsCase(form, law, today))) {
        outcome.messages.push_back(std::move(*refusal));
        outcome.stopped = true;
        return outcome;
    }
    form.num4.fill(QStringLiteral("0"));
    const auto years = ScheduleYears(form.household.WifeAge());
    if (!years)
        return outcome;
    form.schedule.Reset(*years);
    // Either membership starts from the household's rows of the schedule
    // and the survivors' basic pension over them.
    const std::vector<BasicPensionYear> household = FillHouseholdYears(form, law);
    PlaceBasicPensionPhases(form, household);
    if (PlaceSurvivorsBenefits(form, law, today, outcome.messages))
        form.schedule.FillBenefitRows(form.num4, household);
    if (auto notice = ReformNotModelledNotice(law, form.dates[PeriodDate::Reference]))
        outcome.messages.push_back(std::move(*notice));
    return outcome;
}

ChartFeed PensionChartFeed(const FrmRavoForm &form)
{
    ChartFeed feed;
    const double wifeAge = form.household.WifeAge();
    if (const auto scheduleYears = ScheduleYears(wifeAge)) {
        // A chart row needs a year of the last calculation behind it: the
        // wife's age may have been changed since.
        const int years = std::min(*scheduleYears, std::max(0, form.schedule.lastYearColumn()));
        const auto ages = yearTexts(form.schedule, ScheduleRow::WifeAge, years);
        const auto totals = yearTexts(form.schedule, ScheduleRow::Total, years);
        feed = YearlyTotalsChart(wifeAge, ages, totals);
        const std::int64_t largest = LargestYearlyAmount(totals);
        feed.axisMaximum = ChartAxisMaximum(FirstDigitAxisMaximum(largest, kAxisOffset), static_cast<double>(largest));
    }
    feed.name = form.household.members[HouseholdIndex::Husband].name;
    for (int slot = 0; slot < BenefitSlots::Count; ++slot) {
        // The chart window has no field for the slot the screen leaves unused.
        if (slot != BenefitSlots::Unused)
            feed.fields.insert(slot, form.num4[slot]);
    }
    for (int field = 0; field < static_cast<int>(kRecordFields); ++field)
        feed.periodFields.insert(field, form.text6[field]);
    return feed;
}

} // namespace izoku::engine
