#pragma once

#include "engine/needs/frmhokenslots.h"

#include <QGroupBox>

#include <array>
#include <vector>

class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;

namespace izoku::engine {
struct FrmhokenForm;
}

namespace izoku::ui {

// Every text field of the needs-analysis screen by its array and index, so
// the key tables and the stop messages reach a field by the number the
// calculations use for it.
struct FrmhokenFields {
    std::array<QLineEdit *, engine::HokenNum1::kCount> num1{};
    std::array<QLineEdit *, engine::HokenNum4::kCount> num4{};
};

// A block of the needs-analysis screen that owns some Num1 and Num4 slots:
// it makes their fields (right-aligned, named "Num1(16)") and copies exactly
// those slots between the fields and the form.
class SlotPanel : public QGroupBox {
    Q_OBJECT
  public:
    SlotPanel(const QString &title, FrmhokenFields &fields, QWidget *parent = nullptr);

    void readSlots(engine::FrmhokenForm &form) const;
    void writeSlots(const engine::FrmhokenForm &form);

  protected:
    // Ages are two digits; amounts in yen need the room.
    static constexpr int kAgeWidth = 36;
    static constexpr int kAmountWidth = 72;

    QLineEdit *num1(int slot, int width = kAmountWidth);
    QLineEdit *num4(int slot, int width = kAmountWidth);
    QLabel *text(const QString &caption);
    QPushButton *button(const QString &name, const QString &caption);

  private:
    FrmhokenFields &m_fields;
    std::vector<int> m_num1;
    std::vector<int> m_num4;
};

QPushButton *MakeButton(QWidget *parent, const QString &name, const QString &caption);
// The date picker of every date field (DatePicker).
QDateEdit *MakeDatePicker(QWidget *parent, const QString &name);

// Sets a field's text only when it differs, so a field the agent is in
// keeps its caret and selection when a calculation leaves it unchanged.
void SetFieldText(QLineEdit *field, const QString &text);

} // namespace izoku::ui
