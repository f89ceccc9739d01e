#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include "calcrun.h"

namespace {

using Run = izoku::test::CalcRun;

Run calc(const QByteArray &input)
{
    return izoku::test::RunCalc({QStringLiteral("coefficients")}, input);
}

} // namespace

class TestCoefficientsCli : public QObject {
    Q_OBJECT
  private slots:
    void answers_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("output");
        QTest::newRow("E1 as in the contract")
            << QByteArray(R"({"example": 1, "amount": "1000000", "years": "10", "rate": "4"})")
            << QByteArray(R"({"fields":{"0":"1,000,000","1":"4","2":"10","3":"1,480,244"},"messages":[]})");
        QTest::newRow("E2 has no amount") << QByteArray(R"({"example": 2, "years": "10", "rate": "1.6"})")
                                          << QByteArray(R"({"fields":{"4":"1.6","5":"10","6":"1.17"},"messages":[]})");
        QTest::newRow("E4 two results")
            << QByteArray(R"({"example": 4, "amount": "10000000", "years": "10", "rate": "2"})")
            << QByteArray(R"({"fields":{"11":"10","12":"2","13":"10,000,000","14":"8,203,482","15":"82"},)"
                          R"("messages":[]})");
        QTest::newRow("texts left out keep their opening values")
            << QByteArray(R"({"example": 9, "amount": "12.5"})")
            << QByteArray(R"({"fields":{"32":"12","33":"0","34":"0.00","35":"0"},"messages":[]})");
        QTest::newRow("E5 at 0 %")
            << QByteArray(R"({"example": 5, "amount": "1000000", "years": "10", "rate": "0"})")
            << QByteArray(R"({"fields":{"16":"1,000,000","17":"10","18":"0","19":"100,000"},"messages":[]})");
        QTest::newRow("a rate of only a sign")
            << QByteArray(R"({"example": 1, "amount": "1000000", "years": "10", "rate": "-"})")
            << QByteArray(R"({"fields":{"0":"1,000,000","1":"-","2":"10","3":"0"},)"
                          R"("messages":[{"icon":"warning","text":"数値を入力してください","title":"エラー"}]})");
    }
    void answers()
    {
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, output);
        const Run run = calc(input);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QByteArray());
        const QJsonDocument got = QJsonDocument::fromJson(run.out);
        QCOMPARE(got.toJson(QJsonDocument::Compact), QJsonDocument::fromJson(output).toJson(QJsonDocument::Compact));
    }

    void badInput_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("names");
        QTest::newRow("no example") << QByteArray(R"({"rate": "4"})") << QByteArray("example");
        QTest::newRow("example 0") << QByteArray(R"({"example": 0})") << QByteArray("example");
        QTest::newRow("example 10") << QByteArray(R"({"example": 10})") << QByteArray("example");
        QTest::newRow("example 1.5") << QByteArray(R"({"example": 1.5})") << QByteArray("example");
        QTest::newRow("example as text") << QByteArray(R"({"example": "1"})") << QByteArray("example");
        QTest::newRow("years as a number") << QByteArray(R"({"example": 1, "years": 10})") << QByteArray("years");
        QTest::newRow("amount for E2") << QByteArray(R"({"example": 2, "amount": "1"})") << QByteArray("amount");
        QTest::newRow("unknown key") << QByteArray(R"({"example": 1, "term": "10"})") << QByteArray("term");
        QTest::newRow("malformed JSON") << QByteArray(R"({"example": 1,)") << QByteArray("JSON");
    }
    void badInput()
    {
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, names);
        const Run run = calc(input);
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.out, QByteArray());
        QCOMPARE(run.err.count('\n'), 1);
        QVERIFY2(run.err.contains(names), run.err.constData());
    }
};

QTEST_GUILESS_MAIN(TestCoefficientsCli)
#include "tst_coefficients.moc"
