#include "testday.h"
#include "ui/needs/customersave.h"

#include "engine/needs/frmhokenbuttons.h"
#include "engine/needs/frmhokenform.h"
#include "filetrouble.h"
#include "ndatacopy.h"
#include "store/customerlist.h"
#include "store/customers.h"
#include "store/filecheck.h"
#include "testkit.h"
#include "ui/app/formmenu.h"
#include "ui/app/screens.h"
#include "ui/app/windowregistry.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <optional>

using namespace izoku;

namespace {

using izoku::test::kToday;

engine::FrmhokenForm household()
{
    engine::FrmhokenForm form;
    engine::OpenFrmhoken(form, engine::kBaseData2009, kToday);
    form.household.members[0].name = QStringLiteral("O'Brien\"; DROP TABLE 顧客資料;--");
    form.household.members[engine::HouseholdIndex::Child1].birth = QDate(2009, 3, 8);
    form.household.members[engine::HouseholdIndex::Child3].disabled = true;
    return form;
}

int rows(const QString &path)
{
    return store::CustomerListModel(path).rowCount();
}

} // namespace

class TestCustomerSave : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Seams> m_seams;
    std::optional<test::DatabaseCopy> m_db;

    void checkQuestion()
    {
        QVERIFY(!m_seams->messages->shown.isEmpty());
        const test::RecordingMessages::Shown &asked = m_seams->messages->shown.first();
        QVERIFY(asked.question);
        QCOMPARE(asked.message, engine::Question(QStringLiteral("登録します"), QStringLiteral("登録")));
    }

  private slots:
    void init()
    {
        m_seams = std::make_unique<test::Seams>();
        m_db.emplace();
    }
    void cleanup()
    {
        m_db.reset();
        m_seams.reset();
    }

    void yesSavesOneRow()
    {
        m_seams->messages->answers.push_back(ui::Answer::Yes);
        const ui::Frmhoken::SaveResult result = ui::SaveCustomer(nullptr, household(), kToday, m_db->path());
        QVERIFY(result.saved && result.customerKey >= 0);
        checkQuestion();
        QCOMPARE(m_seams->messages->shown.size(), 1);
        store::CustomerListModel list(m_db->path());
        QCOMPARE(list.rowCount(), 1);
        const std::optional<engine::CustomerRecord> saved = list.record(0);
        QVERIFY(saved);
        QVERIFY(*saved == engine::CustomerRecordOf(household(), kToday));
        QCOMPARE(saved->persons[engine::HouseholdIndex::Husband].name, household().household.members[0].name);
        QCOMPARE(saved->persons[engine::HouseholdIndex::Child1].birth, QStringLiteral("2009/03/08"));
        QCOMPARE(saved->childMarks[2], QStringLiteral("1"));
        QCOMPARE(saved->savedOn, QStringLiteral("2026/12/08"));
    }

    void noStoresNothing()
    {
        m_seams->messages->answers.push_back(ui::Answer::No);
        const ui::Frmhoken::SaveResult result = ui::SaveCustomer(nullptr, household(), kToday, m_db->path());
        QVERIFY(!result.saved);
        QCOMPARE(result.customerKey, ui::Frmhoken::kNewCustomer);
        checkQuestion();
        QCOMPARE(m_seams->messages->shown.size(), 1);
        QCOMPARE(rows(m_db->path()), 0);
    }

    // "保 存" on the screen as the program wires it: a save is confirmed on
    // the status line with no box to click away; one called off or refused
    // takes the last confirmation away.
    void saveIsConfirmedOnTheStatusLine_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("status");
        QTest::addColumn<int>("boxes");
        QTest::newRow("はい") << true << false << "保存しました" << 1;
        QTest::newRow("いいえ") << false << false << "" << 1;
        QTest::newRow("read-only file") << true << true << "" << 2;
    }
    void saveIsConfirmedOnTheStatusLine()
    {
        QFETCH(bool, yes);
        QFETCH(bool, readOnly);
        QFETCH(QString, status);
        QFETCH(int, boxes);
        const QString path = m_db->path();
        store::CheckDatabaseFile(path);
        ui::WindowRegistry registry;
        ui::RegisterScreens(registry, path);
        QWidget *needs = registry.show(ui::screen::Needs);
        auto *save = test::Child<QPushButton>(needs, QStringLiteral("cmdSave"));
        auto *line = test::Child<QLabel>(needs, QStringLiteral("StatusBar1"));
        QVERIFY(line->text().isEmpty());
        m_seams->messages->answers.push_back(ui::Answer::Yes);
        QTest::mouseClick(save, Qt::LeftButton);
        QCOMPARE(line->text(), QStringLiteral("保存しました"));
        QCOMPARE(m_seams->messages->shown.size(), 1);

        // "AC": the next household is a new one, asked about again.
        QTest::mouseClick(test::Child<QPushButton>(needs, QStringLiteral("Command36")), Qt::LeftButton);
        m_seams->messages->shown.clear();
        std::optional<test::ReadOnlyFile> guard;
        if (readOnly) {
            guard.emplace(path);
            QVERIFY(guard->ok());
        }
        m_seams->messages->answers.push_back(yes ? ui::Answer::Yes : ui::Answer::No);
        QTest::mouseClick(save, Qt::LeftButton);
        QCOMPARE(line->text(), status);
        QCOMPARE(m_seams->messages->shown.size(), boxes);
        guard.reset();
        QCOMPARE(rows(path), status.isEmpty() ? 1 : 2);
        registry.destroyAll();
    }

    // Saved over a row removed meanwhile (from another copy of the list):
    // said, nothing written, and the household still points at its row.
    void overwritingARemovedRowIsSaid()
    {
        m_seams->messages->answers.push_back(ui::Answer::Yes);
        const qint64 key = ui::SaveCustomer(nullptr, household(), kToday, m_db->path()).customerKey;
        QVERIFY(store::DeleteCustomerRecord(m_db->path(), key).written());
        m_seams->messages->shown.clear();
        m_seams->messages->choices = {0};
        const ui::Frmhoken::SaveResult result = ui::SaveCustomer(nullptr, household(), kToday, m_db->path(), key);
        QVERIFY(!result.saved);
        QCOMPARE(result.customerKey, key);
        QCOMPARE(m_seams->messages->shown.size(), 2);
        QCOMPARE(m_seams->messages->shown[1].message.text,
                 QStringLiteral("保存できませんでした。ndata.mdb を確認してください。"));
        QCOMPARE(rows(m_db->path()), 0);
    }

    // Each cause in its own words; the household stays on the screen, and
    // once the cause is gone the next save goes in.
    void failureIsSaid_data()
    {
        QTest::addColumn<QString>("cause");
        QTest::addColumn<QString>("text");
        QTest::newRow("read-only file") << "read-only"
                                        << "ndata.mdb に書き込めません（読み取り専用）。保存できませんでした。";
        QTest::newRow("missing file") << "missing"
                                      << "ndata.mdb が見つからないため保存できませんでした。"
                                         "ファイルが移動または削除されていないか確認してください。\n%1";
        QTest::newRow("damaged file") << "damaged"
                                      << "ndata.mdb が破損しています。バックアップから復元してください。\n"
                                         "正常なバックアップが見つかりません。";
        QTest::newRow("another file moved in")
            << "replaced"
            << "ndata.mdb が別のファイルに置き換えられていたため、保存しませんでした。"
               "置き換わったファイルを開き直したので、内容を確認してからもう一度保"
               "存してください。";
    }
    void failureIsSaid()
    {
        QFETCH(QString, cause);
        QFETCH(QString, text);
        const QString path = m_db->path();
        // The program's start remembers the file it checked.
        store::CheckDatabaseFile(path);
        std::optional<test::ReadOnlyFile> guard;
        if (cause == QLatin1String("read-only")) {
            guard.emplace(path);
            QVERIFY(guard->ok());
        } else if (cause == QLatin1String("missing")) {
            QFile::remove(path);
        } else if (cause == QLatin1String("damaged")) {
            for (int n = 0; n < 300; ++n)
                QVERIFY(store::SaveCustomerRecord(path, engine::CustomerRecordOf(household(), kToday)).written());
            test::DamageCustomerPage(path);
            store::CheckDatabaseFile(path);
        } else {
            const test::DatabaseCopy other;
            QVERIFY(QFile::remove(path) && QFile::rename(other.path(), path));
        }
        const engine::FrmhokenForm form = household();
        m_seams->messages->answers.push_back(ui::Answer::Yes);
        const ui::Frmhoken::SaveResult result = ui::SaveCustomer(nullptr, form, kToday, path);
        QVERIFY(!result.saved);
        QCOMPARE(result.customerKey, ui::Frmhoken::kNewCustomer);
        checkQuestion();
        QCOMPARE(m_seams->messages->shown.size(), 2);
        const engine::Message &m = m_seams->messages->shown[1].message;
        QCOMPARE(m, engine::Warning(text.replace(QStringLiteral("%1"), path), QStringLiteral("エラー")));
        guard.reset();
        if (cause == QLatin1String("missing") || cause == QLatin1String("damaged"))
            return;
        m_seams->messages->answers.push_back(ui::Answer::Yes);
        QVERIFY(ui::SaveCustomer(nullptr, form, kToday, path).saved);
        QCOMPARE(rows(path), 1);
    }

    // Another program holds the file through the save: the window goes on
    // with its events meanwhile (input aside), and the save goes in when
    // the other lets go within the wait, or is refused in words saying so;
    // the next save after it let go goes in.
    void heldFileIsWaitedForWithTheWindowAlive_data()
    {
        QTest::addColumn<bool>("letGo");
        QTest::newRow("let go during the wait") << true;
        QTest::newRow("held past the wait") << false;
    }
    void heldFileIsWaitedForWithTheWindowAlive()
    {
        QFETCH(bool, letGo);
        const QString path = m_db->path();
        test::OtherProgram other(path, QStringLiteral("BEGIN IMMEDIATE;"));
        bool ticked = false;
        QTimer::singleShot(100, [&] {
            ticked = true;
            if (letGo)
                other.letGo();
        });
        m_seams->messages->answers.push_back(ui::Answer::Yes);
        const ui::Frmhoken::SaveResult result = ui::SaveCustomer(nullptr, household(), kToday, path);
        QVERIFY(ticked);
        QCOMPARE(result.saved, letGo);
        QCOMPARE(result.customerKey >= 0, letGo);
        QCOMPARE(m_seams->messages->shown.size(), letGo ? 1 : 2);
        if (!letGo) {
            QCOMPARE(
                m_seams->messages->shown[1].message.text,
                QStringLiteral("ndata.mdb を別のプログラムが使用中です。しばらくしてからもう一度保存してください。"));
            other.letGo();
            m_seams->messages->answers.push_back(ui::Answer::Yes);
            QVERIFY(ui::SaveCustomer(nullptr, household(), kToday, path).saved);
        }
        QCOMPARE(rows(path), 1);
    }
};

QTEST_MAIN(TestCustomerSave)
#include "tst_customersave.moc"
