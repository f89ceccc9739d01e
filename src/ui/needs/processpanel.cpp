#include "processpanel.h"

#include "ui/app/controls.h"
#include "ui/pension/formulapanelview.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace izoku::ui {

ProcessPanel::ProcessPanel(QWidget *parent)
    : QGroupBox(QStringLiteral("遺族厚生年金計算シート"), parent)
{
    setObjectName(QStringLiteral("Picture4"));
    auto *layout = new QVBoxLayout(this);
    for (size_t i = 0; i < m_panels.size(); ++i) {
        m_panels[i] = new FormulaPanelView(engine::kFormulaPanels[i], this);
        m_panels[i]->setObjectName(engine::ControlName(QStringLiteral("FormulaPanel"), static_cast<int>(i)));
        layout->addWidget(m_panels[i]);
    }
    close = MakeButton(this, QStringLiteral("Command34"), QStringLiteral("閉じる"));
    layout->addWidget(close, 0, Qt::AlignRight);
    layout->addStretch();
}

void ProcessPanel::write(const engine::PanelTexts &num3, const QString &oldFormulaCaption)
{
    for (FormulaPanelView *panel : m_panels)
        panel->write(num3, oldFormulaCaption);
}

} // namespace izoku::ui
