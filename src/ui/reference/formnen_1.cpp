#include "formnen_1.h"

#include "panelswitcher.h"
#include "referencewidgets.h"

#include "engine/dates/ages.h"
#include "engine/pension/formulapanels.h"
#include "engine/reference/eralist.h"
#include "engine/text/numbertext.h"
#include "ui/pension/referencetexts.h"

#include <QBoxLayout>
#include <QLabel>

namespace izoku::ui {

namespace {

using engine::PlainNumber;

// Rates as the formulas print them: the standard rate, or for the long
// requirement the range up to the oldest generation's rate, which this
// program does not calculate with.
struct RateText {
    QString newRate1, newRate2, oldRate1, oldRate2;
};

RateText shortRates()
{
    return {PlainNumber(engine::kShortRequirementNewRates.rate1), PlainNumber(engine::kShortRequirementNewRates.rate2),
            PlainNumber(engine::kShortRequirementOldRates.rate1), PlainNumber(engine::kShortRequirementOldRates.rate2)};
}

RateText longRates()
{
    const RateText standard = shortRates();
    return {standard.newRate1 + QStringLiteral("～9.5"), standard.newRate2 + QStringLiteral("～7.308"),
            standard.oldRate1 + QStringLiteral("～10"), standard.oldRate2 + QStringLiteral("～7.692")};
}

// What the old formula is revalued by: 1.031 and the slide rate by fiscal
// 2009, the year's 従前額改定率 today, as the panels of the calculation.
QString oldFormulaFactors(const engine::BaseData &baseData, const engine::PensionLaw &law)
{
    if (!law.current())
        return QStringLiteral("×%1×%2").arg(PlainNumber(engine::kPreviousAmountFactor),
                                            PlainNumber(baseData.SlideRate));
    const QString name = engine::LawFigureName(engine::LawFigure::PreviousAmountRevisionRate);
    if (!law.previousAmountRevisionRate)
        return u'×' + name;
    return QStringLiteral("×%1（%2）").arg(PlainNumber(*law.previousAmountRevisionRate), name);
}

void formulas(QVBoxLayout *panel, QWidget *parent, const QString &heading, const RateText &rates,
              const engine::BaseData &baseData)
{
    const engine::PensionLaw law = engine::PensionLawOf(baseData);
    panel->addWidget(Heading(parent, heading));
    const struct {
        QString heading, rate1, rate2, total;
    } formulas[] = {
        {QStringLiteral(" [ 原則 ]　平成16年改正後の計算式"), rates.newRate1, rates.newRate2,
         QStringLiteral("年金額 ＝ ( ① ＋ ② ) × %1　").arg(PlainNumber(baseData.SlideRate)) +
             WithLawCaption(QStringLiteral("物価ｽﾗｲﾄﾞ率"), law)},
        {QStringLiteral(" [ 旧 平成16改正前 ]　従前額の保障の計算式"), rates.oldRate1, rates.oldRate2,
         QStringLiteral("年金額 = ( ① ＋ ② ) ") + oldFormulaFactors(baseData, law)},
    };
    for (const auto &formula : formulas) {
        AddSection(panel, parent, formula.heading,
                   {QStringLiteral("①平成15年3月までの年金額"),
                    QStringLiteral("　平均標準報酬月額×(%1/1000)×被保険者期間月数×3/4").arg(formula.rate1),
                    QStringLiteral("②平成15年4月以降の年金額"),
                    QStringLiteral("　平均標準報酬×(%1/1000)×被保険者期間月数×3/4").arg(formula.rate2), formula.total});
    }
}

// The long-requirement rates this program calculates with, band by band
// from the first band it carries to the standard rates.
TableContent longRateBands()
{
    TableContent table{QStringLiteral("■ この計算で用いる乗率"),
                       {QStringLiteral("生年月日"), QStringLiteral("改正後 ①"), QStringLiteral("改正後 ②"),
                        QStringLiteral("改正前 ①"), QStringLiteral("改正前 ②")},
                       {},
                       false};
    for (int year = engine::kEarliestBandYear;; ++year) {
        const std::optional<engine::LongRequirementRates> rates = engine::AccrualRatesFor(QDate(year, 4, 2));
        if (!rates)
            break;
        const bool standard = *rates == engine::LongRequirementRates{engine::kShortRequirementNewRates,
                                                                     engine::kShortRequirementOldRates};
        const int showa = engine::ShowaYear(year);
        table.rows.append({standard ? QStringLiteral("昭和%1年4月2日以降").arg(showa) : engine::ShowaBirthBand(showa),
                           PlainNumber(rates->newFormula.rate1), PlainNumber(rates->newFormula.rate2),
                           PlainNumber(rates->oldFormula.rate1), PlainNumber(rates->oldFormula.rate2)});
        if (standard)
            break;
    }
    return table;
}

void highestPaid(QVBoxLayout *panel, QWidget *parent)
{
    panel->addWidget(
        Paragraph(parent, QStringLiteral("※ 改正後と改正前の年金額を計算して高額となる年金額が支給されます。")));
}

} // namespace

FormNen_1::FormNen_1(const engine::BaseData &baseData, QWidget *parent)
    : ReferenceWindow(QStringLiteral("FormNen_1"), QStringLiteral("遺族年金の計算式表示"), ButtonRow::Top, 4.0, parent)
    , m_panels(new PanelSwitcher(buttons(), this))
{
    QVBoxLayout *panel = m_panels->addPanel(QStringLiteral("Command1"), QStringLiteral("短期要件計算式"));
    formulas(panel, m_panels, QStringLiteral(" ■ 短期要件の計算式"), shortRates(), baseData);
    // The short requirement counts at least 300 months however short the
    // husband's record.
    const QString deemed = QString::number(engine::kDeemedMonths);
    panel->addWidget(Paragraph(
        m_panels, QStringLiteral("※ 被保険者の月数が%1月に満たない場合は最低保障として次の計算式を追加してください。")
                      .arg(deemed)));
    panel->addWidget(Paragraph(m_panels, QStringLiteral("　×%1÷被保険者期間").arg(deemed)));
    highestPaid(panel, m_panels);

    panel = m_panels->addPanel(QStringLiteral("Command2"), QStringLiteral("長期要件計算式"));
    formulas(panel, m_panels, QStringLiteral(" ■ 長期要件の計算式"), longRates(), baseData);
    panel->addWidget(Paragraph(m_panels, QStringLiteral("※生年月日に応じた乗率")));
    panel->addWidget(TitledTable(m_panels, longRateBands()));
    highestPaid(panel, m_panels);

    body()->addWidget(m_panels);
    m_panels->showPanel(0);
    setDesignWidth(620);
    finish(false, QStringLiteral("Command3"));
}

} // namespace izoku::ui
