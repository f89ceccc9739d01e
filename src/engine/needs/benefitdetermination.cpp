#include "benefitdetermination.h"

#include "engine/dates/ages.h"
#include "engine/needs/frmhokenform.h"
#include "engine/needs/projection.h"
#include "engine/pension/formulapanelslots.h"
#include "engine/pension/survivorsbasicpension.h"
#include "engine/pension/widowbenefits.h"
#include "engine/text/numbertext.h"

#include <algorithm>
#include <vector>

namespace izoku::engine {

namespace {

using Row = ProjectionSheet::Row;

void set(FrmhokenForm &form, int slot, double value)
{
    form.num1(slot) = PlainNumber(value);
}

void setZero(FrmhokenForm &form, std::initializer_list<int> indices)
{
    for (int slot : indices)
        form.num1(slot) = QStringLiteral("0");
}

double wifeAge(const FrmhokenForm &form)
{
    return form.num1Value(HokenNum1::WifeAge);
}

// Rows 0..8 year by year, then the phases of the survivors' basic pension
// into block ①.  The base amount is this screen's wife's old-age pension
// field, so the agent can carry next year's figure into a consultation.
void fillPensionRows(FrmhokenForm &form, const BaseData &baseData)
{
    ProjectionSheet &sheet = form.sheet;
    const int last = sheet.yearColumns();
    const std::vector<HouseholdChild> present = form.household.PresentChildren();
    std::vector<CountedChild> children;
    for (const HouseholdChild &child : present)
        children.push_back({child.age, child.disabled});
    const double basicAmount = form.num1Value(HokenNum1::WifeOldAgePension);
    std::vector<BasicPensionYear> years;
    years.reserve(static_cast<size_t>(last));
    const double husband = form.num1Value(HokenNum1::HusbandAge);
    const double wife = wifeAge(form);
    for (int column = 1; column <= last; ++column) {
        const int offset = column - 1;
        sheet.setNumber(Row::HusbandAge, column, husband + offset);
        sheet.setNumber(Row::WifeAge, column, wife + offset);
        for (const HouseholdChild &child : present)
            sheet.setNumber(Row::Child1Age + child.index - HouseholdIndex::Child1, column, child.age + offset);
        const int count = EntitledChildCount(children, offset);
        const double amount = count > 0 ? basicAmount + static_cast<double>(SurvivorsBasicPensionAmount(
                                                            count, 0, baseData.ChildAddition1, baseData.ChildAddition2))
                                        : 0.0;
        sheet.setNumber(Row::EntitledChildren, column, count);
        sheet.setNumber(Row::BasicPension, column, amount);
        years.push_back({sheet.value(Row::WifeAge, column), count, sheet.value(Row::BasicPension, column)});
    }
    const auto phases = BasicPensionPhases(years);
    for (size_t p = 0; p < phases.size(); ++p) {
        const int index = static_cast<int>(p);
        set(form, HokenNum1::BasicPhase1From + 2 * index, phases[p].firstAge);
        set(form, HokenNum1::BasicPhase1To + 2 * index, phases[p].lastAge);
        set(form, HokenNum1::BasicPhase1Amount + index, phases[p].amount);
    }
}

bool anyPhaseAmount(const FrmhokenForm &form)
{
    for (int p = 0; p < HokenNum1::kPhases; ++p) {
        if (form.num1Value(HokenNum1::BasicPhase1Amount + p) != 0.0)
            return true;
    }
    return false;
}

// The death lump sum goes to a widow who receives no survivors' basic
// pension, by the husband's paid national pension months.
void placeDeathLumpSum(FrmhokenForm &form)
{
    const auto months = TextToInt16(form.num1(HokenNum1::NationalMonths));
    const std::int32_t lumpSum = months ? DeathLumpSum(*months) : 0;
    if (lumpSum != 0 && !anyPhaseAmount(form)) {
        set(form, HokenNum1::LumpSumAge, wifeAge(form));
        set(form, HokenNum1::LumpSumAmount, lumpSum);
    } else {
        setZero(form, {HokenNum1::LumpSumAge, HokenNum1::LumpSumAmount});
    }
}

// The panels copy the pension record as the survivors' pension screen's
// six fields hold it: slots 7..12 of this screen in the same order.
bool computePanels(FrmhokenForm &form, Messages &messages)
{
    std::array<QString, Text6::Count> record;
    for (int field = 0; field < Text6::Count; ++field)
        record[static_cast<size_t>(field)] = form.num1(HokenNum1::NationalMonths + field);
    if (!SetPanelInputs(form.num3, record, form.birthDate(HouseholdIndex::Husband), messages))
        return false;
    ComputePanelSlots(form.num3);
    return true;
}

double panelAmount(const FrmhokenForm &form, FormulaPanel panel)
{
    return LeadingNumber(form.num3[PanelSlots(panel).amount]);
}

void placeMiddleAgedAddition(FrmhokenForm &form, const QDate &today)
{
    const double employeesMonths =
        form.num1Value(HokenNum1::EmployeeMonthsTo2003) + form.num1Value(HokenNum1::EmployeeMonthsFrom2003);
    const auto last = WifeAgeWhenLastChildStopsCounting(form.household, today);
    const auto range = MiddleAgedWidowsAddition(employeesMonths, last.has_value(), last.value_or(0), wifeAge(form));
    if (!range)
        return;
    set(form, HokenNum1::MiddleAgedFrom, range->firstAge);
    set(form, HokenNum1::MiddleAgedTo, range->lastAge);
    set(form, HokenNum1::MiddleAgedAmount, kMiddleAgedWidowsAdditionAmount);
}

void placeTransitionalAddition(FrmhokenForm &form)
{
    if (form.num1Value(HokenNum1::MiddleAgedAmount) == 0.0)
        return;
    set(form, HokenNum1::TransitionalFrom, kTransitionalAdditionFirstAge);
    set(form, HokenNum1::TransitionalAmount, TransitionalWidowsAddition(form.birthDate(HouseholdIndex::Wife)));
}

bool determineForSelfEmployed(FrmhokenForm &form, double widowsPension, Messages &messages)
{
    const double nationalMonths = form.num1Value(HokenNum1::NationalMonths);
    if (nationalMonths >= kWidowsPensionMonths) {
        set(form, HokenNum1::WidowsPensionAmount, widowsPension);
        set(form, HokenNum1::WidowsPensionFrom, kWidowsPensionFirstAge);
        set(form, HokenNum1::WidowsPensionTo, kWidowsPensionLastAge);
        setZero(form, {HokenNum1::LumpSumAge, HokenNum1::LumpSumAmount});
    } else if (form.sheet.value(Row::BasicPension, 1) == 0.0) {
        placeDeathLumpSum(form);
    } else {
        setZero(form, {HokenNum1::LumpSumAge, HokenNum1::LumpSumAmount});
    }
    setZero(form, {HokenNum1::TransitionalFrom, HokenNum1::TransitionalTo, HokenNum1::TransitionalAmount});

    const double employeesMonths =
        form.num1Value(HokenNum1::EmployeeMonthsTo2003) + form.num1Value(HokenNum1::EmployeeMonthsFrom2003);
    if (!(employeesMonths > 0 && nationalMonths + employeesMonths >= 300)) {
        setZero(form,
                {HokenNum1::EmployeesPensionFrom, HokenNum1::EmployeesPensionTo, HokenNum1::EmployeesPensionAmount});
        return true;
    }
    // Long requirement with employees' months: she cannot have both the
    // widow's pension and a survivors' employees' pension.
    if (!computePanels(form, messages))
        return false;
    if (form.num1Value(HokenNum1::WidowsPensionAmount) == 0.0)
        return true;
    if (form.choice == SurvivorChoice::WidowsPension) {
        setZero(form, {HokenNum1::EmployeesPensionFrom, HokenNum1::EmployeesPensionAmount, HokenNum1::LumpSumAge,
                       HokenNum1::LumpSumAmount});
    } else {
        // Paid for life: to the end of the projection.
        set(form, HokenNum1::EmployeesPensionFrom, wifeAge(form));
        set(form, HokenNum1::EmployeesPensionTo, wifeAge(form) + Horizon(form));
        set(form, HokenNum1::EmployeesPensionAmount, panelAmount(form, FormulaPanel::LongNew));
        setZero(form, {HokenNum1::WidowsPensionAmount, HokenNum1::WidowsPensionFrom, HokenNum1::WidowsPensionTo,
                       HokenNum1::LumpSumAge, HokenNum1::LumpSumAmount});
    }
    return true;
}

bool determineForEmployee(FrmhokenForm &form, const QDate &today, Messages &messages)
{
    placeMiddleAgedAddition(form, today);
    placeTransitionalAddition(form);
    if (!computePanels(form, messages))
        return false;
    // A young widow without children receives it for five years only.
    const bool forLife = wifeAge(form) >= 30 || form.household.AnyChildPresent();
    set(form, HokenNum1::EmployeesPensionFrom, wifeAge(form));
    set(form, HokenNum1::EmployeesPensionTo, wifeAge(form) + (forLife ? Horizon(form) : 4));
    set(form, HokenNum1::EmployeesPensionAmount, panelAmount(form, FormulaPanel::ShortNew));
    if (form.household.AnyChildPresent())
        setZero(form, {HokenNum1::LumpSumAge, HokenNum1::LumpSumAmount});
    else
        placeDeathLumpSum(form);
    return true;
}

} // namespace

bool DetermineBenefits(FrmhokenForm &form, const BaseData &baseData, double widowsPension, const QDate &today,
                       Messages &messages)
{
    fillPensionRows(form, baseData);
    if (form.option1 == Membership::National)
        return determineForSelfEmployed(form, widowsPension, messages);
    return determineForEmployee(form, today, messages);
}

} // namespace izoku::engine
