#pragma once

#include "engine/pension/frmravoform.h"

#include <QWidget>

#include <array>

class QLabel;

namespace izoku::ui {

// The thirty result fields of the survivors' pension screen (Num4): each
// benefit with the wife's first and last age and its yearly amount.
class BenefitSlotsView final : public QWidget {
    Q_OBJECT
  public:
    explicit BenefitSlotsView(QWidget *parent = nullptr);

    void write(const std::array<QString, engine::BenefitSlots::Count> &num4);

  private:
    std::array<QLabel *, engine::BenefitSlots::Count> m_fields{};
};

} // namespace izoku::ui
