#include "store/database.h"

#include "ndatacopy.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <future>
#include <optional>
#include <thread>

#include <unistd.h>

using namespace izoku;

namespace {

void exec(const QString &folder, const QString &sql)
{
    store::DatabaseConnection connection(store::DatabasePath(folder));
    QVERIFY(connection.isOpen());
    QSqlQuery query(connection.database());
    QVERIFY2(query.exec(sql), qPrintable(sql));
}

const QString kNewerRow =
    QStringLiteral("INSERT INTO \"基礎DATA\" (\"年度\", \"スライド率\", \"基礎年金\", \"加算1\", \"加算2\")"
                   " VALUES (2010, 0.981, 792100, 227900, 75900)");

// What a load leaves beside ndata.mdb.
QStringList companions(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("ndata.mdb-*")}, QDir::Files);
}

// The line the helper mode below prints for one load.
QString loadLine(const QString &folder)
{
    engine::BaseData data;
    const store::BaseDataLoad load = store::OpenAndLoadBaseData(store::DatabasePath(folder), data);
    return QStringLiteral("%1 %2 %3").arg(int(load.result)).arg(data.FiscalYear).arg(data.SlideRate);
}

// Loads the figures from `folder` as a user who may not write it.  Tests
// run as root, who may write anything: a copy of this program loads them
// as "nobody" instead.  Empty when that cannot be arranged.
QString loadAsUnprivileged(const QString &folder, const QTemporaryDir &programDir)
{
    if (::geteuid() != 0)
        return loadLine(folder);
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    const QString program = programDir.filePath(QStringLiteral("loader"));
    if (setpriv.isEmpty() || !QFile::copy(QCoreApplication::applicationFilePath(), program))
        return {};
    QFile::setPermissions(programDir.path(),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    QProcess process;
    process.start(setpriv, {QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                            QStringLiteral("--clear-groups"), program, QStringLiteral("--load"), folder});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

// A folder others may enter and read, holding a copy of ndata.mdb of the
// 2009 row alone in write-ahead-log mode.
void prepareWalFolder(const QTemporaryDir &dir)
{
    test::CopyDatabase(dir, test::Shape::Fiscal2009Only);
    exec(dir.path(), QStringLiteral("PRAGMA journal_mode=WAL"));
    QFile::setPermissions(dir.filePath(QStringLiteral("ndata.mdb")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
}

constexpr QFile::Permissions kReadableFolder =
    QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;

} // namespace

class TestDatabase : public QObject {
    Q_OBJECT
  private slots:
    void folderPath_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain folder") << "/opt/izoku"
                                      << "/opt/izoku/";
        QTest::newRow("ends in separator") << "/opt/izoku/"
                                           << "/opt/izoku/";
        QTest::newRow("root") << "/"
                              << "/";
    }
    void folderPath()
    {
        QFETCH(QString, folder);
        QFETCH(QString, expected);
        QCOMPARE(store::AppFolderPath(folder), expected);
    }

    void rootDatabasePathHasOneSeparator()
    {
        QCOMPARE(store::DatabasePath(QStringLiteral("/")), QStringLiteral("/ndata.mdb"));
    }

    // The newest year unless one is asked for; a file written before
    // today's law reads its row as it always has, without B′ and the rate.
    void loadsShippedFigures_data()
    {
        QTest::addColumn<test::Shape>("shape");
        QTest::addColumn<std::optional<int>>("year");
        QTest::addColumn<store::LoadResult>("result");
        QTest::addColumn<engine::BaseData>("figures");
        const auto shipped = test::Shape::Shipped;
        const auto before = test::Shape::Fiscal2009Only;
        const engine::BaseData k2024{2024, 1, 816000, 234800, 78300, 813700, 1.041};
        const engine::BaseData k2025{2025, 1, 831700, 239300, 79800, 829300, 1.061};
        QTest::newRow("newest") << shipped << std::optional<int>() << store::LoadResult::Loaded << test::kShipped2026;
        QTest::newRow("2026") << shipped << std::optional(2026) << store::LoadResult::Loaded << test::kShipped2026;
        QTest::newRow("2025") << shipped << std::optional(2025) << store::LoadResult::Loaded << k2025;
        QTest::newRow("2024") << shipped << std::optional(2024) << store::LoadResult::Loaded << k2024;
        QTest::newRow("2009") << shipped << std::optional(2009) << store::LoadResult::Loaded << engine::kBaseData2009;
        QTest::newRow("no such year") << shipped << std::optional(2030) << store::LoadResult::NoSuchYear
                                      << engine::BaseData{};
        QTest::newRow("written before, newest")
            << before << std::optional<int>() << store::LoadResult::Loaded << engine::kBaseData2009;
        QTest::newRow("written before, 2009")
            << before << std::optional(2009) << store::LoadResult::Loaded << engine::kBaseData2009;
    }
    void loadsShippedFigures()
    {
        QFETCH(test::Shape, shape);
        QFETCH(std::optional<int>, year);
        QFETCH(store::LoadResult, result);
        QFETCH(engine::BaseData, figures);
        QTemporaryDir dir;
        test::CopyDatabase(dir, shape);
        engine::BaseData data;
        QCOMPARE(store::OpenAndLoadBaseData(store::DatabasePath(dir.path()), data, year).result, result);
        QCOMPARE(data, figures);
    }

    void listsTheFiscalYearsNewestFirst_data()
    {
        QTest::addColumn<test::Shape>("shape");
        QTest::addColumn<QList<int>>("years");
        QTest::newRow("shipped") << test::Shape::Shipped << QList<int>{2026, 2025, 2024, 2009};
        QTest::newRow("written before") << test::Shape::Fiscal2009Only << QList<int>{2009};
    }
    void listsTheFiscalYearsNewestFirst()
    {
        QFETCH(test::Shape, shape);
        QFETCH(QList<int>, years);
        QTemporaryDir dir;
        test::CopyDatabase(dir, shape);
        QCOMPARE(store::ReadFiscalYears(store::DatabasePath(dir.path())), std::optional(years));
        QCOMPARE(store::ReadFiscalYears(store::DatabasePath(dir.path()) + QStringLiteral(".missing")), std::nullopt);
    }

    // Another program writing with a rollback journal keeps every reader
    // out while its transaction lasts: the read waits for it, as a save
    // does, instead of leaving the figures at 0.
    void readWaitsForAnotherProgramsLock()
    {
        QTemporaryDir dir;
        test::CopyDatabase(dir);
        const QString path = store::DatabasePath(dir.path());
        std::promise<void> locked;
        std::thread writer([&path, &locked] {
            store::DatabaseConnection connection(path);
            QSqlQuery query(connection.database());
            const bool ok = query.exec(QStringLiteral("PRAGMA journal_mode=DELETE")) &&
                            query.exec(QStringLiteral("BEGIN EXCLUSIVE"));
            locked.set_value();
            if (!ok)
                return;
            // Well inside the wait a save allows.
            std::this_thread::sleep_for(std::chrono::milliseconds(1200));
            query.exec(QStringLiteral("ROLLBACK"));
        });
        locked.get_future().wait();
        engine::BaseData data;
        const store::BaseDataLoad load = store::OpenAndLoadBaseData(path, data);
        writer.join();
        QCOMPARE(load.result, store::LoadResult::Loaded);
        QCOMPARE(data, test::kShipped2026);
    }

    void customerTableIsEmptyAndText()
    {
        QTemporaryDir dir;
        test::CopyDatabase(dir);
        store::DatabaseConnection connection(store::DatabasePath(dir.path()));
        QSqlQuery query(connection.database());
        QVERIFY(query.exec(QStringLiteral("SELECT COUNT(*) FROM \"顧客資料\"")));
        QVERIFY(query.next());
        QCOMPARE(query.value(0).toInt(), 0);
        query.finish();
        QVERIFY(query.exec(QStringLiteral("SELECT \"日付\", \"氏名7\", \"印7\", \"生保52\" FROM \"顧客資料\"")));
    }

    void missingFileLeavesZeroAndIsNotCreated()
    {
        QTemporaryDir dir;
        engine::BaseData data;
        QCOMPARE(store::OpenAndLoadBaseData(store::DatabasePath(dir.path()), data).result,
                 store::LoadResult::NoDatabase);
        QCOMPARE(data, engine::BaseData{});
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("ndata.mdb"))));
    }

    void emptyTableLeavesZero()
    {
        QTemporaryDir dir;
        test::CopyDatabase(dir);
        exec(dir.path(), QStringLiteral("DELETE FROM \"基礎DATA\""));
        engine::BaseData data;
        QCOMPARE(store::OpenAndLoadBaseData(store::DatabasePath(dir.path()), data).result, store::LoadResult::NoRow);
        QCOMPARE(data, engine::BaseData{});
    }

    void newestRowWins()
    {
        QTemporaryDir dir;
        test::CopyDatabase(dir, test::Shape::Fiscal2009Only);
        exec(dir.path(),
             QStringLiteral("INSERT INTO \"基礎DATA\" (\"年度\", \"スライド率\", \"基礎年金\", \"加算1\", \"加算2\")"
                            " VALUES (2010, 0.981, 792100, 227900, 75900)"));
        engine::BaseData data;
        QCOMPARE(store::OpenAndLoadBaseData(store::DatabasePath(dir.path()), data).result, store::LoadResult::Loaded);
        QCOMPARE(int(data.FiscalYear), 2010);
        QCOMPARE(data.SlideRate, 0.981);
    }

    void halvesGoToTheEvenNeighbour_data()
    {
        QTest::addColumn<double>("year");
        QTest::addColumn<double>("amount");
        QTest::addColumn<int>("expectedYear");
        QTest::addColumn<int>("expectedAmount");
        QTest::newRow("odd year goes up") << 2009.5 << 792100.5 << 2010 << 792100;
        QTest::newRow("even year goes down") << 2010.5 << 792101.5 << 2010 << 792102;
    }
    void halvesGoToTheEvenNeighbour()
    {
        QFETCH(double, year);
        QFETCH(double, amount);
        QFETCH(int, expectedYear);
        QFETCH(int, expectedAmount);
        QTemporaryDir dir;
        test::CopyDatabase(dir);
        exec(dir.path(), QStringLiteral("UPDATE \"基礎DATA\" SET \"年度\" = %1, \"基礎年金\" = %2")
                             .arg(year)
                             .arg(amount, 0, 'f', 1));
        engine::BaseData data;
        QCOMPARE(store::OpenAndLoadBaseData(store::DatabasePath(dir.path()), data).result, store::LoadResult::Loaded);
        QCOMPARE(int(data.FiscalYear), expectedYear);
        QCOMPARE(data.BasicPensionAmount, expectedAmount);
    }

    void failingFieldKeepsWhatWasRead()
    {
        QTemporaryDir dir;
        test::CopyDatabase(dir, test::Shape::Fiscal2009Only);
        // A year too large for 16 bits stops the load at the first field.
        exec(dir.path(), QStringLiteral("UPDATE \"基礎DATA\" SET \"年度\" = 70000"));
        engine::BaseData data;
        QCOMPARE(store::OpenAndLoadBaseData(store::DatabasePath(dir.path()), data).result,
                 store::LoadResult::ReadFailed);
        QCOMPARE(data, engine::BaseData{});
        // A missing child addition keeps the figures read before it.
        exec(dir.path(), QStringLiteral("UPDATE \"基礎DATA\" SET \"年度\" = 2009, \"加算1\" = NULL"));
        QCOMPARE(store::OpenAndLoadBaseData(store::DatabasePath(dir.path()), data).result,
                 store::LoadResult::ReadFailed);
        QCOMPARE(data.BasicPensionAmount, 792100);
        QCOMPARE(data.ChildAddition1, 0);
        QCOMPARE(data.ChildAddition2, 0);
    }

    void implausibleFiguresAreNotUsed_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("loaded");
        const auto bounds = [](const char *field, std::initializer_list<std::pair<const char *, bool>> rows) {
            for (const auto &[value, loaded] : rows)
                QTest::addRow("%s %s", field, value)
                    << QString::fromUtf8(field) << QString::fromLatin1(value) << loaded;
        };
        bounds("年度", {{"1899", false}, {"1900", true}, {"2100", true}, {"2101", false}, {"'nan'", false}});
        bounds("スライド率", {{"0", false},
                              {"-0.5", false},
                              {"0.0001", true},
                              {"2", true},
                              {"2.0001", false},
                              {"'nan'", false},
                              {"'inf'", false},
                              {"1e999", false},
                              {"'abc'", false}});
        for (const char *field : {"基礎年金", "加算1", "加算2"}) {
            bounds(field, {{"-1", false},
                           {"0", true},
                           {"10000000", true},
                           {"10000001", false},
                           {"'nan'", false},
                           {"-1e999", false}});
        }
    }
    void implausibleFiguresAreNotUsed()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(bool, loaded);
        QTemporaryDir dir;
        test::CopyDatabase(dir);
        exec(dir.path(), QStringLiteral("UPDATE \"基礎DATA\" SET \"%1\" = %2").arg(field, value));
        engine::BaseData data;
        const store::BaseDataLoad load = store::OpenAndLoadBaseData(store::DatabasePath(dir.path()), data);
        QCOMPARE(load.loaded(), loaded);
        if (loaded) {
            QVERIFY(!store::BaseDataWarning(load));
            return;
        }
        QCOMPARE(load.result, store::LoadResult::ReadFailed);
        QCOMPARE(load.field, field);
        const auto warning = store::BaseDataWarning(load);
        QVERIFY(warning);
        QCOMPARE(warning->text, QStringLiteral("基礎データ（ndata.mdb）の「%1」を読み込めませんでした。"
                                               "遺族基礎年金額などが 0 として計算されます。")
                                    .arg(field));
        QCOMPARE(warning->title, QStringLiteral("エラー"));
        QCOMPARE(warning->icon, engine::MessageIcon::Warning);
    }

    void missingDatabaseWarnsWithoutAField_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("not a database") << QByteArray("this is no database file, only some text\n");
    }
    void missingDatabaseWarnsWithoutAField()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        if (!content.isEmpty()) {
            QFile file(dir.filePath(QStringLiteral("ndata.mdb")));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        engine::BaseData data;
        const auto warning = store::BaseDataWarning(store::OpenAndLoadBaseData(store::DatabasePath(dir.path()), data));
        QVERIFY(warning);
        QCOMPARE(warning->text,
                 QStringLiteral(
                     "基礎データ（ndata.mdb）を読み込めませんでした。遺族基礎年金額などが 0 として計算されます。"));
        QCOMPARE(data, engine::BaseData{});
        QCOMPARE(companions(dir.path()), QStringList());
    }

    void readingInWalModeLeavesNothingBehind_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("plain") << QString();
        // The file is then named by a URI: these must not end its path.
        QTest::newRow("Japanese and URI characters") << QStringLiteral("遺族 保障?#%20&;=");
    }
    void readingInWalModeLeavesNothingBehind()
    {
        QFETCH(QString, folder);
        QTemporaryDir dir(QDir::tempPath() + u'/' + folder + QStringLiteral("XXXXXX"));
        QVERIFY(dir.isValid());
        prepareWalFolder(dir);
        QCOMPARE(companions(dir.path()), QStringList());
        engine::BaseData data;
        QVERIFY(store::OpenAndLoadBaseData(store::DatabasePath(dir.path()), data).loaded());
        QCOMPARE(data, engine::kBaseData2009);
        QCOMPARE(companions(dir.path()), QStringList());
    }

    void readingBesideAWriterSeesItsCommittedRows()
    {
        QTemporaryDir dir;
        prepareWalFolder(dir);
        {
            // The writer's new row is still in its log, not yet in the file.
            store::DatabaseConnection writer(store::DatabasePath(dir.path()));
            QSqlQuery query(writer.database());
            QVERIFY(query.exec(QStringLiteral("PRAGMA wal_autocheckpoint=0")));
            QVERIFY(query.exec(kNewerRow));
            engine::BaseData data;
            QVERIFY(store::OpenAndLoadBaseData(store::DatabasePath(dir.path()), data).loaded());
            QCOMPARE(int(data.FiscalYear), 2010);
        }
        QCOMPARE(companions(dir.path()), QStringList());
    }

    void readOnlyFolderOrFile_data()
    {
        QTest::addColumn<bool>("folderWritable");
        QTest::addColumn<bool>("wal");
        QTest::addColumn<bool>("writer");
        QTest::newRow("read-only folder, log mode") << false << true << false;
        QTest::newRow("read-only folder, rollback journal") << false << false << false;
        QTest::newRow("read-only folder beside a writer") << false << true << true;
        QTest::newRow("read-only file in a writable folder, log mode") << true << true << false;
    }
    void readOnlyFolderOrFile()
    {
        QFETCH(bool, folderWritable);
        QFETCH(bool, wal);
        QFETCH(bool, writer);
        QTemporaryDir dir;
        QTemporaryDir programDir;
        test::CopyDatabase(dir, test::Shape::Fiscal2009Only);
        if (wal)
            exec(dir.path(), QStringLiteral("PRAGMA journal_mode=WAL"));
        QFile::setPermissions(dir.filePath(QStringLiteral("ndata.mdb")), QFile::ReadOwner | QFile::ReadOther);
        std::optional<store::DatabaseConnection> writing;
        if (writer) {
            writing.emplace(store::DatabasePath(dir.path()));
            QSqlQuery query(writing->database());
            QVERIFY(query.exec(QStringLiteral("PRAGMA wal_autocheckpoint=0")));
            QVERIFY(query.exec(kNewerRow));
        }
        const QStringList before = companions(dir.path());
        QFile::setPermissions(dir.path(), folderWritable ? kReadableFolder | QFile::WriteOther | QFile::WriteGroup
                                                         : kReadableFolder);
        if (::geteuid() != 0 && !folderWritable)
            QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        const QString line = loadAsUnprivileged(dir.path(), programDir);
        QFile::setPermissions(dir.path(), kReadableFolder);
        if (line.isEmpty())
            QSKIP("cannot run the load as a user without write access (setpriv and user nobody needed as root)");
        QCOMPARE(line, writer ? QStringLiteral("%1 2010 0.981").arg(int(store::LoadResult::Loaded))
                              : QStringLiteral("%1 2009 0.985").arg(int(store::LoadResult::Loaded)));
        QCOMPARE(companions(dir.path()), before);
    }

    void connectionsAreIndependent()
    {
        QTemporaryDir dir;
        test::CopyDatabase(dir);
        store::DatabaseConnection first(store::DatabasePath(dir.path()));
        store::DatabaseConnection second(store::DatabasePath(dir.path()));
        QVERIFY(first.isOpen());
        QVERIFY(second.isOpen());
        QVERIFY(first.name() != second.name());
    }
};

// "--load FOLDER": load the figures from FOLDER and print what came of it,
// for the loads run as another user.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--load") {
        std::printf("%s\n", qPrintable(loadLine(QString::fromLocal8Bit(argv[2]))));
        return 0;
    }
    TestDatabase test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_database.moc"
