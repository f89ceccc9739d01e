#include "engine/needs/comparison.h"
#include "engine/needs/deathyears.h"
#include "engine/needs/insurance.h"
#include "tst_needshousehold.h"

#include <QTest>

using namespace izoku::test;
using Row = ProjectionSheet::Row;

namespace {

// The worked household with a policy of 3,000 万円 from 30 to 59 and whole
// life of 500 万円.
NeedsHousehold insured()
{
    NeedsHousehold h = WorkedHousehold();
    h.policy(HokenNum4::Term1From, "30").policy(HokenNum4::Term1To, "59").policy(HokenNum4::Term1Amount, "3000");
    h.policy(HokenNum4::WholeLife1From, "30").policy(HokenNum4::WholeLife1Amount, "500");
    return h;
}

NeedsHousehold fiveChildren()
{
    NeedsHousehold h;
    h.husband("30", QDate(1996, 5, 1)).wife(29).salaried();
    for (int k = 1; k <= 5; ++k)
        h.child(k, k - 1);
    h.set(HokenNum1::LivingCost, "35");
    return h;
}

NeedsHousehold childless()
{
    NeedsHousehold h;
    h.husband("45", QDate(1981, 5, 1)).wife(43).salaried();
    h.set(HokenNum1::LivingCost, "25");
    return h;
}

DeathYearCurve curveOf(NeedsHousehold &h, const BaseData &base = kBaseData2009)
{
    return NeedByYearOfDeath(h.form(), base, kToday);
}

// The survivors' basic pension in the year of a death `years` on.
double basicPensionAtDeath(NeedsHousehold &h, int years)
{
    FrmhokenForm atDeath = HouseholdAtDeath(h.form(), years, kToday);
    RunBaseCalculation(atDeath, kBaseData2009, kToday.addYears(years));
    return atDeath.sheet.value(Row::BasicPension, 1);
}

} // namespace

class TestDeathYears : public QObject {
    Q_OBJECT
  private slots:
    // Year 0 is what "生命保険と必要補償額" gives today.
    void firstYearIsTheComparison_data()
    {
        QTest::addColumn<int>("household");
        QTest::newRow("worked, insured") << 0;
        QTest::newRow("five children") << 1;
        QTest::newRow("childless") << 2;
        QTest::newRow("earning widow") << 3;
    }
    void firstYearIsTheComparison()
    {
        QFETCH(int, household);
        NeedsHousehold households[] = {insured(), fiveChildren(), childless(), EarningWidow()};
        NeedsHousehold &h = households[household];
        h.form().reference = FrmhokenForm::Reference::LifeExpectancy;
        const DeathYearCurve curve = curveOf(h);
        QVERIFY(!curve.points.empty());
        FrmhokenForm compared = h.form();
        QVERIFY(CompareInsuranceWithCoverage(compared, kBaseData2009, kToday).chart);
        const DeathYearPoint &first = curve.points.front();
        QCOMPARE(first.coverage, compared.sheet.value(Row::ShortfallToReference, 1));
        QCOMPARE(first.insurance, compared.sheet.value(Row::InsuranceTotal, 1));
        QCOMPARE(first.date, kToday);
        QCOMPARE(first.husbandAge, h.form().num1Value(HokenNum1::HusbandAge));
    }

    // The child of the worked household is 8 (born 2018-07-01); it counts
    // until 2037-03-31.
    void childStopsCountingInTheLaterYearOnly()
    {
        NeedsHousehold h = WorkedHousehold();
        QCOMPARE(basicPensionAtDeath(h, 10), 792100.0 + 227900.0);
        QCOMPARE(basicPensionAtDeath(h, 11), 0.0);
    }

    void termPolicyEndsAt60()
    {
        NeedsHousehold h = insured();
        h.form().reference = FrmhokenForm::Reference::LifeExpectancy;
        const DeathYearCurve curve = curveOf(h);
        // The husband is 40: the wife (38) reaches 60 first, at his 62nd year.
        QCOMPARE(curve.points.size(), std::size_t(22));
        QCOMPARE(curve.points[19].husbandAge, 59.0);
        QCOMPARE(curve.points[19].insurance, 35000000.0);
        QCOMPARE(curve.points[20].insurance, 5000000.0);
    }

    // 290 employees' months are deemed 300 under the short requirement; a
    // year on, 302 months count as they are.
    void recordGrowsPast300Months()
    {
        NeedsHousehold h = WorkedHousehold();
        h.set(HokenNum1::EmployeeMonthsFrom2003, "170");
        FrmhokenForm now = HouseholdAtDeath(h.form(), 0, kToday);
        FrmhokenForm later = HouseholdAtDeath(h.form(), 1, kToday);
        RunBaseCalculation(now, kBaseData2009, kToday);
        RunBaseCalculation(later, kBaseData2009, kToday.addYears(1));
        QCOMPARE(now.num3[Num3::ShortNewCappedMonths], QStringLiteral("290"));
        QCOMPARE(later.num1(HokenNum1::EmployeeMonthsFrom2003), QStringLiteral("182"));
        QCOMPARE(later.num3[Num3::ShortNewCappedMonths], QStringLiteral("300"));
    }

    void stops_data()
    {
        QTest::addColumn<QString>("husband");
        QTest::addColumn<int>("wife");
        QTest::addColumn<QString>("referenceAge"); // empty: the wife's life expectancy
        QTest::addColumn<int>("points");
        QTest::newRow("husband 65") << "62" << 40 << QString() << 3;
        QTest::newRow("wife 60") << "45" << 57 << QString() << 3;
        QTest::newRow("reference age reached") << "45" << 45 << "50" << 5;
        QTest::newRow("forty years at most") << "20" << 18 << QString() << 40;
    }
    void stops()
    {
        QFETCH(QString, husband);
        QFETCH(int, wife);
        QFETCH(QString, referenceAge);
        QFETCH(int, points);
        NeedsHousehold h;
        h.husband(husband, QDate(2026 - husband.toInt(), 1, 2)).wife(wife).salaried();
        if (referenceAge.isEmpty())
            h.form().reference = FrmhokenForm::Reference::LifeExpectancy;
        else
            h.policy(HokenNum4::ReferenceAge, referenceAge);
        const DeathYearCurve curve = curveOf(h);
        QCOMPARE(curve.points.size(), std::size_t(points));
        QVERIFY(!curve.stoppedByMessage);
        QCOMPARE(curve.points.back().yearsAfter, points - 1);
    }

    // A national member whose record reaches 300 months in all a year on
    // needs the 従前額改定率 then, which this row lacks: the curve stops
    // there with the message.
    void stopsWithAMessage()
    {
        BaseData base{2026, 1.0, 847300, 243800, 81300, 844900, std::nullopt};
        NeedsHousehold h;
        h.husband("45", QDate(1981, 5, 1)).wife(43).selfEmployed("200");
        h.set(HokenNum1::EmployeeMonthsTo2003, "90").set(HokenNum1::AverageMonthlyRemuneration, "300000");
        const DeathYearCurve curve = curveOf(h, base);
        QCOMPARE(curve.points.size(), std::size_t(1));
        QVERIFY(curve.stoppedByMessage);
        QVERIFY(curve.messages.back().text.contains(QStringLiteral("従前額改定率")));
    }

    void longestCurve()
    {
        NeedsHousehold h = fiveChildren();
        const DeathYearCurve curve = curveOf(h);
        // The wife (29) is 59 in year 30; the husband 60 then.
        QCOMPARE(curve.points.size(), std::size_t(31));
        const ChartFeed feed = DeathYearChart(curve, QStringLiteral("山田"), kBaseData2009);
        QCOMPARE(feed.rows(), 31);
        QCOMPARE(feed.rowLabels.front(), QStringLiteral(" 30歳"));
        QCOMPARE(feed.listLines.size(), 31);
        QVERIFY(feed.listLines.front().startsWith(QStringLiteral("30歳  ")));
        QVERIFY(feed.axisMaximum >= *std::max_element(feed.series1.begin(), feed.series1.end()));
        QVERIFY(feed.fields.value(DeathYearChartField::Note).contains(QStringLiteral("平成21年度の額")));
    }

    void largestShortfall()
    {
        DeathYearCurve curve;
        curve.points = {{0, kToday, 40, 38, 30000000, 35000000},
                        {1, kToday.addYears(1), 41, 39, 32000000, 5000000},
                        {2, kToday.addYears(2), 42, 40, 20000000, 5000000}};
        QCOMPARE(LargestShortfall(curve)->husbandAge, 41.0);
        const ChartFeed feed = DeathYearChart(curve, QString(), kBaseData2009);
        QCOMPARE(feed.fields.value(DeathYearChartField::LargestShortfall), QStringLiteral("27,000,000円"));
        QCOMPARE(feed.fields.value(DeathYearChartField::LargestShortfallAge), QStringLiteral("41歳"));
        QCOMPARE(feed.listLines.front(), QStringLiteral("40歳  30,000,000  35,000,000"));
        curve.points.erase(curve.points.begin() + 1, curve.points.end());
        QVERIFY(!LargestShortfall(curve));
    }
};

QTEST_APPLESS_MAIN(TestDeathYears)
#include "tst_deathyears.moc"
