#pragma once

#include "referencewindow.h"

namespace izoku::ui {

class PanelSwitcher;

// The formulas of the survivors' employees' pension under the short and the
// long requirement, with the rates and factors the calculation applies.
class FormNen_1 final : public ReferenceWindow {
    Q_OBJECT
  public:
    explicit FormNen_1(QWidget *parent = nullptr);

    PanelSwitcher *panels() const { return m_panels; }

  private:
    PanelSwitcher *m_panels;
};

} // namespace izoku::ui
