#include "tst_needshousehold.h"

#include "engine/needs/comparison.h"
#include "engine/needs/customerrecord.h"
#include "engine/needs/projection.h"
#include "engine/needs/projectioncsv.h"
#include "engine/pension/frmravoform.h"

#include <QTest>

using namespace izoku::engine;
using izoku::test::kToday;
using izoku::test::NeedsHousehold;
using izoku::test::WorkedHousehold;
using Row = ProjectionSheet::Row;
using Slots = QMap<int, QString>;

Q_DECLARE_METATYPE(Membership)
Q_DECLARE_METATYPE(SurvivorChoice)

class TestNeeds : public QObject {
    Q_OBJECT
  private slots:
    void opening()
    {
        FrmhokenForm form;
        QCOMPARE(form.num1(HokenNum1::WifeAge), QString());
        QCOMPARE(form.num1(HokenNum1::WifeWorkTo), QStringLiteral("50"));
        QCOMPARE(form.num4[HokenNum4::ReferenceAge], QStringLiteral("64"));
        QVERIFY(!form.sheet.exists());
        const BaseData data{2010, 0.9, 792100, 227900, 75900};
        OpenFrmhoken(form, data, kToday);
        QCOMPARE(form.num1(HokenNum1::SlideRate), QStringLiteral("0.9"));
        QCOMPARE(form.num1(HokenNum1::WifeOldAgePension), QStringLiteral("792100"));
        QCOMPARE(form.list7.size(), 60);
        QCOMPARE(form.list7.first(), QStringLiteral("85"));
        QCOMPARE(form.list7.mid(22, 4), QStringList({"63", "62", "62", "61"}));
        QCOMPARE(form.list7.mid(51, 4), QStringList({"35", "34", "34", "33"}));
        QCOMPARE(form.list7.last(), QStringLiteral("28"));
        QCOMPARE(form.household.members[HouseholdIndex::Child5].birth, kToday);
        QCOMPARE(form.date2[HokenDate2::NationalTo], kToday);
    }

    void clearAllKeepsTheFixedFields()
    {
        NeedsHousehold h = WorkedHousehold();
        h.calculate();
        FrmhokenForm &form = h.form();
        form.household.members[0].name = QStringLiteral("山田太郎");
        form.fmt3[HokenFmt3::Company] = QStringLiteral("A生命");
        form.num4[HokenNum4::Term1Amount] = QStringLiteral("1000");
        form.num1(HokenNum1::Kindergarten) = QStringLiteral("60");
        const QString lumpSumAge = form.num1(HokenNum1::LumpSumAge) = QStringLiteral("38");
        ClearAll(form, QDate(2027, 1, 5));
        QCOMPARE(form.household.members[0].name, QString());
        QCOMPARE(form.num1(HokenNum1::WifeAge), QStringLiteral("0"));
        QVERIFY(!form.household.members[HouseholdIndex::Child1].present);
        QCOMPARE(form.household.members[HouseholdIndex::Child1].birth, QDate(2027, 1, 5));
        QCOMPARE(form.date2[HokenDate2::BaseDate], QDate(2027, 1, 5));
        for (int slot : {7, 8, 9, 10, 11, 13, 14, 16, 22, 27, 28, 31, 45, 51, 53, 54, 55, 56, 57, 58, 59, 61})
            QCOMPARE(form.num1(slot), QStringLiteral("0"));
        QCOMPARE(form.num1(HokenNum1::Kindergarten), QStringLiteral("60"));
        QCOMPARE(form.num1(HokenNum1::University), QStringLiteral("132"));
        QCOMPARE(form.num1(HokenNum1::SlideRate), QStringLiteral("0.985"));
        QCOMPARE(form.num1(HokenNum1::WifeWorkTo), QStringLiteral("50"));
        QCOMPARE(form.num1(HokenNum1::WifeOldAgePension), QStringLiteral("792100"));
        QCOMPARE(form.num1(HokenNum1::LumpSumAge), lumpSumAge);
        QCOMPARE(form.fmt3[HokenFmt3::Company], QString());
        QCOMPARE(form.num4[HokenNum4::Term1Amount], QStringLiteral("0"));
        QCOMPARE(form.num4[HokenNum4::ReferenceAge], QStringLiteral("64"));
        QCOMPARE(form.num4[HokenNum4::RangeTo], QStringLiteral("86"));
    }

    void periodCalculators()
    {
        FrmhokenForm form;
        form.date2[HokenDate2::CompanyEntry] = QDate(1990, 4, 1);
        QVERIFY(CalculateMonthsTo2003(form.pensionRecord()).messages.empty());
        QCOMPARE(form.num1(HokenNum1::EmployeeMonthsTo2003), QStringLiteral("155"));
        form.date2[HokenDate2::CompanyEntry] = QDate(2003, 4, 1);
        const CalculationOutcome refused = CalculateMonthsTo2003(form.pensionRecord());
        QVERIFY(refused.stopped);
        QCOMPARE(refused.messages,
                 Messages{Warning(QStringLiteral("入力した日付が誤りです。"), QStringLiteral("エラー"))});
        QCOMPARE(form.num1(HokenNum1::EmployeeMonthsTo2003), QStringLiteral("155"));
        form.date2[HokenDate2::EmployeeEnd] = QDate(2008, 4, 1);
        CalculateMonthsFrom2003(form.pensionRecord());
        QCOMPARE(form.num1(HokenNum1::EmployeeMonthsFrom2003), QStringLiteral("60"));
        form.date2[HokenDate2::NationalFrom] = QDate(2010, 6, 30);
        form.date2[HokenDate2::NationalTo] = QDate(2000, 4, 1);
        CalculateNationalMonths(form.pensionRecord());
        QCOMPARE(form.num1(HokenNum1::PeriodMonths), QStringLiteral("122"));
    }

    void birthDateEntersTheAge()
    {
        NeedsHousehold h;
        FrmhokenForm &form = h.form();
        form.household.members[HouseholdIndex::Child2].birth = QDate(2020, 6, 15);
        LeaveBirthDate(form, HouseholdIndex::Child2, kToday);
        QCOMPARE(form.num1(HokenNum1::Child1Age + 1), QStringLiteral("6"));
        QVERIFY(form.household.members[HouseholdIndex::Child2].present);
        form.household.members[HouseholdIndex::Child3].birth = kToday;
        LeaveBirthDate(form, HouseholdIndex::Child3, kToday);
        QCOMPARE(form.num1(HokenNum1::Child1Age + 2), QString());
        QVERIFY(!form.household.members[HouseholdIndex::Child3].present);
    }

    void checksStopBeforeAnythingIsRebuilt_data()
    {
        QTest::addColumn<QString>("wifeAge");
        QTest::addColumn<bool>("pensionData");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("horizon");
        QTest::newRow("no pension data") << "30" << false << "年金関連データを入力して下さい。"
                                         << "入力エラー"
                                         << "48";
        QTest::newRow("wife aged 60") << "60" << true << "妻の年齢が60歳未満の場合のみ対応しています。"
                                      << "年齢制限"
                                      << "";
        QTest::newRow("wife aged 59.5") << "59.5" << true << "妻の年齢が60歳未満の場合のみ対応しています。"
                                        << "年齢制限"
                                        << "";
    }
    void checksStopBeforeAnythingIsRebuilt()
    {
        QFETCH(QString, wifeAge);
        QFETCH(bool, pensionData);
        QFETCH(QString, text);
        QFETCH(QString, title);
        QFETCH(QString, horizon);
        NeedsHousehold h = WorkedHousehold();
        h.calculate();
        const QStringList before = h.form().sheet.rowTexts(Row::PensionTotal);
        h.set(HokenNum1::WifeAge, wifeAge);
        if (!pensionData)
            ClearPeriods(h.form());
        const CalculationOutcome outcome = h.calculate();
        QVERIFY(outcome.stopped);
        QCOMPARE(outcome.messages, Messages({Warning(text, title)}));
        QCOMPARE(h.form().sheet.rowTexts(Row::PensionTotal), before);
        QCOMPARE(h.form().num1(HokenNum1::EmployeesPensionAmount), QStringLiteral("477800"));
        // The horizon has been looked up again before the age is refused.
        QCOMPARE(h.form().num1(HokenNum1::LifeExpectancy), pensionData ? horizon : QStringLiteral("48"));
        QCOMPARE(h.form().num3[Num3::ShortNewAmount], QStringLiteral("0"));
    }

    void uncomputableAgesStop_data()
    {
        QTest::addColumn<int>("person");
        QTest::addColumn<QString>("age");
        QTest::addColumn<QString>("role");
        QTest::newRow("husband empty") << 0 << QString() << QStringLiteral("夫");
        QTest::newRow("husband negative") << 0 << QStringLiteral("-30000") << QStringLiteral("夫");
        QTest::newRow("husband grouped") << 0 << QStringLiteral("4,0") << QStringLiteral("夫");
        QTest::newRow("wife empty") << 1 << QString() << QStringLiteral("妻");
        QTest::newRow("wife letters") << 1 << QStringLiteral("x") << QStringLiteral("妻");
        QTest::newRow("wife negative") << 1 << QStringLiteral("-1") << QStringLiteral("妻");
        for (int k = 1; k <= 5; ++k) {
            QTest::addRow("child %d full-width", k) << k + 1 << QStringLiteral("８") << QStringLiteral("子%1").arg(k);
            QTest::addRow("child %d negative", k) << k + 1 << QStringLiteral("-0.1") << QStringLiteral("子%1").arg(k);
        }
    }
    void uncomputableAgesStop()
    {
        QFETCH(int, person);
        QFETCH(QString, age);
        QFETCH(QString, role);
        NeedsHousehold h = WorkedHousehold();
        for (int k = 2; k <= 5; ++k)
            h.child(k, 3);
        h.calculate();
        const auto sheetTexts = [&] {
            QList<QStringList> rows;
            for (int row = 0; row < h.form().sheet.rowCount(); ++row)
                rows << h.form().sheet.rowTexts(row);
            return rows;
        };
        const QList<QStringList> before = sheetTexts();
        QVERIFY(!before.isEmpty());
        // Every later person has a bad age too: the first in row order is named.
        for (int i = person + 1; i < HouseholdIndex::Count; ++i)
            h.set(i, QStringLiteral("-2"));
        h.set(person, age);
        const CalculationOutcome outcome = h.calculate();
        QVERIFY(outcome.stopped);
        QCOMPARE(outcome.messages,
                 Messages({Warning(role + QStringLiteral("の年齢を入力して下さい"), QStringLiteral("入力エラー"),
                                   QStringLiteral("Num1(%1)").arg(person), true)}));
        QCOMPARE(sheetTexts(), before);
        QCOMPARE(h.form().num1(HokenNum1::EmployeesPensionAmount), QStringLiteral("477800"));
        // The comparison starts with the same checks.
        QCOMPARE(CompareInsuranceWithCoverage(h.form(), kBaseData2009, kToday).messages, outcome.messages);
    }

    void untickedChildsAgeIsNotChecked()
    {
        NeedsHousehold h = WorkedHousehold();
        h.set(HouseholdIndex::Child3, QStringLiteral("abc"));
        h.set(HouseholdIndex::Child1, QStringLiteral(" 8 "));
        QVERIFY(!h.calculate().stopped);
    }

    void ageCheckFollowsTheAgeLimit()
    {
        NeedsHousehold h = WorkedHousehold();
        h.set(HouseholdIndex::Husband, QString()).set(HouseholdIndex::Wife, QStringLiteral("60"));
        QCOMPARE(h.calculate().messages.at(0).title, QStringLiteral("年齢制限"));
        ClearPeriods(h.form());
        QCOMPARE(h.calculate().messages.at(0).text, QStringLiteral("年金関連データを入力して下さい。"));
    }

    void benefits_data()
    {
        QTest::addColumn<Membership>("membership");
        QTest::addColumn<QString>("nationalMonths");
        QTest::addColumn<bool>("employeeRecord");
        QTest::addColumn<int>("wifeAge");
        QTest::addColumn<int>("childAge"); // -1: no child
        QTest::addColumn<SurvivorChoice>("choice");
        QTest::addColumn<Slots>("expected");
        const auto N = Membership::National;
        const auto E = Membership::Employee;
        const auto pension = SurvivorChoice::EmployeesPension;
        const auto widow = SurvivorChoice::WidowsPension;
        QTest::newRow("self-employed, 300 months: widow's pension")
            << N << "300" << false << 45 << -1 << pension
            << Slots{{46, "371300"}, {56, "60"}, {57, "64"}, {48, "0"}, {60, "0"}, {28, "0"}, {54, "0"}, {55, "0"}};
        QTest::newRow("self-employed, 36 months: lump sum")
            << N << "36" << false << 45 << -1 << pension << Slots{{46, "0"}, {48, "120000"}, {60, "45"}};
        QTest::newRow("self-employed, 299 months")
            << N << "299" << false << 45 << -1 << pension << Slots{{46, "0"}, {48, "170000"}, {60, "45"}};
        QTest::newRow("self-employed, 35 months")
            << N << "35" << false << 45 << -1 << pension << Slots{{48, "0"}, {60, "0"}};
        QTest::newRow("self-employed with a child: no lump sum")
            << N << "100" << false << 45 << 10 << pension
            << Slots{{48, "0"}, {60, "0"}, {31, "45"}, {32, "53"}, {41, "1020000"}, {29, "0"}, {47, "0"}};
        QTest::newRow("self-employed, long requirement, 遺族厚生年金選択")
            << N << "300" << true << 45 << -1 << pension
            << Slots{{28, "286700"}, {54, "45"}, {55, "86"}, {46, "0"}, {56, "0"}, {57, "0"}, {60, "0"}, {48, "0"}};
        QTest::newRow("self-employed, long requirement, 寡婦年金選択")
            << N << "300" << true << 45 << -1 << widow
            << Slots{{28, "0"}, {54, "0"}, {46, "371300"}, {56, "60"}, {57, "64"}, {48, "0"}, {60, "0"}};
        // Qualified by 25 years in all with no widow's pension to choose
        // instead: the long requirement's pension to the end of the horizon.
        QTest::newRow("self-employed, 120 + 180 months, no widow's pension")
            << N << "120" << true << 45 << -1 << pension
            << Slots{{28, "286700"}, {54, "45"}, {55, "86"}, {46, "0"}, {48, "120000"}};
        QTest::newRow("self-employed, 100 + 180 months: short of 300")
            << N << "100" << true << 45 << -1 << pension << Slots{{28, "0"}, {54, "0"}, {55, "0"}};
        QTest::newRow("salaried, wife 38, child 8")
            << E << "0" << true << 38 << 8 << pension
            << Slots{{28, "477800"}, {54, "38"}, {55, "86"}, {29, "49"},      {61, "64"}, {30, "594200"}, {58, "65"},
                     {47, "0"},      {31, "38"}, {32, "48"}, {41, "1020000"}, {33, "0"},  {48, "0"},      {60, "0"}};
        QTest::newRow("salaried, wife 29, no child: five years")
            << E << "0" << true << 29 << -1 << pension << Slots{{28, "477800"}, {54, "29"}, {55, "33"}, {30, "0"}};
        QTest::newRow("salaried, wife 29, a child: for life")
            << E << "0" << true << 29 << 3 << pension << Slots{{28, "477800"}, {54, "29"}, {55, "86"}};
        QTest::newRow("salaried, wife 30, no child: for life")
            << E << "0" << true << 30 << -1 << pension << Slots{{54, "30"}, {55, "86"}};
        QTest::newRow("salaried, wife 45, no child, E 180: addition from 46")
            << E << "36" << true << 45 << -1 << pension
            << Slots{{29, "46"}, {61, "64"}, {30, "594200"}, {48, "120000"}, {60, "45"}};
        QTest::newRow("salaried with a child: no lump sum")
            << E << "300" << true << 45 << 17 << pension << Slots{{48, "0"}, {60, "0"}};
    }
    void benefits()
    {
        QFETCH(Membership, membership);
        QFETCH(QString, nationalMonths);
        QFETCH(bool, employeeRecord);
        QFETCH(int, wifeAge);
        QFETCH(int, childAge);
        QFETCH(SurvivorChoice, choice);
        QFETCH(Slots, expected);
        NeedsHousehold h;
        h.husband("50", QDate(1976, 5, 1)).wife(wifeAge, wifeAge == 38 ? QDate(1988, 6, 10) : QDate());
        if (employeeRecord)
            h.salaried();
        h.form().option1 = membership;
        h.form().choice = choice;
        h.set(HokenNum1::NationalMonths, nationalMonths);
        if (childAge >= 0)
            h.child(1, childAge, childAge == 8 ? QDate(2018, 7, 1) : QDate());
        const CalculationOutcome outcome = h.calculate();
        QVERIFY(!outcome.stopped);
        QVERIFY(outcome.messages.empty());
        for (auto it = expected.begin(); it != expected.end(); ++it) {
            QVERIFY2(h.form().num1(it.key()) == it.value(),
                     qPrintable(QStringLiteral("slot %1: %2").arg(it.key()).arg(h.form().num1(it.key()))));
        }
        // The sheet carries each benefit in the years of its ages.
        const FrmhokenForm &form = h.form();
        const ProjectionSheet &sheet = form.sheet;
        for (int column = 1; column <= sheet.yearColumns(); ++column) {
            const double a = sheet.value(Row::WifeAge, column);
            const bool paid = form.num1Value(54) <= a && a <= form.num1Value(55);
            QCOMPARE(sheet.value(Row::EmployeesPension, column), paid ? form.num1Value(28) : 0.0);
            QCOMPARE(sheet.value(Row::WidowsPension, column), a >= 60 && a <= 64 ? form.num1Value(46) : 0.0);
        }
        QCOMPARE(sheet.value(Row::DeathLumpSum, 1), form.num1Value(48));
        QCOMPARE(sheet.value(Row::PensionTotal, 1),
                 sheet.value(Row::BasicPension, 1) + sheet.value(Row::EmployeesPension, 1) +
                     sheet.value(Row::MiddleAgedAddition, 1) + sheet.value(Row::WidowsPension, 1) +
                     sheet.value(Row::DeathLumpSum, 1));
    }

    // A spreadsheet reads the file back cell for cell, a label holding a
    // comma or a quote included.
    void csvReadsBackAsTheSheet()
    {
        NeedsHousehold h = WorkedHousehold();
        QCOMPARE(ExportProjectionCsv(h.form()).messages.front().text,
                 QStringLiteral("基礎計算実行ボタンを押してください"));
        QVERIFY(!ExportProjectionCsv(h.form()).csv);
        h.calculate();
        ProjectionSheet &sheet = h.form().sheet;
        sheet.setText(Row::Unused, 0, QStringLiteral("備考,\"特約\"\r\n2行目"));
        const std::optional<QByteArray> csv = ExportProjectionCsv(h.form()).csv;
        QVERIFY(csv);
        QVERIFY(csv->startsWith("\xEF\xBB\xBF"));

        const QString text = QString::fromUtf8(csv->mid(3));
        std::vector<QStringList> rows(1);
        QString field;
        bool quoted = false;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text[i];
            if (quoted && c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                field += c;
                ++i;
            } else if (c == u'"') {
                quoted = !quoted;
            } else if (!quoted && c == u',') {
                rows.back() << std::exchange(field, {});
            } else if (!quoted && c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
                rows.back() << std::exchange(field, {});
                rows.emplace_back();
                ++i;
            } else {
                field += c;
            }
        }
        QVERIFY(rows.back().isEmpty() && field.isEmpty()); // the last line ends like every other
        rows.pop_back();
        QCOMPARE(int(rows.size()), sheet.rowCount());
        for (int row = 0; row < sheet.rowCount(); ++row)
            QCOMPARE(rows[size_t(row)], sheet.rowTexts(row));
        QCOMPARE(rows[Row::WifeAge][0], ProjectionSheet::Label(Row::WifeAge));
    }

    void fiveChildren()
    {
        NeedsHousehold h;
        h.husband("45", QDate(1981, 5, 1)).wife(40).salaried();
        for (int k = 1; k <= 5; ++k)
            h.child(k, 2 * k); // 2, 4, 6, 8, 10
        h.calculate();
        const FrmhokenForm &form = h.form();
        QCOMPARE(form.num1(HokenNum1::BasicPhase1Amount), QStringLiteral("1475600"));
        QCOMPARE(form.num1(HokenNum1::BasicPhase1From), QStringLiteral("40"));
        QCOMPARE(form.num1(HokenNum1::BasicPhase1To), QStringLiteral("48")); // the eldest is 18 when she is 48
        QCOMPARE(form.num1(HokenNum1::BasicPhase1Amount + 4), QStringLiteral("1020000"));
        QCOMPARE(form.num1(HokenNum1::BasicPhase1To + 8), QStringLiteral("56"));
        QCOMPARE(form.sheet.value(Row::EntitledChildren, 1), 5.0);
        QCOMPARE(form.sheet.value(Row::EntitledChildren, 18), 0.0);
    }

    void phaseRunningInTheLastYearEndsThere()
    {
        NeedsHousehold h;
        h.husband("30", QDate(1996, 5, 1)).wife(0).child(1, 3).salaried();
        h.calculate();
        QCOMPARE(h.form().sheet.yearColumns(), 1);
        QCOMPARE(h.form().num1(HokenNum1::BasicPhase1From), QStringLiteral("0"));
        QCOMPARE(h.form().num1(HokenNum1::BasicPhase1To), QStringLiteral("0"));
        QCOMPARE(h.form().num1(HokenNum1::BasicPhase1Amount), QStringLiteral("1020000"));
    }

    // The wife's old-age pension field is what she receives from 65: a
    // working wife's own figure typed there leaves the survivors' benefits
    // as the law of the year gives them.
    void wifesOwnPensionLeavesTheSurvivorsBenefits_data()
    {
        QTest::addColumn<bool>("selfEmployed");
        QTest::addColumn<int>("row");
        QTest::addColumn<double>("amount");
        QTest::newRow("survivors' basic pension") << false << int(Row::BasicPension) << 792100.0 + 227900.0;
        QTest::newRow("widow's pension at 60") << true << int(Row::WidowsPension) << 371300.0;
    }
    void wifesOwnPensionLeavesTheSurvivorsBenefits()
    {
        QFETCH(bool, selfEmployed);
        QFETCH(int, row);
        QFETCH(double, amount);
        NeedsHousehold h = WorkedHousehold();
        if (selfEmployed) {
            h = NeedsHousehold();
            h.husband("40", QDate(1986, 5, 1)).wife(38).selfEmployed("300");
        }
        h.set(HokenNum1::WifeOldAgePension, "1400000");
        h.calculate();
        const ProjectionSheet &sheet = h.form().sheet;
        // The wife is 38 in the first year: 60 in the 23rd, 65 in the 28th.
        QCOMPARE(sheet.value(row, row == Row::WidowsPension ? 23 : 1), amount);
        QCOMPARE(sheet.value(Row::WifeOwnPension, 28), 1400000.0);
    }

    void panelsWithoutEmployeesMonthsShowZero()
    {
        NeedsHousehold h;
        h.husband("40", QDate(1986, 5, 1)).wife(40).set(HokenNum1::AverageMonthlyRemuneration, "300000");
        const CalculationOutcome outcome = h.calculate();
        QVERIFY(!outcome.stopped);
        const FrmhokenForm &form = h.form();
        QCOMPARE(form.num3[Num3::ShortNewAmount], QStringLiteral("0"));
        QCOMPARE(form.num3[Num3::ShortOldAmount], QStringLiteral("0"));
        QCOMPARE(form.num3[Num3::ShortNewCappedMonths], QStringLiteral("0"));
        QCOMPARE(form.num1(HokenNum1::EmployeesPensionAmount), QStringLiteral("0"));
    }

    void panelsOfTheWorkedRecord()
    {
        NeedsHousehold h = WorkedHousehold();
        h.calculate();
        const auto &num3 = h.form().num3;
        QCOMPARE(num3[Num3::ShortNewPartA], QStringLiteral("192375"));
        QCOMPARE(num3[Num3::ShortNewPartB], QStringLiteral("98658"));
        QCOMPARE(num3[Num3::ShortNewCappedMonths], QStringLiteral("180"));
        QCOMPARE(num3[Num3::ShortNewAmount], QStringLiteral("477800"));
        QCOMPARE(num3[Num3::LongNewAmount], QStringLiteral("286700"));
        QCOMPARE(num3[Num3::LongOldAmount], QStringLiteral("311100"));
        QCOMPARE(num3[Num3::ShortNewSlideRate], QStringLiteral("0.985"));
    }

    // The paid months are looked up for a death lump sum only when one is in
    // question: with a child they play no part, without one a figure beyond
    // a whole number stops the calculation.
    void lumpSumMonthsBeyondAWholeNumber_data()
    {
        QTest::addColumn<bool>("child");
        QTest::addColumn<bool>("stopped");
        QTest::newRow("a child: no lump sum in question") << true << false;
        QTest::newRow("no child: stopped") << false << true;
    }
    void lumpSumMonthsBeyondAWholeNumber()
    {
        QFETCH(bool, child);
        QFETCH(bool, stopped);
        NeedsHousehold h;
        h.husband("40", QDate(1986, 5, 1)).wife(35).salaried().set(HokenNum1::NationalMonths, "40000");
        if (child)
            h.child(1, 5);
        const CalculationOutcome outcome = h.calculate();
        QCOMPARE(outcome.stopped, stopped);
        QCOMPARE(outcome.messages, stopped ? Messages{AmountTooLargeMessage()} : Messages{});
        QCOMPARE(h.form().sheet.exists(), !stopped);
    }

    void husbandBornBeforeTheBands_data()
    {
        QTest::addColumn<QDate>("birth");
        QTest::addColumn<bool>("message");
        QTest::addColumn<QString>("longNewRate1");
        QTest::newRow("1943-04-01: the rates shown stay") << QDate(1943, 4, 1) << true << "0";
        QTest::newRow("1943-04-02") << QDate(1943, 4, 2) << false << "7.439";
        QTest::newRow("1944-04-02") << QDate(1944, 4, 2) << false << "7.334";
    }
    void husbandBornBeforeTheBands()
    {
        QFETCH(QDate, birth);
        QFETCH(bool, message);
        QFETCH(QString, longNewRate1);
        NeedsHousehold h = WorkedHousehold();
        h.husband("83", birth);
        const CalculationOutcome outcome = h.calculate();
        QVERIFY(!outcome.stopped);
        QCOMPARE(outcome.messages.size(), size_t(message ? 1 : 0));
        if (message)
            QCOMPARE(outcome.messages[0],
                     Warning(QStringLiteral("昭和18年4月1日以前は対応していません"), QStringLiteral("エラー")));
        QCOMPARE(h.form().num3[Num3::LongNewRate1], longNewRate1);
        QVERIFY(h.form().sheet.exists());
    }

    // Saved, reopened a year later and recomputed on the saving day's base
    // date: the same figures, since the record holds everything the base
    // calculation reads besides what the screen keeps (the living costs).
    void reopenedHouseholdCalculatesAsSaved_data()
    {
        QTest::addColumn<bool>("children");
        QTest::addColumn<bool>("policies");
        QTest::newRow("worked household") << true << false;
        QTest::newRow("with policies") << true << true;
        QTest::newRow("childless") << false << false;
    }
    void reopenedHouseholdCalculatesAsSaved()
    {
        QFETCH(bool, children);
        QFETCH(bool, policies);
        NeedsHousehold typed;
        typed.husband("40", QDate(1986, 5, 1)).wife(38, QDate(1988, 6, 10)).salaried();
        if (children)
            typed.child(1, 8, QDate(2018, 7, 1)).child(2, 3, QDate(2023, 2, 1), true);
        if (policies)
            typed.policy(HokenNum4::Term1To, "60").policy(HokenNum4::Term1Amount, "3000");
        FrmhokenForm &saved = typed.form();
        const CustomerRecord record = CustomerRecordOf(saved, kToday);
        QVERIFY(!RunBaseCalculation(saved, kBaseData2009, kToday).stopped);

        FrmhokenForm reopened;
        OpenFrmhoken(reopened, kBaseData2009, kToday.addYears(1));
        ReopenCustomer(reopened, record, kToday);
        QVERIFY(!RunBaseCalculation(reopened, kBaseData2009, kToday).stopped);
        for (int slot = 0; slot < HokenNum1::kCount; ++slot)
            QCOMPARE(reopened.num1(slot), saved.num1(slot));
        QCOMPARE(reopened.sheet.yearColumns(), saved.sheet.yearColumns());
        for (int row = 0; row < ProjectionSheet::kRows; ++row)
            QCOMPARE(izoku::test::RowValues(reopened, row), izoku::test::RowValues(saved, row));
    }
};

QTEST_GUILESS_MAIN(TestNeeds)
#include "tst_needs.moc"
