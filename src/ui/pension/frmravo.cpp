#include "frmravo.h"

#include "benefitslotsview.h"
#include "formulapanelstack.h"
#include "referencepanels.h"

#include "engine/needs/householdcarry.h"
#include "engine/pension/pensioncalculation.h"
#include "store/database.h"
#include "ui/app/basedatainuse.h"
#include "ui/app/clicklabel.h"
#include "ui/app/controls.h"
#include "ui/app/keytable.h"
#include "ui/app/messageservice.h"
#include "ui/app/placement.h"
#include "ui/app/screenprint.h"
#include "ui/app/windowregistry.h"
#include "ui/charts/chartopeners.h"
#include "ui/forms/householdpanel.h"
#include "ui/forms/pensionrecordpanel.h"
#include "ui/forms/sheetmodel.h"
#include "ui/forms/sheetview.h"
#include "ui/needs/frmhoken.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

namespace izoku::ui {

namespace {

// A year's column holds a yearly amount; a row, a line of text.
constexpr QSize kScheduleCell(64, 20);

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
    const engine::PensionLaw law = engine::PensionLawOf(store::ProcessBaseData());
    m_basicReference = new ReferencePanels(ReferencePanels::Subject::BasicPension, law, m_tabs);
    m_tabs->addTab(m_basicReference, QStringLiteral("遺族基礎年金"));
    m_employeesReference = new ReferencePanels(ReferencePanels::Subject::EmployeesPension, law, m_tabs);
    m_tabs->addTab(m_employeesReference, QStringLiteral("遺族厚生年金"));
    // Selecting a reference tab starts at its first panel.
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int index) {
        if (auto *panels = qobject_cast<ReferencePanels *>(m_tabs->widget(index)))
            panels->showPanel(0);
    });

    installKeys();
    connectButtons();
    connect(&BaseDataInUse::instance(), &BaseDataInUse::figuresChanged, this, &FrmRavo::takeBaseFigures);

    engine::OpenFrmRavo(m_form, store::ProcessBaseData(), today());
    writeForm();
    PlaceWhenFirstShown(this, [this](QWidget *w) {
        PlaceCentred(w, 2.0);
        // The agent starts with the husband's name, not on the tab bar.
        m_household->names[engine::HouseholdIndex::Husband]->setFocus(Qt::OtherFocusReason);
    });
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
    m_buttons.ages = MakeButton(tab, QStringLiteral("cmdAges"), QStringLiteral("年齢計算"));
    m_buttons.clearHousehold = MakeButton(tab, QStringLiteral("cmdAC"), QStringLiteral("AC"));
    m_buttons.eraTable = MakeButton(tab, QStringLiteral("cmdEra"), QStringLiteral("西暦/和暦"));
    householdButtons->addWidget(m_buttons.ages);
    householdButtons->addWidget(m_buttons.clearHousehold);
    householdButtons->addWidget(m_buttons.eraTable);
    householdButtons->addStretch();
    left->addLayout(householdButtons);
    m_pension = new PensionRecordPanel(PensionRecordPanel::Screen::Survivors, tab);
    left->addWidget(m_pension);
    m_law = new QLabel(tab);
    m_law->setObjectName(QStringLiteral("lblLaw"));
    left->addWidget(m_law);
    left->addStretch();

    // Right: the formula panels and the benefits.
    auto *right = new QVBoxLayout;
    grid->addLayout(right, 0, 1);
    m_formulaPanels = new FormulaPanelStack(tab);
    right->addWidget(m_formulaPanels);
    m_slots = new BenefitSlotsView(tab);
    right->addWidget(m_slots);

    auto *actions = new QGridLayout;
    m_buttons.calculate = MakeButton(tab, QStringLiteral("cmdCalculate"), QStringLiteral("年金計算"));
    m_buttons.showSheet = MakeButton(tab, QStringLiteral("cmdShowSheet"), QStringLiteral("計算ｼｰﾄ表示"));
    m_buttons.hideSheet = MakeButton(tab, QStringLiteral("cmdHideSheet"), QStringLiteral("ｼｰﾄ閉じる"));
    m_buttons.clearResults = MakeButton(tab, QStringLiteral("cmdClearResults"), QStringLiteral("表示 CE"));
    actions->addWidget(m_buttons.calculate, 0, 0);
    actions->addWidget(m_buttons.showSheet, 0, 1);
    actions->addWidget(m_buttons.hideSheet, 0, 2);
    actions->addWidget(m_buttons.clearResults, 0, 3);
    m_buttons.chart = MakeButton(tab, QStringLiteral("cmdChart"), QStringLiteral("グラフの表示"));
    m_buttons.needs = MakeButton(tab, QStringLiteral("cmdNeeds"), QStringLiteral("必要補償額算出"));
    actions->addWidget(m_buttons.chart, 1, 0);
    actions->addWidget(m_buttons.needs, 1, 1);
    m_buttons.close = MakeButton(tab, QStringLiteral("cmdClose"), QStringLiteral("閉じる"));
    actions->addWidget(m_buttons.close, 1, 3);
    m_printer = ClickLabel::printerPicture(tab);
    m_printer->setObjectName(QStringLiteral("Picture1"));
    actions->addWidget(m_printer, 1, 2, Qt::AlignCenter);
    right->addLayout(actions);
    right->addStretch();

    m_inputs = MakeScrollPane(tab, m_splitter);
    m_inputs->setObjectName(QStringLiteral("CalculationScroll"));
    m_splitter->addWidget(m_inputs);

    m_scheduleGrid = new SheetView(kScheduleCell, m_splitter);
    // Row 0 and the untitled row of zeros after 合計 carry nothing to read.
    const QList<int> unread = {0, engine::ScheduleRow::Last};
    m_scheduleGrid->setHiddenRows(unread);
    m_scheduleGrid->setMinimumHeight(
        m_scheduleGrid->heightForRows(engine::ScheduleRow::Count - static_cast<int>(unread.size())));
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
    m_inputs->ensureWidgetVisible(m_buttons.showSheet);
}

void FrmRavo::installKeys()
{
    using F = engine::PensionField;
    KeyTable keys(this);
    keys.add(m_household->keyRows(), [this](HouseholdPanel::Field field) { return m_household->widget(field); });
    keys.add(PensionRecordPanel::survivorsKeys(), [this](F::Slot field) { return m_pension->fields[field]; });
    // Enter walks the household into the husband's record and on to the
    // calculation it is typed for; the slide rate, set from the base
    // figures, is left as it is on the way.
    keys.enter(m_household->ages[engine::HouseholdIndex::Child5], m_pension->fields[F::NationalPaidMonths])
        .enter(m_pension->fields[F::RemunerationFrom2003], m_buttons.calculate)
        .enter(m_pension->fields[F::SlideRate], m_buttons.calculate);
    // Tab likewise: the household, its buttons, the record, the calculation;
    // the period calculators and everything else after them.
    SetTabOrder(this, m_household->tabOrder() +
                          QList<QWidget *>{m_buttons.ages, m_buttons.clearHousehold, m_buttons.eraTable} +
                          m_pension->tabOrder() + QList<QWidget *>{m_buttons.calculate});
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
    connect(m_buttons.calculate, &QPushButton::clicked, this, [this] {
        if (!BaseDataInUse::instance().ready(this))
            return;
        m_session.run([this](Form &f) { return engine::RunPensionCalculation(f, store::ProcessBaseData(), today()); });
    });
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

    runOnClick(m_pension->now, [this](Form &f) { return engine::SetBaseDateToday(f, today()); });
    connect(m_pension, &PensionRecordPanel::operationClicked, this,
            [this](const PensionRecordPanel::Operation &operation) {
                m_session.run([this, &operation](Form &f) { return operation(f.pensionRecord(), today()); });
            });
    connect(m_pension->nationalMember, &QRadioButton::toggled, this, [this] { GrowToContent(this); });

    connect(m_household, &HouseholdPanel::birthDateLeft, this, [this](int index) {
        m_session.run([this, index](Form &f) { return engine::LeaveBirthDate(f, index, today()); });
    });
    connect(m_household, &HouseholdPanel::clearColumnClicked, this, [this](engine::HouseholdColumn column) {
        m_session.run([this, column](Form &f) { return engine::ClearHouseholdColumn(f, column, today()); });
    });
}

void FrmRavo::takeBaseFigures(const engine::BaseData &baseData)
{
    m_session.run([&baseData](engine::FrmRavoForm &f) { return engine::TakeBaseFigures(f, baseData); });
    const engine::PensionLaw law = engine::PensionLawOf(baseData);
    m_basicReference->showLaw(law);
    m_employeesReference->showLaw(law);
}

void FrmRavo::readForm()
{
    m_household->read(m_form.household);
    m_pension->read(m_form.pensionRecord());
}

void FrmRavo::writeForm()
{
    m_household->write(m_form.household);
    m_pension->write(m_form.pensionRecord());
    m_law->setText(m_form.lawCaption);
    m_slots->write(m_form.num4);
    m_formulaPanels->write(m_form.num3, m_form.oldFormulaCaption);
    writeSchedule();
}

void FrmRavo::writeSchedule()
{
    const engine::PensionSchedule &schedule = m_form.schedule;
    m_scheduleGrid->sheet()->setCells(schedule.rows(), schedule.columns(),
                                      [&schedule](int row, int column) { return schedule.cell(row, column); });
    // The grid keeps three empty columns after the last year; the agent
    // would only scroll into nothing.
    QList<int> empty;
    for (int c = schedule.lastYearColumn() + 1; c < schedule.columns(); ++c)
        empty.append(c);
    m_scheduleGrid->setHiddenColumns(empty);
}

} // namespace izoku::ui
