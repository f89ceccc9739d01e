#include "inputfilters.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace izoku::ui {

NumericKeyFilter::NumericKeyFilter(QObject *parent)
    : QObject(parent)
{
}

void NumericKeyFilter::attach(QWidget *field)
{
    field->installEventFilter(this);
}

bool NumericKeyFilter::keeps(QChar c)
{
    return (c >= u'0' && c <= u'9') || c == u'-' || c == u'.' || c == QChar(8);
}

bool NumericKeyFilter::eventFilter(QObject *, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    // Shortcuts (copy, paste, undo) and keys that type nothing pass.
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    const QString text = key->text();
    if (text.isEmpty())
        return false;
    const QChar c = text.at(0);
    if (c == u'\t' || c == u'\r' || c == u'\n' || c == QChar(27) || c == QChar(127))
        return false;
    return !keeps(c);
}

SelectAllOnFocus::SelectAllOnFocus(Entry entry, QObject *parent)
    : QObject(parent)
    , m_entry(entry)
{
}

void SelectAllOnFocus::attach(QWidget *field)
{
    field->installEventFilter(this);
}

void SelectAllOnFocus::selectAll(QWidget *field)
{
    if (auto *edit = qobject_cast<QLineEdit *>(field)) {
        const int length = static_cast<int>(edit->text().size());
        edit->setSelection(length, -length);
    }
}

bool SelectAllOnFocus::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::FocusIn)
        return false;
    const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
    // Coming back from a calendar or a menu is not entering the field.
    if (reason == Qt::PopupFocusReason)
        return false;
    if (m_entry == Entry::FromKeyboard && reason == Qt::MouseFocusReason)
        return false;
    auto *field = static_cast<QWidget *>(watched);
    selectAll(field);
    // A mouse press places the caret after the focus arrives; select again
    // once it has.
    QTimer::singleShot(0, field, [field = QPointer<QWidget>(field)] {
        if (field && field->hasFocus())
            selectAll(field);
    });
    return false;
}

} // namespace izoku::ui
