#pragma once

#include "engine/pension/formulapanels.h"
#include "engine/pension/frmravoform.h"

#include <QGroupBox>

#include <array>
#include <map>

class QLabel;

namespace izoku::ui {

// One formula panel of the survivors' employees' pension: the inputs, the
// accrual rates, the two partial amounts and the result, as the agent walks
// the customer through the formula.  Its figures are Num3 labels, where the
// engine's panel table (PanelSlots) puts them.
class FormulaPanelView final : public QGroupBox {
    Q_OBJECT
  public:
    FormulaPanelView(engine::FormulaPanel panel, QWidget *parent = nullptr);

    // The figures, and before the old formula's factor the words of the law
    // in use.
    void write(const std::array<QString, engine::Num3::Count> &num3, const QString &oldFormulaCaption);

  private:
    QLabel *valueLabel(int slot);

    std::map<int, QLabel *> m_labels;  // by Num3 slot
    QLabel *m_factorCaption = nullptr; // the old formula's only
};

} // namespace izoku::ui
