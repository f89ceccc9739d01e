#pragma once

#include "referencewindow.h"

namespace izoku::ui {

// Who is insured under the national pension and on what conditions: the
// three compulsory kinds and the voluntary members.
class FrmSyubetu final : public ReferenceWindow {
    Q_OBJECT
  public:
    explicit FrmSyubetu(QWidget *parent = nullptr);
};

} // namespace izoku::ui
