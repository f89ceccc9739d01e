#include "frmhokenbuttons.h"

#include "engine/law/pensionlaw.h"
#include "engine/needs/frmhokenform.h"
#include "engine/needs/lifeexpectancytable.h"
#include "engine/text/numbertext.h"

#include <initializer_list>

namespace izoku::engine {

namespace {

void setZero(FrmhokenForm &form, std::initializer_list<int> indices)
{
    for (int slot : indices)
        form.num1(slot) = QStringLiteral("0");
}

void setZeroRange(FrmhokenForm &form, int from, int to)
{
    for (int slot = from; slot <= to; ++slot)
        form.num1(slot) = QStringLiteral("0");
}

void setNum4Zero(FrmhokenForm &form, int from, int to)
{
    for (int slot = from; slot <= to; ++slot)
        form.num4[static_cast<size_t>(slot)] = QStringLiteral("0");
}

} // namespace

void OpenFrmhoken(FrmhokenForm &form, const BaseData &baseData, const QDate &today)
{
    for (auto &member : form.household.members)
        member.birth = today;
    form.date2.fill(today);
    form.list7 = LifeExpectancyTable();
    TakeBaseFigures(form, baseData);
}

CalculationOutcome TakeBaseFigures(FrmhokenForm &form, const BaseData &baseData)
{
    form.num1(HokenNum1::SlideRate) = PlainNumber(baseData.SlideRate);
    form.num1(HokenNum1::WifeOldAgePension) = QString::number(baseData.BasicPensionAmount);
    form.lawCaption = LawCaption(PensionLawOf(baseData));
    form.oldFormulaCaption = OldFormulaCaption(baseData);
    ShowYearOnPanels(form.num3, baseData);
    return {};
}

CalculationOutcome SetBaseDateToday(FrmhokenForm &form, const QDate &today)
{
    form.date2[HokenDate2::BaseDate] = today;
    return {};
}

CalculationOutcome ComputeAges(FrmhokenForm &form, const QDate &today)
{
    form.household.ComputeAges(today);
    return {};
}

CalculationOutcome LeaveBirthDate(FrmhokenForm &form, int index, const QDate &today)
{
    form.household.EnterAgeFromBirthDate(index, form.date2[HokenDate2::BaseDate], today);
    return {};
}

CalculationOutcome ClearInputData(FrmhokenForm &form, const QDate &today)
{
    form.household.Clear(today);
    form.date2[HokenDate2::BaseDate] = today;
    ClearPeriods(form);
    ClearPeriodDates(form.pensionRecord(), today);
    return {};
}

CalculationOutcome ClearPeriods(FrmhokenForm &form)
{
    return ClearInsuredPeriods(form.pensionRecord());
}

CalculationOutcome ClearIncome(FrmhokenForm &form)
{
    setZeroRange(form, HokenNum1::EmployeesPensionAmount, HokenNum1::WifeWorkIncome);
    setZero(form, {HokenNum1::WifeWorkFrom, HokenNum1::EmployeesPensionFrom, HokenNum1::EmployeesPensionTo,
                   HokenNum1::WidowsPensionFrom, HokenNum1::WidowsPensionTo, HokenNum1::TransitionalTo,
                   HokenNum1::TransitionalFrom, HokenNum1::MiddleAgedTo});
    return {};
}

CalculationOutcome ClearExpenses(FrmhokenForm &form)
{
    setZeroRange(form, HokenNum1::Support1Age, HokenNum1::Funeral);
    setZero(form, {HokenNum1::LivingCost, HokenNum1::LifeExpectancy});
    return {};
}

CalculationOutcome ClearCompany(FrmhokenForm &form)
{
    for (QString &text : form.fmt3)
        text.clear();
    return {};
}

CalculationOutcome ClearTermInsurance(FrmhokenForm &form)
{
    setNum4Zero(form, HokenNum4::Term1From, HokenNum4::Term3Amount);
    return {};
}

CalculationOutcome ClearWholeLife(FrmhokenForm &form)
{
    setNum4Zero(form, HokenNum4::WholeLife1From, HokenNum4::WholeLife2Amount);
    return {};
}

CalculationOutcome ClearAll(FrmhokenForm &form, const QDate &today)
{
    ClearPeriods(form);
    ClearInputData(form, today);
    ClearIncome(form);
    ClearExpenses(form);
    ClearCompany(form);
    ClearTermInsurance(form);
    ClearWholeLife(form);
    return {};
}

} // namespace izoku::engine
