// The customer file as the agent meets it in the windows: what the start
// says about it, and a day's copy put back from the version box.
#include "ui/app/formmenu.h"
#include "ui/app/screens.h"
#include "ui/app/windowregistry.h"
#include "ui/reference/frmrestore.h"

#include "engine/needs/frmhokenform.h"
#include "filetrouble.h"
#include "ndatacopy.h"
#include "store/backup.h"
#include "store/customers.h"
#include "store/database.h"
#include "store/location.h"
#include "testday.h"
#include "testkit.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace izoku;

namespace {

using izoku::test::kToday;

void saveHouseholds(const QString &path, int count)
{
    engine::FrmhokenForm form;
    for (int n = 0; n < count; ++n) {
        form.household.members[0].name = QStringLiteral("客%1").arg(n);
        QVERIFY(store::SaveCustomerRecord(path, engine::CustomerRecordOf(form, kToday)).written());
    }
}

void exec(const QString &path, const QString &sql)
{
    const store::DatabaseConnection connection(path);
    QSqlQuery query(connection.database());
    QVERIFY2(query.exec(sql), qPrintable(sql));
}

QStringList restoreCopiesIn(const QString &path)
{
    return QDir(store::BackupFolder(path)).entryList({QStringLiteral("ndata-before-restore-*.mdb")}, QDir::Files);
}

} // namespace

class TestCustomerFile : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Seams> m_seams;
    std::optional<test::DatabaseCopy> m_db;

    std::unique_ptr<ui::Formmenu> startMenu(ui::WindowRegistry &registry)
    {
        return std::make_unique<ui::Formmenu>(registry, ui::Formmenu::Options{m_db->path(), test::FixedClock, [] {}});
    }

  private slots:
    void init()
    {
        m_seams = std::make_unique<test::Seams>();
        m_db.emplace();
        store::UseDatabase(m_db->path());
        store::ProcessBaseData() = {};
    }
    void cleanup()
    {
        m_db.reset();
        m_seams.reset();
    }

    // Said once the menu is on screen, before a household is typed.  The
    // base figures are read all the same.
    void startSaysWhatIsWrongWithTheFile_data()
    {
        QTest::addColumn<QString>("trouble");
        QTest::addColumn<QString>("text");
        QTest::newRow("damaged page") << "damaged"
                                      << "ndata.mdb が破損しています。バックアップから復元してください。\n"
                                         "最新の正常なバックアップ：2026/12/07（%1）";
        QTest::newRow("read-only file") << "read-only"
                                        << "ndata.mdb に書き込めません（読み取り専用）。保存はできません。";
        QTest::newRow("copies dated after today")
            << "future"
            << "今日より後の日付のバックアップがあります（2027/12/09）。パソコンの日付を確認してください。"
               "これらのバックアップは自動では削除されません。\n%2";
    }
    void startSaysWhatIsWrongWithTheFile()
    {
        QFETCH(QString, trouble);
        QFETCH(QString, text);
        const QString path = m_db->path();
        saveHouseholds(path, 300);
        const QString yesterday = store::BackUpDaily(path, kToday.addDays(-1)).path;
        std::optional<test::ReadOnlyFile> readOnly;
        if (trouble == QLatin1String("damaged"))
            test::DamageCustomerPage(path);
        else if (trouble == QLatin1String("read-only"))
            readOnly.emplace(path);
        else
            QVERIFY(QFile::copy(yesterday, store::BackupFolder(path) + QStringLiteral("/ndata-2027-12-09.mdb")));
        ui::WindowRegistry registry;
        const auto menu = startMenu(registry);
        QCOMPARE(store::ProcessBaseData(), test::kShipped2026);
        QVERIFY(test::ShowAndActivate(menu.get()));
        QTRY_COMPARE(m_seams->messages->shown.size(), 1);
        const engine::Message &said = m_seams->messages->shown.first().message;
        QCOMPARE(
            said.text,
            text.replace(QStringLiteral("%1"), yesterday).replace(QStringLiteral("%2"), store::BackupFolder(path)));
        QCOMPARE(said.icon, engine::MessageIcon::Warning);
        // The day's copy only from a sound file.
        QCOMPARE(QFile::exists(store::BackupFolder(path) + QStringLiteral("/ndata-2026-12-08.mdb")),
                 trouble == QLatin1String("future"));
    }

    // バックアップから復元: the day chosen from the list, the question
    // answered, the file as it was kept aside, the copy's households in
    // the open list and its figures in use; No changes nothing.
    void restoreFromTheVersionBox_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes") << true;
        QTest::newRow("No") << false;
    }
    void restoreFromTheVersionBox()
    {
        QFETCH(bool, yes);
        const QString path = m_db->path();
        saveHouseholds(path, 2);
        exec(path, QStringLiteral("UPDATE \"基礎DATA\" SET \"年度\" = 2010, \"スライド率\" = 0.981"));
        store::BackUpDaily(path, kToday.addDays(-1));
        exec(path, QStringLiteral("UPDATE \"基礎DATA\" SET \"年度\" = 2009, \"スライド率\" = 0.985"));
        saveHouseholds(path, 5);
        ui::WindowRegistry registry;
        ui::RegisterScreens(registry, path);
        const auto menu = startMenu(registry);
        QAbstractItemModel *list =
            test::Child<QTableView>(registry.show(ui::screen::Customers), QStringLiteral("DataGrid1"))->model();
        QCOMPARE(list->rowCount(), 7);
        QWidget *about = registry.show(ui::screen::About);
        QTest::mouseClick(test::Child<QPushButton>(about, QStringLiteral("cmdRestore")), Qt::LeftButton);
        auto *choice = test::Child<ui::FrmRestore>(about, QStringLiteral("frmRestore"));
        auto *days = test::Child<QListWidget>(choice, QStringLiteral("List1"));
        QCOMPARE(days->count(), 2);
        QCOMPARE(days->item(0)->text(), QStringLiteral("2026/12/08　顧客 7 件"));
        QCOMPARE(days->item(1)->text(), QStringLiteral("2026/12/07　顧客 2 件"));
        days->setCurrentRow(1);
        m_seams->messages->answers.push_back(yes ? ui::Answer::Yes : ui::Answer::No);
        QTest::mouseClick(test::Child<QPushButton>(choice, QStringLiteral("cmdOK")), Qt::LeftButton);

        const auto &shown = m_seams->messages->shown;
        QCOMPARE(shown.size(), yes ? 2 : 1);
        QVERIFY(shown[0].question);
        QCOMPARE(shown[0].message.text, QStringLiteral("2026/12/07 のバックアップで顧客データを置き換えます。"
                                                       "現在のデータもバックアップします。よろしいですか？"));
        QCOMPARE(shown[0].message.icon, engine::MessageIcon::Warning);
        QCOMPARE(list->rowCount(), yes ? 2 : 7);
        QCOMPARE(int(store::ProcessBaseData().FiscalYear), yes ? 2010 : 2009);
        const QStringList keptAside = restoreCopiesIn(path);
        QCOMPARE(keptAside.size(), yes ? 1 : 0);
        if (yes) {
            const QString saved = store::BackupFolder(path) + u'/' + keptAside.first();
            QCOMPARE(shown[1].message.text, QStringLiteral("2026/12/07 のバックアップから復元しました（顧客 2 件）。\n"
                                                           "復元前のデータ：") +
                                                saved);
            QCOMPARE(shown[1].message.icon, engine::MessageIcon::Information);
            QCOMPARE(store::CustomerCount(saved), 7);
        }
        saveHouseholds(path, 1);
        QCOMPARE(store::CustomerCount(path), yes ? 3 : 8);
        registry.destroyAll();
    }

    void nothingToRestoreIsSaid()
    {
        ui::WindowRegistry registry;
        ui::RegisterScreens(registry, m_db->path());
        QWidget *about = registry.show(ui::screen::About);
        QTest::mouseClick(test::Child<QPushButton>(about, QStringLiteral("cmdRestore")), Qt::LeftButton);
        QCOMPARE(m_seams->messages->shown.size(), 1);
        QCOMPARE(m_seams->messages->shown[0].message.text,
                 QStringLiteral("復元できるバックアップがありません。\n") + store::BackupFolder(m_db->path()));
        QVERIFY(!about->findChild<ui::FrmRestore *>());
        registry.destroyAll();
    }
};

IZOKU_TEST_MAIN(TestCustomerFile)
#include "tst_customerfile.moc"
