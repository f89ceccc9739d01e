#include "formyouken.h"

#include "panelswitcher.h"
#include "referencewidgets.h"

#include "engine/pension/widowbenefits.h"
#include "engine/text/numbertext.h"
#include "ui/pension/referencetexts.h"

#include <QBoxLayout>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>

namespace izoku::ui {

namespace {

void survivorsPanel(QVBoxLayout *panel, QWidget *parent, const engine::PensionLaw &law)
{
    // Requirement ② of the basic pension reads "かつ": both conditions hold.
    AddSection(panel, parent, QStringLiteral(" ■ 遺族基礎年金の支給要件"),
               {QStringLiteral("① 被保険者が死亡したとき"),
                QStringLiteral(
                    "② 被保険者であった者であって、日本国内に住所を有し、かつ、60歳以上65歳未満である者が死亡したとき"),
                QStringLiteral("③ 老齢基礎年金の受給権者(もらっている人、申請[裁定請求]すればすぐにもらえる人)"),
                QStringLiteral("④ 老齢基礎年金の受給資格期間を満たした者が死亡したとき")});
    AddSection(
        panel, parent, QStringLiteral(" ■ 遺族厚生年金の支給要件"),
        {QStringLiteral("① 被保険者が死亡したとき"),
         QStringLiteral("② 被保険者であった者が資格喪失後に、被保険者期間中に初診日のある傷病によって、初診日から５年を"
                        "経過する前に死亡したとき"),
         QStringLiteral("③ 障害等級１・２級に該当する障害状態にある障害厚生年金受給権者が死亡したとき"),
         QStringLiteral("④ 老齢厚生年金の受給権者(もらっている人、申請[裁定請求]すればすぐにもらえる人)または老齢厚生年"
                        "金の受給資格期間を満たしている者が死亡したとき")});
    AddSection(
        panel, parent, QStringLiteral(" ■ 中高齢寡婦加算の支給要件"),
        {QStringLiteral("　次の①又は②該当する場合には、妻が65歳まで中高齢寡婦加算が支給されます。"),
         QStringLiteral("①夫の死亡当時、妻の年齢が40歳以上65歳未満である"),
         QStringLiteral("②妻が40歳に達した当時、夫の死亡時に夫により生計を維持されていて、かつ18歳年度末(障害1級又は2"
                        "級の場合は20歳未満)までの間にあり、かつ婚姻していない子と生計を同じくしていたこと。"),
         QStringLiteral(
             "注）長期要件の場合は、夫の被用者年金の加入期間が20年以上必要です。（厚生年金保険の中高齢者の特例"
             "適用可　15～19年）")});
    // The amount the survivors' pension calculation pays for the addition.
    const QString amount = engine::FullWidthDigits(
        engine::FormatNumber(engine::MiddleAgedWidowsAdditionAmount(law), engine::NumberFormat::Grouped), true);
    AddSection(panel, parent, QStringLiteral(" ■ 中高齢寡婦加算の支給額"),
               {amount + QStringLiteral("円　年額") + WithLawCaption(QString(), law),
                QStringLiteral("（ 妻の年齢が、４０歳から６５歳になるまでの間 )")});
}

// The widow's pension: three quarters of the husband's basic pension, his
// credited months over the full 480.
QWidget *widowsPensionFormula(QWidget *parent, const engine::PensionLaw &law)
{
    auto *formula = new QWidget(parent);
    auto *grid = new QGridLayout(formula);
    const QString basic = engine::FormatNumber(law.basicPension, engine::NumberFormat::Grouped);
    grid->addWidget(Paragraph(formula, basic + QStringLiteral("円 × ")), 0, 0, 3, 1);
    auto *numerator =
        Paragraph(formula, QStringLiteral("納付済月数＋全額免除月数×1/3＋半額免除月数×2/3＋4分の3免除月数×1/2＋"
                                          "4分の1免除月数×5/6"));
    numerator->setAlignment(Qt::AlignCenter);
    grid->addWidget(numerator, 0, 1);
    auto *bar = new QFrame(formula);
    bar->setFrameShape(QFrame::HLine);
    grid->addWidget(bar, 1, 1);
    auto *denominator = Paragraph(
        formula, QStringLiteral("%1(加入可能年数×12月)").arg(engine::PlainNumber(engine::kFullContributionMonths)));
    denominator->setAlignment(Qt::AlignCenter);
    grid->addWidget(denominator, 2, 1);
    grid->addWidget(Paragraph(formula, QStringLiteral(" × 3/4")), 0, 2, 3, 1);
    grid->setColumnStretch(1, 1);
    return formula;
}

void widowsPanel(QVBoxLayout *panel, QWidget *parent, const engine::PensionLaw &law)
{
    AddSection(
        panel, parent, QStringLiteral(" ■ 寡婦年金の支給要件"),
        {QStringLiteral("　支給を受けるには（次の要件をすべて満たしている妻に支給されます。）"),
         QStringLiteral("① 死亡日の前日において死亡日の属する月の前月までの第１号被保険者としての被保険者期間に係る保険"
                        "料納付期間と保険料免除とを合算した期間が%1年以上ある夫が死亡したこと。")
             .arg(engine::WidowsPensionYears(law)),
         QStringLiteral("② 夫の死亡の当時夫によって生計を維持していたこと（妻の年収８５０万円未満）"),
         QStringLiteral("③ 夫との婚姻関係(事実婚を含む)が10年以上継続していたこと。"),
         QStringLiteral("④ 夫の死亡当時65歳未満であること。"),
         QStringLiteral("⑤ 死亡した夫が障害基礎年金の受給権者であったことがないこと"),
         QStringLiteral("⑥ 老齢基礎年金(繰上支給を含む)の支給を受けていないこと")});
    panel->addWidget(Heading(parent, QStringLiteral(" ■ 寡婦年金の年金額")));
    panel->addWidget(widowsPensionFormula(parent, law));
    panel->addWidget(Paragraph(parent, WithLawCaption(QString(), law)));
}

} // namespace

FormYouken::FormYouken(const engine::BaseData &baseData, QWidget *parent)
    : ReferenceWindow(QStringLiteral("FormYouken"), QStringLiteral("遺族年金の支給要件"), ButtonRow::Top, 4.0, parent)
    , m_panels(new PanelSwitcher(buttons(), this))
{
    const engine::PensionLaw law = engine::PensionLawOf(baseData);
    survivorsPanel(m_panels->addPanel(QStringLiteral("Command1"), QStringLiteral("基礎、厚生、中高齢寡婦加算")),
                   m_panels, law);
    widowsPanel(m_panels->addPanel(QStringLiteral("Command2"), QStringLiteral("寡婦年金")), m_panels, law);
    body()->addWidget(m_panels);
    m_panels->showPanel(0);
    setDesignWidth(680);
    finish(false, QStringLiteral("Command3"));
}

} // namespace izoku::ui
