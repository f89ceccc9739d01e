#pragma once

#include "engine/basedata/basedata.h"
#include "engine/charts/chartfeed.h"
#include "engine/forms/message.h"
#include "engine/needs/frmhokenslots.h"

#include <QDate>

#include <optional>

namespace izoku::engine {

struct FrmhokenForm;

// FormChart2's numbered fields (Num1 of the chart window): the life
// insurance held, under the Num4 slots the needs-analysis screen keeps it
// in.  Term policy p: first and last age of the husband and amount; whole-
// life policy q: first age and amount.
struct CoverageChartField {
    static constexpr int kTermFields = HokenNum4::Term1Amount - HokenNum4::Term1From + 1;
    static constexpr int kWholeLifeFields = HokenNum4::WholeLife1Amount - HokenNum4::WholeLife1From + 1;
    static constexpr int TermFrom(int policy) { return HokenNum4::Term1From + kTermFields * policy; }
    static constexpr int TermTo(int policy) { return HokenNum4::Term1To + kTermFields * policy; }
    static constexpr int TermAmount(int policy) { return HokenNum4::Term1Amount + kTermFields * policy; }
    static constexpr int WholeLifeFrom(int policy) { return HokenNum4::WholeLife1From + kWholeLifeFields * policy; }
    static constexpr int WholeLifeAmount(int policy) { return HokenNum4::WholeLife1Amount + kWholeLifeFields * policy; }
    // The fields run from the first term policy's first age to just before
    // this one.
    static constexpr int End() { return WholeLifeFrom(HokenNum4::kWholeLifePolicies); }
};

// What a chart button showed, and the chart it opened if it opened one.
struct ChartOpening {
    Messages messages;
    std::optional<ChartFeed> chart;
};

// "生命保険と必要補償額": a fresh base calculation, the insurance held on the
// sheet, the necessary coverage up to the reference year, and the
// comparison chart (FormChart2): the insurance in force (line) against the
// coverage still needed (bars) year by year.  When the base calculation
// stops with a message, so does the comparison.  A policy entered in part
// is reported and left off the sheet, and the chart still opens.  A
// reference age outside the range the screen shows is refused, since the
// sheet has no years beyond the horizon to sum.
ChartOpening CompareInsuranceWithCoverage(FrmhokenForm &form, const BaseData &baseData, const QDate &today);

// The comparison chart (FormChart2) of a sheet on which the comparison above
// has run: it reads the insurance in force and the coverage rows as they
// stand, so after a base calculation alone the coverage is not yet there.
// Refused with the comparison's own messages when there is no sheet or the
// chosen reference age is out of range.
ChartOpening ShowCoverageChart(const FrmhokenForm &form);

} // namespace izoku::engine
