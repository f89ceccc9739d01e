#pragma once

#include "referencewindow.h"

namespace izoku::ui {

// From what age the special old-age employees' pension of the early sixties
// starts, by birth date: the fixed-amount part and then the earnings-related
// part moving up to 65.
class FrmBubunnkn final : public ReferenceWindow {
    Q_OBJECT
  public:
    explicit FrmBubunnkn(QWidget *parent = nullptr);
};

} // namespace izoku::ui
