#include "testkit.h"

#include <QApplication>
#include <QTest>

namespace izoku::test {

void RecordingMessages::show(QWidget *, const engine::Message &message)
{
    shown.append({message, false});
    if (onShow)
        onShow();
}

ui::Answer RecordingMessages::ask(QWidget *, const engine::Message &question)
{
    shown.append({question, true});
    if (answers.empty())
        return ui::Answer::No;
    const ui::Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

ui::PrintOutcome RecordingPrinter::printWindow(QWidget *window, ui::PageOrientation orientation)
{
    Job job{window->objectName(), orientation, {}};
    for (const QWidget *child : window->findChildren<QWidget *>()) {
        if (!child->objectName().isEmpty() && child->isHidden())
            job.hiddenWhilePrinting.append(child->objectName());
    }
    jobs.append(job);
    return outcome;
}

Seams::Seams()
{
    auto m = std::make_unique<RecordingMessages>();
    auto p = std::make_unique<RecordingPrinter>();
    messages = m.get();
    printer = p.get();
    ui::SetMessageService(std::move(m));
    ui::SetPrintService(std::move(p));
}

Seams::~Seams()
{
    ui::SetMessageService(nullptr);
    ui::SetPrintService(nullptr);
}

bool ShowAndActivate(QWidget *window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

QWidget *Focused()
{
    return QApplication::focusWidget();
}

} // namespace izoku::test
