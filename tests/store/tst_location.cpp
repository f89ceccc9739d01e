#include "ndatacopy.h"
#include "store/database.h"
#include "store/location.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace izoku;

class TestLocation : public QObject {
    Q_OBJECT
  private slots:
    void lookupOrder_data()
    {
        QTest::addColumn<bool>("given");
        QTest::addColumn<bool>("inProgramFolder");
        QTest::addColumn<bool>("inUserFolder");
        QTest::addColumn<QString>("expected");
        QTest::newRow("--database wins over the program folder") << true << true << false << "elsewhere/mine.mdb";
        QTest::newRow("--database missing is not created") << true << false << false << "elsewhere/mine.mdb";
        QTest::newRow("portable copy beside the program") << false << true << true << "bin/ndata.mdb";
        QTest::newRow("first start: seed copied to the user")
            << false << false << false << "share/izoku-planner/ndata.mdb";
        QTest::newRow("later start: the user's file kept") << false << false << true << "share/izoku-planner/ndata.mdb";
    }
    void lookupOrder()
    {
        QFETCH(bool, given);
        QFETCH(bool, inProgramFolder);
        QFETCH(bool, inUserFolder);
        QFETCH(QString, expected);
        QTemporaryDir root;
        const store::DatabasePlaces places{given ? root.filePath(QStringLiteral("elsewhere/mine.mdb")) : QString(),
                                           root.filePath(QStringLiteral("bin")),
                                           root.filePath(QStringLiteral("share/izoku-planner")),
                                           QStringLiteral(IZOKU_DATABASE_FILE)};
        QDir(root.path()).mkpath(QStringLiteral("bin"));
        if (inProgramFolder)
            QVERIFY(QFile::copy(places.seed, store::DatabasePath(places.programFolder)));
        const QByteArray usersOwn("the user's own customers");
        if (inUserFolder) {
            QDir(root.path()).mkpath(QStringLiteral("share/izoku-planner"));
            QFile file(store::DatabasePath(places.userDataFolder));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(usersOwn);
        }

        const QString path = store::PrepareDatabase(places);
        QCOMPARE(path, root.filePath(expected));
        QCOMPARE(store::LocateDatabase(places), path);
        QCOMPARE(QFile::exists(path), !given);
        if (path != store::DatabasePath(places.userDataFolder))
            return;
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        if (inUserFolder) {
            QCOMPARE(file.readAll(), usersOwn);
            return;
        }
        // The seed's newest figures are those of fiscal 2026; the copy is
        // the user's alone.
        engine::BaseData data;
        QCOMPARE(store::OpenAndLoadBaseData(path, data).result, store::LoadResult::Loaded);
        QCOMPARE(data, test::kShipped2026);
        QCOMPARE(file.permissions() & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteOther), QFile::Permissions());
        QVERIFY(file.permissions() & QFile::WriteOwner);
    }

    // The suite runs every test in a home of its own under the build tree,
    // made empty for the run (tests/scripts/ownhome.sh): the user's data
    // folder of the standard places is in it, so a test never reads or
    // writes the customers of whoever runs the suite.  Populated as a
    // user's home is once the program has run there, it is what the rules
    // find, and they leave it as it is.
    void suiteRunsInAHomeOfItsOwn()
    {
        const QString home = QStringLiteral(IZOKU_TEST_HOME);
        QCOMPARE(QDir::homePath(), home);
        for (const char *variable :
             {"XDG_DATA_HOME", "XDG_STATE_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"})
            QVERIFY2(qEnvironmentVariable(variable).startsWith(home + u'/'), variable);
        // An installed program: no ndata.mdb beside it.
        const QTemporaryDir program;
        store::DatabasePlaces places = store::StandardPlaces({});
        places.programFolder = program.path();
        QCOMPARE(places.userDataFolder, home + QStringLiteral("/.local/share/izoku-planner"));
        const QString usersFile = store::DatabasePath(places.userDataFolder);
        QVERIFY(!QFile::exists(usersFile));

        QVERIFY(QDir().mkpath(places.userDataFolder));
        QVERIFY(QFile::copy(QStringLiteral(IZOKU_DATABASE_FILE), usersFile));
        const QByteArray customers = [&usersFile] {
            QFile file(usersFile);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }();
        QCOMPARE(store::PrepareDatabase(places), usersFile);
        QFile file(usersFile);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), customers);
    }

    void missingSeedLeavesThePathForTheWarning()
    {
        QTemporaryDir root;
        const store::DatabasePlaces places{
            {}, root.path(), root.filePath(QStringLiteral("user")), root.filePath(QStringLiteral("no-seed.mdb"))};
        QCOMPARE(store::PrepareDatabase(places), root.filePath(QStringLiteral("user/ndata.mdb")));
        QVERIFY(!QFile::exists(root.filePath(QStringLiteral("user/ndata.mdb"))));
    }

    void databaseOption_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QStringList>("rest");
        QTest::newRow("none") << QStringList{"izoku-calc", "pension"} << true << ""
                              << QStringList{"izoku-calc", "pension"};
        QTest::newRow("before the command") << QStringList{"izoku-calc", "--database", "/d/a.mdb", "pension"} << true
                                            << "/d/a.mdb" << QStringList{"izoku-calc", "pension"};
        QTest::newRow("after the command") << QStringList{"izoku-calc", "pension", "--database=/d/a.mdb"} << true
                                           << "/d/a.mdb" << QStringList{"izoku-calc", "pension"};
        QTest::newRow("no path") << QStringList{"izoku-planner", "--database"} << false << "" << QStringList{};
        QTest::newRow("empty path") << QStringList{"izoku-planner", "--database="} << false << "" << QStringList{};
    }
    void databaseOption()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, valid);
        QFETCH(QString, path);
        QFETCH(QStringList, rest);
        const auto taken = store::TakeDatabaseOption(arguments);
        QCOMPARE(taken.has_value(), valid);
        if (!valid)
            return;
        QCOMPARE(*taken, path);
        QCOMPARE(arguments, rest);
    }
};

QTEST_GUILESS_MAIN(TestLocation)
#include "tst_location.moc"
