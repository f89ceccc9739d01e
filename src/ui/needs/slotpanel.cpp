#include "slotpanel.h"

#include "engine/needs/frmhokenform.h"
#include "ui/app/datepicker.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace izoku::ui {

namespace {

// The form was drawn with fields a little taller than a line of text; at
// that height the whole form fits a laptop screen.
constexpr int kFieldHeight = 21;

QLineEdit *slotField(QWidget *parent, const QString &array, int slot, int width)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(QStringLiteral("%1(%2)").arg(array).arg(slot));
    field->setAlignment(Qt::AlignRight);
    field->setFixedSize(width, kFieldHeight);
    return field;
}

} // namespace

QPushButton *MakeButton(QWidget *parent, const QString &name, const QString &caption)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}

QDateEdit *MakeDatePicker(QWidget *parent, const QString &name)
{
    return new DatePicker(name, parent);
}

void SetFieldText(QLineEdit *field, const QString &text)
{
    if (field->text() != text)
        field->setText(text);
}

SlotPanel::SlotPanel(const QString &title, FrmhokenFields &fields, QWidget *parent)
    : QGroupBox(title, parent)
    , m_fields(fields)
{
}

QLineEdit *SlotPanel::num1(int slot, int width)
{
    m_num1.push_back(slot);
    return m_fields.num1[static_cast<size_t>(slot)] = slotField(this, QStringLiteral("Num1"), slot, width);
}

QLineEdit *SlotPanel::num4(int slot, int width)
{
    m_num4.push_back(slot);
    return m_fields.num4[static_cast<size_t>(slot)] = slotField(this, QStringLiteral("Num4"), slot, width);
}

QLabel *SlotPanel::text(const QString &caption)
{
    return new QLabel(caption, this);
}

QPushButton *SlotPanel::button(const QString &name, const QString &caption)
{
    return MakeButton(this, name, caption);
}

void SlotPanel::readSlots(engine::FrmhokenForm &form) const
{
    for (int slot : m_num1)
        form.num1(slot) = m_fields.num1[static_cast<size_t>(slot)]->text();
    for (int slot : m_num4)
        form.num4[static_cast<size_t>(slot)] = m_fields.num4[static_cast<size_t>(slot)]->text();
}

void SlotPanel::writeSlots(const engine::FrmhokenForm &form)
{
    for (int slot : m_num1)
        SetFieldText(m_fields.num1[static_cast<size_t>(slot)], form.num1(slot));
    for (int slot : m_num4)
        SetFieldText(m_fields.num4[static_cast<size_t>(slot)], form.num4[static_cast<size_t>(slot)]);
}

} // namespace izoku::ui
