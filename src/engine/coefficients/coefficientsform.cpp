#include "coefficientsform.h"

#include "coefficientformulas.h"

#include "engine/text/numbertext.h"

namespace izoku::engine {

namespace {

using N = KeisuNum1;

NumberFormat formatOf(int index)
{
    switch (index) {
    case N::E2PriceFactor:
        return NumberFormat::TwoDecimals;
    case N::E4FuturePrice:
        // A future price of 0 yen leaves the field empty.
        return NumberFormat::GroupedOrEmpty;
    default:
        return NumberFormat::Grouped;
    }
}

void resetResults(CoefficientsForm &form, CoefficientExample example)
{
    for (int index : FieldsOf(example).results)
        form.num1[index] = QStringLiteral("0");
}

void write(CoefficientsForm &form, int index, double value)
{
    form.num1[index] = FormatNumber(value, formatOf(index));
}

// The figures of one example from its stored amount, years and rate; a
// failing step either counts as 0 or leaves the results as they were.
void computeExample(CoefficientsForm &form, CoefficientExample example)
{
    const ExampleFields &fields = FieldsOf(example);
    const double rate = LeadingNumber(form.num1[fields.rate]);
    const std::optional<std::int16_t> years = TextToInt16(form.num1[fields.years]);
    const bool stopOnFailure = fields.onFailure == OnFailure::Stop;
    if (!years && stopOnFailure)
        return;
    const int n = years.value_or(0);
    const double amount = form.storedAmount(fields.amount);

    if (example == CoefficientExample::E4) {
        const std::optional<PriceDecline> decline = PriceAfterDecline(amount, rate, n);
        if (!decline)
            return;
        write(form, N::E4FuturePrice, decline->futurePrice);
        write(form, N::E4RemainingPercent, decline->remainingPercent);
        return;
    }

    std::optional<double> result;
    switch (example) {
    case CoefficientExample::E1:
        result = FutureValue(amount, rate, n);
        break;
    case CoefficientExample::E2:
        result = FutureValueFactor(rate, n);
        break;
    case CoefficientExample::E3:
        result = PresentValue(amount, rate, n);
        break;
    case CoefficientExample::E5:
        result = SinkingFundPayment(amount, rate, n);
        break;
    case CoefficientExample::E6:
        result = AnnuityFutureValue(amount, rate, n);
        break;
    case CoefficientExample::E7:
    case CoefficientExample::E8:
        result = CapitalRecoveryPayment(amount, rate, n);
        break;
    case CoefficientExample::E9:
        result = AnnuityPresentValue(amount, rate, n);
        break;
    case CoefficientExample::E4:
        break;
    }
    if (!result && stopOnFailure)
        return;
    write(form, fields.results.front(), result.value_or(0.0));
}

} // namespace

std::int32_t CoefficientsForm::storedAmount(int index) const
{
    const std::optional<int> slot = AmountSlot(index);
    return slot ? amounts[*slot] : 0;
}

void OpenFormkeisu(CoefficientsForm &form)
{
    form = CoefficientsForm{};
    for (int index = 0; index < N::Count; ++index)
        form.num1[index] = OpeningText(index);
}

CalculationOutcome EnterField(CoefficientsForm &form, int index, FieldEntry entry)
{
    if (index < 0 || index >= N::Count || !IsInput(index))
        return {};
    if (const std::optional<int> slot = AmountSlot(index))
        form.num1[index] = QString::number(form.amounts[*slot]);
    if (entry == FieldEntry::ByUser)
        resetResults(form, ExampleOf(index));
    return {};
}

CalculationOutcome LeaveField(CoefficientsForm &form, int index)
{
    const std::optional<int> slot = AmountSlot(index);
    if (!slot)
        return {};
    std::int32_t &stored = form.amounts[*slot];
    QString &text = form.num1[index];
    // Amounts are never refused: whatever does not read as a 32-bit figure
    // is stored as 0.
    stored = TextToInt32(text).value_or(0);
    text = FormatNumber(stored, NumberFormat::Grouped);
    return {};
}

CalculationOutcome TypeInto(CoefficientsForm &form, int index, const QString &text)
{
    EnterField(form, index);
    form.num1[index] = text;
    return LeaveField(form, index);
}

CalculationOutcome CalculateExample(CoefficientsForm &form, CoefficientExample example)
{
    for (int index : FieldsOf(example).validated()) {
        if (!IsNumeric(form.num1[index]))
            return {
                {Warning(QStringLiteral("数値を入力してください"), QStringLiteral("エラー"), Num1Name(index), true)},
                true};
    }
    computeExample(form, example);
    return {};
}

CalculationOutcome ClearEntry(CoefficientsForm &form, CoefficientExample example)
{
    const ExampleFields &fields = FieldsOf(example);
    for (int index : fields.inputs)
        form.num1[index] = OpeningText(index);
    for (int index : fields.results)
        form.num1[index] = OpeningText(index);
    // The sinking-fund example's CE has always written its rate as "0".
    if (example == CoefficientExample::E5)
        form.num1[N::E5Rate] = QStringLiteral("0");
    if (const std::optional<int> slot = AmountSlot(fields.amount))
        form.amounts[*slot] = 0;
    return {};
}

std::optional<int> FocusAfterEnter(CoefficientExample example)
{
    switch (example) {
    case CoefficientExample::E1:
    case CoefficientExample::E2:
    case CoefficientExample::E3:
        return FieldsOf(example).inputs.front();
    default:
        return std::nullopt;
    }
}

} // namespace izoku::engine
