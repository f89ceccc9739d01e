#include "frmhokenform.h"

#include "engine/pension/formulapanels.h"
#include "engine/text/numbertext.h"

namespace izoku::engine {

FrmhokenForm::FrmhokenForm()
    : num3(OpeningPanelTexts())
{
    for (int i = 0; i < HouseholdIndex::Count; ++i)
        household.members[static_cast<size_t>(i)].role = Household::DefaultRole(i);

    // The texts the screen shows before anything is typed; ages, age ranges
    // and the basic pension phases start empty.
    const QString zero = QStringLiteral("0");
    for (int slot :
         {7, 8, 9, 10, 11, 13, 16, 22, 23, 24, 25, 26, 27, 28, 30, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51})
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
