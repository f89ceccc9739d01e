// What izoku-calc promises whatever it is given: base figures it can trust
// or a warning, one short error line, and bounded work.
#include "calcrun.h"

#include "store/database.h"

#include <QFile>
#include <QJsonArray>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

using izoku::test::CalcRun;

const QString kDatabaseWarning =
    QStringLiteral("基礎データ（ndata.mdb）を読み込めませんでした。遺族基礎年金額などが 0 として計算されます。");

const QByteArray kFullBase = R"("base_data": {"fiscal_year": 2009, "slide_rate": 0.985, "basic_pension": 792100,
                                               "child_addition_1": 227900, "child_addition_2": 75900})";

// A household that calculates without a message.
const QByteArray kPension = R"({"today": "2026-12-08", "members": [{}, {"age": "40"}],
                                 "pension_fields": ["", "120", "300000", "60", "400000"])";
const QByteArray kNeeds = R"({"today": "2026-12-08", "members": [{"age": "40"}, {"age": "38"}],
                               "num1": {"8": "120", "9": "300000", "16": "30"})";

QByteArray with(const QByteArray &input, const QByteArray &more)
{
    return input + ", " + more + "}";
}

// The error contract: nothing on standard output, one line on standard
// error of at most 200 characters, exit status 2.
void verifyOneLineError(const CalcRun &run)
{
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.out.isEmpty());
    QVERIFY(run.err.startsWith("izoku-calc: "));
    QVERIFY(run.err.endsWith('\n'));
    QCOMPARE(run.err.count('\n'), 1);
    const QString line = QString::fromUtf8(run.err).chopped(1);
    QVERIFY2(line.size() <= 200, qPrintable(QString::number(line.size())));
    for (QChar c : line)
        QVERIFY(c.category() != QChar::Other_Control);
}

} // namespace

class TestCalcContract : public QObject {
    Q_OBJECT

    // A copy of the program in a folder of its own, so that the ndata.mdb
    // beside it can be taken away, locked or broken.
    QTemporaryDir m_folder;
    QString m_program;

    CalcRun runBeside(const QStringList &arguments, const QByteArray &input)
    {
        return izoku::test::RunCalcAt(m_program, arguments, input);
    }
    QString databasePath() const { return m_folder.filePath(QStringLiteral("ndata.mdb")); }
    void shipDatabase()
    {
        QFile::remove(databasePath());
        QVERIFY(QFile::copy(QStringLiteral(IZOKU_DATABASE_FILE), databasePath()));
        QFile::setPermissions(databasePath(), QFile::ReadOwner | QFile::WriteOwner);
    }

  private slots:
    void initTestCase()
    {
        m_program = m_folder.filePath(QStringLiteral("izoku-calc"));
        QVERIFY(QFile::copy(QStringLiteral(IZOKU_CALC), m_program));
    }

    void baseFiguresOutOfRange_data()
    {
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<bool>("accepted");
        const auto bounds = [](const char *key, std::initializer_list<std::pair<const char *, bool>> rows) {
            for (const auto &[value, accepted] : rows)
                QTest::addRow("%s %s", key, value) << QByteArray(key) << QByteArray(value) << accepted;
        };
        bounds("fiscal_year", {{"1899", false}, {"1900", true}, {"2100", true}, {"2101", false}, {"1e300", false}});
        bounds("slide_rate", {{"0", false}, {"0.001", true}, {"2", true}, {"2.001", false}, {"-1", false}});
        for (const char *key : {"basic_pension", "child_addition_1", "child_addition_2"})
            bounds(key, {{"-1", false}, {"0", true}, {"10000000", true}, {"10000001", false}, {"1e300", false}});
        bounds("old_cohort_basic_pension",
               {{"0", false}, {"1", true}, {"10000000", true}, {"10000001", false}, {"null", true}});
        bounds("previous_amount_revision_rate",
               {{"0", false}, {"0.001", true}, {"2", true}, {"2.001", false}, {"null", true}});
    }
    void baseFiguresOutOfRange()
    {
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, value);
        QFETCH(bool, accepted);
        const CalcRun run = izoku::test::RunCalc({QStringLiteral("pension")},
                                                 with(kPension, "\"base_data\": {\"" + key + "\": " + value + "}"));
        if (accepted) {
            QCOMPARE(run.exitCode, 0);
            return;
        }
        verifyOneLineError(run);
        QVERIFY2(run.err.contains("\"base_data." + key + "\" is out of range"), run.err.constData());
    }

    void unreadableDatabaseIsSaidFirst_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("text");
        const QString slide = QStringLiteral("基礎データ（ndata.mdb）の「スライド率」を読み込めませんでした。"
                                             "遺族基礎年金額などが 0 として計算されます。");
        for (const char *command : {"pension", "needs"}) {
            QTest::addRow("%s, missing", command) << "missing" << command << kDatabaseWarning;
            QTest::addRow("%s, locked", command) << "locked" << command << kDatabaseWarning;
            QTest::addRow("%s, broken", command) << "broken" << command << kDatabaseWarning;
            QTest::addRow("%s, slide rate 'nan'", command) << "nan" << command << slide;
        }
    }
    void unreadableDatabaseIsSaidFirst()
    {
        QFETCH(QString, state);
        QFETCH(QString, command);
        QFETCH(QString, text);
        shipDatabase();
        std::optional<izoku::store::DatabaseConnection> holder;
        if (state == u"missing") {
            QVERIFY(QFile::remove(databasePath()));
        } else if (state == u"broken") {
            QFile file(databasePath());
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(QByteArray(4096, 'x'));
        } else {
            holder.emplace(izoku::store::DatabasePath(m_folder.path()));
            QSqlQuery query(holder->database());
            if (state == u"locked") {
                // A writer in rollback-journal mode keeps every reader out
                // while its transaction lasts.
                QVERIFY(query.exec(QStringLiteral("PRAGMA journal_mode=DELETE")));
                QVERIFY(query.exec(QStringLiteral("BEGIN EXCLUSIVE")));
            } else {
                QVERIFY(query.exec(QStringLiteral("UPDATE \"基礎DATA\" SET \"スライド率\" = 'nan'")));
            }
        }
        const QByteArray input = command == u"pension" ? kPension + "}" : kNeeds + "}";
        // The row of fiscal 2009 needs no figure beyond the five it stops at.
        const QStringList arguments{command, QStringLiteral("--fiscal-year"), QStringLiteral("2009")};
        const CalcRun run = runBeside(arguments, input);
        QCOMPARE(run.exitCode, 0);
        const QJsonArray messages = run.json().value("messages").toArray();
        QCOMPARE(messages.at(0).toObject(), (QJsonObject{{"title", "エラー"}, {"text", text}, {"icon", "warning"}}));
        // The calculation still runs, on the figures it has.
        QCOMPARE(messages.size(), 1);
        // With every figure given, the database is not needed.
        const CalcRun given = runBeside(arguments, with(input.chopped(1), kFullBase));
        QCOMPARE(given.json().value("messages").toArray().size(), 0);
    }

    // The newest year by today's law, unless fiscal 2009 is asked for; the
    // old formula's panel shows the slide rate or the 従前額改定率.
    void readableDatabaseSaysNothing_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("oldFormulaRate");
        QTest::addColumn<QString>("law");
        QTest::newRow("newest") << QStringList{"pension"} << "1.082"
                                << QStringLiteral("令和8年度（2026年度）の額・現行制度");
        QTest::newRow("fiscal 2009") << QStringList{"pension", "--fiscal-year", "2009"} << "0.985"
                                     << QStringLiteral("平成21年度の額");
    }
    void readableDatabaseSaysNothing()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, oldFormulaRate);
        QFETCH(QString, law);
        shipDatabase();
        const CalcRun run = runBeside(arguments, kPension + "}");
        QCOMPARE(run.json().value("messages").toArray().size(), 0);
        QCOMPARE(run.json().value("panels").toArray().at(6).toString(), oldFormulaRate);
        QCOMPARE(run.json().value("law").toString(), law);
    }

    void errorsStayOnOneLine_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("shown");
        const QByteArray longKey(5000, 'k');
        QTest::newRow("newline in a key")
            << QStringList{"pension"} << QByteArray(R"({"a\nb": 1})") << QByteArray("a\\nb");
        QTest::newRow("tab in a key") << QStringList{"pension"} << QByteArray(R"({"a\tb": 1})") << QByteArray("a\\tb");
        QTest::newRow("escape in a key") << QStringList{"needs"} << QByteArray("{\"\\u001b[2J\": 1}")
                                         << QByteArray("\\u001b[2J");
        QTest::newRow("line separator in a key")
            << QStringList{"needs"} << QByteArray(R"({"a\u2028b": 1})") << QByteArray("a\\u2028b");
        QTest::newRow("5000-character key")
            << QStringList{"pension"} << "{\"" + longKey + "\": 1}" << QByteArray(40, 'k') + "…\"";
        QTest::newRow("5000-character member key")
            << QStringList{"pension"} << "{\"members\": [{\"" + longKey + "\": 1}]}" << QByteArray(40, 'k') + "…\"";
        QTest::newRow("newline in a date")
            << QStringList{"pension"} << QByteArray(R"({"today": "2026-\n12-08"})") << QByteArray("2026-\\n12-08");
        QTest::newRow("long date") << QStringList{"needs"} << "{\"base_date\": \"" + QByteArray(900, '\t') + "\"}"
                                   << QByteArray(R"(\t\t\t)");
        QTest::newRow("newline in a slot key")
            << QStringList{"needs"} << QByteArray(R"({"num1": {"1\n2": "3"}})") << QByteArray("num1.1\\n2");
        QTest::newRow("long slot key") << QStringList{"needs"} << "{\"num4\": {\"" + longKey + "\": \"3\"}}"
                                       << QByteArray(40, 'k') + "…";
        QTest::newRow("newline in the command")
            << QStringList{"pen\nsion"} << QByteArray("{}") << QByteArray("pen\\nsion");
        QTest::newRow("long command") << QStringList{QString(5000, u'c')} << QByteArray("{}")
                                      << QByteArray(40, 'c') + "…";
        QTest::newRow("long second argument")
            << QStringList{"pension", QString(5000, u'\n')} << QByteArray("{}") << QByteArray("\\n\\n");
        QTest::newRow("fiscal year of no row")
            << QStringList{"needs", "--fiscal-year", "2030"} << QByteArray("{}") << QByteArray("--fiscal-year 2030");
        QTest::newRow("fiscal year that is no number")
            << QStringList{"pension", "--fiscal-year", "令和8"} << QByteArray("{}") << QByteArray("needs a year");
        QTest::newRow("fiscal year for the coefficients")
            << QStringList{"coefficients", "--fiscal-year", "2009"} << QByteArray("{}")
            << QByteArray("unexpected argument \"--fiscal-year\"");
    }
    void errorsStayOnOneLine()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, shown);
        const CalcRun run = izoku::test::RunCalc(args, input);
        verifyOneLineError(run);
        QVERIFY2(run.err.contains(shown), run.err.constData());
    }

    void workIsBounded_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<bool>("accepted");
        // Complete inputs that need no database.
        const QByteArray pension = kPension + ", " + kFullBase;
        const QByteArray needs = kNeeds + ", " + kFullBase;
        // The whole input at 1 MiB and one byte more, padded with blanks.
        const QByteArray body = pension + "}";
        QTest::newRow("input at 1 MiB") << "pension" << body + QByteArray(1024 * 1024 - body.size(), ' ') << true;
        QTest::newRow("input past 1 MiB")
            << "pension" << body + QByteArray(1024 * 1024 + 1 - body.size(), ' ') << false;
        QByteArray actions = "[\"compare\"";
        for (int i = 1; i < 100; ++i)
            actions += ", \"compare\"";
        QTest::newRow("100 actions") << "needs" << with(needs, "\"actions\": " + actions + "]") << true;
        QTest::newRow("101 actions") << "needs" << with(needs, "\"actions\": " + actions + ", \"base\"]") << false;
        for (const char *key : {"company", "product"}) {
            QTest::addRow("%s of 1000 characters", key)
                << "needs" << with(needs, "\"" + QByteArray(key) + "\": \"" + QByteArray(1000, 'a') + "\"") << true;
            QTest::addRow("%s of 1001 characters", key)
                << "needs" << with(needs, "\"" + QByteArray(key) + "\": \"" + QByteArray(1001, 'a') + "\"") << false;
        }
        QTest::newRow("a name of 1000 kanji")
            << "pension"
            << with(pension, "\"members\": [{\"name\": \"" + QString(1000, u'山').toUtf8() + "\"}, {\"age\": \"40\"}]")
            << true;
        QTest::newRow("a field of 1001 characters")
            << "pension" << with(pension, "\"pension_fields\": [\"" + QByteArray(1001, '1') + "\"]") << false;
    }
    void workIsBounded()
    {
        QFETCH(QString, command);
        QFETCH(QByteArray, input);
        QFETCH(bool, accepted);
        const CalcRun run = izoku::test::RunCalc({command}, input);
        if (accepted) {
            QCOMPARE(run.exitCode, 0);
            QVERIFY(run.err.isEmpty());
        } else {
            verifyOneLineError(run);
        }
    }
};

QTEST_GUILESS_MAIN(TestCalcContract)
#include "tst_calccontract.moc"
