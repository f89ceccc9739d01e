#pragma once

// The largest household the needs-analysis screen takes, with every policy
// entered: the one the needs benchmarks time.
#include "engine/needs/frmhokenbuttons.h"
#include "engine/needs/frmhokenform.h"

namespace izoku::bench {

inline engine::FrmhokenForm fiveChildHousehold(const QDate &today)
{
    using namespace izoku::engine;
    FrmhokenForm form;
    OpenFrmhoken(form, kBaseData2009, today);
    auto &members = form.household.members;
    members[HouseholdIndex::Husband].birth = QDate(1992, 5, 1);
    members[HouseholdIndex::Husband].age = QStringLiteral("34");
    members[HouseholdIndex::Wife].birth = QDate(1995, 9, 1);
    members[HouseholdIndex::Wife].age = QStringLiteral("31");
    const int ages[] = {0, 2, 4, 7, 9};
    for (int k = 0; k < 5; ++k) {
        HouseholdMember &child = members[HouseholdIndex::Child1 + k];
        child.birth = QDate(2026 - ages[k], k % 2 ? 2 : 6, 1);
        child.age = QString::number(ages[k]);
        child.present = true;
    }
    const std::pair<int, const char *> num1[] = {
        {HokenNum1::EmployeeMonthsTo2003, "0"},
        {HokenNum1::EmployeeMonthsFrom2003, "150"},
        {HokenNum1::AverageRemuneration, "420000"},
        {HokenNum1::LivingCost, "35"},
        {HokenNum1::WifeWorkFrom, "40"},
        {HokenNum1::WifeWorkIncome, "1200000"},
        {HokenNum1::Support1Age, "22"},
        {HokenNum1::Support1Amount, "100"},
        {HokenNum1::Support2Age, "25"},
        {HokenNum1::Support2Amount, "200"},
        {HokenNum1::Housing, "20"},
        {HokenNum1::Funeral, "200"},
        {HokenNum1::RetirementAllowance, "5000000"},
        {HokenNum1::Savings, "3000000"},
    };
    for (const auto &[slot, text] : num1)
        form.num1(slot) = QString::fromUtf8(text);
    const char *policies[] = {"30", "60", "3000", "35", "65", "2000", "40", "55", "1000", "30", "500", "45", "300"};
    for (int slot = 0; slot < 13; ++slot)
        form.num4[static_cast<size_t>(slot)] = QString::fromUtf8(policies[slot]);
    return form;
}

} // namespace izoku::bench
