// The customer file against what happens to it beside the program: a
// program killed halfway, a copy put back, another file moved into its
// place, a damaged page, a read-only file or folder, another program
// holding it, a full disk.  Each case: no confirmed household lost, the
// agent told why, and the next save once the cause is gone goes in.
#include "store/backup.h"
#include "store/customers.h"
#include "store/database.h"
#include "store/databaseconnection.h"
#include "store/filecheck.h"
#include "store/fileondisk.h"
#include "store/restore.h"
#include "store/startcheck.h"
#include "store/writefailure.h"
#include "testday.h"

#include "engine/needs/frmhokenform.h"
#include "filetrouble.h"
#include "ndatacopy.h"

#include <QDir>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

#include <sys/mount.h>

using namespace izoku;

namespace {

using izoku::test::kToday;
const QDateTime kNow(kToday, QTime(10, 30, 0));

engine::CustomerRecord household(const QString &husband)
{
    engine::FrmhokenForm form;
    form.household.members[0].name = husband;
    return engine::CustomerRecordOf(form, kToday);
}

void saveAll(const QString &path, const QStringList &husbands)
{
    for (const QString &name : husbands)
        QVERIFY2(store::SaveCustomerRecord(path, household(name)).written(), qPrintable(name));
}

// What a reader sees: the husbands in key order.
QStringList husbands(const QString &path)
{
    const store::DatabaseConnection connection(path, store::Access::ReadOnly);
    QSqlQuery query(connection.database());
    QStringList names;
    query.exec(QStringLiteral("SELECT \"氏名1\" FROM \"顧客資料\" ORDER BY rowid"));
    while (query.next())
        names << query.value(0).toString();
    return names;
}

QString integrity(const QString &path)
{
    return test::Scalar(path, QStringLiteral("PRAGMA integrity_check")).toString();
}

// What lies beside the file: journals, logs and their indexes.
QStringList companions(const QString &path)
{
    return QFileInfo(path).dir().entryList({QStringLiteral("ndata.mdb-*")}, QDir::Files | QDir::Hidden);
}

QString messageText(store::WriteFailure failure, const QString &path)
{
    return store::WriteFailedMessage(failure, store::WriteKind::Save, path).text;
}

// A small disk of its own, which only root may mount here.
class SmallDisk {
  public:
    SmallDisk()
    {
        if (::geteuid() == 0 && m_dir.isValid())
            m_mounted = ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0, "size=1m") == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    bool mounted() const { return m_mounted; }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

  private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};

QStringList numbered(int count)
{
    QStringList names;
    for (int n = 0; n < count; ++n)
        names << QStringLiteral("客%1").arg(n);
    return names;
}

} // namespace

class TestFileSafety : public QObject {
    Q_OBJECT
  private slots:
    void init() { store::ProcessBaseData() = engine::kBaseData2009; }

    // Left beside the file by a program killed halfway: the journal of a
    // save not confirmed, or the log of an earlier version holding saves
    // that were.  The next start keeps every confirmed save and nothing
    // else; a copy restored in the program is the copy alone, neither mixed
    // with the leftover nor damaged by it.
    void leftoversOfAKilledProgram_data()
    {
        QTest::addColumn<bool>("log");
        QTest::addColumn<QString>("then");
        QTest::newRow("a save's journal, the next start") << false << "start";
        QTest::newRow("an earlier version's log, the next start") << true << "start";
        QTest::newRow("a save's journal, a copy restored") << false << "restore";
        QTest::newRow("an earlier version's log, a copy restored") << true << "restore";
        // The customer list of a program still running reads on.
        QTest::newRow("a save's journal, the list read") << false << "read";
    }
    void leftoversOfAKilledProgram()
    {
        QFETCH(bool, log);
        QFETCH(QString, then);
        const test::DatabaseCopy db;
        const QString path = db.path();
        saveAll(path, {"一", "二", "三"});
        const store::BackupResult copy = store::BackUpDaily(path, kToday.addDays(-1));
        QCOMPARE(copy.status, store::BackupResult::Status::Made);
        QStringList confirmed{"一", "二", "三", "四", "五"};
        saveAll(path, confirmed.mid(3));
        if (log) {
            test::OtherProgram(path, QStringLiteral("PRAGMA journal_mode = WAL;\nPRAGMA wal_autocheckpoint = 0;\n"
                                                    "INSERT INTO \"顧客資料\" (\"氏名1\") VALUES ('六');"))
                .kill();
            confirmed << QStringLiteral("六");
            QVERIFY(QFileInfo(path + QStringLiteral("-wal")).size() > 0);
        } else {
            // Pages too many for its cache reach the file before the commit.
            test::OtherProgram(path, QStringLiteral("PRAGMA cache_size = 1;\nBEGIN;\n"
                                                    "UPDATE \"顧客資料\" SET \"氏名1\" = hex(randomblob(20000));"))
                .kill();
            QVERIFY(QFileInfo(path + QStringLiteral("-journal")).size() > 0);
        }
        if (then == QLatin1String("read")) {
            QCOMPARE(husbands(path), confirmed);
        } else if (then == QLatin1String("restore")) {
            const store::RestoreOutcome outcome = store::RestoreCopy(path, {kToday.addDays(-1), copy.path}, kNow);
            QCOMPARE(outcome.result, store::RestoreOutcome::Result::Restored);
            QCOMPARE(husbands(path), (QStringList{"一", "二", "三"}));
            QCOMPARE(husbands(outcome.savedCurrent), confirmed);
        } else {
            QCOMPARE(store::CheckDatabaseFile(path).condition, store::FileCondition::Sound);
            QCOMPARE(husbands(path), confirmed);
        }
        QCOMPARE(integrity(path), QStringLiteral("ok"));
        QVERIFY(!store::InWalMode(path));
        QCOMPARE(companions(path), QStringList());
        saveAll(path, {"後"});
        QCOMPARE(companions(path), QStringList());
    }

    // After one save another database is copied (cp: the same file, new
    // contents) or moved (mv: another file) to the name of ndata.mdb.  No
    // connection was kept, so the copied-over file is saved into whole; the
    // moved one is refused once, the agent told, its figures read, and the
    // next save goes into it.
    void fileReplacedWhileTheProgramRuns_data()
    {
        QTest::addColumn<bool>("moved");
        QTest::newRow("copied over") << false;
        QTest::newRow("moved over") << true;
    }
    void fileReplacedWhileTheProgramRuns()
    {
        QFETCH(bool, moved);
        const test::DatabaseCopy db;
        const QString path = db.path();
        QCOMPARE(store::CheckDatabaseFile(path).condition, store::FileCondition::Sound);
        saveAll(path, {"元"});
        QTemporaryDir otherFolder;
        const QString other = test::CopyDatabase(otherFolder);
        saveAll(other, numbered(200));
        {
            const store::DatabaseConnection connection(other);
            QVERIFY(QSqlQuery(connection.database())
                        .exec(QStringLiteral("UPDATE \"基礎DATA\" SET \"年度\" = 2010, \"スライド率\" = 0.981")));
        }
        if (moved) {
            QCOMPARE(std::rename(QFile::encodeName(other).constData(), QFile::encodeName(path).constData()), 0);
        } else {
            QFile from(other);
            QFile to(path);
            QVERIFY(from.open(QIODevice::ReadOnly) && to.open(QIODevice::WriteOnly | QIODevice::Truncate));
            to.write(from.readAll());
        }
        const store::WriteOutcome outcome = store::SaveCustomerRecord(path, household(QStringLiteral("新")));
        QCOMPARE(outcome.written(), !moved);
        if (moved) {
            QCOMPARE(outcome.failure, store::WriteFailure::Replaced);
            QCOMPARE(
                messageText(outcome.failure, path),
                QStringLiteral("ndata.mdb が別のファイルに置き換えられていたため、保存しませんでした。"
                               "置き換わったファイルを開き直したので、内容を確認してからもう一度保存してください。"));
            QCOMPARE(int(store::ProcessBaseData().FiscalYear), 2010);
            QCOMPARE(husbands(path), numbered(200));
            saveAll(path, {"新"});
        }
        QCOMPARE(husbands(path), numbered(200) << QStringLiteral("新"));
        QCOMPARE(integrity(path), QStringLiteral("ok"));
        QCOMPARE(companions(path), QStringList());
    }

    // A page of the customer table damaged: said at start with the copy to
    // restore, no copy taken from it and none pruned, every write refused
    // with the same words, until the copy is restored.
    void damagedFileIsSaidAndKeepsItsCopies()
    {
        const test::DatabaseCopy db;
        const QString path = db.path();
        saveAll(path, numbered(300));
        QString newest;
        for (int day = 15; day >= 1; --day)
            newest = store::BackUpDaily(path, kToday.addDays(-day), 30).path;
        test::DamageCustomerPage(path);

        const engine::Message damaged =
            engine::Warning(QStringLiteral("ndata.mdb が破損しています。バックアップから復元してください。\n"
                                           "最新の正常なバックアップ：2026/12/07（%1）")
                                .arg(newest),
                            QStringLiteral("エラー"));
        QVERIFY(store::CheckCustomerFileAtStart(path, kToday) == std::vector<engine::Message>{damaged});
        QCOMPARE(store::DailyCopies(path).size(), size_t(15));
        QCOMPARE(store::DailyCopies(path).front().path, newest);
        const store::WriteOutcome save = store::SaveCustomerRecord(path, household(QStringLiteral("後")));
        QCOMPARE(save.failure, store::WriteFailure::Damaged);
        QCOMPARE(store::WriteFailedMessage(save.failure, store::WriteKind::Save, path), damaged);
        QCOMPARE(store::DeleteCustomerRecord(path, 1).failure, store::WriteFailure::Damaged);

        QCOMPARE(store::RestoreCopy(path, store::DailyCopies(path).front(), kNow).result,
                 store::RestoreOutcome::Result::Restored);
        QVERIFY(store::CheckCustomerFileAtStart(path, kToday).empty());
        QCOMPARE(store::DailyCopies(path).size(), size_t(14));
        saveAll(path, {"後"});
        QCOMPARE(husbands(path), numbered(300) << QStringLiteral("後"));
    }

    // Made read-only as a user who may not write it (root: immutable): said
    // at start, before a household is typed; a save refused and nothing
    // left beside the file, so once it is writable again the next save
    // goes in.
    void readOnlyFileOrFolder_data()
    {
        QTest::addColumn<bool>("folder");
        QTest::addColumn<bool>("log");
        QTest::newRow("read-only file") << false << false;
        QTest::newRow("read-only folder") << true << false;
        QTest::newRow("read-only file of an earlier version, in log mode") << false << true;
    }
    void readOnlyFileOrFolder()
    {
        QFETCH(bool, folder);
        QFETCH(bool, log);
        const test::DatabaseCopy db;
        const QString path = db.path();
        saveAll(path, {"一", "二"});
        if (log) {
            const store::DatabaseConnection connection(path);
            QVERIFY(QSqlQuery(connection.database()).exec(QStringLiteral("PRAGMA journal_mode = WAL")));
        }
        QCOMPARE(store::InWalMode(path), log);
        {
            const test::ReadOnlyFile readOnly(folder ? QFileInfo(path).absolutePath() : path);
            QVERIFY2(readOnly.ok(), "the file or folder could not be made read-only");
            const std::vector<engine::Message> messages = store::CheckCustomerFileAtStart(path, kToday);
            QCOMPARE(messages.size(), size_t(1));
            QCOMPARE(messages[0].text,
                     QStringLiteral("ndata.mdb に書き込めません（読み取り専用）。保存はできません。"));
            const store::WriteOutcome save = store::SaveCustomerRecord(path, household(QStringLiteral("後")));
            QCOMPARE(save.failure, store::WriteFailure::ReadOnly);
            QCOMPARE(messageText(save.failure, path),
                     QStringLiteral("ndata.mdb に書き込めません（読み取り専用）。保存できませんでした。"));
            QCOMPARE(companions(path), QStringList());
        }
        saveAll(path, {"後"});
        QCOMPARE(husbands(path), (QStringList{"一", "二", "後"}));
        QVERIFY(!store::InWalMode(path));
        QCOMPARE(companions(path), QStringList());
    }

    // Another program holds the file through the start: said, the check
    // and the day's copy left for the next start; the save after it let go
    // goes in.
    void fileHeldAtStart()
    {
        const test::DatabaseCopy db;
        const QString path = db.path();
        saveAll(path, {"一"});
        {
            test::OtherProgram other(path, QStringLiteral("BEGIN EXCLUSIVE;"));
            const std::vector<engine::Message> messages = store::CheckCustomerFileAtStart(path, kToday);
            QCOMPARE(messages.size(), size_t(1));
            QCOMPARE(messages[0].text, QStringLiteral("ndata.mdb を別のプログラムが使用中のため、"
                                                      "ファイルの確認と本日のバックアップができませんでした。"));
            QVERIFY(store::DailyCopies(path).empty());
            other.letGo();
        }
        QVERIFY(store::CheckCustomerFileAtStart(path, kToday).empty());
        QCOMPARE(store::DailyCopies(path).size(), size_t(1));
        saveAll(path, {"後"});
        QCOMPARE(husbands(path), (QStringList{"一", "後"}));
    }

    // The disk full: the save refused and said, nothing of it left behind,
    // the confirmed households whole; with room again the next save goes in.
    void fullDisk()
    {
        const SmallDisk disk;
        if (!disk.mounted())
            QSKIP("a full disk needs a small tmpfs, which only root may mount here");
        const QString path = disk.filePath(QStringLiteral("ndata.mdb"));
        QVERIFY(QFile::copy(QStringLiteral(IZOKU_DATABASE_FILE), path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        saveAll(path, {"一", "二"});
        QFile filler(disk.filePath(QStringLiteral("filler")));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size()) {
        }
        const store::WriteOutcome save = store::SaveCustomerRecord(path, household(QStringLiteral("後")));
        QCOMPARE(save.failure, store::WriteFailure::DiskFull);
        QCOMPARE(messageText(save.failure, path), QStringLiteral("ディスクの空きがないため保存できませんでした。"));
        QCOMPARE(companions(path), QStringList());
        filler.close();
        QVERIFY(filler.remove());
        saveAll(path, {"後"});
        QCOMPARE(husbands(path), (QStringList{"一", "二", "後"}));
        QCOMPARE(integrity(path), QStringLiteral("ok"));
    }
};

QTEST_GUILESS_MAIN(TestFileSafety)
#include "tst_filesafety.moc"
