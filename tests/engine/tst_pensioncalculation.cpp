#include "engine/pension/pensioncalculation.h"
#include "testday.h"

#include <QTest>

using namespace izoku::engine;
using S = BenefitSlots;

namespace {

using izoku::test::kToday;
constexpr BaseData kBase = kBaseData2009;

// A household on 2026-12-08: the husband born in 1960, the wife of the
// given age (born 1 June), children by age (born 1 June as well).
FrmRavoForm household(int wifeAge, const QList<int> &childAges = {}, Membership membership = Membership::Employee)
{
    FrmRavoForm form;
    OpenFrmRavo(form, kBase, kToday);
    form.membership = membership;
    form.household.members[0].birth = QDate(1960, 5, 1);
    form.household.members[0].age = QStringLiteral("66");
    form.household.members[1].birth = QDate(2026 - wifeAge, 6, 1);
    form.household.members[1].age = QString::number(wifeAge);
    for (int k = 0; k < childAges.size(); ++k) {
        HouseholdMember &child = form.household.members[HouseholdIndex::Child1 + k];
        child.birth = QDate(2026 - childAges[k], 6, 1);
        child.age = QString::number(childAges[k]);
        child.present = true;
    }
    return form;
}

// The worked employees' record: 120 months at 300,000, 60 at 400,000.
void workedRecord(FrmRavoForm &form, const QString &nationalMonths = QString())
{
    form.text6 = {nationalMonths,       QStringLiteral("120"),    QStringLiteral("300000"),
                  QStringLiteral("60"), QStringLiteral("400000"), QStringLiteral("0.985")};
}

void record(FrmRavoForm &form, const QString &nationalMonths, const QString &months)
{
    form.text6 = {nationalMonths,         months, QStringLiteral("300000"), QStringLiteral("0"), QStringLiteral("0"),
                  QStringLiteral("0.985")};
}

QString slotsOf(const FrmRavoForm &form, std::initializer_list<int> wanted)
{
    QStringList texts;
    for (int slot : wanted)
        texts << form.num4[slot];
    return texts.join(u' ');
}

// The row of the schedule over its year columns.
QStringList yearRow(const FrmRavoForm &form, int row)
{
    QStringList texts;
    for (int column = 1; column <= form.schedule.lastYearColumn(); ++column)
        texts << form.schedule.cell(row, column);
    return texts;
}

// The wife's ages in which a row holds `amount`.
QList<int> agesWith(const FrmRavoForm &form, int row, const QString &amount)
{
    QList<int> ages;
    for (int column = 1; column <= form.schedule.lastYearColumn(); ++column) {
        if (form.schedule.cell(row, column) == amount)
            ages << form.schedule.cell(ScheduleRow::WifeAge, column).toInt();
    }
    return ages;
}

QList<int> range(int first, int last)
{
    QList<int> ages;
    for (int age = first; age <= last; ++age)
        ages << age;
    return ages;
}

CalculationOutcome run(FrmRavoForm &form)
{
    return RunPensionCalculation(form, kBase, kToday);
}

} // namespace

class TestPensionCalculation : public QObject {
    Q_OBJECT
  private slots:
    void workedPanelsOfASalariedHusband()
    {
        FrmRavoForm form = household(45);
        workedRecord(form);
        const CalculationOutcome outcome = run(form);
        QVERIFY(outcome.messages.empty());
        QVERIFY(!outcome.stopped);
        QCOMPARE(form.num3[Num3::ShortNewPartA], QStringLiteral("192375"));
        QCOMPARE(form.num3[Num3::ShortNewPartB], QStringLiteral("98658"));
        QCOMPARE(form.num3[Num3::ShortNewCappedMonths], QStringLiteral("180"));
        QCOMPARE(form.num3[Num3::ShortNewAmount], QStringLiteral("477800"));
        QCOMPARE(form.num3[Num3::LongNewAmount], QStringLiteral("286700"));
        QCOMPARE(form.num3[Num3::LongOldPartA], QStringLiteral("202500"));
        QCOMPARE(form.num3[Num3::LongOldPartB], QStringLiteral("103842"));
        QCOMPARE(form.num3[Num3::LongOldAmount], QStringLiteral("311100"));
        QCOMPARE(form.num3[Num3::LongNewRate1], QStringLiteral("7.125"));
        QCOMPARE(form.num3[Num3::LongOldRate2], QStringLiteral("5.769"));
        // Paid for life from her age today, in every year of the schedule.
        QCOMPARE(slotsOf(form, {S::EmployeesPensionFirstAge, S::EmployeesPensionLastAge, S::EmployeesPensionAmount}),
                 QStringLiteral("45 0 477800"));
        QCOMPARE(agesWith(form, ScheduleRow::EmployeesPension, QStringLiteral("477800")), range(45, 67));
    }

    void scheduleSize_data()
    {
        QTest::addColumn<QString>("wifeAge");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QString>("firstAge");
        QTest::addColumn<QString>("lastAge");
        QTest::newRow("59") << QStringLiteral("59") << 13 << QStringLiteral("59") << QStringLiteral("67");
        QTest::newRow("30") << QStringLiteral("30") << 42 << QStringLiteral("30") << QStringLiteral("67");
        QTest::newRow("0") << QStringLiteral("0") << 72 << QStringLiteral("0") << QStringLiteral("67");
    }
    void scheduleSize()
    {
        QFETCH(QString, wifeAge);
        QFETCH(int, columns);
        QFETCH(QString, firstAge);
        QFETCH(QString, lastAge);
        FrmRavoForm form = household(40);
        form.household.members[1].age = wifeAge;
        workedRecord(form);
        run(form);
        QCOMPARE(form.schedule.rows(), 16);
        QCOMPARE(form.schedule.columns(), columns);
        QCOMPARE(form.schedule.cell(ScheduleRow::WifeAge, 1), firstAge);
        QCOMPARE(form.schedule.cell(ScheduleRow::WifeAge, columns - 4), lastAge);
        for (int column = columns - 3; column < columns; ++column)
            QVERIFY(form.schedule.cell(ScheduleRow::Total, column).isEmpty());
        QCOMPARE(form.schedule.cell(ScheduleRow::Total, 0), QStringLiteral("合計"));
        QCOMPARE(form.schedule.cell(ScheduleRow::Last, 1), QStringLiteral("0"));
    }

    void childAgedTwo()
    {
        FrmRavoForm form = household(30, {2});
        workedRecord(form);
        run(form);
        const QStringList children = yearRow(form, ScheduleRow::Children);
        QCOMPARE(children.count(QStringLiteral("1")), 17);
        QCOMPARE(children.mid(0, 17).count(QStringLiteral("1")), 17);
        QCOMPARE(yearRow(form, ScheduleRow::BasicPension).mid(0, 17),
                 QStringList(17, QString::number(kBase.BasicPensionAmount + kBase.ChildAddition1)));
        QCOMPARE(yearRow(form, ScheduleRow::EmployeesPension), QStringList(38, QStringLiteral("477800")));
        // The child's entitlement ends on 2043-03-31, when the wife is 46.
        QCOMPARE(slotsOf(form, {S::MiddleAgedFirstAge, S::MiddleAgedLastAge, S::MiddleAgedAmount}),
                 QStringLiteral("47 64 594200"));
        QCOMPARE(agesWith(form, ScheduleRow::MiddleAged, QStringLiteral("594200")), range(47, 64));
        QCOMPARE(slotsOf(form, {S::PhaseFirstAge(0), S::PhaseLastAge(0), S::PhaseAmount(0)}),
                 QStringLiteral("30 46 1020000"));
        // A child in the household: no death lump sum.
        QCOMPARE(slotsOf(form, {S::LumpSumAge, S::LumpSumAmount}), QStringLiteral("0 0"));
    }

    void fiveChildren()
    {
        FrmRavoForm form = household(35, {1, 3, 5, 7, 9});
        workedRecord(form);
        run(form);
        QCOMPARE(slotsOf(form, {2, 3, 4, 5, 6, 7, 8, 9, 10, 11}), QStringLiteral("35 44 45 46 47 48 49 50 51 52"));
        QCOMPARE(slotsOf(form, {21, 22, 23, 24, 25}), QStringLiteral("1475600 1399700 1323800 1247900 1020000"));
        QCOMPARE(form.schedule.cell(ScheduleRow::Child1Age + 4, 1), QStringLiteral("9"));
    }

    void phaseStillRunningEndsAtTheLastYear()
    {
        FrmRavoForm form = household(59, {2});
        workedRecord(form);
        run(form);
        QCOMPARE(slotsOf(form, {S::PhaseFirstAge(0), S::PhaseLastAge(0)}), QStringLiteral("59 67"));
    }

    void absentChildKeepsItsRowEmpty()
    {
        FrmRavoForm form = household(40, {5, 8});
        form.household.members[HouseholdIndex::Child1].present = false;
        workedRecord(form);
        run(form);
        QVERIFY(form.schedule.cell(ScheduleRow::Child1Age, 1).isEmpty());
        QCOMPARE(form.schedule.cell(ScheduleRow::Child1Age + 1, 1), QStringLiteral("8"));
        QCOMPARE(form.schedule.cell(ScheduleRow::Children, 1), QStringLiteral("1"));
    }

    void youngWidowWithoutChild()
    {
        FrmRavoForm form = household(29);
        workedRecord(form);
        run(form);
        QCOMPARE(slotsOf(form, {S::EmployeesPensionFirstAge, S::EmployeesPensionLastAge}), QStringLiteral("29 33"));
        QCOMPARE(agesWith(form, ScheduleRow::EmployeesPension, QStringLiteral("477800")), range(29, 33));
        // With a child she keeps it for life.
        FrmRavoForm withChild = household(29, {25});
        workedRecord(withChild);
        run(withChild);
        QCOMPARE(withChild.num4[S::EmployeesPensionLastAge], QStringLiteral("0"));
    }

    // The years of a benefit are found from the wife's ages as the schedule
    // shows them: an age typed with a fraction still gives five years.  From
    // 30 at the husband's death she keeps it for life, to the schedule's end.
    void fiveYearsForAYoungWidow_data()
    {
        QTest::addColumn<QString>("wifeAge");
        QTest::addColumn<QString>("lastAge");
        QTest::addColumn<int>("years");
        QTest::addColumn<QString>("lastPaidAge");
        QTest::newRow("29") << QStringLiteral("29") << QStringLiteral("33") << 5 << QStringLiteral("33");
        QTest::newRow("28.01") << QStringLiteral("28.01") << QStringLiteral("32.01") << 5 << QStringLiteral("32.01");
        QTest::newRow("29.98") << QStringLiteral("29.98") << QStringLiteral("33.98") << 5 << QStringLiteral("33.98");
        QTest::newRow("30: for life") << QStringLiteral("30") << QStringLiteral("0") << 38 << QStringLiteral("67");
    }
    void fiveYearsForAYoungWidow()
    {
        QFETCH(QString, wifeAge);
        QFETCH(QString, lastAge);
        QFETCH(int, years);
        QFETCH(QString, lastPaidAge);
        FrmRavoForm form = household(29);
        form.household.members[HouseholdIndex::Wife].age = wifeAge;
        workedRecord(form);
        run(form);
        QCOMPARE(form.num4[S::EmployeesPensionLastAge], lastAge);
        QCOMPARE(form.schedule.cell(ScheduleRow::WifeAge, years), lastPaidAge);
        const QStringList paid = yearRow(form, ScheduleRow::EmployeesPension);
        QCOMPARE(paid.mid(0, years), QStringList(years, QStringLiteral("477800")));
        QCOMPARE(paid.count(QStringLiteral("477800")), years);
    }

    void middleAgedAddition_data()
    {
        QTest::addColumn<QString>("months");
        QTest::addColumn<int>("wifeAge");
        QTest::addColumn<QList<int>>("children");
        QTest::addColumn<QString>("expected"); // first, last, amount
        QTest::newRow("E 300, no child, 45")
            << QStringLiteral("300") << 45 << QList<int>{} << QStringLiteral("45 64 594200");
        QTest::newRow("E 200, no child, 45")
            << QStringLiteral("200") << 45 << QList<int>{} << QStringLiteral("46 64 594200");
        // The child's entitlement ends on 2029-03-31, when the wife is 47.
        QTest::newRow("E 300, child ends at 47")
            << QStringLiteral("300") << 45 << QList<int>{16} << QStringLiteral("48 64 594200");
        // 2030-03-31, when the wife is 38.
        QTest::newRow("E 200, 35, child ends at 38")
            << QStringLiteral("200") << 35 << QList<int>{15} << QStringLiteral("0 0 0");
        // A child whose entitlement has ended plays no part.
        QTest::newRow("E 300, grown child, 50")
            << QStringLiteral("300") << 50 << QList<int>{22} << QStringLiteral("50 64 594200");
    }
    void middleAgedAddition()
    {
        QFETCH(QString, months);
        QFETCH(int, wifeAge);
        QFETCH(QList<int>, children);
        QFETCH(QString, expected);
        FrmRavoForm form = household(wifeAge, children);
        record(form, QString(), months);
        run(form);
        QCOMPARE(slotsOf(form, {S::MiddleAgedFirstAge, S::MiddleAgedLastAge, S::MiddleAgedAmount}), expected);
        if (expected.startsWith(u'0'))
            QCOMPARE(slotsOf(form, {S::TransitionalFirstAge, S::TransitionalAmount}), QStringLiteral("0 0"));
    }

    void transitionalAddition_data()
    {
        QTest::addColumn<QDate>("wifeBirth");
        QTest::addColumn<QString>("amount");
        QTest::newRow("1955-04-01") << QDate(1955, 4, 1) << QStringLiteral("39700");
        QTest::newRow("1955-04-02") << QDate(1955, 4, 2) << QStringLiteral("19900");
        QTest::newRow("1956-04-02") << QDate(1956, 4, 2) << QStringLiteral("0");
    }
    void transitionalAddition()
    {
        QFETCH(QDate, wifeBirth);
        QFETCH(QString, amount);
        // The age field is what the age check reads; the band goes by the
        // birth date.
        FrmRavoForm form = household(45);
        form.household.members[1].birth = wifeBirth;
        record(form, QString(), QStringLiteral("300"));
        run(form);
        QCOMPARE(form.num4[S::TransitionalAmount], amount);
        QCOMPARE(form.num4[S::TransitionalFirstAge], QStringLiteral("65"));
        // Paid from the wife's 65th year to the end of the schedule.
        const QList<int> paid = amount == u"0" ? QList<int>{} : range(65, 67);
        QCOMPARE(agesWith(form, ScheduleRow::Transitional, amount == u"0" ? QStringLiteral("-") : amount), paid);
    }

    void employeeWithoutEmployeesMonths()
    {
        FrmRavoForm form = household(45);
        form.text6 = {QStringLiteral("100"), QString(), QString(), QString(), QString(), QStringLiteral("0.985")};
        run(form);
        QCOMPARE(form.num3[Num3::ShortNewAmount], QStringLiteral("0"));
        QCOMPARE(form.num3[Num3::ShortOldAmount], QStringLiteral("0"));
        QCOMPARE(form.num4[S::EmployeesPensionAmount], QStringLiteral("0"));
        // No child: the death lump sum of 100 paid months, in the first year.
        QCOMPARE(slotsOf(form, {S::LumpSumAge, S::LumpSumAmount}), QStringLiteral("45 120000"));
        QCOMPARE(form.schedule.cell(ScheduleRow::LumpSum, 1), QStringLiteral("120000"));
        QCOMPARE(form.schedule.cell(ScheduleRow::LumpSum, 2), QStringLiteral("0"));
    }

    void nationalMember_data()
    {
        QTest::addColumn<QString>("paidMonths");
        QTest::addColumn<bool>("employeesRecord"); // the worked 180 employees' months
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("employeesPension"); // first, last, amount
        QTest::addColumn<QString>("widowsPension");    // first, last, amount
        QTest::addColumn<QString>("lumpSum");          // age, amount
        const int employees = int(SurvivorChoice::EmployeesPension);
        const int widows = int(SurvivorChoice::WidowsPension);
        QTest::newRow("300 months") << QStringLiteral("300") << false << employees << QStringLiteral("0 0 0")
                                    << QStringLiteral("60 64 371300") << QStringLiteral("0 0");
        QTest::newRow("299 months") << QStringLiteral("299") << false << employees << QStringLiteral("0 0 0")
                                    << QStringLiteral("0 0 0") << QStringLiteral("50 170000");
        QTest::newRow("35 months") << QStringLiteral("35") << false << employees << QStringLiteral("0 0 0")
                                   << QStringLiteral("0 0 0") << QStringLiteral("0 0");
        QTest::newRow("300 + 180, employees' pension chosen")
            << QStringLiteral("300") << true << employees << QStringLiteral("50 0 286700") << QStringLiteral("0 0 0")
            << QStringLiteral("0 0");
        QTest::newRow("300 + 180, widow's pension chosen")
            << QStringLiteral("300") << true << widows << QStringLiteral("0 0 0") << QStringLiteral("60 64 371300")
            << QStringLiteral("0 0");
        QTest::newRow("100 + 180: short of 300 in all")
            << QStringLiteral("100") << true << employees << QStringLiteral("0 0 0") << QStringLiteral("0 0 0")
            << QStringLiteral("50 120000");
        // Qualified by 25 years in all without a widow's pension to choose
        // instead: the survivors' employees' pension of the long requirement
        // for life, beside the death lump sum.
        QTest::newRow("200 + 180: no widow's pension")
            << QStringLiteral("200") << true << employees << QStringLiteral("50 0 286700") << QStringLiteral("0 0 0")
            << QStringLiteral("50 145000");
    }
    void nationalMember()
    {
        QFETCH(QString, paidMonths);
        QFETCH(bool, employeesRecord);
        QFETCH(int, choice);
        QFETCH(QString, employeesPension);
        QFETCH(QString, widowsPension);
        QFETCH(QString, lumpSum);
        FrmRavoForm form = household(50, {}, Membership::National);
        form.choice = SurvivorChoice(choice);
        if (employeesRecord)
            workedRecord(form, paidMonths);
        else
            record(form, paidMonths, QString());
        run(form);
        QCOMPARE(slotsOf(form, {S::EmployeesPensionFirstAge, S::EmployeesPensionLastAge, S::EmployeesPensionAmount}),
                 employeesPension);
        QCOMPARE(slotsOf(form, {S::WidowsPensionFirstAge, S::WidowsPensionLastAge, S::WidowsPensionAmount}),
                 widowsPension);
        QCOMPARE(slotsOf(form, {S::LumpSumAge, S::LumpSumAmount}), lumpSum);
        // The additions of the employees' path are never computed here.
        QCOMPARE(slotsOf(form, {S::MiddleAgedAmount, S::TransitionalAmount}), QStringLiteral("0 0"));
    }

    void widowsPensionInTheSchedule()
    {
        FrmRavoForm form = household(55, {}, Membership::National);
        record(form, QStringLiteral("300"), QString());
        run(form);
        QCOMPARE(agesWith(form, ScheduleRow::WidowsPension, QStringLiteral("371300")), range(60, 64));
        QCOMPARE(agesWith(form, ScheduleRow::Total, QStringLiteral("371300")), range(60, 64));
        QCOMPARE(agesWith(form, ScheduleRow::Total, QStringLiteral("0")), (range(55, 59) + range(65, 67)));
    }

    void nationalMemberWithChildGetsNoLumpSum()
    {
        FrmRavoForm form = household(40, {10}, Membership::National);
        record(form, QStringLiteral("299"), QString());
        run(form);
        QCOMPARE(slotsOf(form, {S::LumpSumAge, S::LumpSumAmount}), QStringLiteral("0 0"));
        QCOMPARE(slotsOf(form, {S::PhaseFirstAge(0), S::PhaseLastAge(0)}), QStringLiteral("40 48"));
    }

    void husbandBornBeforeTheEarliestBand_data()
    {
        QTest::addColumn<QDate>("birth");
        QTest::addColumn<bool>("message");
        QTest::addColumn<QString>("longNewRate1");
        QTest::newRow("1943-04-01") << QDate(1943, 4, 1) << true << QStringLiteral("0");
        QTest::newRow("1943-04-02") << QDate(1943, 4, 2) << false << QStringLiteral("7.439");
    }
    void husbandBornBeforeTheEarliestBand()
    {
        QFETCH(QDate, birth);
        QFETCH(bool, message);
        QFETCH(QString, longNewRate1);
        FrmRavoForm form = household(45);
        form.household.members[0].birth = birth;
        workedRecord(form);
        const CalculationOutcome outcome = run(form);
        QVERIFY(!outcome.stopped);
        QCOMPARE(outcome.messages.size(), std::size_t(message ? 1 : 0));
        if (message) {
            QCOMPARE(outcome.messages[0].text, QStringLiteral("昭和18年4月1日以前は対応していません"));
            QCOMPARE(outcome.messages[0].title, QStringLiteral("エラー"));
        }
        QCOMPARE(form.num3[Num3::LongNewRate1], longNewRate1);
        // The calculation goes on either way.
        QCOMPARE(form.num4[S::EmployeesPensionAmount], QStringLiteral("477800"));
    }

    void yearWithoutBenefitTotalsZero()
    {
        FrmRavoForm form = household(40, {}, Membership::National);
        record(form, QStringLiteral("10"), QString());
        run(form);
        QCOMPARE(yearRow(form, ScheduleRow::Total), QStringList(28, QStringLiteral("0")));
    }

    // The paid months are looked up for a death lump sum only when one is in
    // question; months beyond a whole number then end the calculation before
    // the benefits reach the schedule.
    void lumpSumMonthsBeyondAWholeNumber_data()
    {
        QTest::addColumn<QList<int>>("children");
        QTest::addColumn<QString>("employeesPension");
        QTest::newRow("a child: no lump sum in question") << QList<int>{5} << QStringLiteral("477800");
        QTest::newRow("no child: the calculation ends") << QList<int>{} << QStringLiteral("0");
    }
    void lumpSumMonthsBeyondAWholeNumber()
    {
        QFETCH(QList<int>, children);
        QFETCH(QString, employeesPension);
        FrmRavoForm form = household(35, children);
        workedRecord(form, QStringLiteral("40000"));
        run(form);
        QCOMPARE(form.schedule.cell(ScheduleRow::EmployeesPension, 1), employeesPension);
        QCOMPARE(slotsOf(form, {S::LumpSumAge, S::LumpSumAmount}), QStringLiteral("0 0"));
    }
};

QTEST_APPLESS_MAIN(TestPensionCalculation)
#include "tst_pensioncalculation.moc"
