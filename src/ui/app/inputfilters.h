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
// start, so the first key typed replaces the value, however the field was
// entered (Tab, Enter, an arrow or the mouse).
class SelectAllOnFocus final : public QObject {
    Q_OBJECT
  public:
    explicit SelectAllOnFocus(QObject *parent = nullptr);
    void attach(QWidget *field);

    static void selectAll(QWidget *field);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace izoku::ui
