#include "pensionschedule.h"

#include "frmravoform.h"
#include "widowbenefits.h"

#include "engine/text/numbertext.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <limits>

namespace izoku::engine {

namespace {

// The schedule follows the wife two years past the start of her own
// old-age pension, to the year she turns 67.
constexpr double kScheduleEndAge = kOldAgePensionAge + 2;
constexpr int kSpareColumns = 3;

const QString kZero = QStringLiteral("0");

// Row titles, the S + 1 year columns and the spare ones.
int columnsFor(int years)
{
    return years + 2 + kSpareColumns;
}

QString rowTitle(int row)
{
    static const QStringList titles{QString(),
                                    QStringLiteral("妻年齢"),
                                    QStringLiteral("子1年齢"),
                                    QStringLiteral("子2"),
                                    QStringLiteral("子3"),
                                    QStringLiteral("子4"),
                                    QStringLiteral("子5"),
                                    QStringLiteral("子人数"),
                                    QStringLiteral("遺族基礎"),
                                    QStringLiteral("遺族厚生"),
                                    QStringLiteral("中高齢"),
                                    QStringLiteral("経過的"),
                                    QStringLiteral("寡婦年金"),
                                    QStringLiteral("一時金"),
                                    QStringLiteral("合計"),
                                    QString()};
    return titles.value(row);
}

// Ages are whole years unless the agent typed a fraction; whole numbers
// are written the quick way.
QString ageText(double age)
{
    const auto whole = ToInt32(age);
    return whole && *whole == age ? QString::number(*whole) : PlainNumber(age);
}

} // namespace

std::optional<int> ScheduleYears(double wifeAge)
{
    const auto years = ToInt16(kScheduleEndAge - wifeAge);
    // The grid keeps at least its column of row titles.
    if (!years || columnsFor(*years) < 1)
        return std::nullopt;
    return *years;
}

void PensionSchedule::Reset(int years)
{
    m_rows = ScheduleRow::Count;
    m_columns = columnsFor(years);
    m_cells.assign(static_cast<std::size_t>(m_rows) * m_columns, QString());
    for (int row = 0; row < m_rows; ++row)
        setCell(row, 0, rowTitle(row));
}

QString PensionSchedule::cell(int row, int column) const
{
    if (row < 0 || row >= m_rows || column < 0 || column >= m_columns)
        return QString();
    return m_cells[static_cast<std::size_t>(row) * m_columns + column];
}

void PensionSchedule::setCell(int row, int column, const QString &text)
{
    if (row < 0 || row >= m_rows || column < 0 || column >= m_columns)
        return;
    m_cells[static_cast<std::size_t>(row) * m_columns + column] = text;
}

double PensionSchedule::number(int row, int column) const
{
    return LeadingNumber(cell(row, column));
}

std::vector<QString> PensionSchedule::rowTexts(int row) const
{
    std::vector<QString> texts;
    for (int column = 0; column < m_columns; ++column)
        texts.push_back(cell(row, column));
    return texts;
}

std::vector<BasicPensionYear> PensionSchedule::FillHouseholdRows(double wifeAge,
                                                                 std::span<const HouseholdChild> children,
                                                                 const BasicPensionFigures &figures)
{
    std::vector<CountedChild> counted;
    for (const HouseholdChild &child : children)
        counted.push_back({child.age, child.disabled});
    std::vector<BasicPensionYear> years;
    for (int column = 1; column <= lastYearColumn(); ++column) {
        const int offset = column - 1;
        const QString shownAge = ageText(wifeAge + offset);
        setCell(ScheduleRow::WifeAge, column, shownAge);
        // A child's row is its line in the household block.
        for (const HouseholdChild &child : children)
            setCell(ScheduleRow::Child1Age + child.index - HouseholdIndex::Child1, column, ageText(child.age + offset));
        for (int row = ScheduleRow::Children; row <= ScheduleRow::Last; ++row)
            setCell(row, column, kZero);
        const int count = EntitledChildCount(counted, offset);
        setCell(ScheduleRow::Children, column, QString::number(count));
        const std::int64_t amount =
            SurvivorsBasicPensionAmount(count, figures.basicAmount, figures.childAddition1, figures.childAddition2);
        setCell(ScheduleRow::BasicPension, column, QString::number(amount));
        // The benefits' ages are written as the schedule writes them, so a
        // year is matched against them by the age it shows.
        years.push_back({LeadingNumber(shownAge), count, static_cast<double>(amount)});
    }
    return years;
}

bool PensionSchedule::FillBenefitRows(std::span<const QString> results, std::span<const BasicPensionYear> years)
{
    using S = BenefitSlots;
    const auto value = [&](int slot) { return LeadingNumber(results[slot]); };
    constexpr double kAnyAge = std::numeric_limits<double>::infinity();
    // A survivors' employees' pension without an end age runs from the first
    // year, whatever its first age says.
    const bool forLife = results[S::EmployeesPensionLastAge] == kZero;
    struct Benefit {
        int row;
        int amountSlot;
        double firstAge;
        double lastAge;
        bool paid = false;
    };
    std::array<Benefit, 5> benefits{{
        {ScheduleRow::EmployeesPension, S::EmployeesPensionAmount,
         forLife ? -kAnyAge : value(S::EmployeesPensionFirstAge),
         forLife ? kAnyAge : value(S::EmployeesPensionLastAge)},
        {ScheduleRow::MiddleAged, S::MiddleAgedAmount, value(S::MiddleAgedFirstAge), value(S::MiddleAgedLastAge)},
        {ScheduleRow::Transitional, S::TransitionalAmount, kTransitionalAdditionFirstAge, kAnyAge},
        {ScheduleRow::WidowsPension, S::WidowsPensionAmount, value(S::WidowsPensionFirstAge),
         value(S::WidowsPensionLastAge)},
        // The lump sum is paid once, in the year of death.
        {ScheduleRow::LumpSum, S::LumpSumAmount, -kAnyAge, kAnyAge},
    }};
    std::array<std::optional<std::int32_t>, 5> wholeAmounts;
    for (std::size_t b = 0; b < benefits.size(); ++b) {
        benefits[b].paid = value(benefits[b].amountSlot) != 0;
        wholeAmounts[b] = TextToInt32(results[benefits[b].amountSlot]);
    }
    const int lastColumn = std::min(lastYearColumn(), static_cast<int>(years.size()));

    // Which benefits each year receives, for the totals below.
    std::vector<std::uint8_t> placed(static_cast<std::size_t>(std::max(0, lastColumn) + 1), 0);
    for (int column = 1; column <= lastColumn; ++column) {
        for (int row = ScheduleRow::EmployeesPension; row <= ScheduleRow::Last; ++row)
            setCell(row, column, kZero);
        const double age = years[column - 1].wifeAge;
        for (std::size_t b = 0; b < benefits.size(); ++b) {
            const Benefit &benefit = benefits[b];
            if (!benefit.paid || age < benefit.firstAge || age > benefit.lastAge)
                continue;
            if (benefit.row == ScheduleRow::LumpSum && column != 1)
                continue;
            setCell(benefit.row, column, results[benefit.amountSlot]);
            placed[column] |= 1u << b;
        }
    }
    for (int column = 1; column <= lastColumn; ++column) {
        std::optional<std::int32_t> total = ToInt32(years[column - 1].amount);
        for (std::size_t b = 0; b < benefits.size() && total; ++b) {
            if (placed[column] & (1u << b))
                total = wholeAmounts[b] ? AddInt32(*total, *wholeAmounts[b]) : std::nullopt;
        }
        if (!total)
            return false;
        setCell(ScheduleRow::Total, column, QString::number(*total));
    }
    return true;
}

} // namespace izoku::engine
