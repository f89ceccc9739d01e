#include "chartfurniture.h"

#include "engine/forms/message.h"
#include "engine/needs/comparison.h"
#include "engine/needs/deathyears.h"
#include "engine/needs/needscharts.h"
#include "engine/pension/frmravoform.h"
#include "engine/pension/survivorsbasicpension.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include <vector>

namespace izoku::ui {

namespace {

constexpr int kAgeWidth = 34;
constexpr int kAmountWidth = 84;
constexpr int kNone = -1;
// Where the long notes under the item table wrap.
constexpr int kWideNoteWidth = 800;
// The tables' lines sit close, as on the printed sheet.
constexpr int kLineSpacing = 2;
// Room for a few lines of the agent's diagnosis.
constexpr int kDiagnosisHeight = 40;

// A display field the window fills: sunken, figures to the right.
QLabel *displayField(QWidget *parent, QMap<int, QLabel *> &into, const QString &array, int index, int width)
{
    auto *label = new QLabel(parent);
    label->setObjectName(engine::ControlName(array, index));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMinimumWidth(width);
    into.insert(index, label);
    return label;
}

QLabel *numberedField(QWidget *parent, ChartFields &fields, int index, int width)
{
    return displayField(parent, fields.fields, QStringLiteral("Num1"), index, width);
}

// One benefit: the wife's first and last age and the yearly amount.  A row
// without a label continues the benefit above it (the phases of the
// survivors' basic pension); a lump sum has no last age but a word.
struct BenefitRow {
    const char *label;
    int first;
    int last;
    int amount;
};

struct BenefitTable {
    const char *ageHeading;
    const char *lumpSumWord; // in place of the lump sum's last age, or null
    std::vector<BenefitRow> rows;
};

using SlotOfPhase = int (*)(int phase);

// The phases of the survivors' basic pension, under one label.
void appendPhases(std::vector<BenefitRow> &rows, const char *label, int phases, SlotOfPhase first, SlotOfPhase last,
                  SlotOfPhase amount)
{
    for (int p = 0; p < phases; ++p)
        rows.push_back({p == 0 ? label : "", first(p), last(p), amount(p)});
}

QWidget *benefitTable(QWidget *parent, ChartFields &fields, const BenefitTable &table)
{
    enum Column : int { Label, FirstAge, Until, LastAge, Amount, Yen, Columns };
    auto *box = new QWidget(parent);
    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(kLineSpacing);
    grid->addWidget(FixedText(QStringLiteral("年金の種類"), box), 0, Label);
    grid->addWidget(FixedText(QString::fromUtf8(table.ageHeading), box), 0, FirstAge, 1, Amount - FirstAge,
                    Qt::AlignCenter);
    grid->addWidget(FixedText(QStringLiteral("年金額"), box), 0, Amount, 1, Columns - Amount, Qt::AlignCenter);
    const int count = static_cast<int>(table.rows.size());
    for (int i = 0; i < count; ++i) {
        const BenefitRow &row = table.rows[static_cast<size_t>(i)];
        const int line = i + 1;
        // A benefit paid in phases is named at its first phase's line: a
        // name centred over all five would stand beside the amounts of the
        // benefit above it.
        if (*row.label) {
            int span = 1;
            while (i + span < count && !*table.rows[static_cast<size_t>(i + span)].label)
                ++span;
            grid->addWidget(FixedText(QString::fromUtf8(row.label), box), line, Label, span, 1, Qt::AlignTop);
        }
        grid->addWidget(numberedField(box, fields, row.first, kAgeWidth), line, FirstAge);
        if (row.last != kNone) {
            grid->addWidget(FixedText(QStringLiteral("～"), box), line, Until);
            grid->addWidget(numberedField(box, fields, row.last, kAgeWidth), line, LastAge);
        } else if (table.lumpSumWord) {
            grid->addWidget(FixedText(QStringLiteral("～"), box), line, Until);
            grid->addWidget(FixedText(QString::fromUtf8(table.lumpSumWord), box), line, LastAge);
        }
        grid->addWidget(numberedField(box, fields, row.amount, kAmountWidth), line, Amount);
        grid->addWidget(FixedText(QStringLiteral("円"), box), line, Yen);
    }
    return box;
}

// The husband's pension record: months and average remunerations.
struct PeriodRow {
    const char *heading; // above the row, or null
    const char *label;
    int field;
    const char *unit;
};

QWidget *periodTable(QWidget *parent, QMap<int, QLabel *> &into, const QString &array,
                     const std::vector<PeriodRow> &rows)
{
    enum Column : int { Label, Field, Unit, Columns };
    auto *box = new QWidget(parent);
    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(kLineSpacing);
    int line = 0;
    for (const PeriodRow &row : rows) {
        if (row.heading)
            grid->addWidget(FixedText(QString::fromUtf8(row.heading), box), line++, Label, 1, Columns);
        grid->addWidget(FixedText(QString::fromUtf8(row.label), box), line, Label);
        grid->addWidget(displayField(box, into, array, row.field, kAmountWidth), line, Field);
        grid->addWidget(FixedText(QString::fromUtf8(row.unit), box), line, Unit);
        ++line;
    }
    grid->setRowStretch(line, 1);
    return box;
}

QWidget *side(QWidget *parent, std::initializer_list<QWidget *> widgets)
{
    auto *box = new QWidget(parent);
    auto *row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    for (QWidget *widget : widgets) {
        widget->setParent(box);
        row->addWidget(widget, 0, Qt::AlignTop);
    }
    row->addStretch();
    return box;
}

// Lines of fixed text one under the other; lines longer than `wrapWidth`
// pixels (0: never) wrap.  A wrapped line keeps the height it needs at that
// width, so the window cannot squeeze the chart under it.
QWidget *column(QWidget *parent, const QStringList &texts, int wrapWidth = 0)
{
    auto *box = new QWidget(parent);
    auto *lines = new QVBoxLayout(box);
    lines->setContentsMargins(0, 0, 0, 0);
    lines->setSpacing(kLineSpacing);
    for (const QString &text : texts) {
        QLabel *label = FixedText(text, box);
        if (wrapWidth > 0) {
            label->setWordWrap(true);
            label->setFixedWidth(wrapWidth);
            label->setMinimumHeight(label->heightForWidth(wrapWidth));
        }
        lines->addWidget(label);
    }
    return box;
}

} // namespace

QLabel *FixedText(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(false);
    return label;
}

QWidget *PensionBenefitPanel(QWidget *parent, ChartFields &fields)
{
    using Slot = engine::BenefitSlots;
    using Period = engine::Text6;
    static const BenefitTable table = [] {
        std::vector<BenefitRow> rows{{"　① 遺族厚生年金　", Slot::EmployeesPensionFirstAge,
                                      Slot::EmployeesPensionLastAge, Slot::EmployeesPensionAmount}};
        appendPhases(rows, "② 遺族基礎年金", engine::kMaxBasicPensionPhases, &Slot::PhaseFirstAge, &Slot::PhaseLastAge,
                     &Slot::PhaseAmount);
        rows.insert(
            rows.end(),
            {
                {"　③ 中高齢寡婦加算", Slot::MiddleAgedFirstAge, Slot::MiddleAgedLastAge, Slot::MiddleAgedAmount},
                {"　④ 経過的寡婦加算", Slot::TransitionalFirstAge, Slot::TransitionalLastAge, Slot::TransitionalAmount},
                {"　⑤ 寡婦年金", Slot::WidowsPensionFirstAge, Slot::WidowsPensionLastAge, Slot::WidowsPensionAmount},
                {"　⑥死亡 一時金", Slot::LumpSumAge, kNone, Slot::LumpSumAmount},
            });
        return BenefitTable{"妻の受給年齢", "一時金", std::move(rows)};
    }();
    static const std::vector<PeriodRow> periods{
        {nullptr, " 国民年金の期間", Period::NationalPaidMonths, "ヶ月"},
        {"厚生年金", "H15/3までの期間", Period::MonthsTo2003, "ヶ月"},
        {nullptr, "平均標準報酬月額", Period::MonthlyRemunerationTo2003, "円"},
        {nullptr, "H15/4からの期間", Period::MonthsFrom2003, "ヶ月"},
        {nullptr, "平均標準報酬額", Period::RemunerationFrom2003, "円"},
    };
    auto *panel = new QWidget(parent);
    auto *lines = new QVBoxLayout(panel);
    lines->setContentsMargins(0, 0, 0, 0);
    lines->addWidget(side(panel, {benefitTable(panel, fields, table),
                                  periodTable(panel, fields.periods, QStringLiteral("Num2"), periods)}));
    lines->addWidget(column(
        panel, {QStringLiteral(
                    "※　各年金の支給年齢については、月単位での支給となりますが、表示は年単位で表示していますので実際と"
                    "は異なりますのでご注意ください。"),
                QStringLiteral("※　65歳からは、ご自身の老齢年金が支給されます。")}));
    return panel;
}

QWidget *NeedsBenefitPanel(QWidget *parent, ChartFields &fields)
{
    using Field = engine::NeedsPensionChartField;
    static const BenefitTable table = [] {
        std::vector<BenefitRow> rows{
            {"　遺族厚生年金　", Field::EmployeesPensionFrom, Field::EmployeesPensionTo, Field::EmployeesPensionAmount},
            {"　中高齢寡婦加算", Field::MiddleAgedFrom, Field::MiddleAgedTo, Field::MiddleAgedAmount},
        };
        appendPhases(rows, "　 遺族基礎年金", engine::HokenNum1::kPhases, &Field::PhaseFrom, &Field::PhaseTo,
                     &Field::PhaseAmount);
        rows.insert(rows.end(),
                    {
                        {"　寡婦年金", Field::WidowsPensionFrom, Field::WidowsPensionTo, Field::WidowsPensionAmount},
                        {"  経過的寡婦加算", Field::TransitionalFrom, Field::TransitionalTo, Field::TransitionalAmount},
                        {"　一時金", Field::LumpSumAge, kNone, Field::LumpSumAmount},
                    });
        return BenefitTable{"受給年齢", nullptr, std::move(rows)};
    }();
    static const std::vector<PeriodRow> periods{
        {nullptr, " 国民年金の期間", Field::NationalMonths, "ヶ月"},
        {nullptr, "H15/3までの期間", Field::EmployeeMonthsTo2003, "ヶ月"},
        {nullptr, "平均標準報酬月額", Field::AverageMonthlyRemuneration, "円"},
        {nullptr, "H15/4からの期間", Field::EmployeeMonthsFrom2003, "ヶ月"},
        {nullptr, "平均標準報酬額", Field::AverageRemuneration, "円"},
    };
    return side(parent, {benefitTable(parent, fields, table),
                         periodTable(parent, fields.fields, QStringLiteral("Num1"), periods)});
}

QWidget *InsuranceSummaryPanel(QWidget *parent, ChartFields &fields)
{
    auto *panel = new QWidget(parent);
    auto *row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);

    auto *policies = new QGroupBox(QStringLiteral("生命保険内容"), panel);
    auto *grid = new QGridLayout(policies);
    grid->setVerticalSpacing(kLineSpacing);
    enum Column : int { From, Until, To, Amount, ManYen, Columns };
    int line = 0;
    // Term policies run to an age; whole-life policies for life (no last age).
    struct Policy {
        int from;
        int to;
        int amount;
    };
    auto kind = [&](const QString &name, int count, auto policy) {
        grid->addWidget(FixedText(name, policies), line++, From, 1, Columns);
        grid->addWidget(FixedText(QStringLiteral("夫：加入年齢（歳～歳）"), policies), line, From, 1, Amount);
        grid->addWidget(FixedText(QStringLiteral("保険金額"), policies), line++, Amount, 1, Columns - Amount);
        for (int p = 0; p < count; ++p) {
            const Policy held = policy(p);
            grid->addWidget(numberedField(policies, fields, held.from, kAgeWidth), line, From);
            grid->addWidget(FixedText(QStringLiteral("歳 ～"), policies), line, Until);
            if (held.to != kNone)
                grid->addWidget(numberedField(policies, fields, held.to, kAgeWidth), line, To);
            grid->addWidget(numberedField(policies, fields, held.amount, kAmountWidth), line, Amount);
            grid->addWidget(FixedText(QStringLiteral("万円"), policies), line, ManYen);
            ++line;
        }
    };
    using Field = engine::CoverageChartField;
    kind(QStringLiteral("定期保険"), engine::HokenNum4::kTermPolicies, [](int p) {
        return Policy{Field::TermFrom(p), Field::TermTo(p), Field::TermAmount(p)};
    });
    kind(QStringLiteral("終身保険"), engine::HokenNum4::kWholeLifePolicies, [](int p) {
        return Policy{Field::WholeLifeFrom(p), kNone, Field::WholeLifeAmount(p)};
    });
    row->addWidget(policies, 0, Qt::AlignTop);

    auto *notes = new QVBoxLayout;
    notes->addWidget(
        column(panel, {QStringLiteral("注意：必要補償額には、死亡退職金・貯蓄・葬儀費用は反映していません。"),
                       QStringLiteral("反映する場合は、単年度ごとに加算・減算を行ってください")}));
    notes->addWidget(FixedText(QStringLiteral("診　断"), panel));
    // The agent's diagnosis, written before printing; the program never fills it.
    auto *diagnosis = new QPlainTextEdit(panel);
    diagnosis->setObjectName(QStringLiteral("Text5"));
    diagnosis->setMinimumHeight(kDiagnosisHeight);
    notes->addWidget(diagnosis, 1);
    notes->addWidget(column(panel, {QStringLiteral("グラフ表示について"),
                                    QStringLiteral("※必要補償額は、遺族年金計算時点で、基準年までの収支の合計を各年度ご"
                                                   "とに基準年まで合計したものです。")}));
    row->addLayout(notes, 1);
    return panel;
}

QWidget *DeathYearSummaryPanel(QWidget *parent, ChartFields &fields)
{
    using Field = engine::DeathYearChartField;
    auto *panel = new QWidget(parent);
    auto *grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(FixedText(QStringLiteral("最大の不足額"), panel), 0, 0);
    grid->addWidget(numberedField(panel, fields, Field::LargestShortfall, kAmountWidth), 0, 1);
    grid->addWidget(FixedText(QStringLiteral("夫の死亡年齢"), panel), 0, 2);
    grid->addWidget(numberedField(panel, fields, Field::LargestShortfallAge, kAgeWidth), 0, 3);
    grid->setColumnStretch(4, 1);
    // The note names the year and the law of the figures, so the window
    // writes it as it writes the figures.
    QLabel *note = numberedField(panel, fields, Field::Note, 0);
    note->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    note->setFrameShape(QFrame::NoFrame);
    note->setWordWrap(true);
    grid->addWidget(note, 1, 0, 1, 5);
    return panel;
}

QWidget *CashFlowLegend(QWidget *parent, ChartFields &)
{
    auto *legend = new QGroupBox(QStringLiteral("収入と支出"), parent);
    auto *lines = new QVBoxLayout(legend);
    lines->addWidget(
        column(legend, {QStringLiteral(" 収入の部"), QStringLiteral("　年金関連"), QStringLiteral("　妻の労働収入"),
                        QStringLiteral("　死亡退職金"), QStringLiteral("　貯蓄・その他")}));
    lines->addWidget(column(legend, {QStringLiteral(" 支出の部"), QStringLiteral("　生活費"),
                                     QStringLiteral("　子供の教育費"), QStringLiteral("　子供の援助費用"),
                                     QStringLiteral("　住宅維持費用"), QStringLiteral("　葬祭・その他費用")}));
    lines->addStretch();
    return legend;
}

QWidget *CashFlowNotes(QWidget *parent, ChartFields &)
{
    return column(parent,
                  {QStringLiteral("①表示は、妻の年齢が64歳までです。"),
                   QStringLiteral("②妻が老齢厚生年金の受給権者で60歳前半の支給がある場合も加算していません。"),
                   QStringLiteral("③死亡退職金、貯蓄・その他および葬祭・その他費用については上記のグラフには反映し"
                                  "ていません。単年度での加算・減算となるため各自で単年度ごとに反映させて下さい。")},
                  kWideNoteWidth);
}

} // namespace izoku::ui
