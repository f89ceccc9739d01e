#pragma once

#include "membership.h"
#include "pensionschedule.h"

#include "engine/basedata/basedata.h"
#include "engine/forms/calculationoutcome.h"
#include "engine/forms/household.h"
#include "engine/forms/pensionrecord.h"

#include <QDate>
#include <QString>

#include <array>

// What the survivors' pension screen FrmRavo holds, field by field, as the
// agent sees it: the window copies its widgets into this form, runs one of
// the operations below and copies the texts back.
namespace izoku::engine {

// The six pension fields and the date pickers beside them (DTPicker2) are
// the pension record both calculation screens share.
using Text6 = PensionField;

// The thirty result fields (Num4): ages of the wife and yearly amounts.
struct BenefitSlots {
    enum : int {
        EmployeesPensionFirstAge = 0,
        EmployeesPensionLastAge = 1, // "0": paid for life
        BasicPensionFirstAge = 2,    // phase p: first age 2 + 2p, last age 3 + 2p
        BasicPensionLastAge = 3,
        MiddleAgedFirstAge = 12,
        MiddleAgedLastAge = 13,
        TransitionalFirstAge = 14,
        TransitionalLastAge = 15,
        WidowsPensionFirstAge = 16,
        WidowsPensionLastAge = 17,
        LumpSumAge = 18,
        Unused = 19,
        EmployeesPensionAmount = 20,
        BasicPensionAmount = 21, // phase p: 21 + p
        MiddleAgedAmount = 26,
        TransitionalAmount = 27,
        WidowsPensionAmount = 28,
        LumpSumAmount = 29,
        Count = 30,
    };
    static constexpr int PhaseFirstAge(int phase) { return BasicPensionFirstAge + 2 * phase; }
    static constexpr int PhaseLastAge(int phase) { return BasicPensionLastAge + 2 * phase; }
    static constexpr int PhaseAmount(int phase) { return BasicPensionAmount + phase; }
};

// The numeric labels of the four formula panels (Num3) and the national
// pension month display.
struct Num3 {
    enum : int {
        ShortOldMonthlyRemuneration = 0,
        ShortOldRate1 = 1,
        ShortOldMonthsTo2003 = 2,
        ShortOldRemuneration = 3,
        ShortOldRate2 = 4,
        ShortOldMonthsFrom2003 = 5,
        ShortOldSlideRate = 6,
        ShortOldPartA = 7,
        ShortOldPartB = 8,
        ShortOldCappedMonths = 9,
        ShortOldAmount = 10,
        ShortNewMonthlyRemuneration = 11,
        ShortNewRate1 = 12,
        ShortNewMonthsTo2003 = 13,
        ShortNewRemuneration = 14,
        ShortNewRate2 = 15,
        ShortNewMonthsFrom2003 = 16,
        ShortNewSlideRate = 17,
        ShortNewPartA = 18,
        ShortNewPartB = 19,
        ShortNewCappedMonths = 20,
        ShortNewAmount = 21,
        LongOldMonthlyRemuneration = 22,
        LongOldRate1 = 23,
        LongOldMonthsTo2003 = 24,
        LongOldRemuneration = 25,
        LongOldRate2 = 26,
        LongOldMonthsFrom2003 = 27,
        LongOldSlideRate = 28,
        LongOldPartA = 29,
        LongOldPartB = 30,
        LongNewMonthlyRemuneration = 31,
        LongOldAmount = 32,
        LongNewRate1 = 33,
        LongNewMonthsTo2003 = 34,
        LongNewRemuneration = 35,
        LongNewRate2 = 36,
        LongNewMonthsFrom2003 = 37,
        LongNewSlideRate = 38,
        LongNewPartA = 39,
        LongNewPartB = 40,
        NationalPensionMonths = 41,
        LongNewAmount = 42,
        Count = 43,
    };
};

struct FrmRavoForm {
    Household household;
    Membership membership = Membership::Employee;             // Option1
    SurvivorChoice choice = SurvivorChoice::EmployeesPension; // Option2 / Option3
    std::array<QString, Text6::Count> text6;
    std::array<QDate, PeriodDate::Count> dates; // DTPicker2
    std::array<QString, BenefitSlots::Count> num4;
    std::array<QString, Num3::Count> num3;
    PensionSchedule schedule;
    QString lawCaption; // lblLaw: the fiscal year and law the figures follow
    // The old-formula panels' caption before their factor.
    QString oldFormulaCaption;

    // Option1, Option2 / Option3, Text6, DTPicker2 and the national months
    // in Num3(41).
    PensionRecord pensionRecord();
    ConstPensionRecord pensionRecord() const;

    bool operator==(const FrmRavoForm &) const = default;
};

// The window's field name for a message's focus: "Text6(2)".
QString Text6FieldName(int index);

// The check of "年金計算" that follows the wife's age limit: the wife's age
// and those of the ticked children must be numbers of at least 0; the
// first that is not gets its message and the focus on its age field.
std::optional<Message> CheckHouseholdAges(const FrmRavoForm &form);

// The screen as it opens: household block fresh, every date today,
// employees' pension membership, the slide rate from the base figures.
void OpenFrmRavo(FrmRavoForm &form, const BaseData &baseData, const QDate &today);

// Another fiscal year in use (chosen on the menu, or stored again on the
// maintenance screen): its slide rate into Text6(5), as the opening puts
// it there, and its year and law into lblLaw.  Nothing else the agent typed
// or the last calculation showed changes.
CalculationOutcome TakeBaseFigures(FrmRavoForm &form, const BaseData &baseData);

// Every operation below is a button or a focus change of the screen.  The
// pension record's own buttons are the operations of pensionrecord.h on
// pensionRecord(); "年金計算" is RunPensionCalculation (pensioncalculation.h).

// "Now": the reference date of the automatic age entry back to today.
CalculationOutcome SetBaseDateToday(FrmRavoForm &form, const QDate &today);
// "年齢計算".
CalculationOutcome ComputeAges(FrmRavoForm &form, const QDate &today);
// The focus leaves birth date `index` (0 夫, 1 妻, 2..6 子1..子5): the
// age against the reference date.
CalculationOutcome LeaveBirthDate(FrmRavoForm &form, int index, const QDate &today);
// The CE under one column of the household block.
CalculationOutcome ClearHouseholdColumn(FrmRavoForm &form, HouseholdColumn column, const QDate &today);

// "AC": the household block only; the pension record and results stay.
CalculationOutcome ClearHousehold(FrmRavoForm &form, const QDate &today);
// "表示 CE": every result slot "0" and an empty schedule sized for the
// wife's age as it stands.
CalculationOutcome ClearResults(FrmRavoForm &form);

} // namespace izoku::engine
