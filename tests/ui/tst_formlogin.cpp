#include "ui/app/formmenu.h"
#include "ui/app/screens.h"
#include "ui/app/windowregistry.h"
#include "ui/store/formlogin.h"

#include "ndatacopy.h"
#include "store/database.h"
#include "store/databaseconnection.h"
#include "store/writetransaction.h"
#include "testkit.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSqlQuery>
#include <QTest>

#include <optional>

using namespace izoku;

namespace {

void exec(const QString &path, const QString &sql)
{
    const store::DatabaseConnection connection(path, store::Access::ReadWrite);
    QSqlQuery query(connection.database());
    QVERIFY2(query.exec(sql), qPrintable(sql));
}

// The figures of the newest row, as start-up reads them.
engine::BaseData stored(const QString &path)
{
    engine::BaseData data;
    store::OpenAndLoadBaseData(path, data);
    return data;
}

const engine::BaseData k2010{2010, 0.981, 792100, 227900, 75900};

} // namespace

class TestFormLogin : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Seams> m_seams;
    std::optional<test::DatabaseCopy> m_db;
    engine::BaseData m_baseData;
    std::unique_ptr<ui::FormLogin> m_window;

    QLineEdit *num(int index) { return test::Child<QLineEdit>(m_window.get(), QStringLiteral("Num1(%1)").arg(index)); }
    void open()
    {
        m_window = std::make_unique<ui::FormLogin>(m_db->path());
        m_window->open(m_baseData);
        QVERIFY(test::ShowAndActivate(m_window.get()));
    }
    void type(const QStringList &texts)
    {
        for (int i = 0; i < 5; ++i) {
            num(i)->selectAll();
            // keyClicks types Latin-1 only; a unit such as 円 is inserted.
            num(i)->insert(texts[i]);
        }
    }
    void storeFigures(ui::Answer answer)
    {
        m_seams->messages->answers.push_back(answer);
        QTest::mouseClick(test::Child<QPushButton>(m_window.get(), QStringLiteral("Command1")), Qt::LeftButton);
    }

  private slots:
    void init()
    {
        m_seams = std::make_unique<test::Seams>();
        m_db.emplace();
        m_baseData = {};
    }
    void cleanup()
    {
        m_window.reset();
        m_db.reset();
        m_seams.reset();
    }

    void showsTheNewestRowAndCopiesItIn()
    {
        exec(m_db->path(),
             QStringLiteral("INSERT INTO \"基礎DATA\" (\"年度\", \"スライド率\", \"基礎年金\", \"加算1\", \"加算2\")"
                            " VALUES (2010, 0.981, 792100, 227900, 75900)"));
        open();
        QCOMPARE(m_window->windowTitle(), QStringLiteral("初期係数"));
        QCOMPARE(test::Child<QLabel>(m_window.get(), QStringLiteral("Label1"))->text(),
                 QStringLiteral("基本データ登録"));
        const QStringList shown{"2010", "0.981", "792100", "227900", "75900"};
        const QStringList reference{"2009", "0.985", "792100", "227900", "75900"};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(num(i)->text(), shown[i]);
            QVERIFY(num(i)->alignment() & Qt::AlignRight);
            const auto *label = test::Child<QLabel>(m_window.get(), QStringLiteral("Label2(%1)").arg(i));
            QCOMPARE(label->text(), reference[i]);
            QVERIFY(label->alignment() & Qt::AlignRight);
        }
        // The same row start-up loads, so the screen and the calculations agree.
        QCOMPARE(m_baseData, k2010);
        QCOMPARE(m_baseData, stored(m_db->path()));
        QTest::qWait(10);
        QVERIFY(m_seams->messages->shown.isEmpty());
    }

    // What a zero is, is the engine's table; here the box and the focus.
    void refusesAZeroFigure()
    {
        const QStringList texts{"2010", "0.981", "792100", "227900", "0"};
        open();
        type(texts);
        num(3)->setFocus();
        storeFigures(ui::Answer::Yes);
        QCOMPARE(m_seams->messages->shown.size(), 2);
        QVERIFY(m_seams->messages->shown[0].question);
        const engine::Message &m = m_seams->messages->shown[1].message;
        QCOMPARE(m, engine::Warning(QStringLiteral("すべてにデータを入力して下さい"),
                                    QStringLiteral("データ入力エラー"), QStringLiteral("Num1(0)")));
        QTRY_COMPARE(test::Focused(), num(0));
        QCOMPARE(stored(m_db->path()), engine::kBaseData2009);
        QCOMPARE(num(1)->text(), texts[1]);
    }

    void storesOnYesAndLeavesBaseDataForTheNextStart_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }
    void storesOnYesAndLeavesBaseDataForTheNextStart()
    {
        QFETCH(bool, yes);
        open();
        QCOMPARE(m_baseData, engine::kBaseData2009);
        type({"2010", "0.981円", "792100", "227900", "75900"});
        storeFigures(yes ? ui::Answer::Yes : ui::Answer::No);
        QCOMPARE(m_seams->messages->shown.size(), 1);
        const engine::Message &question = m_seams->messages->shown[0].message;
        QCOMPARE(question, engine::Question(QStringLiteral("登録します"), QStringLiteral("登録")));
        QCOMPARE(stored(m_db->path()), yes ? k2010 : engine::kBaseData2009);
        QCOMPARE(m_baseData, engine::kBaseData2009);
        // The figures were rewritten in place: no second row.
        const store::DatabaseConnection connection(m_db->path(), store::Access::ReadOnly);
        QSqlQuery count(connection.database());
        QVERIFY(count.exec(QStringLiteral("SELECT COUNT(*) FROM \"基礎DATA\"")) && count.next());
        QCOMPARE(count.value(0).toInt(), 1);
        // The next opening takes them in.
        m_window = std::make_unique<ui::FormLogin>(m_db->path());
        QCOMPARE(m_baseData, engine::kBaseData2009);
        m_window->open(m_baseData);
        QCOMPARE(m_baseData, yes ? k2010 : engine::kBaseData2009);
    }

    void emptyTableGetsItsFirstRow()
    {
        exec(m_db->path(), QStringLiteral("DELETE FROM \"基礎DATA\""));
        open();
        QCOMPARE(num(0)->text(), QString());
        QCOMPARE(m_baseData, engine::BaseData{});
        type({"2010", "0.981", "792100", "227900", "75900"});
        storeFigures(ui::Answer::Yes);
        storeFigures(ui::Answer::Yes);
        QCOMPARE(m_seams->messages->shown.size(), 2);
        QCOMPARE(stored(m_db->path()), k2010);
    }

    void failedStoreIsSaidAndKeepsTheFigures_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("text");
        QTest::newRow("read-only file") << "read-only"
                                        << "ndata.mdb に書き込めません（読み取り専用）。登録できませんでした。";
        QTest::newRow("file removed while open") << "removed"
                                                 << "ndata.mdb が見つからないため登録できませんでした。"
                                                    "ファイルが移動または削除されていないか確認してください。\n%1";
        QTest::newRow("missing at opening") << "missing"
                                            << "登録できませんでした。ndata.mdb を確認してください。";
    }
    void failedStoreIsSaidAndKeepsTheFigures()
    {
        QFETCH(QString, damage);
        QFETCH(QString, text);
        if (damage == QLatin1String("missing"))
            QFile::remove(m_db->path());
        open();
        std::optional<test::ReadOnlyFile> readOnly;
        if (damage == QLatin1String("read-only")) {
            readOnly.emplace(m_db->path());
            if (!readOnly->ok())
                QSKIP("this file system cannot make a file read-only for root");
        } else if (damage == QLatin1String("removed")) {
            QFile::remove(m_db->path());
        }
        QTest::qWait(10);
        m_seams->messages->shown.clear();
        type({"2010", "0.981", "792100", "227900", "75900"});
        storeFigures(ui::Answer::Yes);
        QCOMPARE(m_seams->messages->shown.size(), 2);
        const engine::Message &m = m_seams->messages->shown[1].message;
        QCOMPARE(m, engine::Warning(text.replace(QStringLiteral("%1"), m_db->path()), QStringLiteral("エラー")));
        QCOMPARE(num(1)->text(), QStringLiteral("0.981"));
        if (readOnly) {
            readOnly.reset();
            QCOMPARE(stored(m_db->path()), engine::kBaseData2009);
        } else {
            QVERIFY(!QFile::exists(m_db->path()));
        }
    }

    void unreadableFileIsSaidOnOpening()
    {
        QFile::remove(m_db->path());
        m_baseData = engine::kBaseData2009;
        open();
        QTRY_COMPARE(m_seams->messages->shown.size(), 1);
        QCOMPARE(m_seams->messages->shown[0].message.text,
                 QStringLiteral("基本データを読み込めませんでした。ndata.mdb を確認してください。"));
        QCOMPARE(m_baseData, engine::kBaseData2009);
    }

    // From the menu: the opening copies the figures it shows into those the
    // calculations use, here a revision stored after start-up.
    void opensClosesAndPrintsFromTheMenu()
    {
        ui::WindowRegistry registry;
        ui::RegisterScreens(registry, m_db->path());
        ui::Formmenu menu(registry, {m_db->path(), ui::SystemClock, {}});
        QCOMPARE(store::ProcessBaseData(), engine::kBaseData2009);
        exec(m_db->path(), QStringLiteral("UPDATE \"基礎DATA\" SET \"年度\" = 2010, \"スライド率\" = 0.981"));
        auto *button = test::Child<QPushButton>(&menu, QStringLiteral("Command5"));
        QVERIFY(button->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton);
        QWidget *window = registry.existing(ui::screen::BaseFigures);
        QVERIFY(window);
        QCOMPARE(store::ProcessBaseData(), k2010);
        m_seams->messages->answers.push_back(ui::Answer::Yes);
        QTest::mouseClick(test::Child<QLabel>(window, QStringLiteral("Picture1")), Qt::LeftButton);
        QCOMPARE(m_seams->printer->jobs.size(), 1);
        QCOMPARE(m_seams->printer->jobs.first().window, QStringLiteral("FormLogin"));
        QCOMPARE(m_seams->printer->jobs.first().orientation, ui::PageOrientation::PrinterDefault);
        QPointer<QWidget> guard(window);
        QTest::mouseClick(test::Child<QPushButton>(window, QStringLiteral("Command2")), Qt::LeftButton);
        QTRY_VERIFY(guard.isNull());
    }
};

QTEST_MAIN(TestFormLogin)
#include "tst_formlogin.moc"
