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
// character is typed and no beep sounds; the arrows move the focus at once
// whatever the caret position.  Ctrl moves it when it is let go with no other
// key pressed meanwhile, so Ctrl+C, Ctrl+V, Ctrl+A and Ctrl+Z stay in the
// field as in any other program.  A pair not in the table does nothing, and a
// target that is hidden or disabled leaves the focus where it is, as does a
// field holding text it cannot take (a date typed in part): Enter there is
// the field's own, which says what is wrong.
class FocusMap final : public QObject {
    Q_OBJECT
  public:
    explicit FocusMap(QObject *parent = nullptr);

    FocusMap &add(QWidget *field, FocusKey key, QWidget *target);
    // Enter in this field is thrown away even where it moves nothing.
    FocusMap &discardEnter(QWidget *field);

    // Ctrl steps back the way Enter came: in every field that Enter leads to
    // from one field only, and that has no Ctrl move of its own, Ctrl goes
    // back to that field.  A button pressed by Enter has none.
    FocusMap &ctrlBackAlongEnter();

    QWidget *target(QWidget *field, FocusKey key) const;

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void watch(QWidget *field);

    QHash<QPair<QWidget *, int>, QPointer<QWidget>> m_targets;
    QSet<QWidget *> m_discardEnter;
    QSet<QWidget *> m_watched;
    // The field where Ctrl went down on its own; cleared by any other key,
    // a click or the focus leaving.
    QPointer<QWidget> m_ctrlDownIn;
};

// Gives a widget the focus the way the program moves it by keys: a hidden or
// disabled target keeps the focus where it was.  Returns whether it moved.
bool MoveFocusTo(QWidget *target);

} // namespace izoku::ui
