#include "benefitdetermination.h"

#include "engine/needs/frmhokenform.h"
#include "engine/needs/projection.h"
#include "engine/pension/formulapanelslots.h"
#include "engine/pension/survivorsbasicpension.h"
#include "engine/pension/survivorsbenefits.h"
#include "engine/pension/widowbenefits.h"
#include "engine/text/numbertext.h"

#include <vector>

namespace izoku::engine {

namespace {

using Row = ProjectionSheet::Row;

void set(FrmhokenForm &form, int slot, double value)
{
    form.num1(slot) = PlainNumber(value);
}

// Rows 0..8 year by year, then the phases of the survivors' basic pension
// into block ①, with the survivors' basic pension of the law in use, as the
// survivors' pension screen computes it: the wife's old-age pension field
// beside it is what she receives from 65, which the agent may type for a
// wife with a working life of her own.
void fillPensionRows(FrmhokenForm &form, const PensionLaw &law)
{
    ProjectionSheet &sheet = form.sheet;
    const int last = sheet.yearColumns();
    const std::vector<HouseholdChild> present = form.household.PresentChildren();
    std::vector<CountedChild> children;
    for (const HouseholdChild &child : present)
        children.push_back({child.age, child.disabled});
    std::vector<BasicPensionYear> years;
    years.reserve(static_cast<size_t>(last));
    const double husband = form.num1Value(HokenNum1::HusbandAge);
    const double wife = form.num1Value(HokenNum1::WifeAge);
    for (int column = 1; column <= last; ++column) {
        const int offset = column - 1;
        sheet.setNumber(Row::HusbandAge, column, husband + offset);
        sheet.setNumber(Row::WifeAge, column, wife + offset);
        for (const HouseholdChild &child : present)
            sheet.setNumber(Row::Child1Age + child.index - HouseholdIndex::Child1, column, child.age + offset);
        const int count = EntitledChildCount(children, offset);
        const double amount =
            SurvivorsBasicPensionAmount(count, law.basicPension, law.childAddition1, law.childAddition2);
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

// The panels copy the pension record as the survivors' pension screen's
// six fields hold it: slots 7..12 of this screen in the same order.
bool computePanels(FrmhokenForm &form, const PensionLaw &law, Messages &messages)
{
    std::array<QString, Text6::Count> record;
    for (int field = 0; field < Text6::Count; ++field)
        record[static_cast<size_t>(field)] = form.num1(HokenNum1::NationalMonths + field);
    if (!SetPanelInputs(form.num3, record, form.birthDate(HouseholdIndex::Husband), law, messages))
        return false;
    ComputePanelSlots(form.num3, law);
    return true;
}

// The benefits as both screens decide them, into block ① with the ages
// this sheet reads.
bool placeBenefits(FrmhokenForm &form, const PensionLaw &law, const QDate &today, Messages &messages)
{
    const SurvivorsDecision decision = DecideSurvivorsBenefits(law, NeedsSurvivorsCase(form, law, today));
    if (!decision.benefits)
        return false;
    const SurvivorsBenefits &benefits = *decision.benefits;
    if (const auto &addition = benefits.middleAgedAddition) {
        set(form, HokenNum1::MiddleAgedFrom, addition->ages.firstAge);
        set(form, HokenNum1::MiddleAgedTo, addition->ages.lastAge);
        set(form, HokenNum1::MiddleAgedAmount, addition->amount);
    }
    if (const auto &amount = benefits.transitionalAddition) {
        set(form, HokenNum1::TransitionalFrom, kTransitionalAdditionFirstAge);
        set(form, HokenNum1::TransitionalAmount, *amount);
    }
    if (const auto &amount = benefits.widowsPension) {
        set(form, HokenNum1::WidowsPensionAmount, *amount);
        set(form, HokenNum1::WidowsPensionFrom, kWidowsPensionFirstAge);
        set(form, HokenNum1::WidowsPensionTo, kWidowsPensionLastAge);
    }
    if (const auto &lumpSum = benefits.lumpSum) {
        set(form, HokenNum1::LumpSumAge, lumpSum->wifeAge);
        set(form, HokenNum1::LumpSumAmount, lumpSum->amount);
    }
    if (benefits.panelsWorkedOut && !computePanels(form, law, messages))
        return false;
    if (const auto &pension = benefits.employeesPension) {
        set(form, HokenNum1::EmployeesPensionFrom, pension->ages.firstAge);
        set(form, HokenNum1::EmployeesPensionTo, LastAgeShown(pension->ages, Horizon(form)));
        set(form, HokenNum1::EmployeesPensionAmount, LeadingNumber(form.num3[PanelSlots(pension->panel).amount]));
    }
    return true;
}

} // namespace

SurvivorsCase NeedsSurvivorsCase(const FrmhokenForm &form, const PensionLaw &law, const QDate &today)
{
    SurvivorsCase household = SurvivorsCaseOf(form.household, form.option1, form.choice, today);
    household.nationalMonths = form.num1Value(HokenNum1::NationalMonths);
    household.employeesMonths =
        form.num1Value(HokenNum1::EmployeeMonthsTo2003) + form.num1Value(HokenNum1::EmployeeMonthsFrom2003);
    // The widow's pension the husband's national months earn, on the full
    // basic pension of the law in use.
    household.widowsPension = WidowsPensionAmount(law, household.nationalMonths);
    household.firstYearBasicPension = form.sheet.value(Row::BasicPension, 1);
    household.basicPensionPhase = anyPhaseAmount(form);
    return household;
}

bool DetermineBenefits(FrmhokenForm &form, const PensionLaw &law, const QDate &today, Messages &messages)
{
    fillPensionRows(form, law);
    return placeBenefits(form, law, today, messages);
}

} // namespace izoku::engine
