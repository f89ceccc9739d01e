#include "engine/dates/ages.h"

#include <QTest>

using namespace izoku::engine;

class TestAges : public QObject {
    Q_OBJECT
  private slots:
    void ageAt_data()
    {
        QTest::addColumn<QDate>("birth");
        QTest::addColumn<QDate>("reference");
        QTest::addColumn<int>("age");
        QTest::newRow("day before the day before") << QDate(1970, 6, 15) << QDate(2020, 6, 13) << 49;
        QTest::newRow("day before birthday") << QDate(1970, 6, 15) << QDate(2020, 6, 14) << 50;
        QTest::newRow("1 January, end of year") << QDate(1970, 1, 1) << QDate(2020, 12, 31) << 50;
        QTest::newRow("1 January, new year") << QDate(1970, 1, 1) << QDate(2021, 1, 1) << 51;
        QTest::newRow("2 January born, 1 January") << QDate(1970, 1, 2) << QDate(2021, 1, 1) << 51;
        QTest::newRow("2 January born, 31 December") << QDate(1970, 1, 2) << QDate(2020, 12, 31) << 50;
        QTest::newRow("leap day before, 29 Feb") << QDate(2000, 3, 1) << QDate(2020, 2, 29) << 20;
        QTest::newRow("leap day before, 28 Feb") << QDate(2000, 3, 1) << QDate(2020, 2, 28) << 19;
        QTest::newRow("born 29 Feb, 28 Feb of common year") << QDate(2000, 2, 29) << QDate(2021, 2, 28) << 21;
        QTest::newRow("born 29 Feb, 27 Feb") << QDate(2000, 2, 29) << QDate(2021, 2, 27) << 20;
        QTest::newRow("born on the reference date") << QDate(2026, 12, 8) << QDate(2026, 12, 8) << 0;
        QTest::newRow("born after the reference date") << QDate(2027, 6, 1) << QDate(2026, 12, 8) << -1;
    }
    void ageAt()
    {
        QFETCH(QDate, birth);
        QFETCH(QDate, reference);
        QFETCH(int, age);
        QCOMPARE(AgeAt(birth, reference), std::optional<int>(age));
        QCOMPARE(AgeToday(birth, reference), std::optional<int>(age));
    }

    void missingDateGivesNoAge()
    {
        QCOMPARE(AgeAt(std::nullopt, QDate(2020, 1, 1)), std::nullopt);
        QCOMPARE(AgeAt(QDate(2000, 1, 1), std::nullopt), std::nullopt);
        QCOMPARE(AgeAt(QDate(), QDate(2020, 1, 1)), std::nullopt);
    }

    void entitlementEnd_data()
    {
        QTest::addColumn<QDate>("birth");
        QTest::addColumn<bool>("disabled");
        QTest::addColumn<QDate>("end");
        QTest::newRow("31 March birth") << QDate(2005, 3, 31) << false << QDate(2023, 3, 31);
        QTest::newRow("1 April birth") << QDate(2005, 4, 1) << false << QDate(2024, 3, 31);
        QTest::newRow("1 January birth") << QDate(2005, 1, 1) << false << QDate(2023, 3, 31);
        QTest::newRow("31 December birth") << QDate(2005, 12, 31) << false << QDate(2024, 3, 31);
        QTest::newRow("disabled") << QDate(2005, 7, 10) << true << QDate(2025, 7, 10);
        QTest::newRow("disabled, 29 Feb") << QDate(2004, 2, 29) << true << QDate(2024, 2, 29);
    }
    void entitlementEnd()
    {
        QFETCH(QDate, birth);
        QFETCH(bool, disabled);
        QFETCH(QDate, end);
        QCOMPARE(ChildEntitlementEnd(birth, disabled), end);
    }

    void entitledNow()
    {
        const QDate birth(2005, 3, 31);
        QVERIFY(ChildEntitledNow(birth, false, 18, QDate(2023, 3, 31)));
        QVERIFY(!ChildEntitledNow(birth, false, 18, QDate(2023, 4, 1)));
        QVERIFY(ChildEntitledNow(birth, true, 19, QDate(2024, 6, 1)));
        QVERIFY(!ChildEntitledNow(birth, true, 20, QDate(2025, 6, 1)));
    }

    void monthCount_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<int>("months");
        QTest::newRow("to March 2003") << QDate(1990, 4, 1) << QDate(2003, 3, 31) << 155;
        QTest::newRow("from April 2003") << QDate(2003, 4, 1) << QDate(2008, 4, 1) << 60;
        QTest::newRow("same month") << QDate(2003, 4, 1) << QDate(2003, 4, 30) << 0;
        QTest::newRow("boundary by a day") << QDate(2003, 3, 31) << QDate(2003, 4, 1) << 1;
        QTest::newRow("backwards") << QDate(2003, 4, 1) << QDate(2002, 4, 1) << -12;
    }
    void monthCount()
    {
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(int, months);
        QCOMPARE(MonthCount(from, to), months);
    }

    void dayCountAndBands()
    {
        QCOMPARE(DayCount(QDate(2020, 2, 28), QDate(2020, 3, 1)), qint64(2));
        QCOMPARE(DayCount(QDate(2020, 3, 1), QDate(2020, 2, 28)), qint64(-2));
        QCOMPARE(DaysFrom1900(QDate(1943, 4, 2)), qint64(15796));
        QCOMPARE(DaysFrom1900(QDate(1944, 4, 2)), qint64(16162));
        QCOMPARE(DaysFrom1900(QDate(1945, 4, 2)), qint64(16527));
        QCOMPARE(DaysFrom1900(QDate(1946, 4, 2)), qint64(16892));
        QVERIFY(BornBeforeEarliestBand(QDate(1943, 4, 1)));
        QVERIFY(!BornBeforeEarliestBand(QDate(1943, 4, 2)));
        QVERIFY(InBirthBand(QDate(1955, 4, 1), 1954));
        QVERIFY(!InBirthBand(QDate(1955, 4, 2), 1954));
        QVERIFY(InBirthBand(QDate(1955, 4, 2), 1955));
        QVERIFY(InBirthBand(QDate(1956, 4, 1), 1955));
    }
};

QTEST_APPLESS_MAIN(TestAges)
#include "tst_ages.moc"
