#include "engine/charts/axismaximum.h"
#include "engine/charts/yearlychart.h"

#include <QTest>

using namespace izoku::engine;

class TestChartAxis : public QObject {
    Q_OBJECT
  private slots:
    void firstDigit_data()
    {
        QTest::addColumn<qint64>("largest");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("axis");
        QTest::newRow("2,345,678 pension screen") << qint64(2345678) << 100 << 300;
        QTest::newRow("1,850,000 pension screen") << qint64(1850000) << 100 << 200;
        QTest::newRow("1,850,000 needs screen") << qint64(1850000) << 200 << 300;
        QTest::newRow("2,345,678 needs screen") << qint64(2345678) << 200 << 400;
        QTest::newRow("nothing") << qint64(0) << 100 << 100;
    }
    void firstDigit()
    {
        QFETCH(qint64, largest);
        QFETCH(int, offset);
        QFETCH(int, axis);
        QCOMPARE(FirstDigitAxisMaximum(largest, offset), axis);
    }

    void digitRule_data()
    {
        QTest::addColumn<qint64>("largest");
        QTest::addColumn<qint64>("step");
        QTest::addColumn<bool>("twoDigits");
        QTest::addColumn<int>("axis"); // -1: the rule sets none
        QTest::newRow("coverage 23,456,789") << qint64(23456789) << qint64(1000000) << false << 3000;
        QTest::newRow("coverage 95,000,000") << qint64(95000000) << qint64(1000000) << false << 10000;
        QTest::newRow("coverage 2,345,678") << qint64(2345678) << qint64(1000000) << false << 300;
        QTest::newRow("coverage 123,456,789") << qint64(123456789) << qint64(1000000) << false << 13000;
        QTest::newRow("coverage 950,000") << qint64(950000) << qint64(1000000) << false << -1;
        QTest::newRow("income 5,500,000") << qint64(5500000) << qint64(2000000) << true << 700;
        QTest::newRow("income 9,500,000") << qint64(9500000) << qint64(2000000) << true << 1100;
        QTest::newRow("income 8,500,000 (the short band)") << qint64(8500000) << qint64(2000000) << true << 100;
        QTest::newRow("income 550,000") << qint64(550000) << qint64(2000000) << true << 60;
        QTest::newRow("income 950,000") << qint64(950000) << qint64(2000000) << true << 100;
        QTest::newRow("income 50,000") << qint64(50000) << qint64(2000000) << true << -1;
        QTest::newRow("a billion") << qint64(1000000000) << qint64(2000000) << true << -1;
        QTest::newRow("below zero") << qint64(-5000000) << qint64(2000000) << true << -1;
    }
    void digitRule()
    {
        QFETCH(qint64, largest);
        QFETCH(qint64, step);
        QFETCH(bool, twoDigits);
        QFETCH(int, axis);
        QCOMPARE(DigitRuleAxisMaximum(largest, step, twoDigits), axis < 0 ? std::nullopt : std::optional(axis));
    }

    void chartAxis_data()
    {
        QTest::addColumn<int>("rule"); // -1: none
        QTest::addColumn<double>("largest");
        QTest::addColumn<int>("axis");
        QTest::newRow("rule frames the bars") << 200 << 1850000.0 << 200;
        QTest::newRow("rule at exactly the value") << 300 << 3000000.0 << 300;
        QTest::newRow("widow's pension alone") << 400 << 371300.0 << 50;
        QTest::newRow("bars past the axis") << 200 << 12000000.0 << 2000;
        QTest::newRow("under 10 万円") << 100 << 50000.0 << 10;
        QTest::newRow("nothing at all") << 100 << 0.0 << 10;
        QTest::newRow("just under 100 万円") << 1000 << 999999.0 << 100;
        QTest::newRow("no rule, 550 万円") << -1 << 5500000.0 << 1000;
        QTest::newRow("no rule, 120 万円") << -1 << 1200000.0 << 200;
        QTest::newRow("short band of the income chart") << 100 << 8500000.0 << 1000;
        QTest::newRow("ten times the value") << 1000 << 1000000.0 << 1000;
    }
    void chartAxis()
    {
        QFETCH(int, rule);
        QFETCH(double, largest);
        QFETCH(int, axis);
        QCOMPARE(ChartAxisMaximum(rule < 0 ? std::nullopt : std::optional(rule), largest), axis);
    }

    void rowsOfYearlyTotals()
    {
        const QStringList ages{QStringLiteral("40"), QStringLiteral("41")};
        const QStringList totals{QStringLiteral("1234567"), QString()};
        const ChartFeed feed = YearlyTotalsChart(40, ages, totals);
        QCOMPARE(feed.rows(), 2);
        QCOMPARE(feed.series1, (std::vector<double>{123, 0}));
        QCOMPARE(feed.series2, (std::vector<double>{0, 0}));
        QCOMPARE(feed.rowLabels, (QStringList{QStringLiteral(" 40歳"), QStringLiteral(" 41歳")}));
        QCOMPARE(feed.listLines, (QStringList{QStringLiteral("40歳   1,234,567"), QStringLiteral("41歳   0")}));
        QCOMPARE(LargestYearlyAmount(totals), qint64(1234567));
        const QStringList negative{QStringLiteral("-5")};
        QCOMPARE(LargestYearlyAmount(negative), qint64(0));
    }
};

QTEST_APPLESS_MAIN(TestChartAxis)
#include "tst_chartaxis.moc"
