#pragma once

#include <QObject>

class QWidget;

namespace izoku::ui {

// Keeps only the characters a figure can be typed with: digits, "-", "." and
// Backspace.  It looks at single keys only; pasted text is not filtered.
class NumericKeyFilter final : public QObject {
    Q_OBJECT
  public:
    explicit NumericKeyFilter(QObject *parent = nullptr);
    void attach(QWidget *field);

    static bool keeps(QChar c);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// On entering the field the whole text is selected with the caret at its
// start, so the first key typed replaces the value.  Fields the screen
// marks select-all do so however they are entered (Tab, Enter, an arrow,
// Ctrl or the mouse); every other figure field only when it is entered from
// the keyboard, so that typing "50" after Enter gives 50, not 5350, while a
// click still puts the caret where the agent points.
class SelectAllOnFocus final : public QObject {
    Q_OBJECT
  public:
    enum class Entry { AnyWay, FromKeyboard };
    explicit SelectAllOnFocus(Entry entry, QObject *parent = nullptr);
    void attach(QWidget *field);

    static void selectAll(QWidget *field);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    Entry m_entry;
};

} // namespace izoku::ui
