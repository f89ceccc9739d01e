#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "calcrun.h"

namespace {

using Run = izoku::test::CalcRun;

Run calc(const QByteArray &input, const QStringList &args = {QStringLiteral("pension")})
{
    return izoku::test::RunCalc(args, input);
}

const QByteArray kBase = R"("today": "2026-12-08",
  "base_data": {"fiscal_year": 2009, "slide_rate": 0.985, "basic_pension": 792100,
                "child_addition_1": 227900, "child_addition_2": 75900})";

QByteArray input(const QByteArray &rest)
{
    return "{" + kBase + (rest.isEmpty() ? "" : ", " + rest) + "}";
}

QStringList texts(const QJsonValue &value)
{
    QStringList list;
    for (const QJsonValue &v : value.toArray())
        list << v.toString();
    return list;
}

} // namespace

class TestPensionCli : public QObject {
    Q_OBJECT
    QTemporaryDir m_folder;
  private slots:
    void workedHousehold()
    {
        const Run run = calc(input(R"("members": [{"birth": "1960-05-01", "age": "66"},
                                                  {"birth": "1996-06-01", "age": "30"},
                                                  {"birth": "2024-06-01", "age": "2", "present": true}],
                                      "membership": "employee",
                                      "pension_fields": ["", "120", "300000", "60", "400000", "0.985"])"));
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.isEmpty());
        const QJsonObject json = run.json();
        QCOMPARE(json.value("messages").toArray().size(), 0);
        QCOMPARE(json.value("stopped").toBool(true), false);
        const QStringList results = texts(json.value("slots"));
        QCOMPARE(results.size(), 30);
        QCOMPARE(results.mid(0, 4), (QStringList{"30", "0", "30", "46"}));
        QCOMPARE(results.mid(12, 3), (QStringList{"47", "64", "65"}));
        QCOMPARE(results.at(20), QStringLiteral("477800"));
        QCOMPARE(results.at(21), QStringLiteral("1020000"));
        QCOMPARE(results.at(26), QStringLiteral("594200"));
        const QStringList panels = texts(json.value("panels"));
        QCOMPARE(panels.size(), 43);
        QCOMPARE(panels.at(21), QStringLiteral("477800"));
        QCOMPARE(panels.at(32), QStringLiteral("311100"));
        QCOMPARE(panels.at(42), QStringLiteral("286700"));
        const QJsonArray schedule = json.value("schedule").toArray();
        QCOMPARE(schedule.size(), 16);
        for (const QJsonValue &row : schedule)
            QCOMPARE(row.toArray().size(), 37 + 5);
        QCOMPARE(texts(schedule.at(14)).mid(0, 2), (QStringList{"合計", "1497800"}));
        const QJsonObject chart = json.value("chart").toObject();
        QCOMPARE(chart.keys(), (QStringList{"axis_max", "labels", "list", "rows", "values"}));
        QCOMPARE(chart.value("rows").toInt(), 37);
        QCOMPARE(chart.value("axis_max").toInt(), 200);
        // One list per series, as the needs command gives them: the totals and
        // the zero line.
        const QJsonArray values = chart.value("values").toArray();
        QCOMPARE(values.size(), 2);
        QCOMPARE(values.at(0).toArray().size(), 37);
        QCOMPARE(values.at(0).toArray().at(0).toInt(), 149);
        QCOMPARE(values.at(1).toArray(), QJsonArray::fromVariantList(QVariantList(37, 0)));
        QCOMPARE(texts(chart.value("labels")).at(0), QStringLiteral(" 30歳"));
        QCOMPARE(texts(chart.value("list")).at(17), QStringLiteral("47歳   1,072,000"));
    }

    void stoppedByACheck()
    {
        const Run run = calc(input(R"("members": [{}, {"age": "40"}],
                                      "pension_fields": ["", "12a", "300000"])"));
        QCOMPARE(run.exitCode, 0);
        const QJsonObject json = run.json();
        QCOMPARE(json.value("stopped").toBool(), true);
        const QJsonArray messages = json.value("messages").toArray();
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages.at(0).toObject(),
                 (QJsonObject{{"title", "エラー"}, {"text", "数値を入れて下さい"}, {"icon", "warning"}}));
        // The screen as it opened: nothing calculated, nothing cleared.
        QCOMPARE(texts(json.value("slots")), QStringList(30, QStringLiteral("0")));
        QCOMPARE(json.value("schedule").toArray().size(), 0);
        QCOMPARE(json.value("chart").toObject().value("rows").toInt(), 0);
    }

    void nothingGivenAsksForTheWifesAgeThenTheRecord_data()
    {
        QTest::addColumn<QByteArray>("rest");
        QTest::addColumn<QString>("text");
        QTest::newRow("nothing") << QByteArray() << QStringLiteral("妻の年齢を入力して下さい");
        QTest::newRow("wife's age only") << QByteArray(R"("members": [{}, {"age": "40"}])")
                                         << QStringLiteral("年金関連のデータを入れてください");
    }
    void nothingGivenAsksForTheWifesAgeThenTheRecord()
    {
        QFETCH(QByteArray, rest);
        QFETCH(QString, text);
        const Run run = calc(input(rest));
        QCOMPARE(run.exitCode, 0);
        const QJsonObject json = run.json();
        QCOMPARE(json.value("stopped").toBool(), true);
        QCOMPARE(json.value("messages").toArray().at(0).toObject().value("text").toString(), text);
        QCOMPARE(json.value("messages").toArray().at(0).toObject().value("title").toString(),
                 QStringLiteral("入力エラー"));
    }

    void baseFiguresFromTheDatabase_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("basicPension");
        QTest::addColumn<QString>("law");
        const QString other = m_folder.filePath(QStringLiteral("other.mdb"));
        QFile::copy(QStringLiteral(IZOKU_DATABASE_FILE), other);
        QFile::setPermissions(other, QFile::ReadOwner | QFile::WriteOwner);
        QProcess::execute(QStringLiteral(IZOKU_SQLITE3),
                          {other, QStringLiteral("UPDATE \"基礎DATA\" SET \"基礎年金\" = 800000, "
                                                 "\"加算1\" = 230000")});
        const QString today = QStringLiteral("令和8年度（2026年度）の額・現行制度");
        const QString fiscal2009 = QStringLiteral("平成21年度の額");
        QTest::newRow("beside the program, newest year") << QStringList{"pension"} << 0 << "1091100" << today;
        QTest::newRow("beside the program, fiscal 2009")
            << QStringList{"pension", "--fiscal-year", "2009"} << 0 << "1020000" << fiscal2009;
        QTest::newRow("--fiscal-year=2025") << QStringList{"pension", "--fiscal-year=2025"} << 0 << "1071000"
                                            << QStringLiteral("令和7年度（2025年度）の額・現行制度");
        QTest::newRow("--fiscal-year of no row") << QStringList{"pension", "--fiscal-year", "2030"} << 2 << ""
                                                 << "";
        QTest::newRow("--fiscal-year without a year") << QStringList{"pension", "--fiscal-year"} << 2 << ""
                                                      << "";
        QTest::newRow("--database") << QStringList{"--database", other, "pension"} << 0 << "1030000" << today;
        QTest::newRow("--database= after the command")
            << QStringList{"pension", "--database=" + other} << 0 << "1030000" << today;
        QTest::newRow("--database missing")
            << QStringList{"--database", m_folder.filePath("none.mdb"), "pension"} << 0 << "0"
            << "";
        QTest::newRow("--database without a path") << QStringList{"pension", "--database"} << 2 << ""
                                                   << "";
    }
    void baseFiguresFromTheDatabase()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, basicPension);
        QFETCH(QString, law);
        const Run run = calc(R"({"today": "2026-12-08", "members": [{}, {"age": "40"}, {"age": "10", "present": true}],
                                 "membership": "national", "pension_fields": ["299"]})",
                             args);
        QCOMPARE(run.exitCode, exitCode);
        if (exitCode != 0)
            return;
        const QJsonObject json = run.json();
        QCOMPARE(texts(json.value("slots")).at(21), basicPension);
        QCOMPARE(json.value("law").toString(), law);
    }

    void widowsPensionOfANationalMember()
    {
        const Run run = calc(input(R"("members": [{"birth": "1960-05-01"}, {"age": "55"}],
                                      "membership": "national", "choice": "widows_pension",
                                      "pension_fields": ["300", "120", "300000", "60", "400000"])"));
        const QJsonObject json = run.json();
        const QStringList results = texts(json.value("slots"));
        QCOMPARE(results.mid(16, 2), (QStringList{"60", "64"}));
        QCOMPARE(results.at(28), QStringLiteral("371300"));
        QCOMPARE(results.at(20), QStringLiteral("0"));
        QCOMPARE(json.value("chart").toObject().value("axis_max").toInt(), 50);
    }

    void badInput_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("named");
        QTest::newRow("malformed JSON") << QByteArray(R"({"today": )") << QStringLiteral("JSON");
        QTest::newRow("not an object") << QByteArray("[1, 2]") << QStringLiteral("object");
        QTest::newRow("unknown key") << input(R"("wife": 40)") << QStringLiteral("wife");
        QTest::newRow("unknown member key")
            << input(R"("members": [{}, {"birthday": "1980-01-01"}])") << QStringLiteral("members[1].birthday");
        QTest::newRow("age as a number") << input(R"("members": [{}, {"age": 40}])")
                                         << QStringLiteral("members[1].age");
        QTest::newRow("impossible date") << input(R"("members": [{"birth": "1980-02-30"}])")
                                         << QStringLiteral("members[0].birth");
        QTest::newRow("impossible today") << QByteArray(R"({"today": "2026-13-01"})") << QStringLiteral("today");
        QTest::newRow("eight members") << input(R"("members": [{}, {}, {}, {}, {}, {}, {}, {}])")
                                       << QStringLiteral("members");
        QTest::newRow("membership word") << input(R"("membership": "salaried")") << QStringLiteral("membership");
        QTest::newRow("choice type") << input(R"("choice": 1)") << QStringLiteral("choice");
        QTest::newRow("field as a number")
            << input(R"("pension_fields": ["300", 120])") << QStringLiteral("pension_fields[1]");
        QTest::newRow("seven fields") << input(R"("pension_fields": ["", "", "", "", "", "", ""])")
                                      << QStringLiteral("pension_fields");
        QTest::newRow("base data type") << QByteArray(R"({"base_data": {"basic_pension": "792100"}})")
                                        << QStringLiteral("base_data.basic_pension");
        QTest::newRow("present as text") << input(R"("members": [{}, {}, {"present": "yes"}])")
                                         << QStringLiteral("members[2].present");
    }
    void badInput()
    {
        QFETCH(QByteArray, input);
        QFETCH(QString, named);
        const Run run = calc(input);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.out.isEmpty());
        const QString error = QString::fromUtf8(run.err);
        QCOMPARE(error.count(u'\n'), 1);
        QVERIFY2(error.contains(named), qPrintable(error));
    }

    void helpDescribesTheContract()
    {
        const Run run = calc(QByteArray(), {QStringLiteral("--help")});
        QCOMPARE(run.exitCode, 0);
        const QString help = QString::fromUtf8(run.out);
        for (const char *word :
             {"pension", "pension_fields", "membership", "choice", "members", "axis_max", "--fiscal-year",
              "old_cohort_basic_pension", "previous_amount_revision_rate", "\"law\""})
            QVERIFY2(help.contains(QLatin1String(word)), word);
    }
};

QTEST_GUILESS_MAIN(TestPensionCli)
#include "tst_pensioncli.moc"
