#include "engine/pension/accrualrates.h"
#include "engine/pension/formulapanels.h"
#include "engine/pension/survivorsbasicpension.h"
#include "engine/pension/widowbenefits.h"

#include <QTest>

using namespace izoku::engine;

Q_DECLARE_METATYPE(std::optional<WifeAgeRange>)

namespace {

constexpr std::int64_t B = 792100;
constexpr std::int64_t A1 = 227900;
constexpr std::int64_t A2 = 75900;
const PensionLaw kLaw2009 = PensionLawOf(kBaseData2009);

// The worked record: 120 months at 300,000 yen, 60 months at 400,000 yen.
EmployeesPensionRecord workedRecord()
{
    return EmployeesPensionRecord{120, 300000, 60, 400000, 0.985};
}

} // namespace

class TestPensionRules : public QObject {
    Q_OBJECT
  private slots:
    void entitledChildren_data()
    {
        QTest::addColumn<double>("age");
        QTest::addColumn<bool>("disabled");
        QTest::addColumn<int>("yearsCounted");
        QTest::newRow("aged 16") << 16.0 << false << 3;
        QTest::newRow("aged 16, disabled") << 16.0 << true << 5;
        QTest::newRow("aged 18") << 18.0 << false << 1;
        QTest::newRow("aged 19") << 19.0 << false << 0;
        QTest::newRow("aged 2") << 2.0 << false << 17;
    }
    void entitledChildren()
    {
        QFETCH(double, age);
        QFETCH(bool, disabled);
        QFETCH(int, yearsCounted);
        const CountedChild child{age, disabled};
        int years = 0;
        for (int j = 0; j < 40; ++j)
            years += EntitledChildCount(std::span(&child, 1), j);
        QCOMPARE(years, yearsCounted);
    }

    void basicPensionAmount_data()
    {
        QTest::addColumn<int>("children");
        QTest::addColumn<qint64>("amount");
        QTest::newRow("none") << 0 << qint64(0);
        QTest::newRow("one") << 1 << qint64(B + A1);
        QTest::newRow("two") << 2 << qint64(B + 2 * A1);
        QTest::newRow("three") << 3 << qint64(B + 2 * A1 + A2);
        QTest::newRow("four") << 4 << qint64(B + 2 * A1 + 2 * A2);
        QTest::newRow("five") << 5 << qint64(B + 2 * A1 + 3 * A2);
    }
    void basicPensionAmount()
    {
        QFETCH(int, children);
        QFETCH(qint64, amount);
        QCOMPARE(SurvivorsBasicPensionAmount(children, B, A1, A2), amount);
    }

    void phasesOfTwoChildren()
    {
        // Children aged 10 and 15, wife aged 40, schedule of 27 years.
        const std::vector<CountedChild> children{{10, false}, {15, false}};
        std::vector<BasicPensionYear> years;
        for (int j = 0; j < 27; ++j) {
            const int n = EntitledChildCount(children, j);
            years.push_back({40.0 + j, n, double(SurvivorsBasicPensionAmount(n, B, A1, A2))});
        }
        const auto phases = BasicPensionPhases(years);
        QCOMPARE(phases.size(), std::size_t(2));
        QCOMPARE(phases[0].firstAge, 40.0);
        QCOMPARE(phases[0].lastAge, 43.0);
        QCOMPARE(phases[0].amount, double(B + 2 * A1));
        QCOMPARE(phases[1].firstAge, 44.0);
        QCOMPARE(phases[1].lastAge, 48.0);
        QCOMPARE(phases[1].amount, double(B + A1));
    }

    void phaseRunningInTheLastYearEndsThere()
    {
        // A child aged 2 and a wife aged 59: eight years, all with the child.
        std::vector<BasicPensionYear> years;
        for (int j = 0; j < 9; ++j)
            years.push_back({59.0 + j, 1, double(B + A1)});
        const auto phases = BasicPensionPhases(years);
        QCOMPARE(phases.size(), std::size_t(1));
        QCOMPARE(phases[0].firstAge, 59.0);
        QCOMPARE(phases[0].lastAge, 67.0);
    }

    void noPensionInTheFirstYearMeansNoPhases()
    {
        const std::vector<BasicPensionYear> years{{40, 0, 0}, {41, 0, 0}};
        QVERIFY(BasicPensionPhases(years).empty());
        QVERIFY(BasicPensionPhases({}).empty());
    }

    void accrualRates_data()
    {
        QTest::addColumn<QDate>("birth");
        QTest::addColumn<bool>("known");
        QTest::addColumn<double>("newRate1");
        QTest::addColumn<double>("newRate2");
        QTest::addColumn<double>("oldRate1");
        QTest::addColumn<double>("oldRate2");
        QTest::newRow("1943-04-01") << QDate(1943, 4, 1) << false << 0.0 << 0.0 << 0.0 << 0.0;
        QTest::newRow("1943-04-02") << QDate(1943, 4, 2) << true << 7.439 << 5.722 << 7.83 << 6.023;
        QTest::newRow("1944-04-01") << QDate(1944, 4, 1) << true << 7.439 << 5.722 << 7.83 << 6.023;
        QTest::newRow("1944-04-02") << QDate(1944, 4, 2) << true << 7.334 << 5.642 << 7.72 << 5.938;
        QTest::newRow("1945-04-01") << QDate(1945, 4, 1) << true << 7.334 << 5.642 << 7.72 << 5.938;
        QTest::newRow("1945-04-02") << QDate(1945, 4, 2) << true << 7.23 << 5.562 << 7.61 << 5.854;
        QTest::newRow("1946-04-01") << QDate(1946, 4, 1) << true << 7.23 << 5.562 << 7.61 << 5.854;
        QTest::newRow("1946-04-02") << QDate(1946, 4, 2) << true << 7.125 << 5.481 << 7.5 << 5.769;
        QTest::newRow("1960") << QDate(1960, 5, 1) << true << 7.125 << 5.481 << 7.5 << 5.769;
    }
    void accrualRates()
    {
        QFETCH(QDate, birth);
        QFETCH(bool, known);
        const auto rates = AccrualRatesFor(birth);
        QCOMPARE(rates.has_value(), known);
        if (!known)
            return;
        QFETCH(double, newRate1);
        QFETCH(double, newRate2);
        QFETCH(double, oldRate1);
        QFETCH(double, oldRate2);
        QCOMPARE(rates->newFormula, (AccrualRates{newRate1, newRate2}));
        QCOMPARE(rates->oldFormula, (AccrualRates{oldRate1, oldRate2}));
    }

    void workedPanels_data()
    {
        QTest::addColumn<int>("panel");
        QTest::addColumn<double>("partA");
        QTest::addColumn<double>("partB");
        QTest::addColumn<double>("amount");
        QTest::newRow("short, new") << int(FormulaPanel::ShortNew) << 192375.0 << 98658.0 << 477800.0;
        QTest::newRow("long, new") << int(FormulaPanel::LongNew) << 192375.0 << 98658.0 << 286700.0;
        QTest::newRow("long, old") << int(FormulaPanel::LongOld) << 202500.0 << 103842.0 << 311100.0;
        // Int(306342 × 1.031 × 0.985 × 300 ÷ 180 ÷ 100 + 0.5) × 100
        QTest::newRow("short, old") << int(FormulaPanel::ShortOld) << 202500.0 << 103842.0 << 518500.0;
    }
    void workedPanels()
    {
        QFETCH(int, panel);
        QFETCH(double, partA);
        QFETCH(double, partB);
        QFETCH(double, amount);
        const auto rates = AccrualRatesFor(QDate(1960, 5, 1));
        QVERIFY(rates);
        const auto results = ComputeFormulaPanels(workedRecord(), *rates, CappedMonths(180), kLaw2009);
        const FormulaPanelResult &r = results[panel];
        QCOMPARE(r.partA, std::optional(partA));
        QCOMPARE(r.partB, std::optional(partB));
        QCOMPARE(r.amount, std::optional(amount));
    }

    void cappedMonths()
    {
        QCOMPARE(CappedMonths(299), 299);
        QCOMPARE(CappedMonths(300), 300);
        QCOMPARE(CappedMonths(480), 300);
    }

    void shortEqualsLongFromThreeHundredMonths()
    {
        const EmployeesPensionRecord record{240, 300000, 120, 400000, 0.985};
        const LongRequirementRates standard{kShortRequirementNewRates, kShortRequirementOldRates};
        const auto results = ComputeFormulaPanels(record, standard, CappedMonths(360), kLaw2009);
        QCOMPARE(results[int(FormulaPanel::ShortNew)].amount, results[int(FormulaPanel::LongNew)].amount);
        QCOMPARE(results[int(FormulaPanel::ShortOld)].amount, results[int(FormulaPanel::LongOld)].amount);
    }

    void noEmployeesMonthsGiveNoShortAmount()
    {
        const EmployeesPensionRecord record{0, 300000, 0, 400000, 0.985};
        const auto results =
            ComputeFormulaPanels(record, *AccrualRatesFor(QDate(1960, 1, 1)), CappedMonths(0), kLaw2009);
        QCOMPARE(results[int(FormulaPanel::ShortNew)].amount, std::optional(0.0));
        QCOMPARE(results[int(FormulaPanel::ShortOld)].amount, std::optional(0.0));
    }

    void overflowingPanelGivesNoAmount()
    {
        FormulaPanelInputs in{1e300, 7.125, 1e300, 0, 0, 0, 1, 300};
        const auto r = ComputeFormulaPanel(FormulaPanel::LongNew, in, kLaw2009);
        QVERIFY(!r.partA);
        QVERIFY(!r.amount);
    }

    void middleAgedAddition_data()
    {
        QTest::addColumn<double>("E");
        QTest::addColumn<bool>("children");
        QTest::addColumn<double>("L");
        QTest::addColumn<double>("A");
        QTest::addColumn<std::optional<WifeAgeRange>>("range");
        const std::optional<WifeAgeRange> none;
        QTest::newRow("E>=240, child, L>=40") << 300.0 << true << 47.0 << 35.0 << std::optional(WifeAgeRange{48, 64});
        QTest::newRow("E>=240, child, L<40") << 300.0 << true << 38.0 << 30.0 << std::optional(WifeAgeRange{40, 64});
        QTest::newRow("E>=240, none, A>=65") << 240.0 << false << 0.0 << 65.0 << none;
        QTest::newRow("E>=240, none, A=45") << 300.0 << false << 0.0 << 45.0 << std::optional(WifeAgeRange{45, 64});
        QTest::newRow("E>=240, none, A=40") << 240.0 << false << 0.0 << 40.0 << std::optional(WifeAgeRange{40, 64});
        QTest::newRow("E>=240, none, A<40") << 300.0 << false << 0.0 << 39.0 << std::optional(WifeAgeRange{40, 64});
        QTest::newRow("E<240, child, A>=40") << 200.0 << true << 50.0 << 42.0 << std::optional(WifeAgeRange{51, 64});
        QTest::newRow("E<240, none, A=45") << 200.0 << false << 0.0 << 45.0 << std::optional(WifeAgeRange{46, 64});
        QTest::newRow("E<240, none, A=64") << 239.0 << false << 0.0 << 64.0 << std::optional(WifeAgeRange{65, 64});
        QTest::newRow("E<240, none, A>=65") << 200.0 << false << 0.0 << 65.0 << none;
        QTest::newRow("E<240, child, A<40, L>=40")
            << 200.0 << true << 41.0 << 30.0 << std::optional(WifeAgeRange{42, 64});
        QTest::newRow("E<240, child, A<40, L<40") << 200.0 << true << 38.0 << 35.0 << none;
        QTest::newRow("E<240, none, A<40") << 200.0 << false << 0.0 << 39.0 << none;
    }
    void middleAgedAddition()
    {
        QFETCH(double, E);
        QFETCH(bool, children);
        QFETCH(double, L);
        QFETCH(double, A);
        QFETCH(std::optional<WifeAgeRange>, range);
        QCOMPARE(MiddleAgedWidowsAddition(E, children, L, A), range);
    }

    // L of the middle-aged addition: only a child that counts today takes
    // part, a disabled one while its age field reads under 20.
    void lastChildStopsCounting_data()
    {
        QTest::addColumn<QDate>("birth");
        QTest::addColumn<QString>("age");
        QTest::addColumn<bool>("disabled");
        QTest::addColumn<int>("wifeAge"); // -1: no child counts today
        QTest::newRow("disabled, 19") << QDate(2007, 6, 1) << QStringLiteral("19") << true << 46;
        QTest::newRow("disabled, 20") << QDate(2006, 6, 1) << QStringLiteral("20") << true << -1;
        QTest::newRow("disabled, 40000") << QDate(2007, 6, 1) << QStringLiteral("40000") << true << -1;
        QTest::newRow("ended 2026-03-31") << QDate(2008, 3, 31) << QStringLiteral("18") << false << -1;
        QTest::newRow("ends 2027-03-31") << QDate(2008, 4, 1) << QStringLiteral("18") << false << 45;
    }
    void lastChildStopsCounting()
    {
        QFETCH(QDate, birth);
        QFETCH(QString, age);
        QFETCH(bool, disabled);
        QFETCH(int, wifeAge);
        const QDate today(2026, 12, 8);
        Household household = Household::Opening(today);
        household.members[HouseholdIndex::Wife].birth = QDate(1981, 6, 1);
        HouseholdMember &child = household.members[HouseholdIndex::Child1];
        child.birth = birth;
        child.age = age;
        child.disabled = disabled;
        child.present = true;
        QCOMPARE(WifeAgeWhenLastChildStopsCounting(household, today).value_or(-1), wifeAge);
    }

    void transitionalAddition_data()
    {
        QTest::addColumn<QDate>("birth");
        QTest::addColumn<int>("amount");
        QTest::newRow("1943-04-01") << QDate(1943, 4, 1) << 0;
        QTest::newRow("1943-04-02") << QDate(1943, 4, 2) << 257600;
        QTest::newRow("1948-04-01") << QDate(1948, 4, 1) << 178300;
        QTest::newRow("1950-04-02") << QDate(1950, 4, 2) << 118900;
        QTest::newRow("1955-04-01") << QDate(1955, 4, 1) << 39700;
        QTest::newRow("1955-04-02") << QDate(1955, 4, 2) << 19900;
        QTest::newRow("1956-04-01") << QDate(1956, 4, 1) << 19900;
        QTest::newRow("1956-04-02") << QDate(1956, 4, 2) << 0;
    }
    void transitionalAddition()
    {
        QFETCH(QDate, birth);
        QFETCH(int, amount);
        QCOMPARE(TransitionalWidowsAddition(kLaw2009, birth), std::optional<std::int32_t>(amount));
    }

    void widowsPension_data()
    {
        QTest::addColumn<double>("months");
        QTest::addColumn<double>("amount");
        QTest::newRow("300 months") << 300.0 << 371300.0;
        QTest::newRow("480 months") << 480.0 << 594100.0;
        QTest::newRow("none") << 0.0 << 0.0;
    }
    void widowsPension()
    {
        QFETCH(double, months);
        QFETCH(double, amount);
        QCOMPARE(WidowsPensionAmount(kLaw2009, months), amount);
    }

    void deathLumpSum_data()
    {
        QTest::addColumn<int>("months");
        QTest::addColumn<int>("amount");
        const QList<QPair<int, int>> rows{{0, 0},        {35, 0},       {36, 120000},  {179, 120000}, {180, 145000},
                                          {239, 145000}, {240, 170000}, {299, 170000}, {300, 220000}, {359, 220000},
                                          {360, 270000}, {419, 270000}, {420, 320000}, {600, 320000}, {-5, 0}};
        for (const auto &[months, amount] : rows)
            QTest::addRow("%d months", months) << months << amount;
    }
    void deathLumpSum()
    {
        QFETCH(int, months);
        QFETCH(int, amount);
        QCOMPARE(DeathLumpSum(months), amount);
    }
};

QTEST_APPLESS_MAIN(TestPensionRules)
#include "tst_pensionrules.moc"
