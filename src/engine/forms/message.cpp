#include "message.h"

namespace izoku::engine {

QString IconName(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Warning:
        return QStringLiteral("warning");
    case MessageIcon::Information:
        return QStringLiteral("information");
    case MessageIcon::None:
        break;
    }
    return QStringLiteral("none");
}

QString ControlName(const QString &array, int index)
{
    return QStringLiteral("%1(%2)").arg(array).arg(index);
}

} // namespace izoku::engine
