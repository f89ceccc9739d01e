#pragma once

#include "engine/forms/household.h"
#include "ui/app/keytable.h"

#include <QList>
#include <QWidget>

#include <array>
#include <vector>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace izoku::ui {

class DatePicker;

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
    // What differs between the screens: the heading over the names, whether
    // each column has its own CE button, and whether Left in a name goes
    // back to its role on every line or on the husband's only.
    struct Columns {
        QString nameHeading = QStringLiteral("名　前");
        bool clearButtons = true;
        bool leftToRoleOnEveryLine = false;
    };
    static constexpr int kCount = engine::HouseholdIndex::Count;

    // A field of the block as the key table names it: its column and the
    // person's line (engine::HouseholdIndex).
    enum class Column { Role, Name, Birth, Age };
    struct Field {
        Column column;
        int person;
    };

    HouseholdPanel(const ArrayNames &names, QWidget *parent = nullptr);
    HouseholdPanel(const ArrayNames &names, const Columns &columns, QWidget *parent = nullptr);

    void read(engine::Household &household) const;
    void write(const engine::Household &household);

    // Enter walks a line left to right, role, name, birth date, age, and
    // drops to the next line's role; the screen says where it goes from the
    // last child's age.  The arrows move within a column and Ctrl steps back
    // along the line.
    std::vector<KeyRow<Field>> keyRows() const;
    QWidget *widget(Field field) const;
    // Line by line: role, name, birth date, age and, for a child, 障害 and
    // 対象.  A 対象 the program ticked itself, when the child's birth date
    // was left, is passed over by Tab (Shift+Tab still reaches it): the
    // agent who then pressed Space on it would untick the child.
    QList<QWidget *> tabOrder() const;

    std::array<QLineEdit *, kCount> roles{};
    std::array<QLineEdit *, kCount> names{};
    std::array<DatePicker *, kCount> births{};
    std::array<QLineEdit *, kCount> ages{};
    std::array<QCheckBox *, kCount> present{};  // null for husband and wife
    std::array<QCheckBox *, kCount> disabled{}; // null for husband and wife
    // The CE buttons of the names, birth dates, ages, 障害 and 対象 columns
    // (null where the screen has none).
    std::array<QPushButton *, engine::kClearedHouseholdColumns.size()> clearButtons{};

  signals:
    // The focus left birth date `index` (the automatic age entry).
    void birthDateLeft(int index);
    void clearColumnClicked(engine::HouseholdColumn column);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    // Leaving birth date `index`: the automatic age entry, and whether it
    // ticked 対象.
    void leaveBirthDate(int index);
    bool passOverPresent(QObject *watched, QEvent *event);

    Columns m_columns;
    // Per line: 対象 was ticked by the program and not touched since.
    std::array<bool, kCount> m_tickedByProgram{};
};

} // namespace izoku::ui
