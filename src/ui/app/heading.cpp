#include "heading.h"

#include <QLabel>

namespace izoku::ui {

QLabel *Heading(const QString &text, QWidget *parent)
{
    auto *heading = new QLabel(text, parent);
    heading->setObjectName(QStringLiteral("Label1"));
    QFont font = heading->font();
    font.setPointSize(14);
    font.setBold(true);
    heading->setFont(font);
    return heading;
}

} // namespace izoku::ui
