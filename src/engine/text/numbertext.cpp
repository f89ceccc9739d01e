#include "numbertext.h"

#include <QLocale>

#include <cfenv>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace izoku::engine {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == QChar(0x3000);
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

template <typename Int> std::optional<Int> toInteger(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    // nearbyint follows the current rounding mode, which is to-nearest-even
    // unless someone changed it; the program never does.
    const double rounded = std::nearbyint(value);
    if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Int>::max()))
        return std::nullopt;
    return static_cast<Int>(rounded);
}

} // namespace

double LeadingNumber(QStringView text)
{
    // Every field of every screen is read through here, many times per
    // calculation: collect the ASCII number (short texts stay in the string's
    // own buffer) and convert it without going through QString.
    std::string digits;
    bool seenPoint = false;
    bool seenDigit = false;
    bool seenAnything = false;
    for (QChar c : text) {
        if (isBlank(c))
            continue;
        if ((c == u'-' || c == u'+') && !seenAnything) {
            if (c == u'-')
                digits += '-';
            seenAnything = true;
            continue;
        }
        if (isAsciiDigit(c)) {
            seenDigit = true;
        } else if (c == u'.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
        seenAnything = true;
        digits += static_cast<char>(c.unicode());
    }
    if (!seenDigit)
        return 0.0;
    double value = 0.0;
    const std::from_chars_result result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return result.ec == std::errc() ? value : 0.0;
}

bool IsNumeric(QStringView text)
{
    // Only what the leading-number reading takes in whole may pass: a group
    // comma or an exponent would be accepted here and then cut off by the
    // reading ("400,000" read as 400 yen).
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    qsizetype i = first;
    if (i < last && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    bool digits = false;
    bool point = false;
    for (; i < last; ++i) {
        const QChar c = text[i];
        if (isAsciiDigit(c))
            digits = true;
        else if (c == u'.' && !point)
            point = true;
        else
            return false;
    }
    return digits;
}

std::optional<std::int16_t> ToInt16(double value)
{
    return toInteger<std::int16_t>(value);
}

std::optional<std::int32_t> ToInt32(double value)
{
    return toInteger<std::int32_t>(value);
}

std::optional<std::int16_t> TextToInt16(QStringView text)
{
    return ToInt16(LeadingNumber(text));
}

std::optional<std::int32_t> TextToInt32(QStringView text)
{
    return ToInt32(LeadingNumber(text));
}

double IntFloor(double value)
{
    return std::floor(value);
}

double RoundHalfUp(double value)
{
    return std::floor(value + 0.5);
}

QString PlainNumber(double value)
{
    if (value == 0.0 || !std::isfinite(value))
        return QStringLiteral("0");
    // Whole yen and ages, the usual case, need no decimal conversion.
    if (std::abs(value) < 1e15 && value == std::trunc(value))
        return QString::number(static_cast<qint64>(value));
    QString text = QString::number(value, 'g', 15);
    if (text.contains(u'e')) {
        // Very large or very small magnitudes: write them out in full.
        text = QString::number(value, 'f', 15);
        if (text.contains(u'.')) {
            while (text.endsWith(u'0'))
                text.chop(1);
            if (text.endsWith(u'.'))
                text.chop(1);
        }
    }
    return text;
}

QString FullWidthDigits(QStringView text, bool commas)
{
    QString wide;
    wide.reserve(text.size());
    for (const QChar c : text) {
        if (c >= u'0' && c <= u'9')
            wide += QChar(c.unicode() - u'0' + 0xFF10);
        else if (commas && c == u',')
            wide += QChar(0xFF0C);
        else
            wide += c;
    }
    return wide;
}

QString FormatNumber(double value, NumberFormat format)
{
    static const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    const int decimals = format == NumberFormat::TwoDecimals ? 2 : 0;
    QString text = japanese.toString(value, 'f', decimals);
    // A value that rounds to zero is shown without a sign.
    const QString zero = japanese.toString(0.0, 'f', decimals);
    if (text == u'-' + zero)
        text = zero;
    if (format == NumberFormat::GroupedOrEmpty && text == zero)
        return QString();
    return text;
}

std::optional<std::int32_t> AddInt32(std::int32_t a, std::int32_t b)
{
    std::int32_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        return std::nullopt;
    return sum;
}

} // namespace izoku::engine
