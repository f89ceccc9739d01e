#include "panelswitcher.h"

#include "referencewidgets.h"

#include "engine/forms/message.h"
#include "ui/app/controls.h"

#include <QBoxLayout>
#include <QPushButton>
#include <QStackedWidget>

namespace izoku::ui {

PanelSwitcher::PanelSwitcher(QBoxLayout *buttons, QWidget *parent)
    : QWidget(parent)
    , m_buttons(buttons)
    , m_stack(new QStackedWidget(this))
{
    setObjectName(QStringLiteral("Panels"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_stack);
}

QVBoxLayout *PanelSwitcher::addPanel(const QString &buttonName, const QString &buttonText)
{
    const int index = m_stack->count();
    auto *panel = new QWidget(m_stack);
    panel->setObjectName(engine::ControlName(QStringLiteral("Panel"), index));
    QVBoxLayout *layout = TopColumn(panel);
    m_stack->addWidget(panel);
    auto *button = MakeButton(parentWidget(), buttonName, buttonText);
    connect(button, &QPushButton::clicked, this, [this, index] { showPanel(index); });
    m_buttons->insertWidget(index, button);
    return layout;
}

void PanelSwitcher::showPanel(int index)
{
    m_stack->setCurrentIndex(index);
}

int PanelSwitcher::currentPanel() const
{
    return m_stack->currentIndex();
}

} // namespace izoku::ui
