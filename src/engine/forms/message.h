#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace izoku::engine {

enum class MessageIcon { None, Warning, Information };

// A message a form's calculation wants shown; the window shows it in a modal
// box, the command-line tool prints it.  `focus` names the field that takes
// the focus afterwards (the form's own field name, e.g. "Text6(2)"), with its
// whole text selected when `selectAll` is set.
struct Message {
    QString text;
    QString title;
    MessageIcon icon = MessageIcon::Warning;
    QString focus;
    bool selectAll = false;

    bool operator==(const Message &) const = default;
};

using Messages = std::vector<Message>;

// A warning box with an OK button: the form of every input error.
inline Message Warning(QString text, QString title, QString focus = {}, bool selectAll = false)
{
    return Message{std::move(text), std::move(title), MessageIcon::Warning, std::move(focus), selectAll};
}

// A Yes/No question without an icon.
inline Message Question(QString text, QString title)
{
    return Message{std::move(text), std::move(title), MessageIcon::None, QString(), false};
}

// Every write to ndata.mdb asks this first.
inline Message RegisterQuestion()
{
    return Question(QStringLiteral("登録します"), QStringLiteral("登録"));
}

// The text the command-line tool uses for an icon.
QString IconName(MessageIcon icon);

// A control of one of a screen's control arrays as windows and messages name
// it: ControlName("Text6", 2) is "Text6(2)".
QString ControlName(const QString &array, int index);

} // namespace izoku::engine
