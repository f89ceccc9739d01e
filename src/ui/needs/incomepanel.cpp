#include "incomepanel.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace izoku::ui {

using engine::HokenNum1;

IncomePanel::IncomePanel(FrmhokenFields &fields, QWidget *parent)
    : SlotPanel(QStringLiteral(" ① 収 入  ( 円 )"), fields, parent)
{
    setObjectName(QStringLiteral("IncomePanel"));
    auto *grid = new QGridLayout(this);
    grid->setVerticalSpacing(1);
    grid->setContentsMargins(4, 2, 4, 2);
    int row = 0;
    // A benefit paid from one age of the wife to another.
    auto ranged = [&](const QString &caption, int from, int to, int amount) {
        grid->addWidget(text(caption), row, 0);
        grid->addWidget(num1(from, kAgeWidth), row, 1);
        grid->addWidget(text(QStringLiteral("～")), row, 2);
        grid->addWidget(num1(to, kAgeWidth), row, 3);
        grid->addWidget(num1(amount), row, 4);
        ++row;
    };
    // A sum paid once or a yearly amount without ages.
    auto single = [&](const QString &caption, const QString &kind, int amount) {
        grid->addWidget(text(caption), row, 0);
        grid->addWidget(text(kind), row, 3, Qt::AlignRight);
        grid->addWidget(num1(amount), row, 4);
        ++row;
    };

    ranged(QStringLiteral(" 遺族厚生年金"), HokenNum1::EmployeesPensionFrom, HokenNum1::EmployeesPensionTo,
           HokenNum1::EmployeesPensionAmount);
    ranged(QStringLiteral(" 中高齢寡婦加算"), HokenNum1::MiddleAgedFrom, HokenNum1::MiddleAgedTo,
           HokenNum1::MiddleAgedAmount);
    for (int phase = 0; phase < HokenNum1::kPhases; ++phase)
        ranged(phase == 0 ? QStringLiteral(" 遺族基礎年金") : QString(), HokenNum1::BasicPhase1From + 2 * phase,
               HokenNum1::BasicPhase1To + 2 * phase, HokenNum1::BasicPhase1Amount + phase);
    ranged(QStringLiteral(" 寡婦年金"), HokenNum1::WidowsPensionFrom, HokenNum1::WidowsPensionTo,
           HokenNum1::WidowsPensionAmount);
    ranged(QStringLiteral(" 経過的寡婦加算"), HokenNum1::TransitionalFrom, HokenNum1::TransitionalTo,
           HokenNum1::TransitionalAmount);

    grid->addWidget(text(QStringLiteral(" 年金(死亡一時金)")), row, 0);
    grid->addWidget(num1(HokenNum1::LumpSumAge, kAgeWidth), row, 1);
    grid->addWidget(text(QStringLiteral("一時金")), row, 3, Qt::AlignRight);
    grid->addWidget(num1(HokenNum1::LumpSumAmount), row, 4);
    ++row;
    single(QStringLiteral(" 死亡退職金"), QStringLiteral("一時金"), HokenNum1::RetirementAllowance);
    single(QStringLiteral(" 貯蓄、その他"), QStringLiteral("一時金"), HokenNum1::Savings);
    ranged(QStringLiteral("妻の労働収入年額"), HokenNum1::WifeWorkFrom, HokenNum1::WifeWorkTo,
           HokenNum1::WifeWorkIncome);
    single(QStringLiteral(" 妻の老齢年金"), QStringLiteral("年額"), HokenNum1::WifeOldAgePension);

    clear = button(QStringLiteral("Command11"), QStringLiteral("CE"));
    grid->addWidget(clear, row, 4, Qt::AlignRight);
}

} // namespace izoku::ui
