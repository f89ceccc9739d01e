#include "frmhokenbuttons.h"

#include "engine/needs/frmhokenform.h"
#include "engine/needs/lifeexpectancytable.h"
#include "engine/pension/insuredperiods.h"
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
    form.num1(HokenNum1::SlideRate) = PlainNumber(baseData.SlideRate);
    form.num1(HokenNum1::WifeOldAgePension) = QString::number(baseData.BasicPensionAmount);
}

void SetBaseDateToday(FrmhokenForm &form, const QDate &today)
{
    form.date2[HokenDate2::BaseDate] = today;
}

void ComputeAges(FrmhokenForm &form, const QDate &today)
{
    form.household.ComputeAges(today);
}

void LeaveBirthDate(FrmhokenForm &form, int index, const QDate &today)
{
    form.household.EnterAgeFromBirthDate(index, form.date2[HokenDate2::BaseDate], today);
}

std::optional<Message> CalculateMonthsTo2003(FrmhokenForm &form)
{
    const auto months = MonthsTo2003(form.date2[HokenDate2::CompanyEntry]);
    if (!months)
        return Warning(QStringLiteral("入力した日付が誤りです。"), QStringLiteral("エラー"));
    form.num1(HokenNum1::EmployeeMonthsTo2003) = QString::number(*months);
    return std::nullopt;
}

void CalculateMonthsFrom2003(FrmhokenForm &form)
{
    form.num1(HokenNum1::EmployeeMonthsFrom2003) = QString::number(MonthsFrom2003(form.date2[HokenDate2::EmployeeEnd]));
}

void CalculateNationalMonths(FrmhokenForm &form)
{
    form.num1(HokenNum1::PeriodMonths) = QString::number(
        NationalPensionMonths(form.date2[HokenDate2::NationalFrom], form.date2[HokenDate2::NationalTo]));
}

void ClearInputData(FrmhokenForm &form, const QDate &today)
{
    form.household.Clear(today);
    form.date2.fill(today);
    setZero(form, {HokenNum1::NationalMonths, HokenNum1::EmployeeMonthsTo2003, HokenNum1::AverageMonthlyRemuneration,
                   HokenNum1::EmployeeMonthsFrom2003, HokenNum1::AverageRemuneration, HokenNum1::PeriodMonths});
}

void ClearPeriods(FrmhokenForm &form)
{
    setZeroRange(form, HokenNum1::NationalMonths, HokenNum1::AverageRemuneration);
}

void ClearIncome(FrmhokenForm &form)
{
    setZeroRange(form, HokenNum1::EmployeesPensionAmount, HokenNum1::WifeWorkIncome);
    setZero(form, {HokenNum1::WifeWorkFrom, HokenNum1::EmployeesPensionFrom, HokenNum1::EmployeesPensionTo,
                   HokenNum1::WidowsPensionFrom, HokenNum1::WidowsPensionTo, HokenNum1::TransitionalTo,
                   HokenNum1::TransitionalFrom, HokenNum1::MiddleAgedTo});
}

void ClearExpenses(FrmhokenForm &form)
{
    setZeroRange(form, HokenNum1::Support1Age, HokenNum1::Funeral);
    setZero(form, {HokenNum1::LivingCost, HokenNum1::LifeExpectancy});
}

void ClearCompany(FrmhokenForm &form)
{
    for (QString &text : form.fmt3)
        text.clear();
}

void ClearTermInsurance(FrmhokenForm &form)
{
    setNum4Zero(form, HokenNum4::Term1From, HokenNum4::Term1From + 8);
}

void ClearWholeLife(FrmhokenForm &form)
{
    setNum4Zero(form, HokenNum4::WholeLife1From, HokenNum4::WholeLife1From + 3);
}

void ClearAll(FrmhokenForm &form, const QDate &today)
{
    ClearPeriods(form);
    ClearInputData(form, today);
    ClearIncome(form);
    ClearExpenses(form);
    ClearCompany(form);
    ClearTermInsurance(form);
    ClearWholeLife(form);
}

} // namespace izoku::engine
