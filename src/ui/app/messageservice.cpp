#include "messageservice.h"

#include "replaceableservice.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace izoku::ui {

namespace {

QMessageBox::Icon boxIcon(engine::MessageIcon icon)
{
    switch (icon) {
    case engine::MessageIcon::Warning:
        return QMessageBox::Warning;
    case engine::MessageIcon::Information:
        return QMessageBox::Information;
    case engine::MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

class BoxMessageService final : public MessageService {
  public:
    void show(QWidget *parent, const engine::Message &message) override
    {
        QMessageBox box(boxIcon(message.icon), message.title, message.text, QMessageBox::Ok, parent);
        box.exec();
    }

    Answer ask(QWidget *parent, const engine::Message &question) override
    {
        QMessageBox box(boxIcon(question.icon), question.title, question.text, QMessageBox::Yes | QMessageBox::No,
                        parent);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
    }

    int choose(QWidget *parent, const engine::Message &question, const QStringList &captions) override
    {
        QMessageBox box(boxIcon(question.icon), question.title, question.text, QMessageBox::NoButton, parent);
        QList<QAbstractButton *> buttons;
        for (const QString &caption : captions)
            buttons << box.addButton(caption, QMessageBox::AcceptRole);
        if (buttons.isEmpty())
            return -1;
        box.setDefaultButton(qobject_cast<QPushButton *>(buttons.first()));
        box.setEscapeButton(buttons.last());
        box.exec();
        const auto index = buttons.indexOf(box.clickedButton());
        return index < 0 ? static_cast<int>(buttons.size()) - 1 : static_cast<int>(index);
    }
};

ReplaceableService<std::unique_ptr<MessageService>> &service()
{
    static ReplaceableService<std::unique_ptr<MessageService>> boxes(
        [] { return std::unique_ptr<MessageService>(std::make_unique<BoxMessageService>()); });
    return boxes;
}

} // namespace

MessageService &Messages()
{
    return *service().current();
}

std::unique_ptr<MessageService> SetMessageService(std::unique_ptr<MessageService> replacement)
{
    return service().replace(std::move(replacement));
}

void ShowMessage(QWidget *parent, const engine::Message &message, QWidget *focus)
{
    Messages().show(parent, message);
    if (!focus)
        return;
    if (parent)
        parent->activateWindow();
    focus->setFocus(Qt::OtherFocusReason);
    if (!message.selectAll)
        return;
    if (auto *edit = qobject_cast<QLineEdit *>(focus))
        edit->selectAll();
}

void ShowMessageLater(QWidget *window, const engine::Message &message)
{
    QTimer::singleShot(0, window, [window, message] { Messages().show(window, message); });
}

} // namespace izoku::ui
