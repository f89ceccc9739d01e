#include "formulapanels.h"

#include "engine/text/numbertext.h"

#include <cmath>

namespace izoku::engine {

namespace {

std::optional<double> finite(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

// Three quarters of the earnings-related part, unrounded.  Written as the
// legal formula reads, left to right.
double part(double remuneration, double rate, double months)
{
    return remuneration * rate / 1000 * months * 3 / 4;
}

std::optional<double> toHundredYen(double value)
{
    return finite(IntFloor(value / 100 + 0.5) * 100);
}

std::optional<double> roundedAmount(double value, const PensionLaw &law)
{
    return law.amountsToTheYen ? finite(RoundHalfUp(value)) : toHundredYen(value);
}

FormulaPanelInputs panelInputs(FormulaPanel panel, const EmployeesPensionRecord &record,
                               const LongRequirementRates &longRates, int cappedMonths, const PensionLaw &law)
{
    const bool oldFormula = panel == FormulaPanel::ShortOld || panel == FormulaPanel::LongOld;
    AccrualRates rates;
    switch (panel) {
    case FormulaPanel::ShortNew:
        rates = kShortRequirementNewRates;
        break;
    case FormulaPanel::ShortOld:
        rates = kShortRequirementOldRates;
        break;
    case FormulaPanel::LongNew:
        rates = longRates.newFormula;
        break;
    case FormulaPanel::LongOld:
        rates = longRates.oldFormula;
        break;
    }
    return FormulaPanelInputs{record.monthlyRemunerationTo2003,
                              rates.rate1,
                              record.monthsTo2003,
                              record.remunerationFrom2003,
                              rates.rate2,
                              record.monthsFrom2003,
                              oldFormula && law.current() ? law.previousAmountRevisionRate.value_or(0.0)
                                                          : record.slideRate,
                              IsShortRequirement(panel) ? static_cast<double>(cappedMonths) : 0.0};
}

} // namespace

bool IsShortRequirement(FormulaPanel panel)
{
    return panel == FormulaPanel::ShortNew || panel == FormulaPanel::ShortOld;
}

int CappedMonths(int employeesMonths)
{
    return employeesMonths < kDeemedMonths ? employeesMonths : kDeemedMonths;
}

double OldFormulaFactor(const PensionLaw &law)
{
    return law.current() ? 1.0 : kPreviousAmountFactor;
}

FormulaPanelResult ComputeFormulaPanel(FormulaPanel panel, const FormulaPanelInputs &in, const PensionLaw &law)
{
    FormulaPanelResult result;
    const double partA = part(in.monthlyRemuneration, in.rate1, in.monthsTo2003);
    const double partB = part(in.remuneration, in.rate2, in.monthsFrom2003);
    result.partA = finite(RoundHalfUp(partA));
    result.partB = finite(RoundHalfUp(partB));
    if (!result.partA || !result.partB)
        return result;
    // The panels show the parts to the yen either way; today's law adds
    // them up unrounded.
    const double sum = law.amountsToTheYen ? partA + partB : *result.partA + *result.partB;
    const double factor = OldFormulaFactor(law);
    switch (panel) {
    case FormulaPanel::ShortOld:
    case FormulaPanel::ShortNew: {
        // Without employees' months there is nothing to deem up to 300
        // months: no survivors' employees' pension.
        if (in.cappedMonths == 0) {
            result.amount = 0.0;
            break;
        }
        const double revalued = panel == FormulaPanel::ShortOld ? sum * factor : sum;
        result.amount = roundedAmount(revalued * in.slideRate * kDeemedMonths / in.cappedMonths, law);
        break;
    }
    case FormulaPanel::LongOld:
        result.amount = roundedAmount(sum * factor * in.slideRate, law);
        break;
    case FormulaPanel::LongNew:
        result.amount = roundedAmount(sum * in.slideRate, law);
        break;
    }
    return result;
}

std::array<FormulaPanelResult, 4> ComputeFormulaPanels(const EmployeesPensionRecord &record,
                                                       const LongRequirementRates &longRates, int cappedMonths,
                                                       const PensionLaw &law)
{
    std::array<FormulaPanelResult, 4> results;
    for (FormulaPanel panel : kFormulaPanels)
        results[static_cast<int>(panel)] =
            ComputeFormulaPanel(panel, panelInputs(panel, record, longRates, cappedMonths, law), law);
    return results;
}

} // namespace izoku::engine
