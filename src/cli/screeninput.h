#pragma once

#include "engine/basedata/basedata.h"
#include "engine/forms/household.h"
#include "engine/pension/membership.h"

#include <QDate>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include <span>

// The parts of a calculation screen's input that both screens share.  Each
// reader takes the whole input object and leaves the target as the window
// opens when its key is left out.
namespace izoku::cli {

// "today": the system date of the run; left out, the machine's date.
QDate ReadToday(const QJsonObject &input);

// "base_data": left out (or in part), the figures come from the database in
// use, as at start-up; a missing database leaves them at 0.
engine::BaseData ReadBaseDataOrStore(const QJsonObject &input);

// "members": up to seven objects for 夫, 妻, 子1..子5 in that order, each with
// the optional keys role, name, birth, age (texts), present and disabled.
void ReadMembers(const QJsonObject &input, engine::Household &household);

// "membership": "national" or "employee".
void ReadMembership(const QJsonObject &input, engine::Membership &membership);

// "choice": "employees_pension" or "widows_pension".
void ReadChoice(const QJsonObject &input, engine::SurvivorChoice &choice);

// `key`: an array of at most texts.size() strings, written over the first
// field texts.
void ReadFieldTexts(const QJsonObject &input, const QString &key, std::span<QString> texts);

} // namespace izoku::cli
