#include "pensionrecordpanel.h"

#include "fieldsizes.h"

#include "engine/pension/frmravoform.h"
#include "ui/app/controls.h"
#include "ui/app/datepicker.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace izoku::ui {

namespace {

using engine::ControlName;
using engine::PensionRecord;
using F = engine::PensionField;
using D = engine::PeriodDate;
using N = engine::HokenNum1;

// Field, Enter, Up, Down, Left, Right, Ctrl, what the field does with keys.
constexpr KeyRow<F::Slot> kSurvivorsKeys[] = {
    {F::NationalPaidMonths, F::MonthsTo2003, kStays, F::MonthsTo2003, kStays, kStays, kStays, kFiguresOnly},
    {F::MonthsTo2003, F::MonthlyRemunerationTo2003, F::NationalPaidMonths, F::MonthlyRemunerationTo2003, kStays, kStays,
     kStays, kFiguresOnly},
    {F::MonthlyRemunerationTo2003, F::MonthsFrom2003, F::MonthsTo2003, F::MonthsFrom2003, kStays, kStays, kStays,
     kFiguresOnly},
    {F::MonthsFrom2003, F::RemunerationFrom2003, F::MonthlyRemunerationTo2003, F::RemunerationFrom2003, kStays, kStays,
     kStays, kFiguresOnly},
    {.field = F::RemunerationFrom2003, .up = F::MonthsFrom2003},
};

// Enter leaves the record for the wife's earnings; where it goes from the
// national months depends on the membership (the window follows it), and
// Ctrl goes back from there to the last child's age, where the household's
// walk came from.  The slide rate has no moves of its own.
constexpr KeyRow<N::Slot> kNeedsKeys[] = {
    {N::NationalMonths, kStays, kStays, N::WifeWorkFrom, kStays, kStays, N::Child5Age, kFiguresSelected},
    {N::EmployeeMonthsTo2003, N::AverageMonthlyRemuneration, N::NationalMonths, N::AverageMonthlyRemuneration, kStays,
     kStays, kStays, kFiguresSelected},
    {N::AverageMonthlyRemuneration, N::EmployeeMonthsFrom2003, N::EmployeeMonthsTo2003, N::EmployeeMonthsFrom2003,
     kStays, kStays, kStays, kFiguresSelected},
    {N::EmployeeMonthsFrom2003, N::AverageRemuneration, N::AverageMonthlyRemuneration, N::AverageRemuneration, kStays,
     kStays, kStays, kFiguresSelected},
    {N::AverageRemuneration, N::RetirementAllowance, N::EmployeeMonthsFrom2003, N::WifeWorkFrom, kStays, kStays, kStays,
     kFiguresSelected},
    {.field = N::SlideRate, .keys = kFiguresOnly},
    {N::PeriodMonths, N::NationalMonths, N::AverageRemuneration, N::EmployeesPensionFrom, kStays, kStays, kStays,
     kFiguresOnly},
};

// The fields the needs screen's Tab visits first, after the membership:
// the whole record the calculation reads.
constexpr F::Slot kNeedsTabFields[] = {F::NationalPaidMonths, F::MonthsTo2003, F::MonthlyRemunerationTo2003,
                                       F::MonthsFrom2003, F::RemunerationFrom2003};

// The survivors' screen shows the national months, three digits at most,
// in a sunken box.
constexpr int kMonthsBoxWidth = 48;

// A button's operation that needs no date.
template <engine::CalculationOutcome (*Run)(PensionRecord)>
engine::CalculationOutcome withoutDate(PensionRecord record, const QDate &)
{
    return Run(record);
}

int optionIndex(engine::Membership membership)
{
    return static_cast<int>(membership);
}

} // namespace

PensionRecordPanel::PensionRecordPanel(Screen screen, QWidget *parent)
    : QWidget(parent)
    , m_screen(screen)
{
    setObjectName(QStringLiteral("PensionRecordPanel"));
    if (screen == Screen::Survivors)
        layOutForSurvivors();
    else
        layOutForNeeds();
    // The widow's choice matters only for a national pension member.
    connect(nationalMember, &QRadioButton::toggled, m_choicePanel, &QWidget::setVisible);
}

QHBoxLayout *PensionRecordPanel::makeMembership(const QString &national, const QString &employee)
{
    nationalMember = new QRadioButton(national, m_content);
    nationalMember->setObjectName(ControlName(QStringLiteral("Option1"), optionIndex(engine::Membership::National)));
    employeeMember = new QRadioButton(employee, m_content);
    employeeMember->setObjectName(ControlName(QStringLiteral("Option1"), optionIndex(engine::Membership::Employee)));
    auto *memberships = new QButtonGroup(this);
    memberships->addButton(nationalMember);
    memberships->addButton(employeeMember);
    OneTabStop(memberships);

    m_choicePanel = new QFrame(m_content);
    m_chooseEmployeesPension = new QRadioButton(QStringLiteral("遺族厚生年金選択"), m_choicePanel);
    m_chooseEmployeesPension->setObjectName(QStringLiteral("Option2"));
    m_chooseWidowsPension = new QRadioButton(QStringLiteral("寡婦年金選択"), m_choicePanel);
    m_chooseWidowsPension->setObjectName(QStringLiteral("Option3"));
    auto *choices = new QButtonGroup(this);
    choices->addButton(m_chooseEmployeesPension);
    choices->addButton(m_chooseWidowsPension);
    OneTabStop(choices);
    auto *choiceRow = new QHBoxLayout(m_choicePanel);
    choiceRow->addWidget(m_chooseEmployeesPension);
    choiceRow->addWidget(m_chooseWidowsPension);
    return choiceRow;
}

QLineEdit *PensionRecordPanel::makeField(F::Slot field)
{
    auto *edit = new QLineEdit(m_content);
    edit->setAlignment(Qt::AlignRight);
    if (m_screen == Screen::Survivors) {
        edit->setObjectName(ControlName(QStringLiteral("Text6"), field));
        edit->setFixedWidth(kSurvivorsRecordWidth);
    } else {
        edit->setObjectName(ControlName(QStringLiteral("Num1"), N::PensionRecordSlot(field)));
        edit->setFixedSize(kNeedsAmountWidth, kNeedsFieldHeight);
    }
    return fields[field] = edit;
}

DatePicker *PensionRecordPanel::makeDate(D::Slot date)
{
    const QString array = m_screen == Screen::Survivors ? QStringLiteral("DTPicker2") : QStringLiteral("Date2");
    return dates[date] = new DatePicker(ControlName(array, date), m_content);
}

QPushButton *PensionRecordPanel::makeButton(const QString &name, const QString &caption, Operation operation)
{
    QPushButton *button = MakeButton(m_content, name, caption);
    connect(button, &QPushButton::clicked, this,
            [this, operation = std::move(operation)] { emit operationClicked(operation); });
    return button;
}

QLabel *PensionRecordPanel::text(const QString &caption)
{
    return new QLabel(caption, m_content);
}

void PensionRecordPanel::layOutForSurvivors()
{
    m_content = this;
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    makeMembership(QStringLiteral(" 国民年金（第1号被保険者）"), QStringLiteral(" 厚生年金（第2号被保険者）"));
    auto *membershipRow = new QHBoxLayout;
    membershipRow->addWidget(nationalMember);
    membershipRow->addWidget(employeeMember);
    layout->addLayout(membershipRow);
    m_choicePanel->setObjectName(QStringLiteral("ChoicePanel"));
    m_choicePanel->setFrameShape(QFrame::StyledPanel);
    layout->addWidget(m_choicePanel);

    auto *grid = new QGridLayout;
    layout->addLayout(grid);
    struct Caption {
        QString caption, unit;
    };
    const std::array<Caption, F::Count> captions = {{
        {QStringLiteral("国民年金　保険料納付済期間"), QStringLiteral("ヶ月")},
        {QStringLiteral("厚生年金　H15/3までの期間"), QStringLiteral("ヶ月")},
        {QStringLiteral("平均標準報酬月額"), QStringLiteral("円")},
        {QStringLiteral("H15/4からの期間"), QStringLiteral("ヶ月")},
        {QStringLiteral("平均標準報酬額"), QStringLiteral("円")},
        {QStringLiteral("物価スライド率"), QString()},
    }};
    for (int field = 0; field < F::Count; ++field) {
        grid->addWidget(text(captions[static_cast<size_t>(field)].caption), field, 0);
        grid->addWidget(makeField(static_cast<F::Slot>(field)), field, 1);
        grid->addWidget(text(captions[static_cast<size_t>(field)].unit), field, 2);
    }

    // The month calculators beside the fields they fill.
    const auto calculator = [&](F::Slot field, const QString &dateCaption, D::Slot date, const QString &name,
                                const QString &caption, Operation operation) {
        makeDate(date);
        QPushButton *button = makeButton(name, caption, std::move(operation));
        grid->addWidget(text(dateCaption), field, 3);
        grid->addWidget(dates[date], field, 4);
        grid->addWidget(button, field, 5);
    };
    calculator(F::MonthsTo2003, QStringLiteral("加入日"), D::EmployeesEntry, QStringLiteral("Command9"),
               QStringLiteral("計 算"), withoutDate<engine::CalculateMonthsTo2003>);
    calculator(F::MonthsFrom2003, QStringLiteral("終了日"), D::EmployeesEnd, QStringLiteral("Command10"),
               QStringLiteral("計　算"), withoutDate<engine::CalculateMonthsFrom2003>);

    makeDate(D::NationalFrom);
    makeDate(D::NationalTo);
    QPushButton *national =
        makeButton(QStringLiteral("Command11"), QStringLiteral("計 算"), withoutDate<engine::CalculateNationalMonths>);
    m_periodMonthsLabel = text(QStringLiteral("0"));
    m_periodMonthsLabel->setObjectName(ControlName(QStringLiteral("Num3"), engine::Num3::NationalPensionMonths));
    m_periodMonthsLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_periodMonthsLabel->setFrameShape(QFrame::Panel);
    m_periodMonthsLabel->setFrameShadow(QFrame::Sunken);
    m_periodMonthsLabel->setMinimumWidth(kMonthsBoxWidth);
    auto *nationalRow = new QHBoxLayout;
    nationalRow->addWidget(text(QStringLiteral("国民年金期間")));
    nationalRow->addWidget(dates[D::NationalFrom]);
    nationalRow->addWidget(text(QStringLiteral("～")));
    nationalRow->addWidget(dates[D::NationalTo]);
    nationalRow->addWidget(national);
    nationalRow->addWidget(m_periodMonthsLabel);
    nationalRow->addWidget(text(QStringLiteral("ヶ月")));
    nationalRow->addStretch();
    layout->addLayout(nationalRow);

    makeDate(D::Reference);
    now = MakeButton(this, QStringLiteral("CommandNow"), QStringLiteral("Now"));
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(text(QStringLiteral("基準日")));
    bottom->addWidget(dates[D::Reference]);
    bottom->addWidget(now);
    bottom->addStretch();
    bottom->addWidget(
        makeButton(QStringLiteral("CommandCE1"), QStringLiteral("①CE"), withoutDate<engine::ClearNationalMonths>));
    bottom->addWidget(
        makeButton(QStringLiteral("CommandCE2"), QStringLiteral("②CE"), withoutDate<engine::ClearEmployeesRecord>));
    bottom->addWidget(makeButton(QStringLiteral("CommandCEOther"), QStringLiteral("他CE"), engine::ClearPeriodDates));
    layout->addLayout(bottom);
}

void PensionRecordPanel::layOutForNeeds()
{
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *box = new QGroupBox(QStringLiteral("年金の現在の加入状況"), this);
    outer->addWidget(box);
    m_content = box;
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(1);
    QHBoxLayout *choices = makeMembership(QStringLiteral("国民年金加入中 (現在自営(無職含む))"),
                                          QStringLiteral("厚生年金加入中 (現在はサラリーマン)"));
    layout->addWidget(nationalMember);
    layout->addWidget(employeeMember);
    m_choicePanel->setObjectName(QStringLiteral("Picture3"));
    // Indented under the national pension member it belongs to.
    choices->setContentsMargins(16, 0, 0, 0);
    choices->addStretch();
    layout->addWidget(m_choicePanel);

    layout->addWidget(text(QStringLiteral(" ■ 年金の種類別加入状況　（入力）")));
    auto *grid = new QGridLayout;
    grid->setVerticalSpacing(1);
    layout->addLayout(grid);
    for (D::Slot date : {D::EmployeesEntry, D::EmployeesEnd, D::NationalFrom, D::NationalTo})
        makeDate(date);
    auto fieldRow = [&](int row, const QString &caption, F::Slot field, const QString &unit) {
        grid->addWidget(text(caption), row, 0);
        grid->addWidget(makeField(field), row, 1);
        grid->addWidget(text(unit), row, 2);
    };

    grid->addWidget(text(QStringLiteral("■ 国民年金だけの期間")), 0, 0, 1, 3);
    fieldRow(1, QStringLiteral(" ◎ 加入期間"), F::NationalPaidMonths, QStringLiteral("ヶ月"));
    grid->addWidget(text(QStringLiteral("入社日")), 1, 3);
    grid->addWidget(dates[D::EmployeesEntry], 1, 4);

    grid->addWidget(text(QStringLiteral("■ 厚生年金だけの期間と月額")), 2, 0, 1, 3);
    grid->addWidget(text(QStringLiteral("～H15/3/31")), 2, 3);
    grid->addWidget(
        makeButton(QStringLiteral("Command2"), QStringLiteral("①期間計算"), withoutDate<engine::CalculateMonthsTo2003>),
        2, 4);
    fieldRow(3, QStringLiteral(" ①平成15年3月までの期間"), F::MonthsTo2003, QStringLiteral("ヶ月"));
    fieldRow(4, QStringLiteral("平均標準報酬月額"), F::MonthlyRemunerationTo2003, QStringLiteral("円"));

    grid->addWidget(text(QStringLiteral("H15/4/1～")), 5, 3);
    grid->addWidget(dates[D::EmployeesEnd], 5, 4);
    fieldRow(5, QStringLiteral(" ②平成15年４月以降の期間"), F::MonthsFrom2003, QStringLiteral("ヶ月"));
    grid->addWidget(makeButton(QStringLiteral("Command3"), QStringLiteral("②期間計算"),
                               withoutDate<engine::CalculateMonthsFrom2003>),
                    6, 4);
    fieldRow(6, QStringLiteral("平均標準報酬額"), F::RemunerationFrom2003, QStringLiteral("円"));

    grid->addWidget(makeButton(QStringLiteral("Command9"), QStringLiteral("期間計算"),
                               withoutDate<engine::CalculateNationalMonths>),
                    7, 0);
    auto *period = new QHBoxLayout;
    period->addWidget(dates[D::NationalFrom]);
    period->addWidget(text(QStringLiteral("～")));
    period->addWidget(dates[D::NationalTo]);
    grid->addLayout(period, 7, 1, 1, 4);
    periodMonthsField = new QLineEdit(box);
    periodMonthsField->setObjectName(ControlName(QStringLiteral("Num1"), N::PeriodMonths));
    periodMonthsField->setAlignment(Qt::AlignRight);
    periodMonthsField->setFixedSize(kNeedsAmountWidth, kNeedsFieldHeight);
    grid->addWidget(periodMonthsField, 8, 1);
    grid->addWidget(text(QStringLiteral("ヶ月")), 8, 2);

    fieldRow(9, QStringLiteral("■ 物価スライド率"), F::SlideRate, QString());
    grid->addWidget(
        makeButton(QStringLiteral("Command10"), QStringLiteral("CE"), withoutDate<engine::ClearInsuredPeriods>), 9, 4,
        Qt::AlignRight);
}

void PensionRecordPanel::read(engine::PensionRecord record) const
{
    record.membership = nationalMember->isChecked() ? engine::Membership::National : engine::Membership::Employee;
    record.choice = m_chooseWidowsPension->isChecked() ? engine::SurvivorChoice::WidowsPension
                                                       : engine::SurvivorChoice::EmployeesPension;
    for (size_t field = 0; field < fields.size(); ++field)
        record.fields[field] = fields[field]->text();
    for (size_t date = 0; date < dates.size(); ++date) {
        if (dates[date])
            record.dates[date] = dates[date]->date();
    }
    // The survivors' screen only shows the national months.
    if (periodMonthsField)
        record.periodMonths = periodMonthsField->text();
}

void PensionRecordPanel::write(engine::ConstPensionRecord record)
{
    const bool national = record.membership == engine::Membership::National;
    (national ? nationalMember : employeeMember)->setChecked(true);
    m_choicePanel->setVisible(national);
    (record.choice == engine::SurvivorChoice::WidowsPension ? m_chooseWidowsPension : m_chooseEmployeesPension)
        ->setChecked(true);
    for (size_t field = 0; field < fields.size(); ++field)
        SetFieldText(fields[field], record.fields[field]);
    for (size_t date = 0; date < dates.size(); ++date) {
        if (dates[date])
            dates[date]->setDate(record.dates[date]);
    }
    if (periodMonthsField)
        SetFieldText(periodMonthsField, record.periodMonths);
    else
        m_periodMonthsLabel->setText(record.periodMonths);
}

std::span<const KeyRow<F::Slot>> PensionRecordPanel::survivorsKeys()
{
    return kSurvivorsKeys;
}

std::span<const KeyRow<N::Slot>> PensionRecordPanel::needsKeys()
{
    return kNeedsKeys;
}

QList<QWidget *> PensionRecordPanel::tabOrder() const
{
    QList<QWidget *> order = {nationalMember, employeeMember};
    if (m_screen == Screen::Needs) {
        for (F::Slot field : kNeedsTabFields)
            order << fields[field];
        return order;
    }
    order << m_chooseEmployeesPension << m_chooseWidowsPension;
    for (QLineEdit *field : fields)
        order << field;
    return order;
}

} // namespace izoku::ui
