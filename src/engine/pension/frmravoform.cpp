#include "frmravoform.h"

#include "accrualrates.h"
#include "formulapanels.h"
#include "insuredperiods.h"

#include "engine/forms/agecheck.h"
#include "engine/text/numbertext.h"

#include <algorithm>

namespace izoku::engine {

namespace {

const QString kZero = QStringLiteral("0");

} // namespace

QString Text6FieldName(int index)
{
    return QStringLiteral("Text6(%1)").arg(index);
}

std::optional<Message> CheckHouseholdAges(const FrmRavoForm &form)
{
    const auto index = FirstUncomputableAge(form.household, AgesChecked::Survivors);
    if (!index)
        return std::nullopt;
    return AgeMissingMessage(*index, QStringLiteral("Text5(%1)").arg(*index));
}

void OpenFrmRavo(FrmRavoForm &form, const BaseData &baseData, const QDate &today)
{
    form = FrmRavoForm{};
    form.household = Household::Opening(today);
    form.text6[Text6::SlideRate] = PlainNumber(baseData.SlideRate);
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

CalculationOutcome ClearNationalMonths(FrmRavoForm &form)
{
    form.text6[Text6::NationalPaidMonths] = kZero;
    return {};
}

CalculationOutcome ClearEmployeesRecord(FrmRavoForm &form)
{
    for (int field = Text6::MonthsTo2003; field <= Text6::RemunerationFrom2003; ++field)
        form.text6[field] = kZero;
    return {};
}

CalculationOutcome ClearPeriodDates(FrmRavoForm &form, const QDate &today)
{
    for (int date = PeriodDate::EmployeesEntry; date <= PeriodDate::NationalTo; ++date)
        form.dates[date] = today;
    form.num3[Num3::NationalPensionMonths] = kZero;
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

CalculationOutcome CalculateMonthsTo2003(FrmRavoForm &form)
{
    const auto months = MonthsTo2003(form.dates[PeriodDate::EmployeesEntry]);
    if (!months)
        return {{Warning(QStringLiteral("入力した日付が誤りです。"), QStringLiteral("エラー"))}, true};
    form.text6[Text6::MonthsTo2003] = QString::number(*months);
    return {};
}

CalculationOutcome CalculateMonthsFrom2003(FrmRavoForm &form)
{
    form.text6[Text6::MonthsFrom2003] = QString::number(MonthsFrom2003(form.dates[PeriodDate::EmployeesEnd]));
    return {};
}

CalculationOutcome CalculateNationalMonths(FrmRavoForm &form)
{
    form.num3[Num3::NationalPensionMonths] = QString::number(
        NationalPensionMonths(form.dates[PeriodDate::NationalTo], form.dates[PeriodDate::NationalFrom]));
    return {};
}

} // namespace izoku::engine
