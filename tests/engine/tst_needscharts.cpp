#include "tst_needshousehold.h"

#include "engine/needs/needscharts.h"

#include <QTest>

using namespace izoku::engine;
using izoku::test::EarningWidow;
using izoku::test::kToday;
using izoku::test::NeedsHousehold;
using izoku::test::WorkedHousehold;
using Row = ProjectionSheet::Row;

// The three chart feeds of the needs-analysis screen: rows, labels, axis
// maxima and what the chart windows are given besides.
class TestNeedsCharts : public QObject {
    Q_OBJECT
  private slots:
    void coverageAxis_data()
    {
        QTest::addColumn<QString>("wholeLife");
        QTest::addColumn<int>("axis");
        QTest::newRow("3500 万円 -> 4000") << "3500" << 4000;
        QTest::newRow("2345 万円 -> 3000") << "2345" << 3000;
        QTest::newRow("9500 万円 -> 10000") << "9500" << 10000;
        QTest::newRow("234 万円 -> 300") << "234" << 300;
        QTest::newRow("50 万円: no digit rule, nice 50") << "50" << 50;
        QTest::newRow("5 万円: at least 10") << "5" << 10;
    }
    void coverageAxis()
    {
        QFETCH(QString, wholeLife);
        QFETCH(int, axis);
        NeedsHousehold h = EarningWidow();
        h.policy(HokenNum4::WholeLife1From, "40").policy(HokenNum4::WholeLife1Amount, wholeLife);
        const ChartOpening opening = CompareInsuranceWithCoverage(h.form(), kBaseData2009, kToday);
        QVERIFY(opening.chart);
        QCOMPARE(opening.chart->axisMaximum, axis);
        // The chart window is filled later from the form the comparison left.
        QCOMPARE(ShowCoverageChart(h.form()).chart, opening.chart);
    }

    void coverageChartRefused_data()
    {
        QTest::addColumn<bool>("calculated");
        QTest::addColumn<QString>("referenceAge");
        QTest::addColumn<QString>("message");
        QTest::newRow("no sheet yet") << false << "64"
                                      << "基礎計算実行ボタンを押してください";
        QTest::newRow("reference age changed out of range")
            << true << "95"
            << "基準となる妻の年齢は40歳から86歳の範囲で入力してください";
    }
    void coverageChartRefused()
    {
        QFETCH(bool, calculated);
        QFETCH(QString, referenceAge);
        QFETCH(QString, message);
        NeedsHousehold h = EarningWidow();
        if (calculated)
            QVERIFY(CompareInsuranceWithCoverage(h.form(), kBaseData2009, kToday).chart);
        h.policy(HokenNum4::ReferenceAge, referenceAge);
        const ChartOpening opening = ShowCoverageChart(h.form());
        QVERIFY(!opening.chart);
        QCOMPARE(opening.messages.size(), size_t(1));
        QCOMPARE(opening.messages.front().text, message);
    }

    void pensionChart()
    {
        NeedsHousehold h = WorkedHousehold();
        QCOMPARE(ShowPensionChart(h.form()).messages,
                 Messages({Warning(QStringLiteral("基礎計算実行ボタンを押してください"), QStringLiteral("エラー"))}));
        h.calculate();
        const ChartOpening opening = ShowPensionChart(h.form());
        QVERIFY(opening.chart);
        const ChartFeed &chart = *opening.chart;
        QCOMPARE(chart.rows(), 27);
        QCOMPARE(chart.rowLabels.first(), QStringLiteral(" 38歳"));
        QCOMPARE(chart.rowLabels.last(), QStringLiteral(" 64歳"));
        QCOMPARE(chart.series1.front(), 149.0);
        QCOMPARE(chart.series2.front(), 0.0);
        QCOMPARE(chart.axisMaximum, 300);
        QCOMPARE(chart.listLines.first(), QStringLiteral("38歳   1,497,800"));
        QCOMPARE(chart.fields.value(0), QStringLiteral("38"));
        QCOMPARE(chart.fields.value(1), QStringLiteral("86"));
        QCOMPARE(chart.fields.value(4), QStringLiteral("38"));
        QCOMPARE(chart.fields.value(5), QStringLiteral("48"));
        QCOMPARE(chart.fields.value(19), QStringLiteral("477800"));
        QCOMPARE(chart.fields.value(21), QStringLiteral("1020000"));
        QCOMPARE(chart.fields.value(29), QStringLiteral("0"));
        QCOMPARE(chart.fields.value(30), QStringLiteral("120"));
        QCOMPARE(chart.fields.value(33), QStringLiteral("400000"));
        QCOMPARE(chart.fields.size(), 34);
    }

    void pensionChartAxis_data()
    {
        QTest::addColumn<int>("wifeAge");
        QTest::addColumn<QString>("nationalMonths");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("axis");
        // A widow's pension alone, 371,300 yen: the digit rule's 500 would
        // shrink it to a sliver.
        QTest::newRow("widow's pension only") << 45 << "300" << 20 << 50;
        QTest::newRow("wife 59: six rows") << 59 << "300" << 6 << 50;
    }
    void pensionChartAxis()
    {
        QFETCH(int, wifeAge);
        QFETCH(QString, nationalMonths);
        QFETCH(int, rows);
        QFETCH(int, axis);
        NeedsHousehold h;
        h.husband("50", QDate(1976, 5, 1)).wife(wifeAge).selfEmployed(nationalMonths);
        h.calculate();
        const ChartOpening opening = ShowPensionChart(h.form());
        QVERIFY(opening.chart);
        QCOMPARE(opening.chart->rows(), rows);
        QCOMPARE(opening.chart->axisMaximum, axis);
    }

    void incomeExpenseChart_data()
    {
        QTest::addColumn<QString>("housing");
        QTest::addColumn<int>("axis");
        QTest::newRow("550 万円 -> 700") << "550" << 700;
        QTest::newRow("850 万円: the rule's 100 is below it") << "850" << 1000;
        QTest::newRow("150 万円 -> 300") << "150" << 300;
        QTest::newRow("1500 万円 -> 2000") << "1500" << 2000;
    }
    void incomeExpenseChart()
    {
        QFETCH(QString, housing);
        QFETCH(int, axis);
        NeedsHousehold h;
        h.husband("42", QDate(1984, 5, 1)).wife(40).salaried().set(HokenNum1::Housing, housing);
        QCOMPARE(ShowIncomeExpenseChart(h.form()).messages.size(), size_t(1));
        h.calculate();
        const IncomeExpenseOpening opening = ShowIncomeExpenseChart(h.form());
        QVERIFY(opening.chart);
        QCOMPARE(opening.chart->axisMaximum, axis);
        QCOMPARE(opening.chart->rows(), 25);
        QCOMPARE(opening.chart->rowLabels.last(), QStringLiteral(" 64歳"));
        QCOMPARE(opening.chart->series1.front(), housing.toDouble());
    }

    void incomeExpenseTable()
    {
        NeedsHousehold h = WorkedHousehold();
        h.form().household.members[0].name = QStringLiteral("山田太郎");
        h.calculate();
        const IncomeExpenseOpening opening = ShowIncomeExpenseChart(h.form());
        QVERIFY(opening.chart);
        QCOMPARE(opening.chart->name, QStringLiteral("山田太郎"));
        const auto &table = opening.table;
        const ProjectionSheet &sheet = h.form().sheet;
        QCOMPARE(table.size(), size_t(34));
        for (const QStringList &line : table)
            QCOMPARE(line.size(), 27 + 2);
        QCOMPARE(table[0][0], QStringLiteral("夫年齢"));
        QCOMPARE(table[0][1], QStringLiteral("40"));
        QCOMPARE(table[1][27], QStringLiteral("64"));
        QCOMPARE(table[7][0], QStringLiteral("遺族基礎"));
        QCOMPARE(table[7][1], QStringLiteral("1020000"));
        QCOMPARE(table[13][0], QStringLiteral("妻労働"));
        QCOMPARE(table[16][0], QStringLiteral("収入合計"));
        QCOMPARE(table[16][1], sheet.text(Row::IncomeTotal, 1));
        QCOMPARE(table[31][0], QStringLiteral("葬式代"));
        QCOMPARE(table[32][0], QStringLiteral("支出合計"));
        QCOMPARE(table[32][5], sheet.text(Row::ExpenseTotal, 5));
        QCOMPARE(table[33][0], QStringLiteral("支出-収入"));
        for (int column = 1; column <= 27; ++column)
            QCOMPARE(table[33][column].toDouble(),
                     sheet.value(Row::ExpenseTotal, column) - sheet.value(Row::IncomeTotal, column));
        QCOMPARE(table[33][28], QString());
    }
};

QTEST_GUILESS_MAIN(TestNeedsCharts)
#include "tst_needscharts.moc"
