#include "frmhoken.h"

#include "buttonrow.h"
#include "expensepanel.h"
#include "familypanel.h"
#include "incomepanel.h"
#include "insurancepanel.h"
#include "processpanel.h"

#include "engine/needs/basecalculation.h"
#include "engine/needs/comparison.h"
#include "engine/needs/deathyears.h"
#include "engine/needs/frmhokenbuttons.h"
#include "engine/needs/householdcarry.h"
#include "engine/needs/insurance.h"
#include "engine/needs/needscharts.h"
#include "engine/needs/projectioncsv.h"
#include "engine/report/consultationreport.h"
#include "engine/report/customerfile.h"
#include "store/database.h"
#include "ui/app/basedatainuse.h"
#include "ui/app/clicklabel.h"
#include "ui/app/controls.h"
#include "ui/app/focusmap.h"
#include "ui/app/keytable.h"
#include "ui/app/messageservice.h"
#include "ui/app/placement.h"
#include "ui/app/screenprint.h"
#include "ui/app/windowregistry.h"
#include "ui/charts/chartopeners.h"
#include "ui/charts/chartwindow.h"
#include "ui/forms/householdpanel.h"
#include "ui/forms/pensionrecordpanel.h"
#include "ui/forms/sheetmodel.h"
#include "ui/forms/sheetview.h"
#include "ui/report/reportpdf.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace izoku::ui {

namespace {

// The grid shows about a dozen years' rows at a time; the scroll bars give
// the rest.
constexpr QSize kSheetCell(80, 20);
constexpr int kSheetVisibleRows = 12;
constexpr int kSheetFrame = 4;

} // namespace

Frmhoken::Frmhoken(WindowRegistry &registry, Clock clock, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_registry(registry)
    , m_clock(std::move(clock))
    , m_session(
          *this, m_form, [this](engine::FrmhokenForm &f) { readForm(f); },
          [this](const engine::FrmhokenForm &f) { writeForm(f); })
{
    setObjectName(QStringLiteral("Frmhoken"));
    setWindowTitle(QStringLiteral("保険診断　（　必要補償額の算出と加入生命保険の登録　）"));

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *content = new QWidget;
    auto *layout = new QVBoxLayout(content);

    auto *panels = new QHBoxLayout;
    layout->addLayout(panels);
    auto *left = new QVBoxLayout;
    m_family = new FamilyPanel(m_fields, content);
    m_pension = new PensionRecordPanel(PensionRecordPanel::Screen::Needs, content);
    m_fields.addPensionRecord(*m_pension);
    m_law = new QLabel(content);
    m_law->setObjectName(QStringLiteral("lblLaw"));
    left->addWidget(m_family);
    left->addWidget(m_pension);
    left->addWidget(m_law);
    left->addStretch();
    panels->addLayout(left);

    auto *middle = new QVBoxLayout;
    m_needsCaption = new QLabel(QStringLiteral("必要補償額 = ②  - ① "), content);
    middle->addWidget(m_needsCaption);
    m_income = new IncomePanel(m_fields, content);
    m_expenses = new ExpensePanel(m_fields, content);
    middle->addWidget(m_income);
    middle->addWidget(m_expenses);
    middle->addStretch();
    panels->addLayout(middle);

    auto *right = new QVBoxLayout;
    m_insurance = new InsurancePanel(m_fields, content);
    right->addWidget(m_insurance);
    right->addStretch();
    panels->addLayout(right);
    // The calculation process takes the place of the income, the expenses
    // and the insurance while the agent explains the survivors' employees'
    // pension: the household and the record it is computed from stay in
    // view, and the window keeps its size.
    m_process = new ProcessPanel(content);
    m_process->hide();
    panels->addWidget(m_process, 0, Qt::AlignTop);

    m_sheet = new SheetView(kSheetCell, content);
    m_sheet->setFixedHeight(kSheetVisibleRows * kSheetCell.height() + kSheetFrame);
    m_sheet->hide();
    layout->addWidget(m_sheet);
    m_scroll = MakeScrollPane(content, this);
    m_scroll->setObjectName(QStringLiteral("FormScroll"));
    outer->addWidget(m_scroll);
    m_buttons = new ButtonRow(m_registry, this);
    m_buttons->setContentsMargins(9, 0, 9, 6);
    outer->addWidget(m_buttons);

    installKeys();
    connectButtons();
    connect(&BaseDataInUse::instance(), &BaseDataInUse::figuresChanged, this, [this](const engine::BaseData &baseData) {
        run([&baseData](engine::FrmhokenForm &f) { return engine::TakeBaseFigures(f, baseData); });
    });

    // The opening fills the form before any field holds a text, so it is
    // not read from the widgets.
    engine::OpenFrmhoken(m_form, store::ProcessBaseData(), today());
    writeForm(m_form);
    PlaceWhenFirstShown(this, [this](QWidget *w) {
        FitToContent(w);
        PlaceCentred(w, 2.0);
        // The agent starts with the husband's name.
        m_family->household->names[engine::HouseholdIndex::Husband]->setFocus(Qt::OtherFocusReason);
    });
}

Frmhoken::~Frmhoken()
{
    // The focused field loses its focus while the children are destroyed;
    // by then there is no form left to enter an age into.
    disconnect(m_family->household, nullptr, this, nullptr);
}

QDate Frmhoken::today() const
{
    return m_clock().date();
}

void Frmhoken::connectButtons()
{
    using engine::FrmhokenForm;
    const auto on = [this](QPushButton *button, auto &&handler) {
        connect(button, &QPushButton::clicked, this, std::forward<decltype(handler)>(handler));
    };

    FamilyPanel &family = *m_family;
    on(family.now, [this] { run([this](FrmhokenForm &f) { return engine::SetBaseDateToday(f, today()); }); });
    on(family.computeAges, [this] { run([this](FrmhokenForm &f) { return engine::ComputeAges(f, today()); }); });
    // A household cleared away is no longer the stored one: the next save
    // is a new customer.
    on(family.clearInputData, [this] {
        run([this](FrmhokenForm &f) { return engine::ClearInputData(f, today()); });
        m_customerKey = kNewCustomer;
    });
    connect(family.household, &HouseholdPanel::birthDateLeft, this, [this](int index) {
        run([this, index](FrmhokenForm &f) { return engine::LeaveBirthDate(f, index, today()); });
    });

    connect(m_pension, &PensionRecordPanel::operationClicked, this,
            [this](const PensionRecordPanel::Operation &operation) {
                run([this, &operation](FrmhokenForm &f) { return operation(f.pensionRecord(), today()); });
            });
    on(m_income->clear, [this] { run(&engine::ClearIncome); });
    on(m_expenses->clear, [this] { run(&engine::ClearExpenses); });

    InsurancePanel &insurance = *m_insurance;
    on(insurance.clearCompany, [this] { run(&engine::ClearCompany); });
    on(insurance.clearTerm, [this] { run(&engine::ClearTermInsurance); });
    on(insurance.clearWholeLife, [this] { run(&engine::ClearWholeLife); });
    on(insurance.registerPolicies, [this] { run(&engine::RegisterInsurance); });
    on(insurance.showProcess, [this] { showProcess(true); });
    on(m_process->close, [this] { showProcess(false); });

    on(insurance.coverageChart, [this] {
        if (!baseFiguresReady())
            return;
        openChart(screen::CoverageChart, [this](FrmhokenForm &f) {
            return engine::CompareInsuranceWithCoverage(f, store::ProcessBaseData(), today());
        });
    });
    on(insurance.pensionChart,
       [this] { openChart(screen::NeedsPensionChart, [](FrmhokenForm &f) { return engine::ShowPensionChart(f); }); });
    on(insurance.cashFlowChart,
       [this] { openChart(screen::CashFlowChart, [](FrmhokenForm &f) { return engine::ShowIncomeExpenseChart(f); }); });
    on(insurance.deathYearChart, [this] {
        if (!baseFiguresReady())
            return;
        openChart(screen::DeathYearChart,
                  [this](FrmhokenForm &f) { return engine::ShowDeathYearChart(f, store::ProcessBaseData(), today()); });
    });

    on(m_buttons->base, [this] {
        if (!baseFiguresReady())
            return;
        run([this](FrmhokenForm &f) { return engine::RunBaseCalculation(f, store::ProcessBaseData(), today()); });
    });
    on(m_buttons->showSheet, [this] { setSheetShown(true); });
    on(m_buttons->hideSheet, [this] { setSheetShown(false); });
    on(m_buttons->clearAll, [this] {
        run([this](FrmhokenForm &f) { return engine::ClearAll(f, today()); });
        m_customerKey = kNewCustomer;
    });
    on(m_buttons->save, [this] {
        readForm(m_form);
        if (!m_save)
            return;
        const SaveResult result = m_save(m_form, m_customerKey);
        m_customerKey = result.customerKey;
        // A refused save must not leave the last one's confirmation standing.
        m_buttons->showStatus(result.saved ? QStringLiteral("保存しました") : QString());
    });
    on(m_buttons->csv, [this] { exportCsv(); });
    on(m_buttons->report, [this] { writeReport(); });
    on(m_buttons->closeScreen, [this] { close(); });
    connect(m_buttons->printer, &ClickLabel::clicked, this,
            [this] { ScreenPrint(this, PageOrientation::Landscape, m_buttons->printer); });
}

void Frmhoken::exportCsv()
{
    std::optional<QByteArray> csv;
    run([&csv](engine::FrmhokenForm &f) {
        engine::CsvExport exported = engine::ExportProjectionCsv(f);
        csv = std::move(exported.csv);
        return engine::CalculationOutcome{std::move(exported.messages), !csv};
    });
    if (!csv)
        return;
    const QString proposed =
        DocumentsPath(engine::CustomerFileName(QStringLiteral("試算表"), m_form, today(), QStringLiteral("csv")));
    SaveFileAs(this, QStringLiteral("CSV出力"), proposed, [&csv](const QString &path) {
        QSaveFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(*csv) == csv->size() && file.commit();
    });
}

bool Frmhoken::baseFiguresReady()
{
    return BaseDataInUse::instance().ready(this);
}

void Frmhoken::writeReport()
{
    if (!baseFiguresReady())
        return;
    std::optional<engine::ConsultationReport> report;
    run([this, &report](engine::FrmhokenForm &f) {
        engine::ReportOpening opening = engine::OpenConsultationReport(f, store::ProcessBaseData(), today());
        report = std::move(opening.report);
        return engine::CalculationOutcome{std::move(opening.messages), !report};
    });
    if (!report)
        return;
    const QString proposed =
        DocumentsPath(engine::CustomerFileName(QStringLiteral("提案書"), m_form, today(), QStringLiteral("pdf")));
    SaveFileAs(this, QStringLiteral("提案書PDF"), proposed,
               [&report](const QString &path) { return WriteConsultationReport(*report, path); });
}

bool Frmhoken::reopenCustomer(const engine::CustomerRecord &record, qint64 key)
{
    readForm(m_form);
    if (engine::HoldsHousehold(m_form) && Messages().ask(this, engine::ReplaceHouseholdQuestion()) != Answer::Yes)
        return false;
    run([this, &record](engine::FrmhokenForm &f) { return engine::ReopenCustomer(f, record, today()); });
    m_customerKey = key;
    show();
    raise();
    activateWindow();
    // The agent recomputes the household with this year's figures first.
    m_buttons->base->setFocus(Qt::OtherFocusReason);
    return true;
}

void Frmhoken::carryHousehold(const engine::FrmRavoForm &pension)
{
    run([&pension](engine::FrmhokenForm &f) { return engine::CarryHousehold(f, pension); });
    m_customerKey = kNewCustomer;
}

void Frmhoken::setSaveHandler(SaveHandler handler)
{
    m_save = std::move(handler);
    m_buttons->save->setEnabled(static_cast<bool>(m_save));
}

template <typename Operation> void Frmhoken::openChart(const QString &key, Operation &&operation)
{
    std::invoke_result_t<Operation, engine::FrmhokenForm &> opening;
    run([&](engine::FrmhokenForm &f) {
        opening = operation(f);
        // The messages are shown here, before the chart window comes up.
        return engine::CalculationOutcome{opening.messages, !opening.chart};
    });
    if (!opening.chart)
        return;
    ChartWindow *window = ShowChartWindow(m_registry, key, *opening.chart);
    if constexpr (requires { opening.table; }) {
        if (window)
            window->fillTable(opening.table);
    }
}

void Frmhoken::setSheetShown(bool shown)
{
    QScrollBar *bar = m_scroll->verticalScrollBar();
    if (shown && !m_sheet->isVisible())
        m_scrolledBeforeSheet = bar->value();
    m_sheet->setVisible(shown);
    if (!isVisible())
        return;
    FitToContent(this);
    // On a laptop the sheet opens below the form's last line: it is brought
    // into view, and closing it goes back to where the agent was.
    if (shown)
        m_scroll->ensureWidgetVisible(m_sheet, 0, 0);
    else
        bar->setValue(m_scrolledBeforeSheet);
}

void Frmhoken::showProcess(bool shown)
{
    for (QWidget *panel : {static_cast<QWidget *>(m_needsCaption), static_cast<QWidget *>(m_income),
                           static_cast<QWidget *>(m_expenses), static_cast<QWidget *>(m_insurance)})
        panel->setVisible(!shown);
    m_process->setVisible(shown);
}

void Frmhoken::readForm(engine::FrmhokenForm &form) const
{
    m_family->read(form);
    m_pension->read(form.pensionRecord());
    m_income->read(form);
    m_expenses->read(form);
    m_insurance->read(form);
}

void Frmhoken::writeForm(const engine::FrmhokenForm &form)
{
    m_family->write(form);
    m_pension->write(form.pensionRecord());
    m_law->setText(form.lawCaption);
    m_income->write(form);
    m_expenses->write(form);
    m_insurance->write(form);
    m_process->write(form.num3, form.oldFormulaCaption);
    m_sheet->sheet()->setCells(form.sheet.rowCount(), form.sheet.columnCount(),
                               [&sheet = form.sheet](int row, int column) { return sheet.text(row, column); });
}

void Frmhoken::closeEvent(QCloseEvent *event)
{
    // The close box would throw away the consultation in progress; the
    // program's own close (its end, the end of the desktop session) and
    // "閉じる" go through.
    if (!event->spontaneous()) {
        QWidget::closeEvent(event);
        return;
    }
    event->ignore();
    Messages().show(this, engine::Message{QStringLiteral(" 終了は画面の閉じるボタンでお願いします"),
                                          QStringLiteral("×ボタンが押されました"), engine::MessageIcon::Warning,
                                          QString(), false});
}

} // namespace izoku::ui
