#include "cli/calcrun.h"
#include "engine/needs/comparison.h"
#include "engine/needs/customerrecord.h"
#include "engine/needs/deathyears.h"
#include "engine/needs/needscharts.h"
#include "engine/pension/pensioncalculation.h"
#include "engine/tst_needshousehold.h"
#include "store/database.h"
#include "testkit.h"
#include "ui/app/formmenu.h"
#include "ui/app/screens.h"
#include "ui/app/windowregistry.h"
#include "ui/charts/chartwindow.h"
#include "ui/needs/frmhoken.h"
#include "ui/pension/frmravo.h"
#include "workedpension.h"

#include <QAbstractItemModelTester>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QValueAxis>

#include <optional>

using namespace izoku;
using engine::ChartFeed;
using test::NeedsHousehold;

namespace {

// The five windows by their registry keys.
const QString kFormChart = ui::screen::PensionChart;
const QString kFormChart4 = ui::screen::NeedsPensionChart;
const QString kFormChart2 = ui::screen::CoverageChart;
const QString kFormChart3 = ui::screen::CashFlowChart;
const QString kFormChart5 = ui::screen::DeathYearChart;
const QStringList kAllCharts{kFormChart, kFormChart4, kFormChart2, kFormChart3, kFormChart5};

// The button of its screen that opens each chart.
const QMap<QString, QString> kChartButtons{{kFormChart, QStringLiteral("cmdChart")},
                                           {kFormChart4, QStringLiteral("cmdPensionChart")},
                                           {kFormChart2, QStringLiteral("cmdCoverageChart")},
                                           {kFormChart3, QStringLiteral("cmdCashFlowChart")},
                                           {kFormChart5, QStringLiteral("cmdDeathYearChart")}};

// The household reopened on the needs-analysis screen is not one of the
// customer list's rows.
constexpr qint64 kNoStoredRow = -1;

// A household for the needs-analysis screen, as the customer list would
// reopen it: the husband salaried with the worked record, the wife of the
// given age and a term policy of 2,000 万円.
engine::CustomerRecord needsCustomer(int wifeAge, const QString &name)
{
    NeedsHousehold h;
    h.husband(QString::number(wifeAge + 2), QDate(2024 - wifeAge, 5, 1)).wife(wifeAge).salaried();
    h.form().household.members[engine::HouseholdIndex::Husband].name = name;
    h.policy(engine::HokenNum4::Term1From, QStringLiteral("30"))
        .policy(engine::HokenNum4::Term1To, QStringLiteral("60"))
        .policy(engine::HokenNum4::Term1Amount, QStringLiteral("2000"));
    return engine::CustomerRecordOf(h.form(), test::kToday);
}

// What a window was opened with, as the engine computes it from the form
// its screen was left with.
struct Opened {
    ui::ChartWindow *window = nullptr;
    ChartFeed feed;
    std::vector<QStringList> table;
};

template <typename T> T *child(QWidget *window, const QString &name)
{
    return test::Child<T>(window, name);
}

// The chart as drawn: the values of its two series in the feed's order.
std::array<std::vector<double>, ChartFeed::kSeriesCount> drawnValues(const ui::ChartWindow *window, QChart *chart)
{
    QList<QBarSet *> bars;
    QList<QLineSeries *> lines;
    for (QAbstractSeries *series : chart->series()) {
        if (auto *b = qobject_cast<QBarSeries *>(series))
            bars << b->barSets();
        else if (auto *l = qobject_cast<QLineSeries *>(series))
            lines << l;
    }
    std::array<std::vector<double>, ChartFeed::kSeriesCount> values;
    for (size_t s = 0; s < values.size(); ++s) {
        if (window->variant().series[s].draw == ui::ChartVariant::Draw::Bars) {
            const QBarSet *set = bars.takeFirst();
            for (int i = 0; i < set->count(); ++i)
                values[s].push_back(set->at(i));
        } else {
            for (const QPointF &point : lines.takeFirst()->points())
                values[s].push_back(point.y());
        }
    }
    return values;
}

QStringList listLines(QWidget *window)
{
    QStringList lines;
    const auto *list = child<QListWidget>(window, QStringLiteral("List1"));
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}

QMap<int, QString> shownFields(QWidget *window, const QString &array)
{
    QMap<int, QString> fields;
    const QRegularExpression name(QStringLiteral("^%1\\((\\d+)\\)$").arg(array));
    for (const QLabel *label : window->findChildren<QLabel *>(name))
        fields.insert(name.match(label->objectName()).captured(1).toInt(), label->text());
    return fields;
}

std::vector<QStringList> shownTable(QWidget *window)
{
    const auto *grid = child<QTableWidget>(window, QStringLiteral("MSFlexGrid1"));
    std::vector<QStringList> rows(static_cast<size_t>(grid->rowCount()));
    for (int r = 0; r < grid->rowCount(); ++r) {
        for (int c = 0; c < grid->columnCount(); ++c)
            rows[static_cast<size_t>(r)] << (grid->item(r, c) ? grid->item(r, c)->text() : QString());
    }
    return rows;
}

} // namespace

class TestChartWindows : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Seams> m_seams;
    std::unique_ptr<ui::WindowRegistry> m_registry;

    // Everything the feed says, read back from the window's widgets.
    void verifyShows(ui::ChartWindow *window, const ChartFeed &feed, const std::vector<QStringList> &table)
    {
        const ui::ChartVariant &variant = window->variant();
        QCOMPARE(child<QLineEdit>(window, variant.nameField)->text(), feed.name);
        QChart *chart = child<QChartView>(window, variant.chartName)->chart();
        const auto values = drawnValues(window, chart);
        const auto series = feed.series();
        for (size_t s = 0; s < series.size(); ++s)
            QCOMPARE(values[s], *series[s]);
        auto *rows = qobject_cast<QBarCategoryAxis *>(chart->axes(Qt::Horizontal).value(0));
        QVERIFY(rows);
        QCOMPARE(rows->categories(), feed.rowLabels);
        const QList<QAbstractAxis *> scales = chart->axes(Qt::Vertical);
        QCOMPARE(scales.size(), 2);
        for (QAbstractAxis *axis : scales) {
            auto *scale = qobject_cast<QValueAxis *>(axis);
            QCOMPARE(scale->min(), 0.0);
            QCOMPARE(scale->max(), double(feed.axisMaximum));
        }
        if (variant.yearlyList)
            QCOMPARE(listLines(window), feed.listLines);
        QCOMPARE(shownFields(window, QStringLiteral("Num1")), feed.fields);
        QCOMPARE(shownFields(window, QStringLiteral("Num2")), feed.periodFields);
        if (variant.itemTable)
            QCOMPARE(shownTable(window), table);
    }

    void click(QWidget *screen, const QString &button)
    {
        QTest::mouseClick(child<QPushButton>(screen, button), Qt::LeftButton);
    }

    ui::ChartWindow *chartWindow(const QString &key)
    {
        return qobject_cast<ui::ChartWindow *>(m_registry->existing(key));
    }

    // "年金計算" and then "グラフの表示" on the survivors' pension screen, with
    // the worked record (the husband in the employees' pension 120 + 60
    // months) and the wife of the given age typed.
    Opened openFromPensionScreen(int wifeAge, const QString &name)
    {
        auto *screen = qobject_cast<ui::FrmRavo *>(m_registry->show(ui::screen::Pension));
        child<QLineEdit>(screen, QStringLiteral("Text4(0)"))->setText(name);
        child<QLineEdit>(screen, QStringLiteral("Text5(1)"))->setText(QString::number(wifeAge));
        const auto record = test::WorkedPensionForm(QString(), test::kToday).text6;
        for (size_t i = 0; i < record.size(); ++i)
            child<QLineEdit>(screen, QStringLiteral("Text6(%1)").arg(i))->setText(record[i]);
        click(screen, QStringLiteral("cmdCalculate"));
        click(screen, kChartButtons[kFormChart]);
        return {chartWindow(kFormChart), engine::PensionChartFeed(screen->form()), {}};
    }

    // The household reopened from the customer list on the needs-analysis
    // screen, a living cost of 30 万円 a month typed, and the chart's button
    // pressed: after "基礎計算" for the charts that need one first, alone
    // for the comparison and the need by year of death, which run their own.
    Opened openFromNeedsScreen(const QString &key, int wifeAge, const QString &name)
    {
        auto *screen = qobject_cast<ui::Frmhoken *>(m_registry->show(ui::screen::Needs));
        // Reopening over the household of an earlier opening asks first.
        if (engine::HoldsHousehold(screen->form()))
            m_seams->messages->answers.push_back(ui::Answer::Yes);
        screen->reopenCustomer(needsCustomer(wifeAge, name), kNoStoredRow);
        m_seams->messages->shown.clear();
        child<QLineEdit>(screen, QStringLiteral("Num1(%1)").arg(engine::HokenNum1::LivingCost))
            ->setText(QStringLiteral("30"));
        if (key != kFormChart2 && key != kFormChart5)
            click(screen, QStringLiteral("cmdBase"));
        click(screen, kChartButtons[key]);
        const engine::FrmhokenForm &form = screen->form();
        Opened opened{chartWindow(key), {}, {}};
        std::optional<ChartFeed> feed;
        if (key == kFormChart4) {
            feed = engine::ShowPensionChart(form).chart;
        } else if (key == kFormChart2) {
            feed = engine::ShowCoverageChart(form).chart;
        } else if (key == kFormChart5) {
            // The screen runs on the machine's clock.
            engine::FrmhokenForm copy = form;
            feed = engine::ShowDeathYearChart(copy, store::ProcessBaseData(), QDate::currentDate()).chart;
        } else {
            const engine::IncomeExpenseOpening opening = engine::ShowIncomeExpenseChart(form);
            feed = opening.chart;
            opened.table = opening.table;
        }
        if (!feed)
            qFatal("the needs-analysis screen has no %s to show", qPrintable(key));
        opened.feed = *feed;
        return opened;
    }

    Opened open(const QString &key, int wifeAge, const QString &name)
    {
        return key == kFormChart ? openFromPensionScreen(wifeAge, name) : openFromNeedsScreen(key, wifeAge, name);
    }

  private slots:
    void init()
    {
        m_seams = std::make_unique<test::Seams>();
        store::ProcessBaseData() = engine::kBaseData2009;
        m_registry = std::make_unique<ui::WindowRegistry>();
        ui::RegisterScreens(*m_registry);
    }
    void cleanup()
    {
        m_registry.reset();
        m_seams.reset();
    }

    void showsTheFeed_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("wifeAge");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("firstAge"); // of the wife, or of the husband for FormChart5
        QTest::newRow("FormChart, wife 40: to 66") << kFormChart << 40 << 27 << "遺族年金のグラフ表示" << 40;
        QTest::newRow("FormChart, wife 30") << kFormChart << 30 << 37 << "遺族年金のグラフ表示" << 30;
        QTest::newRow("FormChart4, wife 40: to 64") << kFormChart4 << 40 << 25 << "遺族年金グラフ" << 40;
        QTest::newRow("FormChart2, wife 40: to the reference age 64")
            << kFormChart2 << 40 << 25 << "生命保険診断　これからの生活必要額と生命保険" << 40;
        QTest::newRow("FormChart3, wife 40") << kFormChart3 << 40 << 25 << "グラフ　収入と支出" << 40;
        QTest::newRow("FormChart3, wife 25: 40 years") << kFormChart3 << 25 << 40 << "グラフ　収入と支出" << 25;
        // The husband (42) would die in each year until the wife is 59.
        QTest::newRow("FormChart5, wife 40") << kFormChart5 << 40 << 20 << "死亡時期別の必要保障額と生命保険" << 42;
    }
    void showsTheFeed()
    {
        QFETCH(QString, key);
        QFETCH(int, wifeAge);
        QFETCH(int, rows);
        QFETCH(QString, caption);
        QFETCH(int, firstAge);
        const Opened opened = open(key, wifeAge, QStringLiteral("山田太郎"));
        QVERIFY(opened.window);
        QVERIFY(opened.window->isVisible());
        QCOMPARE(opened.window->windowTitle(), caption);
        QCOMPARE(opened.feed.rows(), rows);
        QCOMPARE(opened.feed.name, QStringLiteral("山田太郎"));
        QCOMPARE(opened.feed.rowLabels.first(), QStringLiteral(" %1歳").arg(firstAge));
        QVERIFY(opened.feed.axisMaximum > 0);
        verifyShows(opened.window, opened.feed, opened.table);
        if (key == kFormChart3)
            QCOMPARE(opened.table.size(), size_t(34));
    }

    // "グラフの表示" asks for no calculation first: before one the chart is
    // empty and the window still shows the screen's fields.
    void pensionChartBeforeAnyCalculation()
    {
        QWidget *screen = m_registry->show(ui::screen::Pension);
        click(screen, kChartButtons[kFormChart]);
        ui::ChartWindow *window = chartWindow(kFormChart);
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const ChartFeed feed = engine::PensionChartFeed(qobject_cast<ui::FrmRavo *>(screen)->form());
        QCOMPARE(feed.rows(), 0);
        verifyShows(window, feed, {});
    }

    // Pressing the button again draws the screen's new figures in the same
    // window, with nothing left over from the first picture.
    void reopeningReplacesEverything_data()
    {
        QTest::addColumn<QString>("key");
        for (const QString &key : kAllCharts)
            QTest::newRow(qPrintable(key)) << key;
    }
    void reopeningReplacesEverything()
    {
        QFETCH(QString, key);
        const Opened first = open(key, 30, QStringLiteral("山田太郎"));
        QVERIFY(first.window);
        child<QPlainTextEdit>(first.window, QStringLiteral("Text4"))->setPlainText(QStringLiteral("ご検討ください"));
        // The list and the item table are refilled as item views expect.
        std::vector<std::unique_ptr<QAbstractItemModelTester>> testers;
        for (const QString &view : {QStringLiteral("List1"), QStringLiteral("MSFlexGrid1")}) {
            if (auto *items = first.window->findChild<QAbstractItemView *>(view))
                testers.push_back(std::make_unique<QAbstractItemModelTester>(
                    items->model(), QAbstractItemModelTester::FailureReportingMode::QtTest));
        }
        QCOMPARE(testers.size(), size_t(first.window->variant().yearlyList + first.window->variant().itemTable));
        const Opened second = open(key, 45, QStringLiteral("鈴木一郎"));
        QCOMPARE(second.window, first.window);
        QVERIFY(second.feed.rows() < first.feed.rows());
        verifyShows(second.window, second.feed, second.table);
        // The agent's remark is not the screen's to replace.
        QCOMPARE(child<QPlainTextEdit>(second.window, QStringLiteral("Text4"))->toPlainText(),
                 QStringLiteral("ご検討ください"));
    }

    // Before any base calculation the needs-analysis screen's charts stay
    // shut; the comparison runs one first, which stops on a screen with no
    // pension record.
    void refusedBeforeTheBaseCalculation_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::newRow("FormChart4") << kFormChart4 << "基礎計算実行ボタンを押してください"
                                    << "エラー";
        QTest::newRow("FormChart3") << kFormChart3 << "基礎計算実行ボタンを押してください"
                                    << "エラー";
        QTest::newRow("FormChart2") << kFormChart2 << "年金関連データを入力して下さい。"
                                    << "入力エラー";
        QTest::newRow("FormChart5") << kFormChart5 << "年金関連データを入力して下さい。"
                                    << "入力エラー";
    }
    void refusedBeforeTheBaseCalculation()
    {
        QFETCH(QString, key);
        QFETCH(QString, text);
        QFETCH(QString, title);
        click(m_registry->show(ui::screen::Needs), kChartButtons[key]);
        QVERIFY(!m_registry->existing(key));
        QCOMPARE(m_seams->messages->shown.size(), 1);
        const engine::Message &shown = m_seams->messages->shown.first().message;
        QCOMPARE(shown.text, text);
        QCOMPARE(shown.title, title);
        QCOMPARE(shown.icon, engine::MessageIcon::Warning);
    }

    void printing_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<bool>("yes");
        for (const QString &key : kAllCharts) {
            QTest::newRow(qPrintable(key + " title, yes")) << key << "Command1" << true;
            QTest::newRow(qPrintable(key + " icon, yes")) << key << "Picture1" << true;
            QTest::newRow(qPrintable(key + " icon, no")) << key << "Picture1" << false;
        }
    }
    void printing()
    {
        QFETCH(QString, key);
        QFETCH(QString, clicked);
        QFETCH(bool, yes);
        ui::ChartWindow *window = open(key, 40, QStringLiteral("山田太郎")).window;
        QVERIFY(QTest::qWaitForWindowExposed(window));
        m_seams->messages->answers.push_back(yes ? ui::Answer::Yes : ui::Answer::No);
        QTest::mouseClick(child<QWidget>(window, clicked), Qt::LeftButton);
        QCOMPARE(m_seams->messages->shown.size(), 1);
        QCOMPARE(m_seams->messages->shown.first().message.text, QStringLiteral("画面印刷をします。よろしいですか？"));
        QCOMPARE(m_seams->messages->shown.first().message.title, QStringLiteral("印刷"));
        QCOMPARE(m_seams->printer->jobs.size(), yes ? 1 : 0);
        if (yes) {
            const test::RecordingPrinter::Job &job = m_seams->printer->jobs.first();
            QCOMPARE(job.window, key);
            QCOMPARE(job.orientation, ui::PageOrientation::Landscape);
            // The printer picture stays off the page; the title is printed.
            QVERIFY(job.hiddenWhilePrinting.contains(QStringLiteral("Picture1")));
            QVERIFY(!job.hiddenWhilePrinting.contains(QStringLiteral("Command1")));
        }
        QVERIFY(child<QWidget>(window, QStringLiteral("Picture1"))->isVisible());
    }

    // The page the customer takes home: a vector PDF with the chart on it.
    void printsToPdf()
    {
        ui::ChartWindow *window = open(kFormChart3, 40, QStringLiteral("山田太郎")).window;
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("chart.pdf"));
        QVERIFY(ui::PrintWindowToPdf(window, ui::PageOrientation::PrinterDefault, path));
        QVERIFY(QFileInfo(path).size() > 1000);
    }

    void chartIsDrawn_data()
    {
        QTest::addColumn<QString>("key");
        for (const QString &key : kAllCharts)
            QTest::newRow(qPrintable(key)) << key;
    }
    void chartIsDrawn()
    {
        QFETCH(QString, key);
        ui::ChartWindow *window = open(key, 40, QStringLiteral("山田太郎")).window;
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QVERIFY(!window->grab().isNull());
        // A laptop's 768 lines less the task bar and the title bar.
        QVERIFY2(window->height() <= 690 && window->width() <= 1366, qPrintable(QString::number(window->height())));
        // Nothing squeezes the chart: it keeps its whole height in the window.
        QChartView *view = child<QChartView>(window, window->variant().chartName);
        QVERIFY(view->geometry().bottom() <= view->parentWidget()->rect().bottom());
        QVERIFY(view->height() >= view->minimumHeight());
        // The bars stand in the chart area in their own colour.
        const QImage image = view->grab().toImage();
        QColor barColour;
        for (const ui::ChartVariant::Series &series : window->variant().series) {
            if (series.draw == ui::ChartVariant::Draw::Bars)
                barColour = series.colour;
        }
        int barPixels = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                barPixels += image.pixelColor(x, y) == barColour ? 1 : 0;
        }
        QVERIFY2(barPixels > 100, qPrintable(QString::number(barPixels)));
    }

    // The pension screen's chart a quarter down the free height; the needs
    // screen's charts 200 twips below the top of the screen.
    void placement_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("quarterDown");
        QTest::newRow("FormChart") << kFormChart << true;
        QTest::newRow("FormChart4") << kFormChart4 << false;
        QTest::newRow("FormChart2") << kFormChart2 << false;
        QTest::newRow("FormChart3") << kFormChart3 << false;
        QTest::newRow("FormChart5") << kFormChart5 << false;
    }
    void placement()
    {
        QFETCH(QString, key);
        QFETCH(bool, quarterDown);
        ui::ChartWindow *window = open(key, 40, QStringLiteral("山田太郎")).window;
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QRect area = window->screen()->availableGeometry();
        const QRect frame = window->frameGeometry();
        const int top = quarterDown ? area.top() + (area.height() - frame.height()) / 4 : area.top() + 200 / 15;
        // Within the width of the frame, which a window wider than the test's
        // screen only gets once it is placed.
        const int frameWidth = frame.width() - window->width();
        QVERIFY(qAbs(frame.left() - (area.left() + (area.width() - frame.width()) / 2)) <= frameWidth);
        QVERIFY(qAbs(frame.top() - top) <= frameWidth);
    }

    // The yearly list the agent reads out is the one izoku-calc gives for the
    // same fields.
    void deathYearListIsIzokuCalcs()
    {
        ui::ChartWindow *window = open(kFormChart5, 35, QStringLiteral("山田太郎")).window;
        QVERIFY(window);
        const engine::FrmhokenForm &form =
            qobject_cast<ui::Frmhoken *>(m_registry->existing(ui::screen::Needs))->form();
        QJsonArray members;
        for (const engine::HouseholdMember &member : form.household.members)
            members.append(QJsonObject{{"name", member.name},
                                       {"age", member.age},
                                       {"birth", member.birth.toString(Qt::ISODate)},
                                       {"present", member.present},
                                       {"disabled", member.disabled}});
        QJsonObject num1;
        for (int slot = engine::HouseholdIndex::Count; slot < engine::HokenNum1::kCount; ++slot)
            num1[QString::number(slot)] = form.num1(slot);
        QJsonObject num4;
        for (int slot = 0; slot < engine::HokenNum4::kCount; ++slot)
            num4[QString::number(slot)] = form.num4[static_cast<size_t>(slot)];
        const engine::BaseData &base = store::ProcessBaseData();
        const QJsonObject input{{"today", QDate::currentDate().toString(Qt::ISODate)},
                                {"base_data", QJsonObject{{"fiscal_year", base.FiscalYear},
                                                          {"slide_rate", base.SlideRate},
                                                          {"basic_pension", base.BasicPensionAmount},
                                                          {"child_addition_1", base.ChildAddition1},
                                                          {"child_addition_2", base.ChildAddition2}}},
                                {"members", members},
                                {"membership", "employee"},
                                {"num1", num1},
                                {"num4", num4},
                                {"actions", QJsonArray{"death_years"}}};
        const test::CalcRun run =
            test::RunCalc({QStringLiteral("needs")}, QJsonDocument(input).toJson(QJsonDocument::Compact));
        QCOMPARE(run.exitCode, 0);
        QStringList expected;
        const QJsonObject chart = run.json().value("charts").toObject().value("death_years").toObject();
        for (const QJsonValue &line : chart.value("list").toArray())
            expected << line.toString();
        QVERIFY(expected.size() > 1);
        QCOMPARE(listLines(window), expected);
    }

    // A closed chart is unloaded; the next press builds it afresh.
    void closingUnloads()
    {
        QPointer<ui::ChartWindow> window = open(kFormChart4, 40, QStringLiteral("山田太郎")).window;
        QVERIFY(window);
        QTest::mouseClick(child<QPushButton>(window, QStringLiteral("Command2")), Qt::LeftButton);
        QTRY_VERIFY(!window);
        QVERIFY(!m_registry->existing(kFormChart4));
        QVERIFY(open(kFormChart4, 40, QStringLiteral("山田太郎")).window);
    }

    void fixedTexts_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("FormChart") << kFormChart
                                   << QStringList{"遺族年金グラフ",
                                                  "様",
                                                  "年金の種類",
                                                  "妻の受給年齢",
                                                  "年金額",
                                                  "　① 遺族厚生年金　",
                                                  "② 遺族基礎年金",
                                                  "　③ 中高齢寡婦加算",
                                                  "　④ 経過的寡婦加算",
                                                  "　⑤ 寡婦年金",
                                                  "　⑥死亡 一時金",
                                                  "一時金",
                                                  "～",
                                                  "円",
                                                  " 国民年金の期間",
                                                  "厚生年金",
                                                  "H15/3までの期間",
                                                  "平均標準報酬月額",
                                                  "H15/4からの期間",
                                                  "平均標準報酬額",
                                                  "ヶ月",
                                                  "※　65歳からは、ご自身の老齢年金が支給されます。"};
        QTest::newRow("FormChart4") << kFormChart4
                                    << QStringList{"遺族年金グラフ",   "受給年齢",         "　遺族厚生年金　",
                                                   "　中高齢寡婦加算", "　 遺族基礎年金",  "　寡婦年金",
                                                   "  経過的寡婦加算", "　一時金",         " 国民年金の期間",
                                                   "H15/3までの期間",  "平均標準報酬月額", "H15/4からの期間",
                                                   "平均標準報酬額"};
        QTest::newRow("FormChart2") << kFormChart2
                                    << QStringList{
                                           "生活必要補償額と生命保険",
                                           "妻:年齢→",
                                           "■必要補償額",
                                           "定期保険",
                                           "終身保険",
                                           "夫：加入年齢（歳～歳）",
                                           "保険金額",
                                           "歳 ～",
                                           "万円",
                                           "注意：必要補償額には、死亡退職金・貯蓄・葬儀費用は反映していません。",
                                           "反映する場合は、単年度ごとに加算・減算を行ってください",
                                           "診　断",
                                           "グラフ表示について"};
        QTest::newRow("FormChart3") << kFormChart3
                                    << QStringList{"各年度の収入・支出一覧グラフ",
                                                   "■第1棒（前）が支出、第2棒（後）が収入です。",
                                                   " 収入の部",
                                                   "　年金関連",
                                                   "　貯蓄・その他",
                                                   " 支出の部",
                                                   "　葬祭・その他費用",
                                                   "①表示は、妻の年齢が64歳までです。"};
        QTest::newRow("FormChart5") << kFormChart5
                                    << QStringList{"様", "夫:死亡時の年齢→", "夫の年齢　必要保障額　生命保険",
                                                   "最大の不足額", "夫の死亡年齢"};
    }
    void fixedTexts()
    {
        QFETCH(QString, key);
        QFETCH(QStringList, texts);
        ui::ChartWindow *window = open(key, 40, QStringLiteral("山田太郎")).window;
        QStringList shown;
        for (const QLabel *label : window->findChildren<QLabel *>())
            shown << label->text();
        for (const QPushButton *button : window->findChildren<QPushButton *>())
            shown << button->text();
        for (const QString &text : texts)
            QVERIFY2(shown.contains(text), qPrintable(text));
        // The close button has no caption.
        QCOMPARE(child<QPushButton>(window, QStringLiteral("Command2"))->text(), QString());
    }
};

IZOKU_TEST_MAIN(TestChartWindows)
#include "tst_chartwindows.moc"
