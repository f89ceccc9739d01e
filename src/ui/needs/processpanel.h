#pragma once

#include "engine/needs/calculationpanel.h"
#include "engine/pension/formulapanels.h"

#include <QGroupBox>

#include <array>

class QPushButton;

namespace izoku::ui {

class FormulaPanelView;

// 遺族厚生年金計算シート (Picture4): the four formulas of the survivors'
// employees' pension with the figures the last base calculation put in, so
// the agent can show the customer how the amount came about.
class ProcessPanel final : public QGroupBox {
    Q_OBJECT
  public:
    explicit ProcessPanel(QWidget *parent = nullptr);

    void write(const engine::PanelTexts &num3, const QString &oldFormulaCaption);

    QPushButton *close = nullptr; // Command34 "閉じる"

  private:
    std::array<FormulaPanelView *, engine::kFormulaPanels.size()> m_panels{};
};

} // namespace izoku::ui
