#pragma once

#include "referencewindow.h"

#include "engine/basedata/basedata.h"

namespace izoku::ui {

// The spouse's and children's additions of the old-age employees' pension,
// when they stop, and the transfer addition that follows them onto the
// wife's own basic pension.
class FrmKakyu final : public ReferenceWindow {
    Q_OBJECT
  public:
    // With the figures of `baseData`, the fiscal year in use.
    explicit FrmKakyu(const engine::BaseData &baseData, QWidget *parent = nullptr);
};

} // namespace izoku::ui
