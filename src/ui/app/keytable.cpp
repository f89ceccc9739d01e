#include "keytable.h"

#include "focusmap.h"
#include "inputfilters.h"

#include <QWidget>

namespace izoku::ui {

KeyTable::KeyTable(QWidget *window)
    : m_focus(new FocusMap(window))
    , m_figures(new NumericKeyFilter(window))
    , m_selectAll(new SelectAllOnFocus(window))
{
}

void KeyTable::addField(QWidget *field, const Targets &targets, unsigned keys)
{
    Q_ASSERT(field);
    for (size_t k = 0; k < kRowKeys.size(); ++k) {
        if (targets[k])
            m_focus->add(field, kRowKeys[k], targets[k]);
    }
    if (!(keys & kKeepsEnter))
        m_focus->discardEnter(field);
    if (keys & kFiguresOnly)
        m_figures->attach(field);
    if (keys & kSelectsAll)
        m_selectAll->attach(field);
}

void SetTabOrder(QWidget *window, const QList<QWidget *> &first)
{
    QList<QWidget *> order = first;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if ((widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy() && !order.contains(widget))
            order.append(widget);
    }
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

} // namespace izoku::ui
