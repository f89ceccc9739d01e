#include "processpanel.h"

#include "slotpanel.h"

#include "engine/pension/formulapanelslots.h"
#include "ui/pension/formulapanelview.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace izoku::ui {

ProcessPanel::ProcessPanel(QWidget *parent)
    : QGroupBox(QStringLiteral("遺族厚生年金計算シート"), parent)
{
    setObjectName(QStringLiteral("Picture4"));
    auto *layout = new QVBoxLayout(this);
    const engine::FormulaPanel panels[] = {engine::FormulaPanel::ShortNew, engine::FormulaPanel::ShortOld,
                                           engine::FormulaPanel::LongNew, engine::FormulaPanel::LongOld};
    for (size_t i = 0; i < m_panels.size(); ++i) {
        m_panels[i] = new FormulaPanelView(panels[i], this);
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
