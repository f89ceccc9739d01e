#include "formulapanelslots.h"

#include "frmravoform.h"

#include "engine/text/numbertext.h"

namespace izoku::engine {

namespace {

constexpr FormulaPanelSlots kShortNew{Num3::ShortNewMonthlyRemuneration,
                                      Num3::ShortNewRate1,
                                      Num3::ShortNewMonthsTo2003,
                                      Num3::ShortNewRemuneration,
                                      Num3::ShortNewRate2,
                                      Num3::ShortNewMonthsFrom2003,
                                      Num3::ShortNewSlideRate,
                                      Num3::ShortNewCappedMonths,
                                      Num3::ShortNewPartA,
                                      Num3::ShortNewPartB,
                                      Num3::ShortNewAmount};
constexpr FormulaPanelSlots kShortOld{Num3::ShortOldMonthlyRemuneration,
                                      Num3::ShortOldRate1,
                                      Num3::ShortOldMonthsTo2003,
                                      Num3::ShortOldRemuneration,
                                      Num3::ShortOldRate2,
                                      Num3::ShortOldMonthsFrom2003,
                                      Num3::ShortOldSlideRate,
                                      Num3::ShortOldCappedMonths,
                                      Num3::ShortOldPartA,
                                      Num3::ShortOldPartB,
                                      Num3::ShortOldAmount};
constexpr FormulaPanelSlots kLongNew{Num3::LongNewMonthlyRemuneration,
                                     Num3::LongNewRate1,
                                     Num3::LongNewMonthsTo2003,
                                     Num3::LongNewRemuneration,
                                     Num3::LongNewRate2,
                                     Num3::LongNewMonthsFrom2003,
                                     Num3::LongNewSlideRate,
                                     -1,
                                     Num3::LongNewPartA,
                                     Num3::LongNewPartB,
                                     Num3::LongNewAmount};
constexpr FormulaPanelSlots kLongOld{Num3::LongOldMonthlyRemuneration,
                                     Num3::LongOldRate1,
                                     Num3::LongOldMonthsTo2003,
                                     Num3::LongOldRemuneration,
                                     Num3::LongOldRate2,
                                     Num3::LongOldMonthsFrom2003,
                                     Num3::LongOldSlideRate,
                                     -1,
                                     Num3::LongOldPartA,
                                     Num3::LongOldPartB,
                                     Num3::LongOldAmount};

void writeRates(std::span<QString> num3, const FormulaPanelSlots &layout, const AccrualRates &rates)
{
    num3[layout.rate1] = PlainNumber(rates.rate1);
    num3[layout.rate2] = PlainNumber(rates.rate2);
}

void writeIfComputed(std::span<QString> num3, int slot, const std::optional<double> &value)
{
    if (value)
        num3[slot] = PlainNumber(*value);
}

} // namespace

const FormulaPanelSlots &PanelSlots(FormulaPanel panel)
{
    switch (panel) {
    case FormulaPanel::ShortNew:
        return kShortNew;
    case FormulaPanel::ShortOld:
        return kShortOld;
    case FormulaPanel::LongNew:
        return kLongNew;
    case FormulaPanel::LongOld:
        break;
    }
    return kLongOld;
}

bool SetPanelInputs(std::span<QString> num3, std::span<const QString> text6, const QDate &husbandBirth,
                    const PensionLaw &law, Messages &messages)
{
    if (const auto rates = AccrualRatesFor(husbandBirth)) {
        writeRates(num3, kLongNew, rates->newFormula);
        writeRates(num3, kLongOld, rates->oldFormula);
    } else {
        messages.push_back(Warning(QStringLiteral("昭和18年4月1日以前は対応していません"), QStringLiteral("エラー")));
    }
    for (FormulaPanel panel : kFormulaPanels) {
        const FormulaPanelSlots &layout = PanelSlots(panel);
        num3[layout.monthlyRemuneration] = text6[Text6::MonthlyRemunerationTo2003];
        num3[layout.monthsTo2003] = text6[Text6::MonthsTo2003];
        num3[layout.remuneration] = text6[Text6::RemunerationFrom2003];
        num3[layout.monthsFrom2003] = text6[Text6::MonthsFrom2003];
        num3[layout.slideRate] = text6[Text6::SlideRate];
    }
    if (law.current() && law.previousAmountRevisionRate) {
        const QString rate = PlainNumber(*law.previousAmountRevisionRate);
        num3[kShortOld.slideRate] = rate;
        num3[kLongOld.slideRate] = rate;
    }
    const auto employeesMonths =
        ToInt32(LeadingNumber(text6[Text6::MonthsTo2003]) + LeadingNumber(text6[Text6::MonthsFrom2003]));
    if (!employeesMonths)
        return false;
    const QString capped = QString::number(CappedMonths(*employeesMonths));
    num3[kShortOld.cappedMonths] = capped;
    num3[kShortNew.cappedMonths] = capped;
    return true;
}

void ComputePanelSlots(std::span<QString> num3, const PensionLaw &law)
{
    for (FormulaPanel panel : kFormulaPanels) {
        const FormulaPanelSlots &layout = PanelSlots(panel);
        const auto read = [&](int slot) { return slot < 0 ? 0.0 : LeadingNumber(num3[slot]); };
        const FormulaPanelInputs inputs{
            read(layout.monthlyRemuneration), read(layout.rate1),       read(layout.monthsTo2003),
            read(layout.remuneration),        read(layout.rate2),       read(layout.monthsFrom2003),
            read(layout.slideRate),           read(layout.cappedMonths)};
        const FormulaPanelResult result = ComputeFormulaPanel(panel, inputs, law);
        writeIfComputed(num3, layout.partA, result.partA);
        writeIfComputed(num3, layout.partB, result.partB);
        writeIfComputed(num3, layout.amount, result.amount);
    }
}

} // namespace izoku::engine
