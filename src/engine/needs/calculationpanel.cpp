#include "calculationpanel.h"

#include "engine/pension/accrualrates.h"
#include "engine/text/numbertext.h"

namespace izoku::engine {

namespace {

enum Field : int { MonthlyRemuneration, Rate1, MonthsTo2003, Remuneration, Rate2, MonthsFrom2003, Slide, Capped,
                   PartA, PartB, Amount };

// Indexed by FormulaPanel.
const std::array<PanelSlots, 4> kPanelSlots{{
    {11, 12, 13, 14, 15, 16, 17, 20, 18, 19, 21},  // short, new
    {0, 1, 2, 3, 4, 5, 6, 9, 7, 8, 10},             // short, old
    {31, 33, 34, 35, 36, 37, 38, -1, 39, 40, 42},   // long, new
    {22, 23, 24, 25, 26, 27, 28, -1, 29, 30, 32},   // long, old
}};

QString rateText(double rate) { return PlainNumber(rate); }

void writeRates(PanelTexts &panel, FormulaPanel which, const AccrualRates &rates)
{
    const PanelSlots &s = SlotsOf(which);
    panel[static_cast<size_t>(s[Rate1])] = rateText(rates.rate1);
    panel[static_cast<size_t>(s[Rate2])] = rateText(rates.rate2);
}

double read(const PanelTexts &panel, int slot) { return LeadingNumber(panel[static_cast<size_t>(slot)]); }

}  // namespace

const PanelSlots &SlotsOf(FormulaPanel panel) { return kPanelSlots[static_cast<size_t>(panel)]; }

int AmountSlot(FormulaPanel panel) { return SlotsOf(panel)[Amount]; }

PanelTexts OpeningPanelTexts()
{
    PanelTexts panel;
    panel.fill(QStringLiteral("0"));
    // Slot 41 is no figure of this screen's panels.
    panel[41].clear();
    writeRates(panel, FormulaPanel::ShortNew, kShortRequirementNewRates);
    writeRates(panel, FormulaPanel::ShortOld, kShortRequirementOldRates);
    writeRates(panel, FormulaPanel::LongNew, kShortRequirementNewRates);
    writeRates(panel, FormulaPanel::LongOld, kShortRequirementOldRates);
    for (FormulaPanel which : kFormulaPanels)
        panel[static_cast<size_t>(SlotsOf(which)[Slide])] = QStringLiteral("0.985");
    return panel;
}

void ClearPanelFigures(PanelTexts &panel)
{
    for (FormulaPanel which : kFormulaPanels) {
        const PanelSlots &s = SlotsOf(which);
        for (int field = 0; field < static_cast<int>(s.size()); ++field) {
            if (field != Rate1 && field != Rate2 && s[static_cast<size_t>(field)] >= 0)
                panel[static_cast<size_t>(s[static_cast<size_t>(field)])] = QStringLiteral("0");
        }
    }
}

std::optional<Message> SetPanelInputs(PanelTexts &panel, const PanelRecordTexts &record, const QDate &husbandBirth)
{
    std::optional<Message> message;
    if (const auto rates = AccrualRatesFor(husbandBirth)) {
        writeRates(panel, FormulaPanel::LongNew, rates->newFormula);
        writeRates(panel, FormulaPanel::LongOld, rates->oldFormula);
    } else {
        message = Warning(QStringLiteral("昭和18年4月1日以前は対応していません"), QStringLiteral("エラー"));
    }
    const auto employeesMonths = ToInt32(LeadingNumber(record.monthsTo2003) + LeadingNumber(record.monthsFrom2003));
    for (FormulaPanel which : kFormulaPanels) {
        const PanelSlots &s = SlotsOf(which);
        panel[static_cast<size_t>(s[MonthlyRemuneration])] = record.monthlyRemuneration;
        panel[static_cast<size_t>(s[MonthsTo2003])] = record.monthsTo2003;
        panel[static_cast<size_t>(s[Remuneration])] = record.remuneration;
        panel[static_cast<size_t>(s[MonthsFrom2003])] = record.monthsFrom2003;
        panel[static_cast<size_t>(s[Slide])] = record.slideRate;
        if (s[Capped] >= 0 && employeesMonths)
            panel[static_cast<size_t>(s[Capped])] = QString::number(CappedMonths(*employeesMonths));
    }
    return message;
}

void ComputePanels(PanelTexts &panel)
{
    for (FormulaPanel which : kFormulaPanels) {
        const PanelSlots &s = SlotsOf(which);
        FormulaPanelInputs in;
        in.monthlyRemuneration = read(panel, s[MonthlyRemuneration]);
        in.rate1 = read(panel, s[Rate1]);
        in.monthsTo2003 = read(panel, s[MonthsTo2003]);
        in.remuneration = read(panel, s[Remuneration]);
        in.rate2 = read(panel, s[Rate2]);
        in.monthsFrom2003 = read(panel, s[MonthsFrom2003]);
        in.slideRate = read(panel, s[Slide]);
        in.cappedMonths = s[Capped] >= 0 ? read(panel, s[Capped]) : 0.0;
        const FormulaPanelResult result = ComputeFormulaPanel(which, in);
        auto write = [&](int field, const std::optional<double> &value) {
            if (value)
                panel[static_cast<size_t>(s[static_cast<size_t>(field)])] = PlainNumber(*value);
        };
        write(PartA, result.partA);
        write(PartB, result.partB);
        write(Amount, result.amount);
    }
}

}  // namespace izoku::engine
