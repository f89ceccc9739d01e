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

} // namespace

CoefficientsForm::CoefficientsForm()
{
    for (int index = 0; index < N::Count; ++index)
        Num1[index] = OpeningText(index);
}

std::int32_t CoefficientsForm::StoredAmount(int index) const
{
    const std::optional<int> slot = AmountSlot(index);
    return slot ? m_amounts[*slot] : 0;
}

void CoefficientsForm::EnterField(int index, Entry entry)
{
    if (index < 0 || index >= N::Count || !IsInput(index))
        return;
    if (const std::optional<int> slot = AmountSlot(index))
        Num1[index] = QString::number(m_amounts[*slot]);
    if (entry == Entry::ByUser)
        resetResults(ExampleOf(index));
}

void CoefficientsForm::LeaveField(int index)
{
    const std::optional<int> slot = AmountSlot(index);
    if (!slot)
        return;
    std::int32_t &stored = m_amounts[*slot];
    QString &text = Num1[index];
    // Amounts are never refused: whatever does not read as a 32-bit figure
    // is stored as 0.
    stored = TextToInt32(text).value_or(0);
    text = FormatNumber(stored, NumberFormat::Grouped);
}

void CoefficientsForm::TypeInto(int index, const QString &text)
{
    EnterField(index);
    Num1[index] = text;
    LeaveField(index);
}

std::optional<Message> CoefficientsForm::Calculate(CoefficientExample example)
{
    const ExampleFields &fields = FieldsOf(example);
    for (int index : fields.validated()) {
        if (!IsNumeric(Num1[index]))
            return Warning(QStringLiteral("数値を入力してください"), QStringLiteral("エラー"), Num1Name(index), true);
    }
    const double rate = LeadingNumber(Num1[fields.rate]);
    const std::optional<std::int16_t> years = TextToInt16(Num1[fields.years]);
    const bool stopOnFailure = fields.onFailure == OnFailure::Stop;
    if (!years && stopOnFailure)
        return std::nullopt;
    const int n = years.value_or(0);
    const double amount = StoredAmount(fields.amount);

    if (example == CoefficientExample::E4) {
        const std::optional<PriceDecline> decline = PriceAfterDecline(amount, rate, n);
        if (!decline)
            return std::nullopt;
        write(N::E4FuturePrice, decline->futurePrice);
        write(N::E4RemainingPercent, decline->remainingPercent);
        return std::nullopt;
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
        return std::nullopt;
    write(fields.results.front(), result.value_or(0.0));
    return std::nullopt;
}

int CoefficientsForm::ClearEntry(CoefficientExample example)
{
    const ExampleFields &fields = FieldsOf(example);
    for (int index : fields.inputs)
        Num1[index] = OpeningText(index);
    for (int index : fields.results)
        Num1[index] = OpeningText(index);
    // The sinking-fund example's CE has always written its rate as "0".
    if (example == CoefficientExample::E5)
        Num1[N::E5Rate] = QStringLiteral("0");
    if (const std::optional<int> slot = AmountSlot(fields.amount))
        m_amounts[*slot] = 0;
    return fields.inputs.front();
}

std::optional<int> CoefficientsForm::FocusAfterEnter(CoefficientExample example)
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

void CoefficientsForm::resetResults(CoefficientExample example)
{
    for (int index : FieldsOf(example).results)
        Num1[index] = QStringLiteral("0");
}

void CoefficientsForm::write(int index, double value)
{
    Num1[index] = FormatNumber(value, formatOf(index));
}

} // namespace izoku::engine
