#pragma once

#include "engine/forms/pensionrecord.h"
#include "engine/needs/frmhokenslots.h"
#include "ui/app/keytable.h"

#include <QList>
#include <QWidget>

#include <array>
#include <functional>
#include <span>

class QFrame;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace izoku::ui {

class DatePicker;

// The husband's pension record, the block both calculation screens open
// with beside the household: his membership (Option1), the widow's choice
// (Option2 / Option3, shown only for a national pension member), the six
// fields of his insured months and remuneration, the month calculators with
// their dates and the clear buttons.  The screens name and place these
// differently: the survivors' pension screen puts each calculator beside the
// field it fills and the reference date under the block, the needs screen
// follows its printed form, under headings, and keeps the reference date
// with the family.
class PensionRecordPanel final : public QWidget {
    Q_OBJECT
  public:
    enum class Screen { Survivors, Needs };
    // What a button of the block does to the record; `today` is for the
    // dates it resets.
    using Operation = std::function<engine::CalculationOutcome(engine::PensionRecord record, const QDate &today)>;

    PensionRecordPanel(Screen screen, QWidget *parent = nullptr);

    void read(engine::PensionRecord record) const;
    void write(engine::ConstPensionRecord record);

    // The keys of the six fields on the survivors' screen, in its Text6 slots.
    static std::span<const KeyRow<engine::PensionField::Slot>> survivorsKeys();
    // The keys on the needs screen, in its Num1 slots: they lead on into the
    // income block below.
    static std::span<const KeyRow<engine::HokenNum1::Slot>> needsKeys();
    // The tab order through the block: the membership (one stop, on the
    // option chosen), then on the needs screen the months and remunerations
    // it asks for first, on the survivors' screen the widow's choice and the
    // six fields, so that the calculation is a few Tabs away.
    QList<QWidget *> tabOrder() const;

    QRadioButton *nationalMember = nullptr; // Option1(0)
    QRadioButton *employeeMember = nullptr; // Option1(1)
    std::array<QLineEdit *, engine::PensionField::Count> fields{};
    std::array<DatePicker *, engine::PeriodDate::Count> dates{}; // the reference date only on the survivors' screen
    QLineEdit *periodMonthsField = nullptr;                      // the needs screen's Num1(13)
    QPushButton *now = nullptr;                                  // the survivors' screen's reference date back to today

  signals:
    // A button of the block was pressed: the window runs `operation` on the
    // record of its form.
    void operationClicked(const Operation &operation);

  private:
    void layOutForSurvivors();
    void layOutForNeeds();
    // The membership and the widow's choice; returns the choice's row.
    QHBoxLayout *makeMembership(const QString &national, const QString &employee);
    QLineEdit *makeField(engine::PensionField::Slot field);
    DatePicker *makeDate(engine::PeriodDate::Slot date);
    QPushButton *makeButton(const QString &name, const QString &caption, Operation operation);
    QLabel *text(const QString &caption);

    Screen m_screen;
    QWidget *m_content = nullptr;
    QFrame *m_choicePanel = nullptr;
    QRadioButton *m_chooseEmployeesPension = nullptr; // Option2
    QRadioButton *m_chooseWidowsPension = nullptr;    // Option3
    QLabel *m_periodMonthsLabel = nullptr;            // the survivors' screen's Num3(41)
};

} // namespace izoku::ui
