#include "frmrekisi.h"

#include "referencewidgets.h"

#include "ui/app/controls.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace izoku::ui {

namespace {

// Columns of both pictures, left to right: the self-employed, the
// employee's wife, the employee, the civil servant.
QWidget *schemesOf1961(QWidget *parent)
{
    auto *diagram = new QWidget(parent);
    QGridLayout *grid = DiagramGrid(diagram, 0, 4);
    grid->addWidget(Box(diagram, QStringLiteral("報酬比例部分"), BoxStyle::Employees), 1, 2);
    grid->addWidget(Box(diagram, QStringLiteral("職域年金部分"), BoxStyle::Mutual), 1, 3);
    grid->addWidget(Box(diagram, QStringLiteral("国民年金"), BoxStyle::Basic), 2, 0);
    grid->addWidget(Box(diagram, QStringLiteral("国民年金\n( 任意加入 )"), BoxStyle::Basic), 2, 1);
    grid->addWidget(Box(diagram, QStringLiteral("厚生年金\n( 定額部分 )"), BoxStyle::Employees), 2, 2);
    grid->addWidget(Box(diagram, QStringLiteral("共済年金"), BoxStyle::Mutual), 2, 3);
    const QStringList people{QStringLiteral("自営,無職,学生"), QStringLiteral("ｻﾗﾘｰﾏﾝの妻"), QStringLiteral("ｻﾗﾘｰﾏﾝ"),
                             QStringLiteral("公務員")};
    for (int c = 0; c < people.size(); ++c)
        grid->addWidget(Box(diagram, people[c], BoxStyle::Person), 3, c);
    return diagram;
}

QWidget *twoStoreySystem(QWidget *parent)
{
    auto *diagram = new QWidget(parent);
    QGridLayout *grid = DiagramGrid(diagram, 0, 4);
    grid->addWidget(Box(diagram, QStringLiteral("職域年金部分"), BoxStyle::Mutual), 1, 2);
    grid->addWidget(Box(diagram, QStringLiteral("厚生年金\n（報酬比例部分）"), BoxStyle::Employees), 2, 1);
    grid->addWidget(Box(diagram, QStringLiteral("共済年金"), BoxStyle::Mutual), 2, 2);
    // The common ground floor every insured person stands on.
    grid->addWidget(Box(diagram, QStringLiteral("国民年金 （基礎年金）"), BoxStyle::Basic), 3, 0, 1, 4);
    grid->addWidget(Box(diagram, QStringLiteral("第1号被保険者\n2号、3号以外\n 自営,学生,無職"), BoxStyle::Person), 4,
                    0);
    grid->addWidget(Box(diagram, QStringLiteral("第2号被保険者"), BoxStyle::Person), 4, 1, 1, 2);
    grid->addWidget(Box(diagram, QStringLiteral("ｻﾗﾘｰﾏﾝ"), BoxStyle::Person), 5, 1);
    grid->addWidget(Box(diagram, QStringLiteral("公務員"), BoxStyle::Person), 5, 2);
    grid->addWidget(
        Box(diagram, QStringLiteral("第3号被保険者\n2号被保険者の\n配偶者\n年収130万未満"), BoxStyle::Person), 4, 3);
    return diagram;
}

} // namespace

FrmRekisi::FrmRekisi(std::function<void()> openKinds, QWidget *parent)
    : ReferenceWindow(QStringLiteral("FrmRekisi"), QStringLiteral("年金制度の歴史"), ButtonRow::Bottom, 4.0, parent)
{
    body()->addWidget(Heading(this, QStringLiteral("昭和36年4月1日　国民年金法施行(国民皆年金)")));
    body()->addWidget(schemesOf1961(this));
    body()->addSpacing(16);
    body()->addWidget(Heading(this, QStringLiteral("昭和61年4月1日　年金制度大改正（2階建年金の創設）")));
    body()->addWidget(twoStoreySystem(this));

    auto *kinds = MakeButton(this, QStringLiteral("Command2"), QStringLiteral("被保険者の種別表"));
    connect(kinds, &QPushButton::clicked, this, [openKinds] {
        if (openKinds)
            openKinds();
    });
    buttons()->insertWidget(0, kinds);
    setDesignWidth(560);
    finish();
}

} // namespace izoku::ui
