#include "engine/basedata/basefigures.h"

#include <QTest>

using namespace izoku::engine;

class TestBaseFigures : public QObject {
    Q_OBJECT
  private slots:
    void openingCopiesWhatTheScreenShows_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<bool>("complete");
        QTest::addColumn<int>("year");
        QTest::addColumn<double>("slide");
        QTest::addColumn<int>("addition2");
        QTest::newRow("2009 figures") << QStringList{"2009", "0.985", "792100", "227900", "75900"} << true << 2009
                                      << 0.985 << 75900;
        QTest::newRow("unit after the rate")
            << QStringList{"2010", "0.985倍", "792100", "227900", "75900"} << true << 2010 << 0.985 << 75900;
        QTest::newRow("half year to even") << QStringList{"2010.5", "1", "1", "1", "2.5"} << true << 2010 << 1.0 << 2;
        // A year too large for 16 bits stops the copy at the first figure.
        QTest::newRow("year out of range") << QStringList{"70000", "0.5", "1", "1", "1"} << false << 0 << 0.0 << 0;
        QTest::newRow("amount out of range")
            << QStringList{"2011", "0.9", "1", "1", "9999999999"} << false << 2011 << 0.9 << 0;
    }
    void openingCopiesWhatTheScreenShows()
    {
        QFETCH(QStringList, texts);
        QFETCH(bool, complete);
        QFETCH(int, year);
        QFETCH(double, slide);
        QFETCH(int, addition2);
        BaseFigureTexts t;
        std::copy(texts.begin(), texts.end(), t.begin());
        BaseData data;
        QCOMPARE(CopyBaseFigures(t, data), complete);
        QCOMPARE(int(data.FiscalYear), year);
        QCOMPARE(data.SlideRate, slide);
        QCOMPARE(data.ChildAddition2, addition2);
    }

    void storingRefusesWhatCannotBeUsed_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QString>("focus");
        const QString none;
        const QString empty = QStringLiteral("すべてにデータを入力して下さい");
        QTest::newRow("all given") << QStringList{"2010", "0.981", "792100", "227900", "75900"} << none << none;
        QTest::newRow("empty field") << QStringList{"2010", "", "792100", "227900", "75900"} << empty << "Num1(0)";
        QTest::newRow("letters only") << QStringList{"2010", "0.981", "abc", "227900", "75900"} << empty << "Num1(0)";
        QTest::newRow("year 0") << QStringList{"0", "0.981", "792100", "227900", "75900"} << empty << "Num1(0)";
        QTest::newRow("third child 0") << QStringList{"2010", "0.981", "792100", "227900", "0"} << empty << "Num1(0)";
        QTest::newRow("year start-up cannot read")
            << QStringList{"40000", "0.981", "792100", "227900", "75900"} << "数値が範囲外です"
            << "Num1(0)";
        QTest::newRow("amount start-up cannot read")
            << QStringList{"2010", "0.981", "3000000000", "227900", "75900"} << "数値が範囲外です"
            << "Num1(2)";
        QTest::newRow("slide rate above 2")
            << QStringList{"2010", "2.5", "792100", "227900", "75900"} << "数値が範囲外です"
            << "Num1(1)";
    }
    void storingRefusesWhatCannotBeUsed()
    {
        QFETCH(QStringList, texts);
        QFETCH(QString, refusal);
        QFETCH(QString, focus);
        BaseFigureTexts t;
        std::copy(texts.begin(), texts.end(), t.begin());
        const FiguresToStore figures = ReadFiguresToStore(t);
        if (refusal.isEmpty()) {
            QVERIFY(!figures.refusal);
            QCOMPARE(figures.values[1], 0.981);
            QCOMPARE(figures.values[4], 75900.0);
            return;
        }
        QVERIFY(figures.refusal);
        QCOMPARE(figures.refusal->text, refusal);
        QCOMPARE(figures.refusal->title, QStringLiteral("データ入力エラー"));
        QCOMPARE(figures.refusal->icon, MessageIcon::Warning);
        QCOMPARE(figures.refusal->focus, focus);
    }
};

QTEST_GUILESS_MAIN(TestBaseFigures)
#include "tst_basefigures.moc"
