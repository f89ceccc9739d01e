#include "keytable.h"

#include "focusmap.h"
#include "inputfilters.h"

#include <QWidget>

namespace izoku::ui {

KeyTable::KeyTable(QWidget *window)
    : m_focus(new FocusMap(window))
    , m_figures(new NumericKeyFilter(window))
    , m_selectAll(new SelectAllOnFocus(SelectAllOnFocus::Entry::AnyWay, window))
    , m_selectFromKeyboard(new SelectAllOnFocus(SelectAllOnFocus::Entry::FromKeyboard, window))
{
}

KeyTable &KeyTable::enter(QWidget *field, QWidget *target, unsigned keys)
{
    Targets targets{};
    targets[0] = target;
    addField(field, targets, keys);
    return *this;
}

KeyTable &KeyTable::ctrlBackAlongEnter()
{
    m_focus->ctrlBackAlongEnter();
    return *this;
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
    // A field added twice (its own row, then a move into the next block)
    // is selected by one filter only.
    if (m_selected.contains(field))
        return;
    if (keys & kSelectsAll)
        m_selectAll->attach(field);
    else if (!(keys & kWords))
        m_selectFromKeyboard->attach(field);
    m_selected.insert(field);
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
