#pragma once

#include "engine/forms/message.h"

#include <QString>
#include <QStringList>

#include <memory>

class QWidget;

namespace izoku::ui {

enum class Answer { Yes, No };

// Every message box of the program goes through here, so that a test can
// read each message and answer each question.
class MessageService {
  public:
    virtual ~MessageService() = default;
    // A modal box with an OK button.
    virtual void show(QWidget *parent, const engine::Message &message) = 0;
    // A modal Yes/No question.
    virtual Answer ask(QWidget *parent, const engine::Message &question) = 0;
    // A modal question with a button per caption, the first the default
    // and the last the one Esc presses; returns the index of the button.
    virtual int choose(QWidget *parent, const engine::Message &question, const QStringList &captions) = 0;
};

// The service in use; by default real message boxes.
MessageService &Messages();
// Replaces the service (tests); returns the previous one.
std::unique_ptr<MessageService> SetMessageService(std::unique_ptr<MessageService> service);

// Shows a message and then gives the focus to `focus` (if any), with its
// whole text selected when the message asks for it.
void ShowMessage(QWidget *parent, const engine::Message &message, QWidget *focus = nullptr);

// Shows a message as soon as the event loop runs again: a window that finds
// something wrong while it is being built says so once it is on screen.
void ShowMessageLater(QWidget *window, const engine::Message &message);

} // namespace izoku::ui
