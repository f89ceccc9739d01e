#include "processpanel.h"

#include "slotpanel.h"

#include "engine/pension/formulapanelslots.h"
#include "ui/pension/formulapanelview.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace izoku::ui {

namespace {

FormulaPanelView::Slots viewSlots(engine::FormulaPanel panel)
{
    const engine::FormulaPanelSlots &s = engine::PanelSlots(panel);
    return {s.monthlyRemuneration, s.rate1,        s.monthsTo2003, s.remuneration, s.rate2, s.monthsFrom2003,
            s.slideRate,           s.cappedMonths, s.partA,        s.partB,        s.amount};
}

} // namespace

ProcessPanel::ProcessPanel(QWidget *parent)
    : QGroupBox(QStringLiteral("遺族厚生年金計算シート"), parent)
{
    setObjectName(QStringLiteral("Picture4"));
    auto *layout = new QVBoxLayout(this);
    const struct {
        engine::FormulaPanel panel;
        const char16_t *title;
        bool oldFormula;
    } panels[] = {
        {engine::FormulaPanel::ShortNew, u"遺族厚生年金　（短期要件）　平成16年改正後", false},
        {engine::FormulaPanel::ShortOld, u"遺族厚生年金　（短期要件）　旧計算式", true},
        {engine::FormulaPanel::LongNew, u"遺族厚生年金　（長期要件）　平成16年度改正後", false},
        {engine::FormulaPanel::LongOld, u"遺族厚生年金　（長期要件）　旧計算式", true},
    };
    for (size_t i = 0; i < m_panels.size(); ++i) {
        m_panels[i] = new FormulaPanelView(QString::fromUtf16(panels[i].title), viewSlots(panels[i].panel),
                                           panels[i].oldFormula, this);
        m_panels[i]->setObjectName(QStringLiteral("FormulaPanel(%1)").arg(i));
        layout->addWidget(m_panels[i]);
    }
    close = MakeButton(this, QStringLiteral("Command34"), QStringLiteral("閉じる"));
    layout->addWidget(close, 0, Qt::AlignRight);
    layout->addStretch();
}

void ProcessPanel::write(const engine::PanelTexts &num3)
{
    for (FormulaPanelView *panel : m_panels) {
        for (int slot : panel->slotNumbers()) {
            if (slot >= 0)
                panel->label(slot)->setText(num3[static_cast<size_t>(slot)]);
        }
    }
}

} // namespace izoku::ui
