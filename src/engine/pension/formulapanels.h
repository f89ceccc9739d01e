#pragma once

#include "accrualrates.h"

#include "engine/basedata/basedata.h"

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

// Parts A and B to the yen, the amount to 100 yen.  A step whose arithmetic
// fails gives no value.
struct FormulaPanelResult {
    std::optional<double> partA;
    std::optional<double> partB;
    std::optional<double> amount;
};

// The guarantee of the previous amount (従前額保障) revalues the old formula
// by this factor.
inline constexpr double kPreviousAmountFactor = 1.031;

// The price-slide rate every panel shows until the agent types another: the
// figure the program is shipped with.
inline constexpr double kDefaultSlideRate = kBaseData2009.SlideRate;

// The short requirement deems at least 300 months of insurance.
inline constexpr int kDeemedMonths = 300;

// The employees' months as the short requirement counts them: E if below
// 300, else 300.
int CappedMonths(int employeesMonths);

FormulaPanelResult ComputeFormulaPanel(FormulaPanel panel, const FormulaPanelInputs &inputs);

// The inputs of one panel from the record: the fixed rates for the short
// requirement, the husband's rates for the long one.
FormulaPanelInputs PanelInputs(FormulaPanel panel, const EmployeesPensionRecord &record,
                               const LongRequirementRates &longRates, int cappedMonths);

// All four panels, indexed by FormulaPanel.
std::array<FormulaPanelResult, 4> ComputeFormulaPanels(const EmployeesPensionRecord &record,
                                                       const LongRequirementRates &longRates, int cappedMonths);

} // namespace izoku::engine
