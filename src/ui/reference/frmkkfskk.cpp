#include "frmkkfskk.h"

#include "referencewidgets.h"

#include "engine/reference/eralist.h"
#include "engine/text/numbertext.h"

#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

namespace izoku::ui {

namespace {

TableContent shortenedPeriods(const QString &title, const QString &firstRow, int firstYears, int firstBand, int bands)
{
    auto years = [](int n) { return engine::FullWidthDigits(QString::number(n)) + QStringLiteral("年"); };
    TableContent table{
        title, {QStringLiteral("生年月日"), QStringLiteral("期間")}, {{firstRow, years(firstYears)}}, false};
    for (int i = 0; i < bands; ++i)
        table.rows.append({engine::ShowaBirthBand(firstBand + i), years(firstYears + 1 + i)});
    return table;
}

void qualificationPage(QVBoxLayout *page, QWidget *tabs)
{
    AddSection(
        page, tabs, QStringLiteral("■ 受給資格期間（すべて国民年金の期間で判断する）"),
        {QStringLiteral("　老齢基礎年金は、保険料納付済期間、保険料免除期間と合算対象期間（カラ期間）を合わせて25年"
                        "（300月）以上あるときに、65歳から支給されます。厚生年金保険や共済組合に加入していた期間は、"
                        "第2号被保険者期間として国民年金の期間に含めて数えます。\n"
                        "　合算対象期間は資格期間には数えますが、年金額には反映されません（昭和61年3月以前のｻﾗﾘｰﾏﾝ"
                        "の妻の任意未加入期間、平成3年3月以前の学生の任意未加入期間など）。\n"
                        "　年金額は、20歳から60歳までの40年（480月）すべて保険料を納めたときに満額となります。")});
}

void exemptionPage(QVBoxLayout *page, QWidget *tabs)
{
    AddSection(page, tabs, QStringLiteral("■ 保険料免除期間（法5条3項、昭60法附則8条1項）"),
               {QStringLiteral(
                   "　第1号被保険者で保険料を納めることが難しい人は、保険料の全部または一部が免除されます。免除され"
                   "た期間は受給資格期間に数えられ、年金額にも一定の割合で反映されます。10年以内であれば後から"
                   "追納して満額に近づけることができます。")});
    page->addWidget(Heading(tabs, QStringLiteral("■ 保険料免除の種類")));
    auto *kinds = new QTabWidget(tabs);
    kinds->setObjectName(QStringLiteral("SSTab2"));
    QVBoxLayout *kind = AddTabPage(kinds, QStringLiteral("全額免除"));
    kind->addWidget(Heading(kinds, QStringLiteral("■ 全額免除")));
    kind->addWidget(Paragraph(
        kinds, QStringLiteral(
                   "　障害基礎年金を受けている人や生活保護の生活扶助を受けている人は届け出により当然に（法定免除）、"
                   "前年の所得が（扶養親族等の数＋1）×35万円＋22万円以下の人などは申請により（申請免除）、保険料"
                   "の全額が免除されます。")));
    kind = AddTabPage(kinds, QStringLiteral("多段階免除"));
    AddSection(kind, kinds, QStringLiteral("■ 多段階免除"),
               {QStringLiteral("　前年の所得が次の額以下のとき、申請により保険料の一部が免除されま"
                               "す（残りの保険料を納めないと未納期間になります）。")});
    kind->addWidget(TitledTable(
        kinds, {QString(),
                {QStringLiteral("免除の種類"), QStringLiteral("所得の基準")},
                {{QStringLiteral("3/4免除"), QStringLiteral("78万円＋扶養親族等控除額＋社会保険料控除額等")},
                 {QStringLiteral("半額免除"), QStringLiteral("118万円＋扶養親族等控除額＋社会保険料控除額等")},
                 {QStringLiteral("1/4免除"), QStringLiteral("158万円＋扶養親族等控除額＋社会保険料控除額等")}},
                false}));
    kind = AddTabPage(kinds, QStringLiteral("学生納付特例"));
    kind->addWidget(
        Paragraph(kinds, QStringLiteral("　学生本人の所得で判断して保険料の納付を猶予します。受給資格期間には数"
                                        "えますが、追納しないと年金額には反映されません（「納付特例と猶予」を"
                                        "参照）。")));
    kind = AddTabPage(kinds, QStringLiteral("若年者納付猶予"));
    kind->addWidget(
        Paragraph(kinds, QStringLiteral("　30歳未満の人の保険料を、本人と配偶者の所得で判断して猶予します。受給"
                                        "資格期間には数えますが、追納しないと年金額には反映されません（「納付特"
                                        "例と猶予」を参照）。")));
    page->addWidget(kinds);

    page->addWidget(TitledTable(tabs, {QStringLiteral("■ 保険料免除された場合の年金額"),
                                       {QStringLiteral("免除の種類"), QStringLiteral("国庫負担1/3の間"),
                                        QStringLiteral("国庫負担1/2になった後")},
                                       {{QStringLiteral("全額免除"), QStringLiteral("2/6"), QStringLiteral("4/8")},
                                        {QStringLiteral("3/4免除"), QStringLiteral("3/6"), QStringLiteral("5/8")},
                                        {QStringLiteral("半額免除"), QStringLiteral("4/6"), QStringLiteral("6/8")},
                                        {QStringLiteral("1/4免除"), QStringLiteral("5/6"), QStringLiteral("7/8")}},
                                       false}));
    page->addWidget(Paragraph(
        tabs,
        QStringLiteral("※ 国庫負担割合が３分の１から２分の１に引き上げられた後の老齢基礎年金額は全額免除は２分の１、"
                       "４分の３免除は８分の５、半額免除期間は４分の３、４分の１免除は８分の７の額が反映されます。")));
}

void deferralPage(QVBoxLayout *page, QWidget *tabs)
{
    AddSection(
        page, tabs, QStringLiteral("■ 学生納付特例制度"),
        {QStringLiteral("　大学、短大、専修学校などの学生は、本人の前年の所得が一定額以下であれば、申請により在学中の"
                        "保険料の納付が猶予されます。この期間は受給資格期間に数えられ、在学中のけがや病気で障害が残っ"
                        "たときも障害基礎年金が受けられます。ただし年金額には反映されないため、10年以内に追納するこ"
                        "とができます。")});
    AddSection(
        page, tabs, QStringLiteral("■ 若年者納付猶予制度"),
        {QStringLiteral("　30歳未満の第1号被保険者で、本人と配偶者の前年の所得が一定額以下の人は、同居する親の所得にか"
                        "かわらず、申請により保険料の納付が猶予されます（平成17年4月から平成27年6月までの時限措置）。"
                        "扱いは学生納付特例と同じで、受給資格期間には数えますが、追納しなければ年金額には反映されま"
                        "せん。")});
}

void shortenedPeriodsPage(QVBoxLayout *page, QWidget *tabs)
{
    AddSection(page, tabs, QStringLiteral("■ 受給資格期間の短縮特例（昭60法附則12条1項）"),
               {QStringLiteral("　次の生年月日の人は、25年より短い期間で受給資格を満たします。")});
    // Each table: a first row, then one birth-year band a year, each a year
    // longer than the one before.
    page->addWidget(
        TitledTable(tabs, shortenedPeriods(QStringLiteral("(1)昭和５年４月１日以前うまれの者の特例(昭60法附則12条)"),
                                           QStringLiteral("大正15年4月2日 ～ 昭和2年4月1日"), 21, 2, 3)));
    page->addWidget(TitledTable(
        tabs, shortenedPeriods(QStringLiteral("(2)被用者年金制度の期間の特例(昭60法附則12条1項2号3号、別表第2)"),
                               QStringLiteral("昭和27年4月1日以前"), 20, 27, 4)));
    page->addWidget(TitledTable(
        tabs, shortenedPeriods(QStringLiteral("(3)厚生年金保険の中高齢者の特例(昭60法附則12条1項4号5号、別表第2)"),
                               QStringLiteral("昭和22年4月1日以前"), 15, 22, 4)));
    page->addWidget(Paragraph(tabs, QStringLiteral("　(3)は40歳（女性は35歳）以後の厚生年金保険の期間で数えます。")));
}

} // namespace

Frmkkfskk::Frmkkfskk(QWidget *parent)
    : ReferenceWindow(QStringLiteral("Frmkkfskk"), QStringLiteral("国民年金（老齢基礎年金）"), ButtonRow::Bottom, 4.0,
                      parent)
{
    body()->addWidget(TabPages(this, QStringLiteral("SSTab1"),
                               {{QStringLiteral("受給資格"), qualificationPage},
                                {QStringLiteral("免除、合算期間"), exemptionPage},
                                {QStringLiteral("納付特例と猶予"), deferralPage},
                                {QStringLiteral("資格期間短縮"), shortenedPeriodsPage}}));
    setDesignWidth(720);
    finish();
}

} // namespace izoku::ui
