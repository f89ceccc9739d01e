#pragma once

#include <QStringList>

namespace izoku::engine {

// Projection years by the wife's age 0..59, after the 20th life table
// (第20回生命表): her remaining life expectancy, rounded to whole years.  The
// table repeats 62 at 23/24 and 34 at 52/53, as the life table's rounding
// falls.
QStringList LifeExpectancyTable();

} // namespace izoku::engine
