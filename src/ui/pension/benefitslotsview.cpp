#include "benefitslotsview.h"

#include "engine/pension/survivorsbasicpension.h"

#include <QGridLayout>
#include <QLabel>

namespace izoku::ui {

using engine::BenefitSlots;

namespace {

// Two digits of an age; an amount in yen needs the room.
constexpr int kAgeWidth = 30;
constexpr int kAmountWidth = 72;

} // namespace

BenefitSlotsView::BenefitSlotsView(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("BenefitSlotsView"));
    for (int i = 0; i < BenefitSlots::Count; ++i) {
        auto *label = new QLabel(QStringLiteral("0"), this);
        label->setObjectName(engine::ControlName(QStringLiteral("Num4"), i));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setMinimumWidth(i >= BenefitSlots::EmployeesPensionAmount ? kAmountWidth : kAgeWidth);
        m_fields[i] = label;
    }
    m_fields[BenefitSlots::Unused]->hide();

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
        grid->addWidget(m_fields[first], row, 1);
        grid->addWidget(text(QStringLiteral("～")), row, 2);
        grid->addWidget(last, row, 3);
        grid->addWidget(m_fields[amount], row, 4);
        grid->addWidget(text(QStringLiteral("円")), row, 5);
        ++row;
    };
    benefit(QStringLiteral("① 遺族厚生年金"), BenefitSlots::EmployeesPensionFirstAge,
            m_fields[BenefitSlots::EmployeesPensionLastAge], BenefitSlots::EmployeesPensionAmount);
    for (int p = 0; p < engine::kMaxBasicPensionPhases; ++p)
        benefit(p == 0 ? QStringLiteral("② 遺族基礎年金") : QString(), BenefitSlots::PhaseFirstAge(p),
                m_fields[BenefitSlots::PhaseLastAge(p)], BenefitSlots::PhaseAmount(p));
    benefit(QStringLiteral("③ 中高齢寡婦加算"), BenefitSlots::MiddleAgedFirstAge,
            m_fields[BenefitSlots::MiddleAgedLastAge], BenefitSlots::MiddleAgedAmount);
    benefit(QStringLiteral("④ 経過的寡婦加算"), BenefitSlots::TransitionalFirstAge,
            m_fields[BenefitSlots::TransitionalLastAge], BenefitSlots::TransitionalAmount);
    benefit(QStringLiteral("⑤ 寡婦年金"), BenefitSlots::WidowsPensionFirstAge,
            m_fields[BenefitSlots::WidowsPensionLastAge], BenefitSlots::WidowsPensionAmount);
    benefit(QStringLiteral("⑥ 死亡一時金"), BenefitSlots::LumpSumAge, text(QStringLiteral("一時金")),
            BenefitSlots::LumpSumAmount);
}

void BenefitSlotsView::write(const std::array<QString, BenefitSlots::Count> &num4)
{
    for (size_t slot = 0; slot < m_fields.size(); ++slot)
        m_fields[slot]->setText(num4[slot]);
}

} // namespace izoku::ui
