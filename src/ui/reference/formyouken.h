#pragma once

#include "referencewindow.h"

#include "engine/basedata/basedata.h"

namespace izoku::ui {

class PanelSwitcher;

// When the survivors' pensions, the middle-aged widow's addition and the
// widow's pension are paid, and how much.
class FormYouken final : public ReferenceWindow {
    Q_OBJECT
  public:
    // With the figures of `baseData`, the fiscal year in use.
    explicit FormYouken(const engine::BaseData &baseData, QWidget *parent = nullptr);

    PanelSwitcher *panels() const { return m_panels; }

  private:
    PanelSwitcher *m_panels;
};

} // namespace izoku::ui
