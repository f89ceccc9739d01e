#include "frmravoform.h"

#include "accrualrates.h"
#include "formulapanels.h"

#include "engine/forms/agecheck.h"
#include "engine/needs/calculationpanel.h"
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
    form.dates.fill(today);
    form.num4.fill(kZero);
    // The panels open as the needs screen's calculation panel does; this
    // screen shows its national months as 0 until they are counted.
    form.num3 = OpeningPanelTexts();
    form.num3[Num3::NationalPensionMonths] = kZero;
    TakeBaseFigures(form, baseData);
}

CalculationOutcome TakeBaseFigures(FrmRavoForm &form, const BaseData &baseData)
{
    form.text6[Text6::SlideRate] = PlainNumber(baseData.SlideRate);
    form.lawCaption = LawCaption(PensionLawOf(baseData));
    form.oldFormulaCaption = OldFormulaCaption(baseData);
    ShowYearOnPanels(form.num3, baseData);
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
