#pragma once

#include "referencewindow.h"

namespace izoku::ui {

// How the necessary coverage amount is made up: what the family will need
// against what it will have, item by item and over time.
class FormHThsyo final : public ReferenceWindow {
    Q_OBJECT
  public:
    explicit FormHThsyo(QWidget *parent = nullptr);
};

} // namespace izoku::ui
