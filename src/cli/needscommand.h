#pragma once

#include "commands.h"

#include "engine/basedata/basedata.h"
#include "engine/forms/message.h"
#include "engine/needs/deathyears.h"
#include "engine/needs/frmhokenform.h"

#include <optional>

namespace izoku::cli {

// izoku-calc needs: the needs-analysis screen's calculation buttons, in the
// order the agent presses them.
Command NeedsCommand();

// The screen after the agent pressed the buttons the input lists, with the
// messages shown and the charts opened on the way.
struct NeedsRun {
    engine::BaseData base;
    QDate today;
    engine::FrmhokenForm form;
    engine::Messages messages;
    QJsonObject charts;
    std::optional<engine::DeathYearCurve> deathYears; // the last "death_years" action's
};
NeedsRun PressNeedsButtons(const QJsonObject &input, const RunOptions &options);

// The one-line error of a file that needs the projection sheet when the
// input left none: the base calculation's own message when it stopped.
QString NoSheetError(const NeedsRun &run);

} // namespace izoku::cli
