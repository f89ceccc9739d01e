#pragma once

#include "referencewindow.h"

namespace izoku::ui {

// Average monthly pay of employees' pension members by birth date, for
// the customer who does not know his average remuneration.
class FormKyuyo final : public ReferenceWindow {
    Q_OBJECT
  public:
    explicit FormKyuyo(QWidget *parent = nullptr);
};

} // namespace izoku::ui
