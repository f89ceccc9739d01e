#include "basedata.h"

#include "engine/text/numbertext.h"

#include <cmath>

namespace izoku::engine {

namespace {

constexpr int kEarliestYear = 1900;
constexpr int kLatestYear = 2100;
constexpr double kHighestRate = 2.0;
constexpr std::int32_t kHighestAmount = 10'000'000;
constexpr std::int32_t kLeastOldCohortBasicPension = 1;

std::optional<std::int32_t> amountWithin(double value, std::int32_t least)
{
    const auto amount = ToInt32(value);
    if (!amount || *amount < least || *amount > kHighestAmount)
        return std::nullopt;
    return amount;
}

bool setAmount(std::int32_t &field, double value)
{
    const auto amount = amountWithin(value, 0);
    if (!amount)
        return false;
    field = *amount;
    return true;
}

bool isRate(double value)
{
    return std::isfinite(value) && value > 0.0 && value <= kHighestRate;
}

} // namespace

bool EveryYearHas(BaseFigure figure)
{
    return figure != BaseFigure::OldCohortBasicPension && figure != BaseFigure::PreviousAmountRevisionRate;
}

bool SetBaseFigure(BaseData &data, BaseFigure figure, std::optional<double> given)
{
    if (!given) {
        if (EveryYearHas(figure))
            return false;
        if (figure == BaseFigure::OldCohortBasicPension)
            data.OldCohortBasicPension.reset();
        else
            data.PreviousAmountRevisionRate.reset();
        return true;
    }
    const double value = *given;
    switch (figure) {
    case BaseFigure::FiscalYear: {
        const auto year = ToInt16(value);
        if (!year || *year < kEarliestYear || *year > kLatestYear)
            return false;
        data.FiscalYear = *year;
        return true;
    }
    case BaseFigure::SlideRate:
        if (!isRate(value))
            return false;
        data.SlideRate = value;
        return true;
    case BaseFigure::BasicPensionAmount:
        return setAmount(data.BasicPensionAmount, value);
    case BaseFigure::ChildAddition1:
        return setAmount(data.ChildAddition1, value);
    case BaseFigure::ChildAddition2:
        return setAmount(data.ChildAddition2, value);
    case BaseFigure::OldCohortBasicPension: {
        const auto amount = amountWithin(value, kLeastOldCohortBasicPension);
        if (!amount)
            return false;
        data.OldCohortBasicPension = *amount;
        return true;
    }
    case BaseFigure::PreviousAmountRevisionRate:
        if (!isRate(value))
            return false;
        data.PreviousAmountRevisionRate = value;
        return true;
    }
    return false;
}

std::optional<double> BaseFigureValue(const BaseData &data, BaseFigure figure)
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
    case BaseFigure::OldCohortBasicPension:
        return data.OldCohortBasicPension;
    case BaseFigure::PreviousAmountRevisionRate:
        return data.PreviousAmountRevisionRate;
    }
    return std::nullopt;
}

} // namespace izoku::engine
