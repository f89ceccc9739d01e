#include "engine/reference/eralist.h"
#include "engine/reference/transferaddition.h"

#include <QTest>

class TestEraList : public QObject {
    Q_OBJECT
  private slots:
    // The first 75 lines, Shōwa 19 to Heisei 30, are those agents have
    // always read; Heisei 31 and the Reiwa years follow up to this year.
    void runsFromShowa19ToThisYear_data()
    {
        QTest::addColumn<int>("currentYear");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("last");
        QTest::newRow("2026") << 2026 << 84 << QStringLiteral("R8   2026");
        QTest::newRow("first Reiwa year") << 2019 << 77 << QStringLiteral("R1   2019");
    }
    void runsFromShowa19ToThisYear()
    {
        QFETCH(int, currentYear);
        QFETCH(int, size);
        QFETCH(QString, last);
        const QStringList lines = izoku::engine::EraList(currentYear);
        QCOMPARE(lines.size(), size);
        QCOMPARE(lines.first(), QStringLiteral("S19   1944"));
        QCOMPARE(lines.at(44), QStringLiteral("S63   1988"));
        // No line for Shōwa 64: Heisei 1 follows Shōwa 63.
        QCOMPARE(lines.at(45), QStringLiteral("H1   1989"));
        QCOMPARE(lines.at(74), QStringLiteral("H30   2018"));
        QCOMPARE(lines.at(75), QStringLiteral("H31   2019"));
        QCOMPARE(lines.at(76), QStringLiteral("R1   2019"));
        QCOMPARE(lines.last(), last);
        QVERIFY(!lines.contains(QStringLiteral("S64   1989")));
    }

    // The 振替加算 list: three header lines and 25 bands, each amount the
    // spouse's addition at the band's statutory rate, to 100 yen.
    void transferAdditionList_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        QTest::newRow("title") << 0 << QStringLiteral("振替加算額（平成20年度価格）");
        QTest::newRow("columns") << 2 << QStringLiteral("生年月日 /  加算額");
        QTest::newRow("first band") << 3 << QStringLiteral("昭和17年4月2日 ～ 昭和18年4月1日＝130,600円");
        QTest::newRow("half up") << 6 << QStringLiteral("昭和20年4月2日 ～ 昭和21年4月1日＝112,400円");
        QTest::newRow("round thousand") << 13 << QStringLiteral("昭和27年4月2日 ～ 昭和28年4月1日＝70,000円");
        QTest::newRow("down") << 21 << QStringLiteral("昭和35年4月2日 ～ 昭和36年4月1日＝21,200円");
        QTest::newRow("last paid") << 26 << QStringLiteral("昭和40年4月2日 ～ 昭和41年4月1日＝15,300円");
        QTest::newRow("none after") << 27 << QStringLiteral("昭和41年4月2日 ～＝0円");
    }
    void transferAdditionList()
    {
        QFETCH(int, line);
        QFETCH(QString, text);
        const QStringList lines = izoku::engine::TransferAdditionList();
        QCOMPARE(lines.size(), 28);
        QCOMPARE(lines.at(line), text);
    }
};

QTEST_APPLESS_MAIN(TestEraList)
#include "tst_eralist.moc"
