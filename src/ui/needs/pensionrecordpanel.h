#pragma once

#include "slotpanel.h"

#include <array>

class QRadioButton;

namespace izoku::ui {

// 年金の現在の加入状況: whether the husband is a national or an employees'
// pension member now, the widow's choice (only for a national pension
// member), his insured months and remuneration (Num1 7..11), the three
// period calculators with their dates (Date2 1..4, Num1 13) and the slide
// rate (Num1 12).
class PensionRecordPanel final : public SlotPanel {
    Q_OBJECT
  public:
    PensionRecordPanel(FrmhokenFields &fields, QWidget *parent = nullptr);

    void read(engine::FrmhokenForm &form) const;
    void write(const engine::FrmhokenForm &form);

    std::array<QRadioButton *, 2> membership{};     // Option1(0) national, Option1(1) employee
    QWidget *choicePanel = nullptr;                 // Picture3
    QRadioButton *chooseEmployeesPension = nullptr; // Option2
    QRadioButton *chooseWidowsPension = nullptr;    // Option3
    std::array<QDateEdit *, 4> dates{};             // Date2(1..4)
    QPushButton *calculateTo2003 = nullptr;         // Command2 "①期間計算"
    QPushButton *calculateFrom2003 = nullptr;       // Command3 "②期間計算"
    QPushButton *calculateNational = nullptr;       // Command9 "期間計算"
    QPushButton *clearPeriods = nullptr;            // Command10 "CE"
};

} // namespace izoku::ui
