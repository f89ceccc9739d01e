#include "ui/app/datepicker.h"
#include "ui/app/formmenu.h"
#include "ui/app/qttranslations.h"
#include "ui/app/screens.h"
#include "ui/app/windowregistry.h"

#include "engine/text/numbertext.h"
#include "ndatacopy.h"
#include "store/database.h"
#include "store/location.h"
#include "testkit.h"
#include "ui/needs/frmhoken.h"
#include "ui/pension/frmravo.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

using namespace izoku;

namespace {

const QDateTime kStart(QDate(2026, 12, 8), QTime(9, 5, 7));

} // namespace

class TestFormmenu : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Seams> m_seams;
    QTemporaryDir m_withData;

    std::unique_ptr<ui::Formmenu> makeMenu(ui::WindowRegistry &registry, const QString &folder, int *ended = nullptr,
                                           QDateTime *now = nullptr)
    {
        ui::Formmenu::Options options;
        options.databasePath = store::DatabasePath(folder);
        options.clock = [now] { return now ? *now : kStart; };
        options.endProgram = [ended] {
            if (ended)
                ++*ended;
        };
        return std::make_unique<ui::Formmenu>(registry, options);
    }

  private slots:
    void initTestCase()
    {
        QVERIFY(ui::InstallJapaneseQtTexts());
        QFile::copy(QStringLiteral(IZOKU_DATABASE_FILE), m_withData.filePath(QStringLiteral("ndata.mdb")));
    }
    void init()
    {
        m_seams = std::make_unique<test::Seams>();
        store::ProcessBaseData() = {};
    }
    void cleanup() { m_seams.reset(); }

    void standardButtonsSpeakJapanese_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("text");
        QTest::newRow("yes") << int(QMessageBox::Yes) << "はい(&Y)";
        QTest::newRow("no") << int(QMessageBox::No) << "いいえ(&N)";
        QTest::newRow("ok") << int(QMessageBox::Ok) << "OK";
        QTest::newRow("cancel") << int(QMessageBox::Cancel) << "キャンセル";
    }
    void standardButtonsSpeakJapanese()
    {
        QFETCH(int, button);
        QFETCH(QString, text);
        // The buttons the message service puts on its boxes.
        QMessageBox box(QMessageBox::Warning, QStringLiteral("印刷"),
                        QStringLiteral("画面印刷をします。よろしいですか？"), QMessageBox::StandardButton(button));
        QCOMPARE(box.button(QMessageBox::StandardButton(button))->text(), text);
    }

    void pdfSaveDialogSpeaksJapanese()
    {
        QFileDialog dialog(nullptr, QStringLiteral("PDF ファイルとして保存"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        auto *buttons = dialog.findChild<QDialogButtonBox *>();
        QVERIFY(buttons);
        QCOMPARE(buttons->button(QDialogButtonBox::Save)->text(), QStringLiteral("保存(&S)"));
        QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("キャンセル"));
    }

    void buttonsStandWhereTheMenuWasDrawn_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("top");
        QTest::newRow("遺族年金") << "Command1"
                                  << "遺族年金" << 240 / 15;
        QTest::newRow("必要補償額") << "Command2"
                                    << "必要補償額" << 720 / 15;
        QTest::newRow("顧客データ") << "Command3"
                                    << "顧客データ" << 1200 / 15;
        QTest::newRow("係数計算") << "Command4"
                                  << "係数計算" << 1800 / 15;
        QTest::newRow("登録画面") << "Command5"
                                  << "登録画面" << 2400 / 15;
        QTest::newRow("About") << "Command6"
                               << "About" << 3000 / 15;
        // 終了 makes room for 計算年度 under the clock.
        QTest::newRow("終了") << "Command8"
                              << "終 了" << 4760 / 15;
    }
    void buttonsStandWhereTheMenuWasDrawn()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(int, top);
        ui::WindowRegistry registry;
        auto menu = makeMenu(registry, m_withData.path());
        auto *button = menu->findChild<QPushButton *>(name);
        QVERIFY(button);
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->geometry().top(), top);
        QCOMPARE(button->size(), QSize(1455 / 15, 375 / 15));
        QCOMPARE(menu->size(), QSize(1725 / 15, 5360 / 15));
    }

    void tabOrderRunsDownTheColumn()
    {
        ui::WindowRegistry registry;
        ui::RegisterScreens(registry);
        auto menu = makeMenu(registry, m_withData.path());
        QVERIFY(test::ShowAndActivate(menu.get()));
        auto *about = menu->findChild<QPushButton *>(QStringLiteral("Command6"));
        about->setFocus();
        QTest::keyClick(about, Qt::Key_Tab);
        QCOMPARE(test::Focused(), menu->findChild<QPushButton *>(QStringLiteral("Command8")));
        QCOMPARE(menu->pos(), QPoint(0, 0));
    }

    // The agent who copies or restores the customers must know which file
    // the program is using.
    void aboutNamesTheDatabaseInUse()
    {
        const QString path = m_withData.filePath(QStringLiteral("ndata.mdb"));
        store::UseDatabase(path);
        ui::WindowRegistry registry;
        ui::RegisterScreens(registry);
        auto menu = makeMenu(registry, m_withData.path());
        QVERIFY(test::ShowAndActivate(menu.get()));
        QTest::mouseClick(menu->findChild<QPushButton *>(QStringLiteral("Command6")), Qt::LeftButton);
        QWidget *about = registry.existing(ui::screen::About);
        QVERIFY(about);
        QCOMPARE(about->findChild<QLabel *>(QStringLiteral("lblDatabase"))->text(),
                 QStringLiteral("データファイル：") + path);
        registry.destroyAll();
    }

    void everyScreenButtonHasItsScreen()
    {
        ui::WindowRegistry registry;
        ui::RegisterScreens(registry);
        auto menu = makeMenu(registry, m_withData.path());
        const QList<QPair<QString, QString>> buttons = {{QStringLiteral("Command1"), ui::screen::Pension},
                                                        {QStringLiteral("Command2"), ui::screen::Needs},
                                                        {QStringLiteral("Command3"), ui::screen::Customers},
                                                        {QStringLiteral("Command4"), ui::screen::Coefficients},
                                                        {QStringLiteral("Command5"), ui::screen::BaseFigures},
                                                        {QStringLiteral("Command6"), ui::screen::About}};
        for (const auto &[name, key] : buttons) {
            QVERIFY2(registry.has(key), qPrintable(key));
            QVERIFY(test::Child<QPushButton>(menu.get(), name)->isEnabled());
        }
        QVERIFY(test::Child<QPushButton>(menu.get(), QStringLiteral("Command8"))->isEnabled());
    }

    void startUpLoadsBaseFiguresQuietly()
    {
        ui::WindowRegistry registry;
        auto menu = makeMenu(registry, m_withData.path());
        // The newest year of the file, as every start has read it.
        QCOMPARE(store::ProcessBaseData(), test::kShipped2026);
        QVERIFY(QFile::exists(m_withData.filePath(QStringLiteral("backup/ndata-2026-12-08.mdb"))));
        QVERIFY(test::ShowAndActivate(menu.get()));
        QTest::qWait(20);
        QVERIFY(m_seams->messages->shown.isEmpty());
        QCOMPARE(menu->findChild<ui::DatePicker *>(QStringLiteral("DTPicker1"))->date(), kStart.date());
    }

    void startUpTroubleIsSaidOnce_data()
    {
        QTest::addColumn<bool>("withDatabase");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("path");
        QTest::newRow("missing database")
            << false << "エラー"
            << "基礎データ（ndata.mdb）を読み込めませんでした。遺族基礎年金額などが 0 として計算されます。\n"
            << "ndata.mdb";
        // A file where the copies' folder should be: the day's copy cannot be made.
        QTest::newRow("backup cannot be written") << true << "バックアップ"
                                                  << "顧客データのバックアップを作成できませんでした。\n"
                                                  << "backup/ndata-2026-12-08.mdb";
    }
    void startUpTroubleIsSaidOnce()
    {
        QFETCH(bool, withDatabase);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(QString, path);
        QTemporaryDir folder;
        if (withDatabase) {
            QFile::copy(QStringLiteral(IZOKU_DATABASE_FILE), folder.filePath(QStringLiteral("ndata.mdb")));
            QFile blocker(folder.filePath(QStringLiteral("backup")));
            QVERIFY(blocker.open(QIODevice::WriteOnly));
        }
        ui::WindowRegistry registry;
        auto menu = makeMenu(registry, folder.path());
        QCOMPARE(store::ProcessBaseData() == test::kShipped2026, withDatabase);
        QVERIFY(test::ShowAndActivate(menu.get()));
        QTRY_COMPARE(m_seams->messages->shown.size(), 1);
        const engine::Message &m = m_seams->messages->shown.first().message;
        QCOMPARE(m.title, title);
        QCOMPARE(m.text, text + folder.filePath(path));
        QCOMPARE(m.icon, engine::MessageIcon::Warning);
        menu->hide();
        menu->show();
        QTest::qWait(20);
        QCOMPARE(m_seams->messages->shown.size(), 1);
        QCOMPARE(QFile::exists(folder.filePath(QStringLiteral("ndata.mdb"))), withDatabase);
    }

    // 計算年度: every year of the file, newest first, the newest in use.
    // Another year is loaded at once into the fields the opening of both
    // calculation screens fills from the base figures, and the screens
    // compute by it: fiscal 2009 exactly as the program always has.
    void choosingAYearUpdatesBothOpenScreens_data()
    {
        QTest::addColumn<int>("downs");
        QTest::addColumn<engine::BaseData>("figures");
        QTest::addColumn<QString>("law");
        QTest::addColumn<QString>("employeesPension");
        QTest::addColumn<QString>("middleAgedAddition");
        QTest::addColumn<QString>("oldFormula");
        const QString today = QStringLiteral("(①+②) × 従前額改定率");
        QTest::newRow("2026, the newest")
            << 0 << test::kShipped2026 << QStringLiteral("令和8年度（2026年度）の額・現行制度") << "485055"
            << "635500" << today;
        QTest::newRow("2024") << 2 << engine::BaseData{2024, 1, 816000, 234800, 78300, 813700, 1.041}
                              << QStringLiteral("令和6年度（2024年度）の額・現行制度") << "485055"
                              << "612000" << today;
        QTest::newRow("2009") << 3 << engine::kBaseData2009 << QStringLiteral("平成21年度の額") << "477800"
                              << "594200" << QStringLiteral("(①+②) × 1.031 ×");
    }
    void choosingAYearUpdatesBothOpenScreens()
    {
        QFETCH(int, downs);
        QFETCH(engine::BaseData, figures);
        QFETCH(QString, law);
        QFETCH(QString, employeesPension);
        QFETCH(QString, middleAgedAddition);
        QFETCH(QString, oldFormula);
        const test::DatabaseCopy db;
        ui::WindowRegistry registry;
        ui::RegisterScreens(registry, db.path());
        auto menu = makeMenu(registry, QFileInfo(db.path()).path());
        auto *years = test::Child<QComboBox>(menu.get(), QStringLiteral("Combo1"));
        QStringList items;
        for (int i = 0; i < years->count(); ++i)
            items << years->itemText(i);
        QCOMPARE(items, (QStringList{"2026年度", "2025年度", "2024年度", "2009年度"}));
        QCOMPARE(years->currentIndex(), 0);
        QVERIFY(years->geometry().top() >
                test::Child<QLabel>(menu.get(), QStringLiteral("Label1"))->geometry().bottom());
        QWidget *pension = registry.show(ui::screen::Pension);
        QWidget *needs = registry.show(ui::screen::Needs);
        // Typed before the year changes: only the fields of the base figures follow it.
        const QStringList record = {"", "120", "300000", "60", "400000"};
        for (int i = 0; i < record.size(); ++i)
            test::Child<QLineEdit>(pension, QStringLiteral("Text6(%1)").arg(i))->setText(record[i]);
        test::Child<QLineEdit>(pension, QStringLiteral("Text5(1)"))->setText(QStringLiteral("45"));
        test::Child<ui::DatePicker>(pension, QStringLiteral("DTPicker1(0)"))->setDate(QDate(1960, 5, 1));

        for (int i = 0; i < downs; ++i)
            QTest::keyClick(years, Qt::Key_Down);
        QCOMPARE(store::ProcessBaseData(), figures);
        const QString slide = engine::PlainNumber(figures.SlideRate);
        QCOMPARE(test::Child<QLineEdit>(pension, QStringLiteral("Text6(5)"))->text(), slide);
        QCOMPARE(test::Child<QLabel>(pension, QStringLiteral("lblLaw"))->text(), law);
        QCOMPARE(test::Child<QLineEdit>(needs, QStringLiteral("Num1(12)"))->text(), slide);
        QCOMPARE(test::Child<QLineEdit>(needs, QStringLiteral("Num1(52)"))->text(),
                 QString::number(figures.BasicPensionAmount));
        QCOMPARE(test::Child<QLabel>(needs, QStringLiteral("lblLaw"))->text(), law);
        QCOMPARE(test::Child<QLineEdit>(pension, QStringLiteral("Text6(1)"))->text(), record[1]);
        const QString reference = test::Child<QTextBrowser>(pension, QStringLiteral("BasicPanel0"))->toPlainText();
        QVERIFY(reference.contains(law));
        QVERIFY(reference.contains(engine::FormatNumber(figures.BasicPensionAmount, engine::NumberFormat::Grouped)));

        QTest::mouseClick(test::Child<QPushButton>(pension, QStringLiteral("cmdCalculate")), Qt::LeftButton);
        QCOMPARE(test::Child<QLabel>(pension, QStringLiteral("Num4(20)"))->text(), employeesPension);
        QCOMPARE(test::Child<QLabel>(pension, QStringLiteral("Num4(26)"))->text(), middleAgedAddition);
        // Both old-formula panels name the factor of the law in use.
        int oldPanels = 0;
        for (const QLabel *label : pension->findChildren<QLabel *>())
            oldPanels += label->text() == oldFormula;
        QCOMPARE(oldPanels, 2);
        QVERIFY(m_seams->messages->shown.isEmpty());
        registry.destroyAll();
    }

    // Figures start-up could not read are never computed with: the next
    // calculation on either screen reads them again and, while it still
    // cannot, stops with the start-up's warning.
    void calculationRetriesUnloadedFigures_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("field");
        QTest::newRow("遺族年金") << ui::screen::Pension << "cmdCalculate"
                                  << "Text6(5)";
        QTest::newRow("必要補償額") << ui::screen::Needs << "cmdBase"
                                    << "Num1(12)";
    }
    void calculationRetriesUnloadedFigures()
    {
        QFETCH(QString, key);
        QFETCH(QString, button);
        QFETCH(QString, field);
        QTemporaryDir folder;
        const QString path = store::DatabasePath(folder.path());
        ui::WindowRegistry registry;
        ui::RegisterScreens(registry, path);
        auto menu = makeMenu(registry, folder.path());
        QCOMPARE(store::ProcessBaseData(), engine::BaseData{});
        QWidget *window = registry.show(key);
        QCOMPARE(test::Child<QLineEdit>(window, field)->text(), QStringLiteral("0"));
        auto *calculate = test::Child<QPushButton>(window, button);

        QTest::mouseClick(calculate, Qt::LeftButton);
        QCOMPARE(m_seams->messages->shown.size(), 1);
        QCOMPARE(m_seams->messages->shown[0].message, *store::BaseDataWarning({}, path));
        QCOMPARE(store::ProcessBaseData(), engine::BaseData{});

        QVERIFY(QFile::copy(QStringLiteral(IZOKU_DATABASE_FILE), path));
        m_seams->messages->shown.clear();
        QTest::mouseClick(calculate, Qt::LeftButton);
        QCOMPARE(store::ProcessBaseData(), test::kShipped2026);
        QCOMPARE(test::Child<QLineEdit>(window, field)->text(), QStringLiteral("1"));
        QCOMPARE(test::Child<QLabel>(window, QStringLiteral("lblLaw"))->text(),
                 QStringLiteral("令和8年度（2026年度）の額・現行制度"));
        for (const auto &shown : m_seams->messages->shown)
            QVERIFY(!shown.message.text.startsWith(QStringLiteral("基礎データ")));
        QCOMPARE(test::Child<QComboBox>(menu.get(), QStringLiteral("Combo1"))->currentText(),
                 QStringLiteral("2026年度"));
        registry.destroyAll();
    }

    void clockShowsTwentyFourHoursAndTicks()
    {
        QCOMPARE(ui::Formmenu::ClockText(QTime(9, 5, 7)), QStringLiteral("09:05:07"));
        QCOMPARE(ui::Formmenu::ClockText(QTime(23, 59, 0)), QStringLiteral("23:59:00"));
        QCOMPARE(ui::Formmenu::ClockText(QTime(0, 0, 0)), QStringLiteral("00:00:00"));

        ui::WindowRegistry registry;
        QDateTime now = kStart;
        auto menu = makeMenu(registry, m_withData.path(), nullptr, &now);
        auto *clock = menu->findChild<QLabel *>(QStringLiteral("Label1"));
        QCOMPARE(clock->text(), QStringLiteral("09:05:07"));
        auto *timer = menu->findChild<QTimer *>(QStringLiteral("Timer1"));
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 1000);
        now = now.addSecs(1);
        QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
        QCOMPARE(clock->text(), QStringLiteral("09:05:08"));
        // The date of start-up stays as it was.
        now = now.addDays(1);
        QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
        QCOMPARE(menu->findChild<ui::DatePicker *>(QStringLiteral("DTPicker1"))->date(), kStart.date());
    }

    void eachWindowExistsOnce()
    {
        ui::WindowRegistry registry;
        int built = 0;
        registry.add(
            QStringLiteral("kept"),
            [&built] {
                ++built;
                return new QWidget;
            },
            ui::OnClose::Hide);
        registry.add(
            QStringLiteral("dropped"),
            [&built] {
                ++built;
                return new QWidget;
            },
            ui::OnClose::Destroy);
        QWidget *kept = registry.show(QStringLiteral("kept"));
        QCOMPARE(registry.show(QStringLiteral("kept")), kept);
        QCOMPARE(built, 1);
        kept->close();
        QCOMPARE(registry.existing(QStringLiteral("kept")), kept);
        QCOMPARE(registry.show(QStringLiteral("kept")), kept);
        QCOMPARE(built, 1);

        QWidget *dropped = registry.show(QStringLiteral("dropped"));
        QCOMPARE(built, 2);
        QPointer<QWidget> guard(dropped);
        dropped->close();
        QTRY_VERIFY(guard.isNull());
        QVERIFY(registry.show(QStringLiteral("dropped")) != nullptr);
        QCOMPARE(built, 3);
        QCOMPARE(registry.show(QStringLiteral("unknown")), nullptr);
    }

    void aboutOpensOnceAndOkClosesIt()
    {
        ui::WindowRegistry registry;
        ui::RegisterScreens(registry);
        auto menu = makeMenu(registry, m_withData.path());
        auto *about = menu->findChild<QPushButton *>(QStringLiteral("Command6"));
        QTest::mouseClick(about, Qt::LeftButton);
        QTest::mouseClick(about, Qt::LeftButton);
        QWidget *box = registry.existing(ui::screen::About);
        QVERIFY(box);
        QCOMPARE(box->windowTitle(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
        QVERIFY(box->findChild<QLabel *>(QStringLiteral("lblVersion")));
        QCOMPARE(box->findChild<QLabel *>(QStringLiteral("lblVersion"))->text(), QStringLiteral("Ver 1.0.0.0"));
        QPointer<QWidget> guard(box);
        QTest::mouseClick(box->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
        QTRY_VERIFY(guard.isNull());
    }

    void aboutShowsItsWholeText_data()
    {
        QTest::addColumn<int>("pointSize");
        QTest::newRow("9 pt, the program's font") << 9;
        QTest::newRow("12 pt") << 12;
        QTest::newRow("16 pt") << 16;
    }
    void aboutShowsItsWholeText()
    {
        QFETCH(int, pointSize);
        ui::WindowRegistry registry;
        ui::RegisterScreens(registry);
        QWidget *box = registry.show(ui::screen::About);
        QFont font = box->font();
        font.setPointSize(pointSize);
        box->setFont(font);
        QVERIFY(QTest::qWaitForWindowExposed(box));
        QTRY_VERIFY(!box->findChild<QLabel *>(QStringLiteral("lblWarning"))->geometry().isEmpty());
        for (const QLabel *label : box->findChildren<QLabel *>()) {
            // Each line is as tall as its wrapped text and inside the box.
            QVERIFY2(label->height() >= label->heightForWidth(label->width()), qPrintable(label->objectName()));
            QVERIFY(box->rect().contains(label->geometry()));
        }
        auto *ok = box->findChild<QPushButton *>(QStringLiteral("cmdOK"));
        QVERIFY(box->rect().contains(ok->geometry()));
        registry.destroyAll();
    }

    // The program's icon on the menu and every window it opens (and on the
    // task bar), at each size the package installs, drawn from the
    // program's own resources.
    void windowsCarryTheProgramsIcon_data()
    {
        QTest::addColumn<int>("size");
        for (const int size : {16, 32, 48, 64, 128, 256})
            QTest::addRow("%dpx", size) << size;
    }
    void windowsCarryTheProgramsIcon()
    {
        QFETCH(int, size);
        const QSize square(size, size);
        QVERIFY(QFile::exists(QStringLiteral(":/icons/izoku-planner-%1.png").arg(size)));
        const QIcon icon = QApplication::windowIcon();
        QVERIFY(icon.availableSizes().contains(square));
        QCOMPARE(icon.pixmap(square).size(), square);
        ui::WindowRegistry registry;
        const std::unique_ptr<ui::Formmenu> menu = makeMenu(registry, m_withData.path());
        QCOMPARE(menu->windowIcon().pixmap(square).toImage(), icon.pixmap(square).toImage());
    }

    void everyWindowFitsALaptop_data()
    {
        QTest::addColumn<QString>("key");
        ui::WindowRegistry registry;
        ui::RegisterScreens(registry);
        for (const QString &key : registry.keys())
            QTest::newRow(qPrintable(key)) << key;
    }
    void everyWindowFitsALaptop()
    {
        QFETCH(QString, key);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(screen.size(), QSize(1366, 768));
        ui::WindowRegistry registry;
        ui::RegisterScreens(registry);
        QWidget *window = registry.show(key);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        // Each window at its tallest: every panel and sheet it can show.
        const QList<QPair<QString, bool>> enlarge = {{QStringLiteral("Option1(0)"), true},
                                                     {QStringLiteral("cmdShowSheet"), false}};
        for (const auto &[name, radio] : enlarge) {
            if (radio) {
                if (auto *option = window->findChild<QRadioButton *>(name))
                    QTest::mouseClick(option, Qt::LeftButton);
            } else if (auto *button = window->findChild<QPushButton *>(name)) {
                QTest::mouseClick(button, Qt::LeftButton);
            }
        }
        QTest::qWait(20);
        QVERIFY2(screen.contains(window->frameGeometry()), qPrintable(QStringLiteral("%1 %2x%3+%4+%5")
                                                                          .arg(key)
                                                                          .arg(window->frameGeometry().width())
                                                                          .arg(window->frameGeometry().height())
                                                                          .arg(window->frameGeometry().x())
                                                                          .arg(window->frameGeometry().y())));
        registry.destroyAll();
    }

    void endingTheProgramIgnoresOpenWindows()
    {
        ui::WindowRegistry registry;
        ui::RegisterScreens(registry);
        int ended = 0;
        auto menu = makeMenu(registry, m_withData.path(), &ended);
        menu->show();
        QTest::mouseClick(menu->findChild<QPushButton *>(QStringLiteral("Command6")), Qt::LeftButton);
        QVERIFY(registry.existing(ui::screen::About)->isVisible());
        QTest::mouseClick(menu->findChild<QPushButton *>(QStringLiteral("Command8")), Qt::LeftButton);
        QCOMPARE(ended, 1);
        QVERIFY(m_seams->messages->shown.isEmpty());
        // The close box of the menu ends the program the same way.
        menu->close();
        QCOMPARE(ended, 2);
        registry.destroyAll();
        QCOMPARE(registry.existing(ui::screen::About), nullptr);
    }
};

IZOKU_TEST_MAIN(TestFormmenu)
#include "tst_formmenu.moc"
