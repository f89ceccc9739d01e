#include "projection.h"

#include "engine/needs/frmhokenform.h"
#include "engine/needs/sheetsums.h"
#include "engine/text/numbertext.h"

#include <array>

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

bool bornFromApril(const QDate &birth) { return birth.isValid() && birth.month() >= 4; }

constexpr double kManYen = 10000.0;

// Support is paid once, in the year the child reaches the given age.
void placeSupport(FrmhokenForm &form, int column, int ageSlot, int amountSlot)
{
    const double supportAge = form.num1Value(ageSlot);
    if (supportAge == 0.0)
        return;
    for (int child = 1; child <= HokenNum1::kChildren; ++child) {
        if (form.sheet.value(Row::Child1Age + child - 1, column) == supportAge)
            form.sheet.setNumber(Row::Support1 + child - 1, column, form.num1Value(amountSlot) * kManYen);
    }
}

void placeEducation(FrmhokenForm &form, int lastColumn)
{
    for (int child = 1; child <= HokenNum1::kChildren; ++child) {
        if (!form.childPresent(child))
            continue;
        const int shift = bornFromApril(form.birthDate(HouseholdIndex::Child1 + child - 1)) ? 0 : 1;
        for (int column = 1; column <= lastColumn; ++column) {
            const double age = form.sheet.value(Row::Child1Age + child - 1, column);
            for (const SchoolStage &stage : kStages) {
                if (age >= stage.fromAge + shift && age <= stage.toAge + shift)
                    form.sheet.setNumber(Row::Education1 + child - 1, column, form.num1Value(stage.cost) * kManYen);
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

bool inAges(double age, double from, double to) { return from <= age && age <= to; }

}  // namespace

void LookUpHorizon(FrmhokenForm &form)
{
    QString horizon;
    const auto age = TextToInt16(form.num1(HokenNum1::WifeAge));
    if (age && *age == 0)
        horizon = QStringLiteral("0");
    else if (age && *age > 0 && *age < form.list7.size())
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
    auto place = [&](int row, int column, HokenNum1::Slot amount, bool paid) {
        const double yen = form.num1Value(amount);
        if (yen != 0.0 && paid)
            sheet.setNumber(row, column, yen);
    };
    for (int column = 1; column <= last; ++column) {
        const double a = sheet.value(Row::WifeAge, column);
        place(Row::EmployeesPension, column, HokenNum1::EmployeesPensionAmount,
              inAges(a, form.num1Value(HokenNum1::EmployeesPensionFrom), form.num1Value(HokenNum1::EmployeesPensionTo)));
        place(Row::MiddleAgedAddition, column, HokenNum1::MiddleAgedAmount,
              inAges(a, form.num1Value(HokenNum1::MiddleAgedFrom), form.num1Value(HokenNum1::MiddleAgedTo)));
        // The transitional addition is paid from 65 for life, whatever ages
        // stand beside it on the screen.
        place(Row::TransitionalAddition, column, HokenNum1::TransitionalAmount, a >= 65);
        place(Row::WidowsPension, column, HokenNum1::WidowsPensionAmount,
              inAges(a, form.num1Value(HokenNum1::WidowsPensionFrom), form.num1Value(HokenNum1::WidowsPensionTo)));
    }
    place(Row::DeathLumpSum, 1, HokenNum1::LumpSumAmount, true);
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

    // While a child is 22 or younger the household lives on 70 % of today's
    // cost, the wife alone on 50 %.
    const double livingCost = form.num1Value(HokenNum1::LivingCost);
    const double wifeCost = IntFloor(livingCost * 12 * 0.5) * kManYen;
    const double childrenCost = IntFloor(livingCost * 12 * 0.2) * kManYen;
    const double earnings = form.num1Value(HokenNum1::WifeWorkIncome);
    for (int column = 1; column <= last; ++column) {
        const double a = sheet.value(Row::WifeAge, column);
        sheet.setNumber(Row::WifeLivingCost, column, wifeCost);
        if (sheet.text(Row::ChildUnder23, column) == u"1")
            sheet.setNumber(Row::ChildrenLivingCost, column, childrenCost);
        if (a >= 65)
            sheet.setText(Row::WifeOwnPension, column, form.num1(HokenNum1::WifeOldAgePension));
        if (earnings != 0.0 && inAges(a, form.num1Value(HokenNum1::WifeWorkFrom), form.num1Value(HokenNum1::WifeWorkTo)))
            sheet.setNumber(Row::WifeEarnings, column, earnings);
        placeSupport(form, column, HokenNum1::Support1Age, HokenNum1::Support1Amount);
        placeSupport(form, column, HokenNum1::Support2Age, HokenNum1::Support2Amount);
        sheet.setNumber(Row::Housing, column, form.num1Value(HokenNum1::Housing) * kManYen);
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
        const auto expenses = SumCells(sheet, column,
                                       {Row::WifeLivingCost, Row::ChildrenLivingCost, Row::Education1,
                                        Row::Education1 + 1, Row::Education1 + 2, Row::Education1 + 3,
                                        Row::Education1 + 4, Row::Support1, Row::Support1 + 1, Row::Support1 + 2,
                                        Row::Support1 + 3, Row::Support1 + 4, Row::Housing});
        if (!expenses)
            return false;
        sheet.setNumber(Row::ExpenseTotal, column, *expenses);
        const auto all = SumCells(sheet, column, {Row::PensionTotal, Row::WifeIncomeTotal});
        if (!all)
            return false;
        sheet.setNumber(Row::IncomeTotal, column, *all);
    }
    if (!FillRemaining(sheet, Row::IncomeTotal, Row::IncomeToEnd, last)
        || !FillRemaining(sheet, Row::ExpenseTotal, Row::ExpensesToEnd, last))
        return false;
    FillDifference(sheet, Row::ShortfallToEnd, Row::ExpensesToEnd, Row::IncomeToEnd, last);
    return true;
}

}  // namespace izoku::engine
