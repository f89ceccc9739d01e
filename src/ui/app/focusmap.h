#pragma once

#include <QHash>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QSet>

class QWidget;

namespace izoku::ui {

enum class FocusKey { Enter, Up, Down, Left, Right, Ctrl };

// A screen's table of where Enter, the arrow keys and Ctrl move the focus.
// Enter on a field with an entry moves the focus and is discarded, so no
// character is typed and no beep sounds; the arrows and Ctrl move the focus
// at once whatever the caret position.  A pair not in the table does nothing,
// and a target that is hidden or disabled leaves the focus where it is.
class FocusMap final : public QObject {
    Q_OBJECT
  public:
    explicit FocusMap(QObject *parent = nullptr);

    FocusMap &add(QWidget *field, FocusKey key, QWidget *target);
    // Enter in this field is thrown away even where it moves nothing.
    FocusMap &discardEnter(QWidget *field);

    QWidget *target(QWidget *field, FocusKey key) const;

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void watch(QWidget *field);

    QHash<QPair<QWidget *, int>, QPointer<QWidget>> m_targets;
    QSet<QWidget *> m_discardEnter;
    QSet<QWidget *> m_watched;
};

// Gives a widget the focus the way the program moves it by keys: a hidden or
// disabled target keeps the focus where it was.  Returns whether it moved.
bool MoveFocusTo(QWidget *target);

} // namespace izoku::ui
