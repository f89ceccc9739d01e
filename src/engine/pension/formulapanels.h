#pragma once

#include "accrualrates.h"

#include "engine/basedata/basedata.h"
#include "engine/law/pensionlaw.h"

#include <array>
#include <optional>

// The survivors' employees' pension (遺族厚生年金): three quarters of the
// earnings-related old-age pension the husband had earned, computed four
// ways so the agent can show the customer how the requirement and the 2004
// reform change it.
namespace izoku::engine {

// In the order of the screen's panel buttons.
enum class FormulaPanel {
    ShortNew = 0, // 短期要件　改正後
    ShortOld = 1, // 短期要件　改正前
    LongNew = 2,  // 長期要件　改正後
    LongOld = 3,  // 長期要件　改正前
};

inline constexpr std::array<FormulaPanel, 4> kFormulaPanels{FormulaPanel::ShortNew, FormulaPanel::ShortOld,
                                                            FormulaPanel::LongNew, FormulaPanel::LongOld};

bool IsShortRequirement(FormulaPanel panel);

// The husband's employees' pension record, split at the April 2003 switch
// from monthly to total remuneration.
struct EmployeesPensionRecord {
    double monthsTo2003 = 0.0;
    double monthlyRemunerationTo2003 = 0.0; // 平均標準報酬月額
    double monthsFrom2003 = 0.0;
    double remunerationFrom2003 = 0.0; // 平均標準報酬額
    double slideRate = 0.0;

    double EmployeesMonths() const { return monthsTo2003 + monthsFrom2003; }
};

// What one panel computes from.
struct FormulaPanelInputs {
    double monthlyRemuneration = 0.0;
    double rate1 = 0.0;
    double monthsTo2003 = 0.0;
    double remuneration = 0.0;
    double rate2 = 0.0;
    double monthsFrom2003 = 0.0;
    double slideRate = 0.0;
    double cappedMonths = 0.0; // short requirement only
};

// Parts A and B to the yen, the amount to 100 yen (fiscal 2009) or to the
// yen (today).  A step whose arithmetic fails gives no value.
struct FormulaPanelResult {
    std::optional<double> partA;
    std::optional<double> partB;
    std::optional<double> amount;
};

// The guarantee of the previous amount (従前額保障) revalued the old formula
// by this factor and the slide rate in fiscal 2009; today the old-formula
// panels' slide-rate field holds the year's 従前額改定率, which stands for
// both.
inline constexpr double kPreviousAmountFactor = 1.031;
double OldFormulaFactor(const PensionLaw &law);

// The price-slide rate the panels show when the screen opens, the figure of
// fiscal 2009; a calculation writes the year's in its place.
inline constexpr double kDefaultSlideRate = kBaseData2009.SlideRate;

// The short requirement deems at least 300 months of insurance.
inline constexpr int kDeemedMonths = 300;

// The employees' months as the short requirement counts them: E if below
// 300, else 300.
int CappedMonths(int employeesMonths);

// By fiscal 2009 the amount is worked out from parts A and B rounded to the
// yen and rounded half up to 100 yen; today from the unrounded parts,
// rounded half up once to the yen, as the law rounds since October 2015.
FormulaPanelResult ComputeFormulaPanel(FormulaPanel panel, const FormulaPanelInputs &inputs, const PensionLaw &law);

// All four panels of the record, indexed by FormulaPanel: the fixed rates
// for the short requirement, the husband's rates for the long one, and
// today the 従前額改定率 in place of the slide rate for the old formula.
std::array<FormulaPanelResult, 4> ComputeFormulaPanels(const EmployeesPensionRecord &record,
                                                       const LongRequirementRates &longRates, int cappedMonths,
                                                       const PensionLaw &law);

} // namespace izoku::engine
