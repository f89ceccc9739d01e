#include "incomepanel.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace izoku::ui {

using N = engine::HokenNum1;

namespace {

// Field, Enter, Up, Down, Left, Right, Ctrl, what the field does with keys.
constexpr KeyRow<N::Slot> kKeys[] = {
    {N::WifeWorkFrom, N::WifeWorkTo, kStays, kStays, kStays, N::WifeWorkTo, kStays, kFiguresSelected},
    {N::WifeWorkTo, N::WifeWorkIncome, kStays, kStays, N::WifeWorkFrom, N::WifeWorkIncome, kStays, kSelectsAll},
    {N::EmployeesPensionAmount, N::MiddleAgedFrom, kStays, N::MiddleAgedAmount, N::EmployeesPensionTo},
    {N::MiddleAgedFrom, N::MiddleAgedTo, N::EmployeesPensionFrom, N::BasicPhase1From, kStays, N::MiddleAgedTo},
    {N::MiddleAgedAmount, N::BasicPhase1From, N::EmployeesPensionAmount, N::BasicPhase1Amount, N::MiddleAgedTo},
    {N::BasicPhase1From, N::BasicPhase1To, N::MiddleAgedFrom, N::BasicPhase2From, kStays, N::BasicPhase1To},
    {N::BasicPhase1To, N::BasicPhase1Amount, N::MiddleAgedTo, N::BasicPhase2To, N::BasicPhase1From,
     N::BasicPhase1Amount},
    {N::BasicPhase2From, N::BasicPhase2To, N::BasicPhase1From, N::BasicPhase3From, kStays, N::BasicPhase2To},
    {N::BasicPhase2To, N::BasicPhase2Amount, N::BasicPhase1To, N::BasicPhase3To, N::BasicPhase2From,
     N::BasicPhase2Amount},
    {N::BasicPhase3From, N::BasicPhase3To, N::BasicPhase2From, N::BasicPhase4From, kStays, N::BasicPhase3To},
    {N::BasicPhase3To, N::BasicPhase3Amount, N::BasicPhase2To, N::BasicPhase4To, N::BasicPhase3From,
     N::BasicPhase3Amount},
    {N::BasicPhase4From, N::BasicPhase4To, N::BasicPhase3From, N::BasicPhase5From, kStays, N::BasicPhase4To},
    {N::BasicPhase4To, N::BasicPhase4Amount, N::BasicPhase3To, N::BasicPhase5To, N::BasicPhase4From,
     N::BasicPhase4Amount},
    {N::BasicPhase5From, N::BasicPhase5To, N::BasicPhase4From, N::WidowsPensionFrom, kStays, N::BasicPhase5To},
    {N::BasicPhase5To, N::BasicPhase5Amount, N::BasicPhase4To, N::WidowsPensionTo, N::BasicPhase5From,
     N::BasicPhase5Amount},
    {N::BasicPhase1Amount, N::BasicPhase2From, N::MiddleAgedAmount, N::BasicPhase2Amount, N::BasicPhase1To},
    {N::BasicPhase2Amount, N::BasicPhase3From, N::BasicPhase1Amount, N::BasicPhase3Amount, N::BasicPhase2To},
    {N::BasicPhase3Amount, N::BasicPhase4From, N::BasicPhase2Amount, N::BasicPhase4Amount, N::BasicPhase3To},
    {N::BasicPhase4Amount, N::BasicPhase5From, N::BasicPhase3Amount, N::BasicPhase5Amount, N::BasicPhase4To},
    {N::BasicPhase5Amount, N::WidowsPensionFrom, N::BasicPhase4Amount, N::WidowsPensionAmount, N::BasicPhase5To},
    {N::WidowsPensionAmount, N::TransitionalFrom, N::BasicPhase5Amount, N::TransitionalAmount, N::WidowsPensionTo},
    {N::TransitionalAmount, N::LumpSumAge, N::WidowsPensionAmount, N::LumpSumAmount, N::TransitionalTo},
    {N::LumpSumAmount, N::RetirementAllowance, N::TransitionalAmount, N::RetirementAllowance, kStays, kStays, kStays,
     kFiguresOnly},
    {N::RetirementAllowance, N::Savings, N::LumpSumAmount, N::Savings, kStays, kStays, kStays, kFiguresOnly},
    {N::Savings, N::WifeWorkFrom, N::RetirementAllowance, N::WifeWorkIncome, kStays, kStays, kStays, kFiguresOnly},
    {N::WifeWorkIncome, N::WifeOldAgePension, N::Savings, N::WifeOldAgePension, N::WifeWorkTo, kStays, kStays,
     kFiguresSelected},
    {N::WifeOldAgePension, N::LivingCost, N::WifeWorkIncome, N::LivingCost, kStays, kStays, kStays, kFiguresSelected},
    {N::EmployeesPensionFrom, N::EmployeesPensionTo, kStays, N::MiddleAgedFrom, kStays, N::EmployeesPensionTo},
    {N::EmployeesPensionTo, N::EmployeesPensionAmount, kStays, N::MiddleAgedTo, N::EmployeesPensionFrom,
     N::EmployeesPensionAmount},
    {N::WidowsPensionFrom, N::WidowsPensionTo, N::BasicPhase5From, N::TransitionalFrom, kStays, N::WidowsPensionTo},
    {N::WidowsPensionTo, N::WidowsPensionAmount, N::BasicPhase5To, N::TransitionalTo, N::WidowsPensionFrom,
     N::WidowsPensionAmount},
    {N::TransitionalFrom, N::TransitionalTo, N::WidowsPensionFrom, N::LumpSumAge, kStays, N::TransitionalTo},
    {N::TransitionalTo, N::TransitionalAmount, N::WidowsPensionTo, kStays, N::TransitionalFrom, N::TransitionalAmount},
    {N::LumpSumAge, N::LumpSumAmount, N::TransitionalFrom, kStays, kStays, N::LumpSumAmount},
    {N::MiddleAgedTo, N::MiddleAgedAmount, N::EmployeesPensionTo, N::BasicPhase1To, N::MiddleAgedFrom,
     N::MiddleAgedAmount},
};

// A benefit paid from one age of the wife to another: the ages and the
// yearly amount.
struct Ranged {
    N::Slot from, to, amount;
};
constexpr Ranged kBasicPhases[] = {
    {N::BasicPhase1From, N::BasicPhase1To, N::BasicPhase1Amount},
    {N::BasicPhase2From, N::BasicPhase2To, N::BasicPhase2Amount},
    {N::BasicPhase3From, N::BasicPhase3To, N::BasicPhase3Amount},
    {N::BasicPhase4From, N::BasicPhase4To, N::BasicPhase4Amount},
    {N::BasicPhase5From, N::BasicPhase5To, N::BasicPhase5Amount},
};

} // namespace

IncomePanel::IncomePanel(FrmhokenFields &fields, QWidget *parent)
    : SlotPanel(QStringLiteral(" ① 収 入  ( 円 )"), fields, parent)
{
    setObjectName(QStringLiteral("IncomePanel"));
    auto *grid = new QGridLayout(this);
    grid->setVerticalSpacing(1);
    grid->setContentsMargins(4, 2, 4, 2);
    int row = 0;
    auto ranged = [&](const QString &caption, const Ranged &benefit) {
        grid->addWidget(text(caption), row, 0);
        grid->addWidget(num1(benefit.from, kNeedsAgeWidth), row, 1);
        grid->addWidget(text(QStringLiteral("～")), row, 2);
        grid->addWidget(num1(benefit.to, kNeedsAgeWidth), row, 3);
        grid->addWidget(num1(benefit.amount), row, 4);
        ++row;
    };
    // A sum paid once or a yearly amount without ages.
    auto single = [&](const QString &caption, const QString &kind, N::Slot amount) {
        grid->addWidget(text(caption), row, 0);
        grid->addWidget(text(kind), row, 3, Qt::AlignRight);
        grid->addWidget(num1(amount), row, 4);
        ++row;
    };

    ranged(QStringLiteral(" 遺族厚生年金"),
           {N::EmployeesPensionFrom, N::EmployeesPensionTo, N::EmployeesPensionAmount});
    ranged(QStringLiteral(" 中高齢寡婦加算"), {N::MiddleAgedFrom, N::MiddleAgedTo, N::MiddleAgedAmount});
    for (const Ranged &phase : kBasicPhases)
        ranged(&phase == kBasicPhases ? QStringLiteral(" 遺族基礎年金") : QString(), phase);
    ranged(QStringLiteral(" 寡婦年金"), {N::WidowsPensionFrom, N::WidowsPensionTo, N::WidowsPensionAmount});
    ranged(QStringLiteral(" 経過的寡婦加算"), {N::TransitionalFrom, N::TransitionalTo, N::TransitionalAmount});

    grid->addWidget(text(QStringLiteral(" 年金(死亡一時金)")), row, 0);
    grid->addWidget(num1(N::LumpSumAge, kNeedsAgeWidth), row, 1);
    grid->addWidget(text(QStringLiteral("一時金")), row, 3, Qt::AlignRight);
    grid->addWidget(num1(N::LumpSumAmount), row, 4);
    ++row;
    single(QStringLiteral(" 死亡退職金"), QStringLiteral("一時金"), N::RetirementAllowance);
    single(QStringLiteral(" 貯蓄、その他"), QStringLiteral("一時金"), N::Savings);
    ranged(QStringLiteral("妻の労働収入年額"), {N::WifeWorkFrom, N::WifeWorkTo, N::WifeWorkIncome});
    single(QStringLiteral(" 妻の老齢年金"), QStringLiteral("年額"), N::WifeOldAgePension);

    clear = button(QStringLiteral("Command11"), QStringLiteral("CE"));
    grid->addWidget(clear, row, 4, Qt::AlignRight);
}

std::span<const KeyRow<N::Slot>> IncomePanel::keyRows()
{
    return kKeys;
}

QList<QWidget *> IncomePanel::tabOrder() const
{
    return m_fields.widgets({N::WifeWorkFrom, N::WifeWorkTo, N::WifeWorkIncome, N::WifeOldAgePension});
}

} // namespace izoku::ui
