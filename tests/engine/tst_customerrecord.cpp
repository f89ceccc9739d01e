#include "engine/needs/customerrecord.h"
#include "engine/needs/frmhokenbuttons.h"
#include "engine/needs/frmhokenform.h"

#include <QTest>

using namespace izoku::engine;

namespace {

const QDate kToday(2026, 12, 8);

QString field(const CustomerRecord &record, const QString &name)
{
    for (const CustomerField &f : record)
        if (f.name == name)
            return f.text;
    return QStringLiteral("<missing>");
}

} // namespace

class TestCustomerRecord : public QObject {
    Q_OBJECT
  private slots:
    void fieldsInTheOrderTheyAreSet()
    {
        FrmhokenForm form;
        QStringList names;
        for (const CustomerField &f : CustomerRecordOf(form, kToday))
            names << f.name;
        QStringList expected{QStringLiteral("日付")};
        for (int k = 1; k <= 7; ++k)
            expected << QStringLiteral("氏名%1").arg(k) << QStringLiteral("生年月日%1").arg(k)
                     << QStringLiteral("年齢%1").arg(k);
        expected << QStringLiteral("国保期間") << QStringLiteral("厚生期間1") << QStringLiteral("金額1")
                 << QStringLiteral("厚生期間2") << QStringLiteral("金額2") << QStringLiteral("保険会社");
        for (const char *n : {"11", "12", "13", "21", "22", "23", "31", "32", "33", "41", "42", "51", "52"})
            expected << QStringLiteral("生保") + QString::fromLatin1(n);
        for (int k = 1; k <= 5; ++k)
            expected << QStringLiteral("印%1").arg(k);
        QCOMPARE(names.size(), 46);
        QCOMPARE(names, expected);
        // Every field saved is a column of the table, and the table has the
        // two marks no save writes.
        for (const QString &name : names)
            QVERIFY2(CustomerColumns().contains(name), qPrintable(name));
        QCOMPARE(CustomerColumns().size(), 48);
        QVERIFY(CustomerColumns().contains(QStringLiteral("印7")));
    }

    void screenFieldsLandInTheirColumns_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("expected");
        QTest::newRow("saved today") << "日付"
                                     << "2026/12/08";
        QTest::newRow("birth with leading zeros") << "生年月日3"
                                                  << "2009/03/08";
        QTest::newRow("name of 子5") << "氏名7"
                                     << "name6";
        QTest::newRow("age typed over") << "年齢2"
                                        << "age1";
        QTest::newRow("national months") << "国保期間"
                                         << "num1-7";
        QTest::newRow("second remuneration") << "金額2"
                                             << "num1-11";
        QTest::newRow("company") << "保険会社"
                                 << "company";
        QTest::newRow("term 1 from") << "生保11"
                                     << "num4-0";
        QTest::newRow("term 3 amount") << "生保33"
                                       << "num4-8";
        QTest::newRow("whole life 1 amount") << "生保42"
                                             << "num4-10";
        QTest::newRow("whole life 2 from") << "生保51"
                                           << "num4-11";
        QTest::newRow("whole life 2 amount") << "生保52"
                                             << "num4-12";
        QTest::newRow("子3 disabled") << "印3"
                                      << "1";
        QTest::newRow("子1 not disabled") << "印1"
                                          << "0";
        QTest::newRow("子5 not disabled") << "印5"
                                          << "0";
    }
    void screenFieldsLandInTheirColumns()
    {
        QFETCH(QString, column);
        QFETCH(QString, expected);
        FrmhokenForm form;
        for (int i = 0; i < 7; ++i) {
            form.household.members[i].name = QStringLiteral("name%1").arg(i);
            form.household.members[i].age = QStringLiteral("age%1").arg(i);
            form.household.members[i].birth = QDate(1980, 1, 1);
        }
        form.household.members[HouseholdIndex::Child1].birth = QDate(2009, 3, 8);
        form.household.members[HouseholdIndex::Child3].disabled = true;
        // The wife's disability box is not a child's mark.
        form.household.members[HouseholdIndex::Wife].disabled = true;
        for (int slot = 7; slot <= 11; ++slot)
            form.num1(slot) = QStringLiteral("num1-%1").arg(slot);
        for (int slot = 0; slot < HokenNum4::kCount; ++slot)
            form.num4[slot] = QStringLiteral("num4-%1").arg(slot);
        form.fmt3[HokenFmt3::Company] = QStringLiteral("company");
        form.fmt3[HokenFmt3::Product] = QStringLiteral("product");
        const CustomerRecord record = CustomerRecordOf(form, kToday);
        QCOMPARE(field(record, column), expected);
    }

    void householdSavedWithoutInput()
    {
        FrmhokenForm form;
        OpenFrmhoken(form, kBaseData2009, kToday);
        const CustomerRecord record = CustomerRecordOf(form, kToday);
        for (int k = 1; k <= 7; ++k) {
            QCOMPARE(field(record, QStringLiteral("氏名%1").arg(k)), QString());
            QCOMPARE(field(record, QStringLiteral("生年月日%1").arg(k)), QStringLiteral("2026/12/08"));
            QCOMPARE(field(record, QStringLiteral("年齢%1").arg(k)), QString());
        }
        for (int k = 1; k <= 5; ++k)
            QCOMPARE(field(record, QStringLiteral("印%1").arg(k)), QStringLiteral("0"));
        QCOMPARE(field(record, QStringLiteral("国保期間")), QStringLiteral("0"));
    }

    // A saved household reopened on another day: every stored field comes
    // back, and a child counts when anything of it was typed.
    void reopenedHousehold_data()
    {
        QTest::addColumn<int>("child");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("age");
        QTest::addColumn<QDate>("birth");
        QTest::addColumn<bool>("present");
        const QDate saved(2025, 6, 1);
        QTest::newRow("named child") << 1 << "太郎"
                                     << "" << saved << true;
        QTest::newRow("aged child") << 2 << ""
                                    << "3" << saved << true;
        QTest::newRow("born child") << 3 << ""
                                    << "" << QDate(2020, 2, 3) << true;
        QTest::newRow("empty row of a childless household") << 4 << ""
                                                            << "" << saved << false;
        QTest::newRow("age 0 and the saving date") << 5 << ""
                                                   << "0" << saved << false;
        QTest::newRow("age typed as text") << 1 << ""
                                           << "三" << saved << false;
    }
    void reopenedHousehold()
    {
        QFETCH(int, child);
        QFETCH(QString, name);
        QFETCH(QString, age);
        QFETCH(QDate, birth);
        QFETCH(bool, present);
        const QDate saved(2025, 6, 1);
        FrmhokenForm typed;
        OpenFrmhoken(typed, kBaseData2009, saved);
        typed.household.members[HouseholdIndex::Husband].name = QStringLiteral("山田一郎");
        typed.household.members[HouseholdIndex::Husband].birth = QDate(1985, 4, 2);
        typed.household.members[HouseholdIndex::Husband].age = QStringLiteral("40");
        HouseholdMember &member = typed.household.members[HouseholdIndex::Child1 + child - 1];
        member.name = name;
        member.age = age;
        member.birth = birth;
        member.disabled = true;
        for (int slot = 7; slot <= 11; ++slot)
            typed.num1(slot) = QStringLiteral("%1x").arg(slot);
        for (int slot = 0; slot < HokenNum4::kCount; ++slot)
            typed.num4[slot] = QString::number(slot * 10);
        typed.fmt3[HokenFmt3::Company] = QStringLiteral("company");
        FrmhokenForm reopened;
        OpenFrmhoken(reopened, kBaseData2009, kToday);
        QVERIFY(!HoldsHousehold(reopened));
        const CalculationOutcome outcome = ReopenCustomer(reopened, CustomerRecordOf(typed, saved), kToday);
        QVERIFY(outcome.messages.empty());
        QVERIFY(HoldsHousehold(reopened));
        for (int index = 0; index < HouseholdIndex::Count; ++index) {
            const HouseholdMember &was = typed.household.members[index];
            const HouseholdMember &is = reopened.household.members[index];
            QCOMPARE(is.name, was.name);
            QCOMPARE(is.birth, was.birth);
            QCOMPARE(is.age, was.age);
            QCOMPARE(is.disabled, Household::IsChild(index) && was.disabled);
            QCOMPARE(is.present, index == HouseholdIndex::Child1 + child - 1 && present);
        }
        for (int slot = 7; slot <= 11; ++slot)
            QCOMPARE(reopened.num1(slot), typed.num1(slot));
        // The policies only: the range fields after them are not saved.
        for (int slot = 0; slot < HokenNum4::kTermPolicies * 3 + HokenNum4::kWholeLifePolicies * 2; ++slot)
            QCOMPARE(reopened.num4[slot], typed.num4[slot]);
        QCOMPARE(reopened.fmt3[HokenFmt3::Company], QStringLiteral("company"));
        QCOMPARE(reopened.date2[HokenDate2::BaseDate], kToday);
    }

    // A hand-edited file: a date that does not read leaves the picker on
    // the saving date, a text that is not a number arrives as it is.
    void reopenedHandEditedRow()
    {
        CustomerRecord record = CustomerRecordOf(FrmhokenForm(), QDate(2025, 6, 1));
        for (CustomerField &f : record) {
            if (f.name == QStringLiteral("生年月日3"))
                f.text = QStringLiteral("平成21年");
            if (f.name == QStringLiteral("国保期間"))
                f.text = QStringLiteral("１２０か月");
        }
        FrmhokenForm form;
        ReopenCustomer(form, record, kToday);
        QCOMPARE(form.household.members[HouseholdIndex::Child1].birth, QDate(2025, 6, 1));
        QVERIFY(!form.household.members[HouseholdIndex::Child1].present);
        QCOMPARE(form.num1(HokenNum1::NationalMonths), QStringLiteral("１２０か月"));
    }
};

QTEST_GUILESS_MAIN(TestCustomerRecord)
#include "tst_customerrecord.moc"
