#include "pensionrecordpanel.h"

#include "engine/needs/frmhokenform.h"

#include <QButtonGroup>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace izoku::ui {

using engine::HokenDate2;
using engine::HokenNum1;

PensionRecordPanel::PensionRecordPanel(FrmhokenFields &fields, QWidget *parent)
    : SlotPanel(QStringLiteral("年金の現在の加入状況"), fields, parent)
{
    setObjectName(QStringLiteral("PensionRecordPanel"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(1);

    membership[0] = new QRadioButton(QStringLiteral("国民年金加入中 (現在自営(無職含む))"), this);
    membership[1] = new QRadioButton(QStringLiteral("厚生年金加入中 (現在はサラリーマン)"), this);
    auto *members = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        membership[i]->setObjectName(QStringLiteral("Option1(%1)").arg(i));
        members->addButton(membership[i]);
        layout->addWidget(membership[i]);
    }
    choicePanel = new QWidget(this);
    choicePanel->setObjectName(QStringLiteral("Picture3"));
    auto *choices = new QHBoxLayout(choicePanel);
    choices->setContentsMargins(16, 0, 0, 0);
    chooseEmployeesPension = new QRadioButton(QStringLiteral("遺族厚生年金選択"), choicePanel);
    chooseEmployeesPension->setObjectName(QStringLiteral("Option2"));
    chooseWidowsPension = new QRadioButton(QStringLiteral("寡婦年金選択"), choicePanel);
    chooseWidowsPension->setObjectName(QStringLiteral("Option3"));
    choices->addWidget(chooseEmployeesPension);
    choices->addWidget(chooseWidowsPension);
    choices->addStretch();
    layout->addWidget(choicePanel);

    layout->addWidget(text(QStringLiteral(" ■ 年金の種類別加入状況　（入力）")));
    auto *grid = new QGridLayout;
    grid->setVerticalSpacing(1);
    layout->addLayout(grid);
    for (int i = 0; i < 4; ++i)
        dates[i] = MakeDatePicker(this, QStringLiteral("Date2(%1)").arg(i + 1));
    auto slotRow = [&](int row, const QString &caption, int slot, const QString &unit) {
        grid->addWidget(text(caption), row, 0);
        grid->addWidget(num1(slot), row, 1);
        grid->addWidget(text(unit), row, 2);
    };

    grid->addWidget(text(QStringLiteral("■ 国民年金だけの期間")), 0, 0, 1, 3);
    slotRow(1, QStringLiteral(" ◎ 加入期間"), HokenNum1::NationalMonths, QStringLiteral("ヶ月"));
    grid->addWidget(text(QStringLiteral("入社日")), 1, 3);
    grid->addWidget(dates[0], 1, 4);

    grid->addWidget(text(QStringLiteral("■ 厚生年金だけの期間と月額")), 2, 0, 1, 3);
    grid->addWidget(text(QStringLiteral("～H15/3/31")), 2, 3);
    calculateTo2003 = button(QStringLiteral("Command2"), QStringLiteral("①期間計算"));
    grid->addWidget(calculateTo2003, 2, 4);
    slotRow(3, QStringLiteral(" ①平成15年3月までの期間"), HokenNum1::EmployeeMonthsTo2003, QStringLiteral("ヶ月"));
    slotRow(4, QStringLiteral("平均標準報酬月額"), HokenNum1::AverageMonthlyRemuneration, QStringLiteral("円"));

    grid->addWidget(text(QStringLiteral("H15/4/1～")), 5, 3);
    grid->addWidget(dates[1], 5, 4);
    slotRow(5, QStringLiteral(" ②平成15年４月以降の期間"), HokenNum1::EmployeeMonthsFrom2003, QStringLiteral("ヶ月"));
    calculateFrom2003 = button(QStringLiteral("Command3"), QStringLiteral("②期間計算"));
    grid->addWidget(calculateFrom2003, 6, 4);
    slotRow(6, QStringLiteral("平均標準報酬額"), HokenNum1::AverageRemuneration, QStringLiteral("円"));

    calculateNational = button(QStringLiteral("Command9"), QStringLiteral("期間計算"));
    grid->addWidget(calculateNational, 7, 0);
    auto *period = new QHBoxLayout;
    period->addWidget(dates[2]);
    period->addWidget(text(QStringLiteral("～")));
    period->addWidget(dates[3]);
    grid->addLayout(period, 7, 1, 1, 4);
    grid->addWidget(num1(HokenNum1::PeriodMonths), 8, 1);
    grid->addWidget(text(QStringLiteral("ヶ月")), 8, 2);

    slotRow(9, QStringLiteral("■ 物価スライド率"), HokenNum1::SlideRate, QString());
    clearPeriods = button(QStringLiteral("Command10"), QStringLiteral("CE"));
    grid->addWidget(clearPeriods, 9, 4, Qt::AlignRight);

    // The widow's choice matters only for a national pension member.
    connect(membership[0], &QRadioButton::toggled, choicePanel, &QWidget::setVisible);
}

void PensionRecordPanel::read(engine::FrmhokenForm &form) const
{
    readSlots(form);
    form.option1 = membership[0]->isChecked() ? engine::Membership::National : engine::Membership::Employee;
    form.choice = chooseWidowsPension->isChecked() ? engine::SurvivorChoice::WidowsPension
                                                   : engine::SurvivorChoice::EmployeesPension;
    for (int i = 0; i < 4; ++i)
        form.date2[static_cast<size_t>(HokenDate2::CompanyEntry + i)] = dates[i]->date();
}

void PensionRecordPanel::write(const engine::FrmhokenForm &form)
{
    writeSlots(form);
    const bool national = form.option1 == engine::Membership::National;
    membership[national ? 0 : 1]->setChecked(true);
    choicePanel->setVisible(national);
    (form.choice == engine::SurvivorChoice::WidowsPension ? chooseWidowsPension : chooseEmployeesPension)
        ->setChecked(true);
    for (int i = 0; i < 4; ++i)
        dates[i]->setDate(form.date2[static_cast<size_t>(HokenDate2::CompanyEntry + i)]);
}

} // namespace izoku::ui
