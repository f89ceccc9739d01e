#include "chartfurniture.h"

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

// A display field the window fills: sunken, figures to the right.
QLabel *displayField(QWidget *parent, QMap<int, QLabel *> &into, const QString &array, int index, int width)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QStringLiteral("%1(%2)").arg(array).arg(index));
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

QWidget *benefitTable(QWidget *parent, ChartFields &fields, const BenefitTable &table)
{
    auto *box = new QWidget(parent);
    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    grid->addWidget(FixedText(QStringLiteral("年金の種類"), box), 0, 0);
    grid->addWidget(FixedText(QString::fromUtf8(table.ageHeading), box), 0, 1, 1, 3, Qt::AlignCenter);
    grid->addWidget(FixedText(QStringLiteral("年金額"), box), 0, 4, 1, 2, Qt::AlignCenter);
    const int count = static_cast<int>(table.rows.size());
    for (int i = 0; i < count; ++i) {
        const BenefitRow &row = table.rows[static_cast<size_t>(i)];
        const int line = i + 1;
        if (*row.label) {
            int span = 1;
            while (i + span < count && !*table.rows[static_cast<size_t>(i + span)].label)
                ++span;
            grid->addWidget(FixedText(QString::fromUtf8(row.label), box), line, 0, span, 1);
        }
        grid->addWidget(numberedField(box, fields, row.first, kAgeWidth), line, 1);
        if (row.last != kNone) {
            grid->addWidget(FixedText(QStringLiteral("～"), box), line, 2);
            grid->addWidget(numberedField(box, fields, row.last, kAgeWidth), line, 3);
        } else if (table.lumpSumWord) {
            grid->addWidget(FixedText(QStringLiteral("～"), box), line, 2);
            grid->addWidget(FixedText(QString::fromUtf8(table.lumpSumWord), box), line, 3);
        }
        grid->addWidget(numberedField(box, fields, row.amount, kAmountWidth), line, 4);
        grid->addWidget(FixedText(QStringLiteral("円"), box), line, 5);
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
    auto *box = new QWidget(parent);
    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    int line = 0;
    for (const PeriodRow &row : rows) {
        if (row.heading)
            grid->addWidget(FixedText(QString::fromUtf8(row.heading), box), line++, 0, 1, 3);
        grid->addWidget(FixedText(QString::fromUtf8(row.label), box), line, 0);
        grid->addWidget(displayField(box, into, array, row.field, kAmountWidth), line, 1);
        grid->addWidget(FixedText(QString::fromUtf8(row.unit), box), line, 2);
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
    lines->setSpacing(2);
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
    static const BenefitTable table{"妻の受給年齢",
                                    "一時金",
                                    {{"　① 遺族厚生年金　", 0, 1, 20},
                                     {"② 遺族基礎年金", 2, 3, 21},
                                     {"", 4, 5, 22},
                                     {"", 6, 7, 23},
                                     {"", 8, 9, 24},
                                     {"", 10, 11, 25},
                                     {"　③ 中高齢寡婦加算", 12, 13, 26},
                                     {"　④ 経過的寡婦加算", 14, 15, 27},
                                     {"　⑤ 寡婦年金", 16, 17, 28},
                                     {"　⑥死亡 一時金", 18, kNone, 29}}};
    static const std::vector<PeriodRow> periods{
        {nullptr, " 国民年金の期間", 0, "ヶ月"}, {"厚生年金", "H15/3までの期間", 1, "ヶ月"},
        {nullptr, "平均標準報酬月額", 2, "円"},  {nullptr, "H15/4からの期間", 3, "ヶ月"},
        {nullptr, "平均標準報酬額", 4, "円"},
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
    static const BenefitTable table{"受給年齢",
                                    nullptr,
                                    {{"　遺族厚生年金　", 0, 1, 19},
                                     {"　中高齢寡婦加算", 2, 3, 20},
                                     {"　 遺族基礎年金", 4, 5, 21},
                                     {"", 6, 7, 22},
                                     {"", 8, 9, 23},
                                     {"", 10, 11, 24},
                                     {"", 12, 13, 25},
                                     {"　寡婦年金", 14, 15, 26},
                                     {"  経過的寡婦加算", 16, 17, 27},
                                     {"　一時金", 18, kNone, 28}}};
    static const std::vector<PeriodRow> periods{
        {nullptr, " 国民年金の期間", 29, "ヶ月"}, {nullptr, "H15/3までの期間", 30, "ヶ月"},
        {nullptr, "平均標準報酬月額", 31, "円"},  {nullptr, "H15/4からの期間", 32, "ヶ月"},
        {nullptr, "平均標準報酬額", 33, "円"},
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
    grid->setVerticalSpacing(2);
    int line = 0;
    // Term policies run to an age; whole-life policies for life.
    auto kind = [&](const QString &name, int firstSlot, int count, bool term) {
        grid->addWidget(FixedText(name, policies), line++, 0, 1, 5);
        grid->addWidget(FixedText(QStringLiteral("夫：加入年齢（歳～歳）"), policies), line, 0, 1, 3);
        grid->addWidget(FixedText(QStringLiteral("保険金額"), policies), line++, 3, 1, 2);
        const int perPolicy = term ? 3 : 2;
        for (int p = 0; p < count; ++p) {
            const int slot = firstSlot + perPolicy * p;
            grid->addWidget(numberedField(policies, fields, slot, kAgeWidth), line, 0);
            grid->addWidget(FixedText(QStringLiteral("歳 ～"), policies), line, 1);
            if (term)
                grid->addWidget(numberedField(policies, fields, slot + 1, kAgeWidth), line, 2);
            grid->addWidget(numberedField(policies, fields, slot + perPolicy - 1, kAmountWidth), line, 3);
            grid->addWidget(FixedText(QStringLiteral("万円"), policies), line, 4);
            ++line;
        }
    };
    kind(QStringLiteral("定期保険"), 0, 3, true);
    kind(QStringLiteral("終身保険"), 9, 2, false);
    row->addWidget(policies, 0, Qt::AlignTop);

    auto *notes = new QVBoxLayout;
    notes->addWidget(
        column(panel, {QStringLiteral("注意：必要補償額には、死亡退職金・貯蓄・葬儀費用は反映していません。"),
                       QStringLiteral("反映する場合は、単年度ごとに加算・減算を行ってください")}));
    notes->addWidget(FixedText(QStringLiteral("診　断"), panel));
    // The agent's diagnosis, written before printing; the program never fills it.
    auto *diagnosis = new QPlainTextEdit(panel);
    diagnosis->setObjectName(QStringLiteral("Text5"));
    diagnosis->setMinimumHeight(40);
    notes->addWidget(diagnosis, 1);
    notes->addWidget(column(panel, {QStringLiteral("グラフ表示について"),
                                    QStringLiteral("※必要補償額は、遺族年金計算時点で、基準年までの収支の合計を各年度ご"
                                                   "とに基準年まで合計したものです。")}));
    row->addLayout(notes, 1);
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
