#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

// The one reader of numbers typed into fields and the one set of conversions
// and formats used for writing them back.  Every screen of the program keeps
// its figures as text, so every rule starts and ends here.
namespace izoku::engine {

// The leading number of a text: blanks anywhere are skipped, then an optional
// sign, digits and at most one decimal point; the first other character ends
// it.  A text without a leading number reads as 0 ("1,234" reads 1,
// " 0.985円" reads 0.985, "-" reads 0).
double LeadingNumber(QStringView text);

// Whether a text is a complete number that LeadingNumber reads in whole:
// after leading and trailing half-width blanks, an optional sign and digits
// with at most one decimal point, at least one digit ("12", "-3", ".5",
// "12.").  "12a", "400,000", "1e3", "１２３", "1 2", "-" and the empty text
// are not numbers.
bool IsNumeric(QStringView text);

// Conversions to whole numbers round to the nearest integer with halves to
// the even neighbour (2.5 -> 2, 3.5 -> 4).  A value outside the type's range
// (or not finite) gives no value instead of wrapping.
std::optional<std::int16_t> ToInt16(double value);
std::optional<std::int32_t> ToInt32(double value);

// The same conversions straight from a field's text.
std::optional<std::int16_t> TextToInt16(QStringView text);
std::optional<std::int32_t> TextToInt32(QStringView text);

// Int(x): the largest whole number not above x.
double IntFloor(double value);

// Benefit amounts are rounded half up to the yen: Int(x + 0.5).
double RoundHalfUp(double value);

// A number written back into a field: plain decimal, no grouping, at most 15
// significant digits, no trailing zeros ("0.985", "-12", "477800").
QString PlainNumber(double value);

// Display formats of the screens.
enum class NumberFormat {
    Grouped,        // "###,##0" and "#,##0": whole, grouped, "0" for zero
    GroupedOrEmpty, // "###,###": whole, grouped, empty for zero
    TwoDecimals,    // "##0.00"
};

// Rounds half away from zero, as the screens' formats always have.
QString FormatNumber(double value, NumberFormat format);

// Figures in the reference tables are set in full-width digits
// ("２２７,９００円"); `commas` also widens the digit-group commas.
QString FullWidthDigits(QStringView text, bool commas = false);

// The sum of whole yen over a sheet row is kept in 32 bits; a sum outside
// that range gives no value.
std::optional<std::int32_t> AddInt32(std::int32_t a, std::int32_t b);

} // namespace izoku::engine
