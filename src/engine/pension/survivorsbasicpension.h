#pragma once

#include <cstdint>
#include <span>
#include <vector>

// The survivors' basic pension (遺族基礎年金): paid to the wife while she has
// a child that counts, one base amount plus an addition per child.
namespace izoku::engine {

// A present child with its age this year.
struct CountedChild {
    double age = 0.0;
    bool disabled = false;
};

// A child counts up to the year it is 18, or 20 with a grade 1 or 2
// disability.
bool ChildCountsAtAge(double age, bool disabled);

// The children that count `yearOffset` years from now (0 = this year).
int EntitledChildCount(std::span<const CountedChild> children, int yearOffset);

// The yearly amount for n children that count: the base amount B, A1 for
// each of the first two children and A2 for each further one.  No child, no
// pension.
std::int64_t SurvivorsBasicPensionAmount(int children, std::int64_t basicAmount, std::int64_t childAddition1,
                                         std::int64_t childAddition2);

// One year of a schedule as the phases see it.
struct BasicPensionYear {
    double wifeAge = 0.0;
    int children = 0;
    double amount = 0.0;
};

// A stretch of years with the same number of children: the wife's first and
// last age and the yearly amount.
struct BasicPensionPhase {
    double firstAge = 0.0;
    double lastAge = 0.0;
    double amount = 0.0;
};

inline constexpr int kMaxBasicPensionPhases = 5;

// The phases of the survivors' basic pension over the schedule's years, in
// order, at most five (five children can only fall to none in five steps).
// A phase still running in the last year ends at the wife's age of that
// year.  No pension in the first year, no phases.
std::vector<BasicPensionPhase> BasicPensionPhases(std::span<const BasicPensionYear> years);

} // namespace izoku::engine
