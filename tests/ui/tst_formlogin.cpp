#include "ui/app/formmenu.h"
#include "ui/app/screens.h"
#include "ui/app/windowregistry.h"
#include "ui/store/formlogin.h"

#include "engine/law/pensionlaw.h"
#include "ndatacopy.h"
#include "store/basefigures.h"
#include "store/database.h"
#include "store/databaseconnection.h"
#include "store/writetransaction.h"
#include "testkit.h"
#include "ui/app/basedatainuse.h"

#include <QComboBox>
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

QList<int> years(const QString &path)
{
    return store::ReadFiscalYears(path).value_or(QList<int>());
}

// Whether the file has the columns of today's law.
bool hasTodaysColumns(const QString &path)
{
    const store::DatabaseConnection connection(path, store::Access::ReadOnly);
    return store::HasColumns(connection.database(), QStringLiteral("基礎DATA"),
                             {QStringLiteral("基礎年金昭31前"), QStringLiteral("従前額改定率")});
}

const engine::BaseData k2010{2010, 0.981, 792100, 227900, 75900};
const engine::BaseData k2025{2025, 1, 831700, 239300, 79800, 829300, 1.061};

} // namespace

class TestFormLogin : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Seams> m_seams;
    std::optional<test::DatabaseCopy> m_db;
    std::unique_ptr<ui::FormLogin> m_window;

    QLineEdit *num(int index) { return test::Child<QLineEdit>(m_window.get(), QStringLiteral("Num1(%1)").arg(index)); }
    QStringList shown()
    {
        QStringList texts;
        for (int i = 0; i < engine::kBaseFigureCount; ++i)
            texts << num(i)->text();
        return texts;
    }
    void open()
    {
        m_window = std::make_unique<ui::FormLogin>(m_db->path());
        m_window->open();
        QVERIFY(test::ShowAndActivate(m_window.get()));
    }
    void type(const QStringList &texts)
    {
        for (int i = 0; i < texts.size(); ++i) {
            num(i)->selectAll();
            // keyClicks types Latin-1 only; a unit such as 円 is inserted.
            num(i)->insert(texts[i]);
        }
    }
    void press(const QString &button, std::optional<ui::Answer> answer = std::nullopt)
    {
        if (answer)
            m_seams->messages->answers.push_back(*answer);
        QTest::mouseClick(test::Child<QPushButton>(m_window.get(), button), Qt::LeftButton);
    }
    void storeFigures(ui::Answer answer) { press(QStringLiteral("Command1"), answer); }

  private slots:
    // A file written before today's law, the 2009 row alone, unless a test
    // asks for the file as shipped.
    void init()
    {
        m_seams = std::make_unique<test::Seams>();
        m_db.emplace(test::Shape::Fiscal2009Only);
        store::ProcessBaseData() = {};
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
        const QStringList figures{"2010", "0.981", "792100", "227900", "75900", "", ""};
        const QStringList reference{"2009", "0.985", "792100", "227900", "75900", "", ""};
        QCOMPARE(shown(), figures);
        for (int i = 0; i < engine::kBaseFigureCount; ++i) {
            QVERIFY(num(i)->alignment() & Qt::AlignRight);
            const auto *label = test::Child<QLabel>(m_window.get(), QStringLiteral("Label2(%1)").arg(i));
            QCOMPARE(label->text(), reference[i]);
            QVERIFY(label->alignment() & Qt::AlignRight);
        }
        // The same row start-up loads, so the screen and the calculations agree.
        QCOMPARE(store::ProcessBaseData(), k2010);
        QCOMPARE(store::ProcessBaseData(), stored(m_db->path()));
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

    // What was stored is in use at once, as the year chosen on the menu is;
    // a file written before today's law keeps its shape until one of the
    // two figures it lacks is given.
    void storesOnYesAndPutsTheYearInUse_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }
    void storesOnYesAndPutsTheYearInUse()
    {
        QFETCH(bool, yes);
        open();
        QCOMPARE(store::ProcessBaseData(), engine::kBaseData2009);
        type({"2010", "0.981円", "792100", "227900", "75900"});
        storeFigures(yes ? ui::Answer::Yes : ui::Answer::No);
        QCOMPARE(m_seams->messages->shown.size(), 1);
        const engine::Message &question = m_seams->messages->shown[0].message;
        QCOMPARE(question, engine::Question(QStringLiteral("登録します"), QStringLiteral("登録")));
        QCOMPARE(stored(m_db->path()), yes ? k2010 : engine::kBaseData2009);
        QCOMPARE(store::ProcessBaseData(), yes ? k2010 : engine::kBaseData2009);
        // The figures were rewritten in place: no second row.
        QCOMPARE(years(m_db->path()), QList<int>{yes ? 2010 : 2009});
        QVERIFY(!hasTodaysColumns(m_db->path()));
        // The next opening shows them again.
        m_window = std::make_unique<ui::FormLogin>(m_db->path());
        m_window->open();
        QCOMPARE(num(1)->text(), yes ? QStringLiteral("0.981") : QStringLiteral("0.985"));
    }

    // 年度追加 shows the next year with the newest figures to revise;
    // 変更登録 stores it, asked first, and puts it in use.  Into a file
    // written before today's law it writes the columns it needs.
    void addsTheNextYear_data()
    {
        QTest::addColumn<test::Shape>("shape");
        QTest::addColumn<QStringList>("draft");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<ui::Answer>("answer");
        QTest::addColumn<QList<int>>("years");
        QTest::addColumn<engine::BaseData>("inUse");
        const auto shipped = test::Shape::Shipped;
        const auto before = test::Shape::Fiscal2009Only;
        const QStringList from2026{"2027", "1", "847300", "243800", "81300", "844900", "1.082"};
        QTest::newRow("2027, yes") << shipped << from2026 << QStringList{"", "", "862600"} << ui::Answer::Yes
                                   << QList<int>{2027, 2026, 2025, 2024, 2009}
                                   << engine::BaseData{2027, 1, 862600, 243800, 81300, 844900, 1.082};
        QTest::newRow("2027, no") << shipped << from2026 << QStringList{} << ui::Answer::No
                                  << QList<int>{2026, 2025, 2024, 2009} << test::kShipped2026;
        const QStringList from2009{"2010", "0.985", "792100", "227900", "75900", "", ""};
        QTest::newRow("today's law into a file written before")
            << before << from2009 << QStringList{"2024", "1", "816000", "234800", "78300", "813700", "1.041"}
            << ui::Answer::Yes << QList<int>{2024, 2009}
            << engine::BaseData{2024, 1, 816000, 234800, 78300, 813700, 1.041};
        QTest::newRow("2010 into a file written before")
            << before << from2009 << QStringList{} << ui::Answer::Yes << QList<int>{2010, 2009}
            << engine::BaseData{2010, 0.985, 792100, 227900, 75900};
    }
    void addsTheNextYear()
    {
        QFETCH(test::Shape, shape);
        QFETCH(QStringList, draft);
        QFETCH(QStringList, typed);
        QFETCH(ui::Answer, answer);
        QFETCH(QList<int>, years);
        QFETCH(engine::BaseData, inUse);
        m_db.emplace(shape);
        open();
        const QList<int> before = ::years(m_db->path());
        press(QStringLiteral("Command3"));
        QCOMPARE(shown(), draft);
        QCOMPARE(::years(m_db->path()), before);
        for (int i = 0; i < typed.size(); ++i) {
            if (!typed[i].isEmpty())
                num(i)->setText(typed[i]);
        }
        storeFigures(answer);
        QCOMPARE(m_seams->messages->shown.size(), 1);
        QCOMPARE(::years(m_db->path()), years);
        QCOMPARE(store::ProcessBaseData(), inUse);
        QCOMPARE(stored(m_db->path()), inUse);
        QCOMPARE(hasTodaysColumns(m_db->path()),
                 shape == test::Shape::Shipped || inUse.OldCohortBasicPension.has_value());
        if (answer == ui::Answer::Yes)
            QCOMPARE(num(0)->text(), QString::number(inUse.FiscalYear));
        // The 2009 row reads as it always has, whatever was added after it.
        engine::BaseData fiscal2009;
        QVERIFY(store::OpenAndLoadBaseData(m_db->path(), fiscal2009, 2009).loaded());
        QCOMPARE(fiscal2009, engine::kBaseData2009);
    }

    // A year another row holds is refused, where it was typed.
    void eachYearIsOneRow()
    {
        m_db.emplace(test::Shape::Shipped);
        open();
        press(QStringLiteral("Command3"));
        num(0)->setText(QStringLiteral("2024"));
        storeFigures(ui::Answer::Yes);
        QCOMPARE(m_seams->messages->shown.size(), 2);
        QCOMPARE(m_seams->messages->shown[1].message.text, QStringLiteral("2024年度はすでに登録されています"));
        QTRY_COMPARE(test::Focused(), num(0));
        QCOMPARE(years(m_db->path()), (QList<int>{2026, 2025, 2024, 2009}));
    }

    // 年度削除 removes the year shown, asked first, in one transaction, and
    // the newest year left is then in use; the only year is never removed.
    void removesTheYearShown_data()
    {
        QTest::addColumn<test::Shape>("shape");
        QTest::addColumn<ui::Answer>("answer");
        QTest::addColumn<QString>("said");
        QTest::addColumn<QList<int>>("years");
        QTest::addColumn<engine::BaseData>("inUse");
        QTest::newRow("yes") << test::Shape::Shipped << ui::Answer::Yes
                             << "2026年度の基礎データを削除します。よろしいですか？" << QList<int>{2025, 2024, 2009}
                             << k2025;
        QTest::newRow("no") << test::Shape::Shipped << ui::Answer::No
                            << "2026年度の基礎データを削除します。よろしいですか？"
                            << QList<int>{2026, 2025, 2024, 2009} << test::kShipped2026;
        QTest::newRow("the only year") << test::Shape::Fiscal2009Only << ui::Answer::Yes
                                       << "登録されている年度が1つだけのため削除できません" << QList<int>{2009}
                                       << engine::kBaseData2009;
    }
    void removesTheYearShown()
    {
        QFETCH(test::Shape, shape);
        QFETCH(ui::Answer, answer);
        QFETCH(QString, said);
        QFETCH(QList<int>, years);
        QFETCH(engine::BaseData, inUse);
        m_db.emplace(shape);
        open();
        press(QStringLiteral("Command4"), answer);
        QCOMPARE(m_seams->messages->shown.size(), 1);
        QCOMPARE(m_seams->messages->shown[0].message.text, said);
        QCOMPARE(m_seams->messages->shown[0].question, shape == test::Shape::Shipped);
        QCOMPARE(::years(m_db->path()), years);
        QCOMPARE(store::ProcessBaseData(), inUse);
        QCOMPARE(num(0)->text(), QString::number(inUse.FiscalYear));
    }

    void emptyTableGetsItsFirstRow()
    {
        exec(m_db->path(), QStringLiteral("DELETE FROM \"基礎DATA\""));
        open();
        QCOMPARE(num(0)->text(), QString());
        QCOMPARE(store::ProcessBaseData(), engine::BaseData{});
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
        store::ProcessBaseData() = engine::kBaseData2009;
        open();
        QTRY_COMPARE(m_seams->messages->shown.size(), 1);
        QCOMPARE(m_seams->messages->shown[0].message.text,
                 QStringLiteral("基本データを読み込めませんでした。ndata.mdb を確認してください。"));
        QCOMPARE(store::ProcessBaseData(), engine::kBaseData2009);
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

    // A change registered reaches the calculation screens already open
    // without a restart, and the menu lists the year it stored.
    void storedFiguresReachTheOpenScreens()
    {
        m_db.emplace(test::Shape::Shipped);
        ui::WindowRegistry registry;
        ui::RegisterScreens(registry, m_db->path());
        ui::Formmenu menu(registry, {m_db->path(), ui::SystemClock, {}});
        QWidget *pension = registry.show(ui::screen::Pension);
        QWidget *needs = registry.show(ui::screen::Needs);
        QWidget *figures = registry.show(ui::screen::BaseFigures);
        auto *slide = test::Child<QLineEdit>(figures, QStringLiteral("Num1(1)"));
        slide->setText(QStringLiteral("1.01"));
        test::Child<QLineEdit>(figures, QStringLiteral("Num1(2)"))->setText(QStringLiteral("850000"));
        m_seams->messages->answers.push_back(ui::Answer::Yes);
        QTest::mouseClick(test::Child<QPushButton>(figures, QStringLiteral("Command1")), Qt::LeftButton);
        QCOMPARE(store::ProcessBaseData().SlideRate, 1.01);
        QCOMPARE(store::ProcessBaseData().BasicPensionAmount, 850000);
        QCOMPARE(test::Child<QLineEdit>(pension, QStringLiteral("Text6(5)"))->text(), QStringLiteral("1.01"));
        QCOMPARE(test::Child<QLineEdit>(needs, QStringLiteral("Num1(12)"))->text(), QStringLiteral("1.01"));
        QCOMPARE(test::Child<QLineEdit>(needs, QStringLiteral("Num1(52)"))->text(), QStringLiteral("850000"));

        // A year added is the year in use, on the menu as well.
        m_seams->messages->answers.push_back(ui::Answer::Yes);
        QTest::mouseClick(test::Child<QPushButton>(figures, QStringLiteral("Command3")), Qt::LeftButton);
        QTest::mouseClick(test::Child<QPushButton>(figures, QStringLiteral("Command1")), Qt::LeftButton);
        auto *years = test::Child<QComboBox>(&menu, QStringLiteral("Combo1"));
        QCOMPARE(years->count(), 5);
        QCOMPARE(years->currentText(), QStringLiteral("2027年度"));
        QCOMPARE(test::Child<QLabel>(pension, QStringLiteral("lblLaw"))->text(),
                 QStringLiteral("令和9年度（2027年度）の額・現行制度"));
        registry.destroyAll();
    }
};

QTEST_MAIN(TestFormLogin)
#include "tst_formlogin.moc"
