#pragma once

#include "slotpanel.h"

#include <span>

namespace izoku::ui {

// ② 支出 (生活必要資金): the household's living cost, the children's school
// costs by stage, the support given to every child at two ages, housing,
// the funeral and the wife's life expectancy (the projection horizon), all
// in 万円 except the years.
class ExpensePanel final : public SlotPanel {
    Q_OBJECT
  public:
    ExpensePanel(FrmhokenFields &fields, QWidget *parent = nullptr);

    // Enter and the arrows walk down the column of amounts; the window says
    // where Enter goes from the last one.
    static std::span<const KeyRow<engine::HokenNum1::Slot>> keyRows();
    // Every amount, from the living cost to the funeral.
    QList<QWidget *> tabOrder() const;

    QPushButton *clear = nullptr; // Command12 "CE"
};

} // namespace izoku::ui
