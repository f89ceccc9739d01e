#pragma once

#include "store/restore.h"

#include <QDialog>

#include <optional>
#include <vector>

class QListWidget;
class QPushButton;

namespace izoku::ui {

// The choice of the day to restore: one line per day's copy, newest first,
// with the households it holds, so the agent can tell the copy of the
// morning before a mistake from an empty one.  A copy that cannot be read
// is listed but cannot be chosen.
class FrmRestore final : public QDialog {
    Q_OBJECT
  public:
    FrmRestore(std::vector<store::RestorableCopy> copies, QWidget *parent);

    // The copy chosen; nothing before one is.
    std::optional<store::DailyCopy> chosen() const;

  private:
    std::vector<store::RestorableCopy> m_copies;
    QListWidget *m_list = nullptr;
    QPushButton *m_ok = nullptr;
};

} // namespace izoku::ui
