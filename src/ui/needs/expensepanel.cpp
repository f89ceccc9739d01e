#include "expensepanel.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace izoku::ui {

using engine::HokenNum1;

ExpensePanel::ExpensePanel(FrmhokenFields &fields, QWidget *parent)
    : SlotPanel(QStringLiteral(" ② 支出 (生活必要資金)"), fields, parent)
{
    setObjectName(QStringLiteral("ExpensePanel"));
    auto *grid = new QGridLayout(this);
    grid->setVerticalSpacing(1);
    grid->setContentsMargins(4, 2, 4, 2);
    const QString manYen = QStringLiteral("万円");
    int row = 0;
    auto amount = [&](const QString &caption, const QString &kind, int slot) {
        grid->addWidget(text(caption), row, 0, 1, 2);
        grid->addWidget(text(kind), row, 2, Qt::AlignRight);
        grid->addWidget(num1(slot), row, 3);
        grid->addWidget(text(manYen), row, 4);
        ++row;
    };

    amount(QStringLiteral(" 現在の１ヶ月の生活費 "), QString(), HokenNum1::LivingCost);
    grid->addWidget(text(QStringLiteral("子供の教育費用")), row, 0, 1, 2);
    grid->addWidget(text(QStringLiteral("（ 年額 ）")), row++, 2);
    const QString stages[] = {QStringLiteral("幼稚園"), QStringLiteral("小学校"), QStringLiteral("中学校"),
                              QStringLiteral("高校"), QStringLiteral("大学")};
    for (int stage = 0; stage < 5; ++stage)
        amount(QString(), stages[stage], HokenNum1::Kindergarten + stage);

    grid->addWidget(text(QStringLiteral("子供の援助費用")), row, 0, 1, 2);
    grid->addWidget(text(QStringLiteral("（すべての子供に適用）")), row++, 2, 1, 3);
    for (int support = 0; support < 2; ++support) {
        const int ageSlot = HokenNum1::Support1Age + 2 * support;
        grid->addWidget(text(QStringLiteral("子供年齢")), row, 0);
        auto *age = new QHBoxLayout;
        age->addWidget(num1(ageSlot, kAgeWidth));
        age->addWidget(text(QStringLiteral("歳")));
        grid->addLayout(age, row, 1);
        grid->addWidget(text(QStringLiteral("金額")), row, 2, Qt::AlignRight);
        grid->addWidget(num1(ageSlot + 1), row, 3);
        grid->addWidget(text(manYen), row++, 4);
    }
    amount(QStringLiteral(" 住宅維持補修"), QStringLiteral("毎年額"), HokenNum1::Housing);
    amount(QStringLiteral(" 葬儀費用その他"), QStringLiteral("単年度"), HokenNum1::Funeral);

    grid->addWidget(text(QStringLiteral("妻の平均余命")), row, 0, 1, 2);
    grid->addWidget(text(QStringLiteral("第20回生命表")), row, 2, Qt::AlignRight);
    grid->addWidget(num1(HokenNum1::LifeExpectancy), row, 3);
    grid->addWidget(text(QStringLiteral("年")), row++, 4);
    auto *note = text(QStringLiteral("※生活費の中には、住居費(賃借料)も含めてください"));
    note->setWordWrap(true);
    grid->addWidget(note, row++, 0, 1, 5);
    clear = button(QStringLiteral("Command12"), QStringLiteral("CE"));
    grid->addWidget(clear, row, 3, 1, 2, Qt::AlignRight);
}

} // namespace izoku::ui
