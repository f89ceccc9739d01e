#include "slotpanel.h"

#include "engine/needs/frmhokenform.h"
#include "ui/app/controls.h"
#include "ui/forms/pensionrecordpanel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace izoku::ui {

namespace {

using engine::HokenNum1;
using engine::HokenNum4;

QLineEdit *slotField(QWidget *parent, const QString &array, int slot, int width)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(engine::ControlName(array, slot));
    field->setAlignment(Qt::AlignRight);
    field->setFixedSize(width, kNeedsFieldHeight);
    return field;
}

} // namespace

QWidget *FrmhokenFields::widget(HokenNum1::Slot slot) const
{
    return num1[slot];
}

QWidget *FrmhokenFields::widget(HokenNum4::Slot slot) const
{
    return num4[slot];
}

void FrmhokenFields::addPensionRecord(const PensionRecordPanel &record)
{
    for (int field = 0; field < engine::PensionField::Count; ++field)
        num1[HokenNum1::PensionRecordSlot(field)] = record.fields[static_cast<size_t>(field)];
    num1[HokenNum1::PeriodMonths] = record.periodMonthsField;
}

SlotPanel::SlotPanel(const QString &title, FrmhokenFields &fields, QWidget *parent)
    : QGroupBox(title, parent)
    , m_fields(fields)
{
}

QLineEdit *SlotPanel::num1(HokenNum1::Slot slot, int width)
{
    m_num1.push_back(slot);
    return m_fields.num1[slot] = slotField(this, QStringLiteral("Num1"), slot, width);
}

QLineEdit *SlotPanel::num4(HokenNum4::Slot slot, int width)
{
    m_num4.push_back(slot);
    return m_fields.num4[slot] = slotField(this, QStringLiteral("Num4"), slot, width);
}

QLabel *SlotPanel::text(const QString &caption)
{
    return new QLabel(caption, this);
}

QPushButton *SlotPanel::button(const QString &name, const QString &caption)
{
    return MakeButton(this, name, caption);
}

void SlotPanel::read(engine::FrmhokenForm &form) const
{
    for (HokenNum1::Slot slot : m_num1)
        form.num1(slot) = m_fields.num1[slot]->text();
    for (HokenNum4::Slot slot : m_num4)
        form.num4[slot] = m_fields.num4[slot]->text();
}

void SlotPanel::write(const engine::FrmhokenForm &form)
{
    for (HokenNum1::Slot slot : m_num1)
        SetFieldText(m_fields.num1[slot], form.num1(slot));
    for (HokenNum4::Slot slot : m_num4)
        SetFieldText(m_fields.num4[slot], form.num4[slot]);
}

} // namespace izoku::ui
