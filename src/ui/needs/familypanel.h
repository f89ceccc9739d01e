#pragma once

#include "slotpanel.h"

namespace izoku::ui {

class DatePicker;
class HouseholdPanel;

// ご家族の基本情報の登録: the seven family rows (their ages are Num1 slots
// 0..6), the base date Date2(0) with "Now", and the buttons that recompute
// the ages and clear the family and the pension record.
class FamilyPanel final : public QGroupBox {
    Q_OBJECT
  public:
    FamilyPanel(FrmhokenFields &fields, QWidget *parent = nullptr);

    void read(engine::FrmhokenForm &form) const;
    void write(const engine::FrmhokenForm &form);

    // The household line by line, then "年齢計算".
    QList<QWidget *> tabOrder() const;

    HouseholdPanel *household = nullptr;
    DatePicker *baseDate = nullptr;        // Date2(0)
    QPushButton *now = nullptr;            // Command1 "Now"
    QPushButton *computeAges = nullptr;    // Command5 "年齢計算"
    QPushButton *clearInputData = nullptr; // Command4 "入力データ CE"
};

} // namespace izoku::ui
