#pragma once

#include "engine/basedata/basedata.h"
#include "engine/charts/chartfeed.h"
#include "engine/forms/message.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <optional>
#include <vector>

// The need by year of death: what "生命保険と必要補償額" gives if the husband
// died on the base date, on the same day a year later, two years later and
// so on, beside the insurance then in force.  A decreasing cover is sized on
// this curve, and the gap a term policy leaves when it ends shows in it.
namespace izoku::engine {

struct FrmhokenForm;

// The curve runs for 40 years at most.
inline constexpr int kLongestDeathYearCurve = 40;
// It ends before the husband reaches the old-age pension age or the wife the
// age from which the analysis no longer covers her.
inline constexpr double kHusbandLastDeathAge = 64;

// One year of death, `yearsAfter` the base date.
struct DeathYearPoint {
    int yearsAfter = 0;
    QDate date;
    double husbandAge = 0;
    double wifeAge = 0;
    double coverage = 0;  // the necessary coverage at his death (row 42 of the first year)
    double insurance = 0; // the insurance in force at his age then (row 48 of the first year)
    double shortfall() const { return coverage - insurance; }

    bool operator==(const DeathYearPoint &) const = default;
};

struct DeathYearCurve {
    std::vector<DeathYearPoint> points;
    // What the calculations said on the way, each once; the last is the
    // message that stopped the curve, when one did.
    Messages messages;
    bool stoppedByMessage = false;
};

// The household of the needs-analysis screen as it would stand if the
// husband died `years` after `today`: every age from the birth dates on that
// day (an age typed beside a birth date keeps its difference from it), the
// children's 対象 as ticked, his record grown by 12 months a year in his
// current membership (the months from April 2003 of an employee, the paid
// national months of a national member); the averages, the income, the
// expenses and the insurance as they are.
FrmhokenForm HouseholdAtDeath(const FrmhokenForm &form, int years, const QDate &today);

// The curve from year 0 (exactly the comparison's own figures) on.  It stops
// before the first later year in which the husband would be 65 or older,
// the wife 60 or older or at the chosen reference age, or whose calculation
// stops with a message, and after 40 years.
DeathYearCurve NeedByYearOfDeath(const FrmhokenForm &form, const BaseData &base, const QDate &today);

// The largest shortfall over the curve, if any year falls short.
std::optional<DeathYearPoint> LargestShortfall(const DeathYearCurve &curve);

// The curve as a CSV file, a line per year of death under a heading line.
QByteArray DeathYearCsv(const DeathYearCurve &curve);

// FormChart5's numbered display fields.
struct DeathYearChartField {
    enum : int {
        LargestShortfall = 0,    // "12,345,678円"
        LargestShortfallAge = 1, // "45歳"
        Note = 2,                // what the curve assumes, with the year and law of the figures
        Count = 3,
    };
};

// The note under the chart.
QString DeathYearNote(const BaseData &base);

// "死亡時期別": the base calculation first, as "基礎計算(2度押し)" runs it (its
// stop messages stop the button too), then the curve and FormChart5's feed.
struct DeathYearOpening {
    Messages messages;
    std::optional<DeathYearCurve> curve;
    std::optional<ChartFeed> chart; // none when the curve has no year
};
DeathYearOpening ShowDeathYearChart(FrmhokenForm &form, const BaseData &base, const QDate &today);

// FormChart5: bars of the necessary coverage and a line of the insurance in
// force, in whole 万円, a row per husband's age at death (" 45歳"), a list
// line per year ("45歳  39,982,200  35,000,000") and the fields above.
ChartFeed DeathYearChart(const DeathYearCurve &curve, const QString &customerName, const BaseData &base);

} // namespace izoku::engine
