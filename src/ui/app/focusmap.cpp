#include "focusmap.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

#include <optional>

namespace izoku::ui {

namespace {

std::optional<FocusKey> keyOf(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return FocusKey::Enter;
    case Qt::Key_Up:
        return FocusKey::Up;
    case Qt::Key_Down:
        return FocusKey::Down;
    case Qt::Key_Left:
        return FocusKey::Left;
    case Qt::Key_Right:
        return FocusKey::Right;
    case Qt::Key_Control:
        return FocusKey::Ctrl;
    default:
        return std::nullopt;
    }
}

} // namespace

bool MoveFocusTo(QWidget *target)
{
    if (!target || !target->isVisible() || !target->isEnabled())
        return false;
    target->setFocus(Qt::OtherFocusReason);
    return true;
}

FocusMap::FocusMap(QObject *parent)
    : QObject(parent)
{
}

FocusMap &FocusMap::add(QWidget *field, FocusKey key, QWidget *target)
{
    m_targets.insert({field, static_cast<int>(key)}, target);
    watch(field);
    return *this;
}

FocusMap &FocusMap::discardEnter(QWidget *field)
{
    m_discardEnter.insert(field);
    watch(field);
    return *this;
}

FocusMap &FocusMap::ctrlBackAlongEnter()
{
    QHash<QWidget *, QList<QWidget *>> cameFrom;
    for (auto it = m_targets.cbegin(); it != m_targets.cend(); ++it) {
        if (it.key().second == static_cast<int>(FocusKey::Enter) && it.value())
            cameFrom[it.value().data()].append(it.key().first);
    }
    for (auto it = cameFrom.cbegin(); it != cameFrom.cend(); ++it) {
        QWidget *field = it.key();
        if (it.value().size() == 1 && !qobject_cast<QAbstractButton *>(field) && !target(field, FocusKey::Ctrl))
            add(field, FocusKey::Ctrl, it.value().first());
    }
    return *this;
}

QWidget *FocusMap::target(QWidget *field, FocusKey key) const
{
    return m_targets.value({field, static_cast<int>(key)}).data();
}

void FocusMap::watch(QWidget *field)
{
    if (m_watched.contains(field))
        return;
    m_watched.insert(field);
    field->installEventFilter(this);
    connect(field, &QObject::destroyed, this, [this, field] {
        m_watched.remove(field);
        m_discardEnter.remove(field);
    });
}

bool FocusMap::eventFilter(QObject *watched, QEvent *event)
{
    auto *field = static_cast<QWidget *>(watched);
    switch (event->type()) {
    case QEvent::KeyPress:
        break;
    case QEvent::KeyRelease: {
        const auto *release = static_cast<QKeyEvent *>(event);
        if (release->key() == Qt::Key_Control && !release->isAutoRepeat() && m_ctrlDownIn == field) {
            m_ctrlDownIn = nullptr;
            MoveFocusTo(target(field, FocusKey::Ctrl));
        }
        return false;
    }
    case QEvent::MouseButtonPress:
    case QEvent::FocusOut:
        m_ctrlDownIn = nullptr;
        return false;
    default:
        return false;
    }
    const auto *keyEvent = static_cast<QKeyEvent *>(event);
    const auto key = keyOf(keyEvent);
    if (key != FocusKey::Ctrl)
        m_ctrlDownIn = nullptr;
    if (!key)
        return false;
    QWidget *to = target(field, *key);
    if (*key == FocusKey::Ctrl) {
        if (to)
            m_ctrlDownIn = field;
        return false;
    }
    if (!to)
        return *key == FocusKey::Enter && m_discardEnter.contains(field);
    // A field that cannot take its text keeps the focus and the key.
    if (const auto *edit = qobject_cast<QLineEdit *>(field); edit && !edit->hasAcceptableInput())
        return false;
    MoveFocusTo(to);
    // Enter is thrown away; an arrow goes on to the field it was typed in,
    // as it always has.
    return *key == FocusKey::Enter;
}

} // namespace izoku::ui
