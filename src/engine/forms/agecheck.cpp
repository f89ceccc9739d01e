#include "agecheck.h"

#include "engine/text/numbertext.h"

namespace izoku::engine {

std::optional<int> FirstUncomputableAge(const Household &household, AgesChecked checked)
{
    const int first = checked == AgesChecked::HusbandAndSurvivors ? HouseholdIndex::Husband : HouseholdIndex::Wife;
    for (int i = first; i < HouseholdIndex::Count; ++i) {
        const HouseholdMember &member = household.members[i];
        if (Household::IsChild(i) && !member.present)
            continue;
        if (!IsNumeric(member.age) || LeadingNumber(member.age) < 0)
            return i;
    }
    return std::nullopt;
}

std::optional<Message> CheckWifeAgeLimit(double wifeAge)
{
    if (wifeAge <= kOldestWifeAge)
        return std::nullopt;
    return Warning(QStringLiteral("妻の年齢が60歳未満の場合のみ対応しています。"), QStringLiteral("年齢制限"));
}

Message AgeMissingMessage(int index, const QString &field)
{
    return Warning(QStringLiteral("%1の年齢を入力して下さい").arg(Household::DefaultRole(index)),
                   QStringLiteral("入力エラー"), field, true);
}

} // namespace izoku::engine
