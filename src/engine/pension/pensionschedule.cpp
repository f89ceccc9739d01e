#include "pensionschedule.h"

#include "frmravoform.h"

#include "engine/text/numbertext.h"

#include <QStringList>

namespace izoku::engine {

namespace {

// The schedule follows the wife to the year she turns 67.
constexpr double kScheduleEndAge = 65 + 2;
constexpr int kSpareColumns = 3;

const QString kZero = QStringLiteral("0");

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

bool withinAges(double age, const QString &first, const QString &last)
{
    return LeadingNumber(first) <= age && age <= LeadingNumber(last);
}

}  // namespace

std::optional<int> ScheduleYears(double wifeAge)
{
    const auto years = ToInt16(kScheduleEndAge - wifeAge);
    if (!years || *years < 0)
        return std::nullopt;
    return *years;
}

void PensionSchedule::Reset(int years)
{
    m_rows = ScheduleRow::Count;
    m_columns = years + 2 + kSpareColumns;
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

double PensionSchedule::number(int row, int column) const { return LeadingNumber(cell(row, column)); }

std::vector<QString> PensionSchedule::rowTexts(int row) const
{
    std::vector<QString> texts;
    for (int column = 0; column < m_columns; ++column)
        texts.push_back(cell(row, column));
    return texts;
}

void PensionSchedule::FillHouseholdRows(double wifeAge, std::span<const HouseholdChild> children,
                                        const BasicPensionFigures &figures)
{
    std::vector<CountedChild> counted;
    for (const HouseholdChild &child : children)
        counted.push_back({child.age, child.disabled});
    for (int column = 1; column <= lastYearColumn(); ++column) {
        const int offset = column - 1;
        setCell(ScheduleRow::WifeAge, column, PlainNumber(wifeAge + offset));
        // A child's row is its line in the household block.
        for (const HouseholdChild &child : children)
            setCell(ScheduleRow::Child1Age + child.index - HouseholdIndex::Child1, column, PlainNumber(child.age + offset));
        for (int row = ScheduleRow::Children; row <= ScheduleRow::Last; ++row)
            setCell(row, column, kZero);
        const int count = EntitledChildCount(counted, offset);
        setCell(ScheduleRow::Children, column, QString::number(count));
        const std::int64_t amount = SurvivorsBasicPensionAmount(count, figures.basicAmount, figures.childAddition1,
                                                                figures.childAddition2);
        setCell(ScheduleRow::BasicPension, column, QString::number(amount));
    }
}

std::vector<BasicPensionYear> PensionSchedule::BasicPensionYears() const
{
    std::vector<BasicPensionYear> years;
    for (int column = 1; column <= lastYearColumn(); ++column) {
        years.push_back({number(ScheduleRow::WifeAge, column), static_cast<int>(number(ScheduleRow::Children, column)),
                         number(ScheduleRow::BasicPension, column)});
    }
    return years;
}

bool PensionSchedule::FillBenefitRows(std::span<const QString> results)
{
    using S = BenefitSlots;
    const auto amount = [&](int slot) { return LeadingNumber(results[slot]) != 0; };
    for (int column = 1; column <= lastYearColumn(); ++column) {
        for (int row = ScheduleRow::EmployeesPension; row <= ScheduleRow::Last; ++row)
            setCell(row, column, kZero);
    }
    for (int column = 1; column <= lastYearColumn(); ++column) {
        const double age = number(ScheduleRow::WifeAge, column);
        if (amount(S::EmployeesPensionAmount)
            && (results[S::EmployeesPensionLastAge] == kZero
                || withinAges(age, results[S::EmployeesPensionFirstAge], results[S::EmployeesPensionLastAge])))
            setCell(ScheduleRow::EmployeesPension, column, results[S::EmployeesPensionAmount]);
        if (amount(S::MiddleAgedAmount) && withinAges(age, results[S::MiddleAgedFirstAge], results[S::MiddleAgedLastAge]))
            setCell(ScheduleRow::MiddleAged, column, results[S::MiddleAgedAmount]);
        if (amount(S::TransitionalAmount) && age >= 65)
            setCell(ScheduleRow::Transitional, column, results[S::TransitionalAmount]);
        if (amount(S::WidowsPensionAmount)
            && withinAges(age, results[S::WidowsPensionFirstAge], results[S::WidowsPensionLastAge]))
            setCell(ScheduleRow::WidowsPension, column, results[S::WidowsPensionAmount]);
        if (amount(S::LumpSumAmount) && column == 1)
            setCell(ScheduleRow::LumpSum, column, results[S::LumpSumAmount]);
    }
    for (int column = 1; column <= lastYearColumn(); ++column) {
        std::int32_t total = 0;
        for (int row = ScheduleRow::BasicPension; row <= ScheduleRow::LumpSum; ++row) {
            const auto value = TextToInt32(cell(row, column));
            const auto sum = value ? AddInt32(total, *value) : std::nullopt;
            if (!sum)
                return false;
            total = *sum;
        }
        setCell(ScheduleRow::Total, column, QString::number(total));
    }
    return true;
}

}  // namespace izoku::engine
