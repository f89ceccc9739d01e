#pragma once

#include "slotpanel.h"

#include <span>

namespace izoku::ui {

// ① 収 入 ( 円 ): the survivors' benefits with the wife's ages they are paid
// between (the base calculation fills them, the agent may overtype them),
// the lump sums, the wife's earnings and her own old-age pension.
class IncomePanel final : public SlotPanel {
    Q_OBJECT
  public:
    IncomePanel(FrmhokenFields &fields, QWidget *parent = nullptr);

    // Enter walks each benefit's ages and amount and on to the next
    // benefit, the arrows move within the columns.
    static std::span<const KeyRow<engine::HokenNum1::Slot>> keyRows();
    // The wife's earnings and her old-age pension, which the agent asks for
    // after the pension record.
    QList<QWidget *> tabOrder() const;

    QPushButton *clear = nullptr; // Command11 "CE"
};

} // namespace izoku::ui
