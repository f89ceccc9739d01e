#include "examplepanel.h"

#include "engine/coefficients/coefficientsform.h"
#include "engine/forms/message.h"
#include "ui/app/clicklabel.h"
#include "ui/app/controls.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>

namespace izoku::ui {

namespace {

using engine::CoefficientExample;

struct ExampleTexts {
    QString question; // two lines where the question is long
    QString button;   // the 計算 button's control name
};

const ExampleTexts &textsOf(CoefficientExample example)
{
    static const std::array<ExampleTexts, engine::kCoefficientExampleCount> texts = {{
        {QStringLiteral("例 ：　100万円を年利率4％で10年間複利で運用したときの元利合計は？"),
         QStringLiteral("Command1")},
        {QStringLiteral("例 ：　物価上昇率を年1.6％とすると、10年後の物価は現在の何倍になりますか？"),
         QStringLiteral("Command2")},
        {QStringLiteral("例 ：　10年後に500万円が必要になります。年利3％で複利運用できた場合、今いくら預ければ\n"
                        "500万円になりますか。"),
         QStringLiteral("Command4")},
        {QStringLiteral("例 ：　土地の価格が下がっていて、毎年2％ずつ下がっています。このまま下がり続けた場合、\n"
                        "10年後の土地の価格はいくらになっているか求めよ。"),
         QStringLiteral("Command5")},
        {QStringLiteral("例 ：　10年後に100万円貯めたい。年利率3％で複利運用ができる場合、毎年いくらずつ\n"
                        "積み立てればよいか。"),
         QStringLiteral("Command7")},
        {QStringLiteral("例 ：　毎年10万円を10年間、年利3％の複利で積み立てたら10年後の元利合計はいくらですか。"),
         QStringLiteral("Command8")},
        {QStringLiteral("例 ：　1,000万円を年利3％で複利運用しながら、10年間にわたって年金として取り崩す場合\n"
                        "毎年受け取れる年金の額はいくらですか。"),
         QStringLiteral("Command10")},
        {QStringLiteral("例 ：　2,000万円を年利5％で借りて、25年で返済する場合の毎年の返済額はいくらか。"),
         QStringLiteral("Command11")},
        {QStringLiteral("例 ：　毎年100万円の年金を10年間受け取りたい。年利率3％で複利運用できる場合\n"
                        "いくらの原資が必要か求めよ。"),
         QStringLiteral("Command13")},
    }};
    return texts.at(static_cast<size_t>(example));
}

struct FieldTexts {
    const char16_t *caption;
    const char16_t *unit;
};

// Caption left of each Num1 field and unit right of it, by index.
constexpr std::array<FieldTexts, engine::KeisuNum1::Count> kFieldTexts = {{
    {u"運用金額", u"円"},       {u"年利率", u"％"},     {u"年　数", u"年"},     {u"元利合計", u"円"},
    {u"物価上昇率", u"％"},     {u"年　数", u"年"},     {u"現時の物価", u"倍"}, {u"年　数", u"年"},
    {u"必要額", u"円"},         {u"年利率", u"％"},     {u"預ける金額", u"円"}, {u"年　数", u"年"},
    {u"年利率", u"％"},         {u"現在価格", u"円"},   {u"将来価格", u"円"},   {u"現在の", u"％まで下落しています。"},
    {u"将来目標金額", u"円"},   {u"目標年数", u"年"},   {u"年利率", u"％"},     {u"毎年の積立額", u"円"},
    {u"毎年の積立額", u"円"},   {u"積立期間", u"年"},   {u"年利率", u"％"},     {u"元利合計額", u"円"},
    {u"預入金", u"円"},         {u"受取り年数", u"年"}, {u"年利率", u"％"},     {u"毎年受取れる額", u"円"},
    {u"借入額", u"円"},         {u"返済年数", u"年"},   {u"年利率", u"％"},     {u"毎年の返済額", u"円"},
    {u"毎年の目標金額", u"円"}, {u"受給年数", u"年"},   {u"年利率", u"％"},     {u"必要資金（原資）", u"円"},
}};

const QColor kResultBackground(255, 255, 192);

QLabel *newLabel(const QString &text, const QString &name, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

} // namespace

ExamplePanel::ExamplePanel(CoefficientExample example, QWidget *parent)
    : QFrame(parent)
    , m_example(example)
{
    const int number = static_cast<int>(example);
    setObjectName(QStringLiteral("Example%1").arg(number + 1));
    setFrameShape(QFrame::StyledPanel);
    const engine::ExampleFields &fields = engine::FieldsOf(example);
    const ExampleTexts &texts = textsOf(example);

    auto *grid = new QGridLayout(this);
    grid->addWidget(newLabel(texts.question, engine::ControlName(QStringLiteral("Question"), number), this), 0, 0, 1,
                    7);

    // Inputs in a column, the results to the right of the first inputs, the
    // button and "CE" at the far right; widgets are made in the order the
    // Tab key should visit them.
    int row = 1;
    for (int index : fields.inputs) {
        grid->addWidget(newLabel(QString::fromUtf16(kFieldTexts[index].caption),
                                 engine::ControlName(QStringLiteral("Caption"), index), this),
                        row, 0);
        grid->addWidget(newField(index), row, 1);
        grid->addWidget(newLabel(QString::fromUtf16(kFieldTexts[index].unit),
                                 engine::ControlName(QStringLiteral("Unit"), index), this),
                        row, 2);
        ++row;
    }
    m_calculate = MakeButton(this, texts.button, QStringLiteral("計　算"));
    grid->addWidget(m_calculate, 2, 6);
    m_clear = new ClickLabel(QStringLiteral("CE"), this);
    m_clear->setObjectName(engine::ControlName(QStringLiteral("Label2"), number));
    m_clear->setAlignment(Qt::AlignCenter);
    m_clear->setFrameShape(QFrame::Box);
    m_clear->setMinimumHeight(24);
    grid->addWidget(m_clear, 3, 6);

    row = 1;
    for (int index : fields.results) {
        QLineEdit *result = newField(index);
        QPalette palette = result->palette();
        palette.setColor(QPalette::Base, kResultBackground);
        result->setPalette(palette);
        grid->addWidget(newLabel(QString::fromUtf16(kFieldTexts[index].caption),
                                 engine::ControlName(QStringLiteral("Caption"), index), this),
                        row, 3, Qt::AlignRight);
        grid->addWidget(result, row, 4);
        grid->addWidget(newLabel(QString::fromUtf16(kFieldTexts[index].unit),
                                 engine::ControlName(QStringLiteral("Unit"), index), this),
                        row, 5);
        ++row;
    }
    grid->setColumnMinimumWidth(3, 60);
}

QLineEdit *ExamplePanel::newField(int index)
{
    auto *field = new QLineEdit(this);
    field->setObjectName(engine::Num1Name(index));
    field->setAlignment(Qt::AlignRight);
    field->setFixedWidth(110);
    // Figures only: a Japanese input method would type full-width digits
    // that read as 0.
    field->setAttribute(Qt::WA_InputMethodEnabled, false);
    m_fields[index] = field;
    return field;
}

void ExamplePanel::read(engine::CoefficientsForm &form) const
{
    for (const auto &[index, field] : m_fields)
        form.num1[static_cast<size_t>(index)] = field->text();
}

void ExamplePanel::write(const engine::CoefficientsForm &form)
{
    for (const auto &[index, field] : m_fields)
        SetFieldText(field, form.num1[static_cast<size_t>(index)]);
}

std::vector<KeyRow<int>> ExamplePanel::keyRows() const
{
    const std::vector<int> &inputs = engine::FieldsOf(m_example).inputs;
    std::vector<KeyRow<int>> rows;
    for (size_t i = 0; i < inputs.size(); ++i) {
        const bool first = i == 0;
        const bool last = i + 1 == inputs.size();
        rows.push_back({.field = inputs[i],
                        .enter = last ? kCalculateButton : inputs[i + 1],
                        .up = first ? std::optional<int>() : inputs[i - 1],
                        .down = last ? std::optional<int>() : inputs[i + 1],
                        .keys = kFiguresSelected});
    }
    return rows;
}

QWidget *ExamplePanel::widget(int slot) const
{
    if (slot == kCalculateButton)
        return m_calculate;
    return m_fields.at(slot);
}

} // namespace izoku::ui
