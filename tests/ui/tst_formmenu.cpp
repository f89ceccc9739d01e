#include "ui/app/datepicker.h"
#include "ui/app/formmenu.h"
#include "ui/app/qttranslations.h"
#include "ui/app/screens.h"
#include "ui/app/windowregistry.h"

#include "store/database.h"
#include "store/location.h"
#include "testkit.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
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
        QTest::newRow("終了") << "Command8"
                              << "終 了" << 4080 / 15;
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
        QCOMPARE(menu->size(), QSize(1725 / 15, 4680 / 15));
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
        QCOMPARE(store::ProcessBaseData(), engine::kBaseData2009);
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
        QCOMPARE(store::ProcessBaseData() == engine::kBaseData2009, withDatabase);
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
