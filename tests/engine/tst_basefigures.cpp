#include "engine/basedata/basefigures.h"
#include "engine/basedata/formloginform.h"

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
        // B′ as the copy leaves it, 0 for none; it was 1 before.
        QTest::addColumn<int>("oldCohort");
        QTest::newRow("2009 figures") << QStringList{"2009", "0.985", "792100", "227900", "75900"} << true << 2009
                                      << 0.985 << 75900 << 0;
        QTest::newRow("unit after the rate")
            << QStringList{"2010", "0.985倍", "792100", "227900", "75900"} << true << 2010 << 0.985 << 75900 << 0;
        QTest::newRow("half year to even")
            << QStringList{"2010.5", "1", "1", "1", "2.5"} << true << 2010 << 1.0 << 2 << 0;
        // A year too large for 16 bits stops the copy at the first figure.
        QTest::newRow("year out of range") << QStringList{"70000", "0.5", "1", "1", "1"} << false << 0 << 0.0 << 0 << 1;
        QTest::newRow("amount out of range")
            << QStringList{"2011", "0.9", "1", "1", "9999999999"} << false << 2011 << 0.9 << 0 << 1;
        // Today's two figures: copied where given, absent where empty.
        QTest::newRow("B′ and the rate") << QStringList{"2026", "1", "847300", "243800", "81300", "844900", "1.082"}
                                         << true << 2026 << 1.0 << 81300 << 844900;
        QTest::newRow("B′ of 0 stops the copy") << QStringList{"2026", "1", "847300", "243800", "81300", "0", "1.082"}
                                                << false << 2026 << 1.0 << 81300 << 1;
    }
    void openingCopiesWhatTheScreenShows()
    {
        QFETCH(QStringList, texts);
        QFETCH(bool, complete);
        QFETCH(int, year);
        QFETCH(double, slide);
        QFETCH(int, addition2);
        QFETCH(int, oldCohort);
        BaseFigureTexts t;
        std::copy(texts.begin(), texts.end(), t.begin());
        BaseData data;
        data.OldCohortBasicPension = 1;
        QCOMPARE(CopyBaseFigures(t, data), complete);
        QCOMPARE(int(data.FiscalYear), year);
        QCOMPARE(data.SlideRate, slide);
        QCOMPARE(data.ChildAddition2, addition2);
        QCOMPARE(data.OldCohortBasicPension.value_or(0), oldCohort);
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
        // A year of today's law may be stored without them (a calculation
        // that needs one then says so); one typed must be a figure.
        QTest::newRow("today without B′ or the rate")
            << QStringList{"2026", "0.981", "847300", "243800", "75900", " ", ""} << none << none;
        QTest::newRow("B′ of 0") << QStringList{"2026", "0.981", "847300", "243800", "75900", "0", "1.082"}
                                 << "数値が範囲外です"
                                 << "Num1(5)";
        QTest::newRow("B′ in letters") << QStringList{"2026", "0.981", "847300", "243800", "75900", "B′", ""}
                                       << "数値が範囲外です"
                                       << "Num1(5)";
        QTest::newRow("rate above 2") << QStringList{"2026", "0.981", "847300", "243800", "75900", "844900", "2.1"}
                                      << "数値が範囲外です"
                                      << "Num1(6)";
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

    // 変更登録 of a year another row already holds is refused: the year
    // would be two rows.
    void eachFiscalYearIsOneRow_data()
    {
        QTest::addColumn<qint64>("shownKey");
        QTest::addColumn<QString>("year");
        QTest::addColumn<bool>("refused");
        QTest::newRow("a new year") << qint64(-1) << "2027" << false;
        QTest::newRow("a new year that is taken") << qint64(-1) << "2025" << true;
        QTest::newRow("a row keeping its year") << qint64(4) << "2026" << false;
        QTest::newRow("a row given another's year") << qint64(4) << "2025" << true;
    }
    void eachFiscalYearIsOneRow()
    {
        QFETCH(qint64, shownKey);
        QFETCH(QString, year);
        QFETCH(bool, refused);
        FormLoginForm form;
        const BaseFigureTexts row2026{"2026", "1", "847300", "243800", "81300", "844900", "1.082"};
        BaseFigureTexts row2025 = row2026;
        row2025[0] = QStringLiteral("2025");
        form.rows = {{4, row2026}, {3, row2025}};
        form.shownKey = shownKey;
        form.num1 = row2026;
        form.num1[0] = year;
        bool stored = false;
        const CalculationOutcome outcome =
            RegisterBaseFigures(form, [&stored](const BaseFigureValues &) -> std::optional<Message> {
                stored = true;
                return std::nullopt;
            });
        QCOMPARE(stored, !refused);
        QCOMPARE(outcome.stopped, refused);
        if (refused)
            QCOMPARE(outcome.messages.front().focus, QStringLiteral("Num1(0)"));
    }
};

QTEST_GUILESS_MAIN(TestBaseFigures)
#include "tst_basefigures.moc"
