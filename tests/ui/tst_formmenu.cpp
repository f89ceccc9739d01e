#include "ui/app/formmenu.h"
#include "ui/app/screens.h"
#include "ui/app/windowregistry.h"

#include "store/database.h"
#include "store/location.h"
#include "testkit.h"

#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QPushButton>
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
        QFile::copy(QStringLiteral(IZOKU_DATABASE_FILE), m_withData.filePath(QStringLiteral("ndata.mdb")));
    }
    void init()
    {
        m_seams = std::make_unique<test::Seams>();
        store::ProcessBaseData() = {};
    }
    void cleanup() { m_seams.reset(); }

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

    void screensNotBuiltAreDisabled()
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
        for (const auto &[name, key] : buttons)
            QCOMPARE(menu->findChild<QPushButton *>(name)->isEnabled(), registry.has(key));
        // Without a registered screen the button stays disabled.
        ui::WindowRegistry bare;
        auto bareMenu = makeMenu(bare, m_withData.path());
        QVERIFY(!bareMenu->findChild<QPushButton *>(QStringLiteral("Command1"))->isEnabled());
        QVERIFY(menu->findChild<QPushButton *>(QStringLiteral("Command6"))->isEnabled());
        QVERIFY(menu->findChild<QPushButton *>(QStringLiteral("Command8"))->isEnabled());
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
        QCOMPARE(menu->findChild<QDateEdit *>(QStringLiteral("DTPicker1"))->date(), kStart.date());
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
        QCOMPARE(menu->findChild<QDateEdit *>(QStringLiteral("DTPicker1"))->date(), kStart.date());
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

QTEST_MAIN(TestFormmenu)
#include "tst_formmenu.moc"
