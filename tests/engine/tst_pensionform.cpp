#include "engine/pension/pensioncalculation.h"
#include "testday.h"
#include "workedpension.h"

#include <QTest>

using namespace izoku::engine;

namespace {

using izoku::test::kToday;
constexpr BaseData kBase = kBaseData2009;

FrmRavoForm calculable(const QString &wifeAge)
{
    return izoku::test::WorkedPensionForm(wifeAge, kToday, kBase);
}

} // namespace

class TestPensionForm : public QObject {
    Q_OBJECT
  private slots:
    void opening()
    {
        FrmRavoForm form;
        OpenFrmRavo(form, kBase, kToday);
        QCOMPARE(form.membership, Membership::Employee);
        QCOMPARE(form.choice, SurvivorChoice::EmployeesPension);
        QCOMPARE(form.text6[Text6::SlideRate], QStringLiteral("0.985"));
        QVERIFY(form.text6[Text6::NationalPaidMonths].isEmpty());
        for (const QDate &date : form.dates)
            QCOMPARE(date, kToday);
        QCOMPARE(form.num3[Num3::ShortNewRate1], QStringLiteral("7.125"));
        QCOMPARE(form.num3[Num3::ShortOldRate2], QStringLiteral("5.769"));
        QCOMPARE(form.num3[Num3::LongOldSlideRate], QStringLiteral("0.985"));
        QCOMPARE(form.schedule.rows(), 0);
        // Another year's slide rate shows as the base figures hold it, and
        // opening again leaves nothing of the last household behind.
        BaseData other = kBase;
        other.SlideRate = 0.978;
        form.household.members[0].name = QStringLiteral("山田太郎");
        form.num4[BenefitSlots::LumpSumAmount] = QStringLiteral("120000");
        form.schedule.Reset(12);
        OpenFrmRavo(form, other, kToday);
        QCOMPARE(form.text6[Text6::SlideRate], QStringLiteral("0.978"));
        QVERIFY(form.household.members[0].name.isEmpty());
        QCOMPARE(form.num4[BenefitSlots::LumpSumAmount], QStringLiteral("0"));
        QCOMPARE(form.schedule.rows(), 0);
    }

    void stoppingChecks_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("wifeAge");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("focus");
        const QString numeric = QStringLiteral("数値を入れて下さい");
        const QString age = QStringLiteral("妻の年齢が60歳未満の場合のみ対応しています。");
        QTest::newRow("12a") << 1 << QStringLiteral("12a") << QStringLiteral("40") << numeric
                             << QStringLiteral("エラー") << QStringLiteral("Text6(1)");
        QTest::newRow("letters in the slide rate") << 5 << QStringLiteral("abc") << QStringLiteral("40") << numeric
                                                   << QStringLiteral("エラー") << QStringLiteral("Text6(5)");
        QTest::newRow("blanks only") << 4 << QStringLiteral("  ") << QStringLiteral("40") << numeric
                                     << QStringLiteral("エラー") << QStringLiteral("Text6(4)");
        QTest::newRow("not a number before the age") << 0 << QStringLiteral("x") << QStringLiteral("60") << numeric
                                                     << QStringLiteral("エラー") << QStringLiteral("Text6(0)");
        QTest::newRow("wife 60") << 0 << QString() << QStringLiteral("60") << age << QStringLiteral("年齢制限")
                                 << QString();
        QTest::newRow("wife 59.5") << 0 << QString() << QStringLiteral("59.5") << age << QStringLiteral("年齢制限")
                                   << QString();
        // What the reading would cut short is no number: "400,000" would
        // read as 400 yen.
        for (int field = 0; field < Text6::Count; ++field) {
            for (const char *text : {"400,000", "1e3", "１２３", "1 2", "-", "."}) {
                QTest::addRow("Text6(%d) %s", field, text)
                    << field << QString::fromUtf8(text) << QStringLiteral("40") << numeric << QStringLiteral("エラー")
                    << Text6FieldName(field);
            }
        }
    }
    void stoppingChecks()
    {
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(QString, wifeAge);
        QFETCH(QString, message);
        QFETCH(QString, title);
        QFETCH(QString, focus);
        FrmRavoForm form = calculable(wifeAge);
        form.text6[field] = text;
        form.num4[BenefitSlots::EmployeesPensionAmount] = QStringLiteral("123");
        const FrmRavoForm before = form;
        const CalculationOutcome outcome = RunPensionCalculation(form, kBase, kToday);
        QVERIFY(outcome.stopped);
        QCOMPARE(outcome.messages.size(), std::size_t(1));
        QCOMPARE(outcome.messages[0].text, message);
        QCOMPARE(outcome.messages[0].title, title);
        QCOMPARE(outcome.messages[0].icon, MessageIcon::Warning);
        QCOMPARE(outcome.messages[0].focus, focus);
        QCOMPARE(outcome.messages[0].selectAll, !focus.isEmpty());
        // Nothing already on screen is cleared.
        QVERIFY(form == before);
    }

    void wholeNumbersPassTheCheck_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        for (int field = 0; field < Text6::Count; ++field) {
            for (const char *text : {" 12 ", "12.", ".5"})
                QTest::addRow("Text6(%d) '%s'", field, text) << field << QString::fromLatin1(text);
        }
    }
    void wholeNumbersPassTheCheck()
    {
        QFETCH(int, field);
        QFETCH(QString, text);
        FrmRavoForm form = calculable(QStringLiteral("40"));
        form.text6[field] = text;
        const CalculationOutcome outcome = RunPensionCalculation(form, kBase, kToday);
        QVERIFY(!outcome.stopped);
        QVERIFY(outcome.messages.empty());
    }

    void uncomputableAgesStop_data()
    {
        QTest::addColumn<int>("person");
        QTest::addColumn<QString>("age");
        QTest::addColumn<QString>("text");
        const QString wife = QStringLiteral("妻の年齢を入力して下さい");
        QTest::newRow("wife empty") << 1 << QString() << wife;
        QTest::newRow("wife blank") << 1 << QStringLiteral(" ") << wife;
        QTest::newRow("wife letters") << 1 << QStringLiteral("abc") << wife;
        QTest::newRow("wife grouped") << 1 << QStringLiteral("1,5") << wife;
        QTest::newRow("wife negative") << 1 << QStringLiteral("-30000") << wife;
        QTest::newRow("wife just below 0") << 1 << QStringLiteral("-0.5") << wife;
        for (int k = 1; k <= 5; ++k) {
            const QString child = QStringLiteral("子%1の年齢を入力して下さい").arg(k);
            QTest::addRow("child %d empty", k) << k + 1 << QString() << child;
            QTest::addRow("child %d negative", k) << k + 1 << QStringLiteral("-1") << child;
        }
    }
    void uncomputableAgesStop()
    {
        QFETCH(int, person);
        QFETCH(QString, age);
        QFETCH(QString, text);
        FrmRavoForm form = calculable(QStringLiteral("40"));
        // Every child ticked with an age, a later one with a bad age too: the
        // first in row order is named.
        for (int i = HouseholdIndex::Child1; i < HouseholdIndex::Count; ++i) {
            form.household.members[i].present = true;
            form.household.members[i].age = i > person ? QStringLiteral("-2") : QStringLiteral("3");
        }
        form.household.members[person].age = age;
        form.num4[BenefitSlots::EmployeesPensionAmount] = QStringLiteral("123");
        const FrmRavoForm before = form;
        const CalculationOutcome outcome = RunPensionCalculation(form, kBase, kToday);
        QVERIFY(outcome.stopped);
        QCOMPARE(outcome.messages, Messages({Warning(text, QStringLiteral("入力エラー"),
                                                     QStringLiteral("Text5(%1)").arg(person), true)}));
        QVERIFY(form == before);
    }

    void agesThatDoNotCountAreNotChecked()
    {
        FrmRavoForm form = calculable(QStringLiteral("0"));
        // The husband's age and an unticked child's play no part here.
        form.household.members[HouseholdIndex::Husband].age = QStringLiteral("-5");
        form.household.members[HouseholdIndex::Child3].age = QStringLiteral("abc");
        form.household.members[HouseholdIndex::Child1].age = QStringLiteral(" 0 ");
        form.household.members[HouseholdIndex::Child1].present = true;
        const CalculationOutcome outcome = RunPensionCalculation(form, kBase, kToday);
        QVERIFY(!outcome.stopped);
        QCOMPARE(form.schedule.columns(), 72);
    }

    void ageCheckFollowsTheAgeLimitAndPrecedesTheRecord()
    {
        FrmRavoForm form = calculable(QStringLiteral("60"));
        form.household.members[HouseholdIndex::Child1].present = true;
        auto first = [&] { return RunPensionCalculation(form, kBase, kToday).messages.at(0).text; };
        QCOMPARE(first(), QStringLiteral("妻の年齢が60歳未満の場合のみ対応しています。"));
        form.household.members[HouseholdIndex::Wife].age = QStringLiteral("59");
        QCOMPARE(first(), QStringLiteral("子1の年齢を入力して下さい"));
        form.text6 = {};
        QCOMPARE(first(), QStringLiteral("子1の年齢を入力して下さい"));
        form.household.members[HouseholdIndex::Child1].age = QStringLiteral("1");
        QCOMPARE(first(), QStringLiteral("年金関連のデータを入れてください"));
    }

    void checksComeInOrder()
    {
        FrmRavoForm form = calculable(QStringLiteral("62"));
        form.text6 = {QString(), QStringLiteral("1x"), QString(), QString(), QString(), QStringLiteral("0.985")};
        auto first = [&] { return RunPensionCalculation(form, kBase, kToday).messages.at(0).text; };
        QCOMPARE(first(), QStringLiteral("数値を入れて下さい"));
        form.text6[Text6::MonthsTo2003] = QStringLiteral("0");
        QCOMPARE(first(), QStringLiteral("妻の年齢が60歳未満の場合のみ対応しています。"));
        form.household.members[1].age = QStringLiteral("59");
        const CalculationOutcome last = RunPensionCalculation(form, kBase, kToday);
        QCOMPARE(last.messages.at(0).text, QStringLiteral("年金関連のデータを入れてください"));
        QCOMPARE(last.messages.at(0).title, QStringLiteral("入力エラー"));
        // A slide rate alone is no pension record.
        QVERIFY(last.stopped);
    }

    void trailingBlanksAreANumber()
    {
        FrmRavoForm form = calculable(QStringLiteral("45"));
        form.text6[Text6::MonthsTo2003] = QStringLiteral("120  ");
        const CalculationOutcome outcome = RunPensionCalculation(form, kBase, kToday);
        QVERIFY(!outcome.stopped);
        QCOMPARE(form.num3[Num3::ShortNewMonthsTo2003], QStringLiteral("120  "));
        QCOMPARE(form.num3[Num3::ShortNewAmount], QStringLiteral("477800"));
    }

    void emptySlideRateGivesNoEarningsRelatedAmount()
    {
        FrmRavoForm form = calculable(QStringLiteral("45"));
        form.text6[Text6::SlideRate] = QString();
        RunPensionCalculation(form, kBase, kToday);
        QCOMPARE(form.num3[Num3::ShortNewAmount], QStringLiteral("0"));
        QCOMPARE(form.num3[Num3::LongNewAmount], QStringLiteral("0"));
        QCOMPARE(form.num3[Num3::ShortNewPartA], QStringLiteral("192375"));
    }

    void figuresBeyondAWholeNumberEndSilently()
    {
        // Base figures no year will have: the first year's total overflows.
        BaseData huge = kBase;
        huge.BasicPensionAmount = 2147000000;
        FrmRavoForm form = calculable(QStringLiteral("45"));
        form.household.members[2].age = QStringLiteral("10");
        form.household.members[2].present = true;
        const CalculationOutcome outcome = RunPensionCalculation(form, huge, kToday);
        QVERIFY(!outcome.stopped);
        QVERIFY(outcome.messages.empty());
        QCOMPARE(form.schedule.cell(ScheduleRow::BasicPension, 1), QStringLiteral("2147227900"));
        QCOMPARE(form.schedule.cell(ScheduleRow::EmployeesPension, 1), QStringLiteral("477800"));
        QCOMPARE(form.schedule.cell(ScheduleRow::Total, 1), QStringLiteral("0"));
    }

    void clears()
    {
        FrmRavoForm form = calculable(QStringLiteral("45"));
        form.household.members[2].present = true;
        form.household.members[2].name = QStringLiteral("太郎");
        RunPensionCalculation(form, kBase, kToday);
        const FrmRavoForm calculated = form;

        // "AC" leaves the pension record and the results alone.
        ClearHousehold(form, kToday);
        QCOMPARE(form.household.members[1].age, QStringLiteral("0"));
        QVERIFY(form.household.members[2].name.isEmpty() && !form.household.members[2].present);
        QCOMPARE(form.text6, calculated.text6);
        QCOMPARE(form.num4, calculated.num4);
        QVERIFY(form.schedule == calculated.schedule);

        ClearNationalMonths(form.pensionRecord());
        QCOMPARE(form.text6[Text6::NationalPaidMonths], QStringLiteral("0"));
        ClearEmployeesRecord(form.pensionRecord());
        QCOMPARE(form.text6,
                 (std::array<QString, 6>{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
                                         QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0.985")}));

        form.dates[PeriodDate::EmployeesEntry] = QDate(1990, 4, 1);
        form.dates[PeriodDate::Reference] = QDate(2020, 1, 1);
        form.num3[Num3::NationalPensionMonths] = QStringLiteral("12");
        ClearPeriodDates(form.pensionRecord(), kToday);
        QCOMPARE(form.dates[PeriodDate::EmployeesEntry], kToday);
        QCOMPARE(form.dates[PeriodDate::Reference], QDate(2020, 1, 1));
        QCOMPARE(form.num3[Num3::NationalPensionMonths], QStringLiteral("0"));
    }

    void clearResultsSizesForTheWifesAge_data()
    {
        QTest::addColumn<QString>("wifeAge");
        QTest::addColumn<int>("columns");
        QTest::newRow("59") << QStringLiteral("59") << 13;
        QTest::newRow("empty") << QString() << 72;
        // A negative age no schedule can be built for sizes it as age 0.
        QTest::newRow("negative") << QStringLiteral("-30000") << 72;
        // Past 67 the schedule keeps its titles and S + 5 columns.
        QTest::newRow("70") << QStringLiteral("70") << 2;
        QTest::newRow("71") << QStringLiteral("71") << 1;
    }
    void clearResultsSizesForTheWifesAge()
    {
        QFETCH(QString, wifeAge);
        QFETCH(int, columns);
        FrmRavoForm form = calculable(QStringLiteral("45"));
        RunPensionCalculation(form, kBase, kToday);
        form.household.members[1].age = wifeAge;
        ClearResults(form);
        for (const QString &slot : form.num4)
            QCOMPARE(slot, QStringLiteral("0"));
        QCOMPARE(form.schedule.columns(), columns);
        QCOMPARE(form.schedule.cell(ScheduleRow::WifeAge, 0), QStringLiteral("妻年齢"));
        QVERIFY(form.schedule.cell(ScheduleRow::WifeAge, 1).isEmpty());
        QVERIFY(form.schedule.cell(ScheduleRow::Total, 1).isEmpty());
    }

    void monthCalculators()
    {
        FrmRavoForm form;
        OpenFrmRavo(form, kBase, kToday);
        form.dates[PeriodDate::EmployeesEntry] = QDate(1990, 4, 1);
        QVERIFY(CalculateMonthsTo2003(form.pensionRecord()).messages.empty());
        QCOMPARE(form.text6[Text6::MonthsTo2003], QStringLiteral("155"));

        form.dates[PeriodDate::EmployeesEntry] = QDate(2003, 4, 1);
        const CalculationOutcome refused = CalculateMonthsTo2003(form.pensionRecord());
        QVERIFY(refused.stopped);
        QCOMPARE(refused.messages.size(), std::size_t(1));
        QCOMPARE(refused.messages[0].text, QStringLiteral("入力した日付が誤りです。"));
        QCOMPARE(refused.messages[0].title, QStringLiteral("エラー"));
        QCOMPARE(form.text6[Text6::MonthsTo2003], QStringLiteral("155"));

        form.dates[PeriodDate::EmployeesEnd] = QDate(2008, 4, 1);
        CalculateMonthsFrom2003(form.pensionRecord());
        QCOMPARE(form.text6[Text6::MonthsFrom2003], QStringLiteral("60"));
        form.dates[PeriodDate::EmployeesEnd] = QDate(2001, 4, 1);
        CalculateMonthsFrom2003(form.pensionRecord());
        QCOMPARE(form.text6[Text6::MonthsFrom2003], QStringLiteral("24"));

        form.dates[PeriodDate::NationalFrom] = QDate(1985, 4, 1);
        form.dates[PeriodDate::NationalTo] = QDate(1990, 3, 31);
        CalculateNationalMonths(form.pensionRecord());
        QCOMPARE(form.num3[Num3::NationalPensionMonths], QStringLiteral("59"));
        QVERIFY(form.text6[Text6::NationalPaidMonths].isEmpty());
    }

    void chartFeed()
    {
        FrmRavoForm form = calculable(QStringLiteral("42"));
        form.household.members[0].name = QStringLiteral("山田太郎");
        RunPensionCalculation(form, kBase, kToday);
        const ChartFeed feed = PensionChartFeed(form);
        QCOMPARE(feed.name, QStringLiteral("山田太郎"));
        QCOMPARE(feed.rows(), 25);
        QCOMPARE(feed.rowLabels.first(), QStringLiteral(" 42歳"));
        QCOMPARE(feed.rowLabels.last(), QStringLiteral(" 66歳"));
        // 477,800 + 594,200 from 43 (E < 240, no child) to 64.
        QCOMPARE(feed.series1.at(0), 47.0);
        QCOMPARE(feed.series1.at(1), 107.0);
        QCOMPARE(feed.listLines.at(1), QStringLiteral("43歳   1,072,000"));
        QCOMPARE(feed.axisMaximum, 200);
        QCOMPARE(feed.series2, std::vector<double>(25, 0.0));
        QCOMPARE(feed.fields.size(), 29);
        QVERIFY(!feed.fields.contains(19));
        QCOMPARE(feed.fields.value(20), QStringLiteral("477800"));
        QCOMPARE(feed.periodFields.value(2), QStringLiteral("300000"));
        QCOMPARE(feed.periodFields.size(), 5);
    }

    void chartOfAWidowsPensionAlone()
    {
        FrmRavoForm form = calculable(QStringLiteral("55"));
        form.membership = Membership::National;
        form.text6 = {QStringLiteral("300"), QString(), QString(), QString(), QString(), QStringLiteral("0.985")};
        RunPensionCalculation(form, kBase, kToday);
        const ChartFeed feed = PensionChartFeed(form);
        QCOMPARE(feed.rows(), 12);
        QCOMPARE(feed.series1.at(5), 37.0);
        // (3 + 1) × 100 would draw 37 万円 bars against 400.
        QCOMPARE(feed.axisMaximum, 50);
    }

    void chartBeforeAnyCalculation()
    {
        FrmRavoForm form = calculable(QStringLiteral("40"));
        const ChartFeed feed = PensionChartFeed(form);
        QCOMPARE(feed.rows(), 0);
        QCOMPARE(feed.axisMaximum, 10);
        QCOMPARE(feed.fields.value(0), QStringLiteral("0"));
    }
};

QTEST_APPLESS_MAIN(TestPensionForm)
#include "tst_pensionform.moc"
