#include "formkyuyo.h"

#include "referencewidgets.h"

#include <QLabel>
#include <QVBoxLayout>

namespace izoku::ui {

namespace {

struct AveragePay {
    int fromShowa; // born from 2 April of this Shōwa year
    int toShowa;   // to 1 April of this one
    int men;       // 万円 a month
    int women;
};

constexpr AveragePay kAveragePay[] = {
    {17, 21, 37, 21}, {21, 25, 36, 21}, {25, 30, 34, 21}, {30, 35, 33, 21}, {35, 40, 30, 21},
    {40, 45, 27, 21}, {45, 50, 24, 19}, {50, 55, 20, 17}, {55, 57, 17, 15},
};

} // namespace

FormKyuyo::FormKyuyo(QWidget *parent)
    : ReferenceWindow(QStringLiteral("FormKyuyo"), QStringLiteral("厚生年金保険加入者の『平均給与月額』"),
                      ButtonRow::Bottom, 4.0, parent)
{
    QList<QStringList> rows;
    for (const AveragePay &band : kAveragePay) {
        rows.append({QStringLiteral("昭和%1年4月2日から昭和%2年4月1日まで").arg(band.fromShowa).arg(band.toShowa),
                     QStringLiteral("%1 万円").arg(band.men), QStringLiteral("%1 万円").arg(band.women)});
    }
    body()->addWidget(TitledTable(this, {QStringLiteral("■ 平均給与月額"),
                                         {QStringLiteral("生年月日"), QStringLiteral("男子"), QStringLiteral("女子")},
                                         rows,
                                         false}));
    body()->addWidget(Paragraph(this, QStringLiteral("社会保険庁　参考資料")));
    finish();
}

} // namespace izoku::ui
