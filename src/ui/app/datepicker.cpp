#include "datepicker.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace izoku::ui {

DatePicker::DatePicker(const QString &name, QWidget *parent)
    : QDateEdit(parent)
{
    setObjectName(name);
    setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    setCalendarPopup(true);
    setMinimumDate(QDate(1900, 1, 1));
    lineEdit()->installEventFilter(this);
}

void DatePicker::focusInEvent(QFocusEvent *event)
{
    QDateEdit::focusInEvent(event);
    m_enteredByClick = event->reason() == Qt::MouseFocusReason;
}

void DatePicker::keyPressEvent(QKeyEvent *event)
{
    // A full year or month moves on to the next part by itself; the "/" the
    // agent types after it is then already behind the caret and must not
    // skip the part that has just been reached.
    const bool atStartOfPart =
        lineEdit()->hasSelectedText() && lineEdit()->selectedText() == sectionText(currentSection());
    if (event->text() == QStringLiteral("/") && atStartOfPart) {
        event->accept();
        return;
    }
    QDateEdit::keyPressEvent(event);
}

bool DatePicker::eventFilter(QObject *watched, QEvent *event)
{
    // The click that brings the focus places the caret where it lands; once
    // it is over, start at the year as Enter and Tab do.  A drag that chose
    // some text keeps it.
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonRelease && m_enteredByClick) {
        m_enteredByClick = false;
        if (!lineEdit()->hasSelectedText()) {
            setCurrentSectionIndex(0);
            setSelectedSection(currentSection());
        }
    }
    return QDateEdit::eventFilter(watched, event);
}

} // namespace izoku::ui
