#include "formgengou.h"

#include "engine/reference/eralist.h"
#include "ui/app/controls.h"

#include <QDate>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace izoku::ui {

FormGengou::FormGengou(const QDate &today, QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("FormGengou"));
    // A title of its own, so a list of open windows tells it from the menu.
    setWindowTitle(QStringLiteral("西暦/和暦"));
    auto *layout = new QVBoxLayout(this);
    auto *list = new QListWidget(this);
    list->setObjectName(QStringLiteral("List1"));
    list->addItems(engine::EraList(today.year()));
    layout->addWidget(list);
    auto *close = MakeButton(this, QStringLiteral("Command1"), QStringLiteral("閉じる"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    layout->addWidget(close);
    resize(180, 420);
}

} // namespace izoku::ui
