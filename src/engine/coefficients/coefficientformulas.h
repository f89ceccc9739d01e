#pragma once

#include <optional>

// The six elementary compound-interest coefficients an agent works with a
// customer: what a sum grows to, what it is worth today, and the yearly
// saving, payout or repayment that matches a sum.  Rates are percent per
// year as typed; years are whole years.
//
// Every function follows the arithmetic of the time: a power or a product
// beyond the range of a double, or a division by zero, is a failure and
// gives no value.  The caller decides whether a failure counts as 0 or
// ends its calculation.
namespace izoku::engine {

// 終価係数 (1 + i)^n: what 1 yen grows to in n years.
std::optional<double> FutureValueFactor(double ratePercent, int years);

// 現価係数 (1 + i)^(−n): what 1 yen due in n years is worth today.
std::optional<double> PresentValueFactor(double ratePercent, int years);

// A sum after n years at the rate, A × (1 + i)^n.
std::optional<double> FutureValue(double amount, double ratePercent, int years);

// What a sum due in n years is worth today, (1 + i)^(−n) × A.
std::optional<double> PresentValue(double amount, double ratePercent, int years);

// A price that keeps falling by r % a year.  The calculator has always taken
// the present-value factor as the decline factor, a fall of r % a year over
// n years being division by (1 + r/100)^n: a 2 % fall over 10 years leaves
// 82 %.  The future price is cut to the whole yen below.
struct PriceDecline {
    double futurePrice = 0;      // Int((1 + i)^(−n) × price)
    double remainingPercent = 0; // (1 + i)^(−n) × 100
};
std::optional<PriceDecline> PriceAfterDecline(double price, double declinePercent, int years);

// 減債基金係数 applied to a target: the yearly saving that reaches `target`
// in n years, i ÷ ((1 + i)^n − 1) × target.
std::optional<double> SinkingFundPayment(double target, double ratePercent, int years);

// 年金終価係数 applied to a yearly saving: what it has grown to after n
// years, ((1 + i)^n − 1) ÷ rate × 100 × saving.
std::optional<double> AnnuityFutureValue(double yearlySaving, double ratePercent, int years);

// 資本回収係数 applied to a principal: the yearly payout (or loan repayment)
// that uses it up in n years, i ÷ (1 − (1 + i)^(−n)) × principal.
std::optional<double> CapitalRecoveryPayment(double principal, double ratePercent, int years);

// 年金現価係数 applied to a yearly pension: the fund that pays it for n
// years, (1 − (1 + i)^(−n)) ÷ rate ÷ 100 × 10000 × pension.
std::optional<double> AnnuityPresentValue(double yearlyPension, double ratePercent, int years);

} // namespace izoku::engine
