#pragma once

#include <QWidget>

namespace izoku::ui {

// The version box: the program's title, version, credit and rights.
class FrmAbout final : public QWidget {
    Q_OBJECT
  public:
    explicit FrmAbout(QWidget *parent = nullptr);
};

} // namespace izoku::ui
