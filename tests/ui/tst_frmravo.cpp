#include "testday.h"
#include "ui/app/datepicker.h"
#include "ui/pension/frmravo.h"

#include "engine/pension/pensioncalculation.h"
#include "store/database.h"
#include "testkit.h"
#include "ui/app/screenprint.h"
#include "ui/app/screens.h"
#include "ui/app/windowregistry.h"
#include "ui/forms/householdpanel.h"
#include "ui/forms/sheetmodel.h"
#include "ui/forms/sheetview.h"
#include "ui/needs/frmhoken.h"

#include <QAbstractItemModelTester>
#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace izoku;

namespace {

using izoku::test::kToday;

} // namespace

class TestFrmRavo : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Seams> m_seams;
    std::unique_ptr<ui::WindowRegistry> m_registry;
    std::unique_ptr<ui::FrmRavo> m_window;

    template <typename T> T *child(const QString &name) const { return test::Child<T>(m_window.get(), name); }
    QLineEdit *edit(const QString &name) const { return child<QLineEdit>(name); }
    ui::DatePicker *date(const QString &name) const { return child<ui::DatePicker>(name); }
    void click(const QString &button) const { QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton); }
    QString slot(int i) const { return child<QLabel>(QStringLiteral("Num4(%1)").arg(i))->text(); }
    ui::SheetModel &schedule() const { return *child<ui::SheetView>(QStringLiteral("MSFlexGrid1"))->sheet(); }
    // The formula panel the stack shows, by its object name.
    QString shownFormulaPanel() const
    {
        return child<QStackedWidget>(QStringLiteral("FormulaPanels"))->currentWidget()->objectName();
    }

    // The agent's household of the worked example: wife 30 with a child of 2,
    // husband an employees' pension member with 120 + 60 months.
    void typeWorkedExample()
    {
        edit(QStringLiteral("Text5(1)"))->setText(QStringLiteral("30"));
        date(QStringLiteral("DTPicker1(0)"))->setDate(QDate(1960, 5, 1));
        date(QStringLiteral("DTPicker1(1)"))->setDate(QDate(1996, 6, 1));
        date(QStringLiteral("DTPicker1(2)"))->setDate(QDate(2024, 6, 1));
        edit(QStringLiteral("Text5(2)"))->setText(QStringLiteral("2"));
        child<QCheckBox>(QStringLiteral("Check2(2)"))->setChecked(true);
        const QStringList pension = {"0", "120", "300000", "60", "400000", "0.985"};
        for (int i = 0; i < pension.size(); ++i)
            edit(QStringLiteral("Text6(%1)").arg(i))->setText(pension[i]);
    }

  private slots:
    void init()
    {
        m_seams = std::make_unique<test::Seams>();
        store::ProcessBaseData() = engine::kBaseData2009;
        store::ProcessBaseData().SlideRate = 0.981;
        m_registry = std::make_unique<ui::WindowRegistry>();
        ui::RegisterScreens(*m_registry);
        m_window = std::make_unique<ui::FrmRavo>(*m_registry, izoku::test::FixedClock);
        QVERIFY(test::ShowAndActivate(m_window.get()));
    }
    void cleanup()
    {
        m_window.reset();
        m_registry.reset();
        m_seams.reset();
    }

    void opensReadyForANewHousehold()
    {
        QCOMPARE(m_window->windowTitle(), QStringLiteral("遺族年金"));
        const auto *tabs = child<QTabWidget>(QStringLiteral("SSTab1"));
        QCOMPARE(tabs->count(), 3);
        QCOMPARE(tabs->tabText(0), QStringLiteral("遺族年金計算シート"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("遺族基礎年金"));
        QCOMPARE(tabs->tabText(2), QStringLiteral("遺族厚生年金"));
        for (int i = 0; i < 7; ++i) {
            QCOMPARE(date(QStringLiteral("DTPicker1(%1)").arg(i))->date(), kToday);
            QCOMPARE(edit(QStringLiteral("Text5(%1)").arg(i))->text(), QString());
        }
        for (int i = 0; i < 5; ++i)
            QCOMPARE(date(QStringLiteral("DTPicker2(%1)").arg(i))->date(), kToday);
        QCOMPARE(edit(QStringLiteral("Text3(0)"))->text(), QStringLiteral("夫"));
        QCOMPARE(edit(QStringLiteral("Text3(6)"))->text(), QStringLiteral("子5"));
        QCOMPARE(edit(QStringLiteral("Text6(5)"))->text(), QStringLiteral("0.981"));
        QVERIFY(child<QRadioButton>(QStringLiteral("Option1(1)"))->isChecked());
        QVERIFY(child<QRadioButton>(QStringLiteral("Option2"))->isChecked());
        QVERIFY(!child<QWidget>(QStringLiteral("ChoicePanel"))->isVisible());
        QCOMPARE(shownFormulaPanel(), QStringLiteral("FormulaPanel(0)"));
        QCOMPARE(child<QGroupBox>(QStringLiteral("FormulaPanel(0)"))->title(),
                 QStringLiteral("遺族厚生年金　（短期要件）　平成16年改正後"));
        QVERIFY(!child<ui::SheetView>(QStringLiteral("MSFlexGrid1"))->isVisible());
        // Typing starts with the husband's name, not on the tab bar.
        QCOMPARE(test::Focused(), edit(QStringLiteral("Text4(0)")));
    }

    void enterWalksTheHouseholdLine()
    {
        QLineEdit *role = edit(QStringLiteral("Text3(0)"));
        role->setFocus();
        QTest::keyClick(role, Qt::Key_Return);
        QCOMPARE(test::Focused(), edit(QStringLiteral("Text4(0)")));
        QTest::keyClick(test::Focused(), Qt::Key_Return);
        QCOMPARE(test::Focused(), date(QStringLiteral("DTPicker1(0)")));
        QTest::keyClick(test::Focused(), Qt::Key_Return);
        QCOMPARE(test::Focused(), edit(QStringLiteral("Text5(0)")));
        QTest::keyClick(test::Focused(), Qt::Key_Return);
        QCOMPARE(test::Focused(), edit(QStringLiteral("Text3(1)")));
        // From the last age into the husband's record, and on to the
        // calculation.
        edit(QStringLiteral("Text5(6)"))->setFocus();
        QTest::keyClick(test::Focused(), Qt::Key_Return);
        QCOMPARE(test::Focused(), edit(QStringLiteral("Text6(0)")));
        edit(QStringLiteral("Text6(4)"))->setFocus();
        QTest::keyClick(test::Focused(), Qt::Key_Return);
        QCOMPARE(test::Focused(), child<QPushButton>(QStringLiteral("cmdCalculate")));
        // Tab goes from the record through the slide rate to the calculation.
        edit(QStringLiteral("Text6(4)"))->setFocus();
        QTest::keyClick(test::Focused(), Qt::Key_Tab);
        QCOMPARE(test::Focused(), edit(QStringLiteral("Text6(5)")));
        QTest::keyClick(test::Focused(), Qt::Key_Tab);
        QCOMPARE(test::Focused(), child<QPushButton>(QStringLiteral("cmdCalculate")));
    }

    void arrowsAndCtrlMoveAcrossTheBlock_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("to");
        QTest::newRow("name down") << "Text4(2)" << int(Qt::Key_Down) << "Text4(3)";
        QTest::newRow("name up") << "Text4(2)" << int(Qt::Key_Up) << "Text4(1)";
        QTest::newRow("name ctrl") << "Text4(2)" << int(Qt::Key_Control) << "Text3(2)";
        QTest::newRow("name right") << "Text4(2)" << int(Qt::Key_Right) << "DTPicker1(2)";
        QTest::newRow("husband's name left") << "Text4(0)" << int(Qt::Key_Left) << "Text3(0)";
        QTest::newRow("other name left stays") << "Text4(3)" << int(Qt::Key_Left) << "Text4(3)";
        QTest::newRow("birth down") << "DTPicker1(1)" << int(Qt::Key_Down) << "DTPicker1(2)";
        QTest::newRow("birth ctrl") << "DTPicker1(1)" << int(Qt::Key_Control) << "Text4(1)";
        QTest::newRow("age left") << "Text5(3)" << int(Qt::Key_Left) << "DTPicker1(3)";
        QTest::newRow("age up") << "Text5(3)" << int(Qt::Key_Up) << "Text5(2)";
        QTest::newRow("role up at the top stays") << "Text3(0)" << int(Qt::Key_Up) << "Text3(0)";
        QTest::newRow("role down at the bottom stays") << "Text3(6)" << int(Qt::Key_Down) << "Text3(6)";
        QTest::newRow("pension enter") << "Text6(0)" << int(Qt::Key_Return) << "Text6(1)";
        QTest::newRow("pension down") << "Text6(2)" << int(Qt::Key_Down) << "Text6(3)";
        QTest::newRow("pension 3 enter") << "Text6(3)" << int(Qt::Key_Return) << "Text6(4)";
        QTest::newRow("pension 4 up") << "Text6(4)" << int(Qt::Key_Up) << "Text6(3)";
        QTest::newRow("pension 0 up stays") << "Text6(0)" << int(Qt::Key_Up) << "Text6(0)";
    }
    void arrowsAndCtrlMoveAcrossTheBlock()
    {
        QFETCH(QString, from);
        QFETCH(int, key);
        QFETCH(QString, to);
        QWidget *start = child<QWidget>(from);
        start->setFocus();
        QTest::keyClick(start, Qt::Key(key));
        QCOMPARE(test::Focused()->objectName(), to);
    }

    void calendarStillOpensFromTheArrow()
    {
        ui::DatePicker *birth = date(QStringLiteral("DTPicker1(1)"));
        birth->setDate(QDate(1996, 6, 1));
        QTest::mouseClick(test::Child<QWidget>(birth, QStringLiteral("Calendar")), Qt::LeftButton);
        QTRY_VERIFY(birth->calendarWidget()->isVisible());
        QCOMPARE(birth->calendarWidget()->selectedDate(), QDate(1996, 6, 1));
        auto *days = birth->calendarWidget()->findChild<QAbstractItemView *>();
        QTest::keyClick(days, Qt::Key_Right);
        QTest::keyClick(days, Qt::Key_Return);
        QTRY_VERIFY(!birth->calendarWidget()->isVisible());
        QCOMPARE(birth->date(), QDate(1996, 6, 2));
    }

    void ctrlShortcutsWorkInTheHouseholdFields_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("ctrlAlone");
        QTest::newRow("wife's name") << "Text4(1)"
                                     << "Text3(1)";
        QTest::newRow("child's age") << "Text5(2)"
                                     << "DTPicker1(2)";
    }
    void ctrlShortcutsWorkInTheHouseholdFields()
    {
        QFETCH(QString, field);
        QFETCH(QString, ctrlAlone);
        QLineEdit *from = edit(field);
        QLineEdit *to = edit(QStringLiteral("Text4(3)"));
        from->setText(QStringLiteral("花子"));
        from->setFocus();
        QTest::keyClick(from, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(from, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(test::Focused(), from);
        QTest::keyClick(from, Qt::Key_End);
        QTest::keyClick(from, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(from->text(), QStringLiteral("花子花子"));
        QTest::keyClick(from, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(from->text(), QStringLiteral("花子"));
        QCOMPARE(test::Focused(), from);
        QCOMPARE(edit(QStringLiteral("Text3(1)"))->text(), QStringLiteral("妻"));
        to->setFocus();
        QTest::keyClick(to, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(to->text(), QStringLiteral("花子"));
        // Ctrl on its own still moves along the line.
        from->setFocus();
        QTest::keyClick(from, Qt::Key_Control);
        QCOMPARE(test::Focused()->objectName(), ctrlAlone);
    }

    void birthDateArrowsKeepTheDate()
    {
        ui::DatePicker *birth = date(QStringLiteral("DTPicker1(1)"));
        birth->setDate(QDate(1996, 6, 1));
        birth->setFocus();
        QTest::keyClick(birth, Qt::Key_Down);
        QCOMPARE(birth->date(), QDate(1996, 6, 1));
    }

    void wholeBirthDateTypedAfterAnyWayIn_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("typed");
        QTest::newRow("click, digits only") << "click"
                                            << "19830720";
        QTest::newRow("click, with slashes") << "click"
                                             << "1983/07/20";
        QTest::newRow("click on the day, digits") << "click day"
                                                  << "19830720";
        QTest::newRow("enter from the name") << "enter"
                                             << "19830720";
        QTest::newRow("enter, with slashes") << "enter"
                                             << "1983/07/20";
        QTest::newRow("click, one-digit month") << "click"
                                                << "1983/7/20";
    }
    void wholeBirthDateTypedAfterAnyWayIn()
    {
        QFETCH(QString, way);
        QFETCH(QString, typed);
        ui::DatePicker *birth = date(QStringLiteral("DTPicker1(1)"));
        QLineEdit *text = birth;
        if (way == QStringLiteral("enter")) {
            edit(QStringLiteral("Text4(1)"))->setFocus();
            QTest::keyClick(test::Focused(), Qt::Key_Return);
        } else {
            edit(QStringLiteral("Text4(1)"))->setFocus();
            const int x = way == QStringLiteral("click day") ? text->width() - 30 : 12;
            QTest::mouseClick(text, Qt::LeftButton, {}, QPoint(x, text->height() / 2));
        }
        QCOMPARE(test::Focused(), birth);
        QTest::keyClicks(birth, typed);
        QCOMPARE(birth->date(), QDate(1983, 7, 20));
        // Leaving the picker enters the age from the date typed.
        QTest::keyClick(birth, Qt::Key_Return);
        QCOMPARE(edit(QStringLiteral("Text5(1)"))->text(), QStringLiteral("43"));
    }

    void onlyTheMonthFieldsAreFiltered()
    {
        for (int i = 0; i < 6; ++i) {
            QLineEdit *field = edit(QStringLiteral("Text6(%1)").arg(i));
            field->clear();
            QTest::keyClicks(field, QStringLiteral("1a2"));
            QCOMPARE(field->text(), i <= 3 ? QStringLiteral("12") : QStringLiteral("1a2"));
        }
    }

    void leavingABirthDateFillsTheAge()
    {
        ui::DatePicker *child1 = date(QStringLiteral("DTPicker1(2)"));
        child1->setFocus();
        child1->setDate(QDate(2020, 12, 9));
        edit(QStringLiteral("Text4(0)"))->setFocus();
        QCOMPARE(edit(QStringLiteral("Text5(2)"))->text(), QStringLiteral("6"));
        QVERIFY(child<QCheckBox>(QStringLiteral("Check2(2)"))->isChecked());

        // A birth date on the reference date changes nothing.
        ui::DatePicker *child2 = date(QStringLiteral("DTPicker1(3)"));
        child2->setFocus();
        child2->setDate(kToday);
        edit(QStringLiteral("Text4(0)"))->setFocus();
        QCOMPARE(edit(QStringLiteral("Text5(3)"))->text(), QString());
        QVERIFY(!child<QCheckBox>(QStringLiteral("Check2(3)"))->isChecked());
    }

    void membershipShowsTheWidowsChoice()
    {
        QTest::mouseClick(child<QRadioButton>(QStringLiteral("Option1(0)")), Qt::LeftButton);
        QVERIFY(child<QWidget>(QStringLiteral("ChoicePanel"))->isVisible());
        QTest::mouseClick(child<QRadioButton>(QStringLiteral("Option1(1)")), Qt::LeftButton);
        QVERIFY(!child<QWidget>(QStringLiteral("ChoicePanel"))->isVisible());
    }

    void calculationShowsTheEnginesFigures()
    {
        QAbstractItemModelTester tester(&schedule(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        typeWorkedExample();
        // Enter from the last figure of the record to 年金計算, and Enter
        // presses it.
        edit(QStringLiteral("Text6(4)"))->setFocus();
        QTest::keyClick(test::Focused(), Qt::Key_Return);
        QTest::keyClick(test::Focused(), Qt::Key_Return);
        QVERIFY(m_seams->messages->shown.isEmpty());
        // The short requirement after the 2004 reform, paid for life.
        QCOMPARE(slot(engine::BenefitSlots::EmployeesPensionAmount), QStringLiteral("477800"));
        QCOMPARE(slot(engine::BenefitSlots::EmployeesPensionFirstAge), QStringLiteral("30"));
        QCOMPARE(slot(engine::BenefitSlots::EmployeesPensionLastAge), QStringLiteral("0"));
        QCOMPARE(slot(engine::BenefitSlots::BasicPensionAmount), QStringLiteral("1020000"));
        QCOMPARE(child<QLabel>(QStringLiteral("Num3(21)"))->text(), QStringLiteral("477800"));

        // The screen shows exactly what the engine computes for the same form.
        engine::FrmRavoForm form = m_window->form();
        engine::RunPensionCalculation(form, store::ProcessBaseData(), kToday);
        for (int i = 0; i < engine::BenefitSlots::Count; ++i)
            QCOMPARE(slot(i), form.num4[i]);
        // Every formula-panel label sits where the engine's panel table puts it.
        for (int i = 0; i < engine::Num3::Count; ++i)
            QCOMPARE(child<QLabel>(QStringLiteral("Num3(%1)").arg(i))->text(), form.num3[i]);
        const ui::SheetModel &grid = schedule();
        QCOMPARE(grid.rowCount(), 16);
        QCOMPARE(grid.columnCount(), form.schedule.columns());
        for (int r = 0; r < grid.rowCount(); ++r) {
            for (int c = 0; c < grid.columnCount(); ++c)
                QCOMPARE(grid.cell(r, c), form.schedule.cell(r, c));
        }
        QCOMPARE(grid.cell(14, 0), QStringLiteral("合計"));

        click(QStringLiteral("cmdShowSheet"));
        auto *view = child<ui::SheetView>(QStringLiteral("MSFlexGrid1"));
        QVERIFY(view->isVisible());
        click(QStringLiteral("cmdHideSheet"));
        QVERIFY(!view->isVisible());
    }

    void scheduleFitsTheLaptopAndReadsLikeATable_data()
    {
        QTest::addColumn<QString>("wifeAge");
        QTest::addColumn<QString>("membership");
        QTest::newRow("wife 30, employees' member") << "30"
                                                    << "Option1(1)";
        // The choice panel makes the inputs taller.
        QTest::newRow("wife 30, national member") << "30"
                                                  << "Option1(0)";
        QTest::newRow("wife 59: nine years") << "59"
                                             << "Option1(1)";
    }
    void scheduleFitsTheLaptopAndReadsLikeATable()
    {
        QFETCH(QString, wifeAge);
        QFETCH(QString, membership);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(screen.size(), QSize(1366, 768));
        typeWorkedExample();
        edit(QStringLiteral("Text5(1)"))->setText(wifeAge);
        QTest::mouseClick(child<QRadioButton>(membership), Qt::LeftButton);
        click(QStringLiteral("cmdCalculate"));
        click(QStringLiteral("cmdShowSheet"));
        QVERIFY(screen.contains(m_window->frameGeometry()));

        auto *view = child<ui::SheetView>(QStringLiteral("MSFlexGrid1"));
        QTRY_VERIFY(view->isVisible() && view->viewport()->height() > 0);
        // The view leaves out row 0, the untitled row of zeros and the three
        // empty columns; the model still has them, as the engine has.
        const QAbstractItemModel &shown = *view->model();
        QCOMPARE(shown.rowCount(), 14);
        QCOMPARE(shown.columnCount(), m_window->form().schedule.lastYearColumn() + 1);
        QCOMPARE(shown.index(0, 0).data().toString(), QStringLiteral("妻年齢"));
        QCOMPARE(shown.index(13, 0).data().toString(), QStringLiteral("合計"));
        QCOMPARE(shown.index(13, shown.columnCount() - 1).data().toString(),
                 m_window->form().schedule.cell(engine::ScheduleRow::Total, shown.columnCount() - 1));
        // 合計 is whole above the scroll bar.
        const QRect total = view->visualRect(shown.index(13, 1));
        QVERIFY(total.top() >= 0 && total.bottom() < view->viewport()->height());

        // Scrolled to the last year, the labels still stand at the left.
        view->horizontalScrollBar()->setValue(view->horizontalScrollBar()->maximum());
        QTableView *labels = view->labelColumn();
        QVERIFY(labels->isVisible());
        QCOMPARE(labels->geometry().left(), view->frameWidth());
        QCOMPARE(labels->indexAt(QPoint(5, total.center().y())).data().toString(), QStringLiteral("合計"));
        if (view->horizontalScrollBar()->maximum() > 0)
            QVERIFY(view->indexAt(QPoint(labels->width() + 5, total.center().y())).column() > 1);
    }

    void checksStopWithTheirMessage_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("focus");
        QTest::newRow("not a number") << "Text6(4)"
                                      << "12a"
                                      << "数値を入れて下さい"
                                      << "エラー"
                                      << "Text6(4)";
        QTest::newRow("grouped remuneration") << "Text6(4)"
                                              << "400,000"
                                              << "数値を入れて下さい"
                                              << "エラー"
                                              << "Text6(4)";
        QTest::newRow("wife's age negative") << "Text5(1)"
                                             << "-30000"
                                             << "妻の年齢を入力して下さい"
                                             << "入力エラー"
                                             << "Text5(1)";
        QTest::newRow("wife too old") << "Text5(1)"
                                      << "60"
                                      << "妻の年齢が60歳未満の場合のみ対応しています。"
                                      << "年齢制限"
                                      << "";
        QTest::newRow("no pension data") << "Text6(1)"
                                         << "0"
                                         << "年金関連のデータを入れてください"
                                         << "入力エラー"
                                         << "";
    }
    void checksStopWithTheirMessage()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, text);
        QFETCH(QString, title);
        QFETCH(QString, focus);
        typeWorkedExample();
        click(QStringLiteral("cmdCalculate"));
        const QString before = slot(engine::BenefitSlots::EmployeesPensionAmount);
        if (field == QStringLiteral("Text6(1)")) {
            for (int i = 0; i <= 4; ++i)
                edit(QStringLiteral("Text6(%1)").arg(i))->setText(QStringLiteral("0"));
        } else {
            edit(field)->setText(value);
        }
        click(QStringLiteral("cmdCalculate"));
        QCOMPARE(m_seams->messages->shown.size(), 1);
        const engine::Message &m = m_seams->messages->shown.first().message;
        QCOMPARE(m.text, text);
        QCOMPARE(m.title, title);
        QCOMPARE(m.icon, engine::MessageIcon::Warning);
        // Nothing on screen is cleared by a refused calculation.
        QCOMPARE(slot(engine::BenefitSlots::EmployeesPensionAmount), before);
        if (!focus.isEmpty()) {
            QCOMPARE(test::Focused(), edit(focus));
            QCOMPARE(edit(focus)->selectedText(), value);
        }
    }

    void clearingTheHouseholdKeepsTheRecordAndResults()
    {
        typeWorkedExample();
        edit(QStringLiteral("Text4(0)"))->setText(QStringLiteral("山田太郎"));
        click(QStringLiteral("cmdCalculate"));
        click(QStringLiteral("cmdAC"));
        QCOMPARE(edit(QStringLiteral("Text4(0)"))->text(), QString());
        QCOMPARE(edit(QStringLiteral("Text5(1)"))->text(), QStringLiteral("0"));
        QVERIFY(!child<QCheckBox>(QStringLiteral("Check2(2)"))->isChecked());
        QCOMPARE(date(QStringLiteral("DTPicker1(0)"))->date(), kToday);
        QCOMPARE(edit(QStringLiteral("Text6(2)"))->text(), QStringLiteral("300000"));
        QCOMPARE(slot(engine::BenefitSlots::EmployeesPensionAmount), QStringLiteral("477800"));
    }

    // A CE button under a household column takes no focus: the field the
    // agent stands in keeps its selection, so the next figure replaces it.
    void clearingAColumnKeepsTheSelection_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("focused");
        QTest::addColumn<QString>("cleared");
        QTest::addColumn<QString>("clearedText");
        QTest::newRow("names, in 夫's age") << 0 << "Text5(0)"
                                            << "Text4(0)"
                                            << "";
        QTest::newRow("birth dates, in 妻's name") << 1 << "Text4(1)"
                                                   << "DTPicker1(1)"
                                                   << "2026/12/08";
        QTest::newRow("ages, in 子1's role") << 2 << "Text3(2)"
                                             << "Text5(2)"
                                             << "0";
    }
    void clearingAColumnKeepsTheSelection()
    {
        QFETCH(int, column);
        QFETCH(QString, focused);
        QFETCH(QString, cleared);
        QFETCH(QString, clearedText);
        for (int person = 0; person < ui::HouseholdPanel::kCount; ++person) {
            edit(QStringLiteral("Text4(%1)").arg(person))->setText(QStringLiteral("山田"));
            date(QStringLiteral("DTPicker1(%1)").arg(person))->setDate(QDate(1990, 1, 1));
            edit(QStringLiteral("Text5(%1)").arg(person))->setText(QStringLiteral("36"));
        }
        QLineEdit *field = edit(focused);
        const QString before = field->text();
        field->setFocus(Qt::TabFocusReason);
        field->selectAll();
        click(QStringLiteral("HouseholdCE(%1)").arg(column));
        QCOMPARE(edit(cleared)->text(), clearedText);
        QCOMPARE(test::Focused(), field);
        QCOMPARE(field->selectedText(), before);
        QTest::keyClicks(field, QStringLiteral("5"));
        QCOMPARE(field->text(), QStringLiteral("5"));
    }

    void pensionClearsTouchOnlyTheirFields()
    {
        typeWorkedExample();
        edit(QStringLiteral("Text6(0)"))->setText(QStringLiteral("100"));
        click(QStringLiteral("CommandCE1"));
        QCOMPARE(edit(QStringLiteral("Text6(0)"))->text(), QStringLiteral("0"));
        QCOMPARE(edit(QStringLiteral("Text6(1)"))->text(), QStringLiteral("120"));
        click(QStringLiteral("CommandCE2"));
        for (int i = 1; i <= 4; ++i)
            QCOMPARE(edit(QStringLiteral("Text6(%1)").arg(i))->text(), QStringLiteral("0"));
        QCOMPARE(edit(QStringLiteral("Text6(5)"))->text(), QStringLiteral("0.985"));
    }

    void monthCalculatorsFillTheirFields()
    {
        date(QStringLiteral("DTPicker2(1)"))->setDate(QDate(1990, 4, 1));
        click(QStringLiteral("Command9"));
        QCOMPARE(edit(QStringLiteral("Text6(1)"))->text(), QStringLiteral("155"));
        date(QStringLiteral("DTPicker2(2)"))->setDate(QDate(2008, 4, 1));
        click(QStringLiteral("Command10"));
        QCOMPARE(edit(QStringLiteral("Text6(3)"))->text(), QStringLiteral("60"));
        date(QStringLiteral("DTPicker2(1)"))->setDate(QDate(2003, 4, 1));
        click(QStringLiteral("Command9"));
        QCOMPARE(m_seams->messages->shown.size(), 1);
        QCOMPARE(m_seams->messages->shown.first().message.text, QStringLiteral("入力した日付が誤りです。"));
        QCOMPARE(edit(QStringLiteral("Text6(1)"))->text(), QStringLiteral("155"));
        click(QStringLiteral("CommandCEOther"));
        QCOMPARE(date(QStringLiteral("DTPicker2(1)"))->date(), kToday);
    }

    void nowResetsTheReferenceDate()
    {
        ui::DatePicker *reference = date(QStringLiteral("DTPicker2(0)"));
        reference->setDate(QDate(2020, 1, 1));
        click(QStringLiteral("CommandNow"));
        QCOMPARE(reference->date(), kToday);
    }

    void clearingResultsWithNoWifeAgeSizesForAgeZero()
    {
        typeWorkedExample();
        click(QStringLiteral("cmdCalculate"));
        edit(QStringLiteral("Text5(1)"))->clear();
        click(QStringLiteral("cmdClearResults"));
        for (int i = 0; i < engine::BenefitSlots::Count; ++i)
            QCOMPARE(slot(i), QStringLiteral("0"));
        const ui::SheetModel &grid = schedule();
        QCOMPARE(grid.columnCount(), 67 + 5);
        QCOMPARE(grid.cell(1, 0), QStringLiteral("妻年齢"));
        QCOMPARE(grid.cell(1, 1), QString());
    }

    void formulaPanelButtonsShowOnePanel()
    {
        for (int i : {2, 1, 3, 0}) {
            click(QStringLiteral("cmdPanel(%1)").arg(i));
            QCOMPARE(shownFormulaPanel(), QStringLiteral("FormulaPanel(%1)").arg(i));
            for (int j = 0; j < 4; ++j)
                QCOMPARE(child<QWidget>(QStringLiteral("FormulaPanel(%1)").arg(j))->isVisible(), i == j);
        }
    }

    void referenceTabsStartAtTheirFirstPanel()
    {
        auto *tabs = child<QTabWidget>(QStringLiteral("SSTab1"));
        tabs->setCurrentIndex(1);
        click(QStringLiteral("BasicButton2"));
        QVERIFY(child<QWidget>(QStringLiteral("BasicPanel2"))->isVisible());
        tabs->setCurrentIndex(0);
        tabs->setCurrentIndex(1);
        QVERIFY(child<QWidget>(QStringLiteral("BasicPanel0"))->isVisible());
        tabs->setCurrentIndex(2);
        click(QStringLiteral("EmployeesButton2"));
        // The table of the transitional addition comes from the rule itself.
        const auto *panel = child<QWidget>(QStringLiteral("EmployeesPanel2"));
        QVERIFY(panel->isVisible());
    }

    void printAskedAndAnsweredNo()
    {
        QTest::mouseClick(child<QLabel>(QStringLiteral("Picture1")), Qt::LeftButton);
        QCOMPARE(m_seams->messages->shown.size(), 1);
        QVERIFY(m_seams->printer->jobs.isEmpty());
        m_seams->messages->answers = {ui::Answer::Yes};
        QTest::mouseClick(child<QLabel>(QStringLiteral("Picture1")), Qt::LeftButton);
        QCOMPARE(m_seams->printer->jobs.size(), 1);
        QCOMPARE(m_seams->printer->jobs.first().orientation, ui::PageOrientation::Landscape);
    }

    void savedPdfIsSmallAndSearchable()
    {
        typeWorkedExample();
        click(QStringLiteral("cmdCalculate"));
        click(QStringLiteral("cmdShowSheet"));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("遺族年金_2026-12-08.pdf"));
        QVERIFY(ui::PrintWindowToPdf(m_window.get(), ui::PageOrientation::Landscape, path));
        QVERIFY(QFileInfo(path).size() < 500 * 1024);
        const QString text = test::PdfText(path);
        for (const QString &caption :
             {QStringLiteral("遺族年金計算シート"), QStringLiteral("年金計算"), QStringLiteral("遺族厚生年金"),
              QStringLiteral("合計"), QStringLiteral("1497800"), QStringLiteral("477800")})
            QVERIFY2(text.contains(caption), qPrintable(caption));
        // Drawn, not photographed: at most the small pictures of the window.
        for (const QSize &image : test::PdfImages(path))
            QVERIFY(image.width() * image.height() < 100 * 100);
    }

    void closingHidesAndKeepsEverything()
    {
        ui::WindowRegistry &registry = *m_registry;
        auto *window = qobject_cast<ui::FrmRavo *>(registry.show(ui::screen::Pension));
        QVERIFY(window);
        window->findChild<QLineEdit *>(QStringLiteral("Text4(0)"))->setText(QStringLiteral("山田太郎"));
        QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("cmdClose")), Qt::LeftButton);
        QVERIFY(!window->isVisible());
        QCOMPARE(registry.show(ui::screen::Pension), window);
        QCOMPARE(window->findChild<QLineEdit *>(QStringLiteral("Text4(0)"))->text(), QStringLiteral("山田太郎"));
        registry.destroyAll();
    }

    // 必要補償額算出: Yes carries the family, the membership and the pension
    // record over to the needs-analysis screen; No opens it as it was.
    void needsScreenTakesTheHousehold_data()
    {
        QTest::addColumn<ui::Answer>("answer");
        QTest::newRow("Yes") << ui::Answer::Yes;
        QTest::newRow("No") << ui::Answer::No;
    }
    void needsScreenTakesTheHousehold()
    {
        QFETCH(ui::Answer, answer);
        typeWorkedExample();
        edit(QStringLiteral("Text4(0)"))->setText(QStringLiteral("山田一郎"));
        child<QCheckBox>(QStringLiteral("Check1(2)"))->setChecked(true);
        child<QRadioButton>(QStringLiteral("Option1(0)"))->setChecked(true);
        date(QStringLiteral("DTPicker2(1)"))->setDate(QDate(1990, 4, 1));
        m_seams->messages->answers = {answer};
        click(QStringLiteral("cmdNeeds"));
        QCOMPARE(m_seams->messages->shown.size(), 1);
        QCOMPARE(m_seams->messages->shown.first().message.text,
                 QStringLiteral("入力した家族と年金加入記録を必要補償額の画面に写しますか？"));
        auto *needs = qobject_cast<ui::Frmhoken *>(m_registry->existing(ui::screen::Needs));
        QVERIFY(needs && needs->isVisible());
        const engine::FrmRavoForm &pension = m_window->form();
        const engine::FrmhokenForm &carried = needs->form();
        if (answer == ui::Answer::No) {
            QCOMPARE(carried.household.members[0].name, QString());
            QCOMPARE(carried.option1, engine::Membership::Employee);
            QVERIFY(carried.date2[engine::HokenDate2::CompanyEntry] != QDate(1990, 4, 1));
            m_registry->destroyAll();
            return;
        }
        for (int i = 0; i < engine::HouseholdIndex::Count; ++i) {
            const engine::HouseholdMember &from = pension.household.members[i];
            const engine::HouseholdMember &to = carried.household.members[i];
            QCOMPARE(to.name, from.name);
            QCOMPARE(to.birth, from.birth);
            QCOMPARE(to.age, from.age);
            QCOMPARE(to.present, from.present);
            QCOMPARE(to.disabled, from.disabled);
        }
        QCOMPARE(carried.household.members[0].name, QStringLiteral("山田一郎"));
        QVERIFY(carried.household.members[engine::HouseholdIndex::Child1].disabled);
        QCOMPARE(carried.option1, engine::Membership::National);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(carried.num1(engine::HokenNum1::NationalMonths + i), pension.text6[i]);
        QCOMPARE(carried.date2[engine::HokenDate2::CompanyEntry], QDate(1990, 4, 1));
        QCOMPARE(carried.date2[engine::HokenDate2::BaseDate], kToday);
        m_registry->destroyAll();
    }

    void eraTableOpensOnce()
    {
        click(QStringLiteral("cmdEra"));
        click(QStringLiteral("cmdEra"));
        QWidget *era = m_registry->existing(ui::screen::EraTable);
        QVERIFY(era && era->isVisible());
        QCOMPARE(era->windowTitle(), QStringLiteral("西暦/和暦"));
        QCOMPARE(QApplication::topLevelWidgets().count(era), 1);
        m_registry->destroyAll();
    }
};

IZOKU_TEST_MAIN(TestFrmRavo)
#include "tst_frmravo.moc"
