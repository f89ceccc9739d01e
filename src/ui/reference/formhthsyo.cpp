#include "formhthsyo.h"

#include "referencewidgets.h"

#include "engine/needs/projection.h"
#include "engine/text/numbertext.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace izoku::ui {

namespace {

// The items of the projection sheet; the two living-cost shares are the
// ones the projection applies.
TableContent items()
{
    const QString wifeShare = engine::PlainNumber(engine::kWifeLivingCostShare);
    const QString childShare = engine::PlainNumber(engine::kChildrenLivingCostShare);
    return {QString(),
            {QStringLiteral("項　目"), QStringLiteral("内　容")},
            {{QStringLiteral(" (1) 支 出")},
             {QStringLiteral("　妻の生活資金"), QStringLiteral("　年間生活費×%1×妻の平均余命").arg(wifeShare)},
             {QStringLiteral("　子供卒業までの生活資金"),
              QStringLiteral("　年間生活費×%1×(22歳-末子の年齢)").arg(childShare)},
             {QStringLiteral("　子供の教育費用"), QStringLiteral("　末子の卒業までの教育費用")},
             {QStringLiteral("　子供の援助費用"), QStringLiteral("　子供の結婚援助資金や住宅取得援助資金等")},
             {QStringLiteral("　住宅維持補修費用"), QStringLiteral("　住宅の維持管理費用または賃料負担額等")},
             {QStringLiteral("　葬儀費用他"), QStringLiteral("　葬儀費用、その他費用と１年分の生活費用等")},
             {QStringLiteral(" (2) 収 入")},
             {QStringLiteral("　遺族厚生年金"), QStringLiteral("　遺族厚生年金、中高齢寡婦加算、経過的寡婦加算")},
             {QStringLiteral("　遺族基礎年金"), QStringLiteral("　遺族基礎年金、寡婦年金、死亡一時金")},
             {QStringLiteral("　妻の老齢年金"), QStringLiteral("　老齢基礎年金、老齢厚生年金")},
             {QStringLiteral("　死亡退職金"), QStringLiteral("　退職金＋弔慰金")},
             {QStringLiteral("　貯蓄額その他"), QStringLiteral("　預貯金残高＋生命保険以外の給付金")},
             {QStringLiteral("　妻の労働収入"), QStringLiteral("　生活状況の範囲内")}},
            false};
}

// Time runs left to right from the husband's death: to the last child's
// graduation, to the wife's 65th year, to the end of her life expectancy.
QWidget *timeline(QWidget *parent)
{
    auto *diagram = new QWidget(parent);
    QGridLayout *grid = DiagramGrid(diagram, 1, 4,
                                    {QStringLiteral("夫死亡"), QStringLiteral("大学卒業(22)"), QStringLiteral("妻65歳"),
                                     QStringLiteral("妻平均余命")},
                                    Qt::AlignRight);
    struct Bar {
        int row;
        int from; // column of the first stretch of time
        int span;
        const char *text;
        BoxStyle style;
    };
    grid->addWidget(Heading(diagram, QStringLiteral("■ 支出 ( 遺族の生活必要資金 )")), 1, 0, 1, 5);
    grid->addWidget(Heading(diagram, QStringLiteral("■ 収入 ( 遺族の収入 )")), 6, 0, 1, 5);
    const Bar bars[] = {
        {2, 1, 1, "葬儀費用他", BoxStyle::Plain},       {2, 2, 1, "子供の教育費用", BoxStyle::Special},
        {2, 3, 1, "子供の援助費用", BoxStyle::Special}, {3, 1, 2, "子供の生活資金", BoxStyle::Mutual},
        {4, 1, 4, "妻の生活資金", BoxStyle::Mutual},    {5, 1, 4, "住宅維持補修", BoxStyle::Plain},
        {7, 1, 1, "貯蓄等", BoxStyle::Plain},           {7, 2, 3, "遺族年金", BoxStyle::Employees},
        {8, 2, 2, "　妻の労働収入", BoxStyle::Plain},   {8, 4, 1, "妻 老齢年金", BoxStyle::Basic},
    };
    for (const Bar &bar : bars)
        grid->addWidget(Box(diagram, QString::fromUtf8(bar.text), bar.style), bar.row, bar.from, 1, bar.span);
    return diagram;
}

} // namespace

FormHThsyo::FormHThsyo(QWidget *parent)
    : ReferenceWindow(QStringLiteral("FormHThsyo"), QStringLiteral("必要補償額の算出根拠"), ButtonRow::Bottom, 4.0,
                      parent)
{
    body()->addWidget(
        Heading(this, QStringLiteral("必要補償額 = （1）遺族の今後の生活必要資金 - （2）遺族の今後の収入等")));
    body()->addWidget(TitledTable(this, items()));
    body()->addSpacing(12);
    body()->addWidget(timeline(this));
    setDesignWidth(680);
    finish();
}

} // namespace izoku::ui
