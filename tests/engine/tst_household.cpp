#include "engine/forms/household.h"
#include "testday.h"

#include <QTest>

using namespace izoku::engine;

namespace {
using izoku::test::kToday;
}

class TestHousehold : public QObject {
    Q_OBJECT
  private slots:
    void opening()
    {
        const Household h = Household::Opening(kToday);
        const QStringList roles{QStringLiteral("夫"),  QStringLiteral("妻"),  QStringLiteral("子1"),
                                QStringLiteral("子2"), QStringLiteral("子3"), QStringLiteral("子4"),
                                QStringLiteral("子5")};
        for (int i = 0; i < HouseholdIndex::Count; ++i) {
            QCOMPARE(h.members[i].role, roles[i]);
            QCOMPARE(h.members[i].birth, kToday);
            QVERIFY(h.members[i].age.isEmpty());
            QVERIFY(!h.members[i].present);
        }
    }

    void ageEntryOnLeavingBirthDate_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QDate>("birth");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<QString>("age");
        QTest::addColumn<bool>("present");
        QTest::newRow("husband") << 0 << QDate(1980, 5, 1) << true << QStringLiteral("46") << false;
        QTest::newRow("child before reference") << 2 << QDate(2024, 12, 10) << true << QStringLiteral("1") << true;
        QTest::newRow("child on reference date") << 2 << QDate(2026, 12, 1) << false << QString() << false;
        QTest::newRow("child after reference date") << 3 << QDate(2026, 12, 5) << false << QString() << false;
    }
    void ageEntryOnLeavingBirthDate()
    {
        QFETCH(int, index);
        QFETCH(QDate, birth);
        QFETCH(bool, changed);
        QFETCH(QString, age);
        QFETCH(bool, present);
        Household h = Household::Opening(kToday);
        h.members[index].birth = birth;
        // The reference date was moved back to 1 December.
        QCOMPARE(h.EnterAgeFromBirthDate(index, QDate(2026, 12, 1), kToday), changed);
        QCOMPARE(h.members[index].age, age);
        QCOMPARE(h.members[index].present, present);
    }

    void computeAgesSkipsAbsentChildren()
    {
        Household h = Household::Opening(kToday);
        h.members[0].birth = QDate(1980, 12, 9);
        h.members[1].birth = QDate(1982, 12, 8);
        h.members[2].birth = QDate(2015, 4, 1);
        h.members[2].present = true;
        h.members[3].birth = QDate(2018, 4, 1);
        h.members[3].age = QStringLiteral("typed");
        h.ComputeAges(kToday);
        QCOMPARE(h.members[0].age, QStringLiteral("46")); // the day before the birthday
        QCOMPARE(h.members[1].age, QStringLiteral("44"));
        QCOMPARE(h.members[2].age, QStringLiteral("11"));
        QCOMPARE(h.members[3].age, QStringLiteral("typed"));
    }

    void clears()
    {
        Household h = Household::Opening(kToday);
        for (auto &m : h.members) {
            m.role = QStringLiteral("x");
            m.name = QStringLiteral("n");
            m.birth = QDate(2000, 1, 1);
            m.age = QStringLiteral("26");
            m.present = m.disabled = true;
        }
        Household column = h;
        column.ClearColumn(HouseholdColumn::Ages, kToday);
        QCOMPARE(column.members[4].age, QStringLiteral("0"));
        QCOMPARE(column.members[4].name, QStringLiteral("n"));
        column.ClearColumn(HouseholdColumn::Present, kToday);
        QVERIFY(!column.members[4].present);
        QVERIFY(column.members[4].disabled);
        column.ClearColumn(HouseholdColumn::BirthDates, kToday);
        QCOMPARE(column.members[0].birth, kToday);

        h.Clear(kToday);
        QCOMPARE(h.members[3].role, QStringLiteral("子2"));
        QVERIFY(h.members[3].name.isEmpty());
        QCOMPARE(h.members[3].age, QStringLiteral("0"));
        QVERIFY(!h.members[3].present && !h.members[3].disabled);
        QVERIFY(!h.AnyChildPresent());
    }
};

QTEST_APPLESS_MAIN(TestHousehold)
#include "tst_household.moc"
