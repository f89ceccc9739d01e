#include "projection.h"

#include "engine/needs/frmhokenform.h"
#include "engine/needs/sheetsums.h"
#include "engine/pension/widowbenefits.h"
#include "engine/text/numbertext.h"

#include <array>
#include <cmath>

namespace izoku::engine {

namespace {

using Row = ProjectionSheet::Row;

// School stages by a child's age in the year.  A child born from 1 April on
// starts school in the April after its 6th birthday's year; one born in
// January to March a year later by age, so its bands are one year higher.
struct SchoolStage {
    HokenNum1::Slot cost;
    int fromAge;
    int toAge;
};
constexpr std::array<SchoolStage, 5> kStages = {{
    {HokenNum1::Kindergarten, 4, 5},
    {HokenNum1::Elementary, 6, 11},
    {HokenNum1::JuniorHigh, 12, 14},
    {HokenNum1::HighSchool, 15, 17},
    {HokenNum1::University, 18, 21},
}};

bool bornFromApril(const QDate &birth)
{
    return birth.isValid() && birth.month() >= 4;
}

constexpr double kManYen = 10000.0;

// Support is paid once, in the year the child reaches the given age.
struct Support {
    double age;
    double yen;
};

void placeSupport(ProjectionSheet &sheet, int column, const Support &support)
{
    if (support.age == 0.0)
        return;
    for (int child = 1; child <= HokenNum1::kChildren; ++child) {
        if (sheet.value(Row::Child1Age + child - 1, column) == support.age)
            sheet.setNumber(Row::Support1 + child - 1, column, support.yen);
    }
}

void placeEducation(FrmhokenForm &form, int lastColumn)
{
    std::array<double, kStages.size()> costs{};
    for (size_t i = 0; i < kStages.size(); ++i)
        costs[i] = form.num1Value(kStages[i].cost) * kManYen;
    for (int child = 1; child <= HokenNum1::kChildren; ++child) {
        if (!form.childPresent(child))
            continue;
        const int shift = bornFromApril(form.birthDate(HouseholdIndex::Child1 + child - 1)) ? 0 : 1;
        for (int column = 1; column <= lastColumn; ++column) {
            const double age = form.sheet.value(Row::Child1Age + child - 1, column);
            for (size_t i = 0; i < kStages.size(); ++i) {
                if (age >= kStages[i].fromAge + shift && age <= kStages[i].toAge + shift)
                    form.sheet.setNumber(Row::Education1 + child - 1, column, costs[i]);
            }
        }
    }
}

void flagChildrenInSupport(FrmhokenForm &form, int lastColumn)
{
    for (int column = 1; column <= lastColumn; ++column) {
        for (int child = 1; child <= HokenNum1::kChildren; ++child) {
            if (form.childPresent(child) && form.sheet.value(Row::Child1Age + child - 1, column) <= 22)
                form.sheet.setText(Row::ChildUnder23, column, QStringLiteral("1"));
        }
    }
}

bool inAges(double age, double from, double to)
{
    return from <= age && age <= to;
}

} // namespace

void LookUpHorizon(FrmhokenForm &form)
{
    QString horizon;
    const double wifeAge = form.num1Value(HokenNum1::WifeAge);
    const auto age = ToInt16(wifeAge);
    if (wifeAge == 0.0)
        horizon = QStringLiteral("0");
    else if (age && *age >= 0 && *age < form.list7.size())
        horizon = form.list7[*age];
    form.num1(HokenNum1::LifeExpectancy) = horizon;
}

int Horizon(const FrmhokenForm &form)
{
    const auto n = TextToInt16(form.num1(HokenNum1::LifeExpectancy));
    return n && *n > 0 ? *n : 0;
}

void PrepareSheet(FrmhokenForm &form)
{
    LookUpHorizon(form);
    form.sheet.reset(Horizon(form) + 1);
}

bool PlacePensions(FrmhokenForm &form)
{
    ProjectionSheet &sheet = form.sheet;
    const int last = sheet.yearColumns();
    // A benefit with the wife's ages it is paid at.
    struct Paid {
        int row;
        double yen;
        double from;
        double to;
    };
    const auto paid = [&](int row, int amount, int from, int to) {
        return Paid{row, form.num1Value(amount), form.num1Value(from), form.num1Value(to)};
    };
    // The transitional addition is paid from 65 for life, whatever ages
    // stand beside it on the screen.
    const Paid benefits[] = {
        paid(Row::EmployeesPension, HokenNum1::EmployeesPensionAmount, HokenNum1::EmployeesPensionFrom,
             HokenNum1::EmployeesPensionTo),
        paid(Row::MiddleAgedAddition, HokenNum1::MiddleAgedAmount, HokenNum1::MiddleAgedFrom, HokenNum1::MiddleAgedTo),
        {Row::TransitionalAddition, form.num1Value(HokenNum1::TransitionalAmount), kTransitionalAdditionFirstAge,
         HUGE_VAL},
        paid(Row::WidowsPension, HokenNum1::WidowsPensionAmount, HokenNum1::WidowsPensionFrom,
             HokenNum1::WidowsPensionTo),
    };
    for (int column = 1; column <= last; ++column) {
        const double a = sheet.value(Row::WifeAge, column);
        for (const Paid &benefit : benefits) {
            if (benefit.yen != 0.0 && inAges(a, benefit.from, benefit.to))
                sheet.setNumber(benefit.row, column, benefit.yen);
        }
    }
    const double lumpSum = form.num1Value(HokenNum1::LumpSumAmount);
    if (lumpSum != 0.0)
        sheet.setNumber(Row::DeathLumpSum, 1, lumpSum);
    for (int column = 1; column <= last; ++column) {
        const auto total = SumCells(sheet, column,
                                    {Row::BasicPension, Row::EmployeesPension, Row::MiddleAgedAddition,
                                     Row::TransitionalAddition, Row::WidowsPension, Row::DeathLumpSum});
        if (!total)
            return false;
        sheet.setNumber(Row::PensionTotal, column, *total);
    }
    return true;
}

bool ProjectHousehold(FrmhokenForm &form)
{
    ProjectionSheet &sheet = form.sheet;
    const int last = sheet.yearColumns();
    flagChildrenInSupport(form, last);
    placeEducation(form, last);

    const double livingCost = form.num1Value(HokenNum1::LivingCost);
    const double wifeCost = IntFloor(livingCost * 12 * kWifeLivingCostShare) * kManYen;
    const double childrenCost = IntFloor(livingCost * 12 * kChildrenLivingCostShare) * kManYen;
    const double earnings = form.num1Value(HokenNum1::WifeWorkIncome);
    const double workFrom = form.num1Value(HokenNum1::WifeWorkFrom);
    const double workTo = form.num1Value(HokenNum1::WifeWorkTo);
    const QString &ownPension = form.num1(HokenNum1::WifeOldAgePension);
    const Support support1{form.num1Value(HokenNum1::Support1Age), form.num1Value(HokenNum1::Support1Amount) * kManYen};
    const Support support2{form.num1Value(HokenNum1::Support2Age), form.num1Value(HokenNum1::Support2Amount) * kManYen};
    const double housing = form.num1Value(HokenNum1::Housing) * kManYen;
    for (int column = 1; column <= last; ++column) {
        const double a = sheet.value(Row::WifeAge, column);
        sheet.setNumber(Row::WifeLivingCost, column, wifeCost);
        if (sheet.value(Row::ChildUnder23, column) == 1)
            sheet.setNumber(Row::ChildrenLivingCost, column, childrenCost);
        if (a >= kOldAgePensionAge)
            sheet.setText(Row::WifeOwnPension, column, ownPension);
        if (earnings != 0.0 && inAges(a, workFrom, workTo))
            sheet.setNumber(Row::WifeEarnings, column, earnings);
        // When both supports fall in one year the second replaces the first.
        placeSupport(sheet, column, support1);
        placeSupport(sheet, column, support2);
        sheet.setNumber(Row::Housing, column, housing);
    }
    // One-off items stand in the year of death only.
    sheet.setNumber(Row::RetirementAllowance, 1, form.num1Value(HokenNum1::RetirementAllowance));
    sheet.setNumber(Row::Savings, 1, form.num1Value(HokenNum1::Savings));
    sheet.setNumber(Row::Funeral, 1, form.num1Value(HokenNum1::Funeral) * kManYen);
    return TotalSheet(form);
}

bool TotalSheet(FrmhokenForm &form)
{
    ProjectionSheet &sheet = form.sheet;
    const int last = sheet.yearColumns();
    for (int column = 1; column <= last; ++column) {
        // The death retirement allowance, savings and the funeral are
        // one-off sums the agent weighs by hand; they stay out of the totals.
        const auto income = SumCells(sheet, column, {Row::WifeEarnings, Row::WifeOwnPension});
        if (!income)
            return false;
        sheet.setNumber(Row::WifeIncomeTotal, column, *income);
        const auto expenses =
            SumCells(sheet, column,
                     {Row::WifeLivingCost, Row::ChildrenLivingCost, Row::Education1, Row::Education1 + 1,
                      Row::Education1 + 2, Row::Education1 + 3, Row::Education1 + 4, Row::Support1, Row::Support1 + 1,
                      Row::Support1 + 2, Row::Support1 + 3, Row::Support1 + 4, Row::Housing});
        if (!expenses)
            return false;
        sheet.setNumber(Row::ExpenseTotal, column, *expenses);
        const auto all = SumCells(sheet, column, {Row::PensionTotal, Row::WifeIncomeTotal});
        if (!all)
            return false;
        sheet.setNumber(Row::IncomeTotal, column, *all);
    }
    if (!FillRemaining(sheet, Row::IncomeTotal, Row::IncomeToEnd, last) ||
        !FillRemaining(sheet, Row::ExpenseTotal, Row::ExpensesToEnd, last))
        return false;
    FillDifference(sheet, Row::ShortfallToEnd, Row::ExpensesToEnd, Row::IncomeToEnd, last);
    return true;
}

} // namespace izoku::engine
