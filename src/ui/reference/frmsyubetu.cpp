#include "frmsyubetu.h"

#include "referencewidgets.h"

#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

namespace izoku::ui {

namespace {

// The columns of every table: "○" where the condition applies.
const QStringList kColumns{QStringLiteral("種別"), QStringLiteral("内　容"), QStringLiteral("国籍要件"),
                           QStringLiteral("国内居住要件"), QStringLiteral("年齢要件")};

TableContent compulsory()
{
    return {
        QString(),
        kColumns,
        {{QStringLiteral("第1号被保険者"),
          QStringLiteral("・第2号被保険者及び第3号被保険者以外の者で、被用者年金法に基ずく老齢年金給付を受けることが"
                         "できない者(自営業者、学生、無職など)"),
          QStringLiteral("×"), QStringLiteral("○"), QStringLiteral("20歳以上60歳未満")},
         {QStringLiteral("第2号被保険者"),
          QStringLiteral("・厚生年金保険の被保険者、共済組合の組合員（65歳以上で老齢・退職を支給事由とする年金の受給"
                         "権がある者を除く）"),
          QStringLiteral("×"), QStringLiteral("×"),
          QStringLiteral("下限はなし(20歳未満でも勤めていれば該当する。)上限は原則65歳")},
         {QStringLiteral("第3号被保険者"),
          QStringLiteral("第2号被保険者の配偶者\n（主として第2号被保険者の収入で生計を維持している者）"),
          QStringLiteral("×"), QStringLiteral("×"), QStringLiteral("20歳以上60歳未満")}},
        false};
}

TableContent voluntary()
{
    return {QStringLiteral("■ 任意加入被保険者(法附則5条1項)"),
            kColumns,
            {{QStringLiteral("①"),
              QStringLiteral("日本国内に住所があり、被用者年金各法による老齢（退職）給付を受けられる者"),
              QStringLiteral("×"), QStringLiteral("○"), QStringLiteral("20歳以上60歳未満")},
             {QStringLiteral("②"),
              QStringLiteral("日本国内に住所がある者（受給資格期間や年金額を満額に近づけるために加入する）"),
              QStringLiteral("×"), QStringLiteral("○"), QStringLiteral("60歳以上65歳未満")},
             {QStringLiteral("③"), QStringLiteral("日本国籍があり、日本国内に住所がない者（海外在住の日本人）"),
              QStringLiteral("○"), QStringLiteral("×"), QStringLiteral("20歳以上65歳未満")}},
            false};
}

TableContent specialVoluntary()
{
    return {QStringLiteral("■ 特例による任意加入被保険者(法附則11条、23条)"),
            kColumns,
            {{QStringLiteral("①"),
              QStringLiteral("昭和40年4月1日以前に生まれ、日本国内に住所があり、老齢年金の受給資格期間を満たしていない"
                             "者（満たすまで加入できる）"),
              QStringLiteral("×"), QStringLiteral("○"), QStringLiteral("65歳以上70歳未満")},
             {QStringLiteral("②"),
              QStringLiteral("昭和40年4月1日以前に生まれ、日本国籍があり日本国内に住所がなく、受給資格期間を満たしてい"
                             "ない者"),
              QStringLiteral("○"), QStringLiteral("×"), QStringLiteral("65歳以上70歳未満")}},
            false};
}

} // namespace

FrmSyubetu::FrmSyubetu(QWidget *parent)
    : ReferenceWindow(QStringLiteral("FrmSyubetu"), QStringLiteral("年金制度種別一覧"), ButtonRow::Bottom, 4.0, parent)
{
    auto *tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("SSTab1"));

    QVBoxLayout *page = AddTabPage(tabs, QStringLiteral("強制被保険者"));
    page->addWidget(Heading(tabs, QStringLiteral("■ 強制被保険者（法7条）")));
    page->addWidget(Heading(tabs, QStringLiteral("■ 強制被保険者の種別")));
    page->addWidget(Paragraph(tabs, QStringLiteral("（第1号、2号、3号の区分）")));
    page->addWidget(TitledTable(tabs, compulsory()));

    page = AddTabPage(tabs, QStringLiteral("任意加入被保険者"));
    page->addWidget(Paragraph(tabs, QStringLiteral("　次の者は、申し出により国民年金に加入することができます。")));
    page->addWidget(TitledTable(tabs, voluntary()));

    page = AddTabPage(tabs, QStringLiteral("特例任意加入被保険者"));
    page->addWidget(TitledTable(tabs, specialVoluntary()));
    body()->addWidget(tabs);

    body()->addWidget(Heading(this, QStringLiteral("■老齢年金は25年以上加入しないと、年金が支給されない。")));
    body()->addWidget(Heading(
        this,
        QStringLiteral("■第3号被保険者の届出が遅れた期間は、2年前までしかさかのぼって算入されない。ただし平成17年4月"
                       "前の期間は特例の届出により、それ以後の期間はやむを得ない事由があると認められれば、保険料"
                       "納付済期間に算入される。")));
    setDesignWidth(760);
    finish();
}

} // namespace izoku::ui
