#include "screeninput.h"

#include "cliinput.h"
#include "store/database.h"
#include "store/location.h"

#include <QJsonArray>

namespace izoku::cli {

namespace {

const QString kToday = QStringLiteral("today");
const QString kBaseData = QStringLiteral("base_data");
const QString kMembers = QStringLiteral("members");
const QString kMembership = QStringLiteral("membership");
const QString kChoice = QStringLiteral("choice");

} // namespace

QDate ReadToday(const QJsonObject &input)
{
    if (!input.contains(kToday))
        return QDate::currentDate();
    return RequireDate(input[kToday], kToday);
}

BaseFigures ReadBaseDataOrStore(const QJsonObject &input, std::optional<int> fiscalYear)
{
    BaseFigures base;
    if (!input.contains(kBaseData) || !GivesEveryBaseFigure(input[kBaseData])) {
        const store::BaseDataLoad load = store::OpenAndLoadBaseData(store::DatabaseInUse(), base.data, fiscalYear);
        if (load.result == store::LoadResult::NoSuchYear)
            throw InputError(
                QStringLiteral("--fiscal-year %1: ndata.mdb has no row of that fiscal year").arg(*fiscalYear));
        base.warning = store::BaseDataWarning(load);
    }
    if (input.contains(kBaseData))
        base.data = ReadBaseData(input[kBaseData], base.data);
    return base;
}

void ReadMembers(const QJsonObject &input, engine::Household &household)
{
    if (!input.contains(kMembers))
        return;
    const QJsonArray members = RequireArray(input[kMembers], kMembers, engine::HouseholdIndex::Count);
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
    const QJsonArray array = RequireArray(input[key], key, static_cast<qsizetype>(texts.size()));
    for (qsizetype i = 0; i < array.size(); ++i)
        texts[i] = RequireString(array[i], QStringLiteral("%1[%2]").arg(key).arg(i));
}

} // namespace izoku::cli
