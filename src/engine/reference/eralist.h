#pragma once

#include <QStringList>

namespace izoku::engine {

// The era table the agent reads birth years off: one line per year from
// Shōwa 19 (1944), "S19   1944", to the current year.  Shōwa 64 lasted a
// week and has no line of its own; Heisei 31 lasted until 30 April 2019 and
// has, since children born before May of that year carry it, followed by
// Reiwa 1 for the same Western year.
QStringList EraList(int currentYear);

// The Shōwa year of a Western year (1926 to 1988).
int ShowaYear(int westernYear);

// A birth-year band as the law states it, from 2 April of Shōwa
// `showaYear` to 1 April of the next: "昭和17年4月2日 ～ 昭和18年4月1日".
QString ShowaBirthBand(int showaYear);

} // namespace izoku::engine
