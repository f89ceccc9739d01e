#pragma once

#include "engine/forms/pensionrecord.h"

// The indexed fields of the needs-analysis screen.  The numbers are the
// screen's own: the calculations, the window and the saved customer record
// all address a field by its array and index, so the names below only say
// what each index holds.
namespace izoku::engine {

// Num1: the family's ages, the husband's pension record, the survivors'
// income (yen) and expenses (万円).
struct HokenNum1 {
    enum Slot : int {
        HusbandAge = 0,
        WifeAge = 1,
        Child1Age = 2,
        Child2Age = 3,
        Child3Age = 4,
        Child4Age = 5,
        Child5Age = 6,
        NationalMonths = 7,             // 国民年金だけの期間: the pension record in 7..12
        EmployeeMonthsTo2003 = 8,       // ①平成15年3月までの期間
        AverageMonthlyRemuneration = 9, // 平均標準報酬月額
        EmployeeMonthsFrom2003 = 10,    // ②平成15年４月以降の期間
        AverageRemuneration = 11,       // 平均標準報酬額
        SlideRate = 12,                 // 物価スライド率
        PeriodMonths = 13,              // 期間計算
        WifeWorkFrom = 14,
        WifeWorkTo = 15,
        LivingCost = 16,   // 現在の１ヶ月の生活費, 万円 a month
        Kindergarten = 17, // education, 万円 a year
        Elementary = 18,
        JuniorHigh = 19,
        HighSchool = 20,
        University = 21,
        Support1Age = 22,
        Support1Amount = 23,
        Support2Age = 24,
        Support2Amount = 25,
        Housing = 26,                // 住宅維持補修, 万円 a year
        Funeral = 27,                // 葬儀費用その他, 万円 once
        EmployeesPensionAmount = 28, // 遺族厚生年金
        MiddleAgedFrom = 29,         // 中高齢寡婦加算
        MiddleAgedAmount = 30,
        BasicPhase1From = 31, // phase p from/to in 31 + 2p, 32 + 2p
        BasicPhase1To = 32,
        BasicPhase2From = 33,
        BasicPhase2To = 34,
        BasicPhase3From = 35,
        BasicPhase3To = 36,
        BasicPhase4From = 37,
        BasicPhase4To = 38,
        BasicPhase5From = 39,
        BasicPhase5To = 40,
        BasicPhase1Amount = 41, // phase p amount in 41 + p
        BasicPhase2Amount = 42,
        BasicPhase3Amount = 43,
        BasicPhase4Amount = 44,
        BasicPhase5Amount = 45,
        WidowsPensionAmount = 46, // 寡婦年金
        TransitionalAmount = 47,  // 経過的寡婦加算
        LumpSumAmount = 48,       // 年金(死亡一時金)
        RetirementAllowance = 49, // 死亡退職金
        Savings = 50,             // 貯蓄、その他
        WifeWorkIncome = 51,      // 妻の労働収入年額
        WifeOldAgePension = 52,   // 妻の老齢年金
        LifeExpectancy = 53,      // 妻の平均余命: the projection horizon N
        EmployeesPensionFrom = 54,
        EmployeesPensionTo = 55,
        WidowsPensionFrom = 56,
        WidowsPensionTo = 57,
        TransitionalFrom = 58,
        TransitionalTo = 59,
        LumpSumAge = 60,
        MiddleAgedTo = 61,
    };
    static constexpr int kCount = 62;
    static constexpr int kPhases = 5;
    static constexpr int kChildren = 5;
    // The pension record's field `field` (a PensionField) in this array.
    static constexpr Slot PensionRecordSlot(int field) { return static_cast<Slot>(NationalMonths + field); }
};

// Num4: the life insurance held (the husband's ages, 万円) and the chart's
// reference age.
struct HokenNum4 {
    enum Slot : int {
        Term1From = 0, // term policy p from/to/amount in 3p, 3p + 1, 3p + 2
        Term1To = 1,
        Term1Amount = 2,
        Term2From = 3,
        Term2To = 4,
        Term2Amount = 5,
        Term3From = 6,
        Term3To = 7,
        Term3Amount = 8,
        WholeLife1From = 9, // whole-life policy q from/amount in 9 + 2q, 10 + 2q
        WholeLife1Amount = 10,
        WholeLife2From = 11,
        WholeLife2Amount = 12,
        ReferenceAge = 13, // 基準となる妻の年齢
        RangeFrom = 14,    // 歳から
        RangeTo = 15,      // 歳の範囲で設定する
    };
    static constexpr int kCount = 16;
    static constexpr int kTermPolicies = 3;
    static constexpr int kWholeLifePolicies = 2;
};

// Date2: the base date and the dates of the three period calculators, the
// pension record's dates (PeriodDate) under the names of this screen.
struct HokenDate2 {
    enum Slot : int {
        BaseDate = PeriodDate::Reference,
        CompanyEntry = PeriodDate::EmployeesEntry, // 入社日, the start of the employees' pension
        EmployeeEnd = PeriodDate::EmployeesEnd,    // end of the period from April 2003
        NationalFrom = PeriodDate::NationalFrom,
        NationalTo = PeriodDate::NationalTo,
    };
    static constexpr int kCount = PeriodDate::Count;
};

// Fmt3: the insurance company and product names.
struct HokenFmt3 {
    enum Slot : int { Company = 0, Product = 1 };
    static constexpr int kCount = 2;
};

} // namespace izoku::engine
