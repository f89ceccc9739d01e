#include "engine/forms/household.h"
#include "engine/forms/pensionrecord.h"
#include "ui/app/datepicker.h"
#include "ui/app/focusmap.h"
#include "ui/app/formmenu.h"
#include "ui/app/inputfilters.h"
#include "ui/app/placement.h"
#include "ui/app/screenprint.h"
#include "ui/app/screens.h"
#include "ui/app/windowregistry.h"

#include "testkit.h"

#include <QButtonGroup>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

using namespace izoku;

namespace {

// A small window of three fields, a date picker and a button.
struct Window {
    QWidget window;
    QLineEdit *a = new QLineEdit(&window);
    QLineEdit *b = new QLineEdit(&window);
    QLineEdit *c = new QLineEdit(&window);
    ui::DatePicker *date = new ui::DatePicker(QStringLiteral("DTPicker1"), &window);
    QPushButton *button = new QPushButton(QStringLiteral("計　算"), &window);
    QLabel *icon = new QLabel(QStringLiteral("印刷"), &window);

    Window()
    {
        window.setObjectName(QStringLiteral("Window"));
        icon->setObjectName(QStringLiteral("Picture1"));
        date->setDate(QDate(1980, 5, 1));
        auto *layout = new QVBoxLayout(&window);
        for (QWidget *w : std::initializer_list<QWidget *>{a, b, c, date, button, icon})
            layout->addWidget(w);
    }
};

} // namespace

class TestInputConventions : public QObject {
    Q_OBJECT
    std::unique_ptr<test::Seams> m_seams;
    // The calculation screens, made once for all the rows that type into them.
    std::unique_ptr<ui::WindowRegistry> m_screens;

    // Every screen of the program, registered once for the tests that open them.
    ui::WindowRegistry &screens()
    {
        if (!m_screens) {
            m_screens = std::make_unique<ui::WindowRegistry>();
            ui::RegisterScreens(*m_screens);
        }
        return *m_screens;
    }

  private slots:
    void init() { m_seams = std::make_unique<test::Seams>(); }
    void cleanup() { m_seams.reset(); }
    void cleanupTestCase() { m_screens.reset(); }

    void numericFilterDropsLettersOnly_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("letter dropped") << "1a-2.5"
                                        << "1-2.5";
        QTest::newRow("comma dropped") << "1,000"
                                       << "1000";
        QTest::newRow("unit letter dropped") << "300y"
                                             << "300";
        QTest::newRow("blank dropped") << "1 2"
                                       << "12";
        QTest::newRow("signs kept where typed") << "--1..2"
                                                << "--1..2";
    }
    void numericFilterDropsLettersOnly()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QLineEdit field;
        ui::NumericKeyFilter filter;
        filter.attach(&field);
        QTest::keyClicks(&field, typed);
        QCOMPARE(field.text(), kept);
        QTest::keyClick(&field, Qt::Key_Backspace);
        QCOMPARE(field.text(), kept.left(kept.size() - 1));
    }

    void enterMovesAndIsDiscarded()
    {
        Window w;
        ui::FocusMap map;
        map.add(w.a, ui::FocusKey::Enter, w.b).add(w.b, ui::FocusKey::Enter, w.button).discardEnter(w.c);
        QVERIFY(test::ShowAndActivate(&w.window));
        bool clicked = false;
        connect(w.button, &QPushButton::clicked, this, [&clicked] { clicked = true; });
        w.a->setFocus();
        QTest::keyClick(w.a, Qt::Key_Return);
        QCOMPARE(test::Focused(), w.b);
        QTest::keyClick(w.b, Qt::Key_Enter);
        QCOMPARE(test::Focused(), w.button);
        QVERIFY(!clicked);

        bool returned = false;
        connect(w.c, &QLineEdit::returnPressed, this, [&returned] { returned = true; });
        w.c->setFocus();
        QTest::keyClick(w.c, Qt::Key_Return);
        QCOMPARE(test::Focused(), w.c);
        QVERIFY(!returned);
    }

    void arrowsAndCtrlMoveAtOnce()
    {
        Window w;
        ui::FocusMap map;
        map.add(w.b, ui::FocusKey::Up, w.a).add(w.b, ui::FocusKey::Down, w.c).add(w.b, ui::FocusKey::Ctrl, w.date);
        QVERIFY(test::ShowAndActivate(&w.window));
        w.b->setText(QStringLiteral("123"));
        w.b->setFocus();
        w.b->setCursorPosition(1);
        QTest::keyClick(w.b, Qt::Key_Up);
        QCOMPARE(test::Focused(), w.a);
        w.b->setFocus();
        QTest::keyClick(w.b, Qt::Key_Down);
        QCOMPARE(test::Focused(), w.c);
        // Ctrl moves when it is let go, not on the way down.
        w.b->setFocus();
        QTest::keyPress(w.b, Qt::Key_Control);
        QCOMPARE(test::Focused(), w.b);
        QTest::keyRelease(w.b, Qt::Key_Control);
        QCOMPARE(test::Focused(), w.date);
        // A pair not in the table does nothing.
        w.b->setFocus();
        QTest::keyClick(w.b, Qt::Key_Left);
        QCOMPARE(test::Focused(), w.b);
    }

    void ctrlWithAnotherKeyStaysInTheField_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("selected");
        QTest::newRow("select all") << int(Qt::Key_A) << "123"
                                    << "123";
        QTest::newRow("copy") << int(Qt::Key_C) << "123" << QString();
        QTest::newRow("undo") << int(Qt::Key_Z) << QString() << QString();
        QTest::newRow("home") << int(Qt::Key_Home) << "123" << QString();
    }
    void ctrlWithAnotherKeyStaysInTheField()
    {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(QString, selected);
        Window w;
        ui::FocusMap map;
        map.add(w.b, ui::FocusKey::Ctrl, w.date);
        QVERIFY(test::ShowAndActivate(&w.window));
        w.b->setFocus();
        QTest::keyClicks(w.b, QStringLiteral("123"));
        // Ctrl down, the key, the key up, Ctrl up: as the agent types it.
        QTest::keyClick(w.b, Qt::Key(key), Qt::ControlModifier);
        QCOMPARE(test::Focused(), w.b);
        QCOMPARE(w.b->text(), text);
        QCOMPARE(w.b->selectedText(), selected);
        // A click between Ctrl's press and release is not Ctrl on its own.
        QTest::keyPress(w.b, Qt::Key_Control);
        QTest::mouseClick(w.b, Qt::LeftButton, Qt::ControlModifier);
        QTest::keyRelease(w.b, Qt::Key_Control);
        QCOMPARE(test::Focused(), w.b);
    }

    void hiddenOrDisabledTargetKeepsTheFocus()
    {
        Window w;
        ui::FocusMap map;
        map.add(w.a, ui::FocusKey::Down, w.b).add(w.a, ui::FocusKey::Enter, w.c);
        QVERIFY(test::ShowAndActivate(&w.window));
        w.b->hide();
        w.c->setEnabled(false);
        w.a->setFocus();
        QTest::keyClick(w.a, Qt::Key_Down);
        QCOMPARE(test::Focused(), w.a);
        QTest::keyClick(w.a, Qt::Key_Return);
        QCOMPARE(test::Focused(), w.a);
        QCOMPARE(w.a->text(), QString());
    }

    // The agent clicks into a date field of a calculation screen and types
    // the whole date in any of the forms a picker takes.
    void everyDateFieldTakesATypedDate_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QDate>("date");
        const struct {
            QString screen, array;
            int count;
        } pickers[] = {{ui::screen::Pension, QStringLiteral("DTPicker1"), engine::HouseholdIndex::Count},
                       {ui::screen::Pension, QStringLiteral("DTPicker2"), engine::PeriodDate::Count},
                       {ui::screen::Needs, QStringLiteral("Date1"), engine::HouseholdIndex::Count},
                       {ui::screen::Needs, QStringLiteral("Date2"), engine::PeriodDate::Count}};
        const struct {
            const char *typed;
            QDate date;
        } forms[] = {{"19830720", QDate(1983, 7, 20)},
                     {"1983/07/20", QDate(1983, 7, 20)},
                     {"1983/7/20", QDate(1983, 7, 20)},
                     {"1985/6/1", QDate(1985, 6, 1)},
                     {"1987/06/1", QDate(1987, 6, 1)}};
        for (const auto &picker : pickers) {
            for (int i = 0; i < picker.count; ++i) {
                const QString field = engine::ControlName(picker.array, i);
                for (const auto &form : forms)
                    QTest::addRow("%s %s %s", qPrintable(picker.screen), qPrintable(field), form.typed)
                        << picker.screen << field << QString::fromLatin1(form.typed) << form.date;
            }
        }
    }
    void everyDateFieldTakesATypedDate()
    {
        QFETCH(QString, screen);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QDate, date);
        QWidget *window = screens().show(screen);
        QVERIFY(test::ShowAndActivate(window));
        auto *picker = test::Child<ui::DatePicker>(window, field);
        // A digit's width in from the left edge: on the year.
        const QPoint onTheYear(picker->fontMetrics().horizontalAdvance(u'1'), picker->height() / 2);
        // Clicked into from elsewhere, as the agent comes to it.
        picker->clearFocus();
        QTest::mouseClick(picker, Qt::LeftButton, {}, onTheYear);
        QCOMPARE(test::Focused(), picker);
        QTest::keyClicks(picker, typed);
        QCOMPARE(picker->date(), date);
    }

    // Every way the agent leaves a date field takes the date typed, in the
    // one form; a text that names no date is never taken for another day.
    void leavingADateFieldTakesWhatWasTyped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("leaving");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<bool>("left");
        QTest::addColumn<int>("messages");
        const QDate before(1980, 5, 1);
        for (const char *leaving : {"Enter", "Tab", "click"}) {
            QTest::addRow("one-digit day, %s", leaving) << "1985/6/1" << leaving << QDate(1985, 6, 1) << true << 0;
            QTest::addRow("one-digit day and month, %s", leaving)
                << "2019/1/2" << leaving << QDate(2019, 1, 2) << true << 0;
            QTest::addRow("full width, %s", leaving)
                << "２０１９／１１／２" << leaving << QDate(2019, 11, 2) << true << 0;
        }
        // Enter and Tab keep the agent in the field to mend it; a click
        // elsewhere puts the date back and says so.
        QTest::newRow("30 February, Enter") << "1985/2/30"
                                            << "Enter" << before << false << 1;
        QTest::newRow("no day, Tab") << "1985/6"
                                     << "Tab" << before << false << 1;
        QTest::newRow("seven figures, click") << "1985061"
                                              << "click" << before << true << 1;
    }
    void leavingADateFieldTakesWhatWasTyped()
    {
        QFETCH(QString, typed);
        QFETCH(QString, leaving);
        QFETCH(QDate, date);
        QFETCH(bool, left);
        QFETCH(int, messages);
        Window w;
        ui::FocusMap map;
        map.add(w.date, ui::FocusKey::Enter, w.button);
        QVERIFY(test::ShowAndActivate(&w.window));
        w.date->setFocus(Qt::TabFocusReason);
        // Each character as a key sends it, full-width ones as an input
        // method does.
        for (const QChar c : typed)
            QTest::sendKeyEvent(QTest::Click, w.date, Qt::Key_unknown, QString(c), Qt::NoModifier);
        if (leaving == QStringLiteral("Enter"))
            QTest::keyClick(w.date, Qt::Key_Return);
        else if (leaving == QStringLiteral("Tab"))
            QTest::keyClick(w.date, Qt::Key_Tab);
        else
            QTest::mouseClick(w.a, Qt::LeftButton);
        QCOMPARE(test::Focused() != w.date, left);
        QCOMPARE(w.date->date(), date);
        if (left)
            QCOMPARE(w.date->text(), date.toString(QStringLiteral("yyyy/MM/dd")));
        QTRY_COMPARE(int(m_seams->messages->shown.size()), messages);
        if (messages)
            QCOMPARE(m_seams->messages->shown.first().message.text,
                     QStringLiteral("日付を正しく入力してください。\n例: 1985/6/1 または 19850601"));
    }

    void typedDatesRead_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QDate>("date"); // invalid: not a date
        QTest::newRow("figures") << "19850601" << QDate(1985, 6, 1);
        QTest::newRow("slashes, one-digit month and day") << "1985/6/1" << QDate(1985, 6, 1);
        QTest::newRow("slashes, one-digit day") << "1987/06/1" << QDate(1987, 6, 1);
        QTest::newRow("slashes, one-digit month") << "1987/6/01" << QDate(1987, 6, 1);
        QTest::newRow("blanks around") << " 2019/11/2 " << QDate(2019, 11, 2);
        QTest::newRow("full width") << "１９８５０６０１" << QDate(1985, 6, 1);
        QTest::newRow("29 February of a leap year") << "2024/2/29" << QDate(2024, 2, 29);
        QTest::newRow("29 February otherwise") << "2023/2/29" << QDate();
        QTest::newRow("month 13") << "1985/13/1" << QDate();
        QTest::newRow("two-figure year") << "85/6/1" << QDate();
        QTest::newRow("seven figures") << "1985061" << QDate();
        QTest::newRow("before 1900") << "1899/12/31" << QDate();
        QTest::newRow("hyphens") << "1985-06-01" << QDate();
        QTest::newRow("empty") << "" << QDate();
    }
    void typedDatesRead()
    {
        QFETCH(QString, typed);
        QFETCH(QDate, date);
        QCOMPARE(ui::ReadTypedDate(typed).value_or(QDate()), date);
    }

    void arrowLeavingADatePickerKeepsItsDate()
    {
        Window w;
        ui::FocusMap map;
        map.add(w.date, ui::FocusKey::Down, w.a).add(w.date, ui::FocusKey::Up, w.c);
        QVERIFY(test::ShowAndActivate(&w.window));
        w.date->setFocus();
        QTest::keyClick(w.date, Qt::Key_Down);
        QCOMPARE(test::Focused(), w.a);
        QCOMPARE(w.date->date(), QDate(1980, 5, 1));
        w.date->setFocus();
        QTest::keyClick(w.date, Qt::Key_Up);
        QCOMPARE(test::Focused(), w.c);
        QCOMPARE(w.date->date(), QDate(1980, 5, 1));
    }

    // A select-all field selects however it is entered; any other figure
    // field from the keyboard only, so a click still places the caret.
    void selectAllOnEntering_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("selected");
        const int anyWay = int(ui::SelectAllOnFocus::Entry::AnyWay);
        const int keyboard = int(ui::SelectAllOnFocus::Entry::FromKeyboard);
        for (const int entry : {anyWay, keyboard}) {
            const char *name = entry == anyWay ? "any way" : "keyboard";
            QTest::addRow("%s, Tab", name) << entry << "Tab" << true;
            QTest::addRow("%s, Shift+Tab", name) << entry << "Backtab" << true;
            QTest::addRow("%s, Enter", name) << entry << "Enter" << true;
            QTest::addRow("%s, Ctrl", name) << entry << "Ctrl" << true;
            QTest::addRow("%s, click", name) << entry << "click" << (entry == anyWay);
        }
    }
    void selectAllOnEntering()
    {
        QFETCH(int, entry);
        QFETCH(QString, way);
        QFETCH(bool, selected);
        Window w;
        ui::SelectAllOnFocus select{static_cast<ui::SelectAllOnFocus::Entry>(entry)};
        select.attach(w.b);
        ui::FocusMap map;
        map.add(w.a, ui::FocusKey::Enter, w.b).add(w.a, ui::FocusKey::Ctrl, w.b);
        QVERIFY(test::ShowAndActivate(&w.window));
        w.b->setText(QStringLiteral("53"));
        QWidget *from = way == QStringLiteral("Backtab") ? w.c : w.a;
        from->setFocus();
        if (way == QStringLiteral("click"))
            QTest::mouseClick(w.b, Qt::LeftButton, {}, QPoint(w.b->width() - 4, w.b->height() / 2));
        else if (way == QStringLiteral("Tab"))
            QTest::keyClick(from, Qt::Key_Tab);
        else if (way == QStringLiteral("Backtab"))
            QTest::keyClick(from, Qt::Key_Backtab, Qt::ShiftModifier);
        else if (way == QStringLiteral("Enter"))
            QTest::keyClick(from, Qt::Key_Return);
        else
            QTest::keyClick(from, Qt::Key_Control);
        QCOMPARE(test::Focused(), w.b);
        QTest::qWait(0);
        QCOMPARE(w.b->selectedText(), selected ? QStringLiteral("53") : QString());
        // What the agent types then replaces the old figure, or goes where
        // the click put the caret.
        QTest::keyClicks(w.b, QStringLiteral("50"));
        QCOMPARE(w.b->text(), selected ? QStringLiteral("50") : QStringLiteral("5350"));
    }

    // Tab goes only where the agent can see the focus, and to one option of
    // a choice, the chosen one.
    void everyTabStopIsSeen_data()
    {
        QTest::addColumn<QString>("screen");
        for (const QString &key : {ui::screen::Pension, ui::screen::Needs, ui::screen::Customers,
                                   ui::screen::Coefficients, ui::screen::BaseFigures, ui::screen::About,
                                   ui::screen::Help, ui::screen::EmployeesPensionCalc, ui::screen::PensionAmounts})
            QTest::newRow(qPrintable(key)) << key;
    }
    void everyTabStopIsSeen()
    {
        QFETCH(QString, screen);
        QWidget *window = screens().show(screen);
        QVERIFY(test::ShowAndActivate(window));
        QWidget *first = test::Focused();
        QVERIFY(first);
        constexpr int kMostStops = 400;
        for (int stop = 0; stop < kMostStops; ++stop) {
            QWidget *at = test::Focused();
            // A scroll area around a form shows no focus of its own.
            QVERIFY2(at->isVisible() && at->window() == window && !qobject_cast<QScrollArea *>(at),
                     qPrintable(at->objectName()));
            if (auto *option = qobject_cast<QRadioButton *>(at)) {
                const QButtonGroup *group = option->group();
                QVERIFY2(option->isChecked() || !group || !group->checkedButton(), qPrintable(option->objectName()));
            }
            QTest::keyClick(at, Qt::Key_Tab);
            if (test::Focused() == first)
                break;
        }
        QCOMPARE(test::Focused(), first);
        window->hide();
    }

    // Every editable figure of every screen is replaced, not added to, by
    // what the agent types after coming in from the keyboard.
    void everyFigureIsSelectedWhenEntered_data() { everyTabStopIsSeen_data(); }
    void everyFigureIsSelectedWhenEntered()
    {
        QFETCH(QString, screen);
        QWidget *window = screens().show(screen);
        QVERIFY(test::ShowAndActivate(window));
        // Words (roles, names, the company and product, the search) keep the
        // caret where the agent left it.
        static const QRegularExpression words(QStringLiteral("^(Text3|Text4|Fmt4|Fmt1|Fmt3)\\(|^TextSearch$"));
        QStringList kept;
        for (QLineEdit *field : window->findChildren<QLineEdit *>()) {
            if (field->isReadOnly() || !field->isEnabled() || !field->isVisible() ||
                words.match(field->objectName()).hasMatch())
                continue;
            field->setText(QStringLiteral("53"));
            field->clearFocus();
            field->setFocus(Qt::OtherFocusReason);
            if (field->selectedText() != field->text())
                kept << field->objectName();
        }
        QVERIFY2(kept.isEmpty(), qPrintable(kept.join(u' ')));
        window->hide();
    }

    void windowFitsTheScreen_data()
    {
        QTest::addColumn<QSize>("design");
        QTest::addColumn<bool>("laidOut");
        QTest::addColumn<bool>("scrolls");
        QTest::newRow("needs analysis size") << QSize(868, 621) << true << false;
        QTest::newRow("taller than the laptop") << QSize(900, 1009) << true << true;
        QTest::newRow("wider than the laptop") << QSize(1600, 600) << true << true;
        QTest::newRow("fixed positions, too tall") << QSize(700, 900) << false << true;
    }
    void windowFitsTheScreen()
    {
        QFETCH(QSize, design);
        QFETCH(bool, laidOut);
        QFETCH(bool, scrolls);
        Window w;
        if (!laidOut) {
            delete w.window.layout();
            w.c->setGeometry(20, design.height() - 40, 100, 24);
        }
        ui::PlaceWhenFirstShown(&w.window, [](QWidget *window) { ui::PlaceCentred(window, 2.0); });
        ui::FitToScreen(&w.window, design);
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(screen.contains(w.window.frameGeometry()));
        auto *scroll = w.window.findChild<QScrollArea *>(QStringLiteral("ScreenFitScroll"));
        QCOMPARE(scroll != nullptr, scrolls);
        if (!scrolls) {
            QCOMPARE(w.window.size(), design);
            return;
        }
        // Every field is still there, reachable by scrolling.
        QVERIFY(scroll->widget()->isAncestorOf(w.c));
        QVERIFY(w.c->isVisibleTo(&w.window));
        QVERIFY(scroll->widget()->width() >= std::min(design.width(), screen.width() - 16) - 20);
        scroll->ensureWidgetVisible(w.c);
        QVERIFY(scroll->viewport()->rect().contains(QRect(w.c->mapTo(scroll->viewport(), QPoint()), w.c->size())));
    }

    void printAnsweredNoPrintsNothing()
    {
        Window w;
        w.window.show();
        m_seams->messages->answers = {ui::Answer::No};
        QCOMPARE(ui::ScreenPrint(&w.window, ui::PageOrientation::Landscape, w.icon), ui::PrintOutcome::Cancelled);
        QCOMPARE(m_seams->messages->shown.size(), 1);
        const auto &asked = m_seams->messages->shown.first();
        QVERIFY(asked.question);
        QCOMPARE(asked.message.text, QStringLiteral("画面印刷をします。よろしいですか？"));
        QCOMPARE(asked.message.title, QStringLiteral("印刷"));
        QCOMPARE(asked.message.icon, engine::MessageIcon::None);
        QVERIFY(m_seams->printer->jobs.isEmpty());
        QVERIFY(w.icon->isVisible());
    }

    void printAnsweredYesHidesTheIconForThePage()
    {
        Window w;
        w.window.show();
        m_seams->messages->answers = {ui::Answer::Yes};
        QCOMPARE(ui::ScreenPrint(&w.window, ui::PageOrientation::Landscape, w.icon), ui::PrintOutcome::Printed);
        QCOMPARE(m_seams->printer->jobs.size(), 1);
        const auto &job = m_seams->printer->jobs.first();
        QCOMPARE(job.orientation, ui::PageOrientation::Landscape);
        QVERIFY(job.hiddenWhilePrinting.contains(QStringLiteral("Picture1")));
        QVERIFY(w.icon->isVisible());
    }

    void failedPrintIsReported()
    {
        Window w;
        w.window.show();
        m_seams->messages->answers = {ui::Answer::Yes};
        m_seams->printer->outcome = ui::PrintOutcome::Failed;
        QCOMPARE(ui::ScreenPrint(&w.window, ui::PageOrientation::PrinterDefault), ui::PrintOutcome::Failed);
        QCOMPARE(m_seams->messages->shown.size(), 2);
        QCOMPARE(m_seams->messages->shown.last().message.icon, engine::MessageIcon::Warning);
        QCOMPARE(m_seams->messages->shown.last().message.title, QStringLiteral("印刷"));
    }

    void windowRendersAsVectorWithText_data()
    {
        QTest::addColumn<bool>("printer");
        QTest::newRow("PDF file") << false;
        QTest::newRow("printer") << true;
    }
    void windowRendersAsVectorWithText()
    {
        QFETCH(bool, printer);
        Window w;
        w.a->setText(QStringLiteral("遺族年金 1,020,000"));
        w.window.resize(400, 300);
        w.window.show();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("page.pdf"));
        if (printer) {
            // A printer's page: Qt would put the window there as a bitmap.
            QPrinter device(QPrinter::HighResolution);
            device.setOutputFormat(QPrinter::PdfFormat);
            device.setOutputFileName(path);
            QVERIFY(ui::RenderWindow(&w.window, device));
        } else {
            QVERIFY(ui::PrintWindowToPdf(&w.window, ui::PageOrientation::Landscape, path));
        }
        QVERIFY(QFileInfo(path).size() < 100 * 1024);
        // On paper the text only has to be drawn as text; a file is also
        // searched, so its text map must name 金, not the radical ⾦ that
        // shares its glyph (which NFKC folds back).
        QString text = test::PdfText(path);
        if (printer)
            text = text.normalized(QString::NormalizationForm_KC);
        QVERIFY2(text.contains(QStringLiteral("遺族年金 1,020,000")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("印刷")), qPrintable(text));
        for (const QSize &image : test::PdfImages(path))
            QVERIFY(image.width() * image.height() < 100 * 100);
        QVERIFY(!ui::PrintWindowToPdf(&w.window, ui::PageOrientation::Landscape,
                                      dir.filePath(QStringLiteral("no/such/folder/page.pdf"))));
    }

    void pdfNameProposesWindowAndDay_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("name");
        QTest::newRow("pension screen") << "遺族年金"
                                        << "遺族年金_2026-12-08.pdf";
        QTest::newRow("slash in the title") << "西暦/和暦"
                                            << "西暦_和暦_2026-12-08.pdf";
        QTest::newRow("no title") << ""
                                  << "Window_2026-12-08.pdf";
    }
    void pdfNameProposesWindowAndDay()
    {
        QFETCH(QString, title);
        QFETCH(QString, name);
        Window w;
        w.window.setWindowTitle(title);
        const QString path = ui::ProposedPdfPath(&w.window, QDate(2026, 12, 8));
        QCOMPARE(QFileInfo(path).fileName(), name);
        QCOMPARE(QFileInfo(path).absolutePath(),
                 QFileInfo(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).absoluteFilePath());
    }

    void pdfInsteadOfAPrinter_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("chosen"); // file name in a temporary folder; empty: the dialog cancelled
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("confirmation");
        QTest::newRow("saved") << true << "遺族年金_2026-12-08.pdf" << int(ui::PrintOutcome::SavedAsPdf)
                               << "PDF ファイルを保存しました。\n";
        QTest::newRow("offer declined") << false << "x.pdf" << int(ui::PrintOutcome::Cancelled) << "";
        QTest::newRow("dialog cancelled") << true << "" << int(ui::PrintOutcome::Cancelled) << "";
        QTest::newRow("folder missing") << true << "no/such/x.pdf" << int(ui::PrintOutcome::Failed) << "";
    }
    void pdfInsteadOfAPrinter()
    {
        QFETCH(bool, accept);
        QFETCH(QString, chosen);
        QFETCH(int, outcome);
        QFETCH(QString, confirmation);
        Window w;
        w.window.show();
        QTemporaryDir dir;
        const QString path = chosen.isEmpty() ? QString() : dir.filePath(chosen);
        m_seams->messages->answers = {accept ? ui::Answer::Yes : ui::Answer::No};
        QString proposed;
        const auto choose = [&](QWidget *, const QString &proposal) {
            proposed = proposal;
            return path;
        };
        const QString proposal = dir.filePath(QStringLiteral("proposal.pdf"));
        QCOMPARE(int(ui::SaveWindowAsPdf(&w.window, ui::PageOrientation::Landscape, proposal, choose)), outcome);
        QCOMPARE(proposed, accept ? proposal : QString());
        const auto &shown = m_seams->messages->shown;
        QCOMPARE(shown.first().message.text,
                 QStringLiteral("プリンターが見つかりません。PDF ファイルとして保存しますか？"));
        QCOMPARE(QFileInfo::exists(path), !confirmation.isEmpty());
        QCOMPARE(shown.size(), confirmation.isEmpty() ? 1 : 2);
        if (!confirmation.isEmpty()) {
            QCOMPARE(shown.last().message.text, confirmation + QDir::toNativeSeparators(path));
            QCOMPARE(shown.last().message.title, QStringLiteral("印刷"));
            QCOMPARE(shown.last().message.icon, engine::MessageIcon::Information);
        }
    }
};

IZOKU_TEST_MAIN(TestInputConventions)
#include "tst_inputconventions.moc"
