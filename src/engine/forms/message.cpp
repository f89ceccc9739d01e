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

} // namespace izoku::engine
