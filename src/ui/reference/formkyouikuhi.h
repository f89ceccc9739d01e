#pragma once

#include "referencewindow.h"

namespace izoku::ui {

// Yearly school costs by stage, public and private, that the agent quotes
// when the family fills in its education costs.
class FormKyouikuhi final : public ReferenceWindow {
    Q_OBJECT
  public:
    explicit FormKyouikuhi(QWidget *parent = nullptr);
};

} // namespace izoku::ui
