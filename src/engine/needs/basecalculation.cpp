#include "basecalculation.h"

#include "engine/forms/agecheck.h"
#include "engine/needs/benefitdetermination.h"
#include "engine/needs/frmhokenform.h"
#include "engine/needs/projection.h"
#include "engine/pension/insuredperiods.h"
#include "engine/pension/widowbenefits.h"
#include "engine/text/numbertext.h"

namespace izoku::engine {

Message AmountTooLargeMessage()
{
    return Warning(QStringLiteral("入力された金額が大きすぎるため計算できません。"), QStringLiteral("エラー"));
}

Message NoBaseCalculationMessage()
{
    return Warning(QStringLiteral("基礎計算実行ボタンを押してください"), QStringLiteral("エラー"));
}

CalculationOutcome RunBaseCalculation(FrmhokenForm &form, const BaseData &baseData, const QDate &today)
{
    CalculationOutcome outcome;
    ClearPanelFigures(form.num3);
    const QString record[] = {form.num1(HokenNum1::NationalMonths), form.num1(HokenNum1::EmployeeMonthsTo2003),
                              form.num1(HokenNum1::AverageMonthlyRemuneration),
                              form.num1(HokenNum1::EmployeeMonthsFrom2003), form.num1(HokenNum1::AverageRemuneration)};
    if (AllFieldsZero(record)) {
        outcome.messages.push_back(
            Warning(QStringLiteral("年金関連データを入力して下さい。"), QStringLiteral("入力エラー")));
        outcome.stopped = true;
        return outcome;
    }
    LookUpHorizon(form);
    if (auto message = CheckWifeAgeLimit(form.num1Value(HokenNum1::WifeAge))) {
        outcome.messages.push_back(std::move(*message));
        outcome.stopped = true;
        return outcome;
    }
    // The husband's age places his policies on the sheet; the others size it.
    if (const auto index = FirstUncomputableAge(form.household, AgesChecked::HusbandAndSurvivors)) {
        outcome.messages.push_back(AgeMissingMessage(*index, QStringLiteral("Num1(%1)").arg(*index)));
        outcome.stopped = true;
        return outcome;
    }
    const PensionLaw law = PensionLawOf(baseData);
    // A year whose row lacks a figure the household needs is refused before
    // the results are cleared.
    if (auto refusal = MissingFigureRefusal(law, NeedsSurvivorsCase(form, law, today))) {
        outcome.messages.push_back(std::move(*refusal));
        outcome.stopped = true;
        return outcome;
    }
    for (int slot = HokenNum1::EmployeesPensionAmount; slot <= HokenNum1::LumpSumAmount; ++slot)
        form.num1(slot) = QStringLiteral("0");
    for (int slot = HokenNum1::EmployeesPensionFrom; slot <= HokenNum1::MiddleAgedTo; ++slot)
        form.num1(slot) = QStringLiteral("0");

    PrepareSheet(form);
    if (!DetermineBenefits(form, law, today, outcome.messages) || !PlacePensions(form) || !ProjectHousehold(form)) {
        form.sheet.clear();
        outcome.messages.push_back(AmountTooLargeMessage());
        outcome.stopped = true;
        return outcome;
    }
    form.num4[HokenNum4::RangeFrom] = form.num1(HokenNum1::WifeAge);
    form.num4[HokenNum4::RangeTo] =
        PlainNumber(form.num1Value(HokenNum1::WifeAge) + form.num1Value(HokenNum1::LifeExpectancy));
    if (auto notice = ReformNotModelledNotice(law, form.date2[HokenDate2::BaseDate]))
        outcome.messages.push_back(std::move(*notice));
    return outcome;
}

} // namespace izoku::engine
