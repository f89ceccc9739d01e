#pragma once

#include "focusmap.h"

#include <QList>
#include <QSet>

#include <array>
#include <optional>

class QWidget;

namespace izoku::ui {

class NumericKeyFilter;
class SelectAllOnFocus;

// What a field of a key table does with the keys besides moving the focus.
// Enter is thrown away in every field of a table, even where it moves
// nothing, so no character is typed and no beep sounds, unless the field
// keeps it.  Every field of a table holds a figure, whose whole text is
// selected when it is entered from the keyboard, unless it holds words.
enum FieldKeys : unsigned {
    kAnyText = 0,
    kFiguresOnly = 1U << 0, // NumericKeyFilter
    kSelectsAll = 1U << 1,  // SelectAllOnFocus however the field is entered
    kFiguresSelected = kFiguresOnly | kSelectsAll,
    kKeepsEnter = 1U << 2,
    kWords = 1U << 3, // a name, a role label, a company: the caret stays where the agent left it
};

// The key moves the focus nowhere.
inline constexpr std::nullopt_t kStays = std::nullopt;

// One row of a screen's key table: a field and the field each key moves the
// focus to, all named by the screen's slots (HokenNum1, Text6, a household
// line …).  Ctrl moves the focus when it is let go on its own.
template <typename Slot> struct KeyRow {
    Slot field;
    std::optional<Slot> enter = kStays;
    std::optional<Slot> up = kStays;
    std::optional<Slot> down = kStays;
    std::optional<Slot> left = kStays;
    std::optional<Slot> right = kStays;
    std::optional<Slot> ctrl = kStays;
    unsigned keys = kAnyText;
};

// Reads a screen's key tables into its FocusMap, NumericKeyFilter and
// SelectAllOnFocus.  Each panel gives the rows of its own fields; the window
// adds them all to one table, so a row may name a field of another panel.
class KeyTable final {
  public:
    explicit KeyTable(QWidget *window);

    // `widgetOf(slot)` gives the widget a slot of `rows` names.
    template <typename Rows, typename WidgetOf> KeyTable &add(const Rows &rows, WidgetOf widgetOf)
    {
        for (const auto &row : rows) {
            const auto target = [&widgetOf](const auto &slot) -> QWidget * { return slot ? widgetOf(*slot) : nullptr; };
            addField(widgetOf(row.field),
                     {target(row.enter), target(row.up), target(row.down), target(row.left), target(row.right),
                      target(row.ctrl)},
                     row.keys);
        }
        return *this;
    }

    // One field named by its widget, with where Enter takes it: the moves
    // from one block of a screen into the next, or onto the button that
    // calculates what was typed.  A field already in the table keeps its
    // other keys.
    KeyTable &enter(QWidget *field, QWidget *target, unsigned keys = kAnyText);
    // Ctrl steps back the way Enter came (FocusMap::ctrlBackAlongEnter);
    // call it once every Enter move is in.
    KeyTable &ctrlBackAlongEnter();

    FocusMap &focusMap() const { return *m_focus; }

  private:
    // The keys as a row lists them.
    static constexpr std::array kRowKeys = {FocusKey::Enter, FocusKey::Up,    FocusKey::Down,
                                            FocusKey::Left,  FocusKey::Right, FocusKey::Ctrl};
    using Targets = std::array<QWidget *, kRowKeys.size()>;
    void addField(QWidget *field, const Targets &targets, unsigned keys);

    FocusMap *m_focus;
    NumericKeyFilter *m_figures;
    SelectAllOnFocus *m_selectAll;
    SelectAllOnFocus *m_selectFromKeyboard;
    QSet<QWidget *> m_selected;
};

// Tab visits `first` in order, then every other focusable widget of the
// window in the order it was made.
void SetTabOrder(QWidget *window, const QList<QWidget *> &first);

} // namespace izoku::ui
