#pragma once

#include <QObject>

namespace izoku::ui {

// Enter presses the focused push button of every window, as it does in the
// office programs the agents know: without it only Space would, and an
// agent walking a screen with Enter would stop dead on "基礎計算(2度押し)".
// It acts on a key nothing else took: a field's own Enter (a move of its
// key table, a calculation it starts) and a dialog's default button come
// first, and a held-down Enter presses once.
class EnterPressesButtons final : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace izoku::ui
