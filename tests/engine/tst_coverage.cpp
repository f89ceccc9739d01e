#include "tst_needshousehold.h"

#include "engine/needs/comparison.h"
#include "engine/needs/coverage.h"
#include "engine/needs/insurance.h"

#include <QTest>

using namespace izoku::engine;
using izoku::test::EarningWidow;
using izoku::test::kToday;
using izoku::test::NeedsHousehold;
using izoku::test::RowValues;
using izoku::test::WorkedHousehold;
using Row = ProjectionSheet::Row;

namespace {

ChartOpening compare(NeedsHousehold &h)
{
    return CompareInsuranceWithCoverage(h.form(), kBaseData2009, kToday);
}

} // namespace

class TestCoverage : public QObject {
    Q_OBJECT
  private slots:
    void policies_data()
    {
        QTest::addColumn<QStringList>("num4"); // slots 0..12
        QTest::addColumn<int>("policyRow");
        QTest::addColumn<int>("fromAge");
        QTest::addColumn<int>("toAge"); // 999: to the end
        QTest::addColumn<double>("amount");
        const QString z = QStringLiteral("0");
        QTest::newRow("term 1, 30 to 60")
            << QStringList{"30", "60", "1000", z, z, z, z, z, z, z, z, z, z} << 43 << 30 << 60 << 10000000.0;
        QTest::newRow("term 3 from 50 beside term 1 from 30")
            << QStringList{"30", "60", "1000", z, z, z, "50", "70", "500", z, z, z, z} << 45 << 50 << 70 << 5000000.0;
        QTest::newRow("whole life 2 from 45")
            << QStringList{z, z, z, z, z, z, z, z, z, z, z, "45", "300"} << 47 << 45 << 999 << 3000000.0;
        QTest::newRow("amounts read by their leading number")
            << QStringList{z, z, z, "41", "42歳", "2000万", z, z, z, z, z, z, z} << 44 << 41 << 42 << 20000000.0;
    }
    void policies()
    {
        QFETCH(QStringList, num4);
        QFETCH(int, policyRow);
        QFETCH(int, fromAge);
        QFETCH(int, toAge);
        QFETCH(double, amount);
        NeedsHousehold h = WorkedHousehold();
        for (int i = 0; i < num4.size(); ++i)
            h.policy(i, num4[i]);
        h.calculate();
        QVERIFY(RegisterInsurance(h.form()).messages.empty());
        const ProjectionSheet &sheet = h.form().sheet;
        for (int column = 1; column <= sheet.yearColumns(); ++column) {
            const double age = sheet.value(Row::HusbandAge, column);
            QCOMPARE(sheet.value(policyRow, column), age >= fromAge && age <= toAge ? amount : 0.0);
            double total = 0;
            for (int r = Row::TermPolicy1; r < Row::InsuranceTotal; ++r)
                total += sheet.value(r, column);
            QCOMPARE(sheet.value(Row::InsuranceTotal, column), total);
        }
    }

    void incompletePolicies_data()
    {
        QTest::addColumn<int>("firstSlot");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("term 1 without its end age") << 0 << QStringList{"30", "0", "1000"};
        QTest::newRow("term 2 with an amount only") << 3 << QStringList{"0", "0", "500"};
        QTest::newRow("whole life 1 from age 0") << 9 << QStringList{"0", "300"};
        QTest::newRow("whole life 2 without an amount") << 11 << QStringList{"50", ""};
    }
    void incompletePolicies()
    {
        QFETCH(int, firstSlot);
        QFETCH(QStringList, fields);
        NeedsHousehold h = WorkedHousehold();
        h.policy(HokenNum4::Term1From, "30").policy(HokenNum4::Term1To, "35").policy(HokenNum4::Term1Amount, "100");
        h.calculate();
        QVERIFY(RegisterInsurance(h.form()).messages.empty());
        const QStringList before = h.form().sheet.rowTexts(Row::InsuranceTotal);
        for (int i = 0; i < fields.size(); ++i)
            h.policy(firstSlot + i, fields[i]);
        const CalculationOutcome outcome = RegisterInsurance(h.form());
        QVERIFY(outcome.stopped);
        QCOMPARE(outcome.messages,
                 Messages{Warning(QStringLiteral("該当の項目はすべて入力してください"), QStringLiteral("入力エラー"),
                                  QStringLiteral("Num4(%1)").arg(firstSlot), true)});
        QCOMPARE(h.form().sheet.rowTexts(Row::InsuranceTotal), before);
    }

    void registerBeforeAnyBaseCalculation()
    {
        NeedsHousehold h = WorkedHousehold();
        QCOMPARE(RegisterInsurance(h.form()).messages,
                 Messages{Warning(QStringLiteral("基礎計算実行ボタンを押してください"), QStringLiteral("エラー"))});
    }

    // Narrowing a policy's ages leaves nothing in the years that fell out.
    void registeringAgainClearsThePolicyRows()
    {
        NeedsHousehold h = WorkedHousehold();
        h.policy(HokenNum4::Term1From, "40").policy(HokenNum4::Term1To, "60").policy(HokenNum4::Term1Amount, "1000");
        h.calculate();
        QVERIFY(RegisterInsurance(h.form()).messages.empty());
        QCOMPARE(h.form().sheet.value(Row::TermPolicy1, 1), 10000000.0);
        h.policy(HokenNum4::Term1From, "50");
        QVERIFY(RegisterInsurance(h.form()).messages.empty());
        QCOMPARE(h.form().sheet.value(Row::TermPolicy1, 1), 0.0);
        QCOMPARE(h.form().sheet.value(Row::InsuranceTotal, 10), 0.0);
        QCOMPARE(h.form().sheet.value(Row::TermPolicy1, 11), 10000000.0);
    }

    void toTheEndOfTheHorizon()
    {
        NeedsHousehold h = WorkedHousehold();
        h.calculate();
        QVERIFY(ComputeCoverageToReference(h.form(), h.form().num1Value(HokenNum1::LifeExpectancy)));
        QCOMPARE(RowValues(h.form(), Row::ExpensesToReference), RowValues(h.form(), Row::ExpensesToEnd));
        QCOMPARE(RowValues(h.form(), Row::IncomeToReference), RowValues(h.form(), Row::IncomeToEnd));
        QCOMPARE(RowValues(h.form(), Row::ShortfallToReference), RowValues(h.form(), Row::ShortfallToEnd));
    }

    void toAReferenceYear_data()
    {
        QTest::addColumn<int>("years");
        QTest::newRow("Y = 0") << 0;
        QTest::newRow("Y = 10") << 10;
        QTest::newRow("Y = 26 (age 64)") << 26;
    }
    void toAReferenceYear()
    {
        QFETCH(int, years);
        NeedsHousehold h = WorkedHousehold();
        h.calculate();
        const FrmhokenForm &form = h.form();
        QVERIFY(ComputeCoverageToReference(h.form(), years));
        const ProjectionSheet &sheet = form.sheet;
        double expenses = 0, income = 0;
        for (int column = 1; column <= years + 1; ++column) {
            expenses += sheet.value(Row::ExpenseTotal, column);
            income += sheet.value(Row::IncomeTotal, column);
        }
        QCOMPARE(sheet.value(Row::ShortfallToReference, 1), expenses - income);
        QCOMPARE(sheet.value(Row::ShortfallToReference, years + 1),
                 sheet.value(Row::ExpenseTotal, years + 1) - sheet.value(Row::IncomeTotal, years + 1));
        for (int column = years + 2; column <= sheet.yearColumns(); ++column) {
            for (int r : {Row::ExpensesToReference, Row::IncomeToReference, Row::ShortfallToReference})
                QCOMPARE(sheet.text(r, column), QStringLiteral("0"));
        }
    }

    void oneOffItemsLeaveTheCoverageAlone()
    {
        NeedsHousehold plain = WorkedHousehold();
        compare(plain);
        NeedsHousehold h = WorkedHousehold();
        h.set(HokenNum1::RetirementAllowance, "20000000")
            .set(HokenNum1::Savings, "5000000")
            .set(HokenNum1::Funeral, "300");
        compare(h);
        QCOMPARE(RowValues(h.form(), Row::ShortfallToReference), RowValues(plain.form(), Row::ShortfallToReference));
        // The death lump sum, by contrast, is income of year 0.
        QVERIFY(h.form().sheet.value(Row::ShortfallToReference, 1) > 0);
    }

    void negativeCoverage()
    {
        NeedsHousehold h = EarningWidow();
        const ChartOpening opening = compare(h);
        QVERIFY(opening.chart);
        QVERIFY(h.form().sheet.value(Row::ShortfallToReference, 1) < 0);
        QVERIFY(opening.chart->series2.front() < 0);
        QVERIFY(opening.chart->listLines.front().startsWith(QStringLiteral("40歳   -")));
    }

    void comparisonChart_data()
    {
        QTest::addColumn<FrmhokenForm::Reference>("reference");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("lastLabel");
        QTest::newRow("reference age 64") << FrmhokenForm::Reference::ChosenAge << 27 << " 64歳";
        QTest::newRow("life expectancy") << FrmhokenForm::Reference::LifeExpectancy << 49 << " 86歳";
    }
    void comparisonChart()
    {
        QFETCH(FrmhokenForm::Reference, reference);
        QFETCH(int, rows);
        QFETCH(QString, lastLabel);
        NeedsHousehold h = WorkedHousehold();
        h.form().household.members[0].name = QStringLiteral("山田太郎");
        h.form().reference = reference;
        h.policy(HokenNum4::Term1From, "40").policy(HokenNum4::Term1To, "60").policy(HokenNum4::Term1Amount, " 3000万");
        const ChartOpening opening = compare(h);
        QVERIFY(opening.messages.empty());
        QVERIFY(opening.chart);
        const ChartFeed &chart = *opening.chart;
        const ProjectionSheet &sheet = h.form().sheet;
        QCOMPARE(chart.rows(), rows);
        QCOMPARE(chart.rowLabels.first(), QStringLiteral(" 38歳"));
        QCOMPARE(chart.rowLabels.last(), lastLabel);
        QCOMPARE(chart.name, QStringLiteral("山田太郎"));
        QCOMPARE(chart.series1.front(), 3000.0);
        QCOMPARE(chart.series2.front(), std::floor(sheet.value(Row::ShortfallToReference, 1) / 10000));
        QCOMPARE(chart.listLines.size(), rows);
        QCOMPARE(chart.listLines.first(),
                 QStringLiteral("38歳   ") +
                     QLocale(QLocale::Japanese).toString(sheet.value(Row::ShortfallToReference, 1), 'f', 0));
        QCOMPARE(chart.fields.value(HokenNum4::Term1Amount), QStringLiteral("3000"));
        QCOMPARE(chart.fields.value(HokenNum4::WholeLife1Amount + 2), QStringLiteral("0"));
        QCOMPARE(chart.fields.size(), 13);
    }

    void referenceAgeOutsideTheRange_data()
    {
        QTest::addColumn<QString>("age");
        QTest::newRow("below the wife's age") << "37";
        QTest::newRow("beyond the horizon") << "87";
    }
    void referenceAgeOutsideTheRange()
    {
        QFETCH(QString, age);
        NeedsHousehold h = WorkedHousehold();
        h.policy(HokenNum4::ReferenceAge, age);
        const ChartOpening opening = compare(h);
        QVERIFY(!opening.chart);
        QCOMPARE(opening.messages,
                 Messages({Warning(QStringLiteral("基準となる妻の年齢は38歳から86歳の範囲で入力してください"),
                                   QStringLiteral("入力エラー"), QStringLiteral("Num4(13)"))}));
    }

    void referenceAgeAtTheEnds_data()
    {
        QTest::addColumn<QString>("age");
        QTest::addColumn<int>("rows");
        QTest::newRow("the wife's age: Y = 0") << "38" << 1;
        QTest::newRow("the end of the horizon") << "86" << 49;
    }
    void referenceAgeAtTheEnds()
    {
        QFETCH(QString, age);
        QFETCH(int, rows);
        NeedsHousehold h = WorkedHousehold();
        h.policy(HokenNum4::ReferenceAge, age);
        const ChartOpening opening = compare(h);
        QVERIFY(opening.chart);
        QCOMPARE(opening.chart->rows(), rows);
    }

    // A stopped base calculation stops the comparison: the sheet it leaves
    // belongs to the earlier inputs.
    void comparisonAfterAStoppedBaseCalculation_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::newRow("wife now 60") << int(HokenNum1::WifeAge) << "60"
                                     << "年齢制限";
        QTest::newRow("pension data cleared") << int(HokenNum1::EmployeeMonthsTo2003) << ""
                                              << "入力エラー";
        QTest::newRow("too large") << int(HokenNum1::LivingCost) << "99999999"
                                   << "エラー";
    }
    void comparisonAfterAStoppedBaseCalculation()
    {
        QFETCH(int, slot);
        QFETCH(QString, text);
        QFETCH(QString, title);
        NeedsHousehold h = WorkedHousehold();
        QVERIFY(compare(h).chart);
        if (slot == HokenNum1::EmployeeMonthsTo2003)
            ClearPeriods(h.form());
        h.set(slot, text);
        const ChartOpening opening = compare(h);
        QCOMPARE(opening.messages.size(), size_t(1));
        QCOMPARE(opening.messages[0].title, title);
        QVERIFY(!opening.chart);
    }

    void incompletePolicyStillOpensTheChart()
    {
        NeedsHousehold h = WorkedHousehold();
        h.policy(HokenNum4::WholeLife1From, "0").policy(HokenNum4::WholeLife1Amount, "500");
        const ChartOpening opening = compare(h);
        QCOMPARE(opening.messages.size(), size_t(1));
        QCOMPARE(opening.messages[0].focus, QStringLiteral("Num4(9)"));
        QVERIFY(opening.chart);
        QCOMPARE(opening.chart->series1.front(), 0.0);
    }

    void comparisonWithoutAnySheet()
    {
        NeedsHousehold h;
        const ChartOpening opening = compare(h);
        QVERIFY(!opening.chart);
        QCOMPARE(opening.messages,
                 Messages({Warning(QStringLiteral("年金関連データを入力して下さい。"), QStringLiteral("入力エラー"))}));
    }

    void insuranceTooLargeForTheAxis()
    {
        NeedsHousehold h = WorkedHousehold();
        h.policy(HokenNum4::WholeLife1From, "40").policy(HokenNum4::WholeLife1Amount, "300000");
        const ChartOpening opening = compare(h);
        QVERIFY(!opening.chart);
        QCOMPARE(opening.messages.back().text, QStringLiteral("入力された金額が大きすぎるため計算できません。"));
    }
};

QTEST_GUILESS_MAIN(TestCoverage)
#include "tst_coverage.moc"
