#include "expensepanel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <utility>

namespace izoku::ui {

using N = engine::HokenNum1;

namespace {

// Field, Enter, Up, Down, Left, Right, Ctrl, what the field does with keys.
constexpr KeyRow<N::Slot> kKeys[] = {
    {N::LivingCost, N::Kindergarten, N::WifeOldAgePension, N::Kindergarten, kStays, kStays, kStays, kFiguresSelected},
    {N::Kindergarten, N::Elementary, N::LivingCost, N::Elementary, kStays, kStays, kStays, kFiguresOnly},
    {N::Elementary, N::JuniorHigh, N::Kindergarten, N::JuniorHigh, kStays, kStays, kStays, kFiguresOnly},
    {N::JuniorHigh, N::HighSchool, N::Elementary, N::HighSchool, kStays, kStays, kStays, kFiguresOnly},
    {N::HighSchool, N::University, N::JuniorHigh, N::University, kStays, kStays, kStays, kFiguresOnly},
    {N::University, N::Support1Age, N::HighSchool, N::Support1Age, kStays, kStays, kStays, kFiguresOnly},
    {N::Support1Age, N::Support1Amount, N::University, N::Support1Amount, kStays, kStays, kStays, kFiguresOnly},
    {N::Support1Amount, N::Support2Age, N::Support1Age, N::Support2Age, kStays, kStays, kStays, kFiguresOnly},
    {N::Support2Age, N::Support2Amount, N::Support1Amount, N::Support2Amount, kStays, kStays, kStays, kFiguresOnly},
    {N::Support2Amount, N::Housing, N::Support2Age, N::Housing, kStays, kStays, kStays, kFiguresOnly},
    {N::Housing, N::Funeral, N::Support2Amount, N::Funeral, kStays, kStays, kStays, kFiguresOnly},
    {N::Funeral, kStays, N::Housing, N::EmployeesPensionFrom, kStays, kStays, kStays, kFiguresOnly},
    {.field = N::LifeExpectancy, .enter = N::EmployeesPensionAmount},
};

// The school costs by stage, a yearly amount each.
struct Stage {
    const char16_t *caption;
    N::Slot slot;
};
constexpr Stage kStages[] = {{u"幼稚園", N::Kindergarten},
                             {u"小学校", N::Elementary},
                             {u"中学校", N::JuniorHigh},
                             {u"高校", N::HighSchool},
                             {u"大学", N::University}};

// The support given to every child from an age: the age and the amount.
constexpr std::pair<N::Slot, N::Slot> kSupports[] = {{N::Support1Age, N::Support1Amount},
                                                     {N::Support2Age, N::Support2Amount}};

} // namespace

ExpensePanel::ExpensePanel(FrmhokenFields &fields, QWidget *parent)
    : SlotPanel(QStringLiteral(" ② 支出 (生活必要資金)"), fields, parent)
{
    setObjectName(QStringLiteral("ExpensePanel"));
    auto *grid = new QGridLayout(this);
    grid->setVerticalSpacing(1);
    grid->setContentsMargins(4, 2, 4, 2);
    const QString manYen = QStringLiteral("万円");
    int row = 0;
    auto amount = [&](const QString &caption, const QString &kind, N::Slot slot) {
        grid->addWidget(text(caption), row, 0, 1, 2);
        grid->addWidget(text(kind), row, 2, Qt::AlignRight);
        grid->addWidget(num1(slot), row, 3);
        grid->addWidget(text(manYen), row, 4);
        ++row;
    };

    amount(QStringLiteral(" 現在の１ヶ月の生活費 "), QString(), N::LivingCost);
    grid->addWidget(text(QStringLiteral("子供の教育費用")), row, 0, 1, 2);
    grid->addWidget(text(QStringLiteral("（ 年額 ）")), row++, 2);
    for (const Stage &stage : kStages)
        amount(QString(), QString::fromUtf16(stage.caption), stage.slot);

    grid->addWidget(text(QStringLiteral("子供の援助費用")), row, 0, 1, 2);
    grid->addWidget(text(QStringLiteral("（すべての子供に適用）")), row++, 2, 1, 3);
    for (const auto &[ageSlot, amountSlot] : kSupports) {
        grid->addWidget(text(QStringLiteral("子供年齢")), row, 0);
        auto *age = new QHBoxLayout;
        age->addWidget(num1(ageSlot, kNeedsAgeWidth));
        age->addWidget(text(QStringLiteral("歳")));
        grid->addLayout(age, row, 1);
        grid->addWidget(text(QStringLiteral("金額")), row, 2, Qt::AlignRight);
        grid->addWidget(num1(amountSlot), row, 3);
        grid->addWidget(text(manYen), row++, 4);
    }
    amount(QStringLiteral(" 住宅維持補修"), QStringLiteral("毎年額"), N::Housing);
    amount(QStringLiteral(" 葬儀費用その他"), QStringLiteral("単年度"), N::Funeral);

    grid->addWidget(text(QStringLiteral("妻の平均余命")), row, 0, 1, 2);
    grid->addWidget(text(QStringLiteral("第20回生命表")), row, 2, Qt::AlignRight);
    grid->addWidget(num1(N::LifeExpectancy), row, 3);
    grid->addWidget(text(QStringLiteral("年")), row++, 4);
    auto *note = text(QStringLiteral("※生活費の中には、住居費(賃借料)も含めてください"));
    note->setWordWrap(true);
    grid->addWidget(note, row++, 0, 1, 5);
    clear = button(QStringLiteral("Command12"), QStringLiteral("CE"));
    grid->addWidget(clear, row, 3, 1, 2, Qt::AlignRight);
}

std::span<const KeyRow<N::Slot>> ExpensePanel::keyRows()
{
    return kKeys;
}

QList<QWidget *> ExpensePanel::tabOrder() const
{
    return m_fields.widgets({N::LivingCost, N::Kindergarten, N::Elementary, N::JuniorHigh, N::HighSchool, N::University,
                             N::Support1Age, N::Support1Amount, N::Support2Age, N::Support2Amount, N::Housing,
                             N::Funeral});
}

} // namespace izoku::ui
