#pragma once

#include "calculationoutcome.h"

#include "engine/pension/membership.h"

#include <QDate>
#include <QString>

#include <span>
#include <type_traits>

// The husband's pension record, the block both calculation screens hold field
// for field in the same order: his membership and the widow's choice, the six
// fields of his insured months and remuneration, the dates of the month
// calculators and the months of a national pension period.
namespace izoku::engine {

// The six fields: FrmRavo's Text6, the needs screen's Num1 7..12.
struct PensionField {
    enum Slot : int {
        NationalPaidMonths = 0,        // 国民年金 (第1号) months with contributions paid
        MonthsTo2003 = 1,              // 厚生年金 months up to March 2003
        MonthlyRemunerationTo2003 = 2, // 平均標準報酬月額
        MonthsFrom2003 = 3,            // 厚生年金 months from April 2003
        RemunerationFrom2003 = 4,      // 平均標準報酬額
        SlideRate = 5,                 // 物価スライド率
    };
    static constexpr int Count = 6;
};

// The dates: FrmRavo's DTPicker2, the needs screen's Date2.
struct PeriodDate {
    enum Slot : int {
        Reference = 0,      // the reference date of the automatic age entry
        EmployeesEntry = 1, // joined the employees' pension
        EmployeesEnd = 2,   // end of the employees' period after April 2003
        NationalFrom = 3,   // the two ends of a national pension period
        NationalTo = 4,
    };
    static constexpr int Count = 5;
};

// The block as a form lends it to its panel and to the operations below;
// `Text` is const QString where the form is only read.
template <typename Text> struct PensionRecordFields {
    template <typename T> using Like = std::conditional_t<std::is_const_v<Text>, const T, T>;

    Like<Membership> &membership; // Option1
    Like<SurvivorChoice> &choice; // Option2 / Option3
    std::span<Text, PensionField::Count> fields;
    std::span<Like<QDate>, PeriodDate::Count> dates;
    Text &periodMonths; // what the national period calculator found

    // The same record lent for reading only.
    operator PensionRecordFields<const Text>() const requires(!std::is_const_v<Text>)
    {
        return {membership, choice, fields, dates, periodMonths};
    }
};
using PensionRecord = PensionRecordFields<QString>;
using ConstPensionRecord = PensionRecordFields<const QString>;

// The month calculators.  The months up to March 2003 are refused with a
// message, and the operation stops, for an entry date after March 2003.
CalculationOutcome CalculateMonthsTo2003(PensionRecord record);
CalculationOutcome CalculateMonthsFrom2003(PensionRecord record);
CalculationOutcome CalculateNationalMonths(PensionRecord record);

// The national pension months "0".
CalculationOutcome ClearNationalMonths(PensionRecord record);
// The employees' pension months and remunerations "0"; the slide rate stays.
CalculationOutcome ClearEmployeesRecord(PensionRecord record);
// Both: every month and remuneration "0", the slide rate kept.
CalculationOutcome ClearInsuredPeriods(PensionRecord record);
// The dates of the month calculators back to today, their national months "0".
CalculationOutcome ClearPeriodDates(PensionRecord record, const QDate &today);

} // namespace izoku::engine
