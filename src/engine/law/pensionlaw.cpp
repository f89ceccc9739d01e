#include "pensionlaw.h"

#include "engine/dates/japanesedate.h"

namespace izoku::engine {

namespace {

// The widow's pension needed 25 years of paid national months; for a death
// from 2017-08-01, ten.
constexpr double kWidowsPensionMonths2009 = 300;
constexpr double kWidowsPensionMonthsToday = 120;

} // namespace

PensionLaw PensionLawOf(const BaseData &data)
{
    PensionLaw law;
    law.era = data.FiscalYear >= kCurrentLawFirstFiscalYear ? LawEra::Current : LawEra::Fiscal2009;
    law.fiscalYear = data.FiscalYear;
    law.basicPension = data.BasicPensionAmount;
    law.childAddition1 = data.ChildAddition1;
    law.childAddition2 = data.ChildAddition2;
    law.oldCohortBasicPension = data.OldCohortBasicPension;
    law.previousAmountRevisionRate = data.PreviousAmountRevisionRate;
    const bool today = law.current();
    law.widowsPensionMonths = today ? kWidowsPensionMonthsToday : kWidowsPensionMonths2009;
    law.amountsToTheYen = today;
    law.widowAdditionsOnNationalPath = today;
    return law;
}

QString LawCaption(const PensionLaw &law)
{
    // Figures never loaded name no year and no law.
    if (law.fiscalYear == 0)
        return {};
    const QString year = JapaneseFiscalYear(law.fiscalYear);
    if (!law.current())
        return QStringLiteral("%1の額").arg(year);
    return QStringLiteral("%1（%2年度）の額・現行制度").arg(year).arg(law.fiscalYear);
}

QString LawFigureName(LawFigure figure)
{
    switch (figure) {
    case LawFigure::OldCohortBasicPension:
        return QStringLiteral("基礎年金（昭和31年4月1日以前生まれ）");
    case LawFigure::PreviousAmountRevisionRate:
        break;
    }
    return QStringLiteral("従前額改定率");
}

Message MissingLawFigureMessage(const PensionLaw &law, LawFigure figure)
{
    return Warning(QStringLiteral("%1年度の基礎データに「%2」が登録されていないため計算できません。"
                                  "登録画面で入力してください。")
                       .arg(law.fiscalYear)
                       .arg(LawFigureName(figure)),
                   QStringLiteral("データ入力エラー"));
}

QDate SurvivorsReformDate()
{
    return QDate(2028, 4, 1);
}

std::optional<Message> ReformNotModelledNotice(const PensionLaw &law, const QDate &deathDate)
{
    if (!law.current() || !deathDate.isValid() || deathDate < SurvivorsReformDate())
        return std::nullopt;
    return Message{QStringLiteral("2028年4月以降の遺族年金の見直し（子のない配偶者の有期給付など）は反映していません"),
                   QStringLiteral("注意"), MessageIcon::Information, QString(), false};
}

} // namespace izoku::engine
