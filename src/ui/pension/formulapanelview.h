#pragma once

#include "engine/pension/formulapanels.h"

#include <QGroupBox>

#include <array>

class QLabel;

namespace izoku::ui {

// One formula panel of the survivors' employees' pension: the inputs, the
// accrual rates, the two partial amounts and the result, as the agent walks
// the customer through the formula.
class FormulaPanelView final : public QGroupBox {
    Q_OBJECT
  public:
    // The Num3 slots of one panel (the engine's PanelSlots), in the order
    // avg. monthly remuneration, rate 1, months to 2003-03, avg.
    // remuneration, rate 2, months from 2003-04, slide rate, capped months
    // (-1 where the panel has none), part A, part B, amount.
    using Slots = std::array<int, 11>;

    FormulaPanelView(engine::FormulaPanel panel, QWidget *parent = nullptr);

    // The labels by their Num3 slot number.
    QLabel *label(int slot) const;
    const Slots &slotNumbers() const { return m_slots; }

  private:
    Slots m_slots;
    std::array<QLabel *, 11> m_labels{};
};

} // namespace izoku::ui
