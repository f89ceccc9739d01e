#include "formdataform.h"

#include <algorithm>

namespace izoku::engine {

CalculationOutcome ShowCustomer(FormDataForm &form, const std::optional<CustomerRecord> &record)
{
    form = FormDataForm();
    if (!record)
        return {};
    form.text2 = record->savedOn;
    for (int person = 0; person < HouseholdIndex::Count; ++person) {
        const SavedPerson &saved = record->persons[static_cast<size_t>(person)];
        form.text1[static_cast<size_t>(FormDataText1::Name1 + person)] = saved.name;
        // A child's line shows a birth date only for a child who counts: an
        // empty line holds the day of saving, which no child was born on.
        if (!Household::IsChild(person) || SavedChildCounts(saved, record->savedOn))
            form.text1[static_cast<size_t>(FormDataText1::Birth1 + person)] = saved.birth;
        form.text1[static_cast<size_t>(FormDataText1::Age1 + person)] = saved.age;
    }
    // Each child's mark stands on the child's own line.
    const auto firstChildMark = static_cast<size_t>(FormDataText1::Mark1) + HouseholdIndex::Child1;
    for (size_t child = 0; child < record->childMarks.size(); ++child)
        form.text1[firstChildMark + child] = record->childMarks[child];
    const SavedPensionRecord &pension = record->pensionRecord;
    form.text1[FormDataText1::NationalMonths] = pension.nationalMonths;
    form.text1[FormDataText1::EmployeeMonthsTo2003] = pension.employeeMonthsTo2003;
    form.text1[FormDataText1::AverageMonthlyRemuneration] = pension.averageMonthlyRemuneration;
    form.text1[FormDataText1::EmployeeMonthsFrom2003] = pension.employeeMonthsFrom2003;
    form.text1[FormDataText1::AverageRemuneration] = pension.averageRemuneration;
    form.text1[FormDataText1::Company] = record->company;
    size_t box = FormDataText1::Term1From;
    for (const SavedTermPolicy &policy : record->termPolicies) {
        form.text1[box++] = policy.fromAge;
        form.text1[box++] = policy.toAge;
        form.text1[box++] = policy.amount;
    }
    for (const SavedWholeLifePolicy &policy : record->wholeLifePolicies) {
        form.text1[box++] = policy.fromAge;
        form.text1[box++] = policy.amount;
    }
    return {};
}

namespace {

int rowWithin(int row, int rows)
{
    return rows > 0 ? std::clamp(row, 0, rows - 1) : -1;
}

} // namespace

int RowAfterMove(RowMove move, int current, int rows)
{
    int row = 0;
    switch (move) {
    case RowMove::First:
        row = 0;
        break;
    case RowMove::Previous:
        row = current - 1;
        break;
    case RowMove::Next:
        row = current + 1;
        break;
    case RowMove::Last:
        row = rows - 1;
        break;
    }
    return rowWithin(row, rows);
}

int RowAfterRemoval(int removed, int rows)
{
    return rowWithin(removed, rows);
}

} // namespace izoku::engine
