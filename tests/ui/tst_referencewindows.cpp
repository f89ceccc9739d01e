#include "ui/app/applicationsetup.h"
#include "ui/app/formmenu.h"
#include "ui/app/screens.h"
#include "ui/app/windowregistry.h"
#include "ui/reference/formhelp.h"
#include "ui/reference/panelswitcher.h"

#include "engine/pension/accrualrates.h"
#include "engine/pension/pensioncalculation.h"
#include "engine/reference/transferaddition.h"
#include "engine/text/numbertext.h"
#include "ndatacopy.h"
#include "store/database.h"
#include "testkit.h"
#include "ui/app/basedatainuse.h"
#include "workedpension.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>

#include <algorithm>

using namespace izoku;

namespace {

// Every text a window puts in front of the agent: captions of labels,
// buttons and tabs, list lines.
QStringList shownTexts(const QWidget *window)
{
    QStringList texts{window->windowTitle()};
    for (const QLabel *label : window->findChildren<QLabel *>())
        texts << label->text();
    for (const QAbstractButton *button : window->findChildren<QAbstractButton *>())
        texts << button->text();
    for (const QTabWidget *tabs : window->findChildren<QTabWidget *>()) {
        for (int i = 0; i < tabs->count(); ++i)
            texts << tabs->tabText(i);
    }
    for (const QListWidget *list : window->findChildren<QListWidget *>()) {
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text();
    }
    return texts;
}

QString allTexts(const QWidget *window)
{
    return shownTexts(window).join(u'\n');
}

QPushButton *button(QWidget *window, const QString &name)
{
    return window->findChild<QPushButton *>(name);
}

// A household whose widow is 45 with no child that counts: the middle-aged
// widow's addition is all the employees' side adds.
engine::FrmRavoForm widowAged45()
{
    const QDate today(2026, 12, 8);
    engine::FrmRavoForm form = izoku::test::WorkedPensionForm(QStringLiteral("45"), today);
    engine::RunPensionCalculation(form, engine::kBaseData2009, today);
    return form;
}

// The windows of the law and the statistics the menu opens.
QStringList lawAndStatisticsWindows()
{
    return {ui::screen::History,          ui::screen::InsuredKinds,         ui::screen::PartialPension,
            ui::screen::TransferAddition, ui::screen::EmployeesPensionCalc, ui::screen::PensionLevel,
            ui::screen::PensionAmounts,   ui::screen::Requirements,         ui::screen::EducationCosts,
            ui::screen::Salaries};
}

// Brings `widget` to the front of every tab set and panel stack it lies in,
// as the agent would by choosing its tab or pressing its panel button.
void bringForward(QWidget *widget)
{
    for (QWidget *page = widget; page && !page->isWindow(); page = page->parentWidget()) {
        auto *stack = qobject_cast<QStackedWidget *>(page->parentWidget());
        if (!stack)
            continue;
        if (auto *tabs = qobject_cast<QTabWidget *>(stack->parentWidget()))
            tabs->setCurrentWidget(page);
        else
            stack->setCurrentWidget(page);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

// The labels of the window (paragraphs, table cells, diagram boxes) shorter
// or narrower than their text needs, each as its text.
QStringList cutLabels(QWidget *window)
{
    QStringList cut;
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (label->text().isEmpty())
            continue;
        bringForward(label);
        if (!label->isVisible())
            continue;
        const QSize needed =
            label->wordWrap() ? QSize(0, label->heightForWidth(label->width())) : label->minimumSizeHint();
        if (label->height() < needed.height() || label->width() < needed.width())
            cut << QStringLiteral("%1 (%2x%3 < %4x%5)")
                       .arg(label->text())
                       .arg(label->width())
                       .arg(label->height())
                       .arg(needed.width())
                       .arg(needed.height());
    }
    return cut;
}

} // namespace

class TestReferenceWindows : public QObject {
    Q_OBJECT

    ui::WindowRegistry m_registry;

  private slots:
    void initTestCase()
    {
        // The figures these tables state are those of fiscal 2009; the
        // year in use has its own test below.
        store::ProcessBaseData() = engine::kBaseData2009;
        ui::RegisterScreens(m_registry);
    }
    void cleanup() { m_registry.destroyAll(); }

    void opensWithItsTexts_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("FrmRekisi") << ui::screen::History << QStringLiteral("年金制度の歴史")
                                   << QStringList{"昭和36年4月1日　国民年金法施行(国民皆年金)",
                                                  "( 任意加入 )",
                                                  "職域年金部分",
                                                  "国民年金 （基礎年金）",
                                                  "年収130万未満",
                                                  " 自営,学生,無職",
                                                  "被保険者の種別表"};
        QTest::newRow("FrmSyubetu") << ui::screen::InsuredKinds << QStringLiteral("年金制度種別一覧")
                                    << QStringList{"■ 強制被保険者（法7条）",
                                                   "（第1号、2号、3号の区分）",
                                                   "下限はなし(20歳未満でも勤めていれば該当する。)上限は原則65歳",
                                                   "■ 特例による任意加入被保険者(法附則11条、23条)",
                                                   "60歳以上65歳未満",
                                                   "■老齢年金は25年以上加入しないと、年金が支給されない。"};
        QTest::newRow("FrmBubunnkn") << ui::screen::PartialPension
                                     << QStringLiteral("老齢厚生年金（部分年金）支給開始年齢一覧")
                                     << QStringList{"■ 報酬比例部分の支給開始年齢の引き上げ",
                                                    "～S16/4/1",
                                                    "S41/4/2～",
                                                    "～S41/4/1",
                                                    "報酬比例部分相当",
                                                    "(定額部分)",
                                                    "65歳",
                                                    "報酬比例部分が支給されなくなった"};
        QTest::newRow("FrmKakyu") << ui::screen::TransferAddition
                                  << QStringLiteral("加給年金額、配偶者特別加算と振替加算")
                                  << QStringList{"加給年金の支給停止等",     "２２７,９００円",
                                                 "各 ２２７,９００円",       "各   ７５,９００円",
                                                 "１６８,１００円",          "■ 加給年金減額改定(法44条4項)",
                                                 "加給年金＋配偶者特別加算", "昭和41年4月2日 ～＝0円"};
        QTest::newRow("Frmkkfskk") << ui::screen::EmployeesPensionCalc << QStringLiteral("国民年金（老齢基礎年金）")
                                   << QStringList{"若年者納付猶予",
                                                  "■ 受給資格期間の短縮特例（昭60法附則12条1項）",
                                                  "昭和22年4月1日以前",
                                                  "１５年",
                                                  "２４年",
                                                  "158万円＋扶養親族等控除額＋社会保険料控除額等",
                                                  "5/8"};
        QTest::newRow("FormHThsyo") << ui::screen::PensionLevel << QStringLiteral("必要補償額の算出根拠")
                                    << QStringList{"　年間生活費×0.5×妻の平均余命",
                                                   "　年間生活費×0.2×(22歳-末子の年齢)",
                                                   "　預貯金残高＋生命保険以外の給付金",
                                                   "大学卒業(22)",
                                                   "妻平均余命",
                                                   "■ 収入 ( 遺族の収入 )"};
        QTest::newRow("FormNen_1") << ui::screen::PensionAmounts << QStringLiteral("遺族年金の計算式表示")
                                   << QStringList{
                                          "(7.125/1000)",          "(5.769/1000)",         "( ① ＋ ② ) ×1.031×0.985",
                                          "(7.125～9.5/1000)",     "(5.769～7.692/1000)",  "×300÷被保険者期間",
                                          "※生年月日に応じた乗率", "月数が300月に満たない"};
        QTest::newRow("FormYouken") << ui::screen::Requirements << QStringLiteral("遺族年金の支給要件")
                                    << QStringList{"日本国内に住所を有し、かつ、60歳以上65歳未満", "５９４，２００円",
                                                   "792,100円 × ", "480(加入可能年数×12月)",
                                                   "③ 夫との婚姻関係(事実婚を含む)が10年以上継続していたこと。"};
        QTest::newRow("FormKyouikuhi")
            << ui::screen::EducationCosts << QStringLiteral("教育費")
            << QStringList{
                   "144,861", "236,542", "304,244", "1,373,184", "7,254", "1,153,900", "　※ 自宅通学の場合です"};
        QTest::newRow("FormKyuyo") << ui::screen::Salaries << QStringLiteral("厚生年金保険加入者の『平均給与月額』")
                                   << QStringList{"昭和17年4月2日から昭和21年4月1日まで", "37 万円",
                                                  "昭和55年4月2日から昭和57年4月1日まで", "15 万円",
                                                  "社会保険庁　参考資料"};
        QTest::newRow("FormHelp") << ui::screen::Help << QStringLiteral("使用方法")
                                  << ui::FormHelp::Captions() +
                                         QStringList{"生命保険に加入されている場合は入力しましょう。"
                                                     "そうすると必要補償額との比較ができます。"};
    }
    void opensWithItsTexts()
    {
        QFETCH(QString, key);
        QFETCH(QString, caption);
        QFETCH(QStringList, texts);
        QWidget *window = m_registry.show(key);
        QVERIFY(window);
        QCOMPARE(window->objectName(), key);
        QCOMPARE(window->windowTitle(), caption);
        const QString shown = allTexts(window);
        for (const QString &text : texts)
            QVERIFY2(shown.contains(text), qPrintable(text));
        // The misprints of the printed tables never reach the screen.
        for (const char *misprint : {"14,4861", "昭和2２年", "あつ、"})
            QVERIFY(!shown.contains(QString::fromUtf8(misprint)));
    }

    // Every cell of the tables, whole, as the printed tables give them ("|"
    // between cells; the misplaced digit groups of the education costs
    // corrected).
    void tablesShowEveryCell_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("cells");
        QTest::newRow("education") << ui::screen::EducationCosts
                                   << QStringLiteral(
                                          "幼稚園|公立|251,324|133,346|14,390|103,588|私立|538,406|368,392|25,153|"
                                          "144,861|小学校|334,134|56,655|40,937|236,542|1,373,184|780,001|30,843|"
                                          "562,340|中学校|471,752|133,183|36,563|302,006|1,269,391|957,893|7,254|"
                                          "304,244|高校|520,503|343,922|-|176,581|1,045,234|785,289|259,945|大学|国立|"
                                          "654,100|512,700|141,400|665,500|523,500|142,000|1,323,200|1,153,900|"
                                          "169,300|学習費総額|学校外活動費|授業料、その他|修学費、通学費");
        QTest::newRow("average pay")
            << ui::screen::Salaries
            << QStringLiteral("生年月日|男子|女子|37 万円|36 万円|34 万円|33 万円|30 万円|27 万円|24 万円|20 万円|17 "
                              "万円|21 万円|19 万円|15 万円|昭和45年4月2日から昭和50年4月1日まで");
        QTest::newRow("shortened periods")
            << ui::screen::EmployeesPensionCalc
            << QStringLiteral(
                   "大正15年4月2日 ～ 昭和2年4月1日|昭和4年4月2日 ～ 昭和5年4月1日|昭和27年4月1日以前|"
                   "昭和30年4月2日 ～ 昭和31年4月1日|昭和25年4月2日 ～ "
                   "昭和26年4月1日|２０年|２１年|２２年|２３年|２４年|１５年|１６年|１７年|１８年|１９年|"
                   "78万円＋扶養親族等控除額＋社会保険料控除額等|118万円＋扶養親族等控除額＋社会保険料控除額等");
        QTest::newRow("additions") << ui::screen::TransferAddition
                                   << QStringLiteral(
                                          "対象者|加算金額|その他の加算|配偶者|＋配偶者特別加算|1人目、2人目の子供|"
                                          "3人目以降の子|受給権者の生年月日|昭和18年4月2日以降");
        QTest::newRow("coverage items")
            << ui::screen::PensionLevel
            << QStringLiteral(
                   "　子供の教育費用|　末子の卒業までの教育費用|　子供の援助費用|"
                   "　子供の結婚援助資金や住宅取得援助資金等|　住宅維持補修費用|"
                   "　住宅の維持管理費用または賃料負担額等|　葬儀費用他|"
                   "　葬儀費用、その他費用と１年分の生活費用等| (2) 収 入|　遺族厚生年金|"
                   "　遺族厚生年金、中高齢寡婦加算、経過的寡婦加算|　遺族基礎年金|"
                   "　遺族基礎年金、寡婦年金、死亡一時金|　妻の老齢年金|　老齢基礎年金、老齢厚生年金|"
                   "　死亡退職金|　退職金＋弔慰金|　妻の労働収入|　生活状況の範囲内|　子供卒業までの生活資金");
        QTest::newRow("start ages") << ui::screen::PartialPension
                                    << QStringLiteral(
                                           "～S21/4/1|S22/4/2\n～S24/4/1|S29/4/2\n～S33/4/1|"
                                           "S34/4/2\n～S36/4/1|S39/4/2\n～S41/4/1|S36/4/2～|60歳|61歳|"
                                           "62歳|63歳|64歳|特別支給の老齢厚生年金 (報酬比例部分)|老齢厚生年金|"
                                           "老齢基礎年金|定額部分が支給されなくなった");
    }
    void tablesShowEveryCell()
    {
        QFETCH(QString, key);
        QFETCH(QString, cells);
        const QStringList shown = shownTexts(m_registry.show(key));
        for (const QString &cell : cells.split(u'|'))
            QVERIFY2(shown.contains(cell), qPrintable(cell));
    }

    void placedAgainstTheRightEdgeWithinTheScreen_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<double>("divisor");
        for (const QString &key : lawAndStatisticsWindows())
            QTest::newRow(qPrintable(key)) << key << 4.0;
        QTest::newRow("FormHelp") << ui::screen::Help << 10.0;
    }
    void placedAgainstTheRightEdgeWithinTheScreen()
    {
        QFETCH(QString, key);
        QFETCH(double, divisor);
        QWidget *window = m_registry.show(key);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QRect area = window->screen()->availableGeometry();
        QCOMPARE(area.size(), QSize(1366, 768));
        const QRect frame = window->frameGeometry();
        QVERIFY2(area.contains(frame), qPrintable(QStringLiteral("%1x%2").arg(frame.width()).arg(frame.height())));
        QCOMPARE(frame.right(), area.right());
        QCOMPARE(frame.top(), area.top() + static_cast<int>((area.height() - frame.height()) / divisor));
    }

    // Every line of every paragraph, cell and box is whole, on every page:
    // on the laptop, on screens scaled to 125 % and 150 % and with the
    // desktop's text made larger alone.
    void labelsHoldTheirText_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<double>("screenScale");
        QTest::addColumn<double>("textScale");
        for (const QString &key :
             lawAndStatisticsWindows() + QStringList{ui::screen::Help, ui::screen::EraTable, ui::screen::About}) {
            QTest::addRow("%s 100 %%", qPrintable(key)) << key << 1.0 << 1.0;
            QTest::addRow("%s 125 %%", qPrintable(key)) << key << 1.25 << 1.0;
            QTest::addRow("%s 150 %%", qPrintable(key)) << key << 1.5 << 1.0;
            QTest::addRow("%s larger text", qPrintable(key)) << key << 1.0 << 1.5;
        }
    }
    void labelsHoldTheirText()
    {
        QFETCH(QString, key);
        QFETCH(double, screenScale);
        QFETCH(double, textScale);
        const struct FontKept {
            QFont font = QApplication::font();
            ~FontKept() { QApplication::setFont(font); }
        } kept;
        QFont font = kept.font;
        font.setPointSizeF(font.pointSizeF() * textScale);
        QApplication::setFont(font);
        QWidget *window = m_registry.show(key);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        // Moved to the other screen as the agent drags it there.
        const QList<QScreen *> screens = QGuiApplication::screens();
        const auto target = std::find_if(screens.begin(), screens.end(), [screenScale](const QScreen *s) {
            return s->devicePixelRatio() == screenScale;
        });
        QVERIFY2(target != screens.end(), "no screen at that scale");
        window->move(window->pos() + (*target)->geometry().topLeft() - window->screen()->geometry().topLeft());
        QTRY_COMPARE(window->screen(), *target);
        QCOMPARE(window->devicePixelRatioF(), screenScale);
        const QStringList cut = cutLabels(window);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
    }

    void oneInstanceClosedByItsButton()
    {
        QWidget *first = m_registry.show(ui::screen::Salaries);
        QCOMPARE(m_registry.show(ui::screen::Salaries), first);
        QPointer<QWidget> guard(first);
        button(first, QStringLiteral("Command1"))->click();
        QTRY_VERIFY(guard.isNull());
        QVERIFY(!m_registry.existing(ui::screen::Salaries));
        QVERIFY(m_registry.show(ui::screen::Salaries));
    }

    void historyOpensTheKindsAndStaysOpen()
    {
        QWidget *history = m_registry.show(ui::screen::History);
        button(history, QStringLiteral("Command2"))->click();
        QWidget *kinds = m_registry.existing(ui::screen::InsuredKinds);
        QVERIFY(kinds && kinds->isVisible());
        QVERIFY(history->isVisible());
        button(history, QStringLiteral("Command2"))->click();
        QCOMPARE(m_registry.existing(ui::screen::InsuredKinds), kinds);
    }

    void panelButtonsSwitchOnlyThePanels_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("FormNen_1") << ui::screen::PensionAmounts << QStringLiteral(" ■ 短期要件の計算式")
                                   << QStringLiteral(" ■ 長期要件の計算式");
        QTest::newRow("FormYouken") << ui::screen::Requirements << QStringLiteral(" ■ 遺族基礎年金の支給要件")
                                    << QStringLiteral(" ■ 寡婦年金の支給要件");
    }
    void panelButtonsSwitchOnlyThePanels()
    {
        QFETCH(QString, key);
        QFETCH(QString, first);
        QFETCH(QString, second);
        QWidget *window = m_registry.show(key);
        auto *panels = window->findChild<ui::PanelSwitcher *>();
        auto visibleHeading = [window](const QString &text) {
            for (const QLabel *label : window->findChildren<QLabel *>()) {
                if (label->text() == text)
                    return label->isVisible();
            }
            return false;
        };
        QCOMPARE(panels->currentPanel(), 0);
        QVERIFY(visibleHeading(first) && !visibleHeading(second));
        button(window, QStringLiteral("Command2"))->click();
        QVERIFY(!visibleHeading(first) && visibleHeading(second));
        QVERIFY(window->isVisible());
        button(window, QStringLiteral("Command1"))->click();
        QVERIFY(visibleHeading(first) && !visibleHeading(second));
    }

    void transferAdditionListFromTheEngine()
    {
        QWidget *window = m_registry.show(ui::screen::TransferAddition);
        QCOMPARE(window->findChild<QTabWidget *>(QStringLiteral("SSTab1"))->currentIndex(), 0);
        auto *list = window->findChild<QListWidget *>(QStringLiteral("List1"));
        QStringList lines;
        for (int i = 0; i < list->count(); ++i)
            lines << list->item(i)->text();
        QCOMPARE(lines, engine::TransferAdditionList());
    }

    // What a reference window states is what the calculation pays.
    void figuresAgreeWithTheCalculation_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        const engine::FrmRavoForm widow = widowAged45();
        QVERIFY(engine::LeadingNumber(widow.num4[engine::BenefitSlots::MiddleAgedAmount]) > 0);
        const QString addition = engine::FullWidthDigits(
            engine::FormatNumber(engine::LeadingNumber(widow.num4[engine::BenefitSlots::MiddleAgedAmount]),
                                 engine::NumberFormat::Grouped),
            true);
        QTest::newRow("中高齢寡婦加算") << ui::screen::Requirements << addition + QStringLiteral("円");
        using engine::Num3;
        const auto &panel = widow.num3;
        QTest::newRow("rate 1") << ui::screen::PensionAmounts
                                << QStringLiteral("(%1/1000)").arg(panel[Num3::ShortNewRate1]);
        QTest::newRow("old rate 2") << ui::screen::PensionAmounts
                                    << QStringLiteral("(%1/1000)").arg(panel[Num3::ShortOldRate2]);
        const auto oldest = engine::AccrualRatesFor(QDate(1943, 4, 2));
        QTest::newRow("oldest band") << ui::screen::PensionAmounts << engine::PlainNumber(oldest->oldFormula.rate2);
        QTest::newRow("slide rate") << ui::screen::PensionAmounts
                                    << QStringLiteral("× %1").arg(panel[Num3::ShortNewSlideRate]);
    }
    void figuresAgreeWithTheCalculation()
    {
        QFETCH(QString, key);
        QFETCH(QString, text);
        QVERIFY2(allTexts(m_registry.show(key)).contains(text), qPrintable(text));
    }

    // The figures the calculation uses are those of the year in use, which
    // the window names; a table of one fixed year keeps its own.  Another
    // year chosen while the window is open opens it again with that year's.
    void showsTheYearInUse_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("fiscal2009");
        QTest::addColumn<QStringList>("fiscal2026");
        const QString today = QStringLiteral("令和8年度（2026年度）の額・現行制度");
        QTest::newRow("FrmKakyu") << ui::screen::TransferAddition
                                  << QStringList{"■ 加給年金の支給要件と支給額（平成21年度の額）", "各 ２２７,９００円",
                                                 "■ 配偶者特別加算額（平成20年度）"}
                                  << QStringList{"■ 加給年金の支給要件と支給額（" + today + "）", "各 ２４３,８００円",
                                                 "各   ８１,３００円", "■ 配偶者特別加算額（平成20年度）"};
        QTest::newRow("FormYouken") << ui::screen::Requirements
                                    << QStringList{"５９４，２００円　年額（平成21年度の額）", "25年以上"}
                                    << QStringList{"６３５，５００円　年額（" + today + "）", "847,300円 × ",
                                                   "10年以上", "（" + today + "）"};
        QTest::newRow("FormNen_1") << ui::screen::PensionAmounts
                                   << QStringList{"× 0.985　物価ｽﾗｲﾄﾞ率（平成21年度の額）"}
                                   << QStringList{"× 1　物価ｽﾗｲﾄﾞ率（" + today + "）",
                                                  "( ① ＋ ② ) ×1.082（従前額改定率）"};
    }
    void showsTheYearInUse()
    {
        QFETCH(QString, key);
        QFETCH(QStringList, fiscal2009);
        QFETCH(QStringList, fiscal2026);
        const test::DatabaseCopy db;
        QVERIFY(ui::BaseDataInUse::instance().load(db.path(), 2009).loaded());
        QWidget *window = m_registry.show(key);
        for (const QString &text : fiscal2009)
            QVERIFY2(allTexts(window).contains(text), qPrintable(text));
        QVERIFY(ui::BaseDataInUse::instance().load(db.path()).loaded());
        window = m_registry.existing(key);
        QVERIFY(window && window->isVisible());
        for (const QString &text : fiscal2026)
            QVERIFY2(allTexts(window).contains(text), qPrintable(text));
        QVERIFY(ui::BaseDataInUse::instance().load(db.path(), 2009).loaded());
    }

    void guideBuildsTheNeedsScreenWithoutShowingIt()
    {
        ui::WindowRegistry registry;
        ui::RegisterScreens(registry);
        registry.add(
            ui::screen::Needs, [] { return new QWidget; }, ui::OnClose::Hide);
        QWidget *guide = registry.show(ui::screen::Help);
        QVERIFY(guide->findChild<QLabel *>(QStringLiteral("Picture8")));
        QWidget *needs = registry.existing(ui::screen::Needs);
        QVERIFY(needs && !needs->isVisible());
    }

    void guidePicturesTheNeedsScreen()
    {
        QWidget screen;
        screen.resize(1000, 700);
        auto *livingCost = new QLineEdit(&screen);
        livingCost->setObjectName(QStringLiteral("Num1(16)"));
        livingCost->setGeometry(600, 400, 80, 24);
        int built = 0;
        ui::FormHelp guide([&] {
            ++built;
            return &screen;
        });
        QCOMPARE(built, 1);
        const QStringList captions = ui::FormHelp::Captions();
        QCOMPARE(captions.size(), 8);
        const QPixmap whole = guide.findChild<QLabel *>(QStringLiteral("Picture1"))->pixmap();
        const QPixmap living = guide.findChild<QLabel *>(QStringLiteral("Picture6"))->pixmap();
        // The first hint shows the whole screen, the living-cost hint the
        // field and its surroundings.
        QCOMPARE(whole.width() * 700 / 1000, whole.height());
        QCOMPARE(living.size(), QSize(400, 160));
        QCOMPARE(guide.findChild<QLabel *>(QStringLiteral("Label6"))->text(), captions.at(5));

        ui::FormHelp alone([] { return nullptr; });
        QCOMPARE(alone.findChildren<QLabel *>(QStringLiteral("Picture1")).size(), 0);
        QCOMPARE(alone.findChild<QLabel *>(QStringLiteral("Label8"))->text(), captions.at(7));
    }
};

int main(int argc, char *argv[])
{
    // The windows must fit the smallest screen the agents use; beside it a
    // laptop screens scaled to 125 % and 150 %.
    test::UseLaptopScreen(IZOKU_TEST_DATA "/laptop-screens-scaled.json");
    QApplication app(argc, argv);
    ui::SetUpApplication();
    TestReferenceWindows test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_referencewindows.moc"
