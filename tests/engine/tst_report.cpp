#include "tst_needshousehold.h"

#include "engine/dates/japanesedate.h"
#include "engine/needs/comparison.h"
#include "engine/report/consultationreport.h"
#include "engine/report/customerfile.h"
#include "engine/text/numbertext.h"

#include <QTest>

using namespace izoku::engine;
using izoku::test::kToday;
using izoku::test::NeedsHousehold;
using izoku::test::WorkedHousehold;

namespace {

const ReportBenefit &benefit(const ConsultationReport &report, const QString &name)
{
    for (const ReportBenefit &row : report.benefits) {
        if (row.benefit == name)
            return row;
    }
    qFatal("no benefit row %s", qPrintable(name));
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT
  private slots:
    void japaneseDates_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("japanese");
        QTest::newRow("Showa") << QDate(1986, 5, 1) << "昭和61年5月1日";
        QTest::newRow("Showa's last week") << QDate(1989, 1, 7) << "昭和64年1月7日";
        QTest::newRow("Heisei's first day") << QDate(1989, 1, 8) << "平成元年1月8日";
        QTest::newRow("Heisei's last day") << QDate(2019, 4, 30) << "平成31年4月30日";
        QTest::newRow("Reiwa's first day") << QDate(2019, 5, 1) << "令和元年5月1日";
        QTest::newRow("missing") << QDate() << "";
    }
    void japaneseDates()
    {
        QFETCH(QDate, date);
        QFETCH(QString, japanese);
        QCOMPARE(JapaneseDate(date), japanese);
    }

    // Each benefit says why it is paid or not, as the decision went.
    void reasons_data()
    {
        QTest::addColumn<bool>("child");
        QTest::addColumn<int>("wifeAge");
        QTest::addColumn<QString>("employeesMonths"); // before 2003, after it 60
        QTest::addColumn<QString>("basicReason");
        QTest::addColumn<QString>("employeesReason");
        QTest::newRow("a child, 180 months") << true << 38 << "120"
                                             << "18歳到達年度末までの子がいるため"
                                             << "夫の厚生年金加入期間が300月に満たないため300月とみなして計算";
        QTest::newRow("no child, 360 months") << false << 38 << "300"
                                              << "18歳到達年度末までの子がいないため支給されません"
                                              << "夫の厚生年金加入期間360月で計算";
        QTest::newRow("no child, wife 28")
            << false << 28 << "120"
            << "18歳到達年度末までの子がいないため支給されません"
            << "夫の厚生年金加入期間が300月に満たないため300月とみなして計算（30歳未満で子がいないため5年間）";
    }
    void reasons()
    {
        QFETCH(bool, child);
        QFETCH(int, wifeAge);
        QFETCH(QString, employeesMonths);
        QFETCH(QString, basicReason);
        QFETCH(QString, employeesReason);
        NeedsHousehold h;
        h.husband("40", QDate(1986, 5, 1))
            .wife(wifeAge)
            .salaried()
            .set(HokenNum1::EmployeeMonthsTo2003, employeesMonths);
        if (child)
            h.child(1, 8);
        QVERIFY(!h.calculate().stopped);
        const ReportOpening opening = OpenConsultationReport(h.form(), kBaseData2009, kToday);
        QVERIFY(opening.report);
        QCOMPARE(benefit(*opening.report, "遺族基礎年金").reason, basicReason);
        QCOMPARE(benefit(*opening.report, "遺族厚生年金").reason, employeesReason);
        // The amounts are the screen's.
        QCOMPARE(benefit(*opening.report, "遺族厚生年金").amount,
                 FormatNumber(h.form().num1Value(HokenNum1::EmployeesPensionAmount), NumberFormat::Grouped) + "円");
    }

    void householdAndCoverage()
    {
        NeedsHousehold h = WorkedHousehold();
        h.form().household.members[HouseholdIndex::Husband].name = QStringLiteral("山田太郎");
        QCOMPARE(OpenConsultationReport(h.form(), kBaseData2009, kToday).messages.front().text,
                 QStringLiteral("基礎計算実行ボタンを押してください"));
        h.policy(HokenNum4::Term1From, "40").policy(HokenNum4::Term1To, "60").policy(HokenNum4::Term1Amount, "3000");
        h.calculate();
        const FrmhokenForm before = h.form();
        const ReportOpening opening = OpenConsultationReport(h.form(), kBaseData2009, kToday);
        QVERIFY(opening.report);
        const ConsultationReport &report = *opening.report;
        QCOMPARE(report.customer, QStringLiteral("山田太郎"));
        QCOMPARE(CustomerFileName("提案書", h.form(), kToday, "pdf"), QStringLiteral("提案書_山田太郎_2026-12-08.pdf"));
        QCOMPARE(int(report.household.size()), 3);
        QCOMPARE(report.household[1].japaneseBirth, QStringLiteral("昭和63年6月10日"));
        QCOMPARE(report.household[1].westernBirth, QStringLiteral("1988年6月10日"));
        QCOMPARE(report.household[2].age, QStringLiteral("8歳"));
        QCOMPARE(benefit(report, "遺族基礎年金").fromAge, QStringLiteral("38歳"));

        // The comparison runs on a copy: the screen keeps its sheet.
        QCOMPARE(h.form().sheet.rowTexts(ProjectionSheet::InsuranceTotal),
                 before.sheet.rowTexts(ProjectionSheet::InsuranceTotal));
        FrmhokenForm compared = h.form();
        QVERIFY(CompareInsuranceWithCoverage(compared, kBaseData2009, kToday).chart);
        const double needed = compared.sheet.value(ProjectionSheet::ShortfallToReference, 1);
        const double held = compared.sheet.value(ProjectionSheet::InsuranceTotal, 1);
        QCOMPARE(report.coverageNeeded, FormatNumber(needed, NumberFormat::Grouped) + "円");
        QCOMPARE(report.shortfall, held < needed);
        QVERIFY(report.coverageWording.contains(report.coverageDifference));
        QVERIFY(report.coverageWording.endsWith(held < needed ? "不足しています。" : "上回っています。"));
        QVERIFY(report.note.contains("平成21年度の額"));
    }
};

QTEST_GUILESS_MAIN(TestReport)
#include "tst_report.moc"
