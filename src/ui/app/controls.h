#pragma once

#include <QString>

class QLineEdit;
class QPushButton;
class QWidget;

namespace izoku::ui {

// A push button named as the screen names it, e.g. "Command9".
QPushButton *MakeButton(QWidget *parent, const QString &name, const QString &caption);

// Sets a field's text only when it differs, so a field the agent is in
// keeps its caret and selection when a calculation leaves it unchanged.
void SetFieldText(QLineEdit *field, const QString &text);

} // namespace izoku::ui
