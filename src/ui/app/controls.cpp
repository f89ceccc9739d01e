#include "controls.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLineEdit>
#include <QPushButton>

namespace izoku::ui {

QPushButton *MakeButton(QWidget *parent, const QString &name, const QString &caption)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

void SetFieldText(QLineEdit *field, const QString &text)
{
    if (field->text() != text)
        field->setText(text);
}

void OneTabStop(QButtonGroup *choice)
{
    const auto follow = [choice] {
        for (QAbstractButton *option : choice->buttons())
            option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    };
    QObject::connect(choice, &QButtonGroup::buttonToggled, choice, follow);
    follow();
}

} // namespace izoku::ui
