#include "chartvariant.h"

#include "ui/app/formmenu.h"
#include "ui/app/placement.h"

namespace izoku::ui {

namespace {

using Draw = ChartVariant::Draw;

// The charts the needs-analysis screen opens sit 200 twips below the top of
// the screen; 15 twips make a pixel.
constexpr int kNeedsChartTop = 200 / 15;
// The pension screen's chart stands a quarter of the free height down.
constexpr double kQuarterDown = 4.0;

const QColor kPensionColour(46, 104, 176);
const QColor kInsuranceColour(214, 60, 48);
const QColor kExpenseColour(214, 96, 48);
const QColor kIncomeColour(46, 104, 176);

void placeQuarterDown(QWidget *window)
{
    PlaceCentred(window, kQuarterDown);
}

void placeNearTop(QWidget *window)
{
    PlaceCentredAt(window, kNeedsChartTop);
}

// The survivors' pension charts draw the second series as a zero line,
// which nobody needs to see in the legend.
ChartVariant pensionChart(const QString &key, const QString &caption, const QString &nameField, ChartPanel under,
                          void (*place)(QWidget *))
{
    return ChartVariant{
        .key = key,
        .caption = caption,
        .title = QStringLiteral("遺族年金グラフ"),
        .chartName = QStringLiteral("MSChart1"),
        .nameField = nameField,
        .series = {{{Draw::Bars, QStringLiteral("遺族年金"), kPensionColour},
                    {Draw::Line, QString(), QColor(Qt::transparent)}}},
        .under = under,
        .place = place,
    };
}

} // namespace

const ChartVariant &FormChartVariant()
{
    static const ChartVariant v = pensionChart(screen::PensionChart, QStringLiteral("遺族年金のグラフ表示"),
                                               QStringLiteral("Text1"), &PensionBenefitPanel, &placeQuarterDown);
    return v;
}

const ChartVariant &FormChart4Variant()
{
    static const ChartVariant v = pensionChart(screen::NeedsPensionChart, QStringLiteral("遺族年金グラフ"),
                                               QStringLiteral("Text2"), &NeedsBenefitPanel, &placeNearTop);
    return v;
}

const ChartVariant &FormChart2Variant()
{
    static const ChartVariant v{
        .key = screen::CoverageChart,
        .caption = QStringLiteral("生命保険診断　これからの生活必要額と生命保険"),
        .title = QStringLiteral("生活必要補償額と生命保険"),
        .chartName = QStringLiteral("MSChart2"),
        .nameField = QStringLiteral("Text3"),
        .series = {{{Draw::Line, QStringLiteral("生命保険"), kInsuranceColour},
                    {Draw::Bars, QStringLiteral("必要補償額"), kPensionColour}}},
        .legend = true,
        .underChart = QStringLiteral("妻:年齢→"),
        .listHeading = QStringLiteral("■必要補償額"),
        .under = &InsuranceSummaryPanel,
        .place = &placeNearTop,
    };
    return v;
}

const ChartVariant &FormChart3Variant()
{
    static const ChartVariant v{
        .key = screen::CashFlowChart,
        .caption = QStringLiteral("グラフ　収入と支出"),
        .title = QStringLiteral("各年度の収入・支出一覧グラフ"),
        .chartName = QStringLiteral("MSChart1"),
        .nameField = QStringLiteral("Text1"),
        .series = {{{Draw::Bars, QStringLiteral("支出"), kExpenseColour},
                    {Draw::Bars, QStringLiteral("収入"), kIncomeColour}}},
        .legend = true,
        .underChart = QStringLiteral("■第1棒（前）が支出、第2棒（後）が収入です。"),
        .yearlyList = false,
        .itemTable = true,
        .beside = &CashFlowLegend,
        .last = &CashFlowNotes,
        .place = &placeNearTop,
    };
    return v;
}

const ChartVariant &FormChart5Variant()
{
    static const ChartVariant v{
        .key = screen::DeathYearChart,
        .caption = QStringLiteral("死亡時期別の必要保障額と生命保険"),
        .title = QStringLiteral("死亡時期別の必要保障額と生命保険"),
        .chartName = QStringLiteral("MSChart5"),
        .nameField = QStringLiteral("Text1"),
        .series = {{{Draw::Bars, QStringLiteral("必要保障額"), kPensionColour},
                    {Draw::Line, QStringLiteral("生命保険"), kInsuranceColour}}},
        .legend = true,
        .underChart = QStringLiteral("夫:死亡時の年齢→"),
        // A line holds the age and two amounts of up to nine digits.
        .listWidth = 250,
        .listHeading = QStringLiteral("夫の年齢　必要保障額　生命保険"),
        .under = &DeathYearSummaryPanel,
        .place = &placeNearTop,
    };
    return v;
}

} // namespace izoku::ui
