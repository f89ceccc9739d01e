#include "ui/app/formmenu.h"
#include "ui/app/screens.h"
#include "ui/app/windowregistry.h"
#include "ui/coefficients/formkeisu.h"

#include "testkit.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

using namespace izoku;

class TestFormkeisu : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Seams> m_seams;
    std::unique_ptr<ui::Formkeisu> m_window;

    template <typename T = QLineEdit> T *get(const QString &name) { return test::Child<T>(m_window.get(), name); }
    QLineEdit *num(int index) { return get(QStringLiteral("Num1(%1)").arg(index)); }
    QString focusName() { return test::Focused() ? test::Focused()->objectName() : QString(); }

    // Focus into a field the way the agent does, with the mouse.
    void clickInto(int index)
    {
        QTest::mouseClick(num(index), Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(test::Focused(), num(index));
        QCOMPARE(num(index)->selectedText(), num(index)->text());
    }
    void showTab(int tab)
    {
        auto *tabs = get<QTabWidget>(QStringLiteral("SSTab1"));
        QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(tab).center());
        QCOMPARE(tabs->currentIndex(), tab);
    }
    // Types each input and presses Enter, as the chain leads to the button.
    void typeChain(const QList<int> &fields, const QStringList &texts)
    {
        showTab(
            get<QTabWidget>(QStringLiteral("SSTab1"))->indexOf(num(fields.front())->parentWidget()->parentWidget()));
        clickInto(fields.front());
        for (qsizetype i = 0; i < fields.size(); ++i) {
            QCOMPARE(test::Focused(), num(fields[i]));
            QTest::keyClicks(test::Focused(), texts[i]);
            QTest::keyClick(test::Focused(), Qt::Key_Return);
        }
    }

  private slots:
    void init()
    {
        m_seams = std::make_unique<test::Seams>();
        m_window = std::make_unique<ui::Formkeisu>();
        QVERIFY(test::ShowAndActivate(m_window.get()));
    }
    void cleanup()
    {
        m_window.reset();
        m_seams.reset();
    }

    void opensOnTabZeroWithOpeningTexts()
    {
        QCOMPARE(m_window->windowTitle(), QStringLiteral("基本係数"));
        auto *tabs = get<QTabWidget>(QStringLiteral("SSTab1"));
        QCOMPARE(tabs->currentIndex(), 0);
        QStringList captions;
        for (int tab = 0; tab < tabs->count(); ++tab)
            captions << tabs->tabText(tab);
        QCOMPARE(captions.join(u' '), QStringLiteral("終価係数 現価係数 減債基金 年金終価 資本回収 年金現価"));
        for (int index : {0, 2, 3, 5, 7, 14, 15, 16, 17, 19, 35})
            QCOMPARE(num(index)->text(), QStringLiteral("0"));
        for (int index : {1, 4, 6, 9, 12, 18, 22, 26, 30, 34})
            QCOMPARE(num(index)->text(), QStringLiteral("0.00"));
        QCOMPARE(num(3)->palette().color(QPalette::Base), QColor(255, 255, 192));
        QVERIFY(num(2)->palette().color(QPalette::Base) != QColor(255, 255, 192));
        QVERIFY(!num(7)->testAttribute(Qt::WA_InputMethodEnabled));
        QCOMPARE(
            get<QLabel>(QStringLiteral("Question(2)"))->text(),
            QStringLiteral("例 ：　10年後に500万円が必要になります。年利3％で複利運用できた場合、今いくら預ければ\n"
                           "500万円になりますか。"));
        QCOMPARE(get<QLabel>(QStringLiteral("Unit(15)"))->text(), QStringLiteral("％まで下落しています。"));
    }

    void placedCentredAQuarterDown()
    {
        const QRect area = m_window->screen()->availableGeometry();
        const QRect frame = m_window->frameGeometry();
        QCOMPARE(frame.left(), area.left() + (area.width() - frame.width()) / 2);
        QCOMPARE(frame.top(), area.top() + (area.height() - frame.height()) / 4);
    }

    void menuButtonOpensTheCalculator()
    {
        ui::WindowRegistry registry;
        ui::RegisterScreens(registry);
        ui::Formmenu menu(registry, {});
        auto *button = menu.findChild<QPushButton *>(QStringLiteral("Command4"));
        QVERIFY(button->isEnabled());
        button->click();
        QWidget *window = registry.existing(ui::screen::Coefficients);
        QVERIFY(window && window->isVisible());
        QVERIFY(!window->isModal());
        QVERIFY(window->testAttribute(Qt::WA_DeleteOnClose));
    }

    void enterWalksE1AndKeepsTheAnswer()
    {
        clickInto(0);
        QTest::keyClicks(num(0), QStringLiteral("1000000"));
        QTest::keyClick(num(0), Qt::Key_Return);
        QCOMPARE(focusName(), QStringLiteral("Num1(1)"));
        QCOMPARE(num(0)->text(), QStringLiteral("1,000,000"));
        QCOMPARE(num(1)->selectedText(), QStringLiteral("0.00"));
        QTest::keyClicks(num(1), QStringLiteral("4"));
        QTest::keyClick(num(1), Qt::Key_Return);
        QTest::keyClicks(num(2), QStringLiteral("10"));
        QTest::keyClick(num(2), Qt::Key_Return);
        QCOMPARE(focusName(), QStringLiteral("Command1"));
        QTest::keyClick(test::Focused(), Qt::Key_Return);
        // The focus goes back to the amount, in plain digits and selected,
        // and the answer stays on screen.
        QCOMPARE(focusName(), QStringLiteral("Num1(0)"));
        QCOMPARE(num(0)->selectedText(), QStringLiteral("1000000"));
        QCOMPARE(num(3)->text(), QStringLiteral("1,480,244"));
        // Moving on to a new entry clears it.
        QTest::keyClick(num(0), Qt::Key_Return);
        QCOMPARE(num(3)->text(), QStringLiteral("0"));
        QVERIFY(m_seams->messages->shown.isEmpty());
    }

    void focusAfterEachButton_data()
    {
        QTest::addColumn<QList<int>>("fields");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Command2") << QList<int>{4, 5} << QStringList{"1.6", "10"} << "Command2"
                                  << "Num1(4)" << 6 << "1.17";
        QTest::newRow("Command4") << QList<int>{7, 8, 9} << QStringList{"10", "5000000", "3"} << "Command4"
                                  << "Num1(7)" << 10 << "3,720,470";
        QTest::newRow("Command5") << QList<int>{11, 12, 13} << QStringList{"10", "2", "10000000"} << "Command5"
                                  << "Command5" << 14 << "8,203,482";
        QTest::newRow("Command7") << QList<int>{16, 17, 18} << QStringList{"1000000", "10", "3"} << "Command7"
                                  << "Command7" << 19 << "87,231";
        QTest::newRow("Command8") << QList<int>{20, 21, 22} << QStringList{"100000", "10", "3"} << "Command8"
                                  << "Command8" << 23 << "1,146,388";
        QTest::newRow("Command10") << QList<int>{24, 25, 26} << QStringList{"10000000", "10", "3"} << "Command10"
                                   << "Command10" << 27 << "1,172,305";
        QTest::newRow("Command11") << QList<int>{28, 29, 30} << QStringList{"20000000", "25", "5"} << "Command11"
                                   << "Command11" << 31 << "1,419,049";
        QTest::newRow("Command13") << QList<int>{32, 33, 34} << QStringList{"1000000", "10", "3"} << "Command13"
                                   << "Command13" << 35 << "8,530,203";
    }
    void focusAfterEachButton()
    {
        QFETCH(QList<int>, fields);
        QFETCH(QStringList, texts);
        QFETCH(QString, button);
        QFETCH(QString, focus);
        QFETCH(int, result);
        QFETCH(QString, shown);
        typeChain(fields, texts);
        QCOMPARE(focusName(), button);
        QTest::keyClick(test::Focused(), Qt::Key_Return);
        QCOMPARE(focusName(), focus);
        QCOMPARE(num(result)->text(), shown);
        if (focus != button)
            QCOMPARE(num(fields.front())->selectedText(), num(fields.front())->text());
    }

    void characterKeyRunsTheLaterButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("runs");
        QTest::newRow("Command7 runs") << "Command7" << true;
        QTest::newRow("Command1 does not") << "Command1" << false;
    }
    void characterKeyRunsTheLaterButtons()
    {
        QFETCH(QString, button);
        QFETCH(bool, runs);
        const bool e1 = button == QStringLiteral("Command1");
        typeChain(e1 ? QList<int>{0, 1, 2} : QList<int>{16, 17, 18}, {"1000000", e1 ? "4" : "10", e1 ? "10" : "3"});
        QCOMPARE(focusName(), button);
        QTest::keyClick(test::Focused(), Qt::Key_X);
        QCOMPARE(focusName(), button);
        QCOMPARE(num(e1 ? 3 : 19)->text(), runs ? QStringLiteral("87,231") : QStringLiteral("0"));
    }

    void mouseClickKeepsFocusOnTheButton()
    {
        clickInto(0);
        QTest::keyClicks(num(0), QStringLiteral("1000000"));
        clickInto(1);
        QTest::keyClicks(num(1), QStringLiteral("4"));
        clickInto(2);
        QTest::keyClicks(num(2), QStringLiteral("10"));
        // Clicking the button leaves the field first; a typed amount still
        // counts once its field is left.
        clickInto(0);
        QTest::keyClicks(num(0), QStringLiteral("2000000"));
        QTest::mouseClick(get<QPushButton>(QStringLiteral("Command1")), Qt::LeftButton);
        QCOMPARE(focusName(), QStringLiteral("Command1"));
        QCOMPARE(num(0)->text(), QStringLiteral("2,000,000"));
        QCOMPARE(num(3)->text(), QStringLiteral("2,960,489"));
    }

    void arrowChains_data()
    {
        QTest::addColumn<QList<int>>("chain");
        QTest::newRow("tab 0 runs through both examples") << QList<int>{0, 1, 2, 4, 5};
        QTest::newRow("E3") << QList<int>{7, 8, 9};
        QTest::newRow("E4") << QList<int>{11, 12, 13};
        QTest::newRow("E8") << QList<int>{28, 29, 30};
    }
    void arrowChains()
    {
        QFETCH(QList<int>, chain);
        showTab(get<QTabWidget>(QStringLiteral("SSTab1"))->indexOf(num(chain.front())->parentWidget()->parentWidget()));
        clickInto(chain.front());
        QTest::keyClick(test::Focused(), Qt::Key_Up);
        QCOMPARE(test::Focused(), num(chain.front()));
        for (int index : chain.mid(1)) {
            QTest::keyClick(test::Focused(), Qt::Key_Down);
            QCOMPARE(test::Focused(), num(index));
            QCOMPARE(num(index)->selectedText(), num(index)->text());
        }
        QTest::keyClick(test::Focused(), Qt::Key_Down);
        QCOMPARE(test::Focused(), num(chain.back()));
        for (qsizetype i = chain.size() - 2; i >= 0; --i) {
            QTest::keyClick(test::Focused(), Qt::Key_Up);
            QCOMPARE(test::Focused(), num(chain[i]));
        }
    }

    void filterDropsLettersAndCommas()
    {
        clickInto(1);
        QTest::keyClicks(num(1), QStringLiteral("1a-2,.5"));
        QCOMPARE(num(1)->text(), QStringLiteral("1-2.5"));
        clickInto(0);
        QTest::keyClicks(num(0), QStringLiteral("1,000x"));
        QCOMPARE(num(0)->text(), QStringLiteral("1000"));
        // Results are not filtered.
        QTest::mouseClick(num(3), Qt::LeftButton);
        num(3)->end(false);
        QTest::keyClicks(num(3), QStringLiteral("a"));
        QCOMPARE(num(3)->text(), QStringLiteral("0a"));
    }

    void amountRewrittenOnLeaveAndBackOnEnter()
    {
        showTab(2);
        clickInto(16);
        QTest::keyClicks(num(16), QStringLiteral("1000000"));
        QTest::keyClick(num(16), Qt::Key_Tab);
        QCOMPARE(focusName(), QStringLiteral("Num1(17)"));
        QCOMPARE(num(16)->text(), QStringLiteral("1,000,000"));
        QTest::keyClick(num(17), Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(focusName(), QStringLiteral("Num1(16)"));
        QCOMPARE(num(16)->text(), QStringLiteral("1000000"));
        QCOMPARE(num(16)->selectedText(), QStringLiteral("1000000"));
    }

    void messageForAMissingFigure_data()
    {
        QTest::addColumn<QString>("rate");
        QTest::addColumn<bool>("byEnter");
        QTest::newRow("empty rate") << "" << false;
        QTest::newRow("rate only a sign") << "-" << false;
        // The field in question keeps the focus rather than the amount.
        QTest::newRow("Enter on Command1") << "-" << true;
    }
    void messageForAMissingFigure()
    {
        QFETCH(QString, rate);
        QFETCH(bool, byEnter);
        clickInto(1);
        QTest::keyClick(num(1), Qt::Key_Backspace);
        QTest::keyClicks(num(1), rate);
        clickInto(2);
        QTest::keyClicks(num(2), QStringLiteral("10"));
        if (byEnter) {
            QTest::keyClick(num(2), Qt::Key_Return);
            QTest::keyClick(test::Focused(), Qt::Key_Return);
        } else {
            QTest::mouseClick(get<QPushButton>(QStringLiteral("Command1")), Qt::LeftButton);
        }
        QCOMPARE(m_seams->messages->shown.size(), 1);
        const engine::Message &message = m_seams->messages->shown.front().message;
        QCOMPARE(message.text, QStringLiteral("数値を入力してください"));
        QCOMPARE(message.title, QStringLiteral("エラー"));
        QCOMPARE(message.icon, engine::MessageIcon::Warning);
        QCOMPARE(focusName(), QStringLiteral("Num1(1)"));
        QCOMPARE(num(1)->selectedText(), rate);
        QCOMPARE(num(3)->text(), QStringLiteral("0"));
    }

    void clearEntryResetsTheExample()
    {
        showTab(4);
        typeChain({24, 25, 26}, {"10000000", "10", "3"});
        QTest::keyClick(test::Focused(), Qt::Key_Return);
        QCOMPARE(num(27)->text(), QStringLiteral("1,172,305"));
        QTest::mouseClick(get<QLabel>(QStringLiteral("Label2(6)")), Qt::LeftButton);
        QCOMPARE(focusName(), QStringLiteral("Num1(24)"));
        QCOMPARE(num(24)->selectedText(), QStringLiteral("0"));
        QCOMPARE(QStringList({num(25)->text(), num(26)->text(), num(27)->text()}), QStringList({"0", "0.00", "0"}));
        // The stored amount went with the text.
        clickInto(25);
        QTest::keyClicks(num(25), QStringLiteral("10"));
        QTest::mouseClick(get<QPushButton>(QStringLiteral("Command10")), Qt::LeftButton);
        QCOMPARE(num(27)->text(), QStringLiteral("0"));
    }

    void switchingTabsKeepsResults()
    {
        typeChain({4, 5}, {"1.6", "10"});
        QTest::keyClick(test::Focused(), Qt::Key_Return);
        QCOMPARE(num(6)->text(), QStringLiteral("1.17"));
        showTab(1);
        showTab(0);
        QCOMPARE(num(6)->text(), QStringLiteral("1.17"));
        clickInto(5);
        QTest::keyClick(num(5), Qt::Key_Return);
        QTest::keyClick(test::Focused(), Qt::Key_Return);
        QCOMPARE(focusName(), QStringLiteral("Num1(4)"));
        QTest::keyClick(num(4), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(get<QTabWidget>(QStringLiteral("SSTab1"))->currentIndex(), 1);
        QTest::keyClick(test::Focused(), Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(get<QTabWidget>(QStringLiteral("SSTab1"))->currentIndex(), 0);
        QCOMPARE(num(6)->text(), QStringLiteral("1.17"));
    }

    void printAnsweredYesOrNo_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes prints") << true;
        QTest::newRow("no prints nothing") << false;
    }
    void printAnsweredYesOrNo()
    {
        QFETCH(bool, yes);
        showTab(3);
        if (yes)
            m_seams->messages->answers.push_back(ui::Answer::Yes);
        auto *icon = get<QLabel>(QStringLiteral("Picture1(3)"));
        QTest::mouseClick(icon, Qt::LeftButton);
        QCOMPARE(m_seams->messages->shown.size(), 1);
        QVERIFY(m_seams->messages->shown.front().question);
        QCOMPARE(m_seams->messages->shown.front().message.text, QStringLiteral("画面印刷をします。よろしいですか？"));
        QCOMPARE(m_seams->messages->shown.front().message.title, QStringLiteral("印刷"));
        QCOMPARE(m_seams->printer->jobs.size(), yes ? 1 : 0);
        if (yes) {
            QCOMPARE(m_seams->printer->jobs.front().window, QStringLiteral("Formkeisu"));
            QCOMPARE(m_seams->printer->jobs.front().orientation, ui::PageOrientation::PrinterDefault);
            QVERIFY(m_seams->printer->jobs.front().hiddenWhilePrinting.contains(QStringLiteral("Picture1(3)")));
        }
        QVERIFY(icon->isVisible());
    }

    void enterOnCloseClosesTheWindow()
    {
        showTab(5);
        m_window->setAttribute(Qt::WA_DeleteOnClose);
        QPointer<QWidget> window = m_window.release();
        auto *close = window->findChild<QPushButton *>(QStringLiteral("Command14"));
        QCOMPARE(close->text(), QStringLiteral("閉じる"));
        close->setFocus();
        QTest::keyClick(close, Qt::Key_Return);
        QTRY_VERIFY(window.isNull());
    }
};

QTEST_MAIN(TestFormkeisu)
#include "tst_formkeisu.moc"
