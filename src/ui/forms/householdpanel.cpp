#include "householdpanel.h"

#include "ui/app/datepicker.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace izoku::ui {

namespace {

QString indexed(const QString &array, int i)
{
    return QStringLiteral("%1(%2)").arg(array).arg(i);
}

} // namespace

HouseholdPanel::HouseholdPanel(const ArrayNames &arrays, QWidget *parent)
    : HouseholdPanel(arrays, Columns(), parent)
{
}

HouseholdPanel::HouseholdPanel(const ArrayNames &arrays, const Columns &columns, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("HouseholdPanel"));
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    const QStringList headings = {QString(),
                                  columns.nameHeading,
                                  QStringLiteral("生年月日"),
                                  QStringLiteral("年齢"),
                                  QStringLiteral("障害"),
                                  QStringLiteral("対象")};
    for (int c = 0; c < headings.size(); ++c)
        grid->addWidget(new QLabel(headings[c], this), 0, c, Qt::AlignCenter);

    for (int i = 0; i < kCount; ++i) {
        const int r = i + 1;
        roles[i] = new QLineEdit(this);
        roles[i]->setObjectName(indexed(arrays.role, i));
        roles[i]->setFixedWidth(36);
        roles[i]->setAlignment(Qt::AlignCenter);
        grid->addWidget(roles[i], r, 0);

        names[i] = new QLineEdit(this);
        names[i]->setObjectName(indexed(arrays.name, i));
        names[i]->setMinimumWidth(110);
        grid->addWidget(names[i], r, 1);

        births[i] = new DatePicker(indexed(arrays.birth, i), this);
        births[i]->installEventFilter(this);
        grid->addWidget(births[i], r, 2);

        ages[i] = new QLineEdit(this);
        ages[i]->setObjectName(indexed(arrays.age, i));
        ages[i]->setFixedWidth(40);
        ages[i]->setAlignment(Qt::AlignRight);
        grid->addWidget(ages[i], r, 3);

        if (engine::Household::IsChild(i)) {
            disabled[i] = new QCheckBox(this);
            disabled[i]->setObjectName(indexed(arrays.disabled, i));
            grid->addWidget(disabled[i], r, 4, Qt::AlignCenter);
            present[i] = new QCheckBox(this);
            present[i]->setObjectName(indexed(arrays.present, i));
            grid->addWidget(present[i], r, 5, Qt::AlignCenter);
        }
    }

    if (!columns.clearButtons)
        return;
    const engine::HouseholdColumn cleared[] = {engine::HouseholdColumn::Names, engine::HouseholdColumn::BirthDates,
                                               engine::HouseholdColumn::Ages, engine::HouseholdColumn::Disabled,
                                               engine::HouseholdColumn::Present};
    for (int c = 0; c < 5; ++c) {
        auto *button = new QPushButton(QStringLiteral("CE"), this);
        button->setObjectName(QStringLiteral("HouseholdCE(%1)").arg(c));
        button->setFocusPolicy(Qt::TabFocus);
        const engine::HouseholdColumn column = cleared[c];
        connect(button, &QPushButton::clicked, this, [this, column] { emit clearColumnClicked(column); });
        clearButtons[c] = button;
        grid->addWidget(button, kCount + 1, c + 1);
    }
}

void HouseholdPanel::read(engine::Household &household) const
{
    for (int i = 0; i < kCount; ++i) {
        engine::HouseholdMember &m = household.members[i];
        m.role = roles[i]->text();
        m.name = names[i]->text();
        m.birth = births[i]->date();
        m.age = ages[i]->text();
        m.present = present[i] && present[i]->isChecked();
        m.disabled = disabled[i] && disabled[i]->isChecked();
    }
}

void HouseholdPanel::write(const engine::Household &household)
{
    for (int i = 0; i < kCount; ++i) {
        const engine::HouseholdMember &m = household.members[i];
        roles[i]->setText(m.role);
        names[i]->setText(m.name);
        births[i]->setDate(m.birth);
        ages[i]->setText(m.age);
        if (present[i])
            present[i]->setChecked(m.present);
        if (disabled[i])
            disabled[i]->setChecked(m.disabled);
    }
}

bool HouseholdPanel::eventFilter(QObject *watched, QEvent *event)
{
    // The calendar pop-up takes the focus for a moment; that is not leaving.
    if (event->type() == QEvent::FocusOut && static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason) {
        for (int i = 0; i < kCount; ++i) {
            if (watched == births[i])
                emit birthDateLeft(i);
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace izoku::ui
