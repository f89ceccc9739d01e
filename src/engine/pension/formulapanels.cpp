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

// Three quarters of the earnings-related part, rounded half up to the yen.
// Written as the legal formula reads, left to right.
std::optional<double> part(double remuneration, double rate, double months)
{
    return finite(RoundHalfUp(remuneration * rate / 1000 * months * 3 / 4));
}

std::optional<double> toHundredYen(double value)
{
    return finite(IntFloor(value / 100 + 0.5) * 100);
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

FormulaPanelResult ComputeFormulaPanel(FormulaPanel panel, const FormulaPanelInputs &in)
{
    FormulaPanelResult result;
    result.partA = part(in.monthlyRemuneration, in.rate1, in.monthsTo2003);
    result.partB = part(in.remuneration, in.rate2, in.monthsFrom2003);
    if (!result.partA || !result.partB)
        return result;
    const double sum = *result.partA + *result.partB;
    switch (panel) {
    case FormulaPanel::ShortOld:
    case FormulaPanel::ShortNew: {
        // Without employees' months there is nothing to deem up to 300
        // months: no survivors' employees' pension.
        if (in.cappedMonths == 0) {
            result.amount = 0.0;
            break;
        }
        const double revalued = panel == FormulaPanel::ShortOld ? sum * kPreviousAmountFactor : sum;
        result.amount = toHundredYen(revalued * in.slideRate * kDeemedMonths / in.cappedMonths);
        break;
    }
    case FormulaPanel::LongOld:
        result.amount = toHundredYen(sum * kPreviousAmountFactor * in.slideRate);
        break;
    case FormulaPanel::LongNew:
        result.amount = toHundredYen(sum * in.slideRate);
        break;
    }
    return result;
}

FormulaPanelInputs PanelInputs(FormulaPanel panel, const EmployeesPensionRecord &record,
                               const LongRequirementRates &longRates, int cappedMonths)
{
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
                              record.slideRate,
                              IsShortRequirement(panel) ? static_cast<double>(cappedMonths) : 0.0};
}

std::array<FormulaPanelResult, 4> ComputeFormulaPanels(const EmployeesPensionRecord &record,
                                                       const LongRequirementRates &longRates, int cappedMonths)
{
    std::array<FormulaPanelResult, 4> results;
    for (FormulaPanel panel : kFormulaPanels)
        results[static_cast<int>(panel)] =
            ComputeFormulaPanel(panel, PanelInputs(panel, record, longRates, cappedMonths));
    return results;
}

} // namespace izoku::engine
