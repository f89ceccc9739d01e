#pragma once

#include "engine/forms/household.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QDateEdit;
class QLineEdit;
class QPushButton;

namespace izoku::ui {

// The household block both calculation screens open with: a line per person
// with role label, name, birth date (with a calendar), age and, for the
// children, the 対象 and 障害 boxes; a CE button under each column.
class HouseholdPanel final : public QWidget {
    Q_OBJECT
  public:
    // The names of the screen's control arrays, e.g. {"Text3", "Text4",
    // "DTPicker1", "Text5", "Check2", "Check1"}; a widget is named "Text4(1)".
    struct ArrayNames {
        QString role, name, birth, age, present, disabled;
    };
    // What differs between the screens: the heading over the names and
    // whether each column has its own CE button.
    struct Columns {
        QString nameHeading = QStringLiteral("名　前");
        bool clearButtons = true;
    };
    static constexpr int kCount = engine::HouseholdIndex::Count;

    HouseholdPanel(const ArrayNames &names, QWidget *parent = nullptr);
    HouseholdPanel(const ArrayNames &names, const Columns &columns, QWidget *parent = nullptr);

    void read(engine::Household &household) const;
    void write(const engine::Household &household);

    std::array<QLineEdit *, kCount> roles{};
    std::array<QLineEdit *, kCount> names{};
    std::array<QDateEdit *, kCount> births{};
    std::array<QLineEdit *, kCount> ages{};
    std::array<QCheckBox *, kCount> present{};  // null for husband and wife
    std::array<QCheckBox *, kCount> disabled{}; // null for husband and wife
    // The CE buttons of the names, birth dates, ages, 障害 and 対象 columns
    // (null where the screen has none).
    std::array<QPushButton *, 5> clearButtons{};

  signals:
    // The focus left birth date `index` (the automatic age entry).
    void birthDateLeft(int index);
    void clearColumnClicked(engine::HouseholdColumn column);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace izoku::ui
