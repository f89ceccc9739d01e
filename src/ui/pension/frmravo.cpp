#include "frmravo.h"

#include "benefitslotsview.h"
#include "formulapanelview.h"
#include "pensioninputpanel.h"
#include "referencepanels.h"

#include "engine/needs/householdcarry.h"
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
#include "ui/forms/sheetmodel.h"
#include "ui/forms/sheetview.h"
#include "ui/needs/frmhoken.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabWidget>
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

} // namespace

FrmRavo::FrmRavo(WindowRegistry &registry, Clock clock, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_registry(registry)
    , m_clock(std::move(clock))
    , m_session(
          *this, m_form, [this](engine::FrmRavoForm &) { readForm(); },
          [this](const engine::FrmRavoForm &) { writeForm(); })
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

    engine::OpenFrmRavo(m_form, store::ProcessBaseData(), today());
    writeForm();
    PlaceWhenFirstShown(this, [](QWidget *w) { PlaceCentred(w, 2.0); });
    FitToScreen(this);
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

void FrmRavo::buildCalculationTab(QWidget *page)
{
    // The inputs and results above, the schedule below when it is shown.
    // Where the screen is too short for both, the schedule keeps its height,
    // so every year's total stays in sight, and the inputs scroll.
    auto *pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    m_splitter = new QSplitter(Qt::Vertical, page);
    m_splitter->setObjectName(QStringLiteral("ScheduleSplitter"));
    m_splitter->setChildrenCollapsible(false);
    pageLayout->addWidget(m_splitter);
    auto *tab = new QWidget;
    tab->setObjectName(QStringLiteral("CalculationPane"));
    auto *grid = new QGridLayout(tab);

    // Left: the household and the husband's record.
    auto *left = new QVBoxLayout;
    grid->addLayout(left, 0, 0);
    m_household = new HouseholdPanel({QStringLiteral("Text3"), QStringLiteral("Text4"), QStringLiteral("DTPicker1"),
                                      QStringLiteral("Text5"), QStringLiteral("Check2"), QStringLiteral("Check1")},
                                     tab);
    left->addWidget(m_household);
    auto *householdButtons = new QHBoxLayout;
    m_buttons.ages = makeButton(tab, QStringLiteral("cmdAges"), QStringLiteral("年齢計算"));
    m_buttons.clearHousehold = makeButton(tab, QStringLiteral("cmdAC"), QStringLiteral("AC"));
    m_buttons.eraTable = makeButton(tab, QStringLiteral("cmdEra"), QStringLiteral("西暦/和暦"));
    householdButtons->addWidget(m_buttons.ages);
    householdButtons->addWidget(m_buttons.clearHousehold);
    householdButtons->addWidget(m_buttons.eraTable);
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
    m_formulaPanels = {new FormulaPanelView(engine::FormulaPanel::ShortNew, m_formulaStack),
                       new FormulaPanelView(engine::FormulaPanel::ShortOld, m_formulaStack),
                       new FormulaPanelView(engine::FormulaPanel::LongNew, m_formulaStack),
                       new FormulaPanelView(engine::FormulaPanel::LongOld, m_formulaStack)};
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
    m_buttons.calculate = makeButton(tab, QStringLiteral("cmdCalculate"), QStringLiteral("年金計算"));
    m_buttons.showSheet = makeButton(tab, QStringLiteral("cmdShowSheet"), QStringLiteral("計算ｼｰﾄ表示"));
    m_buttons.hideSheet = makeButton(tab, QStringLiteral("cmdHideSheet"), QStringLiteral("ｼｰﾄ閉じる"));
    m_buttons.clearResults = makeButton(tab, QStringLiteral("cmdClearResults"), QStringLiteral("表示 CE"));
    actions->addWidget(m_buttons.calculate, 0, 0);
    actions->addWidget(m_buttons.showSheet, 0, 1);
    actions->addWidget(m_buttons.hideSheet, 0, 2);
    actions->addWidget(m_buttons.clearResults, 0, 3);
    m_buttons.chart = makeButton(tab, QStringLiteral("cmdChart"), QStringLiteral("グラフの表示"));
    m_buttons.needs = makeButton(tab, QStringLiteral("cmdNeeds"), QStringLiteral("必要補償額算出"));
    actions->addWidget(m_buttons.chart, 1, 0);
    actions->addWidget(m_buttons.needs, 1, 1);
    m_buttons.close = makeButton(tab, QStringLiteral("cmdClose"), QStringLiteral("閉じる"));
    actions->addWidget(m_buttons.close, 1, 3);
    m_printer = ClickLabel::printerPicture(tab);
    m_printer->setObjectName(QStringLiteral("Picture1"));
    actions->addWidget(m_printer, 1, 2, Qt::AlignCenter);
    right->addLayout(actions);
    right->addStretch();

    m_inputs = MakeScrollPane(tab, m_splitter);
    m_inputs->setObjectName(QStringLiteral("CalculationScroll"));
    m_splitter->addWidget(m_inputs);

    m_scheduleModel = new SheetModel(this);
    m_scheduleGrid = new SheetView(m_splitter);
    m_scheduleGrid->setObjectName(QStringLiteral("MSFlexGrid1"));
    m_scheduleGrid->setModel(m_scheduleModel);
    m_scheduleGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_scheduleGrid->horizontalHeader()->hide();
    m_scheduleGrid->verticalHeader()->hide();
    m_scheduleGrid->horizontalHeader()->setDefaultSectionSize(64);
    m_scheduleGrid->verticalHeader()->setDefaultSectionSize(20);
    // Row 0 and the untitled row of zeros after 合計 carry nothing to read.
    m_scheduleGrid->setHiddenRows({0, engine::ScheduleRow::Last});
    m_scheduleGrid->setMinimumHeight(m_scheduleGrid->heightForRows(engine::ScheduleRow::Count - 2));
    m_scheduleGrid->hide();
    m_splitter->addWidget(m_scheduleGrid);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 0);
}

void FrmRavo::showSchedule(bool shown)
{
    m_scheduleGrid->setVisible(shown);
    if (!shown)
        return;
    GrowToContent(this);
    // The button the agent pressed stays in sight above the schedule.
    m_inputs->ensureWidgetVisible(findChild<QPushButton *>(QStringLiteral("cmdShowSheet")));
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
    using Form = engine::FrmRavoForm;
    // A click runs one operation of the form on the texts the window shows.
    const auto runOnClick = [this](QPushButton *button, auto operation) {
        connect(button, &QPushButton::clicked, this, [this, operation] { m_session.run(operation); });
    };
    runOnClick(m_buttons.ages, [this](Form &f) { return engine::ComputeAges(f, today()); });
    runOnClick(m_buttons.clearHousehold, [this](Form &f) { return engine::ClearHousehold(f, today()); });
    runOnClick(m_buttons.calculate,
               [this](Form &f) { return engine::RunPensionCalculation(f, store::ProcessBaseData(), today()); });
    runOnClick(m_buttons.clearResults, [](Form &f) { return engine::ClearResults(f); });
    connect(m_buttons.showSheet, &QPushButton::clicked, this, [this] { showSchedule(true); });
    connect(m_buttons.hideSheet, &QPushButton::clicked, this, [this] { showSchedule(false); });
    connect(m_buttons.eraTable, &QPushButton::clicked, this, [this] { m_registry.show(screen::EraTable); });
    connect(m_buttons.needs, &QPushButton::clicked, this, [this] {
        if (Messages().ask(this, engine::CarryHouseholdQuestion()) == Answer::Yes) {
            readForm();
            if (auto *needs = qobject_cast<Frmhoken *>(m_registry.window(screen::Needs)))
                needs->carryHousehold(m_form);
        }
        m_registry.show(screen::Needs);
    });
    connect(m_buttons.chart, &QPushButton::clicked, this, [this] {
        readForm();
        OpenFormChart(m_registry, m_form);
    });
    connect(m_buttons.close, &QPushButton::clicked, this, &QWidget::close);
    connect(m_printer, &ClickLabel::clicked, this,
            [this] { ScreenPrint(this, PageOrientation::Landscape, m_printer); });

    PensionInputPanel &p = *m_pension;
    runOnClick(p.now, [this](Form &f) { return engine::SetBaseDateToday(f, today()); });
    runOnClick(p.calculateTo2003, [](Form &f) { return engine::CalculateMonthsTo2003(f.pensionRecord()); });
    runOnClick(p.calculateFrom2003, [](Form &f) { return engine::CalculateMonthsFrom2003(f.pensionRecord()); });
    runOnClick(p.calculateNational, [](Form &f) { return engine::CalculateNationalMonths(f.pensionRecord()); });
    runOnClick(p.clearNational, [](Form &f) { return engine::ClearNationalMonths(f.pensionRecord()); });
    runOnClick(p.clearEmployees, [](Form &f) { return engine::ClearEmployeesRecord(f.pensionRecord()); });
    runOnClick(p.clearPeriods, [this](Form &f) { return engine::ClearPeriodDates(f.pensionRecord(), today()); });
    // The widow's choice matters only for a national pension member.
    connect(p.membership[0], &QRadioButton::toggled, p.choicePanel, &QWidget::setVisible);
    connect(p.membership[0], &QRadioButton::toggled, this, [this] { GrowToContent(this); });

    connect(m_household, &HouseholdPanel::birthDateLeft, this, [this](int index) {
        m_session.run([this, index](Form &f) { return engine::LeaveBirthDate(f, index, today()); });
    });
    connect(m_household, &HouseholdPanel::clearColumnClicked, this, [this](engine::HouseholdColumn column) {
        m_session.run([this, column](Form &f) { return engine::ClearHouseholdColumn(f, column, today()); });
    });
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
    m_scheduleModel->setCells(schedule.rows(), schedule.columns(),
                              [&schedule](int row, int column) { return schedule.cell(row, column); });
    // The grid keeps three empty columns after the last year; the agent
    // would only scroll into nothing.
    QList<int> empty;
    for (int c = schedule.lastYearColumn() + 1; c < schedule.columns(); ++c)
        empty.append(c);
    m_scheduleGrid->setHiddenColumns(empty);
}

int FrmRavo::visibleFormulaPanel() const
{
    return m_formulaStack->currentIndex();
}

} // namespace izoku::ui
