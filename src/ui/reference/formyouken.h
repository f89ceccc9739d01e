#pragma once

#include "referencewindow.h"

namespace izoku::ui {

class PanelSwitcher;

// When the survivors' pensions, the middle-aged widow's addition and the
// widow's pension are paid, and how much.
class FormYouken final : public ReferenceWindow {
    Q_OBJECT
  public:
    explicit FormYouken(QWidget *parent = nullptr);

    PanelSwitcher *panels() const { return m_panels; }

  private:
    PanelSwitcher *m_panels;
};

} // namespace izoku::ui
