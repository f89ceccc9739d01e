#include "familypanel.h"

#include "engine/needs/frmhokenform.h"
#include "ui/app/controls.h"
#include "ui/app/datepicker.h"
#include "ui/forms/householdpanel.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

namespace izoku::ui {

FamilyPanel::FamilyPanel(FrmhokenFields &fields, QWidget *parent)
    : QGroupBox(QStringLiteral(" ご家族の基本情報の登録"), parent)
{
    setObjectName(QStringLiteral("FamilyPanel"));
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setVerticalSpacing(2);
    baseDate = new DatePicker(engine::ControlName(QStringLiteral("Date2"), engine::HokenDate2::BaseDate), this);
    now = MakeButton(this, QStringLiteral("Command1"), QStringLiteral("Now"));
    auto *top = new QHBoxLayout;
    top->addStretch();
    top->addWidget(baseDate);
    top->addWidget(now);
    grid->addLayout(top, 0, 0);

    household = new HouseholdPanel(
        {QStringLiteral("Fmt4"), QStringLiteral("Fmt1"), QStringLiteral("Date1"), QStringLiteral("Num1"),
         QStringLiteral("Check2"), QStringLiteral("Check1")},
        {.nameHeading = QStringLiteral("お名前"), .clearButtons = false, .leftToRoleOnEveryLine = true}, this);
    grid->addWidget(household, 1, 0);
    // The ages are this screen's first Num1 slots, the husband's first.
    for (int person = 0; person < HouseholdPanel::kCount; ++person)
        fields.num1[engine::HokenNum1::HusbandAge + person] = household->ages[static_cast<size_t>(person)];

    computeAges = MakeButton(this, QStringLiteral("Command5"), QStringLiteral("年齢計算"));
    clearInputData = MakeButton(this, QStringLiteral("Command4"), QStringLiteral("入力データ CE"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(computeAges);
    buttons->addStretch();
    buttons->addWidget(clearInputData);
    grid->addLayout(buttons, 2, 0);
}

void FamilyPanel::read(engine::FrmhokenForm &form) const
{
    household->read(form.household);
    form.date2[engine::HokenDate2::BaseDate] = baseDate->date();
}

void FamilyPanel::write(const engine::FrmhokenForm &form)
{
    household->write(form.household);
    baseDate->setDate(form.date2[engine::HokenDate2::BaseDate]);
}

QList<QWidget *> FamilyPanel::tabOrder() const
{
    return household->tabOrder() << computeAges;
}

} // namespace izoku::ui
