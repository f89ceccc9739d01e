#include "benefitreasons.h"

#include "engine/pension/widowbenefits.h"

namespace izoku::engine {

namespace {

QString paidEmployeesPensionReason(const SurvivorsCase &household, const EmployeesPensionPaid &paid)
{
    QString reason;
    switch (paid.ground) {
    case EmployeesPensionGround::ChosenOverWidowsPension:
        return QStringLiteral("夫の加入期間が25年以上あるため（寡婦年金に代えて選択）");
    case EmployeesPensionGround::NoWidowsPension:
        reason = QStringLiteral("夫の加入期間が25年以上あるため（寡婦年金がなく選択の必要がないため）");
        break;
    case EmployeesPensionGround::ShortRequirement:
        // 短期要件: a husband who dies insured is credited with at least
        // 300 months.
        reason = household.employeesMonths < kLongRequirementMonths
                     ? QStringLiteral("夫の厚生年金加入期間が300月に満たないため300月とみなして計算")
                     : QStringLiteral("夫の厚生年金加入期間%1月で計算").arg(household.employeesMonths);
        break;
    }
    if (paid.ages.lastAge)
        reason += QStringLiteral("（30歳未満で子がいないため5年間）");
    return reason;
}

QString employeesPensionReason(const SurvivorsCase &household, const SurvivorsBenefits &benefits)
{
    if (const auto &paid = benefits.employeesPension)
        return paidEmployeesPensionReason(household, *paid);
    if (household.employeesMonths <= 0)
        return QStringLiteral("夫に厚生年金の加入期間がないため支給されません");
    if (!benefits.panelsWorkedOut)
        return QStringLiteral("夫の加入期間が25年に満たないため支給されません");
    return QStringLiteral("寡婦年金を選択したため支給されません");
}

QString middleAgedReason(const PensionLaw &law, const SurvivorsCase &household, const SurvivorsBenefits &benefits)
{
    if (benefits.middleAgedAddition) {
        return household.lastEntitlementAge
                   ? QStringLiteral("子が18歳到達年度末を過ぎた後、妻が40歳以上65歳未満の間加算")
                   : QStringLiteral("子のいない40歳以上65歳未満の妻のため");
    }
    if (!benefits.employeesPension)
        return QStringLiteral("遺族厚生年金がないため加算されません");
    if (household.membership != Membership::Employee) {
        if (!law.widowAdditionsOnNationalPath)
            return QStringLiteral("夫が国民年金の加入者のため加算されません");
        if (household.employeesMonths < kLongEmployeesMonths)
            return QStringLiteral("夫の厚生年金加入期間が20年に満たないため加算されません");
    }
    return QStringLiteral("妻の年齢の要件（40歳以上65歳未満）を満たさないため加算されません");
}

QString transitionalReason(const SurvivorsBenefits &benefits)
{
    if (!benefits.transitionalAddition)
        return QStringLiteral("中高齢寡婦加算がないため加算されません");
    if (*benefits.transitionalAddition == 0)
        return QStringLiteral("昭和31年4月2日以後生まれの妻のため加算されません");
    return QStringLiteral("昭和31年4月1日以前生まれの妻のため65歳から加算");
}

QString widowsPensionReason(const PensionLaw &law, const SurvivorsCase &household, const SurvivorsBenefits &benefits)
{
    // The paid months the widow's pension needs: 300 by the law of fiscal
    // 2009, ten years today.
    const bool today = law.current();
    if (benefits.widowsPension)
        return today ? QStringLiteral("夫の国民年金の納付済期間が10年以上のため60歳から64歳まで")
                     : QStringLiteral("夫の国民年金保険料納付済期間が300月以上のため60歳から64歳まで");
    if (household.membership == Membership::Employee)
        return QStringLiteral("夫が国民年金だけの加入者ではないため支給されません");
    if (QualifiesForWidowsPension(law, household.nationalMonths))
        return QStringLiteral("遺族厚生年金を選択したため支給されません");
    return today ? QStringLiteral("夫の国民年金の納付済期間が10年に満たないため支給されません")
                 : QStringLiteral("夫の国民年金保険料納付済期間が300月に満たないため支給されません");
}

QString lumpSumReason(const SurvivorsCase &household, const SurvivorsBenefits &benefits)
{
    if (benefits.lumpSum)
        return QStringLiteral("遺族基礎年金を受けられないため");
    if (household.basicPensionPhase)
        return QStringLiteral("遺族基礎年金を受けるため支給されません");
    if (benefits.widowsPension)
        return QStringLiteral("寡婦年金を受けるため支給されません");
    if (household.membership == Membership::Employee && household.childPresent)
        return QStringLiteral("対象となる子がいるため支給されません");
    if (household.membership != Membership::Employee && benefits.employeesPension)
        return QStringLiteral("遺族厚生年金を選択したため支給されません");
    return QStringLiteral("夫の国民年金保険料納付済期間が36月に満たないため支給されません");
}

} // namespace

BenefitReasons ExplainSurvivorsBenefits(const PensionLaw &law, const SurvivorsCase &household,
                                        const SurvivorsBenefits &benefits)
{
    BenefitReasons reasons;
    reasons.basicPension = household.basicPensionPhase
                               ? QStringLiteral("18歳到達年度末までの子がいるため")
                               : QStringLiteral("18歳到達年度末までの子がいないため支給されません");
    reasons.employeesPension = employeesPensionReason(household, benefits);
    reasons.middleAgedAddition = middleAgedReason(law, household, benefits);
    reasons.transitionalAddition = transitionalReason(benefits);
    reasons.widowsPension = widowsPensionReason(law, household, benefits);
    reasons.lumpSum = lumpSumReason(household, benefits);
    return reasons;
}

} // namespace izoku::engine
