#pragma once

#include "engine/basedata/basedata.h"
#include "engine/forms/household.h"
#include "engine/forms/message.h"
#include "engine/pension/membership.h"

#include <QDate>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include <optional>
#include <span>

// The parts of a calculation screen's input that both screens share.  Each
// reader takes the whole input object and leaves the target as the window
// opens when its key is left out.
namespace izoku::cli {

// "today": the system date of the run; left out, the machine's date.
QDate ReadToday(const QJsonObject &input);

// The base figures of a run, and the window's warning when ndata.mdb was
// needed and could not be read.
struct BaseFigures {
    engine::BaseData data;
    std::optional<engine::Message> warning;
};

// "base_data": left out (or in part), the figures come from the ndata.mdb in
// use, as at start-up: from the newest row, or that of `fiscalYear`; a
// database that cannot be read leaves them at 0 and gives the warning the
// menu shows.  A fiscal year the database holds no row of is an input
// error.
BaseFigures ReadBaseDataOrStore(const QJsonObject &input, std::optional<int> fiscalYear);

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
