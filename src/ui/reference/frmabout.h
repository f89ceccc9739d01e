#pragma once

#include "ui/app/formmenu.h"

#include <QWidget>

#include <functional>

namespace izoku::store {
struct DailyCopy;
}

namespace izoku::ui {

// The version box: the program's title, version, credit and rights, the
// file that holds the customers and "バックアップから復元", which puts a
// day's copy back into that file.
class FrmAbout final : public QWidget {
    Q_OBJECT
  public:
    // `restored` runs after a copy was put back: the windows that show the
    // customers read them again.
    explicit FrmAbout(Clock clock = SystemClock, std::function<void()> restored = {}, QWidget *parent = nullptr);

  protected:
    void changeEvent(QEvent *event) override;

  private:
    // Sizes the box to its whole text: the warning wraps over several lines.
    void fitToText();
    void chooseCopy();
    void restore(const store::DailyCopy &copy);

    Clock m_clock;
    std::function<void()> m_restored;
};

} // namespace izoku::ui
