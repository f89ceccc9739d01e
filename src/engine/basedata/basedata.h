#pragma once

#include <cstdint>
#include <optional>

namespace izoku::engine {

// The yearly base figures of the public pension (基礎DATA): read at start-up
// and by the maintenance screen, read by both calculation screens.  All zero
// until loaded.
struct BaseData {
    std::int16_t FiscalYear = 0;
    double SlideRate = 0.0;              // 物価スライド率
    std::int32_t BasicPensionAmount = 0; // 遺族基礎年金額, yen a year
    std::int32_t ChildAddition1 = 0;     // 加算額 for each of the first two children
    std::int32_t ChildAddition2 = 0;     // 3人目以降の加算額
    // Read where the row has them (rows written before today's law have
    // not): the full basic pension of those born on or before 1956-04-01
    // (B′) and the 従前額改定率 of the old formula.
    std::optional<std::int32_t> OldCohortBasicPension = std::nullopt;
    std::optional<double> PreviousAmountRevisionRate = std::nullopt;

    bool operator==(const BaseData &) const = default;
};

// The fiscal-2009 figures that ndata.mdb was first shipped with.
inline constexpr BaseData kBaseData2009{2009, 0.985, 792100, 227900, 75900};

// The seven figures, in the order a 基礎DATA row is read: the five every
// year has, then the two that only today's law reads and that a row may
// lack.
enum class BaseFigure {
    FiscalYear,
    SlideRate,
    BasicPensionAmount,
    ChildAddition1,
    ChildAddition2,
    OldCohortBasicPension,
    PreviousAmountRevisionRate,
};
inline constexpr BaseFigure kBaseFigures[] = {BaseFigure::FiscalYear,
                                              BaseFigure::SlideRate,
                                              BaseFigure::BasicPensionAmount,
                                              BaseFigure::ChildAddition1,
                                              BaseFigure::ChildAddition2,
                                              BaseFigure::OldCohortBasicPension,
                                              BaseFigure::PreviousAmountRevisionRate};

// Whether every row must have the figure; the two of today's law may be
// absent.
bool EveryYearHas(BaseFigure figure);

// Stores `value` as `figure` of `data`, converted as the figure is kept
// (whole numbers round half to even), if it is a figure some fiscal year
// could have: a year from 1900 to 2100, a slide rate or 従前額改定率 above 0
// and at most 2, yen amounts from 0 to 10,000,000 (B′ from 1 yen, since a
// B′ of 0 would take the transitional addition away without a word).
// Anything else (not finite, out of those bounds, no value for a figure
// every year has) leaves `data` as it was and gives false: a figure like
// that would turn every pension into 0 or nonsense without a word.  No
// value for one of today's two figures makes it absent.
bool SetBaseFigure(BaseData &data, BaseFigure figure, std::optional<double> value);

// The figure as `data` keeps it; no value for one of today's two figures
// the row lacks.
std::optional<double> BaseFigureValue(const BaseData &data, BaseFigure figure);

} // namespace izoku::engine
