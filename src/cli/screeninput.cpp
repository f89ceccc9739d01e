#include "screeninput.h"

#include "cliinput.h"
#include "store/database.h"
#include "store/location.h"

#include <QJsonArray>

#include <algorithm>

namespace izoku::cli {

namespace {

const QString kToday = QStringLiteral("today");
const QString kBaseData = QStringLiteral("base_data");
const QString kMembers = QStringLiteral("members");
const QString kMembership = QStringLiteral("membership");
const QString kChoice = QStringLiteral("choice");

QJsonArray boundedArray(const QJsonObject &input, const QString &key, qsizetype most)
{
    const QJsonArray array = RequireArray(input[key], key);
    if (array.size() > most)
        throw InputError(
            QStringLiteral("\"%1\" has %2 entries, at most %3 are allowed").arg(key).arg(array.size()).arg(most));
    return array;
}

} // namespace

QDate ReadToday(const QJsonObject &input)
{
    if (!input.contains(kToday))
        return QDate::currentDate();
    return RequireDate(input[kToday], kToday);
}

engine::BaseData ReadBaseDataOrStore(const QJsonObject &input)
{
    static const QStringList figures{QStringLiteral("fiscal_year"), QStringLiteral("slide_rate"),
                                     QStringLiteral("basic_pension"), QStringLiteral("child_addition_1"),
                                     QStringLiteral("child_addition_2")};
    engine::BaseData data;
    bool complete = false;
    if (input.contains(kBaseData)) {
        const QJsonObject given = RequireObject(input[kBaseData], kBaseData);
        complete = std::all_of(figures.begin(), figures.end(), [&](const QString &k) { return given.contains(k); });
    }
    if (!complete)
        store::OpenAndLoadBaseData(store::DatabaseInUse(), data);
    if (input.contains(kBaseData))
        data = ReadBaseData(input[kBaseData], data);
    return data;
}

void ReadMembers(const QJsonObject &input, engine::Household &household)
{
    if (!input.contains(kMembers))
        return;
    const QJsonArray members = boundedArray(input, kMembers, engine::HouseholdIndex::Count);
    for (qsizetype i = 0; i < members.size(); ++i) {
        const QString where = QStringLiteral("members[%1]").arg(i);
        const QJsonObject object = RequireObject(members[i], where);
        CheckKeys(object,
                  {QStringLiteral("role"), QStringLiteral("name"), QStringLiteral("birth"), QStringLiteral("age"),
                   QStringLiteral("present"), QStringLiteral("disabled")},
                  where + u'.');
        engine::HouseholdMember &member = household.members[i];
        auto text = [&](const char *key, QString &field) {
            const QString k = QString::fromLatin1(key);
            if (object.contains(k))
                field = RequireString(object[k], where + u'.' + k);
        };
        auto flag = [&](const char *key, bool &field) {
            const QString k = QString::fromLatin1(key);
            if (object.contains(k))
                field = RequireBool(object[k], where + u'.' + k);
        };
        text("role", member.role);
        text("name", member.name);
        text("age", member.age);
        if (object.contains(QStringLiteral("birth")))
            member.birth = RequireDate(object[QStringLiteral("birth")], where + QStringLiteral(".birth"));
        flag("present", member.present);
        flag("disabled", member.disabled);
    }
}

void ReadMembership(const QJsonObject &input, engine::Membership &membership)
{
    if (!input.contains(kMembership))
        return;
    const QString word =
        RequireChoice(input[kMembership], kMembership, {QStringLiteral("national"), QStringLiteral("employee")});
    membership = word == QStringLiteral("national") ? engine::Membership::National : engine::Membership::Employee;
}

void ReadChoice(const QJsonObject &input, engine::SurvivorChoice &choice)
{
    if (!input.contains(kChoice))
        return;
    const QString word =
        RequireChoice(input[kChoice], kChoice, {QStringLiteral("employees_pension"), QStringLiteral("widows_pension")});
    choice = word == QStringLiteral("widows_pension") ? engine::SurvivorChoice::WidowsPension
                                                      : engine::SurvivorChoice::EmployeesPension;
}

void ReadFieldTexts(const QJsonObject &input, const QString &key, std::span<QString> texts)
{
    if (!input.contains(key))
        return;
    const QJsonArray array = boundedArray(input, key, static_cast<qsizetype>(texts.size()));
    for (qsizetype i = 0; i < array.size(); ++i)
        texts[i] = RequireString(array[i], QStringLiteral("%1[%2]").arg(key).arg(i));
}

} // namespace izoku::cli
