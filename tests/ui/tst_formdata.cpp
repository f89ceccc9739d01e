#include "testday.h"
#include "ui/app/formmenu.h"
#include "ui/app/screens.h"
#include "ui/app/windowregistry.h"
#include "ui/needs/frmhoken.h"
#include "ui/store/formdata.h"

#include "engine/needs/customerrecord.h"
#include "engine/needs/frmhokenbuttons.h"
#include "engine/needs/frmhokenform.h"
#include "ndatacopy.h"
#include "store/customerlist.h"
#include "store/customers.h"
#include "testkit.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <optional>

using namespace izoku;

namespace {

using izoku::test::kToday;

// Types into the search box a character at a time, kana and kanji too.
void type(QLineEdit *box, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), {});
}

// Saves households named 客0, 客1 … ; the one at `disabledChild` (1..5)
// has that child marked disabled.
void saveHouseholds(const QString &path, int count, int disabledChild = 0)
{
    for (int i = 0; i < count; ++i) {
        engine::FrmhokenForm form;
        engine::OpenFrmhoken(form, engine::kBaseData2009, kToday);
        form.household.members[0].name = QStringLiteral("客%1").arg(i);
        form.household.members[1].birth = QDate(1980 + i, 3, 8);
        if (disabledChild > 0)
            form.household.members[engine::HouseholdIndex::Child1 + disabledChild - 1].disabled = true;
        form.num4[engine::HokenNum4::WholeLife1Amount] = QStringLiteral("500");
        QVERIFY(store::SaveCustomerRecord(path, engine::CustomerRecordOf(form, kToday)).written());
    }
}

} // namespace

class TestFormData : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Seams> m_seams;
    std::optional<test::DatabaseCopy> m_db;
    std::unique_ptr<ui::FormData> m_window;

    template <typename T = QLineEdit> T *get(const QString &name) { return test::Child<T>(m_window.get(), name); }
    QString box(int index) { return get(QStringLiteral("Text1(%1)").arg(index))->text(); }
    QString husband() { return box(0); }
    void press(const QString &button) { QTest::mouseClick(get<QPushButton>(button), Qt::LeftButton); }
    void open()
    {
        m_window = std::make_unique<ui::FormData>(m_db->path());
        m_window->show();
        QCoreApplication::processEvents();
    }

  private slots:
    void init()
    {
        m_seams = std::make_unique<test::Seams>();
        m_db.emplace();
    }
    void cleanup()
    {
        m_window.reset();
        m_db.reset();
        m_seams.reset();
    }

    void captionsAndBoxesAsDrawn()
    {
        saveHouseholds(m_db->path(), 1);
        open();
        QCOMPARE(m_window->windowTitle(), QStringLiteral("顧客データ一覧"));
        QCOMPARE(get<QLabel>(QStringLiteral("Label1"))->text(), QStringLiteral("保険診断顧客一覧"));
        const QStringList captions{"|| <<", "<", ">", ">> || ", "閉じる"};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(get<QPushButton>(QStringLiteral("Command%1").arg(i + 1))->text(), captions[i]);
        QCOMPARE(get(QStringLiteral("Text2"))->text(), QStringLiteral("2026/12/08"));
        QCOMPARE(box(0), QStringLiteral("客0"));
        QCOMPARE(box(8), QStringLiteral("1980/03/08")); // 生年月日2
        QCOMPARE(box(9), QString());                    // 生年月日3: no child
        QCOMPARE(box(44), QStringLiteral("500"));       // 生保42
        QCOMPARE(box(46), QStringLiteral("0"));         // 生保52
        QCOMPARE(get<QTableView>(QStringLiteral("DataGrid1"))->model()->columnCount(), 50);
        // Nothing typed into the list reaches a stored customer.
        for (int i = 0; i <= 46; ++i)
            QVERIFY(get(QStringLiteral("Text1(%1)").arg(i))->isReadOnly());
        QCOMPARE(get<QTableView>(QStringLiteral("DataGrid1"))->editTriggers(), QAbstractItemView::NoEditTriggers);
        QVERIFY(m_window->width() <= 1366 && m_window->frameGeometry().height() <= 768);
    }

    void disabilityMarksStandOnTheChildsRow_data()
    {
        QTest::addColumn<int>("child");
        QTest::newRow("子1") << 1;
        QTest::newRow("子3") << 3;
        QTest::newRow("子5") << 5;
    }
    void disabilityMarksStandOnTheChildsRow()
    {
        QFETCH(int, child);
        saveHouseholds(m_db->path(), 1, child);
        open();
        // The 障害 column: Text1(21) 夫, (22) 妻, (23) 子1 … (27) 子5.
        QCOMPARE(box(21), QString());
        QCOMPARE(box(22), QString());
        for (int c = 1; c <= 5; ++c)
            QCOMPARE(box(22 + c), c == child ? QStringLiteral("1") : QStringLiteral("0"));
    }

    void movesStopAtBothEnds_data()
    {
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<int>("row");
        QTest::newRow("opens on the first") << QStringList{} << 0;
        QTest::newRow("< on the first") << QStringList{"Command2"} << 0;
        QTest::newRow("> twice") << QStringList{"Command3", "Command3"} << 2;
        QTest::newRow("> past the last") << QStringList{"Command3", "Command3", "Command3", "Command3"} << 3;
        QTest::newRow("last") << QStringList{"Command4"} << 3;
        QTest::newRow("last then >") << QStringList{"Command4", "Command3"} << 3;
        QTest::newRow("last then <") << QStringList{"Command4", "Command2"} << 2;
        QTest::newRow("last then first") << QStringList{"Command4", "Command1"} << 0;
    }
    void movesStopAtBothEnds()
    {
        QFETCH(QStringList, buttons);
        QFETCH(int, row);
        saveHouseholds(m_db->path(), 4);
        open();
        for (const QString &button : buttons)
            press(button);
        QCOMPARE(m_window->currentRow(), row);
        QCOMPARE(husband(), QStringLiteral("客%1").arg(row));
        QCOMPARE(get<QTableView>(QStringLiteral("DataGrid1"))->selectionModel()->selectedRows().size(), 1);
    }

    void selectingAGridRowMakesItCurrent()
    {
        saveHouseholds(m_db->path(), 3);
        open();
        auto *grid = get<QTableView>(QStringLiteral("DataGrid1"));
        const QRect cell = grid->visualRect(grid->model()->index(2, 1));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(m_window->currentRow(), 2);
        QCOMPARE(husband(), QStringLiteral("客2"));
        press(QStringLiteral("Command2"));
        QCOMPARE(husband(), QStringLiteral("客1"));
    }

    void emptyTableMovesDoNothing()
    {
        open();
        for (const char *button : {"Command1", "Command2", "Command3", "Command4"})
            press(QString::fromLatin1(button));
        QCOMPARE(m_window->currentRow(), -1);
        for (int i = 0; i <= 46; ++i)
            QCOMPARE(box(i), QString());
        QCOMPARE(get(QStringLiteral("Text2"))->text(), QString());
        QTest::qWait(10);
        QVERIFY(m_seams->messages->shown.isEmpty());
    }

    // The search box: the grid, the moves and the boxes follow the rows
    // whose names hold the text; no match leaves them empty.
    void searchFiltersTheRows_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("husbands");
        QTest::newRow("one name") << "客2" << QStringList{"客2"};
        QTest::newRow("every name") << "客" << QStringList{"客0", "客1", "客2", "客3"};
        QTest::newRow("no match") << "山田" << QStringList{};
        QTest::newRow("cleared") << "" << QStringList{"客0", "客1", "客2", "客3"};
    }
    void searchFiltersTheRows()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, husbands);
        saveHouseholds(m_db->path(), 4);
        open();
        press(QStringLiteral("Command4"));
        type(get(QStringLiteral("TextSearch")), QStringLiteral("客2"));
        get(QStringLiteral("TextSearch"))->clear();
        type(get(QStringLiteral("TextSearch")), text);
        QCOMPARE(get<QTableView>(QStringLiteral("DataGrid1"))->model()->rowCount(), husbands.size());
        QStringList visited;
        for (int i = 0; i < husbands.size(); ++i, press(QStringLiteral("Command3")))
            visited << husband();
        QCOMPARE(visited, husbands);
        press(QStringLiteral("Command4"));
        QCOMPARE(m_window->currentRow(), husbands.size() - 1);
        QCOMPARE(husband(), husbands.isEmpty() ? QString() : husbands.last());
        QCOMPARE(get(QStringLiteral("Text2"))->text(), husbands.isEmpty() ? QString() : QStringLiteral("2026/12/08"));
    }

    // 削除: the current row goes after a warning question, and the list
    // stays on the row that took its place.
    void deleteRemovesTheCurrentRow_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("move");
        QTest::addColumn<ui::Answer>("answer");
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<QString>("current");
        QTest::newRow("the only row") << 1 << "Command1" << ui::Answer::Yes << QStringList{} << "";
        QTest::newRow("the first") << 3 << "Command1" << ui::Answer::Yes << QStringList{"客1", "客2"} << "客1";
        QTest::newRow("the last") << 3 << "Command4" << ui::Answer::Yes << QStringList{"客0", "客1"} << "客1";
        QTest::newRow("No keeps it") << 3 << "Command4" << ui::Answer::No << QStringList{"客0", "客1", "客2"} << "客2";
    }
    void deleteRemovesTheCurrentRow()
    {
        QFETCH(int, rows);
        QFETCH(QString, move);
        QFETCH(ui::Answer, answer);
        QFETCH(QStringList, left);
        QFETCH(QString, current);
        saveHouseholds(m_db->path(), rows);
        open();
        press(move);
        m_seams->messages->answers = {answer};
        press(QStringLiteral("CommandDelete"));
        QCOMPARE(m_seams->messages->shown.size(), 1);
        const engine::Message &question = m_seams->messages->shown.first().message;
        QCOMPARE(question.text, QStringLiteral("この顧客データを削除します。よろしいですか？"));
        QCOMPARE(question.title, QStringLiteral("削除"));
        QCOMPARE(question.icon, engine::MessageIcon::Warning);
        QCOMPARE(husband(), current);
        QCOMPARE(test::SavedHusbands(m_db->path()), left);
    }

    // A household found in the list, reopened on the needs-analysis
    // screen, corrected and saved: over its row, as a new one, or not.
    void reopenAndSaveAgain_data()
    {
        QTest::addColumn<int>("choice");
        QTest::addColumn<QStringList>("stored");
        QTest::newRow("上書き保存") << 0 << QStringList{"客0", "客1改"};
        QTest::newRow("新規に保存") << 1 << QStringList{"客0", "客1", "客1改"};
        QTest::newRow("キャンセル") << 2 << QStringList{"客0", "客1"};
    }
    void reopenAndSaveAgain()
    {
        QFETCH(int, choice);
        QFETCH(QStringList, stored);
        saveHouseholds(m_db->path(), 2, 2);
        ui::WindowRegistry registry;
        ui::RegisterScreens(registry, m_db->path());
        auto *list = qobject_cast<ui::FormData *>(registry.show(ui::screen::Customers));
        QVERIFY(list);
        auto *search = test::Child<QLineEdit>(list, QStringLiteral("TextSearch"));
        type(search, QStringLiteral("客1"));
        auto *grid = test::Child<QTableView>(list, QStringLiteral("DataGrid1"));
        // A double click: the press of its first click picks the row.
        const QPoint cell = grid->visualRect(grid->model()->index(0, 1)).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell);
        auto *needs = qobject_cast<ui::Frmhoken *>(registry.existing(ui::screen::Needs));
        QVERIFY(needs && needs->isVisible());
        QVERIFY(m_seams->messages->shown.isEmpty());
        QCOMPARE(needs->form().household.members[0].name, QStringLiteral("客1"));
        QCOMPARE(needs->form().household.members[1].birth, QDate(1981, 3, 8));
        QVERIFY(needs->form().household.members[engine::HouseholdIndex::Child2].disabled);
        QVERIFY(!needs->form().childPresent(1));
        QCOMPARE(needs->form().num4[engine::HokenNum4::WholeLife1Amount], QStringLiteral("500"));
        QTRY_COMPARE(test::Focused(), test::Child<QPushButton>(needs, QStringLiteral("cmdBase")));

        test::Child<QLineEdit>(needs, QStringLiteral("Fmt1(0)"))->setText(QStringLiteral("客1改"));
        m_seams->messages->choices = {choice};
        QTest::mouseClick(test::Child<QPushButton>(needs, QStringLiteral("cmdSave")), Qt::LeftButton);
        QCOMPARE(m_seams->messages->shown.size(), 1);
        QCOMPARE(m_seams->messages->shown.first().message.title, QStringLiteral("登録"));
        QCOMPARE(m_seams->messages->offered, (QStringList{"上書き保存", "新規に保存", "キャンセル"}));
        QCOMPARE(test::SavedHusbands(m_db->path()), stored);

        // Opening another household over the one typed asks first; No
        // keeps what is on the screen.
        m_seams->messages->shown.clear();
        search->clear();
        QTest::mouseClick(test::Child<QPushButton>(list, QStringLiteral("CommandOpen")), Qt::LeftButton);
        QCOMPARE(m_seams->messages->shown.size(), 1);
        QCOMPARE(m_seams->messages->shown.first().message,
                 engine::Question(QStringLiteral("入力中のデータを置き換えます。よろしいですか？"),
                                  QStringLiteral("顧客データ")));
        QCOMPARE(needs->form().household.members[0].name, QStringLiteral("客1改"));
        registry.destroyAll();
    }

    // The list stays open while the agent saves on the needs-analysis
    // screen (or another copy of the program changes the file): coming back
    // to it shows the table as it stands, on the row it stood on while
    // that row is still there.
    void changedMeanwhileShowsOnReturn_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QString>("current");
        QTest::newRow("one saved") << "save" << QStringList{"客0", "客1", "客0"} << "客1";
        QTest::newRow("current one saved over") << "overwrite" << QStringList{"客0", "客1改"} << "客1改";
        QTest::newRow("current one removed") << "delete" << QStringList{"客0"} << "客0";
    }
    void changedMeanwhileShowsOnReturn()
    {
        QFETCH(QString, change);
        QFETCH(QStringList, stored);
        QFETCH(QString, current);
        const QString path = m_db->path();
        saveHouseholds(path, 2);
        ui::WindowRegistry registry;
        ui::RegisterScreens(registry, path);
        QWidget *list = registry.show(ui::screen::Customers);
        QVERIFY(QTest::qWaitForWindowActive(list));
        QTest::mouseClick(test::Child<QPushButton>(list, QStringLiteral("Command3")), Qt::LeftButton);
        auto *husbandBox = test::Child<QLineEdit>(list, QStringLiteral("Text1(0)"));
        QCOMPARE(husbandBox->text(), QStringLiteral("客1"));
        QVERIFY(QTest::qWaitForWindowActive(registry.show(ui::screen::Needs)));

        const qint64 key = store::CustomerListModel(path).key(1);
        engine::FrmhokenForm form;
        engine::OpenFrmhoken(form, engine::kBaseData2009, kToday);
        form.household.members[0].name = QStringLiteral("客1改");
        if (change == QLatin1String("save"))
            saveHouseholds(path, 1);
        else if (change == QLatin1String("overwrite"))
            QVERIFY(store::OverwriteCustomerRecord(path, key, engine::CustomerRecordOf(form, kToday)).written());
        else
            QVERIFY(store::DeleteCustomerRecord(path, key).written());
        QCOMPARE(test::SavedHusbands(path), stored);

        QCOMPARE(registry.show(ui::screen::Customers), list);
        QVERIFY(QTest::qWaitForWindowActive(list));
        QCOMPARE(test::Child<QTableView>(list, QStringLiteral("DataGrid1"))->model()->rowCount(), stored.size());
        QCOMPARE(husbandBox->text(), current);
        registry.destroyAll();
    }

    void unreadableFileIsSaid()
    {
        QFile::remove(m_db->path());
        open();
        QTRY_COMPARE(m_seams->messages->shown.size(), 1);
        const engine::Message &m = m_seams->messages->shown.first().message;
        QCOMPARE(m, engine::Warning(QStringLiteral("顧客データを読み込めませんでした。ndata.mdb を確認してください。"),
                                    QStringLiteral("エラー")));
        QCOMPARE(m_window->currentRow(), -1);
        QVERIFY(!QFile::exists(m_db->path()));
    }

    void printsPortrait()
    {
        open();
        m_seams->messages->answers.push_back(ui::Answer::Yes);
        QTest::mouseClick(get<QLabel>(QStringLiteral("Picture1")), Qt::LeftButton);
        QCOMPARE(m_seams->printer->jobs.size(), 1);
        QCOMPARE(m_seams->printer->jobs.first().window, QStringLiteral("FormData"));
        QCOMPARE(m_seams->printer->jobs.first().orientation, ui::PageOrientation::PrinterDefault);
    }

    // From the menu: built afresh on each opening, so a household saved
    // meanwhile shows the next time, first row current again.
    void menuOpensItAfreshEachTime()
    {
        saveHouseholds(m_db->path(), 2);
        ui::WindowRegistry registry;
        ui::RegisterScreens(registry, m_db->path());
        ui::Formmenu menu(registry, {m_db->path(), ui::SystemClock, {}});
        auto *button = test::Child<QPushButton>(&menu, QStringLiteral("Command3"));
        QVERIFY(button->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton);
        auto *list = qobject_cast<ui::FormData *>(registry.existing(ui::screen::Customers));
        QVERIFY(list);
        QTest::mouseClick(test::Child<QPushButton>(list, QStringLiteral("Command4")), Qt::LeftButton);
        QCOMPARE(list->currentRow(), 1);
        saveHouseholds(m_db->path(), 1);
        QPointer<QWidget> guard(list);
        QTest::mouseClick(test::Child<QPushButton>(list, QStringLiteral("Command5")), Qt::LeftButton);
        QTRY_VERIFY(guard.isNull());
        QTest::mouseClick(button, Qt::LeftButton);
        list = qobject_cast<ui::FormData *>(registry.existing(ui::screen::Customers));
        QCOMPARE(list->currentRow(), 0);
        QCOMPARE(test::Child<QTableView>(list, QStringLiteral("DataGrid1"))->model()->rowCount(), 3);
        registry.destroyAll();
    }
};

QTEST_MAIN(TestFormData)
#include "tst_formdata.moc"
