#include "frmhokenform.h"

#include "engine/pension/formulapanels.h"
#include "engine/text/numbertext.h"

namespace izoku::engine {

namespace {

using N = HokenNum1;

// The pension record's fields sit in Num1 in their own order.
static_assert(N::PensionRecordSlot(PensionField::NationalPaidMonths) == N::NationalMonths);
static_assert(N::PensionRecordSlot(PensionField::MonthsTo2003) == N::EmployeeMonthsTo2003);
static_assert(N::PensionRecordSlot(PensionField::MonthlyRemunerationTo2003) == N::AverageMonthlyRemuneration);
static_assert(N::PensionRecordSlot(PensionField::MonthsFrom2003) == N::EmployeeMonthsFrom2003);
static_assert(N::PensionRecordSlot(PensionField::RemunerationFrom2003) == N::AverageRemuneration);
static_assert(N::PensionRecordSlot(PensionField::SlideRate) == N::SlideRate);
template <typename Record, typename Form, typename Texts> Record recordOf(Form &form, Texts &num1)
{
    using Fields = decltype(Record::fields);
    return {form.option1, form.choice, Fields(num1.data() + N::NationalMonths, PensionField::Count), form.date2,
            num1[N::PeriodMonths]};
}

} // namespace

FrmhokenForm::FrmhokenForm()
    : num3(OpeningPanelTexts())
{
    for (int i = 0; i < HouseholdIndex::Count; ++i)
        household.members[static_cast<size_t>(i)].role = Household::DefaultRole(i);

    // The texts the screen shows before anything is typed; ages, age ranges
    // and the basic pension phases start empty.
    const QString zero = QStringLiteral("0");
    for (int slot : {N::NationalMonths,
                     N::EmployeeMonthsTo2003,
                     N::AverageMonthlyRemuneration,
                     N::EmployeeMonthsFrom2003,
                     N::AverageRemuneration,
                     N::PeriodMonths,
                     N::LivingCost,
                     N::Support1Age,
                     N::Support1Amount,
                     N::Support2Age,
                     N::Support2Amount,
                     N::Housing,
                     N::Funeral,
                     N::EmployeesPensionAmount,
                     N::MiddleAgedAmount,
                     N::BasicPhase1Amount,
                     N::BasicPhase2Amount,
                     N::BasicPhase3Amount,
                     N::BasicPhase4Amount,
                     N::BasicPhase5Amount,
                     N::WidowsPensionAmount,
                     N::TransitionalAmount,
                     N::LumpSumAmount,
                     N::RetirementAllowance,
                     N::Savings,
                     N::WifeWorkIncome})
        m_num1[static_cast<size_t>(slot)] = zero;
    m_num1[HokenNum1::SlideRate] = PlainNumber(kDefaultSlideRate);
    m_num1[HokenNum1::WifeWorkTo] = QStringLiteral("50");
    // Yearly school costs (万円) of the education-cost survey the agent quotes.
    m_num1[HokenNum1::Kindergarten] = QStringLiteral("53");
    m_num1[HokenNum1::Elementary] = QStringLiteral("33");
    m_num1[HokenNum1::JuniorHigh] = QStringLiteral("47");
    m_num1[HokenNum1::HighSchool] = QStringLiteral("52");
    m_num1[HokenNum1::University] = QStringLiteral("132");
    // Until the agent knows better, the wife's own pension is the full
    // old-age basic pension.
    m_num1[HokenNum1::WifeOldAgePension] = PlainNumber(kBaseData2009.BasicPensionAmount);

    num4.fill(zero);
    num4[HokenNum4::ReferenceAge] = QStringLiteral("64");
}

QString &FrmhokenForm::num1(int slot)
{
    if (slot < HouseholdIndex::Count)
        return household.members[static_cast<size_t>(slot)].age;
    return m_num1[static_cast<size_t>(slot)];
}

const QString &FrmhokenForm::num1(int slot) const
{
    if (slot < HouseholdIndex::Count)
        return household.members[static_cast<size_t>(slot)].age;
    return m_num1[static_cast<size_t>(slot)];
}

PensionRecord FrmhokenForm::pensionRecord()
{
    return recordOf<PensionRecord>(*this, m_num1);
}

ConstPensionRecord FrmhokenForm::pensionRecord() const
{
    return recordOf<ConstPensionRecord>(*this, m_num1);
}

double FrmhokenForm::num1Value(int slot) const
{
    return LeadingNumber(num1(slot));
}

bool FrmhokenForm::childPresent(int child) const
{
    return household.members[static_cast<size_t>(HouseholdIndex::Child1 + child - 1)].present;
}

double FrmhokenForm::num4Value(int slot) const
{
    return LeadingNumber(num4[static_cast<size_t>(slot)]);
}

} // namespace izoku::engine
