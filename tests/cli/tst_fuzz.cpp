// Hostile inputs for every izoku-calc command, from a seeded generator: the
// shapes agents and scripts get wrong (numbers with commas, full-width
// digits, negative and empty ages, control characters, long keys and
// texts), wrong types, malformed JSON and deep nesting.  Whatever comes in,
// the tool answers with exit status 0 and one JSON object, or exit status 2
// and one short error line, and never works for long.
//
// IZOKU_FUZZ_RUNS (inputs per command, default 2000) and IZOKU_FUZZ_SEED
// (default fixed) choose the inputs; scripts/fuzz.sh N runs any number.
#include "calcrun.h"

#include "cli/calc.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <ctime>
#include <random>

namespace {

using izoku::cli::CalcResult;

// Processor time per calculation (per button an input presses) that means
// work growing with the input: a calculation takes well under 50 ms in a
// release build and under 30 ms with the sanitizers of the test build.
constexpr double kHangMs = 500;

// How many buttons a run presses: each of "actions", else one.
int calculations(const QByteArray &input)
{
    const QJsonArray actions = QJsonDocument::fromJson(input).object().value("actions").toArray();
    return std::max<int>(1, int(actions.size()));
}

class HostileInputs {
  public:
    explicit HostileInputs(quint32 seed)
        : m_random(seed)
    {
    }

    QStringList arguments(const QString &command)
    {
        if (chance(1))
            return {command, text()};
        return {command};
    }

    QByteArray input(const QString &command)
    {
        const int shape = below(100);
        if (shape < 3)
            return deepNesting();
        if (shape < 5)
            return randomBytes();
        if (shape < 6)
            return oversized(command);
        if (shape < 8)
            return QByteArrayList{"[]", "1", "\"x\"", "null", "", " ", "{}{}", "\xef\xbb\xbf{}"}.at(below(8));
        // Most inputs are well formed with hostile texts and figures, so that
        // the calculations behind the checks are reached too.
        m_wellTyped = shape >= 30;
        QByteArray json = QJsonDocument(object(command)).toJson(QJsonDocument::Compact);
        m_wellTyped = false;
        if (shape < 14)
            return json.left(below(int(json.size()) + 1));
        if (shape < 18)
            return json.insert(below(int(json.size()) + 1), rawPiece());
        return json;
    }

  private:
    int below(int n) { return n <= 0 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    bool chance(int percent) { return below(100) < percent; }
    template <typename T> const T &pick(const std::vector<T> &items) { return items[below(int(items.size()))]; }

    // Texts a field could be given: what agents type, what scripts send.
    QString text()
    {
        static const std::vector<QString> texts = {"",
                                                   "0",
                                                   "12",
                                                   " 12 ",
                                                   "12.",
                                                   ".5",
                                                   "-",
                                                   ".",
                                                   "-.",
                                                   "400,000",
                                                   "1e3",
                                                   "1E-3",
                                                   "１２３",
                                                   "1 2",
                                                   "12a",
                                                   "-30000",
                                                   "-1",
                                                   "-0",
                                                   "59",
                                                   "60",
                                                   "59.5",
                                                   "0.985",
                                                   "300",
                                                   "120",
                                                   "1e308",
                                                   "nan",
                                                   "inf",
                                                   "-inf",
                                                   "0x10",
                                                   "+7",
                                                   "--3",
                                                   "1.2.3",
                                                   "\t12",
                                                   "12\n",
                                                   "\u300012",
                                                   "٣",
                                                   "🎌",
                                                   "a\u2028b",
                                                   "\u001b[2J",
                                                   "\r\n",
                                                   "2147483647",
                                                   "2147483648",
                                                   "-2147483649",
                                                   "32767",
                                                   "32768",
                                                   "99999999999999999999",
                                                   "0.000001",
                                                   "山田太郎"};
        const int shape = below(20);
        if (shape == 0)
            return QString(below(3) + 999 - (m_wellTyped ? 2 : 0), QChar(u'0' + below(10)));
        if (shape == 1 && !m_wellTyped)
            return QString(below(6000), u'9');
        if (shape == 2)
            return QString::number(std::uniform_real_distribution<double>(-1e6, 1e6)(m_random));
        if (shape == 3)
            return pick(texts) + pick(texts);
        return pick(texts);
    }

    QString date()
    {
        static const std::vector<QString> dates = {"2026-12-08", "1960-05-01",   "2003-03-31", "2003-04-01",
                                                   "2024-02-29", "2026-02-29",   "2026-13-01", "0000-01-01",
                                                   "0001-01-01", "9999-12-31",   "1900-01-01", "2026-1-8",
                                                   "20261208",   "2026-12-08\n", "",           "yesterday"};
        if (m_wellTyped ? chance(97) : chance(30)) {
            return QDate(1900 + below(200), 1 + below(12), 1 + below(28)).toString(QStringLiteral("yyyy-MM-dd"));
        }
        return pick(dates);
    }

    QJsonValue number()
    {
        static const std::vector<double> numbers = {
            0,      -0.0, 1,       -1,    1.5,    1899,   1900,  2009,         2100,   2101, 0.985, 2,  2.0001,
            792100, 1e7,  1e7 + 1, 1e300, -1e300, 1e-300, 32768, 2147483648.0, -32769, 9,    10,    0.5};
        if (chance(20))
            return std::uniform_real_distribution<double>(-1e9, 1e9)(m_random);
        return pick(numbers);
    }

    // A value of any type, nested a little.
    QJsonValue anyValue(int depth = 0)
    {
        switch (below(depth > 2 ? 4 : 6)) {
        case 0:
            return text();
        case 1:
            return number();
        case 2:
            return chance(50);
        case 3:
            return QJsonValue(QJsonValue::Null);
        case 4: {
            QJsonArray array;
            for (int i = below(4); i > 0; --i)
                array.append(anyValue(depth + 1));
            return array;
        }
        default: {
            QJsonObject object;
            for (int i = below(4); i > 0; --i)
                object.insert(key(), anyValue(depth + 1));
            return object;
        }
        }
    }

    QString key()
    {
        static const std::vector<QString> keys = {"today",   "members", "age",    "birth", "base_data", "num1",
                                                  "actions", "7",       "a\nb",   "a\tb",  "",          "\u0000",
                                                  "年度",    "example", "amount", "wife"};
        if (chance(5))
            return QString(below(6000), u'k');
        return pick(keys);
    }

    // Mostly a value of the expected kind, sometimes anything at all.
    QJsonValue either(const QJsonValue &expected) { return m_wellTyped || chance(85) ? expected : anyValue(); }

    QJsonObject baseData()
    {
        QJsonObject base;
        // Well typed, the figures are a year's, or left to ndata.mdb.
        const QJsonValue plausible[] = {2009 + below(3), 0.985, 792100, 227900, 75900};
        int i = 0;
        for (const char *key : {"fiscal_year", "slide_rate", "basic_pension", "child_addition_1", "child_addition_2"}) {
            const QJsonValue value = m_wellTyped && chance(97) ? plausible[i] : number();
            if (chance(80))
                base.insert(QLatin1String(key), either(value));
            ++i;
        }
        return base;
    }

    QJsonArray members()
    {
        QJsonArray members;
        for (int i = below(m_wellTyped ? 8 : 9); i > 0; --i) {
            QJsonObject member;
            if (chance(80))
                member.insert("age", either(text()));
            if (chance(40))
                member.insert("birth", either(date()));
            if (chance(40))
                member.insert("present", either(chance(60)));
            if (chance(20))
                member.insert("disabled", either(chance(50)));
            if (chance(20))
                member.insert("name", either(text()));
            if (chance(10))
                member.insert("role", either(text()));
            if (chance(3))
                member.insert(key(), anyValue());
            members.append(either(member));
        }
        return members;
    }

    QJsonObject slotTexts(int first, int last)
    {
        QJsonObject texts;
        for (int i = below(12); i > 0; --i) {
            const QString slot = m_wellTyped || chance(90) ? QString::number(first + below(last - first + 1)) : key();
            texts.insert(slot, either(text()));
        }
        return texts;
    }

    QJsonArray actions()
    {
        static const std::vector<QString> names = {"base", "register", "compare", "pension_chart", "income_chart"};
        // Most agents press a few buttons; now and then a script presses
        // up to the limit or past it.
        const int count = chance(2) ? 98 + below(5) : below(6);
        QJsonArray actions;
        for (int i = 0; i < count; ++i)
            actions.append(m_wellTyped || chance(97) ? QJsonValue(pick(names)) : anyValue());
        return actions;
    }

    QJsonObject object(const QString &command)
    {
        QJsonObject input;
        auto maybe = [&](int percent, const char *key, const QJsonValue &value) {
            if (chance(percent))
                input.insert(QLatin1String(key), either(value));
        };
        if (command == u"coefficients") {
            maybe(90, "example", m_wellTyped || chance(80) ? QJsonValue(1 + below(9)) : number());
            maybe(70, "amount", text());
            maybe(70, "years", text());
            maybe(70, "rate", text());
        } else {
            maybe(90, "today", date());
            maybe(60, "base_data", baseData());
            maybe(90, "members", members());
            maybe(50, "membership",
                  m_wellTyped || chance(90) ? QJsonValue(chance(50) ? "national" : "employee") : text());
            maybe(30, "choice",
                  m_wellTyped || chance(90) ? QJsonValue(chance(50) ? "widows_pension" : "employees_pension") : text());
            if (command == u"pension") {
                QJsonArray fields;
                for (int i = below(m_wellTyped ? 7 : 8); i > 0; --i)
                    fields.append(either(text()));
                maybe(90, "pension_fields", fields);
            } else {
                maybe(30, "base_date", date());
                maybe(90, "num1", slotTexts(7, 61));
                maybe(50, "num4", slotTexts(0, 15));
                maybe(10, "company", text());
                maybe(10, "product", text());
                maybe(20, "reference",
                      m_wellTyped || chance(90) ? QJsonValue(chance(50) ? "age" : "life_expectancy") : text());
                maybe(70, "actions", actions());
            }
        }
        if (!m_wellTyped && chance(5))
            input.insert(key(), anyValue());
        return input;
    }

    // Bytes that break the JSON or its strings.
    QByteArray rawPiece()
    {
        static const QByteArrayList pieces = {"\"",   "{",    "}",   "[",       "]",           ",",
                                              ":",    "\\",   "\\u", "\\ud800", "\"\\ud800\"", "\xff",
                                              "\xc3", "\x00", "\n",  "1e999",   "-",           "NaN"};
        return pieces.at(below(int(pieces.size())));
    }

    QByteArray deepNesting()
    {
        const int depth = 500 + below(4000);
        const char open = chance(50) ? '[' : '{';
        QByteArray text = open == '[' ? QByteArray(depth, '[') : QByteArray("{\"a\":").repeated(depth);
        if (chance(50))
            text += (open == '[' ? QByteArray(depth, ']') : QByteArray("1") + QByteArray(depth, '}'));
        return text;
    }

    QByteArray randomBytes()
    {
        QByteArray bytes(below(300), '\0');
        for (char &byte : bytes)
            byte = char(below(256));
        return bytes;
    }

    // Right at the size limit or just past it.
    QByteArray oversized(const QString &command)
    {
        m_wellTyped = true;
        QByteArray json = QJsonDocument(object(command)).toJson(QJsonDocument::Compact);
        m_wellTyped = false;
        const qsizetype size = izoku::cli::kMaxInputBytes + below(2);
        if (json.size() < size)
            json += QByteArray(size - json.size(), ' ');
        return json;
    }

    std::mt19937 m_random;
    bool m_wellTyped = false;
};

// What a run must look like whatever its input; empty when it does.
QString contractBroken(const QString &command, const CalcResult &result)
{
    if (result.status == 2) {
        if (!result.out.isEmpty())
            return QStringLiteral("output beside an error");
        const QString err = QString::fromUtf8(result.err);
        if (!err.startsWith(u"izoku-calc: ") || !err.endsWith(u'\n') || err.count(u'\n') != 1)
            return QStringLiteral("not one error line: ") + err;
        if (err.size() - 1 > izoku::cli::kMaxErrorLength)
            return QStringLiteral("error line of %1 characters").arg(err.size() - 1);
        for (QChar c : err.chopped(1)) {
            if (c.category() == QChar::Other_Control)
                return QStringLiteral("control character in the error");
        }
        return {};
    }
    if (result.status != 0)
        return QStringLiteral("exit status %1").arg(result.status);
    if (!result.err.isEmpty())
        return QStringLiteral("error text beside a result");
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(result.out, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return QStringLiteral("output is no JSON object");
    // Figures are never left out: a value that is not finite would be null.
    if (result.out.contains("null"))
        return QStringLiteral("null in the output");
    const QJsonObject json = document.object();
    for (const QJsonValue &message : json.value("messages").toArray()) {
        const QJsonObject m = message.toObject();
        if (m.value("title").toString().isEmpty() || m.value("text").toString().isEmpty())
            return QStringLiteral("message without a title or text");
    }
    static const QRegularExpression plainNumber(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?$"));
    if (command == u"pension") {
        const QJsonArray results = json.value("slots").toArray();
        if (results.size() != 30)
            return QStringLiteral("%1 result slots").arg(results.size());
        for (const QJsonValue &slot : results) {
            if (!plainNumber.match(slot.toString()).hasMatch())
                return QStringLiteral("result slot \"%1\"").arg(slot.toString());
        }
    } else if (command == u"needs") {
        if (json.value("num1").toArray().size() != 62 || json.value("num4").toArray().size() != 16)
            return QStringLiteral("field arrays of the wrong size");
    } else if (!json.value("fields").isObject()) {
        return QStringLiteral("no fields");
    }
    return {};
}

// The processor time of this thread: on a machine shared with other work
// the wall clock says more about the others than about this run.
double threadMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

int runsPerCommand()
{
    bool ok = false;
    const int runs = qEnvironmentVariableIntValue("IZOKU_FUZZ_RUNS", &ok);
    return ok && runs > 0 ? runs : 2000;
}

quint32 seed()
{
    bool ok = false;
    const uint seed = qEnvironmentVariable("IZOKU_FUZZ_SEED").toUInt(&ok);
    return ok ? seed : 20261209u;
}

} // namespace

class TestFuzz : public QObject {
    Q_OBJECT
  private slots:
    void hostileInputs_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("pension") << "pension";
        QTest::newRow("needs") << "needs";
        QTest::newRow("coefficients") << "coefficients";
    }
    void hostileInputs()
    {
        QFETCH(QString, command);
        HostileInputs inputs(seed() ^ quint32(qHash(command)));
        const int runs = runsPerCommand();
        // The first run loads the database driver and the locale tables.
        izoku::cli::Calculate({command}, "{}");
        double worst = 0;
        QByteArray worstInput;
        int refused = 0;
        for (int run = 0; run < runs; ++run) {
            const QStringList arguments = inputs.arguments(command);
            const QByteArray input = inputs.input(command);
            const double cpuStart = threadMilliseconds();
            const CalcResult result = izoku::cli::Calculate(arguments, input);
            const double cpu = threadMilliseconds() - cpuStart;
            if (cpu > worst) {
                worst = cpu;
                worstInput = input.left(200);
            }
            refused += result.status == 2;
            const QString broken = contractBroken(command, result);
            QVERIFY2(broken.isEmpty(), qPrintable(QStringLiteral("run %1 (seed %2): %3\ninput: %4")
                                                      .arg(run)
                                                      .arg(seed())
                                                      .arg(broken, QString::fromUtf8(input.left(500)))));
            const double perCalculation = cpu / calculations(input);
            QVERIFY2(perCalculation < kHangMs, qPrintable(QStringLiteral("run %1 took %2 ms a calculation\ninput: %3")
                                                              .arg(run)
                                                              .arg(perCalculation)
                                                              .arg(QString::fromUtf8(input.left(500)))));
        }
        qInfo("%s: %d runs, %d refused, most processor time in one run %.1f ms: %s", qPrintable(command), runs, refused,
              worst, worstInput.constData());
        // The generator must reach both sides of the contract.
        QVERIFY(refused > 0 && refused < runs);
    }

    // The program itself says what the library says, byte for byte.
    void theProgramAnswersAlike()
    {
        HostileInputs inputs(seed());
        for (int run = 0; run < 30; ++run) {
            const QString command = QStringList{"pension", "needs", "coefficients"}.at(run % 3);
            const QStringList arguments = inputs.arguments(command);
            const QByteArray input = inputs.input(command);
            const CalcResult expected = izoku::cli::Calculate(arguments, input);
            const izoku::test::CalcRun actual = izoku::test::RunCalc(arguments, input);
            QCOMPARE(actual.exitCode, expected.status);
            QCOMPARE(actual.out, expected.out);
            QCOMPARE(actual.err, expected.err);
        }
    }
};

QTEST_GUILESS_MAIN(TestFuzz)
#include "tst_fuzz.moc"
