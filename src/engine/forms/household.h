#pragma once

#include <QDate>
#include <QString>

#include <array>
#include <optional>
#include <vector>

// The household block that both calculation screens open with: one line per
// person, the husband whose death is assumed, the wife who survives him and
// up to five children.
namespace izoku::engine {

// The index of a person on the household lines.
struct HouseholdIndex {
    enum : int {
        Husband = 0, // 夫
        Wife = 1,    // 妻
        Child1 = 2,  // 子1
        Child2,
        Child3,
        Child4,
        Child5, // 子5
        Count = 7,
    };
};

// One line of the block.  A date picker always holds a date; the age is the
// text of its field, which the agent may overtype.
struct HouseholdMember {
    QString role; // role label, editable ("夫", "妻", "子1" …)
    QString name;
    QDate birth;
    QString age;
    bool present = false;  // 対象: the child counts in the household
    bool disabled = false; // 障害: grade 1 or 2 disability

    bool operator==(const HouseholdMember &) const = default;
};

// A present child as the pension rules see it.
struct HouseholdChild {
    int index = 0;
    QDate birth;
    double age = 0.0; // the age field, read as a number
    bool disabled = false;
};

// The columns of the block that have their own clear button, in the order
// the buttons stand under them.
enum class HouseholdColumn { Names, BirthDates, Ages, Disabled, Present };
inline constexpr std::array<HouseholdColumn, 5> kClearedHouseholdColumns = {
    HouseholdColumn::Names, HouseholdColumn::BirthDates, HouseholdColumn::Ages, HouseholdColumn::Disabled,
    HouseholdColumn::Present};

struct Household {
    std::array<HouseholdMember, HouseholdIndex::Count> members;

    // "夫", "妻", "子1" … "子5".
    static QString DefaultRole(int index);
    static bool IsChild(int index) { return index >= HouseholdIndex::Child1 && index < HouseholdIndex::Count; }

    // The block as a screen opens: default role labels, empty names and
    // ages, every birth date today, every box off.
    static Household Opening(const QDate &today);

    // "年齢計算": the husband's and the wife's ages and those of the present
    // children from their birth dates; absent children keep their text.
    void ComputeAges(const QDate &today);

    // The focus leaves birth date `index`: a date before the reference date
    // fills the age (and, for a child, ticks 対象); a later one changes
    // nothing.  Returns whether anything changed.
    bool EnterAgeFromBirthDate(int index, const QDate &reference, const QDate &today);

    // Every person back to a fresh line: names empty, role labels back to
    // their defaults, ages "0", birth dates today, boxes off.
    void Clear(const QDate &today);

    // One column of the block: names empty, birth dates today, ages "0", or
    // the children's boxes off.
    void ClearColumn(HouseholdColumn column, const QDate &today);

    // The wife's age field read as a number (empty reads 0).
    double WifeAge() const;
    bool AnyChildPresent() const;
    std::vector<HouseholdChild> PresentChildren() const;

    bool operator==(const Household &) const = default;
};

// The text an age field shows for an age that may be missing.
QString AgeText(std::optional<int> age);

} // namespace izoku::engine
