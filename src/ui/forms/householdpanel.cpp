#include "householdpanel.h"

#include "engine/forms/message.h"
#include "ui/app/controls.h"
#include "ui/app/datepicker.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace izoku::ui {

namespace {

using engine::ControlName;

// A role label ("子1") and a two-digit age need little room; a name more.
constexpr int kRoleWidth = 36;
constexpr int kNameWidth = 110;
constexpr int kAgeWidth = 40;

} // namespace

HouseholdPanel::HouseholdPanel(const ArrayNames &arrays, QWidget *parent)
    : HouseholdPanel(arrays, Columns(), parent)
{
}

HouseholdPanel::HouseholdPanel(const ArrayNames &arrays, const Columns &columns, QWidget *parent)
    : QWidget(parent)
    , m_columns(columns)
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
        roles[i]->setObjectName(ControlName(arrays.role, i));
        roles[i]->setFixedWidth(kRoleWidth);
        roles[i]->setAlignment(Qt::AlignCenter);
        grid->addWidget(roles[i], r, 0);

        names[i] = new QLineEdit(this);
        names[i]->setObjectName(ControlName(arrays.name, i));
        names[i]->setMinimumWidth(kNameWidth);
        grid->addWidget(names[i], r, 1);

        births[i] = new DatePicker(ControlName(arrays.birth, i), this);
        births[i]->installEventFilter(this);
        grid->addWidget(births[i], r, 2);

        ages[i] = new QLineEdit(this);
        ages[i]->setObjectName(ControlName(arrays.age, i));
        ages[i]->setFixedWidth(kAgeWidth);
        ages[i]->setAlignment(Qt::AlignRight);
        grid->addWidget(ages[i], r, 3);

        if (engine::Household::IsChild(i)) {
            disabled[i] = new QCheckBox(this);
            disabled[i]->setObjectName(ControlName(arrays.disabled, i));
            disabled[i]->installEventFilter(this);
            grid->addWidget(disabled[i], r, 4, Qt::AlignCenter);
            present[i] = new QCheckBox(this);
            present[i]->setObjectName(ControlName(arrays.present, i));
            grid->addWidget(present[i], r, 5, Qt::AlignCenter);
            // Set by the agent, or unticked, it is a stop like any other.
            connect(present[i], &QCheckBox::clicked, this, [this, i] { m_tickedByProgram[i] = false; });
            connect(present[i], &QCheckBox::toggled, this, [this, i](bool ticked) {
                if (!ticked)
                    m_tickedByProgram[i] = false;
            });
        }
    }

    if (!columns.clearButtons)
        return;
    for (size_t c = 0; c < clearButtons.size(); ++c) {
        const int column = static_cast<int>(c);
        auto *button = MakeButton(this, ControlName(QStringLiteral("HouseholdCE"), column), QStringLiteral("CE"));
        button->setFocusPolicy(Qt::TabFocus);
        connect(button, &QPushButton::clicked, this,
                [this, cleared = engine::kClearedHouseholdColumns[c]] { emit clearColumnClicked(cleared); });
        clearButtons[c] = button;
        grid->addWidget(button, kCount + 1, column + 1);
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
        SetFieldText(roles[i], m.role);
        SetFieldText(names[i], m.name);
        births[i]->setDate(m.birth);
        SetFieldText(ages[i], m.age);
        if (present[i])
            present[i]->setChecked(m.present);
        if (disabled[i])
            disabled[i]->setChecked(m.disabled);
    }
}

std::vector<KeyRow<HouseholdPanel::Field>> HouseholdPanel::keyRows() const
{
    using C = Column;
    std::vector<KeyRow<Field>> rows;
    for (int i = engine::HouseholdIndex::Husband; i < kCount; ++i) {
        // The field of this line, or of the line `lines` below it; none
        // beyond the first and the last line.
        const auto at = [i](Column column, int lines = 0) -> std::optional<Field> {
            const int person = i + lines;
            if (person < engine::HouseholdIndex::Husband || person >= kCount)
                return kStays;
            return Field{column, person};
        };
        const bool leftToRole = m_columns.leftToRoleOnEveryLine || i == engine::HouseholdIndex::Husband;
        rows.push_back(
            {{C::Role, i}, at(C::Name), at(C::Role, -1), at(C::Role, 1), kStays, at(C::Name), kStays, kWords});
        rows.push_back({{C::Name, i},
                        at(C::Birth),
                        at(C::Name, -1),
                        at(C::Name, 1),
                        leftToRole ? at(C::Role) : kStays,
                        at(C::Birth),
                        at(C::Role),
                        kWords});
        rows.push_back({{C::Birth, i}, at(C::Age), at(C::Birth, -1), at(C::Birth, 1), kStays, kStays, at(C::Name)});
        rows.push_back(
            {{C::Age, i}, at(C::Role, 1), at(C::Age, -1), at(C::Age, 1), at(C::Birth), kStays, at(C::Birth)});
    }
    return rows;
}

QWidget *HouseholdPanel::widget(Field field) const
{
    const auto person = static_cast<size_t>(field.person);
    switch (field.column) {
    case Column::Role:
        return roles[person];
    case Column::Name:
        return names[person];
    case Column::Birth:
        return births[person];
    case Column::Age:
        break;
    }
    return ages[person];
}

QList<QWidget *> HouseholdPanel::tabOrder() const
{
    QList<QWidget *> order;
    for (int i = 0; i < kCount; ++i) {
        order << roles[i] << names[i] << births[i] << ages[i];
        if (disabled[i])
            order << disabled[i] << present[i];
    }
    return order;
}

bool HouseholdPanel::eventFilter(QObject *watched, QEvent *event)
{
    // The calendar pop-up takes the focus for a moment; that is not leaving.
    if (event->type() == QEvent::FocusOut && static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason) {
        for (int i = 0; i < kCount; ++i) {
            if (watched == births[i])
                leaveBirthDate(i);
        }
    }
    if (passOverPresent(watched, event))
        return true;
    return QWidget::eventFilter(watched, event);
}

void HouseholdPanel::leaveBirthDate(int index)
{
    const bool wasTicked = present[index] && present[index]->isChecked();
    emit birthDateLeft(index);
    if (present[index] && !wasTicked && present[index]->isChecked())
        m_tickedByProgram[index] = true;
}

bool HouseholdPanel::passOverPresent(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_Tab || key->modifiers() != Qt::NoModifier)
        return false;
    for (int i = 0; i < kCount; ++i) {
        if (watched != disabled[i] || !m_tickedByProgram[i])
            continue;
        QWidget *next = present[i]->nextInFocusChain();
        while (next != present[i] && !(next->isVisible() && next->isEnabled() && (next->focusPolicy() & Qt::TabFocus)))
            next = next->nextInFocusChain();
        next->setFocus(Qt::TabFocusReason);
        return true;
    }
    return false;
}

} // namespace izoku::ui
