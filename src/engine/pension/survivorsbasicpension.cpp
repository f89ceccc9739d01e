#include "survivorsbasicpension.h"

namespace izoku::engine {

namespace {

// The law's age limits: the end of the fiscal year of the 18th birthday,
// counted here in whole years of age.
constexpr double kChildAgeLimit = 18;
constexpr double kDisabledChildAgeLimit = 20;

} // namespace

bool ChildCountsAtAge(double age, bool disabled)
{
    return age <= (disabled ? kDisabledChildAgeLimit : kChildAgeLimit);
}

int EntitledChildCount(std::span<const CountedChild> children, int yearOffset)
{
    int count = 0;
    for (const CountedChild &child : children) {
        if (ChildCountsAtAge(child.age + yearOffset, child.disabled))
            ++count;
    }
    return count;
}

std::int64_t SurvivorsBasicPensionAmount(int children, std::int64_t basicAmount, std::int64_t childAddition1,
                                         std::int64_t childAddition2)
{
    if (children <= 0)
        return 0;
    const std::int64_t firstTwo = children < 2 ? children : 2;
    const std::int64_t further = children - firstTwo;
    return basicAmount + firstTwo * childAddition1 + further * childAddition2;
}

std::vector<BasicPensionPhase> BasicPensionPhases(std::span<const BasicPensionYear> years)
{
    std::vector<BasicPensionPhase> phases;
    if (years.empty() || years.front().amount == 0)
        return phases;
    // The points where the number of children changes.
    std::vector<BasicPensionYear> changes{years.front()};
    for (const BasicPensionYear &year : years.subspan(1)) {
        if (year.children != changes.back().children)
            changes.push_back(year);
    }
    for (std::size_t p = 0; p < changes.size() && changes[p].children != 0; ++p) {
        if (phases.size() == kMaxBasicPensionPhases)
            break;
        const double lastAge = p + 1 < changes.size() ? changes[p + 1].wifeAge - 1 : years.back().wifeAge;
        phases.push_back({changes[p].wifeAge, lastAge, changes[p].amount});
    }
    return phases;
}

} // namespace izoku::engine
