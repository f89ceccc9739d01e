#pragma once

// Households for the needs-analysis tests: a form opened as the window opens
// it on 2026-12-08 with the fiscal-2009 base figures, filled line by line.
#include "testday.h"

#include "engine/needs/basecalculation.h"
#include "engine/needs/frmhokenbuttons.h"
#include "engine/needs/frmhokenform.h"

#include <QDate>
#include <QList>
#include <QString>

namespace izoku::test {

using namespace izoku::engine;

class NeedsHousehold {
  public:
    NeedsHousehold() { OpenFrmhoken(m_form, kBaseData2009, kToday); }

    NeedsHousehold &husband(const QString &age, const QDate &birth)
    {
        return member(HouseholdIndex::Husband, age, birth);
    }
    // A wife whose birth date gives `age` on 2026-12-08 unless stated.
    NeedsHousehold &wife(int age, QDate birth = QDate())
    {
        return member(HouseholdIndex::Wife, QString::number(age), birth.isValid() ? birth : QDate(2026 - age, 1, 2));
    }
    NeedsHousehold &child(int k, int age, QDate birth = QDate(), bool disabled = false)
    {
        member(HouseholdIndex::Child1 + k - 1, QString::number(age), birth.isValid() ? birth : QDate(2026 - age, 1, 2));
        m_form.household.members[HouseholdIndex::Child1 + k - 1].present = true;
        m_form.household.members[HouseholdIndex::Child1 + k - 1].disabled = disabled;
        return *this;
    }
    // The worked record: 120 months at 300,000 yen, 60 months at 400,000
    // yen (short, new 477800; long, new 286700).
    NeedsHousehold &salaried()
    {
        m_form.option1 = Membership::Employee;
        return set(HokenNum1::EmployeeMonthsTo2003, "120")
            .set(HokenNum1::AverageMonthlyRemuneration, "300000")
            .set(HokenNum1::EmployeeMonthsFrom2003, "60")
            .set(HokenNum1::AverageRemuneration, "400000");
    }
    NeedsHousehold &selfEmployed(const QString &nationalMonths)
    {
        m_form.option1 = Membership::National;
        return set(HokenNum1::NationalMonths, nationalMonths);
    }
    NeedsHousehold &set(int slot, const QString &text)
    {
        m_form.num1(slot) = text;
        return *this;
    }
    NeedsHousehold &policy(int slot, const QString &text)
    {
        m_form.num4[static_cast<size_t>(slot)] = text;
        return *this;
    }

    FrmhokenForm &form() { return m_form; }
    CalculationOutcome calculate() { return RunBaseCalculation(m_form, kBaseData2009, kToday); }

  private:
    NeedsHousehold &member(int index, const QString &age, const QDate &birth)
    {
        m_form.household.members[index].age = age;
        m_form.household.members[index].birth = birth;
        return *this;
    }

    FrmhokenForm m_form;
};

// One sheet row over the year columns.
inline QList<double> RowValues(const FrmhokenForm &form, int row)
{
    QList<double> values;
    for (int column = 1; column <= form.sheet.yearColumns(); ++column)
        values << form.sheet.value(row, column);
    return values;
}

// The worked household: the husband 40, salaried with the worked record; the
// wife 38 (born 1988-06-10); one child of 8 born 2018-07-01; living cost 30
// 万円 a month.
inline NeedsHousehold WorkedHousehold()
{
    NeedsHousehold h;
    h.husband("40", QDate(1986, 5, 1)).wife(38, QDate(1988, 6, 10)).child(1, 8, QDate(2018, 7, 1)).salaried();
    h.set(HokenNum1::LivingCost, "30");
    return h;
}

// A widow whose own earnings exceed every expense: the coverage is negative
// and the comparison chart's peak is the insurance alone.
inline NeedsHousehold EarningWidow()
{
    NeedsHousehold h;
    h.husband("40", QDate(1986, 5, 1)).wife(40).salaried();
    h.set(HokenNum1::WifeWorkFrom, "0").set(HokenNum1::WifeWorkTo, "120").set(HokenNum1::WifeWorkIncome, "10000000");
    return h;
}

} // namespace izoku::test
