#pragma once

#include <QWidget>

namespace izoku::ui {

// The version box: the program's title, version, credit and rights.
class FrmAbout final : public QWidget {
    Q_OBJECT
  public:
    explicit FrmAbout(QWidget *parent = nullptr);

  protected:
    void changeEvent(QEvent *event) override;

  private:
    // Sizes the box to its whole text: the warning wraps over several lines.
    void fitToText();
};

} // namespace izoku::ui
