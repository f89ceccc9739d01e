#pragma once

#include <QString>

#include <optional>
#include <vector>

// The coefficient calculator's nine worked examples and its field array
// Num1 (0 to 35): which field is whose, and what each field holds when the
// calculator opens.
namespace izoku::engine {

// Num1 of the calculator, by example and role.
struct KeisuNum1 {
    enum Slot : int {
        E1Amount = 0,
        E1Rate = 1,
        E1Years = 2,
        E1Result = 3,
        E2Rate = 4,
        E2Years = 5,
        E2PriceFactor = 6,
        E3Years = 7,
        E3Amount = 8,
        E3Rate = 9,
        E3Result = 10,
        E4Years = 11,
        E4Rate = 12,
        E4Amount = 13,
        E4FuturePrice = 14,
        E4RemainingPercent = 15,
        E5Amount = 16,
        E5Years = 17,
        E5Rate = 18,
        E5Result = 19,
        E6Amount = 20,
        E6Years = 21,
        E6Rate = 22,
        E6Result = 23,
        E7Amount = 24,
        E7Years = 25,
        E7Rate = 26,
        E7Result = 27,
        E8Amount = 28,
        E8Years = 29,
        E8Rate = 30,
        E8Result = 31,
        E9Amount = 32,
        E9Years = 33,
        E9Rate = 34,
        E9Result = 35,
    };
    static constexpr int Count = 36;
    // Amount fields, each with its stored amount.
    static constexpr int AmountCount = 8;
};

enum class CoefficientExample { E1, E2, E3, E4, E5, E6, E7, E8, E9 };
inline constexpr int kCoefficientExampleCount = 9;

enum class FieldRole { Amount, Years, Rate, Result };

// What a failing step (a years value out of range, a power beyond the range
// of a double, a division by zero) does to an example's calculation: either
// it counts as 0 and the result is still written, or the calculation ends
// there and the result keeps its text.
enum class OnFailure { CountAsZero, Stop };

struct ExampleFields {
    std::vector<int> inputs; // in the order Enter walks them
    int amount = -1;         // -1: the example has no amount
    int years = 0;
    int rate = 0;
    std::vector<int> results;
    OnFailure onFailure = OnFailure::Stop;

    // The text inputs a calculation checks, in the order it checks them.
    std::vector<int> validated() const;
};

const ExampleFields &FieldsOf(CoefficientExample example);
// The example a Num1 index belongs to.
CoefficientExample ExampleOf(int index);
FieldRole RoleOf(int index);
bool IsInput(int index);
// 0 to 7 for the amount fields (0, 8, 13, 16, 20, 24, 28, 32).
std::optional<int> AmountSlot(int index);
QString OpeningText(int index);

// The field's name as messages and windows use it: "Num1(7)".
QString Num1Name(int index);
std::optional<int> Num1Index(const QString &name);

} // namespace izoku::engine
