#include "insurancepanel.h"

#include "engine/needs/frmhokenform.h"
#include "ui/app/controls.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <utility>

namespace izoku::ui {

using engine::HokenFmt3;
using N = engine::HokenNum4;

namespace {

// Field, Enter, Up, Down, Left, Right, Ctrl, what the field does with keys.
constexpr KeyRow<N::Slot> kKeys[] = {
    {N::Term1From, N::Term1To, kStays, N::Term2From, kStays, N::Term1To, kStays, kFiguresSelected},
    {N::Term1To, N::Term1Amount, kStays, N::Term2To, N::Term1From, N::Term1Amount, kStays, kFiguresSelected},
    {N::Term1Amount, N::Term2From, kStays, N::Term2Amount, N::Term1To, kStays, kStays, kFiguresSelected},
    {N::Term2From, N::Term2To, N::Term1From, N::Term3From, kStays, N::Term2To, kStays, kFiguresSelected},
    {N::Term2To, N::Term2Amount, N::Term1To, N::Term3To, N::Term2From, N::Term2Amount, kStays, kFiguresSelected},
    {N::Term2Amount, N::Term3From, N::Term1Amount, N::Term3Amount, N::Term2To, kStays, kStays, kFiguresSelected},
    {N::Term3From, N::Term3To, N::Term2From, N::WholeLife1From, kStays, N::Term3To, kStays, kFiguresSelected},
    {N::Term3To, N::Term3Amount, N::Term2To, kStays, N::Term3From, N::Term3Amount, kStays, kFiguresSelected},
    {N::Term3Amount, N::WholeLife1From, N::Term2Amount, N::WholeLife2From, N::Term3To, kStays, kStays,
     kFiguresSelected},
    {N::WholeLife1From, N::WholeLife1Amount, N::Term3From, N::WholeLife2From, kStays, N::WholeLife1Amount, kStays,
     kFiguresSelected},
    {N::WholeLife1Amount, N::WholeLife2From, N::Term3Amount, N::WholeLife2Amount, N::WholeLife1From, kStays, kStays,
     kFiguresSelected},
    {N::WholeLife2From, N::WholeLife2Amount, N::WholeLife1From, kStays, kStays, N::WholeLife2Amount, kStays,
     kFiguresSelected},
    {N::WholeLife2Amount, kStays, N::WholeLife1Amount, kStays, N::WholeLife2From, kStays, kStays, kFiguresSelected},
    {.field = N::ReferenceAge, .keys = kSelectsAll},
    {.field = N::RangeFrom, .keys = kSelectsAll | kKeepsEnter},
    {.field = N::RangeTo, .keys = kSelectsAll | kKeepsEnter},
};

// A level term policy: the husband's ages it covers and the amount.
struct TermPolicy {
    N::Slot from, to, amount;
};
constexpr TermPolicy kTermPolicies[] = {{N::Term1From, N::Term1To, N::Term1Amount},
                                        {N::Term2From, N::Term2To, N::Term2Amount},
                                        {N::Term3From, N::Term3To, N::Term3Amount}};
// A whole-life policy: the husband's age it starts at and the amount.
constexpr std::pair<N::Slot, N::Slot> kWholeLifePolicies[] = {{N::WholeLife1From, N::WholeLife1Amount},
                                                              {N::WholeLife2From, N::WholeLife2Amount}};

} // namespace

InsurancePanel::InsurancePanel(FrmhokenFields &fields, QWidget *parent)
    : SlotPanel(QStringLiteral(" 生命保険　加入状況一覧"), fields, parent)
{
    setObjectName(QStringLiteral("Picture8"));
    auto *layout = new QVBoxLayout(this);
    auto *names = new QGridLayout;
    layout->addLayout(names);
    const QString nameCaptions[] = {QStringLiteral("　保険会社"), QStringLiteral("　商品名")};
    for (int i = 0; i < HokenFmt3::kCount; ++i) {
        fmt3[i] = new QLineEdit(this);
        fmt3[i]->setObjectName(engine::ControlName(QStringLiteral("Fmt3"), i));
        names->addWidget(text(nameCaptions[i]), i, 0);
        names->addWidget(fmt3[i], i, 1);
    }
    clearCompany = button(QStringLiteral("Command13"), QStringLiteral("CE"));
    names->addWidget(clearCompany, 0, 2);

    auto *policies = new QGridLayout;
    policies->setVerticalSpacing(2);
    layout->addLayout(policies);
    int row = 0;
    policies->addWidget(text(QStringLiteral("平準定期保険")), row, 0);
    policies->addWidget(text(QStringLiteral("夫：年齢(歳～歳)")), row, 1, 1, 3, Qt::AlignCenter);
    policies->addWidget(text(QStringLiteral("保険金額万円")), row++, 4);
    for (const TermPolicy &policy : kTermPolicies) {
        policies->addWidget(num4(policy.from, kNeedsAgeWidth), row, 1);
        policies->addWidget(text(QStringLiteral("～")), row, 2);
        policies->addWidget(num4(policy.to, kNeedsAgeWidth), row, 3);
        policies->addWidget(num4(policy.amount), row++, 4);
    }
    policies->addWidget(text(QStringLiteral("※病気死亡のみ登録する。")), row++, 0, 1, 5);
    auto *renewal = text(QStringLiteral("※自動更新期間もすべて含めて補償期間を入力する"));
    renewal->setWordWrap(true);
    policies->addWidget(renewal, row, 0, 1, 4);
    clearTerm = button(QStringLiteral("Command14"), QStringLiteral("CE"));
    policies->addWidget(clearTerm, row++, 4, Qt::AlignRight);

    policies->addWidget(text(QStringLiteral("終身保険")), row, 0);
    policies->addWidget(text(QStringLiteral("夫：年齢(歳) ～")), row, 1, 1, 3, Qt::AlignCenter);
    policies->addWidget(text(QStringLiteral("保険金額万円")), row++, 4);
    for (const auto &[from, amount] : kWholeLifePolicies) {
        policies->addWidget(num4(from, kNeedsAgeWidth), row, 1);
        policies->addWidget(text(QStringLiteral("～")), row, 2);
        policies->addWidget(num4(amount), row++, 4);
    }
    clearWholeLife = button(QStringLiteral("Command15"), QStringLiteral("CE"));
    policies->addWidget(clearWholeLife, row, 4, Qt::AlignRight);
    registerPolicies = button(QStringLiteral("cmdRegister"), QStringLiteral("生保データの登録"));
    layout->addWidget(registerPolicies);

    auto *chart = new QGroupBox(QStringLiteral("グラフの作成"), this);
    auto *chartGrid = new QGridLayout(chart);
    lifeExpectancy = new QRadioButton(QStringLiteral("基準年は妻の平均余命を反映する"), chart);
    lifeExpectancy->setObjectName(QStringLiteral("Option4"));
    chosenAge = new QRadioButton(QStringLiteral("基準年は妻の任意の年齢とする"), chart);
    chosenAge->setObjectName(QStringLiteral("Option5"));
    auto *references = new QButtonGroup(this);
    references->addButton(lifeExpectancy);
    references->addButton(chosenAge);
    OneTabStop(references);
    chartGrid->addWidget(lifeExpectancy, 0, 0, 1, 4);
    chartGrid->addWidget(chosenAge, 1, 0, 1, 4);
    chartGrid->addWidget(new QLabel(QStringLiteral("基準となる妻の年齢"), chart), 2, 0, 1, 2);
    // The layouts move these fields into the group box.
    chartGrid->addWidget(num4(N::ReferenceAge, kNeedsAgeWidth), 2, 2);
    chartGrid->addWidget(new QLabel(QStringLiteral("歳"), chart), 2, 3);
    chartGrid->addWidget(num4(N::RangeFrom, kNeedsAgeWidth), 3, 0);
    chartGrid->addWidget(new QLabel(QStringLiteral("歳から"), chart), 3, 1);
    chartGrid->addWidget(num4(N::RangeTo, kNeedsAgeWidth), 3, 2);
    chartGrid->addWidget(new QLabel(QStringLiteral("歳の範囲で設定する"), chart), 3, 3);
    layout->addWidget(chart);

    coverageChart = button(QStringLiteral("cmdCoverageChart"), QStringLiteral("生命保険と必要補償額"));
    pensionChart = button(QStringLiteral("cmdPensionChart"), QStringLiteral("遺族年金グラフ"));
    cashFlowChart = button(QStringLiteral("cmdCashFlowChart"), QStringLiteral("今後の収入と支出のグラフ"));
    deathYearChart = button(QStringLiteral("cmdDeathYearChart"), QStringLiteral("死亡時期別"));
    showProcess = button(QStringLiteral("cmdProcess"), QStringLiteral("計算過程"));
    for (QPushButton *b : {coverageChart, pensionChart, cashFlowChart, deathYearChart, showProcess})
        layout->addWidget(b);
    layout->addStretch();
}

void InsurancePanel::read(engine::FrmhokenForm &form) const
{
    SlotPanel::read(form);
    for (int i = 0; i < HokenFmt3::kCount; ++i)
        form.fmt3[static_cast<size_t>(i)] = fmt3[i]->text();
    form.reference = lifeExpectancy->isChecked() ? engine::FrmhokenForm::Reference::LifeExpectancy
                                                 : engine::FrmhokenForm::Reference::ChosenAge;
}

void InsurancePanel::write(const engine::FrmhokenForm &form)
{
    SlotPanel::write(form);
    for (int i = 0; i < HokenFmt3::kCount; ++i)
        SetFieldText(fmt3[i], form.fmt3[static_cast<size_t>(i)]);
    (form.reference == engine::FrmhokenForm::Reference::LifeExpectancy ? lifeExpectancy : chosenAge)->setChecked(true);
}

void InsurancePanel::addKeys(KeyTable &keys) const
{
    keys.add(kKeys, [this](N::Slot slot) { return m_fields.widget(slot); });
    // The company and the product lead into the policies; the reference
    // age into the comparison it is the reference of.
    keys.enter(fmt3[HokenFmt3::Company], fmt3[HokenFmt3::Product], kWords)
        .enter(fmt3[HokenFmt3::Product], m_fields.widget(N::Term1From), kWords)
        .enter(m_fields.widget(N::ReferenceAge), coverageChart);
}

QList<QWidget *> InsurancePanel::tabOrder() const
{
    QList<QWidget *> order = {fmt3[HokenFmt3::Company], fmt3[HokenFmt3::Product]};
    order << m_fields.widgets({N::Term1From, N::Term1To, N::Term1Amount, N::Term2From, N::Term2To, N::Term2Amount,
                               N::Term3From, N::Term3To, N::Term3Amount, N::WholeLife1From, N::WholeLife1Amount,
                               N::WholeLife2From, N::WholeLife2Amount});
    order << registerPolicies << lifeExpectancy << chosenAge;
    order << m_fields.widgets({N::ReferenceAge, N::RangeFrom, N::RangeTo});
    order << coverageChart << pensionChart << cashFlowChart << deathYearChart;
    return order;
}

} // namespace izoku::ui
