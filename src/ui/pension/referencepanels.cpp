#include "referencepanels.h"

#include "referencetexts.h"

#include "ui/app/controls.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace izoku::ui {

namespace {

QList<ReferenceText> textsOf(ReferencePanels::Subject subject, const engine::PensionLaw &law)
{
    return subject == ReferencePanels::Subject::BasicPension ? BasicPensionReferenceTexts(law)
                                                             : EmployeesPensionReferenceTexts(law);
}

} // namespace

ReferencePanels::ReferencePanels(Subject subject, const engine::PensionLaw &law, QWidget *parent)
    : QWidget(parent)
    , m_subject(subject)
{
    const QList<ReferenceText> texts = textsOf(subject, law);
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
        panel->setFocusPolicy(Qt::ClickFocus);
        m_stack->addWidget(panel);
        m_panels.append(panel);
    }
    showLaw(law);
}

void ReferencePanels::showPanel(int index)
{
    m_stack->setCurrentIndex(index);
}

int ReferencePanels::currentPanel() const
{
    return m_stack->currentIndex();
}

void ReferencePanels::showLaw(const engine::PensionLaw &law)
{
    const QList<ReferenceText> texts = textsOf(m_subject, law);
    for (int i = 0; i < texts.size(); ++i)
        m_panels[i]->setHtml(texts[i].html);
}

} // namespace izoku::ui
