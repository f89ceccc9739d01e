#include "pensionrecord.h"

#include "engine/pension/insuredperiods.h"

namespace izoku::engine {

namespace {

const QString kZero = QStringLiteral("0");

} // namespace

CalculationOutcome CalculateMonthsTo2003(PensionRecord record)
{
    const auto months = MonthsTo2003(record.dates[PeriodDate::EmployeesEntry]);
    if (!months)
        return {{Warning(QStringLiteral("入力した日付が誤りです。"), QStringLiteral("エラー"))}, true};
    record.fields[PensionField::MonthsTo2003] = QString::number(*months);
    return {};
}

CalculationOutcome CalculateMonthsFrom2003(PensionRecord record)
{
    record.fields[PensionField::MonthsFrom2003] =
        QString::number(MonthsFrom2003(record.dates[PeriodDate::EmployeesEnd]));
    return {};
}

CalculationOutcome CalculateNationalMonths(PensionRecord record)
{
    record.periodMonths = QString::number(
        NationalPensionMonths(record.dates[PeriodDate::NationalFrom], record.dates[PeriodDate::NationalTo]));
    return {};
}

CalculationOutcome ClearNationalMonths(PensionRecord record)
{
    record.fields[PensionField::NationalPaidMonths] = kZero;
    return {};
}

CalculationOutcome ClearEmployeesRecord(PensionRecord record)
{
    for (int field = PensionField::MonthsTo2003; field <= PensionField::RemunerationFrom2003; ++field)
        record.fields[static_cast<size_t>(field)] = kZero;
    return {};
}

CalculationOutcome ClearInsuredPeriods(PensionRecord record)
{
    ClearNationalMonths(record);
    return ClearEmployeesRecord(record);
}

CalculationOutcome ClearPeriodDates(PensionRecord record, const QDate &today)
{
    for (int date = PeriodDate::EmployeesEntry; date <= PeriodDate::NationalTo; ++date)
        record.dates[static_cast<size_t>(date)] = today;
    record.periodMonths = kZero;
    return {};
}

} // namespace izoku::engine
