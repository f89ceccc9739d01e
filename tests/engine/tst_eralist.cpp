#include "engine/reference/eralist.h"

#include <QTest>

class TestEraList : public QObject {
    Q_OBJECT
  private slots:
    void runsFromShowa19ToHeisei30()
    {
        const QStringList lines = izoku::engine::EraList();
        QCOMPARE(lines.size(), 75);
        QCOMPARE(lines.first(), QStringLiteral("S19   1944"));
        QCOMPARE(lines.at(44), QStringLiteral("S63   1988"));
        // No line for Shōwa 64: Heisei 1 follows Shōwa 63.
        QCOMPARE(lines.at(45), QStringLiteral("H1   1989"));
        QCOMPARE(lines.last(), QStringLiteral("H30   2018"));
        QVERIFY(!lines.contains(QStringLiteral("S64   1989")));
    }
};

QTEST_APPLESS_MAIN(TestEraList)
#include "tst_eralist.moc"
