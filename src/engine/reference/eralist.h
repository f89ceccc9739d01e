#pragma once

#include <QStringList>

namespace izoku::engine {

// The era table the agent reads birth years off: one line per year from
// Shōwa 19 (1944) to Heisei 30 (2018), "S19   1944" … "H30   2018".  Shōwa 64
// lasted a week and has no line of its own.
QStringList EraList();

} // namespace izoku::engine
