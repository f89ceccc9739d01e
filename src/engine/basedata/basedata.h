#pragma once

#include <cstdint>

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

    bool operator==(const BaseData &) const = default;
};

// The fiscal-2009 figures that ndata.mdb is shipped with.
inline constexpr BaseData kBaseData2009{2009, 0.985, 792100, 227900, 75900};

} // namespace izoku::engine
