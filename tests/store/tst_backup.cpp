#include "store/backup.h"
#include "store/database.h"

#include "ndatacopy.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace izoku;

namespace {

const QDate kFirstDay(2026, 12, 1);

QVariant scalar(const QString &path, const QString &sql)
{
    store::DatabaseConnection connection(path);
    QSqlQuery query(connection.database());
    if (!query.exec(sql) || !query.next())
        return {};
    return query.value(0);
}

const QString kCustomers = QStringLiteral("SELECT COUNT(*) FROM \"顧客資料\"");

} // namespace

class TestBackup : public QObject {
    Q_OBJECT
  private slots:
    void onceADay()
    {
        QTemporaryDir dir;
        const QString database = test::CopyDatabase(dir);
        const store::BackupResult first = store::BackUpDaily(database, kFirstDay);
        QCOMPARE(first.status, store::BackupResult::Status::Made);
        QCOMPARE(first.path, dir.filePath(QStringLiteral("backup/ndata-2026-12-01.mdb")));
        QCOMPARE(scalar(first.path, QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
        QCOMPARE(scalar(first.path, QStringLiteral("SELECT \"基礎年金\" FROM \"基礎DATA\"")).toInt(), 792100);

        // A second start the same day keeps the morning's copy as it was.
        scalar(database, QStringLiteral("INSERT INTO \"顧客資料\" (\"氏名1\") VALUES ('山田')"));
        QCOMPARE(store::BackUpDaily(database, kFirstDay).status, store::BackupResult::Status::AlreadyMade);
        QCOMPARE(scalar(first.path, kCustomers).toInt(), 0);
        const store::BackupResult next = store::BackUpDaily(database, kFirstDay.addDays(1));
        QCOMPARE(next.status, store::BackupResult::Status::Made);
        QCOMPARE(scalar(next.path, kCustomers).toInt(), 1);
    }

    void newestKept_data()
    {
        QTest::addColumn<int>("days");
        QTest::addColumn<QString>("oldestKept");
        QTest::newRow("fourteen days") << 14 << "ndata-2026-12-01.mdb";
        QTest::newRow("the fifteenth removes the oldest") << 15 << "ndata-2026-12-02.mdb";
        QTest::newRow("across a month") << 40 << "ndata-2026-12-27.mdb";
    }
    void newestKept()
    {
        QFETCH(int, days);
        QFETCH(QString, oldestKept);
        QTemporaryDir dir;
        const QString database = test::CopyDatabase(dir);
        QDir folder(store::BackupFolder(database));
        folder.mkpath(QStringLiteral("."));
        // The agent's own files in the folder are not the program's to remove.
        QFile own(folder.filePath(QStringLiteral("ndata-before-move.mdb")));
        QVERIFY(own.open(QIODevice::WriteOnly));
        own.close();
        for (int day = 0; day < days; ++day)
            QCOMPARE(store::BackUpDaily(database, kFirstDay.addDays(day)).status, store::BackupResult::Status::Made);
        const QStringList copies = folder.entryList({QStringLiteral("ndata-2*.mdb")}, QDir::Files, QDir::Name);
        QCOMPARE(copies.size(), std::min(days, 14));
        QCOMPARE(copies.first(), oldestKept);
        QVERIFY(own.exists());
    }

    // The copies are pruned at every start, the day's copy made or not.
    // Copies dated after today, from a day the clock was set ahead, are
    // kept aside, not counted and reported; today's copy is never the one
    // removed.
    void prunedAtEveryStart_data()
    {
        QTest::addColumn<int>("past");
        QTest::addColumn<int>("future");
        QTest::addColumn<bool>("madeToday");
        QTest::addColumn<int>("kept");
        QTest::newRow("21 copies, today's made before") << 20 << 0 << true << 14;
        QTest::newRow("14 copies of the days before") << 14 << 0 << false << 14;
        QTest::newRow("copies a clock set ahead left") << 13 << 3 << false << 14;
        QTest::newRow("only copies dated after today") << 0 << 14 << false << 1;
    }
    void prunedAtEveryStart()
    {
        QFETCH(int, past);
        QFETCH(int, future);
        QFETCH(bool, madeToday);
        QFETCH(int, kept);
        QTemporaryDir dir;
        const QString database = test::CopyDatabase(dir);
        QDir folder(store::BackupFolder(database));
        folder.mkpath(QStringLiteral("."));
        const auto place = [&](const QDate &day) {
            QVERIFY(QFile::copy(database, folder.filePath(day.toString(QStringLiteral("'ndata-'yyyy-MM-dd'.mdb'")))));
        };
        for (int day = 1; day <= past; ++day)
            place(kFirstDay.addDays(-day));
        for (int day = 1; day <= future; ++day)
            place(kFirstDay.addYears(1).addDays(day));
        if (madeToday)
            place(kFirstDay);
        const store::BackupResult result = store::BackUpDaily(database, kFirstDay);
        QCOMPARE(result.status,
                 madeToday ? store::BackupResult::Status::AlreadyMade : store::BackupResult::Status::Made);
        QVERIFY(QFile::exists(result.path));
        QCOMPARE(result.futureDated.size(), future);
        const std::vector<store::DailyCopy> copies = store::DailyCopies(database);
        QCOMPARE(int(copies.size()), kept + future);
        QCOMPARE(int(std::count_if(copies.begin(), copies.end(),
                                   [](const store::DailyCopy &copy) { return copy.day <= kFirstDay; })),
                 kept);
    }

    void missingDatabaseIsNotCopied()
    {
        QTemporaryDir dir;
        const QString database = dir.filePath(QStringLiteral("ndata.mdb"));
        QCOMPARE(store::BackUpDaily(database, kFirstDay).status, store::BackupResult::Status::NoDatabase);
        QVERIFY(!QFile::exists(store::BackupFolder(database)));
    }

    void unwritableFolderFails()
    {
        QTemporaryDir dir;
        const QString database = test::CopyDatabase(dir);
        QFile blocker(store::BackupFolder(database));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        const store::BackupResult result = store::BackUpDaily(database, kFirstDay);
        QCOMPARE(result.status, store::BackupResult::Status::Failed);
        QVERIFY(!result.error.isEmpty());
    }

    // Another copy of the program saving households while the copy is taken:
    // the copy holds whole saves only, and the saves go on meanwhile.
    void copyWhileAnotherProcessSaves()
    {
        QTemporaryDir dir;
        const QString database = test::CopyDatabase(dir);
        // More saves than the test waits for: the writer is still saving when
        // the copy is done, however fast the disk.  It pauses between saves
        // as an agent does, so a reader of the rollback journal gets its turn
        // also on a loaded machine.
        constexpr int kSaves = 20000;
        constexpr int kRowsPerSave = 50;
        QString script = QStringLiteral(".bail on\nPRAGMA busy_timeout = 10000;\n");
        for (int i = 0; i < kSaves; ++i)
            script +=
                QStringLiteral("BEGIN; WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1)"
                               " INSERT INTO \"顧客資料\" (\"氏名1\") SELECT 'household ' || i FROM n; COMMIT;\n"
                               ".shell sleep 0.01\n")
                    .arg(kRowsPerSave);
        QProcess writer;
        writer.start(QStringLiteral(IZOKU_SQLITE3), {database});
        QVERIFY(writer.waitForStarted());
        writer.write(script.toUtf8());
        writer.closeWriteChannel();
        QTRY_VERIFY_WITH_TIMEOUT(scalar(database, kCustomers).toInt() > 0, 10000);

        const store::BackupResult result = store::BackUpDaily(database, kFirstDay);
        const int afterCopy = scalar(database, kCustomers).toInt();
        QTRY_VERIFY_WITH_TIMEOUT(scalar(database, kCustomers).toInt() > afterCopy, 10000);
        QCOMPARE(writer.state(), QProcess::Running);
        const QByteArray errors = writer.readAllStandardError();
        writer.kill();
        writer.waitForFinished();
        QVERIFY2(errors.isEmpty(), errors.constData());

        QCOMPARE(result.status, store::BackupResult::Status::Made);
        QCOMPARE(scalar(result.path, QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
        const int copied = scalar(result.path, kCustomers).toInt();
        QVERIFY(copied > 0);
        QCOMPARE(copied % kRowsPerSave, 0);
    }
};

QTEST_GUILESS_MAIN(TestBackup)
#include "tst_backup.moc"
