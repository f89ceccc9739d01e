// The needs screen's keys: its panels' tables, and the walk Enter takes
// across the panels as the agent fills the screen in.
#include "frmhoken.h"

#include "buttonrow.h"
#include "expensepanel.h"
#include "familypanel.h"
#include "incomepanel.h"
#include "insurancepanel.h"

#include "ui/app/focusmap.h"
#include "ui/app/keytable.h"
#include "ui/forms/householdpanel.h"
#include "ui/forms/pensionrecordpanel.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace izoku::ui {

void Frmhoken::installKeys()
{
    using N = engine::HokenNum1;
    KeyTable keys(this);
    const HouseholdPanel &household = *m_family->household;
    keys.add(household.keyRows(), [&household](HouseholdPanel::Field field) { return household.widget(field); });
    const auto slot = [this](auto field) { return m_fields.widget(field); };
    keys.add(PensionRecordPanel::needsKeys(), slot);
    keys.add(IncomePanel::keyRows(), slot);
    keys.add(ExpensePanel::keyRows(), slot);
    m_insurance->addKeys(keys);
    // Enter walks the screen as the agent fills it in: the household, the
    // husband's record, the wife's earnings and the expenses, the insurance
    // held, and the base calculation, pressed twice with Enter.
    keys.enter(m_fields.widget(N::Child5Age), m_fields.widget(N::NationalMonths))
        .enter(m_fields.widget(N::Funeral), m_insurance->fmt3[engine::HokenFmt3::Company])
        .enter(m_fields.widget(engine::HokenNum4::WholeLife2Amount), m_buttons->base);
    // From the national months a salaried husband's record goes on into his
    // employees' months, a self-employed husband's to the lump sums the
    // family will have (死亡退職金, 貯蓄) and the wife's earnings; Ctrl comes
    // back the same way.
    FocusMap *focus = &keys.focusMap();
    const auto followMembership = [this, focus] {
        const bool employee = m_pension->employeeMember->isChecked();
        focus->add(m_fields.widget(N::NationalMonths), FocusKey::Enter,
                   m_fields.widget(employee ? N::EmployeeMonthsTo2003 : N::RetirementAllowance));
        focus->add(m_fields.widget(N::RetirementAllowance), FocusKey::Ctrl,
                   m_fields.widget(employee ? N::AverageRemuneration : N::NationalMonths));
    };
    connect(m_pension->employeeMember, &QRadioButton::toggled, this, followMembership);
    followMembership();
    focus->add(m_fields.widget(N::EmployeeMonthsTo2003), FocusKey::Ctrl, m_fields.widget(N::NationalMonths));
    keys.ctrlBackAlongEnter();
    SetTabOrder(this, m_family->tabOrder() + m_pension->tabOrder() + m_income->tabOrder() + m_expenses->tabOrder() +
                          QList<QWidget *>{m_buttons->base} + m_insurance->tabOrder() +
                          QList<QWidget *>{m_buttons->save});
}

} // namespace izoku::ui
