#include "tst_needshousehold.h"

#include "engine/needs/projection.h"

#include <QTest>

using namespace izoku::engine;
using izoku::test::NeedsHousehold;
using izoku::test::RowValues;
using Row = ProjectionSheet::Row;

namespace {

// A salaried husband's widow without children, living cost 30 万円 a month.
NeedsHousehold widow(int wifeAge)
{
    NeedsHousehold h;
    h.husband("40", QDate(1986, 5, 1)).wife(wifeAge).salaried().set(HokenNum1::LivingCost, "30");
    return h;
}

double rowSum(const FrmhokenForm &form, int row)
{
    double sum = 0;
    for (double v : RowValues(form, row))
        sum += v;
    return sum;
}

} // namespace

class TestProjection : public QObject {
    Q_OBJECT
  private slots:
    void horizon_data()
    {
        QTest::addColumn<int>("wifeAge");
        QTest::addColumn<QString>("horizon");
        QTest::addColumn<int>("yearColumns");
        QTest::newRow("aged 0: no horizon") << 0 << "0" << 1;
        QTest::newRow("aged 23") << 23 << "62" << 63;
        QTest::newRow("aged 24 repeats 62") << 24 << "62" << 63;
        QTest::newRow("aged 25") << 25 << "61" << 62;
        QTest::newRow("aged 52") << 52 << "34" << 35;
        QTest::newRow("aged 53 repeats 34") << 53 << "34" << 35;
        QTest::newRow("aged 54") << 54 << "33" << 34;
        QTest::newRow("aged 59") << 59 << "28" << 29;
    }
    void horizon()
    {
        QFETCH(int, wifeAge);
        QFETCH(QString, horizon);
        QFETCH(int, yearColumns);
        NeedsHousehold h = widow(wifeAge);
        QVERIFY(!h.calculate().stopped);
        const FrmhokenForm &form = h.form();
        QCOMPARE(form.num1(HokenNum1::LifeExpectancy), horizon);
        QCOMPARE(form.sheet.rowCount(), 50);
        QCOMPARE(form.sheet.columnCount(), yearColumns + 1);
        QCOMPARE(form.sheet.text(Row::WifeAge, yearColumns), QString::number(wifeAge + yearColumns - 1));
        QCOMPARE(form.num4[HokenNum4::RangeFrom], QString::number(wifeAge));
        QCOMPARE(form.num4[HokenNum4::RangeTo], QString::number(wifeAge + horizon.toInt()));
    }

    // Only an age that reads as 0 has no horizon; 0.4 takes the entry of 0.
    void fractionalAgeTakesItsWholeEntry()
    {
        NeedsHousehold h = widow(0);
        h.set(HokenNum1::WifeAge, "0.4");
        QVERIFY(!h.calculate().stopped);
        QCOMPARE(h.form().num1(HokenNum1::LifeExpectancy), QStringLiteral("85"));
        QCOMPARE(h.form().sheet.text(Row::WifeAge, 2), QStringLiteral("1.4"));
        QCOMPARE(h.form().num4[HokenNum4::RangeTo], QStringLiteral("85.4"));
    }

    void labels()
    {
        NeedsHousehold h = widow(40);
        h.calculate();
        const ProjectionSheet &sheet = h.form().sheet;
        QCOMPARE(sheet.text(0, 0), QStringLiteral("夫年齢"));
        QCOMPARE(sheet.text(3, 0), QStringLiteral("2"));
        QCOMPARE(sheet.text(19, 0), QStringLiteral("15-18収入合計"));
        QCOMPARE(sheet.text(35, 0), QStringLiteral("20-34支出合計"));
        QCOMPARE(sheet.text(39, 0), QStringLiteral("収支計算"));
        QCOMPARE(sheet.text(42, 0), QStringLiteral("収支計算"));
        QCOMPARE(sheet.text(47, 0), QStringLiteral("2"));
        QCOMPARE(sheet.text(48, 0), QStringLiteral("任意集計"));
        QCOMPARE(sheet.text(49, 0), QString());
        QCOMPARE(sheet.text(49, 1), QStringLiteral("0"));
    }

    // School stages by birth date: born from 1 April, kindergarten at 4-5;
    // born in January to March, a year later.
    void educationBands_data()
    {
        QTest::addColumn<QDate>("birth");
        QTest::addColumn<QList<double>>("firstYears");
        const QList<double> setA{530000, 530000, 330000, 330000, 330000, 330000, 330000, 330000, 470000};
        const QList<double> setB{0, 530000, 530000, 330000, 330000, 330000, 330000, 330000, 330000};
        QTest::newRow("1 April: set A") << QDate(2022, 4, 1) << setA;
        QTest::newRow("31 December: set A") << QDate(2021, 12, 31) << setA;
        QTest::newRow("31 March: set B") << QDate(2022, 3, 31) << setB;
        QTest::newRow("1 January: set B") << QDate(2022, 1, 1) << setB;
    }
    void educationBands()
    {
        QFETCH(QDate, birth);
        QFETCH(QList<double>, firstYears);
        NeedsHousehold h = widow(35);
        h.child(2, 4, birth);
        h.calculate();
        const QList<double> education = RowValues(h.form(), Row::Education1 + 1);
        QCOMPARE(education.mid(0, firstYears.size()), firstYears);
        QCOMPARE(RowValues(h.form(), Row::Education1).mid(0, 3), QList<double>({0, 0, 0}));
    }

    void universityEndsAt21Or22_data()
    {
        QTest::addColumn<QDate>("birth");
        QTest::addColumn<int>("lastColumn");
        QTest::newRow("set A: to 21") << QDate(2008, 4, 1) << 4; // aged 18 now
        QTest::newRow("set B: to 22") << QDate(2008, 3, 31) << 5;
    }
    void universityEndsAt21Or22()
    {
        QFETCH(QDate, birth);
        QFETCH(int, lastColumn);
        NeedsHousehold h = widow(45);
        h.child(1, 18, birth);
        h.calculate();
        const ProjectionSheet &sheet = h.form().sheet;
        QCOMPARE(sheet.value(Row::Education1, lastColumn), 1320000.0);
        QCOMPARE(sheet.value(Row::Education1, lastColumn + 1), 0.0);
    }

    void livingCost_data()
    {
        QTest::addColumn<QString>("monthly");
        QTest::addColumn<double>("wife");
        QTest::addColumn<double>("children");
        QTest::newRow("30 万円") << "30" << 1800000.0 << 720000.0;
        QTest::newRow("0.1 万円 rounds down to 0") << "0.1" << 0.0 << 0.0;
        QTest::newRow("25.5 万円") << "25.5" << 1530000.0 << 610000.0;
    }
    void livingCost()
    {
        QFETCH(QString, monthly);
        QFETCH(double, wife);
        QFETCH(double, children);
        NeedsHousehold h = widow(40);
        h.child(1, 20).set(HokenNum1::LivingCost, monthly);
        h.calculate();
        const ProjectionSheet &sheet = h.form().sheet;
        // The child is 20 now: the household lives on 70 % for three years.
        for (int column = 1; column <= sheet.yearColumns(); ++column) {
            QCOMPARE(sheet.value(Row::WifeLivingCost, column), wife);
            QCOMPARE(sheet.value(Row::ChildrenLivingCost, column), column <= 3 ? children : 0.0);
            QCOMPARE(sheet.text(Row::ChildUnder23, column), column <= 3 ? QStringLiteral("1") : QStringLiteral("0"));
        }
    }

    void absentChildIsNotCounted()
    {
        NeedsHousehold h = widow(40);
        h.child(1, 10);
        h.form().household.members[HouseholdIndex::Child1].present = false;
        h.calculate();
        QCOMPARE(rowSum(h.form(), Row::ChildUnder23), 0.0);
        QCOMPARE(rowSum(h.form(), Row::Education1), 0.0);
        QCOMPARE(rowSum(h.form(), Row::Child1Age), 0.0);
    }

    void support_data()
    {
        QTest::addColumn<QString>("age1");
        QTest::addColumn<QString>("age2");
        QTest::addColumn<int>("paidColumn");
        QTest::addColumn<double>("amount");
        QTest::newRow("support at the current age") << "12"
                                                    << "0" << 1 << 1000000.0;
        QTest::newRow("support at 22") << "22"
                                       << "0" << 11 << 1000000.0;
        QTest::newRow("second support replaces the first") << "22"
                                                           << "22" << 11 << 3000000.0;
        QTest::newRow("ages 0 pay nothing") << "0"
                                            << "0" << 0 << 0.0;
    }
    void support()
    {
        QFETCH(QString, age1);
        QFETCH(QString, age2);
        QFETCH(int, paidColumn);
        QFETCH(double, amount);
        NeedsHousehold h = widow(40);
        h.child(1, 12).set(HokenNum1::Support1Age, age1).set(HokenNum1::Support1Amount, "100");
        h.set(HokenNum1::Support2Age, age2).set(HokenNum1::Support2Amount, "300");
        h.calculate();
        const QList<double> support = RowValues(h.form(), Row::Support1);
        for (int column = 1; column <= support.size(); ++column)
            QCOMPARE(support[column - 1], column == paidColumn ? amount : 0.0);
        QCOMPARE(h.form().sheet.value(Row::ExpenseTotal, qMax(paidColumn, 1)),
                 h.form().sheet.value(Row::WifeLivingCost, 1) + h.form().sheet.value(Row::ChildrenLivingCost, 1) +
                     h.form().sheet.value(Row::Education1, qMax(paidColumn, 1)) + amount);
    }

    void wifeEarningsAndOwnPension()
    {
        NeedsHousehold h = widow(40);
        h.set(HokenNum1::WifeWorkFrom, "41").set(HokenNum1::WifeWorkTo, "50").set(HokenNum1::WifeWorkIncome, "2000000");
        h.set(HokenNum1::WifeOldAgePension, "792100円");
        h.calculate();
        const ProjectionSheet &sheet = h.form().sheet;
        for (int column = 1; column <= sheet.yearColumns(); ++column) {
            const double age = sheet.value(Row::WifeAge, column);
            QCOMPARE(sheet.value(Row::WifeEarnings, column), age >= 41 && age <= 50 ? 2000000.0 : 0.0);
            // The wife's own pension is copied as the field shows it.
            QCOMPARE(sheet.text(Row::WifeOwnPension, column),
                     age >= 65 ? QStringLiteral("792100円") : QStringLiteral("0"));
            QCOMPARE(sheet.value(Row::WifeIncomeTotal, column),
                     sheet.value(Row::WifeEarnings, column) + sheet.value(Row::WifeOwnPension, column));
        }
    }

    // The transitional addition is paid from 65 to the end of the horizon.
    void transitionalFrom65()
    {
        NeedsHousehold h = widow(40);
        h.calculate();
        FrmhokenForm &form = h.form();
        form.num1(HokenNum1::TransitionalAmount) = QStringLiteral("19900");
        form.num1(HokenNum1::TransitionalFrom) = QStringLiteral("70");
        QVERIFY(PlacePensions(form));
        for (int column = 1; column <= form.sheet.yearColumns(); ++column)
            QCOMPARE(form.sheet.value(Row::TransitionalAddition, column),
                     form.sheet.value(Row::WifeAge, column) >= 65 ? 19900.0 : 0.0);
        QCOMPARE(form.sheet.value(Row::TransitionalAddition, form.sheet.yearColumns()), 19900.0);
    }

    // On this sheet an end age of 0 is no open end.
    void endAgeZeroPaysNothing()
    {
        NeedsHousehold h = widow(40);
        h.calculate();
        FrmhokenForm &form = h.form();
        form.num1(HokenNum1::EmployeesPensionTo) = QStringLiteral("0");
        PrepareSheet(form);
        for (int column = 1; column <= form.sheet.yearColumns(); ++column)
            form.sheet.setNumber(Row::WifeAge, column, 40 + column - 1);
        QVERIFY(PlacePensions(form));
        QCOMPARE(rowSum(form, Row::EmployeesPension), 0.0);
    }

    void oneOffItemsStayOutOfTheTotals()
    {
        NeedsHousehold plain = widow(40);
        plain.calculate();
        NeedsHousehold withOneOffs = widow(40);
        withOneOffs.set(HokenNum1::RetirementAllowance, "5000000").set(HokenNum1::Savings, "3000000");
        withOneOffs.set(HokenNum1::Funeral, "200");
        withOneOffs.calculate();
        const ProjectionSheet &sheet = withOneOffs.form().sheet;
        QCOMPARE(sheet.value(Row::RetirementAllowance, 1), 5000000.0);
        QCOMPARE(sheet.value(Row::Savings, 1), 3000000.0);
        QCOMPARE(sheet.value(Row::Funeral, 1), 2000000.0);
        for (int row : {Row::RetirementAllowance, Row::Savings, Row::Funeral})
            QCOMPARE(rowSum(withOneOffs.form(), row), sheet.value(row, 1));
        for (int row = Row::WifeIncomeTotal; row <= Row::ShortfallToEnd; ++row) {
            if (row != Row::Funeral)
                QCOMPARE(RowValues(withOneOffs.form(), row), RowValues(plain.form(), row));
        }
    }

    void remainingSums()
    {
        NeedsHousehold h = izoku::test::WorkedHousehold();
        h.set(HokenNum1::Housing, "12");
        h.calculate();
        const FrmhokenForm &form = h.form();
        const ProjectionSheet &sheet = form.sheet;
        const int last = sheet.yearColumns();
        QCOMPARE(sheet.value(Row::IncomeToEnd, 1), rowSum(form, Row::IncomeTotal));
        QCOMPARE(sheet.value(Row::ExpensesToEnd, 1), rowSum(form, Row::ExpenseTotal));
        QCOMPARE(sheet.value(Row::IncomeToEnd, last), sheet.value(Row::IncomeTotal, last));
        QCOMPARE(sheet.value(Row::ExpensesToEnd, last), sheet.value(Row::ExpenseTotal, last));
        QCOMPARE(sheet.value(Row::ShortfallToEnd, 1), rowSum(form, Row::ExpenseTotal) - rowSum(form, Row::IncomeTotal));
        for (int column = 1; column <= last; ++column) {
            QCOMPARE(sheet.value(Row::IncomeTotal, column),
                     sheet.value(Row::PensionTotal, column) + sheet.value(Row::WifeIncomeTotal, column));
            QCOMPARE(sheet.value(Row::Housing, column), 120000.0);
        }
        // Year 0 of the worked household: basic pension with one child and
        // the short-requirement survivors' employees' pension; living costs
        // at 70 % and elementary school.
        QCOMPARE(sheet.value(Row::PensionTotal, 1), 1020000.0 + 477800.0);
        QCOMPARE(sheet.value(Row::ExpenseTotal, 1), 1800000.0 + 720000.0 + 330000.0 + 120000.0);
    }

    void sumsTooLargeForTheYearStopTheCalculation()
    {
        NeedsHousehold h = widow(40);
        h.set(HokenNum1::LivingCost, "99999999");
        const CalculationOutcome outcome = h.calculate();
        QVERIFY(outcome.stopped);
        QCOMPARE(outcome.messages.size(), size_t(1));
        QCOMPARE(outcome.messages[0].text, QStringLiteral("入力された金額が大きすぎるため計算できません。"));
        QCOMPARE(outcome.messages[0].title, QStringLiteral("エラー"));
        QVERIFY(!h.form().sheet.exists());
    }

    void sumOverTheHorizonTooLarge()
    {
        // 600 万円 a month fits a year's sum; 62 years of it do not.
        NeedsHousehold h = widow(25);
        h.set(HokenNum1::LivingCost, "600");
        const CalculationOutcome outcome = h.calculate();
        QVERIFY(outcome.stopped);
        QCOMPARE(outcome.messages.back().text, QStringLiteral("入力された金額が大きすぎるため計算できません。"));
    }
};

QTEST_GUILESS_MAIN(TestProjection)
#include "tst_projection.moc"
