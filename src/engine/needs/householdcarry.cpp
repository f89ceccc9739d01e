#include "householdcarry.h"

#include "engine/needs/frmhokenform.h"
#include "engine/pension/frmravoform.h"

#include <array>
#include <utility>

namespace izoku::engine {

namespace {

// The same pension record on both screens: FrmRavo's Text6 slot beside
// Frmhoken's Num1 slot.
constexpr std::array<std::pair<int, int>, 5> kRecord = {{
    {Text6::NationalPaidMonths, HokenNum1::NationalMonths},
    {Text6::MonthsTo2003, HokenNum1::EmployeeMonthsTo2003},
    {Text6::MonthlyRemunerationTo2003, HokenNum1::AverageMonthlyRemuneration},
    {Text6::MonthsFrom2003, HokenNum1::EmployeeMonthsFrom2003},
    {Text6::RemunerationFrom2003, HokenNum1::AverageRemuneration},
}};

constexpr std::array<std::pair<int, int>, 5> kDates = {{
    {PeriodDate::Reference, HokenDate2::BaseDate},
    {PeriodDate::EmployeesEntry, HokenDate2::CompanyEntry},
    {PeriodDate::EmployeesEnd, HokenDate2::EmployeeEnd},
    {PeriodDate::NationalFrom, HokenDate2::NationalFrom},
    {PeriodDate::NationalTo, HokenDate2::NationalTo},
}};

} // namespace

CalculationOutcome CarryHousehold(FrmhokenForm &needs, const FrmRavoForm &pension)
{
    for (size_t i = 0; i < needs.household.members.size(); ++i) {
        HouseholdMember &to = needs.household.members[i];
        const HouseholdMember &from = pension.household.members[i];
        to.name = from.name;
        to.birth = from.birth;
        to.age = from.age;
        to.present = from.present;
        to.disabled = from.disabled;
    }
    needs.option1 = pension.membership;
    for (const auto &[from, to] : kRecord)
        needs.num1(to) = pension.text6[static_cast<size_t>(from)];
    for (const auto &[from, to] : kDates)
        needs.date2[static_cast<size_t>(to)] = pension.dates[static_cast<size_t>(from)];
    needs.sheet.clear();
    return {};
}

Message CarryHouseholdQuestion()
{
    return Question(QStringLiteral("入力した家族と年金加入記録を必要補償額の画面に写しますか？"),
                    QStringLiteral("必要補償額算出"));
}

} // namespace izoku::engine
