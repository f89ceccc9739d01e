#include "frmravo.h"

#include "benefitslotsview.h"
#include "formulapanelview.h"
#include "pensioninputpanel.h"
#include "referencepanels.h"

#include "engine/pension/pensioncalculation.h"
#include "store/database.h"
#include "ui/app/clicklabel.h"
#include "ui/app/focusmap.h"
#include "ui/app/inputfilters.h"
#include "ui/app/messageservice.h"
#include "ui/app/placement.h"
#include "ui/app/screenprint.h"
#include "ui/app/windowregistry.h"
#include "ui/charts/chartopeners.h"
#include "ui/forms/householdpanel.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace izoku::ui {

using engine::Num3;

namespace {

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}

// The Num3 slots of each formula panel, in the order FormulaPanelView takes.
const FormulaPanelView::Slots kShortNew = {Num3::ShortNewMonthlyRemuneration,
                                           Num3::ShortNewRate1,
                                           Num3::ShortNewMonthsTo2003,
                                           Num3::ShortNewRemuneration,
                                           Num3::ShortNewRate2,
                                           Num3::ShortNewMonthsFrom2003,
                                           Num3::ShortNewSlideRate,
                                           Num3::ShortNewCappedMonths,
                                           Num3::ShortNewPartA,
                                           Num3::ShortNewPartB,
                                           Num3::ShortNewAmount};
const FormulaPanelView::Slots kShortOld = {Num3::ShortOldMonthlyRemuneration,
                                           Num3::ShortOldRate1,
                                           Num3::ShortOldMonthsTo2003,
                                           Num3::ShortOldRemuneration,
                                           Num3::ShortOldRate2,
                                           Num3::ShortOldMonthsFrom2003,
                                           Num3::ShortOldSlideRate,
                                           Num3::ShortOldCappedMonths,
                                           Num3::ShortOldPartA,
                                           Num3::ShortOldPartB,
                                           Num3::ShortOldAmount};
const FormulaPanelView::Slots kLongNew = {Num3::LongNewMonthlyRemuneration,
                                          Num3::LongNewRate1,
                                          Num3::LongNewMonthsTo2003,
                                          Num3::LongNewRemuneration,
                                          Num3::LongNewRate2,
                                          Num3::LongNewMonthsFrom2003,
                                          Num3::LongNewSlideRate,
                                          -1,
                                          Num3::LongNewPartA,
                                          Num3::LongNewPartB,
                                          Num3::LongNewAmount};
const FormulaPanelView::Slots kLongOld = {Num3::LongOldMonthlyRemuneration,
                                          Num3::LongOldRate1,
                                          Num3::LongOldMonthsTo2003,
                                          Num3::LongOldRemuneration,
                                          Num3::LongOldRate2,
                                          Num3::LongOldMonthsFrom2003,
                                          Num3::LongOldSlideRate,
                                          -1,
                                          Num3::LongOldPartA,
                                          Num3::LongOldPartB,
                                          Num3::LongOldAmount};

} // namespace

FrmRavo::FrmRavo(WindowRegistry &registry, Clock clock, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_registry(registry)
    , m_clock(std::move(clock))
{
    setObjectName(QStringLiteral("FrmRavo"));
    setWindowTitle(QStringLiteral("遺族年金"));

    auto *layout = new QVBoxLayout(this);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    layout->addWidget(m_tabs);

    auto *calculation = new QWidget(m_tabs);
    buildCalculationTab(calculation);
    m_tabs->addTab(calculation, QStringLiteral("遺族年金計算シート"));
    m_basicReference = new ReferencePanels(ReferencePanels::Subject::BasicPension, m_tabs);
    m_tabs->addTab(m_basicReference, QStringLiteral("遺族基礎年金"));
    m_employeesReference = new ReferencePanels(ReferencePanels::Subject::EmployeesPension, m_tabs);
    m_tabs->addTab(m_employeesReference, QStringLiteral("遺族厚生年金"));
    // Selecting a reference tab starts at its first panel.
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int index) {
        if (auto *panels = qobject_cast<ReferencePanels *>(m_tabs->widget(index)))
            panels->showPanel(0);
    });

    buildFocusMap();
    connectButtons();

    m_form = engine::OpenFrmRavo(store::ProcessBaseData(), today());
    writeForm();
    PlaceWhenFirstShown(this, [](QWidget *w) { PlaceCentred(w, 2.0); });
}

FrmRavo::~FrmRavo()
{
    // The focused field loses its focus while the children are destroyed;
    // by then there is no form left to enter an age into.
    disconnect(m_household, nullptr, this, nullptr);
}

QDate FrmRavo::today() const
{
    return m_clock().date();
}

void FrmRavo::buildCalculationTab(QWidget *tab)
{
    auto *grid = new QGridLayout(tab);

    // Left: the household and the husband's record.
    auto *left = new QVBoxLayout;
    grid->addLayout(left, 0, 0);
    m_household = new HouseholdPanel({QStringLiteral("Text3"), QStringLiteral("Text4"), QStringLiteral("DTPicker1"),
                                      QStringLiteral("Text5"), QStringLiteral("Check2"), QStringLiteral("Check1")},
                                     tab);
    left->addWidget(m_household);
    auto *householdButtons = new QHBoxLayout;
    householdButtons->addWidget(makeButton(tab, QStringLiteral("cmdAges"), QStringLiteral("年齢計算")));
    householdButtons->addWidget(makeButton(tab, QStringLiteral("cmdAC"), QStringLiteral("AC")));
    householdButtons->addWidget(makeButton(tab, QStringLiteral("cmdEra"), QStringLiteral("西暦/和暦")));
    householdButtons->addStretch();
    left->addLayout(householdButtons);
    m_pension = new PensionInputPanel(tab);
    left->addWidget(m_pension);
    left->addStretch();

    // Right: the formula panels and the benefits.
    auto *right = new QVBoxLayout;
    grid->addLayout(right, 0, 1);
    auto *panelButtons = new QHBoxLayout;
    const QString panelCaptions[] = {QStringLiteral("短期要件　改正後"), QStringLiteral("短期要件　改正前"),
                                     QStringLiteral("長期要件　改正後"), QStringLiteral("長期要件　改正前")};
    m_formulaStack = new QStackedWidget(tab);
    m_formulaStack->setObjectName(QStringLiteral("FormulaPanels"));
    m_formulaPanels = {
        new FormulaPanelView(QStringLiteral("遺族厚生年金　（短期要件）　平成16年改正後"), kShortNew, false,
                             m_formulaStack),
        new FormulaPanelView(QStringLiteral("遺族厚生年金　（短期要件）　旧計算式"), kShortOld, true, m_formulaStack),
        new FormulaPanelView(QStringLiteral("遺族厚生年金　（長期要件）　平成16年度改正後"), kLongNew, false,
                             m_formulaStack),
        new FormulaPanelView(QStringLiteral("遺族厚生年金　（長期要件）　旧計算式"), kLongOld, true, m_formulaStack)};
    for (int i = 0; i < 4; ++i) {
        m_formulaPanels[i]->setObjectName(QStringLiteral("FormulaPanel(%1)").arg(i));
        m_formulaStack->addWidget(m_formulaPanels[i]);
        auto *button = makeButton(tab, QStringLiteral("cmdPanel(%1)").arg(i), panelCaptions[i]);
        connect(button, &QPushButton::clicked, this, [this, i] { m_formulaStack->setCurrentIndex(i); });
        panelButtons->addWidget(button);
    }
    right->addLayout(panelButtons);
    right->addWidget(m_formulaStack);
    m_slots = new BenefitSlotsView(tab);
    right->addWidget(m_slots);

    auto *actions = new QGridLayout;
    actions->addWidget(makeButton(tab, QStringLiteral("cmdCalculate"), QStringLiteral("年金計算")), 0, 0);
    actions->addWidget(makeButton(tab, QStringLiteral("cmdShowSheet"), QStringLiteral("計算ｼｰﾄ表示")), 0, 1);
    actions->addWidget(makeButton(tab, QStringLiteral("cmdHideSheet"), QStringLiteral("ｼｰﾄ閉じる")), 0, 2);
    actions->addWidget(makeButton(tab, QStringLiteral("cmdClearResults"), QStringLiteral("表示 CE")), 0, 3);
    auto *chart = makeButton(tab, QStringLiteral("cmdChart"), QStringLiteral("グラフの表示"));
    auto *needs = makeButton(tab, QStringLiteral("cmdNeeds"), QStringLiteral("必要補償額算出"));
    // The chart and the needs analysis are opened from here once they exist.
    chart->setEnabled(m_registry.has(screen::PensionChart));
    needs->setEnabled(m_registry.has(screen::Needs));
    actions->addWidget(chart, 1, 0);
    actions->addWidget(needs, 1, 1);
    actions->addWidget(makeButton(tab, QStringLiteral("cmdClose"), QStringLiteral("閉じる")), 1, 3);
    m_printer = ClickLabel::printerPicture(tab);
    m_printer->setObjectName(QStringLiteral("Picture1"));
    actions->addWidget(m_printer, 1, 2, Qt::AlignCenter);
    right->addLayout(actions);
    right->addStretch();

    m_scheduleGrid = new QTableWidget(tab);
    m_scheduleGrid->setObjectName(QStringLiteral("MSFlexGrid1"));
    m_scheduleGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_scheduleGrid->horizontalHeader()->hide();
    m_scheduleGrid->verticalHeader()->hide();
    m_scheduleGrid->horizontalHeader()->setDefaultSectionSize(64);
    m_scheduleGrid->verticalHeader()->setDefaultSectionSize(20);
    m_scheduleGrid->setMinimumHeight(16 * 20 + 4);
    m_scheduleGrid->hide();
    grid->addWidget(m_scheduleGrid, 1, 0, 1, 2);
}

void FrmRavo::buildFocusMap()
{
    m_focusMap = new FocusMap(this);
    FocusMap &map = *m_focusMap;
    const HouseholdPanel &h = *m_household;
    const int last = HouseholdPanel::kCount - 1;
    for (int i = 0; i <= last; ++i) {
        map.add(h.roles[i], FocusKey::Enter, h.names[i]).add(h.roles[i], FocusKey::Right, h.names[i]);
        map.add(h.names[i], FocusKey::Enter, h.births[i]).add(h.names[i], FocusKey::Right, h.births[i]);
        map.add(h.names[i], FocusKey::Ctrl, h.roles[i]);
        map.add(h.births[i], FocusKey::Enter, h.ages[i]).add(h.births[i], FocusKey::Ctrl, h.names[i]);
        map.add(h.ages[i], FocusKey::Left, h.births[i]).add(h.ages[i], FocusKey::Ctrl, h.births[i]);
        if (i < last) {
            map.add(h.ages[i], FocusKey::Enter, h.roles[i + 1]);
            map.add(h.roles[i], FocusKey::Down, h.roles[i + 1]).add(h.names[i], FocusKey::Down, h.names[i + 1]);
            map.add(h.births[i], FocusKey::Down, h.births[i + 1]).add(h.ages[i], FocusKey::Down, h.ages[i + 1]);
        }
        if (i > 0) {
            map.add(h.roles[i], FocusKey::Up, h.roles[i - 1]).add(h.names[i], FocusKey::Up, h.names[i - 1]);
            map.add(h.births[i], FocusKey::Up, h.births[i - 1]).add(h.ages[i], FocusKey::Up, h.ages[i - 1]);
        }
        map.discardEnter(h.roles[i]).discardEnter(h.names[i]).discardEnter(h.ages[i]);
    }
    map.add(h.names[0], FocusKey::Left, h.roles[0]);

    const auto &fields = m_pension->fields;
    auto *filter = new NumericKeyFilter(this);
    for (int i = 0; i <= 3; ++i) {
        map.add(fields[i], FocusKey::Enter, fields[i + 1]).add(fields[i], FocusKey::Down, fields[i + 1]);
        if (i >= 1)
            map.add(fields[i], FocusKey::Up, fields[i - 1]);
        filter->attach(fields[i]);
    }
    map.add(fields[4], FocusKey::Up, fields[3]);
}

void FrmRavo::connectButtons()
{
    auto clicked = [this](const QString &name, auto &&handler) {
        connect(findChild<QPushButton *>(name), &QPushButton::clicked, this, handler);
    };
    clicked(QStringLiteral("cmdAges"),
            [this] { run([this](engine::FrmRavoForm &f) { f.household.ComputeAges(today()); }); });
    clicked(QStringLiteral("cmdAC"),
            [this] { run([this](engine::FrmRavoForm &f) { engine::ClearHousehold(f, today()); }); });
    clicked(QStringLiteral("cmdCalculate"), [this] {
        run([this](engine::FrmRavoForm &f) {
            return engine::RunPensionCalculation(f, store::ProcessBaseData(), today());
        });
    });
    clicked(QStringLiteral("cmdClearResults"),
            [this] { run([](engine::FrmRavoForm &f) { engine::ClearResults(f); }); });
    clicked(QStringLiteral("cmdShowSheet"), [this] { m_scheduleGrid->show(); });
    clicked(QStringLiteral("cmdHideSheet"), [this] { m_scheduleGrid->hide(); });
    clicked(QStringLiteral("cmdEra"), [this] { m_registry.show(screen::EraTable); });
    clicked(QStringLiteral("cmdNeeds"), [this] { m_registry.show(screen::Needs); });
    clicked(QStringLiteral("cmdChart"), [this] {
        readForm();
        OpenFormChart(m_registry, m_form);
    });
    clicked(QStringLiteral("cmdClose"), [this] { close(); });
    connect(m_printer, &ClickLabel::clicked, this,
            [this] { ScreenPrint(this, PageOrientation::Landscape, m_printer); });

    PensionInputPanel &p = *m_pension;
    connect(p.now, &QPushButton::clicked, this,
            [this] { m_pension->dates[engine::PeriodDate::Reference]->setDate(today()); });
    connect(p.calculateTo2003, &QPushButton::clicked, this,
            [this] { run([](engine::FrmRavoForm &f) { return engine::CalculateMonthsTo2003(f); }); });
    connect(p.calculateFrom2003, &QPushButton::clicked, this,
            [this] { run([](engine::FrmRavoForm &f) { engine::CalculateMonthsFrom2003(f); }); });
    connect(p.calculateNational, &QPushButton::clicked, this,
            [this] { run([](engine::FrmRavoForm &f) { engine::CalculateNationalMonths(f); }); });
    connect(p.clearNational, &QPushButton::clicked, this,
            [this] { run([](engine::FrmRavoForm &f) { engine::ClearNationalMonths(f); }); });
    connect(p.clearEmployees, &QPushButton::clicked, this,
            [this] { run([](engine::FrmRavoForm &f) { engine::ClearEmployeesRecord(f); }); });
    connect(p.clearPeriods, &QPushButton::clicked, this,
            [this] { run([this](engine::FrmRavoForm &f) { engine::ClearPeriodDates(f, today()); }); });
    // The widow's choice matters only for a national pension member.
    connect(p.membership[0], &QRadioButton::toggled, p.choicePanel, &QWidget::setVisible);

    connect(m_household, &HouseholdPanel::birthDateLeft, this, [this](int index) {
        run([this, index](engine::FrmRavoForm &f) {
            f.household.EnterAgeFromBirthDate(index, f.dates[engine::PeriodDate::Reference], today());
        });
    });
    connect(m_household, &HouseholdPanel::clearColumnClicked, this, [this](engine::HouseholdColumn column) {
        run([this, column](engine::FrmRavoForm &f) { f.household.ClearColumn(column, today()); });
    });
}

template <typename Operation> void FrmRavo::run(Operation &&operation)
{
    readForm();
    using Result = std::invoke_result_t<Operation, engine::FrmRavoForm &>;
    if constexpr (std::is_void_v<Result>) {
        operation(m_form);
        writeForm();
    } else if constexpr (std::is_same_v<Result, engine::CalculationOutcome>) {
        const engine::CalculationOutcome outcome = operation(m_form);
        writeForm();
        for (const engine::Message &message : outcome.messages)
            showMessage(message);
    } else {
        const auto message = operation(m_form);
        writeForm();
        if (message)
            showMessage(*message);
    }
}

void FrmRavo::showMessage(const engine::Message &message)
{
    QWidget *focus = message.focus.isEmpty() ? nullptr : findChild<QWidget *>(message.focus);
    ShowMessage(this, message, focus);
}

void FrmRavo::readForm()
{
    m_household->read(m_form.household);
    const PensionInputPanel &p = *m_pension;
    m_form.membership = p.membership[0]->isChecked() ? engine::Membership::National : engine::Membership::Employee;
    m_form.choice = p.chooseWidowsPension->isChecked() ? engine::SurvivorChoice::WidowsPension
                                                       : engine::SurvivorChoice::EmployeesPension;
    for (int i = 0; i < engine::Text6::Count; ++i)
        m_form.text6[i] = p.fields[i]->text();
    for (int i = 0; i < engine::PeriodDate::Count; ++i)
        m_form.dates[i] = p.dates[i]->date();
}

void FrmRavo::writeForm()
{
    m_household->write(m_form.household);
    PensionInputPanel &p = *m_pension;
    const bool national = m_form.membership == engine::Membership::National;
    p.membership[national ? 0 : 1]->setChecked(true);
    p.choicePanel->setVisible(national);
    (m_form.choice == engine::SurvivorChoice::WidowsPension ? p.chooseWidowsPension : p.chooseEmployeesPension)
        ->setChecked(true);
    for (int i = 0; i < engine::Text6::Count; ++i) {
        if (p.fields[i]->text() != m_form.text6[i])
            p.fields[i]->setText(m_form.text6[i]);
    }
    for (int i = 0; i < engine::PeriodDate::Count; ++i)
        p.dates[i]->setDate(m_form.dates[i]);
    for (int i = 0; i < engine::BenefitSlots::Count; ++i)
        m_slots->fields[i]->setText(m_form.num4[i]);
    for (FormulaPanelView *panel : m_formulaPanels) {
        for (int slot : panel->slotNumbers()) {
            if (slot >= 0)
                panel->label(slot)->setText(m_form.num3[slot]);
        }
    }
    p.nationalMonths->setText(m_form.num3[Num3::NationalPensionMonths]);
    writeSchedule();
}

void FrmRavo::writeSchedule()
{
    const engine::PensionSchedule &schedule = m_form.schedule;
    const QSignalBlocker blocker(m_scheduleGrid);
    m_scheduleGrid->setRowCount(schedule.rows());
    m_scheduleGrid->setColumnCount(schedule.columns());
    for (int r = 0; r < schedule.rows(); ++r) {
        for (int c = 0; c < schedule.columns(); ++c) {
            auto *item = new QTableWidgetItem(schedule.cell(r, c));
            item->setTextAlignment(c == 0 ? (Qt::AlignLeft | Qt::AlignVCenter) : (Qt::AlignRight | Qt::AlignVCenter));
            m_scheduleGrid->setItem(r, c, item);
        }
    }
}

int FrmRavo::visibleFormulaPanel() const
{
    return m_formulaStack->currentIndex();
}

} // namespace izoku::ui
