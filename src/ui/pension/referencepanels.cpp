#include "referencepanels.h"

#include "referencetexts.h"

#include "ui/app/controls.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace izoku::ui {

ReferencePanels::ReferencePanels(Subject subject, QWidget *parent)
    : QWidget(parent)
{
    const QList<ReferenceText> texts =
        subject == Subject::BasicPension ? BasicPensionReferenceTexts() : EmployeesPensionReferenceTexts();
    const QString prefix = subject == Subject::BasicPension ? QStringLiteral("Basic") : QStringLiteral("Employees");
    setObjectName(prefix + QStringLiteral("Reference"));

    auto *layout = new QVBoxLayout(this);
    auto *buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    m_stack = new QStackedWidget(this);
    m_stack->setObjectName(prefix + QStringLiteral("Panels"));
    layout->addWidget(m_stack, 1);

    for (int i = 0; i < texts.size(); ++i) {
        QPushButton *button = MakeButton(this, QStringLiteral("%1Button%2").arg(prefix).arg(i), texts[i].button);
        connect(button, &QPushButton::clicked, this, [this, i] { showPanel(i); });
        buttons->addWidget(button);

        auto *panel = new QTextBrowser(m_stack);
        panel->setObjectName(QStringLiteral("%1Panel%2").arg(prefix).arg(i));
        panel->setHtml(texts[i].html);
        panel->setFocusPolicy(Qt::ClickFocus);
        m_stack->addWidget(panel);
    }
}

void ReferencePanels::showPanel(int index)
{
    m_stack->setCurrentIndex(index);
}

int ReferencePanels::currentPanel() const
{
    return m_stack->currentIndex();
}

} // namespace izoku::ui
