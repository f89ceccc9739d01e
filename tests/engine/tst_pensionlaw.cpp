#include "engine/law/pensionlaw.h"
#include "engine/pension/accrualrates.h"
#include "engine/pension/formulapanels.h"
#include "engine/pension/pensioncalculation.h"
#include "engine/pension/widowbenefits.h"
#include "testday.h"

#include <QTest>

using namespace izoku::engine;
using S = BenefitSlots;

Q_DECLARE_METATYPE(BaseData)

namespace {

using izoku::test::kToday;
// The rows ndata.mdb is shipped with for today's law.
constexpr BaseData kBase2024{2024, 1.0, 816000, 234800, 78300, 813700, 1.041};
constexpr BaseData kBase2025{2025, 1.0, 831700, 239300, 79800, 829300, 1.061};
constexpr BaseData kBase2026{2026, 1.0, 847300, 243800, 81300, 844900, 1.082};

// A household on 2026-12-08: the husband born 1970-05-01, the wife of the
// given age (born 1 June), children by age (born 1 June as well).
FrmRavoForm household(const BaseData &base, int wifeAge, const QList<int> &childAges = {},
                      Membership membership = Membership::National)
{
    FrmRavoForm form;
    OpenFrmRavo(form, base, kToday);
    form.membership = membership;
    form.household.members[HouseholdIndex::Husband].birth = QDate(1970, 5, 1);
    form.household.members[HouseholdIndex::Husband].age = QStringLiteral("56");
    form.household.members[HouseholdIndex::Wife].birth = QDate(2026 - wifeAge, 6, 1);
    form.household.members[HouseholdIndex::Wife].age = QString::number(wifeAge);
    for (int k = 0; k < childAges.size(); ++k) {
        HouseholdMember &child = form.household.members[HouseholdIndex::Child1 + k];
        child.birth = QDate(2026 - childAges[k], 6, 1);
        child.age = QString::number(childAges[k]);
        child.present = true;
    }
    return form;
}

// Paid national months, then employees' months from April 2003 at 350,000 yen.
void record(FrmRavoForm &form, int nationalMonths, int employeesMonths)
{
    form.text6[Text6::NationalPaidMonths] = QString::number(nationalMonths);
    form.text6[Text6::MonthsTo2003] = QStringLiteral("0");
    form.text6[Text6::MonthlyRemunerationTo2003] = QStringLiteral("0");
    form.text6[Text6::MonthsFrom2003] = QString::number(employeesMonths);
    form.text6[Text6::RemunerationFrom2003] = QStringLiteral("350000");
}

QString slotsOf(const FrmRavoForm &form, std::initializer_list<int> wanted)
{
    QStringList texts;
    for (int slot : wanted)
        texts << form.num4[slot];
    return texts.join(u' ');
}

} // namespace

class TestPensionLaw : public QObject {
    Q_OBJECT
  private slots:
    void lawOfTheFiscalYear_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("caption");
        QTest::newRow("2009") << 2009 << QStringLiteral("平成21年度の額");
        QTest::newRow("2014") << 2014 << QStringLiteral("平成26年度の額");
        QTest::newRow("2015") << 2015 << QStringLiteral("平成27年度（2015年度）の額・現行制度");
        QTest::newRow("2019") << 2019 << QStringLiteral("令和元年度（2019年度）の額・現行制度");
        QTest::newRow("2026") << 2026 << QStringLiteral("令和8年度（2026年度）の額・現行制度");
    }
    void lawOfTheFiscalYear()
    {
        QFETCH(int, year);
        QFETCH(QString, caption);
        BaseData base = kBase2026;
        base.FiscalYear = static_cast<std::int16_t>(year);
        QCOMPARE(LawCaption(PensionLawOf(base)), caption);
    }

    // Today the amount is worked out from the unrounded parts and rounded
    // once to the yen.
    void panelsToTheYen_data()
    {
        QTest::addColumn<EmployeesPensionRecord>("record");
        QTest::addColumn<int>("panel");
        QTest::addColumn<double>("partB");
        QTest::addColumn<double>("amount");
        // 350,000 × 5.481 ÷ 1000 × 129 × 3/4 × 300 ÷ 129 = 431,628.75; from B
        // rounded first it would be 431,628.
        QTest::newRow("129 months") << EmployeesPensionRecord{0, 0, 129, 350000, 1.0} << int(FormulaPanel::ShortNew)
                                    << 185600.0 << 431629.0;
        // 48 months to March 2003 and 213 after: 261 months deemed 300.
        QTest::newRow("48 + 213 months") << EmployeesPensionRecord{48, 280000, 213, 400000, 1.0}
                                         << int(FormulaPanel::ShortNew) << 350236.0 << 485122.0;
        // The old formula revalues by the year's 従前額改定率 alone:
        // 306,342 × 1.082.
        QTest::newRow("old formula") << EmployeesPensionRecord{120, 300000, 60, 400000, 1.0}
                                     << int(FormulaPanel::LongOld) << 103842.0 << 331462.0;
    }
    void panelsToTheYen()
    {
        QFETCH(EmployeesPensionRecord, record);
        QFETCH(int, panel);
        QFETCH(double, partB);
        QFETCH(double, amount);
        const auto rates = AccrualRatesFor(QDate(1970, 5, 1));
        const int capped = CappedMonths(static_cast<int>(record.EmployeesMonths()));
        const auto results = ComputeFormulaPanels(record, *rates, capped, PensionLawOf(kBase2026));
        QCOMPARE(results[panel].partB, std::optional(partB));
        QCOMPARE(results[panel].amount, std::optional(amount));
    }

    void middleAgedAddition_data()
    {
        QTest::addColumn<BaseData>("base");
        QTest::addColumn<int>("amount");
        QTest::newRow("2009") << kBaseData2009 << 594200;
        QTest::newRow("2024") << kBase2024 << 612000;
        QTest::newRow("2025") << kBase2025 << 623800;
        QTest::newRow("2026") << kBase2026 << 635500;
    }
    void middleAgedAddition()
    {
        QFETCH(BaseData, base);
        QFETCH(int, amount);
        QCOMPARE(MiddleAgedWidowsAdditionAmount(PensionLawOf(base)), amount);
    }

    // Round100(B′ × 3/4) − Round1(B′ × 乗率) with B′ = 813,700 (fiscal 2024).
    void transitionalAdditionToday_data()
    {
        QTest::addColumn<QDate>("birth");
        QTest::addColumn<int>("amount");
        QTest::newRow("1927-04-01: nothing earned") << QDate(1927, 4, 1) << 610300;
        QTest::newRow("1927-04-02: 12/312") << QDate(1927, 4, 2) << 579004;
        QTest::newRow("1941-04-02: 180/480") << QDate(1941, 4, 2) << 305162;
        QTest::newRow("1955-04-02: 348/480") << QDate(1955, 4, 2) << 20367;
        QTest::newRow("1956-04-01: 348/480") << QDate(1956, 4, 1) << 20367;
        QTest::newRow("1956-04-02") << QDate(1956, 4, 2) << 0;
    }
    void transitionalAdditionToday()
    {
        QFETCH(QDate, birth);
        QFETCH(int, amount);
        QCOMPARE(TransitionalWidowsAddition(PensionLawOf(kBase2024), birth), std::optional<std::int32_t>(amount));
        // Without B′ the addition cannot be told, but a wife born from
        // 1956-04-02 needs none.
        BaseData without = kBase2024;
        without.OldCohortBasicPension.reset();
        QCOMPARE(TransitionalWidowsAddition(PensionLawOf(without), birth).has_value(), amount == 0);
    }

    void widowsPension_data()
    {
        QTest::addColumn<BaseData>("base");
        QTest::addColumn<double>("months");
        QTest::addColumn<bool>("qualifies");
        QTest::addColumn<double>("amount");
        QTest::newRow("2009, 300") << kBaseData2009 << 300.0 << true << 371300.0;
        QTest::newRow("2009, 299") << kBaseData2009 << 299.0 << false << 370100.0;
        // 847,300 × 120 ÷ 480 × 3/4 = 158,868.75, to the yen.
        QTest::newRow("2026, 120") << kBase2026 << 120.0 << true << 158869.0;
        QTest::newRow("2026, 119") << kBase2026 << 119.0 << false << 157545.0;
    }
    void widowsPension()
    {
        QFETCH(BaseData, base);
        QFETCH(double, months);
        QFETCH(bool, qualifies);
        QFETCH(double, amount);
        const PensionLaw law = PensionLawOf(base);
        QCOMPARE(QualifiesForWidowsPension(law, months), qualifies);
        QCOMPARE(WidowsPensionAmount(law, months), amount);
    }

    // A national pension member: the widow's pension, the long requirement
    // without a widow's pension to choose (both laws), and today the
    // additions of 20 years of employees' pension.
    void nationalMember_data()
    {
        QTest::addColumn<BaseData>("base");
        QTest::addColumn<int>("wifeAge");
        QTest::addColumn<QList<int>>("children");
        QTest::addColumn<int>("nationalMonths");
        QTest::addColumn<int>("employeesMonths");
        QTest::addColumn<QString>("employeesPension"); // first, last, amount
        QTest::addColumn<QString>("widowsPension");    // first, last, amount
        QTest::addColumn<QString>("middleAged");       // first, last, amount
        // 350,000 × 5.481 ÷ 1000 × 200 × 3/4 = 287,752.5
        QTest::newRow("2009, 100 + 200, no child") << kBaseData2009 << 35 << QList<int>{} << 100 << 200 << "35 0 283400"
                                                   << "0 0 0"
                                                   << "0 0 0";
        QTest::newRow("2009, 100 + 200, under 30")
            << kBaseData2009 << 28 << QList<int>{} << 100 << 200 << "28 32 283400"
            << "0 0 0"
            << "0 0 0";
        QTest::newRow("2009, 100 + 200, under 30 with a child")
            << kBaseData2009 << 28 << QList<int>{3} << 100 << 200 << "28 0 283400"
            << "0 0 0"
            << "0 0 0";
        QTest::newRow("2026, 100 + 200, no child") << kBase2026 << 35 << QList<int>{} << 100 << 200 << "35 0 287753"
                                                   << "0 0 0"
                                                   << "0 0 0";
        QTest::newRow("2026, 100 + 200, under 30") << kBase2026 << 28 << QList<int>{} << 100 << 200 << "28 32 287753"
                                                   << "0 0 0"
                                                   << "0 0 0";
        QTest::newRow("2026, 100 + 200, under 30 with a child")
            << kBase2026 << 28 << QList<int>{3} << 100 << 200 << "28 0 287753"
            << "0 0 0"
            << "0 0 0";
        QTest::newRow("2026, 120 months") << kBase2026 << 50 << QList<int>{} << 120 << 0 << "0 0 0"
                                          << "60 64 158869"
                                          << "0 0 0";
        QTest::newRow("2026, 119 months") << kBase2026 << 50 << QList<int>{} << 119 << 0 << "0 0 0"
                                          << "0 0 0"
                                          << "0 0 0";
        // 60 + 240 months: 20 years of employees' pension bring the
        // middle-aged addition today, not by the law of fiscal 2009.
        QTest::newRow("2026, E 240") << kBase2026 << 50 << QList<int>{} << 60 << 240 << "50 0 345303"
                                     << "0 0 0"
                                     << "50 64 635500";
        QTest::newRow("2026, E 239") << kBase2026 << 50 << QList<int>{} << 61 << 239 << "50 0 343864"
                                     << "0 0 0"
                                     << "0 0 0";
        QTest::newRow("2009, E 240") << kBaseData2009 << 50 << QList<int>{} << 60 << 240 << "50 0 340100"
                                     << "0 0 0"
                                     << "0 0 0";
    }
    void nationalMember()
    {
        QFETCH(BaseData, base);
        QFETCH(int, wifeAge);
        QFETCH(QList<int>, children);
        QFETCH(int, nationalMonths);
        QFETCH(int, employeesMonths);
        QFETCH(QString, employeesPension);
        QFETCH(QString, widowsPension);
        QFETCH(QString, middleAged);
        FrmRavoForm form = household(base, wifeAge, children);
        record(form, nationalMonths, employeesMonths);
        const CalculationOutcome outcome = RunPensionCalculation(form, base, kToday);
        QVERIFY(!outcome.stopped);
        QCOMPARE(slotsOf(form, {S::EmployeesPensionFirstAge, S::EmployeesPensionLastAge, S::EmployeesPensionAmount}),
                 employeesPension);
        QCOMPARE(slotsOf(form, {S::WidowsPensionFirstAge, S::WidowsPensionLastAge, S::WidowsPensionAmount}),
                 widowsPension);
        QCOMPARE(slotsOf(form, {S::MiddleAgedFirstAge, S::MiddleAgedLastAge, S::MiddleAgedAmount}), middleAged);
    }

    // A figure today's law needs and the year's row lacks stops the
    // calculation before anything is cleared, naming the figure.
    void missingFigureRefuses_data()
    {
        QTest::addColumn<bool>("oldCohort");
        QTest::addColumn<bool>("revisionRate");
        QTest::addColumn<QDate>("wifeBirth");
        QTest::addColumn<QString>("named"); // empty: the calculation runs
        QTest::newRow("no 従前額改定率") << true << false << QDate(1976, 6, 1) << QStringLiteral("従前額改定率");
        QTest::newRow("no B′, wife born 1955")
            << false << true << QDate(1955, 6, 1) << QStringLiteral("基礎年金（昭和31年4月1日以前生まれ）");
        QTest::newRow("no B′, wife born 1976") << false << true << QDate(1976, 6, 1) << QString();
    }
    void missingFigureRefuses()
    {
        QFETCH(bool, oldCohort);
        QFETCH(bool, revisionRate);
        QFETCH(QDate, wifeBirth);
        QFETCH(QString, named);
        BaseData base = kBase2026;
        if (!oldCohort)
            base.OldCohortBasicPension.reset();
        if (!revisionRate)
            base.PreviousAmountRevisionRate.reset();
        FrmRavoForm form = household(base, 50, {}, Membership::Employee);
        form.household.members[HouseholdIndex::Wife].birth = wifeBirth;
        record(form, 0, 300);
        const FrmRavoForm before = form;
        const CalculationOutcome outcome = RunPensionCalculation(form, base, kToday);
        QCOMPARE(outcome.stopped, !named.isEmpty());
        if (named.isEmpty())
            return;
        QCOMPARE(outcome.messages.size(), std::size_t(1));
        QVERIFY(outcome.messages[0].text.contains(named));
        QCOMPARE(form, before);
    }

    void reformFromApril2028_data()
    {
        QTest::addColumn<BaseData>("base");
        QTest::addColumn<QDate>("baseDate");
        QTest::addColumn<bool>("notice");
        QTest::newRow("2026, 2028-03-31") << kBase2026 << QDate(2028, 3, 31) << false;
        QTest::newRow("2026, 2028-04-01") << kBase2026 << QDate(2028, 4, 1) << true;
        QTest::newRow("2009, 2028-04-01") << kBaseData2009 << QDate(2028, 4, 1) << false;
    }
    void reformFromApril2028()
    {
        QFETCH(BaseData, base);
        QFETCH(QDate, baseDate);
        QFETCH(bool, notice);
        FrmRavoForm form = household(base, 45, {}, Membership::Employee);
        record(form, 0, 129);
        form.dates[PeriodDate::Reference] = baseDate;
        const CalculationOutcome outcome = RunPensionCalculation(form, base, kToday);
        QVERIFY(!outcome.stopped);
        QCOMPARE(outcome.messages.size(), std::size_t(notice ? 1 : 0));
        // The calculation has run either way.
        QVERIFY(form.num4[S::EmployeesPensionAmount] != u"0");
        if (notice) {
            QCOMPARE(outcome.messages[0].title, QStringLiteral("注意"));
            QCOMPARE(outcome.messages[0].icon, MessageIcon::Information);
        }
    }
};

QTEST_APPLESS_MAIN(TestPensionLaw)
#include "tst_pensionlaw.moc"
