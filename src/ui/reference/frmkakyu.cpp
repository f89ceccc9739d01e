#include "frmkakyu.h"

#include "referencewidgets.h"

#include "engine/reference/transferaddition.h"
#include "engine/text/numbertext.h"
#include "ui/pension/referencetexts.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>
#include <QVBoxLayout>

namespace izoku::ui {

namespace {

QString yen(std::int32_t amount)
{
    return engine::FullWidthDigits(engine::FormatNumber(amount, engine::NumberFormat::Grouped)) + QStringLiteral("円");
}

void additionsPage(QVBoxLayout *page, QWidget *tabs, const engine::BaseData &baseData)
{
    AddSection(page, tabs, QStringLiteral("■ 加給年金額、配偶者特別加算と振替加算"),
               {QStringLiteral("　老齢厚生年金を受ける人に、生計を維持している配偶者や子がいると"
                               "き、家族手当にあたる加給年金額が加算されます。")});
    page->addWidget(
        Heading(tabs, WithLawCaption(QStringLiteral("■ 加給年金の支給要件と支給額"), engine::PensionLawOf(baseData))));
    for (const char *requirement :
         {"・厚生年金保険の被保険者期間が２０年以上　* 1",
          "・受給権を取得した当時、生計を維持していた、配偶者または子がいる　* 2",
          "・配偶者、子の年収が850万円未満である　* 4", "・特別支給の老齢厚生年金または老齢基礎年金を受給している　* 5",
          "・配偶者の場合65歳未満、子の場合、18歳未満（障害者は20歳未満）　* 3"})
        page->addWidget(Paragraph(tabs, QString::fromUtf8(requirement)));
    // The spouse's addition and the first two children's equal the basic
    // pension's child addition; the third child's its smaller one.
    page->addWidget(TitledTable(
        tabs, {QString(),
               {QStringLiteral("対象者"), QStringLiteral("加算金額"), QStringLiteral("その他の加算")},
               {{QStringLiteral("配偶者"), yen(baseData.ChildAddition1), QStringLiteral("＋配偶者特別加算")},
                {QStringLiteral("1人目、2人目の子供"), QStringLiteral("各 ") + yen(baseData.ChildAddition1), QString()},
                {QStringLiteral("3人目以降の子"), QStringLiteral("各   ") + yen(baseData.ChildAddition2), QString()}},
               false}));
    // The special addition is the table of fiscal 2008 and names its year.
    page->addWidget(TitledTable(tabs, {QStringLiteral("■ 配偶者特別加算額（平成20年度）"),
                                       {QStringLiteral("受給権者の生年月日"), QStringLiteral("加算金額")},
                                       {{QStringLiteral("昭和18年4月2日以降"), QStringLiteral("１６８,１００円")}},
                                       false}));
    page->addWidget(Paragraph(tabs, QStringLiteral("※昭和18年4月2日以降生まれの場合を表示しています。")));
    page->addWidget(Heading(tabs, QStringLiteral("* 1 ～ * 5 説明")));
    for (const char *note :
         {"* 1 中高年齢の特例で20年未満でも要件を満たす場合があります",
          "* 2 "
          "配偶者が65歳になると、自分の老齢基礎年金に振替加算として支給されます。事実婚(内縁関係)の場合にも支給されま"
          "す。",
          "* 3 "
          "子の場合未婚（内縁も不可）で18歳になった次の3月31日までとなります。1級または2級障害者の場合は20歳までとなり"
          "ま"
          "す。",
          "* 4 "
          "加給年金の裁定時に、配偶者の年収が850万を超えていても、今後おおよそ5年以内に年収850万円未満になる見込みであ"
          "る場"
          "合には支給対象となります",
          "* 5 特別支給の報酬比例部分（部分年金）のみ支給されている人は、対象外となります。"})
        page->addWidget(Paragraph(tabs, QString::fromUtf8(note)));
}

void suspensionPage(QVBoxLayout *page, QWidget *tabs)
{
    AddSection(
        page, tabs, QStringLiteral("■ 加給年金の支給停止(法46条7項、令3条の7)"),
        {QStringLiteral("　加給年金額の対象である配偶者が、被保険者期間20年以上（中高齢の特例を含む）の老齢厚生年金"
                        "や退職共済年金、または障害年金を受けられる間は、配偶者についての加給年金額は支給停止されます。"
                        "配偶者の年金が全額支給停止されている間は、加給年金額が支給されます。")});
    AddSection(page, tabs, QStringLiteral("■ 加給年金減額改定(法44条4項)"),
               {QStringLiteral("　対象者が次のいずれかに当たると、その翌月から加給年金額が減額されます。\n"
                               "① 死亡したとき　② 生計を維持されなくなったとき　③ 配偶者が離婚したとき\n"
                               "④ 配偶者が65歳になったとき（大正15年4月1日以前生まれの配偶者を除く）\n"
                               "⑤ 子が18歳到達年度の末日を過ぎたとき（障害等級1級・2級の子は20歳になったとき）\n"
                               "⑥ 子が婚姻したとき、養子縁組で配偶者以外の者の養子になったとき")});
    page->addWidget(Heading(tabs, QStringLiteral("■ 加給年金額の増額改定(法44条3項)")));
    page->addWidget(Paragraph(
        tabs, QStringLiteral(
                  "　受給権を取得した当時胎児であった子が生まれたときは、受給権を取得した当時から生計を維持していた"
                  "ものとみなし、生まれた月の翌月から加給年金額が加算されます。")));
    page->addWidget(Paragraph(
        tabs, QStringLiteral(
                  "★ 配偶者の厚生年金などの被用者年金期間が20年以上ある場合は、配偶者が自分の老齢厚生年金などを"
                  "受けられるようになると加給年金は支給停止となり、配偶者が65歳になっても振替加算は行われません。")));
}

// The husband's additions end when the wife turns 65 and reappear, smaller,
// as the transfer addition on her own basic pension.
QWidget *transferTimeline(QWidget *parent)
{
    auto *diagram = new QWidget(parent);
    QGridLayout *grid = DiagramGrid(
        diagram, 1, 3, {QStringLiteral("60歳"), QStringLiteral("夫：65歳"), QStringLiteral("妻：65歳")}, Qt::AlignLeft);
    grid->addWidget(Box(diagram, QStringLiteral("ｻﾗﾘｰﾏﾝの夫"), BoxStyle::Person), 1, 0, 3, 1);
    grid->addWidget(Box(diagram, QStringLiteral("特別支給の老齢厚生年金"), BoxStyle::Special), 1, 1);
    grid->addWidget(Box(diagram, QStringLiteral("老齢厚生年金"), BoxStyle::Employees), 1, 2, 1, 2);
    grid->addWidget(Box(diagram, QStringLiteral("老齢基礎年金"), BoxStyle::Basic), 2, 2, 1, 2);
    grid->addWidget(Box(diagram, QStringLiteral("加給年金＋配偶者特別加算"), BoxStyle::Special), 3, 1, 1, 2);
    grid->addWidget(Box(diagram, QStringLiteral("支給停止"), BoxStyle::Stopped), 3, 3);
    grid->addWidget(Box(diagram, QStringLiteral("妻(ｻﾗﾘｰﾏﾝの妻)"), BoxStyle::Person), 4, 0, 2, 1);
    grid->addWidget(Box(diagram, QStringLiteral("振替加算"), BoxStyle::Special), 4, 3);
    grid->addWidget(Box(diagram, QStringLiteral("老齢基礎年金"), BoxStyle::Basic), 5, 3);
    return diagram;
}

void transferPage(QVBoxLayout *page, QWidget *tabs)
{
    page->addWidget(Heading(tabs, QStringLiteral("■ 振替加算とは")));
    page->addWidget(Paragraph(
        tabs, QStringLiteral(
                  "　夫(妻)の老齢厚生年金に加算されていた加給年金額は、配偶者が65歳になると打ち切られます。代わり"
                  "に配偶者本人の老齢基礎年金に加算されるのが振替加算です。昭和61年4月前に国民年金に任意加入し"
                  "なかった期間が長く、老齢基礎年金が少ない世代を補うもので、生年月日が若いほど少なくなります。")));
    AddSection(
        page, tabs, QStringLiteral("■ 振替加算の対象者"),
        {QStringLiteral("　大正15年4月2日から昭和41年4月1日までに生まれ、65歳になった当時、配偶者の老齢厚生年金など"
                        "の加給年金額の対象者であった人。ただし、本人の厚生年金保険・共済組合の加入期間が20年以上（中"
                        "高齢の特例を含む）ある場合は対象になりません。")});
    page->addWidget(Heading(tabs, QStringLiteral("■ 振替加算額（対象となる妻(夫)の生年月日で決定されます）")));
    auto *list = new QListWidget(tabs);
    list->setObjectName(QStringLiteral("List1"));
    list->addItems(engine::TransferAdditionList());
    list->setMinimumHeight(list->sizeHintForRow(0) * 10);
    page->addWidget(list);
    page->addWidget(Heading(tabs, QStringLiteral("■ 説明図（すべてにあてはまりませんが、あくまでも説明図です。）")));
    page->addWidget(transferTimeline(tabs));
}

} // namespace

FrmKakyu::FrmKakyu(const engine::BaseData &baseData, QWidget *parent)
    : ReferenceWindow(QStringLiteral("FrmKakyu"), QStringLiteral("加給年金額、配偶者特別加算と振替加算"),
                      ButtonRow::Bottom, 4.0, parent)
{
    QTabWidget *tabs =
        TabPages(this, QStringLiteral("SSTab1"),
                 {{QStringLiteral("加給年金額(厚生)"),
                   [&baseData](QVBoxLayout *page, QWidget *pages) { additionsPage(page, pages, baseData); }},
                  {QStringLiteral("加給年金の支給停止等"), suspensionPage},
                  {QStringLiteral("振替加算(国民年金)"), transferPage}});
    // Each page has its own "閉じる" under its content.
    for (int i = 0; i < tabs->count(); ++i) {
        auto *row = new QHBoxLayout;
        row->addStretch(1);
        static_cast<QVBoxLayout *>(tabs->widget(i)->layout())->addLayout(row);
        addCloseButton(row, QStringLiteral("Command%1").arg(i + 1));
    }
    body()->addWidget(tabs);
    setDesignWidth(720);
    finish(true);
}

} // namespace izoku::ui
