#pragma once

#include "referencewindow.h"

namespace izoku::ui {

// The spouse's and children's additions of the old-age employees' pension,
// when they stop, and the transfer addition that follows them onto the
// wife's own basic pension.
class FrmKakyu final : public ReferenceWindow {
    Q_OBJECT
  public:
    explicit FrmKakyu(QWidget *parent = nullptr);
};

} // namespace izoku::ui
