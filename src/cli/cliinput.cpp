#include "cliinput.h"

#include "engine/text/numbertext.h"

#include <QJsonArray>

namespace izoku::cli {

InputError::InputError(const QString &message)
    : std::runtime_error(message.toStdString())
{
}

void CheckKeys(const QJsonObject &object, const QSet<QString> &allowed, const QString &where)
{
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!allowed.contains(it.key()))
            throw InputError(QStringLiteral("unknown key \"%1%2\"").arg(where, it.key()));
    }
}

QString RequireString(const QJsonValue &value, const QString &key)
{
    if (!value.isString())
        throw InputError(QStringLiteral("\"%1\" must be a string").arg(key));
    return value.toString();
}

bool RequireBool(const QJsonValue &value, const QString &key)
{
    if (!value.isBool())
        throw InputError(QStringLiteral("\"%1\" must be true or false").arg(key));
    return value.toBool();
}

double RequireNumber(const QJsonValue &value, const QString &key)
{
    if (!value.isDouble())
        throw InputError(QStringLiteral("\"%1\" must be a number").arg(key));
    return value.toDouble();
}

QJsonObject RequireObject(const QJsonValue &value, const QString &key)
{
    if (!value.isObject())
        throw InputError(QStringLiteral("\"%1\" must be an object").arg(key));
    return value.toObject();
}

QJsonArray RequireArray(const QJsonValue &value, const QString &key)
{
    if (!value.isArray())
        throw InputError(QStringLiteral("\"%1\" must be an array").arg(key));
    return value.toArray();
}

QDate RequireDate(const QJsonValue &value, const QString &key)
{
    const QString text = RequireString(value, key);
    const QDate date = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
    if (text.size() != 10 || !date.isValid())
        throw InputError(QStringLiteral("\"%1\" must be a date \"YYYY-MM-DD\", not \"%2\"").arg(key, text));
    return date;
}

QString RequireChoice(const QJsonValue &value, const QString &key, const QStringList &choices)
{
    const QString text = RequireString(value, key);
    if (!choices.contains(text))
        throw InputError(QStringLiteral("\"%1\" must be one of %2").arg(key, choices.join(QStringLiteral(", "))));
    return text;
}

engine::BaseData ReadBaseData(const QJsonValue &value, engine::BaseData data)
{
    const QJsonObject object = RequireObject(value, QStringLiteral("base_data"));
    CheckKeys(object,
              {QStringLiteral("fiscal_year"), QStringLiteral("slide_rate"), QStringLiteral("basic_pension"),
               QStringLiteral("child_addition_1"), QStringLiteral("child_addition_2")},
              QStringLiteral("base_data."));
    auto whole16 = [&](const QString &key, std::int16_t &field) {
        if (!object.contains(key))
            return;
        const auto v = engine::ToInt16(RequireNumber(object[key], QStringLiteral("base_data.") + key));
        if (!v)
            throw InputError(QStringLiteral("\"base_data.%1\" is out of range").arg(key));
        field = *v;
    };
    auto whole32 = [&](const QString &key, std::int32_t &field) {
        if (!object.contains(key))
            return;
        const auto v = engine::ToInt32(RequireNumber(object[key], QStringLiteral("base_data.") + key));
        if (!v)
            throw InputError(QStringLiteral("\"base_data.%1\" is out of range").arg(key));
        field = *v;
    };
    whole16(QStringLiteral("fiscal_year"), data.FiscalYear);
    if (object.contains(QStringLiteral("slide_rate")))
        data.SlideRate = RequireNumber(object[QStringLiteral("slide_rate")], QStringLiteral("base_data.slide_rate"));
    whole32(QStringLiteral("basic_pension"), data.BasicPensionAmount);
    whole32(QStringLiteral("child_addition_1"), data.ChildAddition1);
    whole32(QStringLiteral("child_addition_2"), data.ChildAddition2);
    return data;
}

} // namespace izoku::cli
