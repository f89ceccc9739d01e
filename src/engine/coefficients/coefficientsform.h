#pragma once

#include "coefficientexamples.h"

#include "engine/forms/message.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace izoku::engine {

// The coefficient calculator Formkeisu as the agent sees it: the texts of
// its 36 fields and the eight stored amounts behind the amount fields.  The
// calculations take the money from the stored amount, never from the text,
// and read the years and the rate from the text when the button is pressed.
class CoefficientsForm {
  public:
    // Who moved the focus into a field.
    enum class Entry {
        ByUser,
        // The calculator returning the focus to the first input after Enter
        // on a 計算 button: the answer just computed must stay on screen.
        ReturnAfterCalculation,
    };

    CoefficientsForm(); // the texts of a freshly opened calculator

    std::array<QString, KeisuNum1::Count> Num1;

    // The stored amount behind an amount field (0 for any other field).
    std::int32_t StoredAmount(int index) const;

    // Entering an input clears its example's results, ready for a new
    // entry; an amount field shows its stored amount in plain digits so the
    // figure can be edited.
    void EnterField(int index, Entry entry = Entry::ByUser);
    // Leaving an amount field stores what was typed and shows it grouped
    // ("1,000,000"); a text without a number, or one beyond the 32-bit
    // range, stores 0.
    void LeaveField(int index);

    // The user entering a field, typing `text` over its selected contents
    // and tabbing out of it.
    void TypeInto(int index, const QString &text);

    // The 計算 button: checks the years and the rate, then writes the
    // example's result fields.  A returned message is shown and its field
    // takes the focus; nothing was computed.
    std::optional<Message> Calculate(CoefficientExample example);

    // The example's "CE": its texts back to the opening ones and its stored
    // amount 0.  Returns the field that takes the focus.
    int ClearEntry(CoefficientExample example);

    // Where Enter on a 計算 button returns the focus after the calculation
    // (E1, E2 and E3); the other buttons keep it.
    static std::optional<int> FocusAfterEnter(CoefficientExample example);

  private:
    void resetResults(CoefficientExample example);
    void write(int index, double value);

    std::array<std::int32_t, KeisuNum1::AmountCount> m_amounts{};
};

} // namespace izoku::engine
