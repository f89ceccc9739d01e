#include "calculationpanel.h"

#include "engine/law/pensionlaw.h"
#include "engine/pension/formulapanels.h"
#include "engine/pension/formulapanelslots.h"
#include "engine/text/numbertext.h"

namespace izoku::engine {

PanelTexts OpeningPanelTexts()
{
    PanelTexts panel;
    panel.fill(QStringLiteral("0"));
    panel[Num3::NationalPensionMonths].clear();
    for (FormulaPanel which : {FormulaPanel::ShortNew, FormulaPanel::ShortOld}) {
        const AccrualRates rates =
            which == FormulaPanel::ShortNew ? kShortRequirementNewRates : kShortRequirementOldRates;
        panel[PanelSlots(which).rate1] = PlainNumber(rates.rate1);
        panel[PanelSlots(which).rate2] = PlainNumber(rates.rate2);
    }
    for (FormulaPanel which : kFormulaPanels)
        panel[PanelSlots(which).slideRate] = PlainNumber(kDefaultSlideRate);
    return panel;
}

void ShowYearOnPanels(PanelTexts &panel, const BaseData &baseData)
{
    if (baseData.FiscalYear == 0)
        return;
    const PensionLaw law = PensionLawOf(baseData);
    for (FormulaPanel which : kFormulaPanels) {
        const bool oldFormula = which == FormulaPanel::ShortOld || which == FormulaPanel::LongOld;
        const double factor = oldFormula && law.current() && law.previousAmountRevisionRate
                                  ? *law.previousAmountRevisionRate
                                  : baseData.SlideRate;
        panel[PanelSlots(which).slideRate] = PlainNumber(factor);
    }
}

QString OldFormulaCaption(const BaseData &baseData)
{
    if (PensionLawOf(baseData).current())
        return QStringLiteral("(①+②) × 従前額改定率");
    return QStringLiteral("(①+②) × %1 ×").arg(PlainNumber(kPreviousAmountFactor));
}

void ClearPanelFigures(PanelTexts &panel)
{
    for (FormulaPanel which : kFormulaPanels) {
        const FormulaPanelSlots &s = PanelSlots(which);
        for (int slot : {s.monthlyRemuneration, s.monthsTo2003, s.remuneration, s.monthsFrom2003, s.slideRate,
                         s.cappedMonths, s.partA, s.partB, s.amount}) {
            if (slot >= 0)
                panel[slot] = QStringLiteral("0");
        }
    }
}

} // namespace izoku::engine
