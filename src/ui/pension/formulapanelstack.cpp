#include "formulapanelstack.h"

#include "formulapanelview.h"

#include "ui/app/controls.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace izoku::ui {

FormulaPanelStack::FormulaPanelStack(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *buttons = new QHBoxLayout;
    const std::array<QString, engine::kFormulaPanels.size()> captions = {
        QStringLiteral("短期要件　改正後"), QStringLiteral("短期要件　改正前"), QStringLiteral("長期要件　改正後"),
        QStringLiteral("長期要件　改正前")};
    m_stack = new QStackedWidget(this);
    m_stack->setObjectName(QStringLiteral("FormulaPanels"));
    for (size_t i = 0; i < m_panels.size(); ++i)
        m_panels[i] = new FormulaPanelView(engine::kFormulaPanels[i], m_stack);
    for (size_t i = 0; i < m_panels.size(); ++i) {
        const int panel = static_cast<int>(i);
        m_panels[i]->setObjectName(engine::ControlName(QStringLiteral("FormulaPanel"), panel));
        m_stack->addWidget(m_panels[i]);
        auto *button = MakeButton(this, engine::ControlName(QStringLiteral("cmdPanel"), panel), captions[i]);
        connect(button, &QPushButton::clicked, this, [this, panel] { m_stack->setCurrentIndex(panel); });
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    layout->addWidget(m_stack);
}

void FormulaPanelStack::write(const std::array<QString, engine::Num3::Count> &num3, const QString &oldFormulaCaption)
{
    for (FormulaPanelView *panel : m_panels)
        panel->write(num3, oldFormulaCaption);
}

} // namespace izoku::ui
