#include "benefitslotsview.h"

#include "engine/pension/frmravoform.h"

#include <QGridLayout>
#include <QLabel>

namespace izoku::ui {

using engine::BenefitSlots;

BenefitSlotsView::BenefitSlotsView(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("BenefitSlotsView"));
    for (int i = 0; i < BenefitSlots::Count; ++i) {
        auto *label = new QLabel(QStringLiteral("0"), this);
        label->setObjectName(QStringLiteral("Num4(%1)").arg(i));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setMinimumWidth(i >= BenefitSlots::EmployeesPensionAmount ? 72 : 30);
        fields[i] = label;
    }
    // Slot 19 belongs to no benefit.
    fields[19]->hide();

    auto *grid = new QGridLayout(this);
    grid->setVerticalSpacing(2);
    auto text = [this](const QString &t) { return new QLabel(t, this); };
    grid->addWidget(text(QStringLiteral("年金の種類")), 0, 0);
    grid->addWidget(text(QStringLiteral("妻の受給年齢")), 0, 1, 1, 3, Qt::AlignCenter);
    grid->addWidget(text(QStringLiteral("年金額")), 0, 4, Qt::AlignCenter);

    int row = 1;
    auto benefit = [&](const QString &name, int first, QWidget *last, int amount) {
        if (!name.isEmpty())
            grid->addWidget(text(name), row, 0);
        grid->addWidget(fields[first], row, 1);
        grid->addWidget(text(QStringLiteral("～")), row, 2);
        grid->addWidget(last, row, 3);
        grid->addWidget(fields[amount], row, 4);
        grid->addWidget(text(QStringLiteral("円")), row, 5);
        ++row;
    };
    benefit(QStringLiteral("① 遺族厚生年金"), BenefitSlots::EmployeesPensionFirstAge,
            fields[BenefitSlots::EmployeesPensionLastAge], BenefitSlots::EmployeesPensionAmount);
    for (int p = 0; p < 5; ++p)
        benefit(p == 0 ? QStringLiteral("② 遺族基礎年金") : QString(), BenefitSlots::PhaseFirstAge(p),
                fields[BenefitSlots::PhaseLastAge(p)], BenefitSlots::PhaseAmount(p));
    benefit(QStringLiteral("③ 中高齢寡婦加算"), BenefitSlots::MiddleAgedFirstAge,
            fields[BenefitSlots::MiddleAgedLastAge], BenefitSlots::MiddleAgedAmount);
    benefit(QStringLiteral("④ 経過的寡婦加算"), BenefitSlots::TransitionalFirstAge, fields[15],
            BenefitSlots::TransitionalAmount);
    benefit(QStringLiteral("⑤ 寡婦年金"), BenefitSlots::WidowsPensionFirstAge,
            fields[BenefitSlots::WidowsPensionLastAge], BenefitSlots::WidowsPensionAmount);
    benefit(QStringLiteral("⑥ 死亡一時金"), BenefitSlots::LumpSumAge, text(QStringLiteral("一時金")),
            BenefitSlots::LumpSumAmount);
}

} // namespace izoku::ui
