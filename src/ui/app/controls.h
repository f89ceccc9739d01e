#pragma once

#include <QString>

class QButtonGroup;
class QLineEdit;
class QPushButton;
class QWidget;

namespace izoku::ui {

// A push button named as the screen names it, e.g. "Command9".
QPushButton *MakeButton(QWidget *parent, const QString &name, const QString &caption);

// Sets a field's text only when it differs, so a field the agent is in
// keeps its caret and selection when a calculation leaves it unchanged.
void SetFieldText(QLineEdit *field, const QString &text);

// One Tab stop for a choice of options, on the option chosen, as the
// agents' other programs have it: Tab never lands on an option the agent
// has not chosen, and the arrow keys move the choice between the options.
void OneTabStop(QButtonGroup *choice);

} // namespace izoku::ui
