#include "pensioninputpanel.h"

#include "ui/app/datepicker.h"

#include <QButtonGroup>
#include <QDateEdit>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace izoku::ui {

namespace {

QPushButton *button(QWidget *parent, const QString &name, const QString &caption)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}

QDateEdit *datePicker(QWidget *parent, int index)
{
    return new DatePicker(QStringLiteral("DTPicker2(%1)").arg(index), parent);
}

} // namespace

PensionInputPanel::PensionInputPanel(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("PensionInputPanel"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    auto *memberships = new QButtonGroup(this);
    const QString captions[] = {QStringLiteral(" 国民年金（第1号被保険者）"),
                                QStringLiteral(" 厚生年金（第2号被保険者）")};
    auto *membershipRow = new QHBoxLayout;
    for (int i = 0; i < 2; ++i) {
        membership[i] = new QRadioButton(captions[i], this);
        membership[i]->setObjectName(QStringLiteral("Option1(%1)").arg(i));
        memberships->addButton(membership[i], i);
        membershipRow->addWidget(membership[i]);
    }
    layout->addLayout(membershipRow);

    choicePanel = new QFrame(this);
    choicePanel->setObjectName(QStringLiteral("ChoicePanel"));
    choicePanel->setFrameShape(QFrame::StyledPanel);
    auto *choices = new QButtonGroup(this);
    auto *choiceRow = new QHBoxLayout(choicePanel);
    chooseEmployeesPension = new QRadioButton(QStringLiteral("遺族厚生年金選択"), choicePanel);
    chooseEmployeesPension->setObjectName(QStringLiteral("Option2"));
    chooseWidowsPension = new QRadioButton(QStringLiteral("寡婦年金選択"), choicePanel);
    chooseWidowsPension->setObjectName(QStringLiteral("Option3"));
    choices->addButton(chooseEmployeesPension);
    choices->addButton(chooseWidowsPension);
    choiceRow->addWidget(chooseEmployeesPension);
    choiceRow->addWidget(chooseWidowsPension);
    layout->addWidget(choicePanel);

    auto *grid = new QGridLayout;
    layout->addLayout(grid);
    const QString labels[6][2] = {
        {QStringLiteral("国民年金　保険料納付済期間"), QStringLiteral("ヶ月")},
        {QStringLiteral("厚生年金　H15/3までの期間"), QStringLiteral("ヶ月")},
        {QStringLiteral("平均標準報酬月額"), QStringLiteral("円")},
        {QStringLiteral("H15/4からの期間"), QStringLiteral("ヶ月")},
        {QStringLiteral("平均標準報酬額"), QStringLiteral("円")},
        {QStringLiteral("物価スライド率"), QString()},
    };
    for (int i = 0; i < 6; ++i) {
        grid->addWidget(new QLabel(labels[i][0], this), i, 0);
        fields[i] = new QLineEdit(this);
        fields[i]->setObjectName(QStringLiteral("Text6(%1)").arg(i));
        fields[i]->setAlignment(Qt::AlignRight);
        fields[i]->setFixedWidth(90);
        grid->addWidget(fields[i], i, 1);
        grid->addWidget(new QLabel(labels[i][1], this), i, 2);
    }

    // The month calculators beside the fields they fill.
    dates[1] = datePicker(this, 1);
    calculateTo2003 = button(this, QStringLiteral("Command9"), QStringLiteral("計 算"));
    grid->addWidget(new QLabel(QStringLiteral("加入日"), this), 1, 3);
    grid->addWidget(dates[1], 1, 4);
    grid->addWidget(calculateTo2003, 1, 5);

    dates[2] = datePicker(this, 2);
    calculateFrom2003 = button(this, QStringLiteral("Command10"), QStringLiteral("計　算"));
    grid->addWidget(new QLabel(QStringLiteral("終了日"), this), 3, 3);
    grid->addWidget(dates[2], 3, 4);
    grid->addWidget(calculateFrom2003, 3, 5);

    dates[3] = datePicker(this, 3);
    dates[4] = datePicker(this, 4);
    calculateNational = button(this, QStringLiteral("Command11"), QStringLiteral("計 算"));
    nationalMonths = new QLabel(QStringLiteral("0"), this);
    nationalMonths->setObjectName(QStringLiteral("Num3(41)"));
    nationalMonths->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    nationalMonths->setFrameShape(QFrame::Panel);
    nationalMonths->setFrameShadow(QFrame::Sunken);
    nationalMonths->setMinimumWidth(48);
    auto *nationalRow = new QHBoxLayout;
    nationalRow->addWidget(new QLabel(QStringLiteral("国民年金期間"), this));
    nationalRow->addWidget(dates[3]);
    nationalRow->addWidget(new QLabel(QStringLiteral("～"), this));
    nationalRow->addWidget(dates[4]);
    nationalRow->addWidget(calculateNational);
    nationalRow->addWidget(nationalMonths);
    nationalRow->addWidget(new QLabel(QStringLiteral("ヶ月"), this));
    nationalRow->addStretch();
    layout->addLayout(nationalRow);

    dates[0] = datePicker(this, 0);
    now = button(this, QStringLiteral("CommandNow"), QStringLiteral("Now"));
    clearNational = button(this, QStringLiteral("CommandCE1"), QStringLiteral("①CE"));
    clearEmployees = button(this, QStringLiteral("CommandCE2"), QStringLiteral("②CE"));
    clearPeriods = button(this, QStringLiteral("CommandCEOther"), QStringLiteral("他CE"));
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(QStringLiteral("基準日"), this));
    bottom->addWidget(dates[0]);
    bottom->addWidget(now);
    bottom->addStretch();
    bottom->addWidget(clearNational);
    bottom->addWidget(clearEmployees);
    bottom->addWidget(clearPeriods);
    layout->addLayout(bottom);
}

} // namespace izoku::ui
