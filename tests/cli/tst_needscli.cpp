#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "calcrun.h"

namespace {

using Answer = izoku::test::CalcRun;

Answer needs(const QByteArray &input, const QStringList &args = {QStringLiteral("needs")})
{
    return izoku::test::RunCalc(args, input);
}

// The worked household: husband 40, wife 38, one child of 8, the worked
// employees' record, living cost 30 万円, a term policy of 3000 万円 from 40
// to 60.
QByteArray household(const QByteArray &more)
{
    return R"({"today": "2026-12-08",
      "base_data": {"fiscal_year": 2009, "slide_rate": 0.985, "basic_pension": 792100,
                    "child_addition_1": 227900, "child_addition_2": 75900},
      "members": [{"name": "山田太郎", "age": "40", "birth": "1986-05-01"},
                  {"age": "38", "birth": "1988-06-10"},
                  {"age": "8", "birth": "2018-07-01", "present": true}],
      "num1": {"8": "120", "9": "300000", "10": "60", "11": "400000", "16": "30"},
      "num4": {"0": "40", "1": "60", "2": "3000"})" +
           (more.isEmpty() ? QByteArray() : ", " + more) + "}";
}

QStringList texts(const QJsonValue &value)
{
    QStringList list;
    for (const QJsonValue &v : value.toArray())
        list << v.toString();
    return list;
}

QList<int> numbers(const QJsonValue &value)
{
    QList<int> list;
    for (const QJsonValue &v : value.toArray())
        list << v.toInt();
    return list;
}

} // namespace

class TestNeedsCli : public QObject {
    Q_OBJECT
  private slots:
    void baseCalculationByDefault()
    {
        const Answer answer = needs(household(""));
        QCOMPARE(answer.exitCode, 0);
        QVERIFY(answer.err.isEmpty());
        const QJsonObject json = answer.json();
        QCOMPARE(json.keys(), (QStringList{"charts", "law", "messages", "num1", "num4", "panels", "sheet"}));
        QCOMPARE(json.value("law").toString(), QStringLiteral("平成21年度の額"));
        QCOMPARE(json.value("messages").toArray().size(), 0);
        QCOMPARE(json.value("charts").toObject().size(), 0);
        const QStringList num1 = texts(json.value("num1"));
        QCOMPARE(num1.size(), 62);
        QCOMPARE(num1.mid(0, 3), (QStringList{"40", "38", "8"}));
        QCOMPARE(num1.at(28), QStringLiteral("477800"));
        QCOMPARE(num1.mid(53, 3), (QStringList{"48", "38", "86"}));
        QCOMPARE(texts(json.value("num4")).mid(13), (QStringList{"64", "38", "86"}));
        QCOMPARE(texts(json.value("panels")).size(), 43);
        QCOMPARE(texts(json.value("panels")).at(21), QStringLiteral("477800"));
        const QJsonArray sheet = json.value("sheet").toArray();
        QCOMPARE(sheet.size(), 50);
        for (const QJsonValue &row : sheet)
            QCOMPARE(row.toArray().size(), 48 + 2);
        QCOMPARE(texts(sheet.at(14)).mid(0, 2), (QStringList{"合計", "1497800"}));
        QCOMPARE(texts(sheet.at(43)).at(1), QStringLiteral("0"));
    }

    void openingValuesWithoutAnyPress()
    {
        const Answer answer = needs(R"({"today": "2026-12-08", "actions": [],
            "base_data": {"fiscal_year": 2010, "slide_rate": 0.9, "basic_pension": 800000,
                          "child_addition_1": 230000, "child_addition_2": 76000}})");
        QCOMPARE(answer.exitCode, 0);
        const QJsonObject json = answer.json();
        QCOMPARE(json.value("sheet").toArray().size(), 0);
        const QStringList num1 = texts(json.value("num1"));
        QCOMPARE(num1.at(0), QString());
        QCOMPARE(num1.at(12), QStringLiteral("0.9"));
        QCOMPARE(num1.mid(15, 7), (QStringList{"50", "0", "53", "33", "47", "52", "132"}));
        QCOMPARE(num1.at(52), QStringLiteral("800000"));
        QCOMPARE(texts(json.value("num4")).at(13), QStringLiteral("64"));
    }

    void everyButton()
    {
        const Answer answer =
            needs(household(R"("actions": ["base", "register", "compare", "pension_chart", "income_chart"])"));
        QCOMPARE(answer.exitCode, 0);
        const QJsonObject charts = answer.json().value("charts").toObject();
        QCOMPARE(charts.keys(), (QStringList{"coverage", "income", "pension"}));

        const QJsonObject coverage = charts.value("coverage").toObject();
        QCOMPARE(coverage.value("rows").toInt(), 27);
        QCOMPARE(coverage.value("axis_max").toInt(), 4000);
        QCOMPARE(coverage.value("name").toString(), QStringLiteral("山田太郎"));
        QCOMPARE(coverage.value("values").toArray().size(), 2);
        QCOMPARE(numbers(coverage.value("values").toArray().at(0)).mid(0, 2), (QList<int>{3000, 3000}));
        QCOMPARE(numbers(coverage.value("values").toArray().at(1)).at(0), 3534);
        QCOMPARE(texts(coverage.value("labels")).at(0), QStringLiteral(" 38歳"));
        QCOMPARE(texts(coverage.value("list")).at(0), QStringLiteral("38歳   35,342,200"));
        QCOMPARE(coverage.value("fields").toObject().value("2").toString(), QStringLiteral("3000"));

        const QJsonObject pension = charts.value("pension").toObject();
        QCOMPARE(pension.value("axis_max").toInt(), 300);
        QCOMPARE(texts(pension.value("list")).at(0), QStringLiteral("38歳   1,497,800"));
        QCOMPARE(pension.value("fields").toObject().value("19").toString(), QStringLiteral("477800"));

        const QJsonObject income = charts.value("income").toObject();
        QCOMPARE(income.value("rows").toInt(), 27);
        QCOMPARE(income.value("axis_max").toInt(), 500);
        QCOMPARE(income.value("table").toArray().size(), 34);
        QCOMPARE(texts(income.value("table").toArray().at(33)).at(0), QStringLiteral("支出-収入"));
    }

    // The need by year of death: year 0 is the comparison's figure, each
    // later year one more year of the husband's and the wife's ages.
    void deathYears()
    {
        const Answer compared = needs(household(R"("actions": ["compare"])"));
        const Answer answer = needs(household(R"("actions": ["death_years"])"));
        QCOMPARE(answer.exitCode, 0);
        const QJsonObject json = answer.json();
        const QJsonArray points = json.value("death_years").toArray();
        // The wife (38) is 59 in year 21.
        QCOMPARE(points.size(), 22);
        const QJsonObject first = points.first().toObject();
        QCOMPARE(first.value("coverage").toInt(), 35342200);
        QCOMPARE(first.value("insurance").toInt(), 30000000);
        QCOMPARE(first.value("shortfall").toInt(), 5342200);
        QCOMPARE(first.value("date").toString(), QStringLiteral("2026-12-08"));
        QCOMPARE(points.last().toObject().value("husband_age").toInt(), 61);
        QCOMPARE(points.last().toObject().value("years_after").toInt(), 21);
        QVERIFY(json.value("death_years_stop").isNull());
        const QJsonObject chart = json.value("charts").toObject().value("death_years").toObject();
        QCOMPARE(texts(chart.value("list")).at(0), QStringLiteral("40歳  35,342,200  30,000,000"));
        QCOMPARE(texts(chart.value("labels")).at(0), QStringLiteral(" 40歳"));
        QCOMPARE(
            numbers(chart.value("values").toArray().at(0)).at(0),
            numbers(
                compared.json().value("charts").toObject().value("coverage").toObject().value("values").toArray().at(1))
                .at(0));

        const Answer csv =
            needs(household(R"("actions": ["death_years"])"), {QStringLiteral("needs"), QStringLiteral("--csv")});
        QCOMPARE(csv.exitCode, 0);
        const QStringList lines = QString::fromUtf8(csv.out.mid(3)).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 1 + 22 + 1);
        QCOMPARE(lines[0], QStringLiteral("年後,死亡日,夫の年齢,妻の年齢,必要保障額,生命保険,不足額"));
        QCOMPARE(lines[1], QStringLiteral("0,2026/12/08,40,38,35342200,30000000,5342200"));
    }

    void messagesInOrder()
    {
        const Answer answer = needs(household(R"("num4": {"13": "90"}, "actions": ["register", "base", "compare"])"));
        QCOMPARE(answer.exitCode, 0);
        const QJsonArray messages = answer.json().value("messages").toArray();
        QCOMPARE(messages.size(), 2);
        QCOMPARE(
            messages.at(0).toObject(),
            (QJsonObject{{"title", "エラー"}, {"text", "基礎計算実行ボタンを押してください"}, {"icon", "warning"}}));
        QCOMPARE(messages.at(1).toObject().value("text").toString(),
                 QStringLiteral("基準となる妻の年齢は38歳から86歳の範囲で入力してください"));
        QVERIFY(!answer.json().value("charts").toObject().contains("coverage"));
    }

    void lifeExpectancyReference()
    {
        const Answer answer =
            needs(household(R"("reference": "life_expectancy", "company": "A生命", "actions": ["compare"])"));
        QCOMPARE(answer.exitCode, 0);
        QCOMPARE(answer.json().value("charts").toObject().value("coverage").toObject().value("rows").toInt(), 49);
    }

    void badInput_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("named");
        QTest::addColumn<QStringList>("args");
        const QStringList csv{QStringLiteral("needs"), QStringLiteral("--csv")};
        QTest::newRow("csv without a base calculation")
            << QByteArray(R"({"actions": []})") << QByteArray("no base calculation") << csv;
        QTest::newRow("csv of a stopped base calculation")
            << QByteArray(R"({"members": [{"age": "40"}, {"age": "61"}]})")
            << QByteArray("no projection sheet to write: ") << csv;
        const QStringList report{QStringLiteral("report"), QStringLiteral("--output"),
                                 QStringLiteral("/nonexistent-folder/report.pdf")};
        QTest::newRow("report without --output")
            << household("") << QByteArray("--output FILE") << QStringList{QStringLiteral("report")};
        QTest::newRow("report without a base calculation")
            << QByteArray(R"({"actions": []})") << QByteArray("no base calculation") << report;
        QTest::newRow("report into a missing folder") << household("") << QByteArray("cannot write") << report;
        QTest::newRow("report of malformed JSON") << QByteArray("{") << QByteArray("malformed JSON") << report;
        QTest::newRow("unknown option") << household("") << QByteArray("\"--tsv\"")
                                        << QStringList{QStringLiteral("needs"), QStringLiteral("--tsv")};
        QTest::newRow("malformed JSON") << QByteArray("{\"num1\": ") << QByteArray("malformed JSON") << QStringList();
        QTest::newRow("unknown key") << QByteArray(R"({"num2": {}})") << QByteArray("\"num2\"") << QStringList();
        QTest::newRow("age slot in num1")
            << QByteArray(R"({"num1": {"1": "30"}})") << QByteArray("num1.1") << QStringList();
        QTest::newRow("slot beyond num1")
            << QByteArray(R"({"num1": {"62": "0"}})") << QByteArray("num1.62") << QStringList();
        QTest::newRow("slot not a number")
            << QByteArray(R"({"num4": {"x": "0"}})") << QByteArray("num4.x") << QStringList();
        QTest::newRow("slot 07") << QByteArray(R"({"num1": {"07": "0"}})") << QByteArray("num1.07") << QStringList();
        QTest::newRow("slot text as a number")
            << QByteArray(R"({"num1": {"16": 30}})") << QByteArray("num1.16") << QStringList();
        QTest::newRow("unknown action") << QByteArray(R"({"actions": ["print"]})") << QByteArray("actions[0]")
                                        << QStringList();
        QTest::newRow("actions not a list")
            << QByteArray(R"({"actions": "base"})") << QByteArray("actions") << QStringList();
        QTest::newRow("unknown reference")
            << QByteArray(R"({"reference": "64"})") << QByteArray("reference") << QStringList();
        QTest::newRow("impossible base date")
            << QByteArray(R"({"base_date": "2026-02-30"})") << QByteArray("base_date") << QStringList();
        QTest::newRow("company not a text")
            << QByteArray(R"({"company": 1})") << QByteArray("company") << QStringList();
        QTest::newRow("eight members") << QByteArray(R"({"members": [{}, {}, {}, {}, {}, {}, {}, {}]})")
                                       << QByteArray("members") << QStringList();
    }
    void badInput()
    {
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, named);
        QFETCH(QStringList, args);
        const Answer answer = args.isEmpty() ? needs(input) : needs(input, args);
        QCOMPARE(answer.exitCode, 2);
        QVERIFY(answer.out.isEmpty());
        QVERIFY2(answer.err.contains(named), answer.err.constData());
        QCOMPARE(answer.err.count('\n'), 1);
    }

    // The file "CSV出力" writes: the sheet of the JSON answer, row for row.
    void csvIsTheSheet()
    {
        const QJsonArray sheet = needs(household("")).json()[QStringLiteral("sheet")].toArray();
        const Answer answer = needs(household(""), {QStringLiteral("needs"), QStringLiteral("--csv")});
        QCOMPARE(answer.exitCode, 0);
        QVERIFY(answer.out.startsWith("\xEF\xBB\xBF"));
        QStringList lines = QString::fromUtf8(answer.out.mid(3)).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.takeLast(), QString());
        QCOMPARE(lines.size(), sheet.size());
        for (qsizetype row = 0; row < sheet.size(); ++row)
            QCOMPARE(lines[row].split(u','), texts(sheet[row]));
    }

    // The same four pages "提案書PDF" writes, for a household given as JSON,
    // wherever --database stands.
    void reportWritesThePdf_data()
    {
        // Where "--database PATH" goes among the words; -1: not given.
        QTest::addColumn<int>("databaseAt");
        QTest::newRow("report alone") << -1;
        QTest::newRow("--database before the command") << 0;
        QTest::newRow("--database after the file") << 3;
    }
    void reportWritesThePdf()
    {
        QFETCH(int, databaseAt);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("提案書.pdf"));
        QStringList words{QStringLiteral("report"), QStringLiteral("--output"), path};
        // The household gives every base figure: the database is never read.
        if (databaseAt >= 0)
            words = words.mid(0, databaseAt) +
                    QStringList{QStringLiteral("--database"), dir.filePath(QStringLiteral("unread.mdb"))} +
                    words.mid(databaseAt);
        const Answer answer = needs(household(""), words);
        QCOMPARE(answer.exitCode, 0);
        QVERIFY2(answer.err.isEmpty(), answer.err.constData());
        QCOMPARE(answer.json()[QStringLiteral("output")].toString(), path);
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
        QVERIFY(text.waitForFinished(60000));
        const QString pdf = QString::fromUtf8(text.readAllStandardOutput());
        QCOMPARE(pdf.count(u'\f'), 4);
        QVERIFY(pdf.contains(QStringLiteral("山田太郎様")));
        QVERIFY(pdf.contains(QStringLiteral("平成21年度の額で計算")));
    }

    void help()
    {
        const Answer answer = needs(QByteArray(), {QStringLiteral("--help")});
        QCOMPARE(answer.exitCode, 0);
        QVERIFY(answer.out.contains("\nneeds\n"));
        QVERIFY(answer.out.contains("\"actions\""));
    }
};

QTEST_GUILESS_MAIN(TestNeedsCli)
#include "tst_needscli.moc"
