#include "coefficientscommand.h"

#include "cliinput.h"
#include "screenoutput.h"

#include "engine/coefficients/coefficientsform.h"

#include <cmath>

namespace izoku::cli {

namespace {

using engine::CoefficientExample;
using engine::CoefficientsForm;

const QString kExample = QStringLiteral("example");
const QString kAmount = QStringLiteral("amount");
const QString kYears = QStringLiteral("years");
const QString kRate = QStringLiteral("rate");

// The examples are numbered from 1, as the calculator shows them.
constexpr int kFirstExample = 1;
constexpr int kLastExample = kFirstExample + engine::kCoefficientExampleCount - 1;

CoefficientExample exampleNumbered(int number)
{
    return static_cast<CoefficientExample>(number - kFirstExample);
}

int numberOf(CoefficientExample example)
{
    return static_cast<int>(example) + kFirstExample;
}

// "1 to 9".
QString exampleRange(const char *separator)
{
    return QStringLiteral("%1%2%3").arg(kFirstExample).arg(QLatin1String(separator)).arg(kLastExample);
}

// The numbers of the examples without an amount field, "2".
QString examplesWithoutAmount()
{
    QStringList numbers;
    for (int number = kFirstExample; number <= kLastExample; ++number) {
        if (engine::FieldsOf(exampleNumbered(number)).amount < 0)
            numbers << QString::number(number);
    }
    return numbers.join(QStringLiteral(", "));
}

CoefficientExample readExample(const QJsonObject &input)
{
    if (!input.contains(kExample))
        throw InputError(QStringLiteral("\"example\" is required (%1)").arg(exampleRange(" to ")));
    const double number = RequireNumber(input[kExample], kExample);
    if (number != std::floor(number) || number < kFirstExample || number > kLastExample)
        throw InputError(QStringLiteral("\"example\" must be a whole number from %1").arg(exampleRange(" to ")));
    return exampleNumbered(static_cast<int>(number));
}

QJsonObject run(const QJsonObject &input, const RunOptions &)
{
    CheckKeys(input, {kExample, kAmount, kYears, kRate}, QString());
    const CoefficientExample example = readExample(input);
    const engine::ExampleFields &fields = engine::FieldsOf(example);
    if (fields.amount < 0 && input.contains(kAmount))
        throw InputError(QStringLiteral("\"amount\": example %1 has no amount field").arg(numberOf(example)));

    // The inputs are typed in the order Enter walks them; the amount is
    // stored when its field is left, as when the agent tabs on.
    CoefficientsForm form;
    engine::OpenFormkeisu(form);
    for (int index : fields.inputs) {
        const QString &key = index == fields.amount ? kAmount : index == fields.years ? kYears : kRate;
        if (input.contains(key))
            engine::TypeInto(form, index, RequireString(input[key], key));
    }

    // The 計算 button clicked with the mouse; a message's field then takes
    // the focus, with its enter behaviour.
    const engine::CalculationOutcome outcome = engine::CalculateExample(form, example);
    for (const engine::Message &message : outcome.messages) {
        if (const std::optional<int> focus = engine::Num1Index(message.focus))
            engine::EnterField(form, *focus);
    }

    QJsonObject texts;
    for (const std::vector<int> &group : {fields.inputs, fields.results}) {
        for (int index : group)
            texts.insert(QString::number(index), form.num1[index]);
    }
    return QJsonObject{{QStringLiteral("messages"), MessagesJson(outcome.messages)}, {QStringLiteral("fields"), texts}};
}

} // namespace

Command CoefficientsCommand()
{
    return Command{
        QStringLiteral("coefficients"),
        QStringLiteral(
            "  One worked example of the coefficient calculator (基本係数), as the window\n"
            "  shows it after its 計算 button is clicked with the mouse.\n"
            "  Input:  {\"example\": %1 (required), \"amount\": \"1000000\", \"years\": \"10\",\n"
            "           \"rate\": \"4\"}   texts as typed; example %2 has no amount\n"
            "  Output: {\"messages\": [{\"title\", \"text\", \"icon\"}],\n"
            "           \"fields\": {\"0\": \"1,000,000\", \"1\": \"4\", \"2\": \"10\", \"3\": \"1,480,244\"}}\n"
            "          every Num1 field of the example, by index\n")
            .arg(exampleRange(".."), examplesWithoutAmount()),
        &run,
        nullptr,
        nullptr,
        false};
}

} // namespace izoku::cli
