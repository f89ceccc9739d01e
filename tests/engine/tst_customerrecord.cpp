#include "engine/needs/customerrecord.h"
#include "engine/needs/formdataform.h"
#include "engine/needs/frmhokenbuttons.h"
#include "engine/needs/frmhokenform.h"
#include "testday.h"

#include <QTest>

using namespace izoku::engine;

Q_DECLARE_METATYPE(RowMove)
Q_DECLARE_METATYPE(Membership)
Q_DECLARE_METATYPE(SurvivorChoice)

namespace {

using izoku::test::kToday;

} // namespace

class TestCustomerRecord : public QObject {
    Q_OBJECT
  private slots:
    void screenFieldsLandInTheRecord()
    {
        FrmhokenForm form;
        for (int i = 0; i < HouseholdIndex::Count; ++i) {
            form.household.members[i].name = QStringLiteral("name%1").arg(i);
            form.household.members[i].age = QStringLiteral("age%1").arg(i);
            form.household.members[i].birth = QDate(1980, 1, 1);
        }
        form.household.members[HouseholdIndex::Child1].birth = QDate(2009, 3, 8);
        form.household.members[HouseholdIndex::Child3].disabled = true;
        // The wife's disability box is not a child's mark.
        form.household.members[HouseholdIndex::Wife].disabled = true;
        for (int slot = HokenNum1::NationalMonths; slot <= HokenNum1::AverageRemuneration; ++slot)
            form.num1(slot) = QStringLiteral("num1-%1").arg(slot);
        for (int slot = 0; slot < HokenNum4::kCount; ++slot)
            form.num4[slot] = QStringLiteral("num4-%1").arg(slot);
        form.fmt3[HokenFmt3::Company] = QStringLiteral("company");
        form.fmt3[HokenFmt3::Product] = QStringLiteral("product");
        const CustomerRecord record = CustomerRecordOf(form, kToday);

        QCOMPARE(record.savedOn, QStringLiteral("2026/12/08"));
        QCOMPARE(record.persons[HouseholdIndex::Child1], (SavedPerson{"name2", "2009/03/08", "age2"}));
        QCOMPARE(record.persons[HouseholdIndex::Child5], (SavedPerson{"name6", "1980/01/01", "age6"}));
        QCOMPARE(record.childMarks, (std::array<QString, 5>{"0", "0", "1", "0", "0"}));
        QCOMPARE(record.pensionRecord, (SavedPensionRecord{"num1-7", "num1-8", "num1-9", "num1-10", "num1-11"}));
        QCOMPARE(record.company, QStringLiteral("company"));
        QCOMPARE(record.termPolicies[0], (SavedTermPolicy{"num4-0", "num4-1", "num4-2"}));
        QCOMPARE(record.termPolicies[2], (SavedTermPolicy{"num4-6", "num4-7", "num4-8"}));
        QCOMPARE(record.wholeLifePolicies[0], (SavedWholeLifePolicy{"num4-9", "num4-10"}));
        QCOMPARE(record.wholeLifePolicies[1], (SavedWholeLifePolicy{"num4-11", "num4-12"}));
    }

    void householdSavedWithoutInput()
    {
        FrmhokenForm form;
        OpenFrmhoken(form, kBaseData2009, kToday);
        const CustomerRecord record = CustomerRecordOf(form, kToday);
        for (const SavedPerson &person : record.persons)
            QCOMPARE(person, (SavedPerson{"", "2026/12/08", ""}));
        for (const QString &mark : record.childMarks)
            QCOMPARE(mark, QStringLiteral("0"));
        QCOMPARE(record.pensionRecord.nationalMonths, QStringLiteral("0"));
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

        // The customer list shows a birth date on the lines of those who
        // count, never the saving date of an empty child's line.
        FormDataForm list;
        ShowCustomer(list, CustomerRecordOf(typed, saved));
        for (int index = 0; index < HouseholdIndex::Count; ++index) {
            const bool counts = !Household::IsChild(index) || reopened.household.members[index].present;
            QCOMPARE(list.text1[FormDataText1::Birth1 + index],
                     counts ? RecordDate(typed.household.members[index].birth) : QString());
        }
    }

    // A hand-edited file: a date that does not read leaves the picker on
    // the saving date, a text that is not a number arrives as it is.
    void reopenedHandEditedRow()
    {
        CustomerRecord record = CustomerRecordOf(FrmhokenForm(), QDate(2025, 6, 1));
        record.persons[HouseholdIndex::Child1].birth = QStringLiteral("平成21年");
        record.pensionRecord.nationalMonths = QStringLiteral("１２０か月");
        FrmhokenForm form;
        ReopenCustomer(form, record, kToday);
        QCOMPARE(form.household.members[HouseholdIndex::Child1].birth, QDate(2025, 6, 1));
        QVERIFY(!form.household.members[HouseholdIndex::Child1].present);
        QCOMPARE(form.num1(HokenNum1::NationalMonths), QStringLiteral("１２０か月"));
    }

    // The husband's membership and the widow's choice come back with the
    // household; a household saved before they were kept, or a name not
    // theirs, leaves the screen's choice as it stands.
    void membershipIsKeptWithTheHousehold_data()
    {
        QTest::addColumn<QString>("membership");
        QTest::addColumn<QString>("choice");
        QTest::addColumn<Membership>("onScreen");
        QTest::addColumn<SurvivorChoice>("choiceOnScreen");
        QTest::addColumn<Membership>("reopened");
        QTest::addColumn<SurvivorChoice>("choiceReopened");
        QTest::newRow("employee") << "厚生年金"
                                  << "遺族厚生年金" << Membership::National << SurvivorChoice::WidowsPension
                                  << Membership::Employee << SurvivorChoice::EmployeesPension;
        QTest::newRow("national, widow's pension")
            << "国民年金"
            << "寡婦年金" << Membership::Employee << SurvivorChoice::EmployeesPension << Membership::National
            << SurvivorChoice::WidowsPension;
        QTest::newRow("saved before they were kept") << ""
                                                     << "" << Membership::National << SurvivorChoice::WidowsPension
                                                     << Membership::National << SurvivorChoice::WidowsPension;
        QTest::newRow("hand-edited names") << "会社員"
                                           << "遺族年金" << Membership::Employee << SurvivorChoice::EmployeesPension
                                           << Membership::Employee << SurvivorChoice::EmployeesPension;
    }
    void membershipIsKeptWithTheHousehold()
    {
        QFETCH(QString, membership);
        QFETCH(QString, choice);
        QFETCH(Membership, onScreen);
        QFETCH(SurvivorChoice, choiceOnScreen);
        QFETCH(Membership, reopened);
        QFETCH(SurvivorChoice, choiceReopened);
        CustomerRecord record = CustomerRecordOf(FrmhokenForm(), kToday);
        record.membership = membership;
        record.survivorChoice = choice;
        FrmhokenForm form;
        form.option1 = onScreen;
        form.choice = choiceOnScreen;
        ReopenCustomer(form, record, kToday);
        QCOMPARE(form.option1, reopened);
        QCOMPARE(form.choice, choiceReopened);
        // Saved again, the household keeps the names it was saved with.
        if (onScreen != reopened) {
            QCOMPARE(CustomerRecordOf(form, kToday).membership, membership);
            QCOMPARE(CustomerRecordOf(form, kToday).survivorChoice, choice);
        }
    }

    // The customer list's move buttons: past either end a move stays on
    // the end row; a list without rows has none.
    void rowMovesStopAtTheEnds_data()
    {
        QTest::addColumn<RowMove>("move");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("row");
        QTest::newRow("first") << RowMove::First << 3 << 5 << 0;
        QTest::newRow("previous") << RowMove::Previous << 3 << 5 << 2;
        QTest::newRow("previous on the first") << RowMove::Previous << 0 << 5 << 0;
        QTest::newRow("next") << RowMove::Next << 3 << 5 << 4;
        QTest::newRow("next on the last") << RowMove::Next << 4 << 5 << 4;
        QTest::newRow("last") << RowMove::Last << 0 << 5 << 4;
        QTest::newRow("none current, next") << RowMove::Next << -1 << 5 << 0;
        QTest::newRow("empty list") << RowMove::Last << -1 << 0 << -1;
    }
    void rowMovesStopAtTheEnds()
    {
        QFETCH(RowMove, move);
        QFETCH(int, current);
        QFETCH(int, rows);
        QFETCH(int, row);
        QCOMPARE(RowAfterMove(move, current, rows), row);
    }
};

QTEST_GUILESS_MAIN(TestCustomerRecord)
#include "tst_customerrecord.moc"
