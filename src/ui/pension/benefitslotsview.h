#pragma once

#include <QWidget>

#include <array>

class QLabel;

namespace izoku::ui {

// The thirty result fields of the survivors' pension screen: each benefit
// with the wife's first and last age and its yearly amount.
class BenefitSlotsView final : public QWidget {
    Q_OBJECT
  public:
    explicit BenefitSlotsView(QWidget *parent = nullptr);

    std::array<QLabel *, 30> fields{}; // Num4(0..29)
};

} // namespace izoku::ui
