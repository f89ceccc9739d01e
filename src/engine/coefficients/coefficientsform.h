#pragma once

#include "coefficientexamples.h"

#include "engine/forms/calculationoutcome.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace izoku::engine {

// The coefficient calculator Formkeisu as the agent sees it: the texts of
// its 36 fields and the eight stored amounts behind the amount fields.  The
// calculations take the money from the stored amount, never from the text,
// and read the years and the rate from the text when the button is pressed.
struct CoefficientsForm {
    std::array<QString, KeisuNum1::Count> num1;
    // By AmountSlot: the figure each amount field stood for when it was last
    // left.
    std::array<std::int32_t, KeisuNum1::AmountCount> amounts{};

    // The stored amount behind an amount field (0 for any other field).
    std::int32_t storedAmount(int index) const;

    bool operator==(const CoefficientsForm &) const = default;
};

// Who moved the focus into a field.
enum class FieldEntry {
    ByUser,
    // The calculator returning the focus to the first input after Enter on
    // a 計算 button: the answer just computed must stay on screen.
    ReturnAfterCalculation,
};

// The texts of a freshly opened calculator, every stored amount 0.
void OpenFormkeisu(CoefficientsForm &form);

// Entering an input clears its example's results, ready for a new entry;
// an amount field shows its stored amount in plain digits so the figure can
// be edited.
CalculationOutcome EnterField(CoefficientsForm &form, int index, FieldEntry entry = FieldEntry::ByUser);
// Leaving an amount field stores what was typed and shows it grouped
// ("1,000,000"); a text without a number, or one beyond the 32-bit range,
// stores 0.
CalculationOutcome LeaveField(CoefficientsForm &form, int index);

// The user entering a field, typing `text` over its selected contents and
// tabbing out of it.
CalculationOutcome TypeInto(CoefficientsForm &form, int index, const QString &text);

// The 計算 button: checks the years and the rate, then writes the example's
// result fields.  A message stops it before anything was computed; its
// field takes the focus.
CalculationOutcome CalculateExample(CoefficientsForm &form, CoefficientExample example);

// The example's "CE": its texts back to the opening ones and its stored
// amount 0.  The window then puts the focus in the example's first input.
CalculationOutcome ClearEntry(CoefficientsForm &form, CoefficientExample example);

// Where Enter on a 計算 button returns the focus after the calculation (E1,
// E2 and E3); the other buttons keep it.
std::optional<int> FocusAfterEnter(CoefficientExample example);

} // namespace izoku::engine
