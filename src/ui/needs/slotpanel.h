#pragma once

#include "engine/needs/frmhokenslots.h"
#include "ui/app/keytable.h"
#include "ui/forms/fieldsizes.h"

#include <QGroupBox>
#include <QList>

#include <array>
#include <initializer_list>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

namespace izoku::engine {
struct FrmhokenForm;
}

namespace izoku::ui {

class PensionRecordPanel;

// Every text field of the needs-analysis screen by its array and index, so
// the key tables and the stop messages reach a field by the number the
// calculations use for it.
struct FrmhokenFields {
    std::array<QLineEdit *, engine::HokenNum1::kCount> num1{};
    std::array<QLineEdit *, engine::HokenNum4::kCount> num4{};

    QWidget *widget(engine::HokenNum1::Slot slot) const;
    QWidget *widget(engine::HokenNum4::Slot slot) const;
    template <typename Slot> QList<QWidget *> widgets(std::initializer_list<Slot> chosen) const
    {
        QList<QWidget *> list;
        for (Slot slot : chosen)
            list << widget(slot);
        return list;
    }
    // The pension record's fields are Num1 7..13 on this screen.
    void addPensionRecord(const PensionRecordPanel &record);
};

// A block of the needs-analysis screen that owns some Num1 and Num4 slots:
// it makes their fields (right-aligned, named "Num1(16)") and copies exactly
// those slots between the fields and the form.
class SlotPanel : public QGroupBox {
    Q_OBJECT
  public:
    SlotPanel(const QString &title, FrmhokenFields &fields, QWidget *parent = nullptr);

    virtual void read(engine::FrmhokenForm &form) const;
    virtual void write(const engine::FrmhokenForm &form);

  protected:
    QLineEdit *num1(engine::HokenNum1::Slot slot, int width = kNeedsAmountWidth);
    QLineEdit *num4(engine::HokenNum4::Slot slot, int width = kNeedsAmountWidth);
    QLabel *text(const QString &caption);
    QPushButton *button(const QString &name, const QString &caption);

    FrmhokenFields &m_fields;

  private:
    std::vector<engine::HokenNum1::Slot> m_num1;
    std::vector<engine::HokenNum4::Slot> m_num4;
};

} // namespace izoku::ui
