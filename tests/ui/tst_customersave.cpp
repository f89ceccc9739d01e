#include "testday.h"
#include "ui/needs/customersave.h"

#include "engine/needs/frmhokenbuttons.h"
#include "engine/needs/frmhokenform.h"
#include "ndatacopy.h"
#include "store/customerlist.h"
#include "store/customers.h"
#include "testkit.h"

#include <QTest>

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
        QVERIFY(ui::SaveCustomer(nullptr, household(), kToday, m_db->path()) >= 0);
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
        QCOMPARE(ui::SaveCustomer(nullptr, household(), kToday, m_db->path()), qint64(-1));
        checkQuestion();
        QCOMPARE(m_seams->messages->shown.size(), 1);
        QCOMPARE(rows(m_db->path()), 0);
    }

    // Saved over a row removed meanwhile (from another copy of the list):
    // said, nothing written, and the household still points at its row.
    void overwritingARemovedRowIsSaid()
    {
        m_seams->messages->answers.push_back(ui::Answer::Yes);
        const qint64 key = ui::SaveCustomer(nullptr, household(), kToday, m_db->path());
        QVERIFY(store::DeleteCustomerRecord(m_db->path(), key).written());
        m_seams->messages->shown.clear();
        m_seams->messages->choices = {0};
        QCOMPARE(ui::SaveCustomer(nullptr, household(), kToday, m_db->path(), key), key);
        QCOMPARE(m_seams->messages->shown.size(), 2);
        QCOMPARE(m_seams->messages->shown[1].message.text,
                 QStringLiteral("保存できませんでした。ndata.mdb を確認してください。"));
        QCOMPARE(rows(m_db->path()), 0);
    }

    void failureIsSaid_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("text");
        QTest::newRow("read-only file") << true << "ndata.mdb に書き込めません（読み取り専用）。保存できませんでした。";
        QTest::newRow("missing file") << false
                                      << "ndata.mdb が見つからないため保存できませんでした。"
                                         "ファイルが移動または削除されていないか確認してください。\n%1";
    }
    void failureIsSaid()
    {
        QFETCH(bool, readOnly);
        QFETCH(QString, text);
        std::optional<test::ReadOnlyFile> guard;
        if (readOnly) {
            guard.emplace(m_db->path());
            if (!guard->ok())
                QSKIP("this file system cannot make a file read-only for root");
        } else {
            QFile::remove(m_db->path());
        }
        const engine::FrmhokenForm form = household();
        m_seams->messages->answers.push_back(ui::Answer::Yes);
        QCOMPARE(ui::SaveCustomer(nullptr, form, kToday, m_db->path()), qint64(-1));
        checkQuestion();
        QCOMPARE(m_seams->messages->shown.size(), 2);
        const engine::Message &m = m_seams->messages->shown[1].message;
        QCOMPARE(m, engine::Warning(text.replace(QStringLiteral("%1"), m_db->path()), QStringLiteral("エラー")));
        guard.reset();
        QCOMPARE(QFile::exists(m_db->path()), readOnly);
        if (readOnly)
            QCOMPARE(rows(m_db->path()), 0);
    }
};

QTEST_MAIN(TestCustomerSave)
#include "tst_customersave.moc"
