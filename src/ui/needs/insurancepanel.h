#pragma once

#include "slotpanel.h"

#include <array>

class QRadioButton;

namespace izoku::ui {

// 生命保険　加入状況一覧 (Picture8): the life insurance the household holds
// on the husband (company and product, three level term policies and two
// whole-life policies by his ages, Num4 0..12) and the chart settings
// (Option4 / Option5, Num4 13..15), with the buttons that place the policies
// on the sheet and open the charts.
class InsurancePanel final : public SlotPanel {
    Q_OBJECT
  public:
    InsurancePanel(FrmhokenFields &fields, QWidget *parent = nullptr);

    void read(engine::FrmhokenForm &form) const override;
    void write(const engine::FrmhokenForm &form) override;

    // Enter walks the company, the product, each policy's ages and amount
    // and on to the next policy, the arrows move within the columns; every
    // policy field takes figures only.  The chart's reference age selects
    // its text and leads into the comparison; the window says where Enter
    // goes from the last policy.
    void addKeys(KeyTable &keys) const;
    // The company and product, the policies, their registration, then the
    // chart settings and the chart buttons.
    QList<QWidget *> tabOrder() const;

    std::array<QLineEdit *, engine::HokenFmt3::kCount> fmt3{};
    QRadioButton *lifeExpectancy = nullptr;  // Option4
    QRadioButton *chosenAge = nullptr;       // Option5
    QPushButton *clearCompany = nullptr;     // Command13 "CE"
    QPushButton *clearTerm = nullptr;        // Command14 "CE"
    QPushButton *clearWholeLife = nullptr;   // Command15 "CE"
    QPushButton *registerPolicies = nullptr; // 生保データの登録
    QPushButton *coverageChart = nullptr;    // 生命保険と必要補償額
    QPushButton *pensionChart = nullptr;     // 遺族年金グラフ
    QPushButton *cashFlowChart = nullptr;    // 今後の収入と支出のグラフ
    QPushButton *deathYearChart = nullptr;   // 死亡時期別
    QPushButton *showProcess = nullptr;      // 計算過程
};

} // namespace izoku::ui
