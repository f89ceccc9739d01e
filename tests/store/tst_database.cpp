#include "store/database.h"

#include "databasecopy.h"

#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace izoku;

namespace {

void exec(const QString &folder, const QString &sql)
{
    store::DatabaseConnection connection(store::DatabasePath(folder));
    QVERIFY(connection.isOpen());
    QSqlQuery query(connection.database());
    QVERIFY2(query.exec(sql), qPrintable(sql));
}

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

    void loadsShippedFigures()
    {
        QTemporaryDir dir;
        test::CopyDatabase(dir);
        engine::BaseData data;
        QCOMPARE(store::OpenAndLoadBaseData(store::DatabasePath(dir.path()), data), store::LoadResult::Loaded);
        QCOMPARE(data, engine::kBaseData2009);
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
        QCOMPARE(store::OpenAndLoadBaseData(store::DatabasePath(dir.path()), data), store::LoadResult::NoDatabase);
        QCOMPARE(data, engine::BaseData{});
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("ndata.mdb"))));
    }

    void emptyTableLeavesZero()
    {
        QTemporaryDir dir;
        test::CopyDatabase(dir);
        exec(dir.path(), QStringLiteral("DELETE FROM \"基礎DATA\""));
        engine::BaseData data;
        QCOMPARE(store::OpenAndLoadBaseData(store::DatabasePath(dir.path()), data), store::LoadResult::NoRow);
        QCOMPARE(data, engine::BaseData{});
    }

    void newestRowWins()
    {
        QTemporaryDir dir;
        test::CopyDatabase(dir);
        exec(dir.path(),
             QStringLiteral("INSERT INTO \"基礎DATA\" (\"年度\", \"スライド率\", \"基礎年金\", \"加算1\", \"加算2\")"
                            " VALUES (2010, 0.981, 792100, 227900, 75900)"));
        engine::BaseData data;
        QCOMPARE(store::OpenAndLoadBaseData(store::DatabasePath(dir.path()), data), store::LoadResult::Loaded);
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
        QCOMPARE(store::OpenAndLoadBaseData(store::DatabasePath(dir.path()), data), store::LoadResult::Loaded);
        QCOMPARE(int(data.FiscalYear), expectedYear);
        QCOMPARE(data.BasicPensionAmount, expectedAmount);
    }

    void failingFieldKeepsWhatWasRead()
    {
        QTemporaryDir dir;
        test::CopyDatabase(dir);
        // A year too large for 16 bits stops the load at the first field.
        exec(dir.path(), QStringLiteral("UPDATE \"基礎DATA\" SET \"年度\" = 70000"));
        engine::BaseData data;
        QCOMPARE(store::OpenAndLoadBaseData(store::DatabasePath(dir.path()), data), store::LoadResult::ReadFailed);
        QCOMPARE(data, engine::BaseData{});
        // A missing child addition keeps the figures read before it.
        exec(dir.path(), QStringLiteral("UPDATE \"基礎DATA\" SET \"年度\" = 2009, \"加算1\" = NULL"));
        QCOMPARE(store::OpenAndLoadBaseData(store::DatabasePath(dir.path()), data), store::LoadResult::ReadFailed);
        QCOMPARE(data.BasicPensionAmount, 792100);
        QCOMPARE(data.ChildAddition1, 0);
        QCOMPARE(data.ChildAddition2, 0);
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

QTEST_GUILESS_MAIN(TestDatabase)
#include "tst_database.moc"
