#include "formulapanelview.h"

#include "engine/pension/formulapanelslots.h"

#include <QGridLayout>
#include <QLabel>

namespace izoku::ui {

namespace {

// Wide enough for a yearly amount in yen.
constexpr int kValueWidth = 64;

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
{
    const engine::FormulaPanelSlots &where = engine::PanelSlots(panel);
    // The formula before the 2004 reform revalues the sum by a factor of its
    // own (1.031 × the slide rate in fiscal 2009, the 従前額改定率 today).
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

    // ① up to March 2003, ② from April 2003: remuneration × rate / 1000 ×
    // months × 3/4.
    struct Part {
        int remuneration, rate, months, amount;
        QString mark;
    };
    const Part parts[] = {
        {where.monthlyRemuneration, where.rate1, where.monthsTo2003, where.partA, QStringLiteral("…①")},
        {where.remuneration, where.rate2, where.monthsFrom2003, where.partB, QStringLiteral("…②")},
    };
    int r = 1;
    for (const Part &part : parts) {
        grid->addWidget(valueLabel(part.remuneration), r, 0);
        grid->addWidget(text(QStringLiteral("×")), r, 1);
        grid->addWidget(valueLabel(part.rate), r, 2);
        grid->addWidget(text(QStringLiteral("/1000 ×")), r, 3);
        grid->addWidget(valueLabel(part.months), r, 4);
        grid->addWidget(text(QStringLiteral("× 3/4 =")), r, 5);
        grid->addWidget(valueLabel(part.amount), r, 6);
        grid->addWidget(text(part.mark), r, 7);
        ++r;
    }

    // (① + ②) × [1.031 ×] slide [× 300 ÷ capped months] = amount; only the
    // short requirement caps the months.
    int c = 0;
    QLabel *caption = text(QStringLiteral("(①+②) ×"));
    if (oldFormula)
        m_factorCaption = caption;
    grid->addWidget(caption, r, c++);
    grid->addWidget(valueLabel(where.slideRate), r, c++);
    if (where.cappedMonths >= 0) {
        grid->addWidget(text(QStringLiteral("× 300 ÷")), r, c++);
        grid->addWidget(valueLabel(where.cappedMonths), r, c++);
    }
    grid->addWidget(text(QStringLiteral("=")), r, c++);
    grid->addWidget(valueLabel(where.amount), r, c++);
    grid->addWidget(text(QStringLiteral("円")), r, c);
}

QLabel *FormulaPanelView::valueLabel(int slot)
{
    auto *label = new QLabel(QStringLiteral("0"), this);
    label->setObjectName(engine::ControlName(QStringLiteral("Num3"), slot));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMinimumWidth(kValueWidth);
    m_labels[slot] = label;
    return label;
}

void FormulaPanelView::write(const std::array<QString, engine::Num3::Count> &num3, const QString &oldFormulaCaption)
{
    if (m_factorCaption)
        m_factorCaption->setText(oldFormulaCaption);
    for (const auto &[slot, label] : m_labels)
        label->setText(num3[static_cast<size_t>(slot)]);
}

} // namespace izoku::ui
