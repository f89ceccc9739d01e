#include "household.h"

#include "engine/dates/ages.h"
#include "engine/text/numbertext.h"

namespace izoku::engine {

QString Household::DefaultRole(int index)
{
    switch (index) {
    case HouseholdIndex::Husband:
        return QStringLiteral("夫");
    case HouseholdIndex::Wife:
        return QStringLiteral("妻");
    default:
        return QStringLiteral("子%1").arg(index - 1);
    }
}

Household Household::Opening(const QDate &today)
{
    Household household;
    for (int i = 0; i < HouseholdIndex::Count; ++i) {
        household.members[i].role = DefaultRole(i);
        household.members[i].birth = today;
    }
    return household;
}

void Household::ComputeAges(const QDate &today)
{
    for (int i = 0; i < HouseholdIndex::Count; ++i) {
        HouseholdMember &member = members[i];
        if (IsChild(i) && !member.present)
            continue;
        member.age = AgeText(AgeToday(member.birth, today));
    }
}

bool Household::EnterAgeFromBirthDate(int index, const QDate &reference, const QDate &today)
{
    if (index < 0 || index >= HouseholdIndex::Count)
        return false;
    HouseholdMember &member = members[index];
    // A picker left at the reference date (or later) has not been filled in
    // yet: the agent is only passing through it.
    if (!member.birth.isValid() || !reference.isValid() || member.birth >= reference)
        return false;
    member.age = AgeText(AgeToday(member.birth, today));
    if (IsChild(index))
        member.present = true;
    return true;
}

void Household::Clear(const QDate &today)
{
    for (int i = 0; i < HouseholdIndex::Count; ++i) {
        HouseholdMember &member = members[i];
        member.name.clear();
        member.role = DefaultRole(i);
        member.age = QStringLiteral("0");
        member.birth = today;
        member.present = false;
        member.disabled = false;
    }
}

void Household::ClearColumn(HouseholdColumn column, const QDate &today)
{
    for (int i = 0; i < HouseholdIndex::Count; ++i) {
        HouseholdMember &member = members[i];
        switch (column) {
        case HouseholdColumn::Names:
            member.name.clear();
            break;
        case HouseholdColumn::BirthDates:
            member.birth = today;
            break;
        case HouseholdColumn::Ages:
            member.age = QStringLiteral("0");
            break;
        case HouseholdColumn::Disabled:
            if (IsChild(i))
                member.disabled = false;
            break;
        case HouseholdColumn::Present:
            if (IsChild(i))
                member.present = false;
            break;
        }
    }
}

double Household::WifeAge() const
{
    return LeadingNumber(members[HouseholdIndex::Wife].age);
}

bool Household::AnyChildPresent() const
{
    for (int i = HouseholdIndex::Child1; i < HouseholdIndex::Count; ++i) {
        if (members[i].present)
            return true;
    }
    return false;
}

std::vector<HouseholdChild> Household::PresentChildren() const
{
    std::vector<HouseholdChild> children;
    for (int i = HouseholdIndex::Child1; i < HouseholdIndex::Count; ++i) {
        const HouseholdMember &member = members[i];
        if (member.present)
            children.push_back({i, member.birth, LeadingNumber(member.age), member.disabled});
    }
    return children;
}

QString AgeText(std::optional<int> age)
{
    return age ? QString::number(*age) : QString();
}

} // namespace izoku::engine
