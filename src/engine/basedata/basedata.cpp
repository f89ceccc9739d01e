#include "basedata.h"

#include "engine/text/numbertext.h"

#include <cmath>

namespace izoku::engine {

namespace {

constexpr int kEarliestYear = 1900;
constexpr int kLatestYear = 2100;
constexpr double kHighestSlideRate = 2.0;
constexpr std::int32_t kHighestAmount = 10'000'000;

bool setAmount(std::int32_t &field, double value)
{
    const auto amount = ToInt32(value);
    if (!amount || *amount < 0 || *amount > kHighestAmount)
        return false;
    field = *amount;
    return true;
}

} // namespace

bool SetBaseFigure(BaseData &data, BaseFigure figure, double value)
{
    switch (figure) {
    case BaseFigure::FiscalYear: {
        const auto year = ToInt16(value);
        if (!year || *year < kEarliestYear || *year > kLatestYear)
            return false;
        data.FiscalYear = *year;
        return true;
    }
    case BaseFigure::SlideRate:
        if (!std::isfinite(value) || value <= 0.0 || value > kHighestSlideRate)
            return false;
        data.SlideRate = value;
        return true;
    case BaseFigure::BasicPensionAmount:
        return setAmount(data.BasicPensionAmount, value);
    case BaseFigure::ChildAddition1:
        return setAmount(data.ChildAddition1, value);
    case BaseFigure::ChildAddition2:
        return setAmount(data.ChildAddition2, value);
    }
    return false;
}

double BaseFigureValue(const BaseData &data, BaseFigure figure)
{
    switch (figure) {
    case BaseFigure::FiscalYear:
        return data.FiscalYear;
    case BaseFigure::SlideRate:
        return data.SlideRate;
    case BaseFigure::BasicPensionAmount:
        return data.BasicPensionAmount;
    case BaseFigure::ChildAddition1:
        return data.ChildAddition1;
    case BaseFigure::ChildAddition2:
        return data.ChildAddition2;
    }
    return 0.0;
}

} // namespace izoku::engine
