#include "insurance.h"

#include "engine/needs/basecalculation.h"
#include "engine/needs/frmhokenform.h"
#include "engine/needs/projection.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace izoku::engine {

namespace {

using Row = ProjectionSheet::Row;

struct Policy {
    int firstSlot;  // from-age
    int fieldCount; // 3 for term (from, to, amount), 2 for whole life (from, amount)
    int row;
};

constexpr Policy kPolicies[] = {
    {HokenNum4::Term1From, 3, Row::TermPolicy1},
    {HokenNum4::Term1From + 3, 3, Row::TermPolicy1 + 1},
    {HokenNum4::Term1From + 6, 3, Row::TermPolicy1 + 2},
    {HokenNum4::WholeLife1From, 2, Row::WholeLife1},
    {HokenNum4::WholeLife1From + 2, 2, Row::WholeLife1 + 1},
};

bool isTerm(const Policy &policy)
{
    return policy.fieldCount == 3;
}

// A policy is either left out (every field 0) or entered whole.
std::optional<Message> checkComplete(const FrmhokenForm &form)
{
    for (const Policy &policy : kPolicies) {
        int filled = 0;
        for (int i = 0; i < policy.fieldCount; ++i)
            filled += form.num4Value(policy.firstSlot + i) != 0.0 ? 1 : 0;
        if (filled != 0 && filled != policy.fieldCount)
            return Warning(QStringLiteral("該当の項目はすべて入力してください"), QStringLiteral("入力エラー"),
                           QStringLiteral("Num4(%1)").arg(policy.firstSlot), true);
    }
    return std::nullopt;
}

} // namespace

CalculationOutcome RegisterInsurance(FrmhokenForm &form)
{
    if (auto message = checkComplete(form))
        return {{*message}, true};
    ProjectionSheet &sheet = form.sheet;
    if (sheet.isEmpty(Row::HusbandAge, 0))
        return {{NoBaseCalculationMessage()}, true};

    for (int column = 1; column <= sheet.yearColumns(); ++column) {
        for (int row = Row::TermPolicy1; row <= Row::InsuranceTotal; ++row)
            sheet.setNumber(row, column, 0);
    }
    // A policy's from-age, to-age (whole life: none) and amount in yen.
    struct InForce {
        int row;
        double from;
        double to;
        double yen;
    };
    std::vector<InForce> policies;
    for (const Policy &policy : kPolicies) {
        const double from = form.num4Value(policy.firstSlot);
        const double to = isTerm(policy) ? form.num4Value(policy.firstSlot + 1) : HUGE_VAL;
        policies.push_back({policy.row, from, to, form.num4Value(policy.firstSlot + policy.fieldCount - 1) * 10000});
    }
    const int last = std::min(Horizon(form) + 1, sheet.yearColumns());
    for (int column = 1; column <= last; ++column) {
        const double husbandAge = sheet.value(Row::HusbandAge, column);
        double total = 0.0;
        for (const InForce &policy : policies) {
            if (policy.yen != 0.0 && policy.from <= husbandAge && husbandAge <= policy.to)
                sheet.setNumber(policy.row, column, policy.yen);
            total += sheet.value(policy.row, column);
        }
        sheet.setNumber(Row::InsuranceTotal, column, total);
    }
    return {};
}

} // namespace izoku::engine
