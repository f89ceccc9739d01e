#pragma once

#include "engine/basedata/basedata.h"
#include "engine/forms/message.h"

#include <QDate>
#include <QString>

#include <cstdint>
#include <optional>

// The survivors' pension law a calculation follows, chosen by the fiscal
// year of the base figures in use.  Rows of fiscal 2014 and before are
// computed by the law of fiscal 2009, figure for figure as the program has
// always computed them; rows from fiscal 2015 by the law in force today
// (現行制度): the price slide of 0.985 ended with fiscal 2014, amounts are
// rounded to the yen from October 2015, and the widow's pension needs ten
// years of paid national pension months for deaths from 2017-08-01.
namespace izoku::engine {

enum class LawEra {
    Fiscal2009, // the law and rounding of fiscal 2009 (平成21年度)
    Current,    // 現行制度
};

// The first fiscal year computed by the law in force today.
inline constexpr int kCurrentLawFirstFiscalYear = 2015;

// The switches and figures every rule reads from the law, never from a
// constant of its own.
struct PensionLaw {
    LawEra era = LawEra::Fiscal2009;
    int fiscalYear = 0;
    // The year's figures: the full old-age basic pension (B, which is also
    // the survivors' basic pension) and the child additions.
    std::int32_t basicPension = 0;
    std::int32_t childAddition1 = 0;
    std::int32_t childAddition2 = 0;
    // B′, the full basic pension of those born on or before 1956-04-01, and
    // the 従前額改定率 of the old formula; only today's law reads them.
    std::optional<std::int32_t> oldCohortBasicPension;
    std::optional<double> previousAmountRevisionRate;

    // 寡婦年金: the paid national months the husband needs.
    double widowsPensionMonths = 0;
    // The survivors' employees' pension is computed from unrounded parts and
    // rounded once to the yen (today), or from parts rounded to the yen and
    // then to 100 yen (fiscal 2009); the widow's pension likewise.
    bool amountsToTheYen = false;
    // A national pension member with 20 years of employees' pension whose
    // widow takes the survivors' employees' pension brings her the
    // middle-aged and transitional additions (today's law only).
    bool widowAdditionsOnNationalPath = false;

    bool current() const { return era == LawEra::Current; }
};

// The law of the base figures' fiscal year, with those figures.
PensionLaw PensionLawOf(const BaseData &data);

// Which fiscal year's figures and which law, as the screens, the report and
// izoku-calc name them: "令和8年度（2026年度）の額・現行制度",
// "平成21年度の額"; nothing before any figures are loaded.
QString LawCaption(const PensionLaw &law);

// The two figures today's law reads beyond the five of every year.
enum class LawFigure { OldCohortBasicPension, PreviousAmountRevisionRate };

// The 基礎DATA field's name, as the maintenance screen labels it.
QString LawFigureName(LawFigure figure);

// A calculation that needs a figure its fiscal year's row lacks stops with
// this, rather than compute from 0.
Message MissingLawFigureMessage(const PensionLaw &law, LawFigure figure);

// The law in force today leaves out the reform of survivors' pensions that
// starts on 2028-04-01 (a fixed term for a widow without children, among
// others); a calculation for a death on or after that date still runs, and
// the agent is told so once it has.
QDate SurvivorsReformDate();
std::optional<Message> ReformNotModelledNotice(const PensionLaw &law, const QDate &deathDate);

} // namespace izoku::engine
