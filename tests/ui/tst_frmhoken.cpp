#include "testday.h"
#include "ui/app/datepicker.h"
#include "ui/needs/frmhoken.h"

#include "engine/needs/basecalculation.h"
#include "engine/needs/deathyears.h"
#include "engine/needs/frmhokenbuttons.h"
#include "engine/needs/projectioncsv.h"
#include "engine/report/consultationreport.h"
#include "store/database.h"
#include "testkit.h"
#include "ui/app/screens.h"
#include "ui/app/windowregistry.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <span>

using namespace izoku;
using engine::HokenNum1;

namespace {

using izoku::test::kToday;

QString num1(int slot)
{
    return QStringLiteral("Num1(%1)").arg(slot);
}

QString num4(int slot)
{
    return QStringLiteral("Num4(%1)").arg(slot);
}

// The husband's record, the family's income and expenses (Num1 slot, text).
const QList<QPair<int, QString>> kRecord = {{8, "96"},   {9, "310000"}, {10, "180"},     {11, "420000"},
                                            {16, "32"},  {14, "40"},    {51, "1200000"}, {22, "22"},
                                            {23, "100"}, {26, "10"},    {27, "200"},     {49, "5000000"}};

// What the opening shows in Num1 7..61 ("" for an empty field).
QStringList openingNum1()
{
    QStringList texts;
    for (int slot = 0; slot < HokenNum1::kCount; ++slot)
        texts << QString();
    for (int slot :
         {7, 8, 9, 10, 11, 13, 16, 22, 23, 24, 25, 26, 27, 28, 30, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51})
        texts[slot] = QStringLiteral("0");
    texts[12] = QStringLiteral("0.981");
    texts[15] = QStringLiteral("50");
    texts[17] = QStringLiteral("53");
    texts[18] = QStringLiteral("33");
    texts[19] = QStringLiteral("47");
    texts[20] = QStringLiteral("52");
    texts[21] = QStringLiteral("132");
    texts[52] = QStringLiteral("780100");
    return texts;
}

} // namespace

class TestFrmhoken : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Seams> m_seams;
    std::unique_ptr<ui::WindowRegistry> m_registry;
    ui::Frmhoken *m_window = nullptr;

    template <typename T> T *child(const QString &name) const { return test::Child<T>(m_window, name); }
    QLineEdit *edit(const QString &name) const { return child<QLineEdit>(name); }
    ui::DatePicker *date(const QString &name) const { return child<ui::DatePicker>(name); }
    QPushButton *button(const QString &name) const { return child<QPushButton>(name); }
    void click(const QString &name) const { QTest::mouseClick(button(name), Qt::LeftButton); }
    QString text(const QString &name) const { return edit(name)->text(); }

    // Types into a field the way the agent does: focus, select all, keys.
    void type(const QString &name, const QString &value) const
    {
        QLineEdit *field = edit(name);
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, value);
    }

    // A salaried husband of 40 with a wife and two children, his record,
    // the family's living costs and one term policy.
    void typeHousehold(const QString &wifeAge, bool children) const
    {
        type(num1(0), QStringLiteral("40"));
        type(num1(1), wifeAge);
        date(QStringLiteral("Date1(0)"))->setDate(QDate(1986, 5, 1));
        date(QStringLiteral("Date1(1)"))->setDate(QDate(1992, 9, 1));
        if (children) {
            type(num1(2), QStringLiteral("3"));
            type(num1(3), QStringLiteral("7"));
            child<QCheckBox>(QStringLiteral("Check2(2)"))->setChecked(true);
            child<QCheckBox>(QStringLiteral("Check2(3)"))->setChecked(true);
        }
        for (const auto &[slot, value] : kRecord)
            type(num1(slot), value);
        type(num4(0), QStringLiteral("40"));
        type(num4(1), QStringLiteral("60"));
        type(num4(2), QStringLiteral("2000"));
    }

    // The same household straight on the engine's form.
    engine::FrmhokenForm engineForm(const QString &wifeAge, bool children) const
    {
        engine::FrmhokenForm form;
        engine::OpenFrmhoken(form, store::ProcessBaseData(), kToday);
        form.num1(0) = QStringLiteral("40");
        form.num1(1) = wifeAge;
        form.household.members[0].birth = QDate(1986, 5, 1);
        form.household.members[1].birth = QDate(1992, 9, 1);
        if (children) {
            form.num1(2) = QStringLiteral("3");
            form.num1(3) = QStringLiteral("7");
            form.household.members[2].present = form.household.members[3].present = true;
        }
        for (const auto &[slot, value] : kRecord)
            form.num1(slot) = value;
        form.num4[0] = QStringLiteral("40");
        form.num4[1] = QStringLiteral("60");
        form.num4[2] = QStringLiteral("2000");
        return form;
    }

    void pressKey(const QString &from, Qt::Key key) const
    {
        QWidget *start = child<QWidget>(from);
        start->setFocus();
        QTest::keyClick(start, key);
    }

  private slots:
    void init()
    {
        m_seams = std::make_unique<test::Seams>();
        store::ProcessBaseData() = engine::kBaseData2009;
        store::ProcessBaseData().SlideRate = 0.981;
        store::ProcessBaseData().BasicPensionAmount = 780100;
        m_registry = std::make_unique<ui::WindowRegistry>();
        ui::RegisterScreens(*m_registry);
        m_registry->add(
            ui::screen::Needs, [this] { return new ui::Frmhoken(*m_registry, izoku::test::FixedClock); },
            ui::OnClose::Hide);
        m_window = qobject_cast<ui::Frmhoken *>(m_registry->show(ui::screen::Needs));
        QVERIFY(m_window);
        QVERIFY(QTest::qWaitForWindowActive(m_window));
    }
    void cleanup()
    {
        m_registry.reset();
        m_seams.reset();
    }

    void opensReadyForANewHousehold()
    {
        QCOMPARE(m_window->windowTitle(), QStringLiteral("保険診断　（　必要補償額の算出と加入生命保険の登録　）"));
        const QStringList expected = openingNum1();
        for (int slot = 0; slot < HokenNum1::kCount; ++slot)
            QCOMPARE(text(num1(slot)), expected[slot]);
        for (int slot = 0; slot < engine::HokenNum4::kCount; ++slot)
            QCOMPARE(text(num4(slot)), slot == 13 ? QStringLiteral("64") : QStringLiteral("0"));
        for (int i = 0; i < 7; ++i) {
            QCOMPARE(date(QStringLiteral("Date1(%1)").arg(i))->date(), kToday);
            QCOMPARE(text(QStringLiteral("Fmt4(%1)").arg(i)), engine::Household::DefaultRole(i));
            QCOMPARE(text(QStringLiteral("Fmt1(%1)").arg(i)), QString());
        }
        for (int i = 0; i < 5; ++i)
            QCOMPARE(date(QStringLiteral("Date2(%1)").arg(i))->date(), kToday);
        QCOMPARE(m_window->form().list7.size(), 60);
        QVERIFY(child<QRadioButton>(QStringLiteral("Option1(1)"))->isChecked());
        QVERIFY(child<QRadioButton>(QStringLiteral("Option2"))->isChecked());
        QVERIFY(child<QRadioButton>(QStringLiteral("Option5"))->isChecked());
        QVERIFY(!child<QWidget>(QStringLiteral("Picture3"))->isVisible());
        QVERIFY(!child<QTableView>(QStringLiteral("MSFlexGrid1"))->isVisible());
        QVERIFY(child<QWidget>(QStringLiteral("Picture8"))->isVisible());
        // The charts and the reference windows open from here; saving needs
        // the program's own store, which this window was not given.
        for (const char *name :
             {"cmdCoverageChart", "cmdPensionChart", "cmdCashFlowChart", "Command23", "Command24", "Command33"})
            QVERIFY2(button(QString::fromLatin1(name))->isEnabled(), name);
        QVERIFY(!button(QStringLiteral("cmdSave"))->isEnabled());
        QVERIFY(button(QStringLiteral("Command35"))->isEnabled());
        // It fits a laptop screen and stands centred on it.
        const QRect area = m_window->screen()->availableGeometry();
        QVERIFY(area.contains(m_window->frameGeometry()));
    }

    // The agent's whole household, from the opening to the results, with
    // the figures typed and Enter alone: every field Enter reaches is the
    // next one of the walk, and Enter presses 基礎計算 twice.
    void enterAloneFillsTheScreenAndCalculates()
    {
        QCOMPARE(test::Focused(), edit(QStringLiteral("Fmt1(0)")));
        const QString none;
        QList<QPair<QString, QString>> walk = {{"Fmt1(0)", none}, {"Date1(0)", "19860501"}, {num1(0), "40"},
                                               {"Fmt4(1)", none}, {"Fmt1(1)", none},        {"Date1(1)", "19920901"},
                                               {num1(1), "36"}};
        const char *births[] = {"20230601", "20190402", "", "", ""};
        for (int child = 0; child < HokenNum1::kChildren; ++child) {
            const int line = engine::HouseholdIndex::Child1 + child;
            walk.append({{QStringLiteral("Fmt4(%1)").arg(line), none},
                         {QStringLiteral("Fmt1(%1)").arg(line), none},
                         {QStringLiteral("Date1(%1)").arg(line), QString::fromLatin1(births[child])},
                         {num1(line), none}});
        }
        QMap<int, QString> typed;
        for (const auto &[slot, value] : kRecord)
            typed[slot] = value;
        for (int slot : {7, 8, 9, 10, 11, 49, 50, 14, 15, 51, 52, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27})
            walk.append({num1(slot), typed.value(slot)});
        walk.append({{"Fmt3(0)", none}, {"Fmt3(1)", none}});
        const QStringList policy = {"40", "60", "2000"};
        for (int slot = 0; slot <= engine::HokenNum4::WholeLife2Amount; ++slot)
            walk.append({num4(slot), slot < policy.size() ? policy[slot] : none});
        // Ctrl steps back along the walk, and Enter on again.
        QString previous;
        for (const auto &[field, value] : walk) {
            QCOMPARE(test::Focused()->objectName(), field);
            if (!previous.isEmpty()) {
                QTest::keyClick(test::Focused(), Qt::Key_Control);
                QCOMPARE(test::Focused()->objectName(), previous);
                QTest::keyClick(test::Focused(), Qt::Key_Return);
            }
            QTest::keyClicks(test::Focused(), value);
            QTest::keyClick(test::Focused(), Qt::Key_Return);
            previous = field;
        }
        QCOMPARE(test::Focused(), button(QStringLiteral("cmdBase")));
        QTest::keyClick(test::Focused(), Qt::Key_Return);
        QTest::keyClick(test::Focused(), Qt::Key_Return);
        QVERIFY(m_seams->messages->shown.isEmpty());

        engine::FrmhokenForm expected = engineForm(QStringLiteral("36"), true);
        expected.household.members[engine::HouseholdIndex::Child1].birth = QDate(2023, 6, 1);
        expected.household.members[engine::HouseholdIndex::Child2].birth = QDate(2019, 4, 2);
        QVERIFY(engine::RunBaseCalculation(expected, store::ProcessBaseData(), kToday).messages.empty());
        for (int slot = 0; slot < HokenNum1::kCount; ++slot)
            QCOMPARE(text(num1(slot)), expected.num1(slot));
    }

    // On every screen the agent uses (the build runs this test on several):
    // Sheet表示 brings the sheet into view and Sheet閉じる goes back, 計算過程
    // shows its whole width in the window as it is, and the last expense
    // row stands clear of the button row.
    void sheetAndProcessShowOnTheScreen()
    {
        auto *scroll = child<QScrollArea>(QStringLiteral("FormScroll"));
        QWidget *viewport = scroll->viewport();
        const auto shown = [viewport](const QWidget *w) {
            return viewport->rect().contains(QRect(w->mapTo(viewport, QPoint(0, 0)), w->size()));
        };
        auto *sheet = child<QTableView>(QStringLiteral("MSFlexGrid1"));
        click(QStringLiteral("cmdShowSheet"));
        QVERIFY(shown(sheet));
        QVERIFY(m_window->screen()->availableGeometry().contains(m_window->frameGeometry()));
        click(QStringLiteral("cmdHideSheet"));
        QCOMPARE(scroll->verticalScrollBar()->value(), 0);

        const QSize size = m_window->size();
        click(QStringLiteral("cmdProcess"));
        QCOMPARE(m_window->size(), size);
        QVERIFY(!scroll->horizontalScrollBar()->isVisible());
        for (const QString &name : {QStringLiteral("Command34"), QStringLiteral("Num3(21)")}) {
            const QWidget *w = child<QWidget>(name);
            QVERIFY2(w->mapTo(viewport, QPoint(w->width(), 0)).x() <= viewport->width(), qPrintable(name));
        }
        click(QStringLiteral("Command34"));

        scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum());
        QVERIFY(shown(edit(num1(HokenNum1::Funeral))));
    }

    void keysMoveAlongTheTables_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("to");
        QTest::newRow("last child's age: Enter into the record") << num1(6) << int(Qt::Key_Return) << num1(7);
        QTest::newRow("national months: Ctrl back to the last age") << num1(7) << int(Qt::Key_Control) << num1(6);
        QTest::newRow("slide rate: Enter stays") << num1(12) << int(Qt::Key_Return) << num1(12);
        QTest::newRow("last policy: Enter to the base calculation") << num4(12) << int(Qt::Key_Return) << "cmdBase";
        QTest::newRow("company: Enter to the product") << "Fmt3(0)" << int(Qt::Key_Return) << "Fmt3(1)";
        QTest::newRow("product: Enter to the first policy") << "Fmt3(1)" << int(Qt::Key_Return) << num4(0);
        QTest::newRow("first policy: Ctrl back to the product") << num4(0) << int(Qt::Key_Control) << "Fmt3(1)";
        QTest::newRow("reference age: Enter to the comparison")
            << num4(13) << int(Qt::Key_Return) << "cmdCoverageChart";
        QTest::newRow("remuneration: Ctrl back to the months") << num1(9) << int(Qt::Key_Control) << num1(8);
        QTest::newRow("death benefit: Ctrl back to the record") << num1(49) << int(Qt::Key_Control) << num1(11);
        QTest::newRow("wife's work: Ctrl back to the savings") << num1(14) << int(Qt::Key_Control) << num1(50);
        QTest::newRow("record: Enter to the death benefit") << num1(11) << int(Qt::Key_Return) << num1(49);
        QTest::newRow("kindergarten: Ctrl back to the living cost") << num1(17) << int(Qt::Key_Control) << num1(16);
        QTest::newRow("company: Ctrl back to the funeral") << "Fmt3(0)" << int(Qt::Key_Control) << num1(27);
        QTest::newRow("child's role: Ctrl back to the age above") << "Fmt4(3)" << int(Qt::Key_Control) << num1(2);
        QTest::newRow("age: Ctrl to the birth date") << num1(3) << int(Qt::Key_Control) << "Date1(3)";
        QTest::newRow("name: Left to the role") << "Fmt1(4)" << int(Qt::Key_Left) << "Fmt4(4)";
        QTest::newRow("birth date: Ctrl to the name") << "Date1(2)" << int(Qt::Key_Control) << "Fmt1(2)";
        QTest::newRow("role: Up at the top stays") << "Fmt4(0)" << int(Qt::Key_Up) << "Fmt4(0)";
        QTest::newRow("salaried: Enter from the national months into the employees' months")
            << num1(7) << int(Qt::Key_Return) << num1(8);
        QTest::newRow("employees' months: Enter to the remuneration") << num1(8) << int(Qt::Key_Return) << num1(9);
        QTest::newRow("period months: Down to the benefits") << num1(13) << int(Qt::Key_Down) << num1(54);
        QTest::newRow("funeral: Enter to the insurance held") << num1(27) << int(Qt::Key_Return) << "Fmt3(0)";
        QTest::newRow("living cost: Up to the old-age pension") << num1(16) << int(Qt::Key_Up) << num1(52);
        QTest::newRow("basic phase 2 to: Left") << num1(34) << int(Qt::Key_Left) << num1(33);
        QTest::newRow("term 3 amount: Down to whole life 2") << num4(8) << int(Qt::Key_Down) << num4(11);
        QTest::newRow("whole life 1: Right to its amount") << num4(9) << int(Qt::Key_Right) << num4(10);
    }
    void keysMoveAlongTheTables()
    {
        QFETCH(QString, from);
        QFETCH(int, key);
        QFETCH(QString, to);
        pressKey(from, Qt::Key(key));
        QCOMPARE(test::Focused()->objectName(), to);
    }

    void enterWalksARowAndDownTheIncomeBlock()
    {
        const QStringList row = {"Fmt4(2)", "Fmt1(2)", "Date1(2)", num1(2), "Fmt4(3)"};
        child<QWidget>(row.first())->setFocus();
        for (const QString &next : row.mid(1)) {
            QTest::keyClick(test::Focused(), Qt::Key_Return);
            QCOMPARE(test::Focused()->objectName(), next);
        }
        const int income[] = {54, 55, 28, 29, 61, 30, 31, 32, 41, 33, 34, 42, 35, 36, 43, 37, 38, 44,
                              39, 40, 45, 56, 57, 46, 58, 59, 47, 60, 48, 49, 50, 14, 15, 51, 52, 16};
        edit(num1(income[0]))->setFocus();
        for (int slot : std::span(income).subspan(1)) {
            QTest::keyClick(test::Focused(), Qt::Key_Return);
            QCOMPARE(test::Focused()->objectName(), num1(slot));
        }
        // Enter moved the focus and typed nothing.
        QCOMPARE(text(num1(55)), QString());
    }

    void fieldsKeepOnlyWhatTheyAccept_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("kept");
        QTest::newRow("remuneration takes figures") << num1(9) << "1-2.5";
        QTest::newRow("wife's work end age takes anything") << num1(15) << "1a-2.5";
        QTest::newRow("an age takes anything") << num1(1) << "1a-2.5";
        QTest::newRow("a policy takes figures") << num4(4) << "1-2.5";
        QTest::newRow("the chart's reference age takes anything") << num4(13) << "1a-2.5";
    }
    void fieldsKeepOnlyWhatTheyAccept()
    {
        QFETCH(QString, field);
        QFETCH(QString, kept);
        edit(field)->clear();
        QTest::keyClicks(edit(field), QStringLiteral("1a-2.5"));
        QCOMPARE(text(field), kept);
    }

    // Typing after Enter replaces the figure: 50 in 幼稚園's 53 gives 50.
    void typingAfterEnterReplacesTheFigure_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::newRow("幼稚園") << num1(16) << num1(17) << "50";
        QTest::newRow("小学校") << num1(17) << num1(18) << "30";
        QTest::newRow("中学校") << num1(18) << num1(19) << "45";
        QTest::newRow("葬儀費用その他") << num1(26) << num1(27) << "300";
        QTest::newRow("死亡退職金") << num1(48) << num1(49) << "300";
        QTest::newRow("平均標準報酬月額") << num1(8) << num1(9) << "310000";
        QTest::newRow("遺族厚生年金") << num1(53) << num1(28) << "36";
        QTest::newRow("the husband's age") << "Date1(0)" << num1(0) << "40";
    }
    void typingAfterEnterReplacesTheFigure()
    {
        QFETCH(QString, from);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        pressKey(from, Qt::Key_Return);
        QCOMPARE(test::Focused()->objectName(), field);
        QTest::keyClicks(test::Focused(), typed);
        QCOMPARE(text(field), typed);
    }

    void tabFollowsTheForm_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("child's age to 障害") << num1(2) << "Check1(2)";
        QTest::newRow("last 対象 to 年齢計算") << "Check2(6)"
                                               << "Command5";
        QTest::newRow("record to the wife's work") << num1(11) << num1(14);
        QTest::newRow("employees' months to the remuneration") << num1(8) << num1(9);
        QTest::newRow("年齢計算 to the chosen membership only") << "Command5"
                                                                << "Option1(1)";
        QTest::newRow("chosen membership to the national months") << "Option1(1)" << num1(7);
        QTest::newRow("old-age pension to living cost") << num1(52) << num1(16);
        QTest::newRow("funeral to the base calculation") << num1(27) << "cmdBase";
        QTest::newRow("last policy to registration") << num4(12) << "cmdRegister";
    }
    void tabFollowsTheForm()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        pressKey(from, Qt::Key_Tab);
        QCOMPARE(test::Focused()->objectName(), to);
    }

    // A child's birth date ticks 対象 by itself: Tab then passes over the
    // tick, where a Space meant for the next field would undo it.
    void tabPassesOverTheAutomaticTick()
    {
        ui::DatePicker *birth = date(QStringLiteral("Date1(2)"));
        birth->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(birth, QStringLiteral("20230601"));
        for (const char *next : {"Num1(2)", "Check1(2)", "Fmt4(3)"}) {
            QTest::keyClick(test::Focused(), Qt::Key_Tab);
            QCOMPARE(test::Focused()->objectName(), QString::fromLatin1(next));
        }
        QVERIFY(child<QCheckBox>(QStringLiteral("Check2(2)"))->isChecked());
    }

    void leavingABirthDateFillsTheAge()
    {
        ui::DatePicker *child1 = date(QStringLiteral("Date1(2)"));
        child1->setFocus();
        child1->setDate(QDate(2020, 12, 9));
        edit(QStringLiteral("Fmt1(0)"))->setFocus();
        QCOMPARE(text(num1(2)), QStringLiteral("6"));
        QVERIFY(child<QCheckBox>(QStringLiteral("Check2(2)"))->isChecked());
        // A birth date on the base date changes nothing.
        ui::DatePicker *child2 = date(QStringLiteral("Date1(3)"));
        child2->setFocus();
        child2->setDate(kToday);
        edit(QStringLiteral("Fmt1(0)"))->setFocus();
        QCOMPARE(text(num1(3)), QString());
        QVERIFY(!child<QCheckBox>(QStringLiteral("Check2(3)"))->isChecked());
    }

    void clearsTouchOnlyTheirFields_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QList<int>>("num1Cleared");
        QTest::addColumn<QList<int>>("num4Cleared");
        QTest::addColumn<bool>("family");
        QTest::addColumn<bool>("company");
        const QList<int> periods = {7, 8, 9, 10, 11};
        QList<int> income = {14, 54, 55, 56, 57, 58, 59, 61};
        for (int slot = 28; slot <= 51; ++slot)
            income << slot;
        const QList<int> expenses = {16, 22, 23, 24, 25, 26, 27, 53};
        const QList<int> term = {0, 1, 2, 3, 4, 5, 6, 7, 8};
        const QList<int> wholeLife = {9, 10, 11, 12};
        QTest::newRow("入力データ CE") << "Command4" << (periods + QList<int>{13}) << QList<int>() << true << false;
        QTest::newRow("CE periods") << "Command10" << periods << QList<int>() << false << false;
        QTest::newRow("CE income") << "Command11" << income << QList<int>() << false << false;
        QTest::newRow("CE expenses") << "Command12" << expenses << QList<int>() << false << false;
        QTest::newRow("CE company") << "Command13" << QList<int>() << QList<int>() << false << true;
        QTest::newRow("CE term") << "Command14" << QList<int>() << term << false << false;
        QTest::newRow("CE whole life") << "Command15" << QList<int>() << wholeLife << false << false;
        QTest::newRow("AC") << "Command36" << (periods + QList<int>{13} + income + expenses) << (term + wholeLife)
                            << true << true;
    }
    void clearsTouchOnlyTheirFields()
    {
        QFETCH(QString, button);
        QFETCH(QList<int>, num1Cleared);
        QFETCH(QList<int>, num4Cleared);
        QFETCH(bool, family);
        QFETCH(bool, company);
        const QString typed = QStringLiteral("9");
        for (int slot = 0; slot < HokenNum1::kCount; ++slot)
            edit(num1(slot))->setText(typed);
        for (int slot = 0; slot < engine::HokenNum4::kCount; ++slot)
            edit(num4(slot))->setText(typed);
        edit(QStringLiteral("Fmt1(0)"))->setText(QStringLiteral("山田太郎"));
        edit(QStringLiteral("Fmt4(2)"))->setText(QStringLiteral("長男"));
        edit(QStringLiteral("Fmt3(0)"))->setText(QStringLiteral("A生命"));
        child<QCheckBox>(QStringLiteral("Check1(4)"))->setChecked(true);
        date(QStringLiteral("Date1(1)"))->setDate(QDate(1990, 1, 1));
        date(QStringLiteral("Date2(2)"))->setDate(QDate(2010, 1, 1));
        click(button);

        for (int slot = 0; slot < HokenNum1::kCount; ++slot) {
            const bool cleared = num1Cleared.contains(slot) || (family && slot < 7);
            QCOMPARE(text(num1(slot)), cleared ? QStringLiteral("0") : typed);
        }
        for (int slot = 0; slot < engine::HokenNum4::kCount; ++slot)
            QCOMPARE(text(num4(slot)), num4Cleared.contains(slot) ? QStringLiteral("0") : typed);
        QCOMPARE(text(QStringLiteral("Fmt1(0)")), family ? QString() : QStringLiteral("山田太郎"));
        QCOMPARE(text(QStringLiteral("Fmt4(2)")), family ? QStringLiteral("子1") : QStringLiteral("長男"));
        QCOMPARE(child<QCheckBox>(QStringLiteral("Check1(4)"))->isChecked(), !family);
        QCOMPARE(date(QStringLiteral("Date1(1)"))->date(), family ? kToday : QDate(1990, 1, 1));
        QCOMPARE(date(QStringLiteral("Date2(2)"))->date(), family ? kToday : QDate(2010, 1, 1));
        QCOMPARE(text(QStringLiteral("Fmt3(0)")), company ? QString() : QStringLiteral("A生命"));
    }

    void allClearKeepsTheSchoolCosts()
    {
        click(QStringLiteral("Command36"));
        const QStringList costs = {"53", "33", "47", "52", "132"};
        for (int i = 0; i < costs.size(); ++i)
            QCOMPARE(text(num1(HokenNum1::Kindergarten + i)), costs[i]);
    }

    void baseCalculationShowsWhatTheEngineGives_data()
    {
        QTest::addColumn<QString>("wifeAge");
        QTest::addColumn<bool>("children");
        QTest::newRow("wife 36 with two children") << "36" << true;
        QTest::newRow("wife 29 alone: five years") << "29" << false;
        QTest::newRow("wife 30 alone: to the horizon") << "30" << false;
    }
    void baseCalculationShowsWhatTheEngineGives()
    {
        QFETCH(QString, wifeAge);
        QFETCH(bool, children);
        typeHousehold(wifeAge, children);
        click(QStringLiteral("cmdBase"));
        click(QStringLiteral("cmdBase"));
        QVERIFY(m_seams->messages->shown.isEmpty());

        engine::FrmhokenForm expected = engineForm(wifeAge, children);
        QVERIFY(engine::RunBaseCalculation(expected, store::ProcessBaseData(), kToday).messages.empty());
        for (int slot = 0; slot < HokenNum1::kCount; ++slot)
            QCOMPARE(text(num1(slot)), expected.num1(slot));
        for (int slot = 0; slot < engine::HokenNum4::kCount; ++slot)
            QCOMPARE(text(num4(slot)), expected.num4[slot]);
        // The national pension months are Num1(13) on this screen.
        for (int slot = 0; slot < engine::Num3::Count; ++slot) {
            if (slot != engine::Num3::NationalPensionMonths)
                QCOMPARE(child<QLabel>(QStringLiteral("Num3(%1)").arg(slot))->text(), expected.num3[slot]);
        }
        const QAbstractItemModel *sheet = child<QTableView>(QStringLiteral("MSFlexGrid1"))->model();
        QCOMPARE(sheet->rowCount(), 50);
        QCOMPARE(sheet->columnCount(), expected.sheet.columnCount());
        for (int r = 0; r < sheet->rowCount(); ++r) {
            for (int c = 0; c < sheet->columnCount(); ++c)
                QCOMPARE(sheet->index(r, c).data().toString(), expected.sheet.text(r, c));
        }

        // A widow under 30 without a child draws the survivors' employees'
        // pension for five years; from 30 on, to the end of the horizon.
        const int wife = wifeAge.toInt();
        const int lastAge = children || wife >= 30 ? wife + text(num1(HokenNum1::LifeExpectancy)).toInt() : wife + 4;
        QCOMPARE(text(num1(HokenNum1::EmployeesPensionTo)), QString::number(lastAge));

        click(QStringLiteral("cmdShowSheet"));
        QVERIFY(child<QTableView>(QStringLiteral("MSFlexGrid1"))->isVisible());
        QVERIFY(m_window->screen()->availableGeometry().contains(m_window->frameGeometry()));
        click(QStringLiteral("cmdHideSheet"));
        QVERIFY(!child<QTableView>(QStringLiteral("MSFlexGrid1"))->isVisible());
    }

    void stopsSayWhyAndKeepTheScreen_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("focus");
        QTest::newRow("no pension record") << "cmdBase"
                                           << ""
                                           << ""
                                           << "年金関連データを入力して下さい。"
                                           << "入力エラー"
                                           << "cmdBase";
        QTest::newRow("wife 60") << "cmdBase" << num1(1) << "60"
                                 << "妻の年齢が60歳未満の場合のみ対応しています。"
                                 << "年齢制限"
                                 << "cmdBase";
        QTest::newRow("policy in part") << "cmdRegister" << num4(5) << "500"
                                        << "該当の項目はすべて入力してください"
                                        << "入力エラー" << num4(3);
    }
    void stopsSayWhyAndKeepTheScreen()
    {
        QFETCH(QString, button);
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, message);
        QFETCH(QString, title);
        QFETCH(QString, focus);
        typeHousehold(QStringLiteral("36"), true);
        click(QStringLiteral("cmdBase"));
        const QString before = text(num1(HokenNum1::EmployeesPensionAmount));
        const QString cell = child<QTableView>(QStringLiteral("MSFlexGrid1"))->model()->index(43, 1).data().toString();
        if (field.isEmpty()) {
            for (int slot = 7; slot <= 11; ++slot)
                edit(num1(slot))->setText(QStringLiteral("0"));
        } else {
            edit(field)->setText(value);
        }
        click(button);
        QCOMPARE(m_seams->messages->shown.size(), 1);
        const engine::Message &shown = m_seams->messages->shown.first().message;
        QCOMPARE(shown.text, message);
        QCOMPARE(shown.title, title);
        QCOMPARE(shown.icon, engine::MessageIcon::Warning);
        QCOMPARE(text(num1(HokenNum1::EmployeesPensionAmount)), before);
        QCOMPARE(child<QTableView>(QStringLiteral("MSFlexGrid1"))->model()->index(43, 1).data().toString(), cell);
        QCOMPARE(test::Focused()->objectName(), focus);
        if (focus.startsWith(QStringLiteral("Num4")))
            QCOMPARE(edit(focus)->selectedText(), text(focus));
    }

    void calculationProcessTakesTheInsurancePlace()
    {
        click(QStringLiteral("cmdProcess"));
        QVERIFY(child<QWidget>(QStringLiteral("Picture4"))->isVisible());
        QVERIFY(!child<QWidget>(QStringLiteral("Picture8"))->isVisible());
        // The wider panel still leaves the whole window on the screen.
        QVERIFY(m_window->screen()->availableGeometry().contains(m_window->frameGeometry()));
        click(QStringLiteral("Command34"));
        QVERIFY(!child<QWidget>(QStringLiteral("Picture4"))->isVisible());
        QVERIFY(child<QWidget>(QStringLiteral("Picture8"))->isVisible());
    }

    // The membership also chooses where Enter goes from the national
    // months: a self-employed husband has no employees' record to type.
    void membershipShowsTheWidowsChoice()
    {
        QTest::mouseClick(child<QRadioButton>(QStringLiteral("Option1(0)")), Qt::LeftButton);
        QVERIFY(child<QWidget>(QStringLiteral("Picture3"))->isVisible());
        pressKey(num1(7), Qt::Key_Return);
        QCOMPARE(test::Focused(), edit(num1(49)));
        QTest::keyClick(test::Focused(), Qt::Key_Control);
        QCOMPARE(test::Focused(), edit(num1(7)));
        QTest::mouseClick(child<QRadioButton>(QStringLiteral("Option1(1)")), Qt::LeftButton);
        QVERIFY(!child<QWidget>(QStringLiteral("Picture3"))->isVisible());
        pressKey(num1(7), Qt::Key_Return);
        QCOMPARE(test::Focused(), edit(num1(8)));
    }

    void closeBoxRefusedAndCloseKeepsEverything()
    {
        typeHousehold(QStringLiteral("36"), true);
        click(QStringLiteral("cmdBase"));
        const QString amount = text(num1(HokenNum1::EmployeesPensionAmount));
        // The close box: the window system asks the native window, which
        // passes it on to the widget as a spontaneous close.
        QCloseEvent closeBox;
        QApplication::sendEvent(m_window->windowHandle(), &closeBox);
        QVERIFY(!closeBox.isAccepted());
        QVERIFY(m_window->isVisible());
        QCOMPARE(m_seams->messages->shown.size(), 1);
        const engine::Message &refused = m_seams->messages->shown.first().message;
        QCOMPARE(refused.text, QStringLiteral(" 終了は画面の閉じるボタンでお願いします"));
        QCOMPARE(refused.title, QStringLiteral("×ボタンが押されました"));
        QCOMPARE(refused.icon, engine::MessageIcon::Warning);

        click(QStringLiteral("Command22"));
        QVERIFY(!m_window->isVisible());
        QCOMPARE(m_registry->show(ui::screen::Needs), m_window);
        QCOMPARE(text(num1(1)), QStringLiteral("36"));
        QCOMPARE(text(num4(2)), QStringLiteral("2000"));
        QCOMPARE(text(num1(HokenNum1::EmployeesPensionAmount)), amount);
        QVERIFY(m_window->form().sheet.exists());
    }

    void saveHandsTheScreensHouseholdOver()
    {
        QString saved;
        QList<qint64> keys;
        m_window->setSaveHandler([&saved, &keys](const engine::FrmhokenForm &form, qint64 key) {
            saved = form.household.members[0].name;
            keys << key;
            return ui::Frmhoken::SaveResult{7, true};
        });
        QVERIFY(button(QStringLiteral("cmdSave"))->isEnabled());
        edit(QStringLiteral("Fmt1(0)"))->setText(QStringLiteral("山田太郎"));
        click(QStringLiteral("cmdSave"));
        QCOMPARE(saved, QStringLiteral("山田太郎"));
        // Saved once, the household stands in its row until "AC" clears it.
        click(QStringLiteral("cmdSave"));
        click(QStringLiteral("Command36"));
        click(QStringLiteral("cmdSave"));
        QCOMPARE(keys, (QList<qint64>{-1, 7, -1}));
        m_window->setSaveHandler({});
        QVERIFY(!button(QStringLiteral("cmdSave"))->isEnabled());
    }

    // "CSV出力" asks for the base calculation first, then saves the sheet
    // the screen shows under the customer's name.
    void csvSavesTheSheet()
    {
        click(QStringLiteral("cmdCsv"));
        QCOMPARE(m_seams->messages->shown.size(), 1);
        QCOMPARE(m_seams->messages->shown[0].message.text, QStringLiteral("基礎計算実行ボタンを押してください"));
        QVERIFY(m_seams->proposedFiles.isEmpty());

        QTemporaryDir dir;
        m_seams->fileAnswer = dir.filePath(QStringLiteral("sheet.csv"));
        edit(QStringLiteral("Fmt1(0)"))->setText(QStringLiteral("山田太郎"));
        typeHousehold(QStringLiteral("36"), true);
        click(QStringLiteral("cmdBase"));
        click(QStringLiteral("cmdBase"));
        click(QStringLiteral("cmdCsv"));
        QCOMPARE(m_seams->proposedFiles.size(), 1);
        QVERIFY2(m_seams->proposedFiles[0].endsWith(QStringLiteral("/試算表_山田太郎_2026-12-08.csv")),
                 qPrintable(m_seams->proposedFiles[0]));
        QFile file(m_seams->fileAnswer);
        QVERIFY(file.open(QIODevice::ReadOnly));
        engine::FrmhokenForm expected = engineForm(QStringLiteral("36"), true);
        engine::RunBaseCalculation(expected, store::ProcessBaseData(), kToday);
        QCOMPARE(file.readAll(), engine::ProjectionCsv(expected.sheet));
        QVERIFY(m_seams->messages->shown.last().message.text.contains(QStringLiteral("sheet.csv")));

        // A folder that cannot be written says so rather than claiming the file.
        m_seams->fileAnswer = dir.filePath(QStringLiteral("missing/sheet.csv"));
        click(QStringLiteral("cmdCsv"));
        QVERIFY(
            m_seams->messages->shown.last().message.text.startsWith(QStringLiteral("ファイルを保存できませんでした")));
    }

    // "提案書PDF": four pages of vector drawing with the screen's figures,
    // searchable, its font inside the file.
    void reportIsThreePagesOfTheScreensFigures()
    {
        click(QStringLiteral("cmdReport"));
        QCOMPARE(m_seams->messages->shown.size(), 1);
        QCOMPARE(m_seams->messages->shown[0].message.text, QStringLiteral("基礎計算実行ボタンを押してください"));

        QTemporaryDir dir;
        m_seams->fileAnswer = dir.filePath(QStringLiteral("report.pdf"));
        edit(QStringLiteral("Fmt1(0)"))->setText(QStringLiteral("山田太郎"));
        typeHousehold(QStringLiteral("36"), true);
        click(QStringLiteral("cmdBase"));
        click(QStringLiteral("cmdBase"));
        const QString sheetBefore = text(num1(HokenNum1::EmployeesPensionAmount));
        click(QStringLiteral("cmdReport"));
        QVERIFY2(m_seams->proposedFiles.value(0).endsWith(QStringLiteral("/提案書_山田太郎_2026-12-08.pdf")),
                 qPrintable(m_seams->proposedFiles.value(0)));
        QVERIFY(m_seams->messages->shown.last().message.text.contains(QStringLiteral("report.pdf")));
        QCOMPARE(text(num1(HokenNum1::EmployeesPensionAmount)), sheetBefore);

        engine::FrmhokenForm form = engineForm(QStringLiteral("36"), true);
        form.household.members[0].name = QStringLiteral("山田太郎");
        engine::RunBaseCalculation(form, store::ProcessBaseData(), kToday);
        const auto expected = engine::OpenConsultationReport(form, store::ProcessBaseData(), kToday).report;
        QVERIFY(expected);
        const QString pdf = test::PdfText(m_seams->fileAnswer);
        QCOMPARE(pdf.count(u'\f'), 4);
        const QStringList pages = pdf.split(u'\f');
        QVERIFY(pages[0].contains(QStringLiteral("山田太郎様")));
        QVERIFY(pages[0].contains(QStringLiteral("昭和61年5月1日")));
        QVERIFY(pages[0].contains(QStringLiteral("生年月日（西暦）")));
        QVERIFY(pages[0].contains(QStringLiteral("国民年金だけの期間")));
        for (const engine::ReportBenefit &benefit : expected->benefits) {
            QVERIFY2(pages[0].contains(benefit.amount), qPrintable(benefit.benefit + benefit.amount));
            QVERIFY2(pages[0].contains(benefit.reason.left(14)), qPrintable(benefit.reason));
        }
        QVERIFY(pages[1].contains(QStringLiteral("遺族年金の推移")));
        QVERIFY(pages[2].contains(expected->coverageNeeded));
        QVERIFY(pages[2].contains(expected->insuranceHeld));
        QVERIFY(
            pages[3].contains(expected->deathYearChart.fields.value(engine::DeathYearChartField::LargestShortfall)));
        for (const QString &page : pages.mid(0, 4))
            QVERIFY(page.contains(QStringLiteral("の額に基づく概算")));
        const QStringList fonts = test::PdfFonts(m_seams->fileAnswer);
        QVERIFY(!fonts.isEmpty());
        for (const QString &font : fonts)
            QVERIFY2(font.contains(QStringLiteral(" yes ")), qPrintable(font));
        QVERIFY(test::PdfImages(m_seams->fileAnswer).isEmpty());
    }

    void printsInLandscape()
    {
        m_seams->messages->answers = {ui::Answer::Yes};
        QTest::mouseClick(child<QLabel>(QStringLiteral("Picture5")), Qt::LeftButton);
        QCOMPARE(m_seams->printer->jobs.size(), 1);
        QCOMPARE(m_seams->printer->jobs.first().orientation, ui::PageOrientation::Landscape);
    }

    void chartButtonsCalculateThenOpenTheirWindow()
    {
        // Stand-ins for the chart windows.
        ui::WindowRegistry registry;
        registry.add(
            ui::screen::CoverageChart, [] { return new QWidget; }, ui::OnClose::Destroy);
        registry.add(
            ui::screen::NeedsPensionChart, [] { return new QWidget; }, ui::OnClose::Destroy);
        ui::Frmhoken window(registry, izoku::test::FixedClock);
        QVERIFY(test::ShowAndActivate(&window));

        QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("cmdPensionChart")), Qt::LeftButton);
        QCOMPARE(m_seams->messages->shown.size(), 1);
        QCOMPARE(m_seams->messages->shown.first().message.text, QStringLiteral("基礎計算実行ボタンを押してください"));
        QVERIFY(!registry.existing(ui::screen::NeedsPensionChart));

        window.findChild<QLineEdit *>(num1(0))->setText(QStringLiteral("38"));
        window.findChild<QLineEdit *>(num1(1))->setText(QStringLiteral("36"));
        window.findChild<QLineEdit *>(num1(8))->setText(QStringLiteral("120"));
        window.findChild<QLineEdit *>(num1(9))->setText(QStringLiteral("300000"));
        QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("cmdCoverageChart")), Qt::LeftButton);
        QCOMPARE(m_seams->messages->shown.size(), 1);
        QVERIFY(registry.existing(ui::screen::CoverageChart)->isVisible());
        QVERIFY(!registry.existing(ui::screen::NeedsPensionChart));
        // The comparison ran its base calculation on the screen's fields.
        QVERIFY(window.form().sheet.exists());
        QCOMPARE(window.findChild<QLineEdit *>(num4(14))->text(), QStringLiteral("36"));
        registry.destroyAll();
    }
};

IZOKU_TEST_MAIN(TestFrmhoken)
#include "tst_frmhoken.moc"
