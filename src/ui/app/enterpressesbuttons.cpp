#include "enterpressesbuttons.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>

namespace izoku::ui {

bool EnterPressesButtons::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
        (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    // A key nobody took travels up to the window; only there is it known to
    // be free.  A dialog has its own default button.
    auto *window = qobject_cast<QWidget *>(watched);
    if (!window || !window->isWindow() || qobject_cast<QDialog *>(window))
        return false;
    auto *button = qobject_cast<QPushButton *>(QApplication::focusWidget());
    if (!button || button->window() != window || !button->isEnabled() || button->autoDefault())
        return false;
    if (!key->isAutoRepeat())
        button->click();
    return true;
}

} // namespace izoku::ui
