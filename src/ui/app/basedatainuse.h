#pragma once

#include "engine/basedata/basedata.h"
#include "store/database.h"

#include <QObject>
#include <QString>

#include <optional>

class QWidget;

namespace izoku::ui {

// The fiscal year every calculation computes by.  Its figures are
// store::ProcessBaseData(), loaded from ndata.mdb at start-up (the newest
// year), when the agent chooses another year on the menu and when the
// maintenance screen shows or stores one; every load goes through here, and
// the signals tell the open windows.
class BaseDataInUse final : public QObject {
    Q_OBJECT
  public:
    static BaseDataInUse &instance();

    // Loads the row of `fiscalYear` (the newest when none) of the file at
    // `path`, as start-up does.  Only a whole row is taken: a load that
    // fails leaves the figures in use as they were, so that a busy or
    // damaged file never mixes two years.
    store::BaseDataLoad load(const QString &path, std::optional<int> fiscalYear = std::nullopt);

    // Before a calculation: when no year's figures are in use because the
    // last load failed, they are loaded once more.  False when they still
    // cannot be, after the start-up's warning has been shown over `window`:
    // the calculation must not run on figures of 0.
    bool ready(QWidget *window);

  signals:
    // Other figures are in use: each calculation screen takes them into
    // the fields its opening fills from them.
    void figuresChanged(const engine::BaseData &data);
    // A load succeeded: the years of the file may have changed with it.
    void yearsChanged();

  private:
    BaseDataInUse() = default;

    // Where the last load looked while no year's figures were in use.
    QString m_path;
    std::optional<int> m_year;
};

} // namespace izoku::ui
