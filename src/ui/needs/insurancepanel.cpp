#include "insurancepanel.h"

#include "engine/needs/frmhokenform.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace izoku::ui {

using engine::HokenFmt3;
using engine::HokenNum4;

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
        fmt3[i]->setObjectName(QStringLiteral("Fmt3(%1)").arg(i));
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
    for (int p = 0; p < HokenNum4::kTermPolicies; ++p) {
        const int from = HokenNum4::Term1From + 3 * p;
        policies->addWidget(num4(from, kAgeWidth), row, 1);
        policies->addWidget(text(QStringLiteral("～")), row, 2);
        policies->addWidget(num4(from + 1, kAgeWidth), row, 3);
        policies->addWidget(num4(from + 2), row++, 4);
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
    for (int q = 0; q < HokenNum4::kWholeLifePolicies; ++q) {
        const int from = HokenNum4::WholeLife1From + 2 * q;
        policies->addWidget(num4(from, kAgeWidth), row, 1);
        policies->addWidget(text(QStringLiteral("～")), row, 2);
        policies->addWidget(num4(from + 1), row++, 4);
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
    chartGrid->addWidget(lifeExpectancy, 0, 0, 1, 4);
    chartGrid->addWidget(chosenAge, 1, 0, 1, 4);
    chartGrid->addWidget(new QLabel(QStringLiteral("基準となる妻の年齢"), chart), 2, 0, 1, 2);
    // The layouts move these fields into the group box.
    chartGrid->addWidget(num4(HokenNum4::ReferenceAge, kAgeWidth), 2, 2);
    chartGrid->addWidget(new QLabel(QStringLiteral("歳"), chart), 2, 3);
    chartGrid->addWidget(num4(HokenNum4::RangeFrom, kAgeWidth), 3, 0);
    chartGrid->addWidget(new QLabel(QStringLiteral("歳から"), chart), 3, 1);
    chartGrid->addWidget(num4(HokenNum4::RangeTo, kAgeWidth), 3, 2);
    chartGrid->addWidget(new QLabel(QStringLiteral("歳の範囲で設定する"), chart), 3, 3);
    layout->addWidget(chart);

    coverageChart = button(QStringLiteral("cmdCoverageChart"), QStringLiteral("生命保険と必要補償額"));
    pensionChart = button(QStringLiteral("cmdPensionChart"), QStringLiteral("遺族年金グラフ"));
    cashFlowChart = button(QStringLiteral("cmdCashFlowChart"), QStringLiteral("今後の収入と支出のグラフ"));
    showProcess = button(QStringLiteral("cmdProcess"), QStringLiteral("計算過程"));
    for (QPushButton *b : {coverageChart, pensionChart, cashFlowChart, showProcess})
        layout->addWidget(b);
    layout->addStretch();
}

void InsurancePanel::read(engine::FrmhokenForm &form) const
{
    readSlots(form);
    for (int i = 0; i < HokenFmt3::kCount; ++i)
        form.fmt3[static_cast<size_t>(i)] = fmt3[i]->text();
    form.reference = lifeExpectancy->isChecked() ? engine::FrmhokenForm::Reference::LifeExpectancy
                                                 : engine::FrmhokenForm::Reference::ChosenAge;
}

void InsurancePanel::write(const engine::FrmhokenForm &form)
{
    writeSlots(form);
    for (int i = 0; i < HokenFmt3::kCount; ++i)
        SetFieldText(fmt3[i], form.fmt3[static_cast<size_t>(i)]);
    (form.reference == engine::FrmhokenForm::Reference::LifeExpectancy ? lifeExpectancy : chosenAge)->setChecked(true);
}

} // namespace izoku::ui
