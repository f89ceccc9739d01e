#pragma once

#include "engine/basedata/basedata.h"

#include <QDate>
#include <QJsonObject>
#include <QJsonValue>
#include <QSet>
#include <QString>

#include <stdexcept>

// Reading the JSON a subcommand is given: every problem is an InputError
// naming the key, which the tool prints on one line before it exits with 2.
namespace izoku::cli {

class InputError : public std::runtime_error {
  public:
    explicit InputError(const QString &message);
};

// Refuses any key of `object` not in `allowed`; `where` names the object in
// the message ("" for the top level).
void CheckKeys(const QJsonObject &object, const QSet<QString> &allowed, const QString &where);

QString RequireString(const QJsonValue &value, const QString &key);
bool RequireBool(const QJsonValue &value, const QString &key);
double RequireNumber(const QJsonValue &value, const QString &key);
QJsonObject RequireObject(const QJsonValue &value, const QString &key);
QJsonArray RequireArray(const QJsonValue &value, const QString &key);
// An array of at most `most` entries.
QJsonArray RequireArray(const QJsonValue &value, const QString &key, qsizetype most);
// "YYYY-MM-DD", a date that exists.
QDate RequireDate(const QJsonValue &value, const QString &key);
// One of the listed words.
QString RequireChoice(const QJsonValue &value, const QString &key, const QStringList &choices);

// Whether "base_data" gives the five figures every year has, so that
// ndata.mdb is not needed.
bool GivesEveryBaseFigure(const QJsonValue &value);

// "base_data": the seven figures; the ones left out keep `fallback`'s, and
// null makes one of today's two absent.
engine::BaseData ReadBaseData(const QJsonValue &value, engine::BaseData fallback);

} // namespace izoku::cli
