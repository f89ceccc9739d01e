#include "customerrecord.h"

#include "engine/needs/frmhokenbuttons.h"
#include "engine/needs/frmhokenform.h"
#include "engine/text/numbertext.h"

#include <array>

namespace izoku::engine {

namespace {

QString numbered(const char *stem, int k)
{
    return QString::fromUtf8(stem) + QString::number(k);
}

// The husband's pension record: Num1 slots 7 to 11.
const std::array<std::pair<const char *, int>, 5> kPensionRecord = {{
    {"国保期間", HokenNum1::NationalMonths},
    {"厚生期間1", HokenNum1::EmployeeMonthsTo2003},
    {"金額1", HokenNum1::AverageMonthlyRemuneration},
    {"厚生期間2", HokenNum1::EmployeeMonthsFrom2003},
    {"金額2", HokenNum1::AverageRemuneration},
}};

// 生保11 … 生保33: the three term policies (from age, to age, 万円), then
// 生保41 … 生保52: the two whole-life policies (from age, 万円); together
// Num4 slots 0 to 12 in screen order.
const QStringList &insuranceColumns()
{
    static const QStringList columns = [] {
        QStringList list;
        for (int p = 1; p <= HokenNum4::kTermPolicies; ++p)
            for (int v = 1; v <= 3; ++v)
                list << numbered("生保", p * 10 + v);
        for (int q = 4; q < 4 + HokenNum4::kWholeLifePolicies; ++q)
            for (int v = 1; v <= 2; ++v)
                list << numbered("生保", q * 10 + v);
        return list;
    }();
    return columns;
}

} // namespace

const QStringList &CustomerColumns()
{
    static const QStringList columns = [] {
        QStringList list{QStringLiteral("日付")};
        for (const char *stem : {"氏名", "生年月日", "年齢", "印"})
            for (int k = 1; k <= HouseholdIndex::Count; ++k)
                list << numbered(stem, k);
        for (const auto &[name, slot] : kPensionRecord)
            list << QString::fromUtf8(name);
        list << QStringLiteral("保険会社") << insuranceColumns();
        return list;
    }();
    return columns;
}

QString RecordDate(const QDate &date)
{
    return date.toString(QStringLiteral("yyyy/MM/dd"));
}

CustomerRecord CustomerRecordOf(const FrmhokenForm &form, const QDate &today)
{
    CustomerRecord record;
    record.reserve(46);
    auto set = [&record](QString name, QString text) { record.push_back({std::move(name), std::move(text)}); };

    set(QStringLiteral("日付"), RecordDate(today));
    for (int k = 1; k <= HouseholdIndex::Count; ++k) {
        const HouseholdMember &person = form.household.members[static_cast<size_t>(k - 1)];
        set(numbered("氏名", k), person.name);
        set(numbered("生年月日", k), RecordDate(person.birth));
        set(numbered("年齢", k), person.age);
    }
    for (const auto &[name, slot] : kPensionRecord)
        set(QString::fromUtf8(name), form.num1(slot));
    set(QStringLiteral("保険会社"), form.fmt3[HokenFmt3::Company]);
    const QStringList &insurance = insuranceColumns();
    for (int slot = 0; slot < insurance.size(); ++slot)
        set(insurance[slot], form.num4[static_cast<size_t>(slot)]);
    // Only the children carry a disability mark; 印6 and 印7 stay unset.
    for (int child = 1; child <= HokenNum1::kChildren; ++child) {
        const auto index = static_cast<size_t>(HouseholdIndex::Child1 + child - 1);
        set(numbered("印", child), form.household.members[index].disabled ? QStringLiteral("1") : QStringLiteral("0"));
    }
    return record;
}

namespace {

QDate StoredDate(const QString &text)
{
    return QDate::fromString(text.trimmed(), QStringLiteral("yyyy/MM/dd"));
}

} // namespace

CalculationOutcome ReopenCustomer(FrmhokenForm &form, const CustomerRecord &record, const QDate &today)
{
    auto stored = [&record](const QString &name) {
        for (const CustomerField &field : record)
            if (field.name == name)
                return field.text;
        return QString();
    };
    // The sheet of the household on screen before is not this one's.
    form.sheet.clear();
    const QDate saved = StoredDate(stored(QStringLiteral("日付")));
    for (int k = 1; k <= HouseholdIndex::Count; ++k) {
        HouseholdMember &person = form.household.members[static_cast<size_t>(k - 1)];
        person.name = stored(numbered("氏名", k));
        person.age = stored(numbered("年齢", k));
        // A date that does not read (a hand-edited file) leaves the picker
        // on the saving date, as if the agent had not set it.
        const QDate birth = StoredDate(stored(numbered("生年月日", k)));
        person.birth = birth.isValid() ? birth : (saved.isValid() ? saved : today);
        person.present = false;
        person.disabled = false;
    }
    for (int child = 1; child <= HokenNum1::kChildren; ++child) {
        HouseholdMember &person = form.household.members[static_cast<size_t>(HouseholdIndex::Child1 + child - 1)];
        person.disabled = stored(numbered("印", child)).trimmed() == QStringLiteral("1");
        person.present = !person.name.isEmpty() || LeadingNumber(person.age) > 0 || person.birth != saved;
    }
    for (const auto &[name, slot] : kPensionRecord)
        form.num1(slot) = stored(QString::fromUtf8(name));
    form.fmt3[HokenFmt3::Company] = stored(QStringLiteral("保険会社"));
    const QStringList &insurance = insuranceColumns();
    for (int slot = 0; slot < insurance.size(); ++slot)
        form.num4[static_cast<size_t>(slot)] = stored(insurance[slot]);
    return SetBaseDateToday(form, today);
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
