#include "customerrecord.h"

#include "engine/needs/frmhokenbuttons.h"
#include "engine/needs/frmhokenform.h"
#include "engine/text/numbertext.h"

#include <utility>

namespace izoku::engine {

namespace {

// Num1 slots 7 to 11, the husband's pension record.
const std::pair<QString SavedPensionRecord::*, int> kPensionRecordSlots[] = {
    {&SavedPensionRecord::nationalMonths, HokenNum1::NationalMonths},
    {&SavedPensionRecord::employeeMonthsTo2003, HokenNum1::EmployeeMonthsTo2003},
    {&SavedPensionRecord::averageMonthlyRemuneration, HokenNum1::AverageMonthlyRemuneration},
    {&SavedPensionRecord::employeeMonthsFrom2003, HokenNum1::EmployeeMonthsFrom2003},
    {&SavedPensionRecord::averageRemuneration, HokenNum1::AverageRemuneration},
};

// The fields of one policy on the screen, from its first slot in Num4.
constexpr int kTermPolicySlots = 3;
constexpr int kWholeLifePolicySlots = 2;

// Every field saved as the screen shows it, paired with its place in the
// record: `visit(screen text, record text)`, both ways.
template <typename Form, typename Record, typename Visit> void pairTexts(Form &form, Record &record, Visit visit)
{
    for (const auto &[member, slot] : kPensionRecordSlots)
        visit(form.num1(slot), record.pensionRecord.*member);
    visit(form.fmt3[HokenFmt3::Company], record.company);
    for (int p = 0; p < HokenNum4::kTermPolicies; ++p) {
        auto &policy = record.termPolicies[static_cast<size_t>(p)];
        const auto from = static_cast<size_t>(HokenNum4::Term1From + kTermPolicySlots * p);
        visit(form.num4[from], policy.fromAge);
        visit(form.num4[from + 1], policy.toAge);
        visit(form.num4[from + 2], policy.amount);
    }
    for (int q = 0; q < HokenNum4::kWholeLifePolicies; ++q) {
        auto &policy = record.wholeLifePolicies[static_cast<size_t>(q)];
        const auto from = static_cast<size_t>(HokenNum4::WholeLife1From + kWholeLifePolicySlots * q);
        visit(form.num4[from], policy.fromAge);
        visit(form.num4[from + 1], policy.amount);
    }
}

const QString kRecordDateFormat = QStringLiteral("yyyy/MM/dd");

QDate StoredDate(const QString &text)
{
    return QDate::fromString(text.trimmed(), kRecordDateFormat);
}

const QString kDisabledMark = QStringLiteral("1");
const QString kNotDisabledMark = QStringLiteral("0");

// The membership and the choice are stored by name, so the customer list
// reads them as the agent would.
const std::pair<Membership, QString> kMemberships[] = {
    {Membership::Employee, QStringLiteral("厚生年金")},
    {Membership::National, QStringLiteral("国民年金")},
};
const std::pair<SurvivorChoice, QString> kSurvivorChoices[] = {
    {SurvivorChoice::EmployeesPension, QStringLiteral("遺族厚生年金")},
    {SurvivorChoice::WidowsPension, QStringLiteral("寡婦年金")},
};

template <typename Value, size_t N> QString nameOf(const std::pair<Value, QString> (&names)[N], Value value)
{
    for (const auto &[known, name] : names) {
        if (known == value)
            return name;
    }
    return {};
}

// The value named `stored`; `value` stays as it is for a name not known.
template <typename Value, size_t N>
void takeNamed(const std::pair<Value, QString> (&names)[N], const QString &stored, Value &value)
{
    for (const auto &[known, name] : names) {
        if (name == stored.trimmed())
            value = known;
    }
}

} // namespace

QString RecordDate(const QDate &date)
{
    return date.toString(kRecordDateFormat);
}

CustomerRecord CustomerRecordOf(const FrmhokenForm &form, const QDate &today)
{
    CustomerRecord record;
    record.savedOn = RecordDate(today);
    for (int index = 0; index < HouseholdIndex::Count; ++index) {
        const HouseholdMember &person = form.household.members[static_cast<size_t>(index)];
        record.persons[static_cast<size_t>(index)] = {person.name, RecordDate(person.birth), person.age};
    }
    // Only the children carry a disability mark.
    for (int child = 0; child < HokenNum1::kChildren; ++child) {
        const HouseholdMember &person = form.household.members[static_cast<size_t>(HouseholdIndex::Child1 + child)];
        record.childMarks[static_cast<size_t>(child)] = person.disabled ? kDisabledMark : kNotDisabledMark;
    }
    pairTexts(form, record, [](const QString &shown, QString &saved) { saved = shown; });
    record.membership = nameOf(kMemberships, form.option1);
    record.survivorChoice = nameOf(kSurvivorChoices, form.choice);
    return record;
}

CalculationOutcome ReopenCustomer(FrmhokenForm &form, const CustomerRecord &record, const QDate &today)
{
    // The sheet of the household on screen before is not this one's.
    form.sheet.clear();
    const QDate saved = StoredDate(record.savedOn);
    for (int index = 0; index < HouseholdIndex::Count; ++index) {
        const SavedPerson &stored = record.persons[static_cast<size_t>(index)];
        HouseholdMember &person = form.household.members[static_cast<size_t>(index)];
        person.name = stored.name;
        person.age = stored.age;
        // A date that does not read (a hand-edited file) leaves the picker
        // on the saving date, as if the agent had not set it.
        const QDate birth = StoredDate(stored.birth);
        person.birth = birth.isValid() ? birth : (saved.isValid() ? saved : today);
        person.present = false;
        person.disabled = false;
    }
    for (int child = 0; child < HokenNum1::kChildren; ++child) {
        const auto index = static_cast<size_t>(HouseholdIndex::Child1 + child);
        HouseholdMember &person = form.household.members[index];
        person.disabled = record.childMarks[static_cast<size_t>(child)].trimmed() == kDisabledMark;
        person.present = SavedChildCounts(record.persons[index], record.savedOn);
    }
    pairTexts(form, record, [](QString &shown, const QString &stored) { shown = stored; });
    takeNamed(kMemberships, record.membership, form.option1);
    takeNamed(kSurvivorChoices, record.survivorChoice, form.choice);
    return SetBaseDateToday(form, today);
}

bool SavedChildCounts(const SavedPerson &child, const QString &savedOn)
{
    const QDate birth = StoredDate(child.birth);
    return !child.name.isEmpty() || LeadingNumber(child.age) > 0 || (birth.isValid() && birth != StoredDate(savedOn));
}

bool HoldsHousehold(const FrmhokenForm &form)
{
    for (int index = 0; index < HouseholdIndex::Count; ++index) {
        const HouseholdMember &person = form.household.members[static_cast<size_t>(index)];
        if (!person.name.isEmpty() || LeadingNumber(person.age) > 0 || person.present)
            return true;
    }
    return false;
}

Message ReplaceHouseholdQuestion()
{
    return Question(QStringLiteral("入力中のデータを置き換えます。よろしいですか？"), QStringLiteral("顧客データ"));
}

Message SaveAgainQuestion()
{
    return Question(QStringLiteral("開いた顧客データに上書きしますか？"), QStringLiteral("登録"));
}

Message DeleteCustomerQuestion()
{
    Message question = Question(QStringLiteral("この顧客データを削除します。よろしいですか？"), QStringLiteral("削除"));
    question.icon = MessageIcon::Warning;
    return question;
}

Message DeleteFailedMessage()
{
    return Warning(QStringLiteral("削除できませんでした。ndata.mdb を確認してください。"), QStringLiteral("エラー"));
}

Message ReadFailedMessage()
{
    return Warning(QStringLiteral("顧客データを読み込めませんでした。ndata.mdb を確認してください。"),
                   QStringLiteral("エラー"));
}

Message SaveFailedMessage()
{
    return Warning(QStringLiteral("保存できませんでした。ndata.mdb を確認してください。"), QStringLiteral("エラー"));
}

} // namespace izoku::engine
