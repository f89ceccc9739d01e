#include "frmravoform.h"

#include "accrualrates.h"
#include "formulapanels.h"

#include "engine/forms/agecheck.h"
#include "engine/text/numbertext.h"

#include <algorithm>

namespace izoku::engine {

namespace {

const QString kZero = QStringLiteral("0");

template <typename Record, typename Form> Record recordOf(Form &form)
{
    return {form.membership, form.choice, form.text6, form.dates, form.num3[Num3::NationalPensionMonths]};
}

} // namespace

PensionRecord FrmRavoForm::pensionRecord()
{
    return recordOf<PensionRecord>(*this);
}

ConstPensionRecord FrmRavoForm::pensionRecord() const
{
    return recordOf<ConstPensionRecord>(*this);
}

QString Text6FieldName(int index)
{
    return ControlName(QStringLiteral("Text6"), index);
}

std::optional<Message> CheckHouseholdAges(const FrmRavoForm &form)
{
    const auto index = FirstUncomputableAge(form.household, AgesChecked::Survivors);
    if (!index)
        return std::nullopt;
    return AgeMissingMessage(*index, ControlName(QStringLiteral("Text5"), *index));
}

void OpenFrmRavo(FrmRavoForm &form, const BaseData &baseData, const QDate &today)
{
    form = FrmRavoForm{};
    form.household = Household::Opening(today);
    TakeBaseFigures(form, baseData);
    form.dates.fill(today);
    form.num4.fill(kZero);
    form.num3.fill(kZero);
    // The short requirement's rates are printed on its panels; the slide
    // rate of every panel shows the figure of the year the screen was made.
    form.num3[Num3::ShortOldRate1] = PlainNumber(kShortRequirementOldRates.rate1);
    form.num3[Num3::ShortOldRate2] = PlainNumber(kShortRequirementOldRates.rate2);
    form.num3[Num3::ShortNewRate1] = PlainNumber(kShortRequirementNewRates.rate1);
    form.num3[Num3::ShortNewRate2] = PlainNumber(kShortRequirementNewRates.rate2);
    for (int slot : {Num3::ShortOldSlideRate, Num3::ShortNewSlideRate, Num3::LongOldSlideRate, Num3::LongNewSlideRate})
        form.num3[slot] = PlainNumber(kDefaultSlideRate);
}

CalculationOutcome TakeBaseFigures(FrmRavoForm &form, const BaseData &baseData)
{
    form.text6[Text6::SlideRate] = PlainNumber(baseData.SlideRate);
    form.lawCaption = LawCaption(PensionLawOf(baseData));
    return {};
}

CalculationOutcome SetBaseDateToday(FrmRavoForm &form, const QDate &today)
{
    form.dates[PeriodDate::Reference] = today;
    return {};
}

CalculationOutcome ComputeAges(FrmRavoForm &form, const QDate &today)
{
    form.household.ComputeAges(today);
    return {};
}

CalculationOutcome LeaveBirthDate(FrmRavoForm &form, int index, const QDate &today)
{
    form.household.EnterAgeFromBirthDate(index, form.dates[PeriodDate::Reference], today);
    return {};
}

CalculationOutcome ClearHouseholdColumn(FrmRavoForm &form, HouseholdColumn column, const QDate &today)
{
    form.household.ClearColumn(column, today);
    return {};
}

CalculationOutcome ClearHousehold(FrmRavoForm &form, const QDate &today)
{
    form.household.Clear(today);
    return {};
}

CalculationOutcome ClearResults(FrmRavoForm &form)
{
    form.num4.fill(kZero);
    // A negative age would size the grid without limit; like an empty one it
    // gets the grid of a wife of age 0.
    if (const auto years = ScheduleYears(std::max(0.0, form.household.WifeAge())))
        form.schedule.Reset(*years);
    return {};
}

} // namespace izoku::engine
