#pragma once

#include "referencewindow.h"

namespace izoku::ui {

// The old-age basic pension: who qualifies, exempted and deferred months,
// and the shorter qualifying periods of older generations.
class Frmkkfskk final : public ReferenceWindow {
    Q_OBJECT
  public:
    explicit Frmkkfskk(QWidget *parent = nullptr);
};

} // namespace izoku::ui
