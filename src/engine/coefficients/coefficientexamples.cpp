#include "coefficientexamples.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>

namespace izoku::engine {

namespace {

using N = KeisuNum1;

const std::array<ExampleFields, kCoefficientExampleCount> &table()
{
    // Only the textbook examples with a plain yen answer carry on past a
    // failing step; the factor, the present values and the annuity's future
    // value stop, as the calculator always has.
    static const std::array<ExampleFields, kCoefficientExampleCount> examples = {{
        {{N::E1Amount, N::E1Rate, N::E1Years},
         N::E1Amount,
         N::E1Years,
         N::E1Rate,
         {N::E1Result},
         OnFailure::CountAsZero},
        {{N::E2Rate, N::E2Years}, -1, N::E2Years, N::E2Rate, {N::E2PriceFactor}, OnFailure::Stop},
        {{N::E3Years, N::E3Amount, N::E3Rate}, N::E3Amount, N::E3Years, N::E3Rate, {N::E3Result}, OnFailure::Stop},
        {{N::E4Years, N::E4Rate, N::E4Amount},
         N::E4Amount,
         N::E4Years,
         N::E4Rate,
         {N::E4FuturePrice, N::E4RemainingPercent},
         OnFailure::Stop},
        {{N::E5Amount, N::E5Years, N::E5Rate},
         N::E5Amount,
         N::E5Years,
         N::E5Rate,
         {N::E5Result},
         OnFailure::CountAsZero},
        {{N::E6Amount, N::E6Years, N::E6Rate}, N::E6Amount, N::E6Years, N::E6Rate, {N::E6Result}, OnFailure::Stop},
        {{N::E7Amount, N::E7Years, N::E7Rate},
         N::E7Amount,
         N::E7Years,
         N::E7Rate,
         {N::E7Result},
         OnFailure::CountAsZero},
        {{N::E8Amount, N::E8Years, N::E8Rate},
         N::E8Amount,
         N::E8Years,
         N::E8Rate,
         {N::E8Result},
         OnFailure::CountAsZero},
        {{N::E9Amount, N::E9Years, N::E9Rate},
         N::E9Amount,
         N::E9Years,
         N::E9Rate,
         {N::E9Result},
         OnFailure::CountAsZero},
    }};
    return examples;
}

bool contains(const std::vector<int> &list, int value)
{
    return std::find(list.begin(), list.end(), value) != list.end();
}

constexpr std::array<int, KeisuNum1::AmountCount> kAmountFields = {N::E1Amount, N::E3Amount, N::E4Amount, N::E5Amount,
                                                                   N::E6Amount, N::E7Amount, N::E8Amount, N::E9Amount};

} // namespace

std::vector<int> ExampleFields::validated() const
{
    std::vector<int> checked;
    for (int index : inputs) {
        if (index != amount)
            checked.push_back(index);
    }
    return checked;
}

const ExampleFields &FieldsOf(CoefficientExample example)
{
    return table().at(static_cast<size_t>(example));
}

CoefficientExample ExampleOf(int index)
{
    for (int e = 0; e < kCoefficientExampleCount; ++e) {
        const ExampleFields &fields = table()[e];
        if (contains(fields.inputs, index) || contains(fields.results, index))
            return static_cast<CoefficientExample>(e);
    }
    return CoefficientExample::E1;
}

FieldRole RoleOf(int index)
{
    const ExampleFields &fields = FieldsOf(ExampleOf(index));
    if (index == fields.amount)
        return FieldRole::Amount;
    if (index == fields.years)
        return FieldRole::Years;
    if (index == fields.rate)
        return FieldRole::Rate;
    return FieldRole::Result;
}

bool IsInput(int index)
{
    return RoleOf(index) != FieldRole::Result;
}

std::optional<int> AmountSlot(int index)
{
    const auto it = std::find(kAmountFields.begin(), kAmountFields.end(), index);
    if (it == kAmountFields.end())
        return std::nullopt;
    return static_cast<int>(it - kAmountFields.begin());
}

QString OpeningText(int index)
{
    // Rates and the price factor show two decimals from the start.
    if (index == N::E2PriceFactor || RoleOf(index) == FieldRole::Rate)
        return QStringLiteral("0.00");
    return QStringLiteral("0");
}

QString Num1Name(int index)
{
    return QStringLiteral("Num1(%1)").arg(index);
}

std::optional<int> Num1Index(const QString &name)
{
    static const QRegularExpression pattern(QStringLiteral("^Num1\\((\\d+)\\)$"));
    const QRegularExpressionMatch match = pattern.match(name);
    if (!match.hasMatch())
        return std::nullopt;
    const int index = match.captured(1).toInt();
    if (index < 0 || index >= KeisuNum1::Count)
        return std::nullopt;
    return index;
}

} // namespace izoku::engine
