#include "cliinput.h"

#include "calc.h"

#include "engine/text/numbertext.h"

#include <QJsonArray>

#include <algorithm>

namespace izoku::cli {

InputError::InputError(const QString &message)
    : std::runtime_error(message.toStdString())
{
}

void CheckKeys(const QJsonObject &object, const QSet<QString> &allowed, const QString &where)
{
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!allowed.contains(it.key()))
            throw InputError(QStringLiteral("unknown key \"%1%2\"").arg(where, Echo(it.key())));
    }
}

QString RequireString(const QJsonValue &value, const QString &key)
{
    if (!value.isString())
        throw InputError(QStringLiteral("\"%1\" must be a string").arg(key));
    QString text = value.toString();
    if (text.size() > kMaxTextLength)
        throw InputError(QStringLiteral("\"%1\" is longer than %2 characters").arg(key).arg(kMaxTextLength));
    return text;
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

QJsonArray RequireArray(const QJsonValue &value, const QString &key, qsizetype most)
{
    QJsonArray array = RequireArray(value, key);
    if (array.size() > most)
        throw InputError(
            QStringLiteral("\"%1\" has %2 entries, at most %3 are allowed").arg(key).arg(array.size()).arg(most));
    return array;
}

QDate RequireDate(const QJsonValue &value, const QString &key)
{
    // Only a date written out in full, whatever else the parser would take.
    const QString format = QStringLiteral("yyyy-MM-dd");
    const QString text = RequireString(value, key);
    const QDate date = QDate::fromString(text, format);
    if (text.size() != format.size() || !date.isValid())
        throw InputError(QStringLiteral("\"%1\" must be a date \"YYYY-MM-DD\", not \"%2\"").arg(key, Echo(text)));
    return date;
}

QString RequireChoice(const QJsonValue &value, const QString &key, const QStringList &choices)
{
    const QString text = RequireString(value, key);
    if (!choices.contains(text))
        throw InputError(QStringLiteral("\"%1\" must be one of %2").arg(key, choices.join(QStringLiteral(", "))));
    return text;
}

namespace {

struct Figure {
    QString key;
    const char *range;
};

// In the order of engine::kBaseFigures.
const Figure kFigures[] = {{QStringLiteral("fiscal_year"), "a year from 1900 to 2100"},
                           {QStringLiteral("slide_rate"), "above 0 and at most 2"},
                           {QStringLiteral("basic_pension"), "0 to 10000000 yen"},
                           {QStringLiteral("child_addition_1"), "0 to 10000000 yen"},
                           {QStringLiteral("child_addition_2"), "0 to 10000000 yen"},
                           {QStringLiteral("old_cohort_basic_pension"), "1 to 10000000 yen, or null"},
                           {QStringLiteral("previous_amount_revision_rate"), "above 0 and at most 2, or null"}};

} // namespace

bool GivesEveryBaseFigure(const QJsonValue &value)
{
    const QJsonObject object = RequireObject(value, QStringLiteral("base_data"));
    for (std::size_t i = 0; i < std::size(kFigures); ++i) {
        if (engine::EveryYearHas(engine::kBaseFigures[i]) && !object.contains(kFigures[i].key))
            return false;
    }
    return true;
}

engine::BaseData ReadBaseData(const QJsonValue &value, engine::BaseData data)
{
    const auto &figures = kFigures;
    const QJsonObject object = RequireObject(value, QStringLiteral("base_data"));
    QSet<QString> keys;
    for (const Figure &figure : figures)
        keys << figure.key;
    CheckKeys(object, keys, QStringLiteral("base_data."));
    for (std::size_t i = 0; i < std::size(figures); ++i) {
        const QString &key = figures[i].key;
        if (!object.contains(key))
            continue;
        const QString where = QStringLiteral("base_data.") + key;
        const engine::BaseFigure figure = engine::kBaseFigures[i];
        std::optional<double> given;
        if (engine::EveryYearHas(figure) || !object[key].isNull())
            given = RequireNumber(object[key], where);
        if (!engine::SetBaseFigure(data, figure, given))
            throw InputError(QStringLiteral("\"%1\" is out of range: %2").arg(where, QLatin1String(figures[i].range)));
    }
    return data;
}

} // namespace izoku::cli
