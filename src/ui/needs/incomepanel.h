#pragma once

#include "slotpanel.h"

namespace izoku::ui {

// ① 収 入 ( 円 ): the survivors' benefits with the wife's ages they are paid
// between (the base calculation fills them, the agent may overtype them),
// the lump sums, the wife's earnings and her own old-age pension.
class IncomePanel final : public SlotPanel {
    Q_OBJECT
  public:
    IncomePanel(FrmhokenFields &fields, QWidget *parent = nullptr);

    QPushButton *clear = nullptr; // Command11 "CE"
};

} // namespace izoku::ui
