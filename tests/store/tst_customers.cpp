#include "store/columns.h"
#include "store/customerlist.h"
#include "store/customers.h"
#include "store/databaseconnection.h"
#include "store/writetransaction.h"
#include "testday.h"

#include "engine/needs/frmhokenbuttons.h"
#include "engine/needs/frmhokenform.h"
#include "ndatacopy.h"

#include <QAbstractItemModelTester>
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSemaphore>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>
#include <cstdio>
#include <memory>
#include <optional>

using namespace izoku;

namespace {

using izoku::test::kToday;

engine::CustomerRecord household(const QString &husband)
{
    engine::FrmhokenForm form;
    engine::OpenFrmhoken(form, engine::kBaseData2009, kToday);
    form.household.members[0].name = husband;
    form.household.members[0].age = QStringLiteral("41");
    form.household.members[engine::HouseholdIndex::Child3].disabled = true;
    form.fmt3[engine::HokenFmt3::Company] = QStringLiteral("東西生命");
    return engine::CustomerRecordOf(form, kToday);
}

QString husband(const store::CustomerListModel &list, int row)
{
    const std::optional<engine::CustomerRecord> record = list.record(row);
    return record ? record->persons[engine::HouseholdIndex::Husband].name : QStringLiteral("<no row>");
}

int rowCount(const QString &path)
{
    return test::Scalar(path, QStringLiteral("SELECT COUNT(*) FROM \"顧客資料\"")).toInt();
}

// Another copy of the program in the middle of a save: its write
// transaction on the file, on a thread of its own, held until it is let go
// (the end of its scope) or for `holdMs` at most.
class HeldFile {
  public:
    HeldFile(const QString &path, std::optional<int> holdMs)
    {
        m_thread.reset(QThread::create([this, path, holdMs] {
            const store::DatabaseConnection connection(path, store::Access::ReadWrite);
            QSqlQuery hold(connection.database());
            m_holding = hold.exec(QStringLiteral("BEGIN IMMEDIATE"));
            m_held.release();
            if (holdMs)
                m_letGo.tryAcquire(1, *holdMs);
            else
                m_letGo.acquire();
            hold.exec(QStringLiteral("ROLLBACK"));
        }));
        m_thread->start();
        m_held.acquire();
    }
    ~HeldFile()
    {
        m_letGo.release();
        m_thread->wait();
    }
    HeldFile(const HeldFile &) = delete;
    HeldFile &operator=(const HeldFile &) = delete;

    // Whether the write transaction was begun.
    bool holding() const { return m_holding; }

  private:
    std::unique_ptr<QThread> m_thread;
    QSemaphore m_held;
    QSemaphore m_letGo;
    bool m_holding = false;
};

// The child's side of the crash and two-writer tests: saves `count`
// households (0: until killed) named after `tag`, printing each key once the
// save has returned.
constexpr unsigned long kPauseBetweenSavesMs = 2;

int saveLoop(const QString &path, const QString &tag, int count)
{
    for (int n = 0; count == 0 || n < count; ++n) {
        const QString name = QStringLiteral("%1-%2").arg(tag).arg(n);
        const store::WriteOutcome outcome = store::SaveCustomerRecord(path, household(name));
        if (!outcome.written()) {
            std::fprintf(stderr, "save failed: %s\n", qPrintable(outcome.error.text()));
            return 1;
        }
        std::printf("%lld %s\n", static_cast<long long>(outcome.key), qPrintable(name));
        std::fflush(stdout);
        // A moment between saves, as between an agent's: two programs saving
        // without one would leave the other only the lock's wait, which a
        // loaded machine can use up.
        QThread::msleep(kPauseBetweenSavesMs);
    }
    return 0;
}

QProcess *startSaver(const QString &path, const QString &tag, int count, QObject *parent)
{
    auto *process = new QProcess(parent);
    process->setProcessChannelMode(QProcess::SeparateChannels);
    process->start(QCoreApplication::applicationFilePath(),
                   {QStringLiteral("--save-loop"), path, tag, QString::number(count)});
    return process;
}

// The key and name of every line the child finished printing.
QList<QPair<qint64, QString>> confirmedRows(QProcess &process)
{
    QList<QPair<qint64, QString>> rows;
    const QList<QByteArray> lines = process.readAllStandardOutput().split('\n');
    // The last piece has no newline: printed only in part, or empty.
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        const QList<QByteArray> parts = lines[i].split(' ');
        if (parts.size() == 2)
            rows.append({parts[0].toLongLong(), QString::fromUtf8(parts[1])});
    }
    return rows;
}

} // namespace

class TestCustomers : public QObject {
    Q_OBJECT
  private slots:
    // Each field of a household in its column of 顧客資料, as the customer
    // list and every earlier copy of the program read it.
    void savedRowHoldsTheRecord_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("expected");
        const std::pair<const char *, const char *> rows[] = {
            {"日付", "saved"},
            {"氏名1", "name0"},
            {"氏名7", "name6"},
            {"生年月日3", "birth2"},
            {"年齢2", "age1"},
            {"印1", "mark0"},
            {"印3", "mark2"},
            {"印5", "mark4"},
            {"国保期間", "national"},
            {"厚生期間1", "to2003"},
            {"金額1", "monthly"},
            {"厚生期間2", "from2003"},
            {"金額2", "yearly"},
            {"保険会社", "company"},
            {"生保11", "term0-from"},
            {"生保12", "term0-to"},
            {"生保33", "term2-amount"},
            {"生保41", "whole0-from"},
            {"生保42", "whole0-amount"},
            {"生保52", "whole1-amount"},
            {"加入年金", "membership"},
            {"遺族選択", "choice"},
        };
        for (const auto &[column, expected] : rows)
            QTest::newRow(column) << QString::fromUtf8(column) << QString::fromUtf8(expected);
    }
    void savedRowHoldsTheRecord()
    {
        QFETCH(QString, column);
        QFETCH(QString, expected);
        engine::CustomerRecord record;
        record.savedOn = QStringLiteral("saved");
        for (size_t i = 0; i < record.persons.size(); ++i)
            record.persons[i] = {QStringLiteral("name%1").arg(i), QStringLiteral("birth%1").arg(i),
                                 QStringLiteral("age%1").arg(i)};
        for (size_t child = 0; child < record.childMarks.size(); ++child)
            record.childMarks[child] = QStringLiteral("mark%1").arg(child);
        record.pensionRecord = {"national", "to2003", "monthly", "from2003", "yearly"};
        record.company = QStringLiteral("company");
        for (size_t p = 0; p < record.termPolicies.size(); ++p) {
            const QString policy = QStringLiteral("term%1-").arg(p);
            record.termPolicies[p] = {policy + "from", policy + "to", policy + "amount"};
        }
        for (size_t q = 0; q < record.wholeLifePolicies.size(); ++q) {
            const QString policy = QStringLiteral("whole%1-").arg(q);
            record.wholeLifePolicies[q] = {policy + "from", policy + "amount"};
        }
        record.membership = QStringLiteral("membership");
        record.survivorChoice = QStringLiteral("choice");

        const test::DatabaseCopy db;
        const QString path = db.path();
        const store::WriteOutcome outcome = store::SaveCustomerRecord(path, record);
        QVERIFY2(outcome.written(), qPrintable(outcome.error.text()));
        QCOMPARE(rowCount(path), 1);
        const store::DatabaseConnection connection(path, store::Access::ReadOnly);
        QSqlQuery query(connection.database());
        QVERIFY(query.exec(QStringLiteral("SELECT * FROM \"顧客資料\" WHERE rowid = %1").arg(outcome.key)));
        QVERIFY(query.next());
        QCOMPARE(query.value(column).toString(), expected);
        // Every field is written, an empty one as empty text; the marks of
        // no child stay unset.
        QCOMPARE(store::SavedCustomerColumns().size(), 48);
        for (const QString &saved : store::SavedCustomerColumns())
            QVERIFY2(!query.value(saved).isNull(), qPrintable(saved));
        QVERIFY(query.value(QStringLiteral("印6")).isNull());
        QVERIFY(query.value(QStringLiteral("印7")).isNull());
        // A query read halfway holds the file against every save.
        query.finish();
        // The same household saved again is a second row.
        QVERIFY(store::SaveCustomerRecord(path, record).written());
        QCOMPARE(rowCount(path), 2);
    }

    void namesComeBackUnchanged_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("quotes and SQL") << QStringLiteral("O'Brien\"; DROP TABLE 顧客資料;--");
        QString long200;
        const QString pieces[] = {QStringLiteral("髙"), QStringLiteral("𠮷"), QStringLiteral("👨‍👩‍👧"),
                                  QStringLiteral("渡邊")};
        for (int i = 0; long200.size() < 200; ++i)
            long200 += pieces[i % 4];
        QTest::newRow("200 characters of kanji and emoji") << long200.left(200);
        QTest::newRow("percent and question mark") << QStringLiteral("50% ?1 :name @x $y");
        QTest::newRow("line break and tab") << QStringLiteral("上\n下\t右");
    }
    void namesComeBackUnchanged()
    {
        QFETCH(QString, name);
        const test::DatabaseCopy db;
        const QString path = db.path();
        const store::WriteOutcome outcome = store::SaveCustomerRecord(path, household(name));
        QVERIFY(outcome.written());
        store::CustomerListModel list(path);
        QVERIFY(list.isOpen());
        QCOMPARE(list.rowCount(), 1);
        QCOMPARE(list.record(0)->persons[engine::HouseholdIndex::Husband].name, name);
        QCOMPARE(list.record(0)->company, QStringLiteral("東西生命"));
        QCOMPARE(test::Scalar(path, QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
    }

    void failedSaveIsReportedAndWritesNothing_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::newRow("read-only file") << "read-only";
        QTest::newRow("missing file") << "missing";
        QTest::newRow("not a database") << "garbage";
        QTest::newRow("customer table gone") << "no table";
        QTest::newRow("folder is a file") << "folder";
    }
    void failedSaveIsReportedAndWritesNothing()
    {
        QFETCH(QString, damage);
        const test::DatabaseCopy db;
        QString path = db.path();
        std::optional<test::ReadOnlyFile> readOnly;
        if (damage == QLatin1String("read-only")) {
            readOnly.emplace(path);
            if (!readOnly->ok())
                QSKIP("this file system cannot make a file read-only for root");
        } else if (damage == QLatin1String("missing")) {
            QFile::remove(path);
        } else if (damage == QLatin1String("garbage")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(QByteArray(8192, 'x'));
        } else if (damage == QLatin1String("no table")) {
            const store::DatabaseConnection connection(path, store::Access::ReadWrite);
            QSqlQuery(connection.database()).exec(QStringLiteral("DROP TABLE \"顧客資料\""));
        } else {
            path += QStringLiteral("/ndata.mdb");
        }
        const store::WriteOutcome outcome = store::SaveCustomerRecord(path, household(QStringLiteral("失敗")));
        QVERIFY(!outcome.written());
        QVERIFY(outcome.error.isValid());
        if (damage == QLatin1String("missing"))
            QVERIFY(!QFile::exists(path));
        if (readOnly) {
            readOnly.reset();
            QCOMPARE(rowCount(path), 0);
            QCOMPARE(test::Scalar(path, QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
        }
    }

    // Another copy of the program holding the file: a save waits for it
    // and goes in once it lets go, or, held past the wait, is reported as
    // failed and writes nothing.  How long it waits is a benchmark's
    // business (bench_ui_customers).
    void fileHeldByAnotherWriter_data()
    {
        QTest::addColumn<bool>("released");
        QTest::newRow("let go while the save waits") << true;
        QTest::newRow("held past the wait") << false;
    }
    void fileHeldByAnotherWriter()
    {
        QFETCH(bool, released);
        const test::DatabaseCopy db;
        const QString path = db.path();
        {
            // Let go, a moment after the save has started waiting, well
            // within the wait of its first try.
            HeldFile other(path, released ? std::optional<int>(200) : std::nullopt);
            QVERIFY(other.holding());
            const store::WriteOutcome outcome = store::SaveCustomerRecord(path, household(QStringLiteral("待ち")));
            QCOMPARE(outcome.written(), released);
            QCOMPARE(outcome.error.isValid(), !released);
            QCOMPARE(outcome.failure, released ? store::WriteFailure::None : store::WriteFailure::Locked);
        }
        QCOMPARE(rowCount(path), released ? 1 : 0);
        QVERIFY(store::SaveCustomerRecord(path, household(QStringLiteral("後"))).written());
    }

    void listOpensInKeyOrderAndPagesOnDemand()
    {
        const test::DatabaseCopy db;
        const QString path = db.path();
        const int rows = 300; // more than two pages
        {
            const store::DatabaseConnection connection(path, store::Access::ReadWrite);
            QSqlQuery query(connection.database());
            QVERIFY(query.exec(QStringLiteral("BEGIN")));
            QVERIFY(query.prepare(QStringLiteral("INSERT INTO \"顧客資料\" (\"氏名1\", \"印3\") VALUES (?, ?)")));
            for (int i = 0; i < rows; ++i) {
                query.addBindValue(QStringLiteral("客%1").arg(i));
                query.addBindValue(i % 2 ? QStringLiteral("1") : QStringLiteral("0"));
                QVERIFY(query.exec());
            }
            QVERIFY(query.exec(QStringLiteral("DELETE FROM \"顧客資料\" WHERE rowid = 5")));
            QVERIFY(query.exec(QStringLiteral("COMMIT")));
        }
        store::CustomerListModel list(path);
        const QAbstractItemModelTester tester(&list, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QVERIFY(list.isOpen());
        QCOMPARE(list.rowCount(), rows - 1);
        // One grid column per column of the table, in its order, the key
        // left out.
        QStringList tableColumns;
        {
            const store::DatabaseConnection connection(path, store::Access::ReadOnly);
            const QSqlRecord table = connection.database().record(store::CustomerTable());
            for (int c = 1; c < table.count(); ++c)
                tableColumns << table.fieldName(c);
        }
        QStringList headers;
        for (int c = 0; c < list.columnCount(); ++c)
            headers << list.headerData(c, Qt::Horizontal).toString();
        QCOMPARE(headers, tableColumns);
        QCOMPARE(headers.size(), 50);
        QCOMPARE(husband(list, 0), QStringLiteral("客0"));
        QCOMPARE(husband(list, 4), QStringLiteral("客5"));
        QCOMPARE(husband(list, rows - 2), QStringLiteral("客%1").arg(rows - 1));
        QCOMPARE(list.record(130)->childMarks[2], QStringLiteral("1")); // 客131's 印3
        const int mark7 = static_cast<int>(store::CustomerColumns().indexOf(QStringLiteral("印7")));
        QCOMPARE(list.data(list.index(0, mark7)).toString(), QString());
        QVERIFY(!list.record(rows - 1));
        // Rows saved after the list opened wait for the next opening.
        QVERIFY(store::SaveCustomerRecord(path, household(QStringLiteral("後"))).written());
        QCOMPARE(list.rowCount(), rows - 1);
    }

    // The search box: any of the seven names, kana and kanji as typed,
    // Latin letters in either case, LIKE's wildcards taken literally.
    void listFiltersOnAnyName_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("husbands");
        const QStringList all{"山田太郎", "やまだ花子", "O'Brien", "Sato_100%", "鈴木一郎"};
        QTest::newRow("kanji") << "山田" << QStringList{"山田太郎"};
        QTest::newRow("kana") << "まだ" << QStringList{"やまだ花子"};
        QTest::newRow("latin, other case") << "o'b" << QStringList{"O'Brien"};
        QTest::newRow("a child's name") << "次郎" << QStringList{"鈴木一郎"};
        QTest::newRow("wildcards literally") << "_100%" << QStringList{"Sato_100%"};
        QTest::newRow("underscore is no wildcard") << "a_o" << QStringList{};
        QTest::newRow("no match") << "該当なし" << QStringList{};
        QTest::newRow("cleared") << "" << all;
    }
    void listFiltersOnAnyName()
    {
        QFETCH(QString, filter);
        QFETCH(QStringList, husbands);
        const test::DatabaseCopy db;
        const QString path = db.path();
        for (const QString name : {"山田太郎", "やまだ花子", "O'Brien", "Sato_100%"})
            QVERIFY(store::SaveCustomerRecord(path, household(name)).written());
        engine::CustomerRecord suzuki = household(QStringLiteral("鈴木一郎"));
        suzuki.persons[engine::HouseholdIndex::Child3].name = QStringLiteral("鈴木次郎");
        QVERIFY(store::SaveCustomerRecord(path, suzuki).written());
        store::CustomerListModel list(path);
        const QAbstractItemModelTester tester(&list, QAbstractItemModelTester::FailureReportingMode::QtTest);
        list.setFilter(QStringLiteral("山"));
        list.setFilter(filter);
        QStringList shown;
        for (int row = 0; row < list.rowCount(); ++row)
            shown << husband(list, row);
        QCOMPARE(shown, husbands);
        QCOMPARE(list.key(list.rowCount()), qint64(-1));
    }

    // The list opened on a file in WAL mode that no program had open, as
    // the shipped file is at start-up, shows the rows saved and removed
    // while it stays open once it is read again.
    void listReadAgainSeesLaterWrites()
    {
        const test::DatabaseCopy db;
        const QString path = db.path();
        {
            const store::DatabaseConnection connection(path, store::Access::ReadWrite);
            QSqlQuery mode(connection.database());
            QVERIFY(mode.exec(QStringLiteral("PRAGMA journal_mode = WAL")) && mode.next());
            QCOMPARE(mode.value(0).toString(), QStringLiteral("wal"));
        }
        QVERIFY(!QFile::exists(path + QStringLiteral("-wal")));
        store::CustomerListModel list(path);
        const QAbstractItemModelTester tester(&list, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QVERIFY(list.isOpen());
        QCOMPARE(list.rowCount(), 0);
        const qint64 first = store::SaveCustomerRecord(path, household(QStringLiteral("一"))).key;
        QVERIFY(store::SaveCustomerRecord(path, household(QStringLiteral("二"))).written());
        list.reload();
        QCOMPARE(list.rowCount(), 2);
        QVERIFY(store::DeleteCustomerRecord(path, first).written());
        list.setFilter(QString());
        QCOMPARE(list.rowCount(), 1);
        QCOMPARE(husband(list, 0), QStringLiteral("二"));
    }

    // Saved again over its row, read back by key, removed: each touches
    // that one row; a row already gone is a failure, not a success.
    void rowByKey()
    {
        const test::DatabaseCopy db;
        const QString path = db.path();
        const qint64 first = store::SaveCustomerRecord(path, household(QStringLiteral("一"))).key;
        const qint64 second = store::SaveCustomerRecord(path, household(QStringLiteral("二"))).key;
        const std::optional<engine::CustomerRecord> read = store::ReadCustomerRecord(path, second);
        QVERIFY(read);
        QVERIFY(*read == household(QStringLiteral("二")));
        const store::WriteOutcome overwritten =
            store::OverwriteCustomerRecord(path, first, household(QStringLiteral("一改")));
        QVERIFY2(overwritten.written(), qPrintable(overwritten.error.text()));
        QCOMPARE(overwritten.key, first);
        QCOMPARE(rowCount(path), 2);
        QCOMPARE(test::Scalar(path, QStringLiteral("SELECT \"氏名1\" FROM \"顧客資料\" WHERE rowid = %1").arg(first))
                     .toString(),
                 QStringLiteral("一改"));
        QCOMPARE(test::Scalar(path, QStringLiteral("SELECT \"氏名1\" FROM \"顧客資料\" WHERE rowid = %1").arg(second))
                     .toString(),
                 QStringLiteral("二"));
        QVERIFY(store::DeleteCustomerRecord(path, first).written());
        QCOMPARE(rowCount(path), 1);
        QVERIFY(!store::ReadCustomerRecord(path, first));
        QVERIFY(!store::DeleteCustomerRecord(path, first).written());
        QVERIFY(!store::OverwriteCustomerRecord(path, first, household(QStringLiteral("一"))).written());
        QCOMPARE(rowCount(path), 1);
    }

    // A file of an earlier version has no 加入年金 and 遺族選択: its
    // households are listed and read back without them, and the first save
    // adds them in its own transaction.
    void earlierFileGainsTheMembershipColumnsOnSave()
    {
        const test::DatabaseCopy db;
        const QString path = db.path();
        {
            const store::DatabaseConnection connection(path);
            QSqlQuery query(connection.database());
            for (const QString &column : store::AddedCustomerColumns())
                QVERIFY(query.exec(QStringLiteral("ALTER TABLE \"顧客資料\" DROP COLUMN \"%1\"").arg(column)));
            QVERIFY(query.exec(QStringLiteral("INSERT INTO \"顧客資料\" (\"氏名1\") VALUES ('前')")));
        }
        QCOMPARE(store::CustomerListModel(path).record(0)->persons[0].name, QStringLiteral("前"));
        QCOMPARE(store::ReadCustomerRecord(path, 1)->membership, QString());
        engine::CustomerRecord saved = household(QStringLiteral("後"));
        saved.membership = QStringLiteral("国民年金");
        const store::WriteOutcome outcome = store::SaveCustomerRecord(path, saved);
        QVERIFY2(outcome.written(), qPrintable(outcome.error.text()));
        QCOMPARE(store::ReadCustomerRecord(path, outcome.key)->membership, QStringLiteral("国民年金"));
        QCOMPARE(store::ReadCustomerRecord(path, 1)->membership, QString());
        const store::CustomerListModel list(path);
        QCOMPARE(list.columnCount(), 50);
        QCOMPARE(list.record(1)->membership, QStringLiteral("国民年金"));
    }

    void listOfAnUnreadableFileIsEmpty_data()
    {
        QTest::addColumn<bool>("missing");
        QTest::newRow("missing file") << true;
        QTest::newRow("table without a field") << false;
    }
    void listOfAnUnreadableFileIsEmpty()
    {
        QFETCH(bool, missing);
        const test::DatabaseCopy db;
        const QString path = db.path();
        if (missing) {
            QFile::remove(path);
        } else {
            store::SaveCustomerRecord(path, household(QStringLiteral("x")));
            const store::DatabaseConnection connection(path, store::Access::ReadWrite);
            QVERIFY(
                QSqlQuery(connection.database()).exec(QStringLiteral("ALTER TABLE \"顧客資料\" DROP COLUMN \"印7\"")));
        }
        store::CustomerListModel list(path);
        QVERIFY(!list.isOpen());
        QCOMPARE(list.rowCount(), 0);
        QCOMPARE(QFile::exists(path), !missing);
    }

    // A saved row survives the program being killed at any moment: the file
    // stays sound and every row it had confirmed is there.
    void killedWhileSavingLosesNothingConfirmed()
    {
        const test::DatabaseCopy db;
        const QString path = db.path();
        QList<QPair<qint64, QString>> confirmed;
        auto *random = QRandomGenerator::global();
        for (int round = 0; round < 50; ++round) {
            QProcess *saver = startSaver(path, QStringLiteral("r%1").arg(round), 0, this);
            QVERIFY(saver->waitForStarted());
            // Wait for its first confirmed save, then kill it a random
            // moment later: between saves, inside one or inside a commit.
            QVERIFY(saver->waitForReadyRead(20000));
            QTest::qSleep(random->bounded(40));
            ::kill(static_cast<pid_t>(saver->processId()), SIGKILL);
            QVERIFY(saver->waitForFinished(10000));
            QCOMPARE(saver->exitStatus(), QProcess::CrashExit);
            confirmed += confirmedRows(*saver);
            delete saver;
        }
        QVERIFY(confirmed.size() >= 50);
        QCOMPARE(test::Scalar(path, QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
        const store::DatabaseConnection connection(path, store::Access::ReadOnly);
        QSqlQuery query(connection.database());
        QVERIFY(query.prepare(QStringLiteral("SELECT \"氏名1\", \"印3\" FROM \"顧客資料\" WHERE rowid = ?")));
        for (const auto &[key, name] : confirmed) {
            query.addBindValue(key);
            QVERIFY(query.exec());
            QVERIFY2(query.next(), qPrintable(name));
            QCOMPARE(query.value(0).toString(), name);
            QCOMPARE(query.value(1).toString(), QStringLiteral("1"));
        }
    }

    // Two copies of the program saving into one file at once both succeed.
    void twoWritersLoseNoRow()
    {
        const test::DatabaseCopy db;
        const QString path = db.path();
        QProcess *first = startSaver(path, QStringLiteral("a"), 500, this);
        QProcess *second = startSaver(path, QStringLiteral("b"), 500, this);
        for (QProcess *saver : {first, second}) {
            QVERIFY(saver->waitForFinished(120000));
            QCOMPARE(saver->exitStatus(), QProcess::NormalExit);
            QVERIFY2(saver->exitCode() == 0, saver->readAllStandardError().constData());
            QCOMPARE(confirmedRows(*saver).size(), 500);
        }
        QCOMPARE(rowCount(path), 1000);
        QCOMPARE(test::Scalar(path, QStringLiteral("SELECT COUNT(DISTINCT \"氏名1\") FROM \"顧客資料\"")).toInt(),
                 1000);
        QCOMPARE(test::Scalar(path, QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
        delete first;
        delete second;
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 5 && qstrcmp(argv[1], "--save-loop") == 0)
        return saveLoop(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]), std::atoi(argv[4]));
    TestCustomers test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_customers.moc"
