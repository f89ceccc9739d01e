#pragma once

#include <QList>

class QWidget;

namespace izoku::ui {

class HouseholdPanel;
struct FrmhokenFields;

// The keyboard of the needs-analysis screen: where Enter, the arrows and
// Ctrl move the focus from each field, which fields take only figures and
// which select their text on entry.  The agent enters a whole household
// without the mouse, so these follow the order of the printed form.
void InstallFrmhokenKeys(QWidget *window, const FrmhokenFields &fields, const HouseholdPanel &household);

// Tab visits `first` in order, then every other focusable widget of the
// window in the order it was made.
void SetTabOrder(QWidget *window, const QList<QWidget *> &first);

} // namespace izoku::ui
