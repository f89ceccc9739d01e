#pragma once

#include "referencewindow.h"

#include "engine/basedata/basedata.h"

namespace izoku::ui {

class PanelSwitcher;

// The formulas of the survivors' employees' pension under the short and the
// long requirement, with the rates and factors the calculation applies.
class FormNen_1 final : public ReferenceWindow {
    Q_OBJECT
  public:
    // With the figures of `baseData`, the fiscal year in use.
    explicit FormNen_1(const engine::BaseData &baseData, QWidget *parent = nullptr);

    PanelSwitcher *panels() const { return m_panels; }

  private:
    PanelSwitcher *m_panels;
};

} // namespace izoku::ui
