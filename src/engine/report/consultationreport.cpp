#include "consultationreport.h"

#include "customerfile.h"

#include "engine/dates/japanesedate.h"
#include "engine/needs/basecalculation.h"
#include "engine/needs/benefitdetermination.h"
#include "engine/needs/comparison.h"
#include "engine/needs/deathyears.h"
#include "engine/needs/frmhokenform.h"
#include "engine/needs/needscharts.h"
#include "engine/needs/projection.h"
#include "engine/pension/benefitreasons.h"
#include "engine/text/numbertext.h"

namespace izoku::engine {

namespace {

using Row = ProjectionSheet::Row;

QString yen(double value)
{
    return FormatNumber(value, NumberFormat::Grouped) + u'円';
}

std::vector<ReportPerson> householdRows(const FrmhokenForm &form)
{
    std::vector<ReportPerson> rows;
    for (int index = 0; index < HouseholdIndex::Count; ++index) {
        const HouseholdMember &member = form.household.members[static_cast<size_t>(index)];
        if (Household::IsChild(index) && !member.present)
            continue;
        rows.push_back({member.role, member.name, JapaneseDate(member.birth), WesternDate(member.birth),
                        form.num1(index) + u'歳'});
    }
    return rows;
}

std::vector<ReportItem> pensionRecord(const FrmhokenForm &form)
{
    const auto months = [&form](int slot) { return form.num1(slot) + u'月'; };
    const auto amount = [&form](int slot) { return yen(form.num1Value(slot)); };
    return {{QStringLiteral("加入していた年金"), form.option1 == Membership::Employee
                                                     ? QStringLiteral("厚生年金（会社員・公務員）")
                                                     : QStringLiteral("国民年金（自営業など）")},
            {QStringLiteral("国民年金だけの期間"), months(HokenNum1::NationalMonths)},
            {QStringLiteral("平成15年3月までの厚生年金期間"), months(HokenNum1::EmployeeMonthsTo2003)},
            {QStringLiteral("平均標準報酬月額"), amount(HokenNum1::AverageMonthlyRemuneration)},
            {QStringLiteral("平成15年4月以降の厚生年金期間"), months(HokenNum1::EmployeeMonthsFrom2003)},
            {QStringLiteral("平均標準報酬額"), amount(HokenNum1::AverageRemuneration)}};
}

// A benefit row from the screen's block ①: ages and amount as shown.  A
// benefit for life ends where the screen's sheet ends it.
ReportBenefit benefitRow(const FrmhokenForm &form, const QString &name, int amountSlot, int fromSlot, int toSlot,
                         const QString &reason)
{
    const double amount = form.num1Value(amountSlot);
    if (amount == 0.0)
        return {name, {}, {}, yen(0), reason};
    const QString to = toSlot < 0 ? form.num1(fromSlot) : form.num1(toSlot);
    return {name, form.num1(fromSlot) + u'歳', to + u'歳', yen(amount), reason};
}

std::vector<ReportBenefit> benefitRows(const FrmhokenForm &form, const BenefitReasons &reasons)
{
    std::vector<ReportBenefit> rows;
    for (int p = 0; p < HokenNum1::kPhases; ++p) {
        if (form.num1Value(HokenNum1::BasicPhase1Amount + p) != 0.0)
            rows.push_back(benefitRow(form, QStringLiteral("遺族基礎年金"), HokenNum1::BasicPhase1Amount + p,
                                      HokenNum1::BasicPhase1From + 2 * p, HokenNum1::BasicPhase1To + 2 * p,
                                      reasons.basicPension));
    }
    if (rows.empty())
        rows.push_back(benefitRow(form, QStringLiteral("遺族基礎年金"), HokenNum1::BasicPhase1Amount,
                                  HokenNum1::BasicPhase1From, HokenNum1::BasicPhase1To, reasons.basicPension));
    rows.push_back(benefitRow(form, QStringLiteral("遺族厚生年金"), HokenNum1::EmployeesPensionAmount,
                              HokenNum1::EmployeesPensionFrom, HokenNum1::EmployeesPensionTo,
                              reasons.employeesPension));
    rows.push_back(benefitRow(form, QStringLiteral("中高齢寡婦加算"), HokenNum1::MiddleAgedAmount,
                              HokenNum1::MiddleAgedFrom, HokenNum1::MiddleAgedTo, reasons.middleAgedAddition));
    rows.push_back(benefitRow(form, QStringLiteral("経過的寡婦加算"), HokenNum1::TransitionalAmount,
                              HokenNum1::TransitionalFrom, HokenNum1::TransitionalTo, reasons.transitionalAddition));
    rows.push_back(benefitRow(form, QStringLiteral("寡婦年金"), HokenNum1::WidowsPensionAmount,
                              HokenNum1::WidowsPensionFrom, HokenNum1::WidowsPensionTo, reasons.widowsPension));
    rows.push_back(benefitRow(form, QStringLiteral("死亡一時金"), HokenNum1::LumpSumAmount, HokenNum1::LumpSumAge, -1,
                              reasons.lumpSum));
    return rows;
}

void coverage(const FrmhokenForm &form, ConsultationReport &report)
{
    report.reference = form.reference == FrmhokenForm::Reference::ChosenAge
                           ? QStringLiteral("妻が%1歳になるまで").arg(form.num4[HokenNum4::ReferenceAge])
                           : QStringLiteral("妻の平均余命（%1年）まで").arg(Horizon(form));
    // The figure the agent sells on: the coverage still needed in the year of
    // death against the insurance in force that year.
    const double needed = form.sheet.value(Row::ShortfallToReference, 1);
    const double held = form.sheet.value(Row::InsuranceTotal, 1);
    report.coverageNeeded = yen(needed);
    report.insuranceHeld = yen(held);
    report.coverageDifference = yen(std::abs(held - needed));
    report.shortfall = held < needed;
    if (held == needed)
        report.coverageWording = QStringLiteral("%1の必要保障額%2に対し、ご加入中の保険は%3で、過不足はありません。")
                                     .arg(report.reference, report.coverageNeeded, report.insuranceHeld);
    else
        report.coverageWording =
            QStringLiteral("%1の必要保障額%2に対し、ご加入中の保険は%3で、%4%5。")
                .arg(report.reference, report.coverageNeeded, report.insuranceHeld, report.coverageDifference,
                     report.shortfall ? QStringLiteral("不足しています") : QStringLiteral("上回っています"));
}

template <typename Opening> bool take(Opening &&opening, Messages &messages)
{
    messages.insert(messages.end(), opening.messages.begin(), opening.messages.end());
    return opening.chart.has_value();
}

} // namespace

ReportOpening OpenConsultationReport(const FrmhokenForm &screen, const BaseData &baseData, const QDate &today)
{
    ReportOpening opening;
    if (!screen.sheet.exists()) {
        opening.messages.push_back(NoBaseCalculationMessage());
        return opening;
    }
    FrmhokenForm form = screen;
    ChartOpening compared = CompareInsuranceWithCoverage(form, baseData, today);
    if (!take(compared, opening.messages))
        return opening;
    ChartOpening pension = ShowPensionChart(form);
    IncomeExpenseOpening income = ShowIncomeExpenseChart(form);
    if (!take(pension, opening.messages) || !take(income, opening.messages))
        return opening;

    ConsultationReport report;
    report.customer = CustomerName(form);
    report.date = QStringLiteral("%1（%2）").arg(JapaneseDate(today), WesternDate(today));
    report.household = householdRows(form);
    report.pensionRecord = pensionRecord(form);
    const PensionLaw law = PensionLawOf(baseData);
    const SurvivorsCase household = NeedsSurvivorsCase(form, law, today);
    // The base calculation has just decided the same case, so a decision exists.
    const SurvivorsDecision decided = DecideSurvivorsBenefits(law, household);
    report.benefits =
        benefitRows(form, ExplainSurvivorsBenefits(law, household, decided.benefits.value_or(SurvivorsBenefits{})));
    report.pensionChart = std::move(*pension.chart);
    report.incomeChart = std::move(*income.chart);
    report.incomeTable = std::move(income.table);
    report.coverageChart = std::move(*compared.chart);
    coverage(form, report);
    report.deathYearChart = DeathYearChart(NeedByYearOfDeath(form, baseData, today), report.customer, baseData);
    const QString lawCaption = LawCaption(law);
    report.basis = QStringLiteral("%1で計算（物価スライド率%2）").arg(lawCaption, form.num1(HokenNum1::SlideRate));
    report.note =
        QStringLiteral("本書の金額は%1に基づく概算であり、将来の給付額を保証するものではありません。").arg(lawCaption);
    opening.report = std::move(report);
    return opening;
}

} // namespace izoku::engine
