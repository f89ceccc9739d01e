#include "formulapanelview.h"

#include "engine/pension/formulapanelslots.h"

#include <QGridLayout>
#include <QLabel>

namespace izoku::ui {

namespace {

QLabel *valueLabel(QWidget *parent, int slot)
{
    auto *label = new QLabel(QStringLiteral("0"), parent);
    label->setObjectName(QStringLiteral("Num3(%1)").arg(slot));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMinimumWidth(64);
    return label;
}

FormulaPanelView::Slots slotsOf(engine::FormulaPanel panel)
{
    const engine::FormulaPanelSlots &s = engine::PanelSlots(panel);
    return {s.monthlyRemuneration, s.rate1,        s.monthsTo2003, s.remuneration, s.rate2, s.monthsFrom2003,
            s.slideRate,           s.cappedMonths, s.partA,        s.partB,        s.amount};
}

// Both calculation screens head the four panels alike.
QString titleOf(engine::FormulaPanel panel)
{
    switch (panel) {
    case engine::FormulaPanel::ShortNew:
        return QStringLiteral("遺族厚生年金　（短期要件）　平成16年改正後");
    case engine::FormulaPanel::ShortOld:
        return QStringLiteral("遺族厚生年金　（短期要件）　旧計算式");
    case engine::FormulaPanel::LongNew:
        return QStringLiteral("遺族厚生年金　（長期要件）　平成16年度改正後");
    case engine::FormulaPanel::LongOld:
        break;
    }
    return QStringLiteral("遺族厚生年金　（長期要件）　旧計算式");
}

} // namespace

FormulaPanelView::FormulaPanelView(engine::FormulaPanel panel, QWidget *parent)
    : QGroupBox(titleOf(panel), parent)
    , m_slots(slotsOf(panel))
{
    for (int i = 0; i < 11; ++i)
        m_labels[i] = m_slots[i] >= 0 ? valueLabel(this, m_slots[i]) : nullptr;
    // The formula before the 2004 reform revalues the sum by 1.031.
    const bool oldFormula = panel == engine::FormulaPanel::ShortOld || panel == engine::FormulaPanel::LongOld;

    auto *grid = new QGridLayout(this);
    auto text = [this](const QString &t) { return new QLabel(t, this); };
    const QStringList heads = {QStringLiteral("平均標準報酬(月)額"),
                               QString(),
                               QStringLiteral("乗率(‰)"),
                               QString(),
                               QStringLiteral("月数"),
                               QString(),
                               QString(),
                               QString()};
    for (int c = 0; c < heads.size(); ++c)
        grid->addWidget(text(heads[c]), 0, c);

    // ① up to March 2003, ② from April 2003.
    for (int part = 0; part < 2; ++part) {
        const int r = part + 1;
        grid->addWidget(m_labels[part * 3], r, 0);
        grid->addWidget(text(QStringLiteral("×")), r, 1);
        grid->addWidget(m_labels[part * 3 + 1], r, 2);
        grid->addWidget(text(QStringLiteral("/1000 ×")), r, 3);
        grid->addWidget(m_labels[part * 3 + 2], r, 4);
        grid->addWidget(text(QStringLiteral("× 3/4 =")), r, 5);
        grid->addWidget(m_labels[8 + part], r, 6);
        grid->addWidget(text(part == 0 ? QStringLiteral("…①") : QStringLiteral("…②")), r, 7);
    }

    // (① + ②) × [1.031 ×] slide [× 300 ÷ capped months] = amount
    int c = 0;
    grid->addWidget(text(oldFormula ? QStringLiteral("(①+②) × 1.031 ×") : QStringLiteral("(①+②) ×")), 3, c++);
    grid->addWidget(m_labels[6], 3, c++);
    if (m_labels[7]) {
        grid->addWidget(text(QStringLiteral("× 300 ÷")), 3, c++);
        grid->addWidget(m_labels[7], 3, c++);
    }
    grid->addWidget(text(QStringLiteral("=")), 3, c++);
    grid->addWidget(m_labels[10], 3, c++);
    grid->addWidget(text(QStringLiteral("円")), 3, c);
}

QLabel *FormulaPanelView::label(int slot) const
{
    for (int i = 0; i < 11; ++i) {
        if (m_slots[i] == slot)
            return m_labels[i];
    }
    return nullptr;
}

} // namespace izoku::ui
