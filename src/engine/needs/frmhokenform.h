#pragma once

#include "engine/basedata/basedata.h"
#include "engine/forms/household.h"
#include "engine/forms/message.h"
#include "engine/forms/pensionrecord.h"
#include "engine/needs/calculationpanel.h"
#include "engine/needs/frmhokenslots.h"
#include "engine/needs/projectionsheet.h"
#include "engine/pension/membership.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace izoku::engine {

// What the needs-analysis screen (保険診断) holds: every field as the agent
// typed it or a calculation wrote it, the hidden life-expectancy list and the
// projection sheet.  A window binds its widgets to these members one to one;
// the command-line tool fills them from JSON.  The calculations of the
// screen take this form, read its texts by the number conventions and write
// texts back, exactly as the screen shows them.
struct FrmhokenForm {
    // Option4 / Option5: up to which year the coverage is summed.
    enum class Reference { LifeExpectancy, ChosenAge };

    FrmhokenForm();

    // Fmt4, Fmt1, Date1, Check1, Check2 and the ages, which are Num1 slots
    // 0..6 of this screen.
    Household household;

    // Num1 slot 0..61; slots 0..6 are the household's age fields.
    QString &num1(int slot);
    const QString &num1(int slot) const;
    double num1Value(int slot) const;

    std::array<QDate, HokenDate2::kCount> date2;
    Membership option1 = Membership::Employee;
    SurvivorChoice choice = SurvivorChoice::EmployeesPension; // Option2 / Option3
    std::array<QString, HokenFmt3::kCount> fmt3;
    std::array<QString, HokenNum4::kCount> num4;
    double num4Value(int slot) const;
    Reference reference = Reference::ChosenAge;

    // The calculation-process panel (遺族厚生年金計算シート).
    PanelTexts num3;

    // List7: projection years by the wife's age, filled when the screen opens.
    QStringList list7;

    ProjectionSheet sheet;

    // lblLaw: the fiscal year and law the figures follow.
    QString lawCaption;
    // The old-formula panels' caption before their factor.
    QString oldFormulaCaption;

    // Option1, Option2 / Option3, Num1 7..13 and Date2.
    PensionRecord pensionRecord();
    ConstPensionRecord pensionRecord() const;

    bool childPresent(int child) const; // child 1..5
    QDate birthDate(int index) const { return household.members[static_cast<size_t>(index)].birth; }

  private:
    std::array<QString, HokenNum1::kCount> m_num1;
};

} // namespace izoku::engine
