#pragma once

#include "engine/forms/message.h"

#include <QDate>
#include <QString>

#include <vector>

namespace izoku::store {

// The start-up's part in the customer file, before anything can be saved:
// the file checked (CheckDatabaseFile) and, from a sound file only, the
// day's copy taken and the old copies pruned (BackUpDaily).  Returns what
// the agent must hear, to be said once the menu is on screen: a damaged
// file with the copy to restore, a file that cannot be written (said before
// a household is typed in vain), a file another program kept, a copy that
// failed, copies dated after `today`.
std::vector<engine::Message> CheckCustomerFileAtStart(const QString &path, const QDate &today);

} // namespace izoku::store
