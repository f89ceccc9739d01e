#include "engine/coefficients/coefficientformulas.h"
#include "engine/coefficients/coefficientsform.h"

#include <QTest>

using namespace izoku::engine;
using N = KeisuNum1;
using Ex = CoefficientExample;

Q_DECLARE_METATYPE(CoefficientExample)

namespace {

CoefficientsForm opened()
{
    CoefficientsForm form;
    OpenFormkeisu(form);
    return form;
}

// Types the example's inputs the way an agent does, then presses 計算.
CalculationOutcome run(CoefficientsForm &form, Ex example, const QString &amount, const QString &years,
                       const QString &rate)
{
    const ExampleFields &fields = FieldsOf(example);
    for (int index : fields.inputs) {
        const QString text = index == fields.amount ? amount : index == fields.years ? years : rate;
        TypeInto(form, index, text);
    }
    return CalculateExample(form, example);
}

QString resultsOf(const CoefficientsForm &form, Ex example)
{
    QStringList texts;
    for (int index : FieldsOf(example).results)
        texts << form.num1[index];
    return texts.join(u'|');
}

} // namespace

class TestCoefficients : public QObject {
    Q_OBJECT
  private slots:
    void results_data()
    {
        QTest::addColumn<Ex>("example");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("years");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("results");
        // The calculator's own worked examples.
        QTest::newRow("E1 future value") << Ex::E1 << "1000000"
                                         << "10"
                                         << "4"
                                         << "1,480,244";
        QTest::newRow("E2 price factor") << Ex::E2 << ""
                                         << "10"
                                         << "1.6"
                                         << "1.17";
        QTest::newRow("E3 present value") << Ex::E3 << "5000000"
                                          << "10"
                                          << "3"
                                          << "3,720,470";
        QTest::newRow("E4 land price floored") << Ex::E4 << "10000000"
                                               << "10"
                                               << "2"
                                               << "8,203,482|82";
        QTest::newRow("E5 sinking fund") << Ex::E5 << "1000000"
                                         << "10"
                                         << "3"
                                         << "87,231";
        QTest::newRow("E6 annuity future value") << Ex::E6 << "100000"
                                                 << "10"
                                                 << "3"
                                                 << "1,146,388";
        QTest::newRow("E7 capital recovery") << Ex::E7 << "10000000"
                                             << "10"
                                             << "3"
                                             << "1,172,305";
        QTest::newRow("E8 loan repayment") << Ex::E8 << "20000000"
                                           << "25"
                                           << "5"
                                           << "1,419,049";
        QTest::newRow("E9 annuity present value") << Ex::E9 << "1000000"
                                                  << "10"
                                                  << "3"
                                                  << "8,530,203";
        // Years are rounded with ties to the even neighbour.
        QTest::newRow("years 10.5 count 10") << Ex::E1 << "1000000"
                                             << "10.5"
                                             << "4"
                                             << "1,480,244";
        QTest::newRow("years 11.5 count 12") << Ex::E1 << "1000000"
                                             << "11.5"
                                             << "4"
                                             << "1,601,032";
        QTest::newRow("years 12.5 count 12") << Ex::E1 << "1000000"
                                             << "12.5"
                                             << "4"
                                             << "1,601,032";
        QTest::newRow("years 13.5 count 14") << Ex::E1 << "1000000"
                                             << "13.5"
                                             << "4"
                                             << "1,731,676";
        QTest::newRow("E4 price 0 leaves future price empty") << Ex::E4 << "0"
                                                              << "10"
                                                              << "2"
                                                              << "|82";
        QTest::newRow("E4 negative price floors down") << Ex::E4 << "-10000000"
                                                       << "10"
                                                       << "2"
                                                       << "-8,203,483|82";
        QTest::newRow("E2 no years") << Ex::E2 << ""
                                     << "0"
                                     << "5"
                                     << "1.00";
        QTest::newRow("blanks around the rate") << Ex::E1 << "1000000"
                                                << " 10"
                                                << " 4 "
                                                << "1,480,244";
        // At 0 % the payments are A ÷ n and the annuity values A × n.
        QTest::newRow("E5 at 0%") << Ex::E5 << "1000000"
                                  << "10"
                                  << "0"
                                  << "100,000";
        QTest::newRow("E6 at 0%") << Ex::E6 << "100000"
                                  << "10"
                                  << "0.00"
                                  << "1,000,000";
        QTest::newRow("E7 at 0%") << Ex::E7 << "10000000"
                                  << "10"
                                  << "0"
                                  << "1,000,000";
        QTest::newRow("E8 at 0%") << Ex::E8 << "20000000"
                                  << "25"
                                  << "0"
                                  << "800,000";
        QTest::newRow("E9 at 0%") << Ex::E9 << "1000000"
                                  << "10"
                                  << "-0"
                                  << "10,000,000";
        QTest::newRow("E5 at 0% over 0 years") << Ex::E5 << "1000000"
                                               << "0"
                                               << "0"
                                               << "0";
        QTest::newRow("E6 at 0% over 0 years") << Ex::E6 << "100000"
                                               << "0"
                                               << "0"
                                               << "0";
        QTest::newRow("E7 at 0% over 0 years") << Ex::E7 << "10000000"
                                               << "0"
                                               << "0"
                                               << "0";
        QTest::newRow("E9 at 0% over 0 years") << Ex::E9 << "1000000"
                                               << "0"
                                               << "0"
                                               << "0";
        QTest::newRow("E8 over 0 years counts as 0") << Ex::E8 << "20000000"
                                                     << "0"
                                                     << "5"
                                                     << "0";
    }
    void results()
    {
        QFETCH(Ex, example);
        QFETCH(QString, amount);
        QFETCH(QString, years);
        QFETCH(QString, rate);
        QFETCH(QString, results);
        CoefficientsForm form = opened();
        QVERIFY(run(form, example, amount, years, rate).messages.empty());
        QCOMPARE(resultsOf(form, example), results);
    }

    // A failing step either counts as 0 (the result is written) or ends the
    // calculation (the result keeps whatever it showed).
    void failurePolicies_data()
    {
        QTest::addColumn<Ex>("example");
        QTest::addColumn<QString>("years");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("results");
        QTest::newRow("E1 years out of range count 0") << Ex::E1 << "40000"
                                                       << "4"
                                                       << "1,000,000";
        QTest::newRow("E1 power overflow counts 0") << Ex::E1 << "32767"
                                                    << "1000"
                                                    << "0";
        QTest::newRow("E5 years out of range count 0") << Ex::E5 << "-40000"
                                                       << "3"
                                                       << "0";
        QTest::newRow("E7 power overflow counts 0") << Ex::E7 << "-32767"
                                                    << "1000"
                                                    << "0";
        QTest::newRow("E9 rate -100 divides by 0") << Ex::E9 << "3"
                                                   << "-100"
                                                   << "0";
        QTest::newRow("E2 years out of range stop") << Ex::E2 << "40000"
                                                    << "4"
                                                    << "stale";
        QTest::newRow("E2 power overflow stops") << Ex::E2 << "32767"
                                                 << "1000"
                                                 << "stale";
        QTest::newRow("E3 years out of range stop") << Ex::E3 << "32768"
                                                    << "4"
                                                    << "stale";
        QTest::newRow("E4 power overflow stops") << Ex::E4 << "-32767"
                                                 << "1000"
                                                 << "stale|stale";
        QTest::newRow("E6 power overflow stops") << Ex::E6 << "32767"
                                                 << "1000"
                                                 << "stale";
    }
    void failurePolicies()
    {
        QFETCH(Ex, example);
        QFETCH(QString, years);
        QFETCH(QString, rate);
        QFETCH(QString, results);
        CoefficientsForm form = opened();
        const ExampleFields &fields = FieldsOf(example);
        if (fields.amount >= 0)
            TypeInto(form, fields.amount, QStringLiteral("1000000"));
        form.num1[fields.years] = years;
        form.num1[fields.rate] = rate;
        for (int index : fields.results)
            form.num1[index] = QStringLiteral("stale");
        QVERIFY(CalculateExample(form, example).messages.empty());
        QCOMPARE(resultsOf(form, example), results);
    }

    void validation_data()
    {
        QTest::addColumn<Ex>("example");
        QTest::addColumn<QString>("years");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("focus");
        QTest::newRow("empty rate") << Ex::E1 << "10"
                                    << ""
                                    << "Num1(1)";
        QTest::newRow("rate only a sign") << Ex::E1 << "10"
                                          << "-"
                                          << "Num1(1)";
        QTest::newRow("E1 checks the rate first") << Ex::E1 << "-"
                                                  << ""
                                                  << "Num1(1)";
        QTest::newRow("E1 years with a letter") << Ex::E1 << "10a"
                                                << "4"
                                                << "Num1(2)";
        QTest::newRow("E3 checks the years first") << Ex::E3 << ""
                                                   << "-"
                                                   << "Num1(7)";
        QTest::newRow("E3 rate two points") << Ex::E3 << "10"
                                            << "1.2.3"
                                            << "Num1(9)";
        QTest::newRow("E9 empty years") << Ex::E9 << ""
                                        << "3"
                                        << "Num1(33)";
        // Texts the reading would cut short are no numbers here either.
        for (const char *text : {"1,000", "1e3", "１２", "1 2", "."}) {
            QTest::addRow("E1 rate %s", text) << Ex::E1 << "10" << QString::fromUtf8(text) << "Num1(1)";
            QTest::addRow("E1 years %s", text) << Ex::E1 << QString::fromUtf8(text) << "4"
                                               << "Num1(2)";
        }
    }
    void validation()
    {
        QFETCH(Ex, example);
        QFETCH(QString, years);
        QFETCH(QString, rate);
        QFETCH(QString, focus);
        CoefficientsForm form = opened();
        const ExampleFields &fields = FieldsOf(example);
        form.num1[fields.years] = years;
        form.num1[fields.rate] = rate;
        form.num1[fields.results.front()] = QStringLiteral("stale");
        const CalculationOutcome outcome = CalculateExample(form, example);
        QVERIFY(outcome.stopped);
        QCOMPARE(outcome.messages.size(), std::size_t(1));
        const Message &message = outcome.messages[0];
        QCOMPARE(message.text, QStringLiteral("数値を入力してください"));
        QCOMPARE(message.title, QStringLiteral("エラー"));
        QCOMPARE(message.icon, MessageIcon::Warning);
        QCOMPARE(message.focus, focus);
        QVERIFY(message.selectAll);
        QCOMPARE(form.num1[fields.results.front()], QStringLiteral("stale"));
    }

    void amountLeave_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("grouped") << "1000000" << 1000000 << "1,000,000";
        QTest::newRow("12.5 stores 12") << "12.5" << 12 << "12";
        QTest::newRow("13.5 stores 14") << "13.5" << 14 << "14";
        QTest::newRow("negative") << "-1234" << -1234 << "-1,234";
        QTest::newRow("comma ends the number") << "1,000" << 1 << "1";
        QTest::newRow("letters store 0") << "abc" << 0 << "0";
        QTest::newRow("beyond 32 bits stores 0") << "3000000000" << 0 << "0";
        QTest::newRow("largest 32-bit") << "2147483647" << 2147483647 << "2,147,483,647";
    }
    void amountLeave()
    {
        QFETCH(QString, typed);
        QFETCH(int, stored);
        QFETCH(QString, shown);
        CoefficientsForm form = opened();
        TypeInto(form, N::E7Amount, QStringLiteral("5"));
        TypeInto(form, N::E7Amount, typed);
        QCOMPARE(form.storedAmount(N::E7Amount), stored);
        QCOMPARE(form.num1[N::E7Amount], shown);
        EnterField(form, N::E7Amount);
        QCOMPARE(form.num1[N::E7Amount], QString::number(stored));
    }

    void calculationTakesThestoredAmount()
    {
        CoefficientsForm form = opened();
        run(form, Ex::E1, QStringLiteral("1000000"), QStringLiteral("10"), QStringLiteral("4"));
        // Typed but never left: the stored amount still counts.
        form.num1[N::E1Amount] = QStringLiteral("5");
        CalculateExample(form, Ex::E1);
        QCOMPARE(form.num1[N::E1Result], QStringLiteral("1,480,244"));
    }

    void enteringAnInputResetsItsExample()
    {
        CoefficientsForm form = opened();
        run(form, Ex::E4, QStringLiteral("10000000"), QStringLiteral("10"), QStringLiteral("2"));
        run(form, Ex::E1, QStringLiteral("1000000"), QStringLiteral("10"), QStringLiteral("4"));
        EnterField(form, N::E4Rate);
        QCOMPARE(resultsOf(form, Ex::E4), QStringLiteral("0|0"));
        QCOMPARE(form.num1[N::E1Result], QStringLiteral("1,480,244"));
        EnterField(form, N::E1Result); // results have no enter behaviour
        QCOMPARE(form.num1[N::E1Result], QStringLiteral("1,480,244"));
        EnterField(form, N::E1Years);
        QCOMPARE(form.num1[N::E1Result], QStringLiteral("0"));
    }

    void focusReturnedAfterCalculationKeepsTheResult()
    {
        CoefficientsForm form = opened();
        run(form, Ex::E1, QStringLiteral("1000000"), QStringLiteral("10"), QStringLiteral("4"));
        const std::optional<int> back = FocusAfterEnter(Ex::E1);
        QCOMPARE(back, std::optional<int>(N::E1Amount));
        EnterField(form, *back, FieldEntry::ReturnAfterCalculation);
        QCOMPARE(form.num1[N::E1Result], QStringLiteral("1,480,244"));
        QCOMPARE(form.num1[N::E1Amount], QStringLiteral("1000000"));
        QCOMPARE(FocusAfterEnter(Ex::E2), std::optional<int>(N::E2Rate));
        QCOMPARE(FocusAfterEnter(Ex::E3), std::optional<int>(N::E3Years));
        QCOMPARE(FocusAfterEnter(Ex::E4), std::nullopt);
    }

    void clearEntry_data()
    {
        QTest::addColumn<Ex>("example");
        QTest::addColumn<QString>("texts");
        QTest::newRow("E1") << Ex::E1 << "0|0.00|0|0";
        QTest::newRow("E2") << Ex::E2 << "0.00|0|0.00";
        QTest::newRow("E3") << Ex::E3 << "0|0|0.00|0";
        QTest::newRow("E4") << Ex::E4 << "0|0.00|0|0|0";
        QTest::newRow("E5 rate written as 0") << Ex::E5 << "0|0|0|0";
        QTest::newRow("E9") << Ex::E9 << "0|0|0.00|0";
    }
    void clearEntry()
    {
        QFETCH(Ex, example);
        QFETCH(QString, texts);
        CoefficientsForm form = opened();
        run(form, example, QStringLiteral("1000000"), QStringLiteral("10"), QStringLiteral("4"));
        run(form, example == Ex::E1 ? Ex::E9 : Ex::E1, QStringLiteral("7"), QStringLiteral("1"), QStringLiteral("1"));
        const CoefficientsForm before = form;
        QVERIFY(ClearEntry(form, example).messages.empty());
        const ExampleFields &fields = FieldsOf(example);
        QStringList shown;
        for (int index = fields.inputs.front(); index <= fields.results.back(); ++index)
            shown << form.num1[index];
        QCOMPARE(shown.join(u'|'), texts);
        QCOMPARE(form.storedAmount(fields.amount), 0);
        for (int index = 0; index < N::Count; ++index) {
            if (ExampleOf(index) != example) {
                QCOMPARE(form.num1[index], before.num1[index]);
                QCOMPARE(form.storedAmount(index), before.storedAmount(index));
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestCoefficients)
#include "tst_coefficients.moc"
