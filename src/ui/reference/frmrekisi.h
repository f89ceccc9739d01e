#pragma once

#include "referencewindow.h"

#include <functional>

namespace izoku::ui {

// The history of the public pension system in two pictures: the separate
// schemes of 1961 and the two-storey system of 1986 the survivors'
// pensions are built on.
class FrmRekisi final : public ReferenceWindow {
    Q_OBJECT
  public:
    // `openKinds` opens the table of insured kinds; this window stays open.
    explicit FrmRekisi(std::function<void()> openKinds, QWidget *parent = nullptr);
};

} // namespace izoku::ui
