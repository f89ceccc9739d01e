#include "frmhoken.h"

#include "expensepanel.h"
#include "familypanel.h"
#include "frmhokenkeys.h"
#include "incomepanel.h"
#include "insurancepanel.h"
#include "pensionrecordpanel.h"
#include "processpanel.h"

#include "engine/needs/basecalculation.h"
#include "engine/needs/comparison.h"
#include "engine/needs/frmhokenbuttons.h"
#include "engine/needs/householdcarry.h"
#include "engine/needs/insurance.h"
#include "engine/needs/needscharts.h"
#include "engine/needs/projectioncsv.h"
#include "engine/report/consultationreport.h"
#include "engine/report/customerfile.h"
#include "store/database.h"
#include "ui/app/clicklabel.h"
#include "ui/app/messageservice.h"
#include "ui/app/placement.h"
#include "ui/app/screenprint.h"
#include "ui/app/windowregistry.h"
#include "ui/charts/chartopeners.h"
#include "ui/charts/chartwindow.h"
#include "ui/forms/householdpanel.h"
#include "ui/forms/sheetmodel.h"
#include "ui/forms/sheetview.h"
#include "ui/report/reportpdf.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDateEdit>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace izoku::ui {

namespace {

// The reference windows the agent opens beside the form, in the two rows
// of five at the foot of the screen.
struct ReferenceButton {
    const char *name;
    const char16_t *caption;
    const QString &key;
};
const ReferenceButton kReferences[2][5] = {
    {{"Command24", u"年金計算式(法律)", screen::PensionAmounts},
     {"Command26", u"必要補償額算出資料", screen::PensionLevel},
     {"Command28", u"教育費参照", screen::EducationCosts},
     {"Command30", u"平均給与額資料", screen::Salaries},
     {"Command32", u"遺族年金支給要件", screen::Requirements}},
    {{"Command25", u"年金の歴史", screen::History},
     {"Command27", u"年金制度種別一覧", screen::InsuredKinds},
     {"Command29", u"老齢厚生年金資料", screen::PartialPension},
     {"Command31", u"加給年金・振替加算", screen::TransferAddition},
     {"Command33", u"老齢基礎年金", screen::EmployeesPensionCalc}},
};

// The grid shows about a dozen years' rows at a time; the scroll bars give
// the rest.
constexpr int kSheetRowHeight = 20;
constexpr int kSheetVisibleRows = 12;

// The window as large as its content wants, but never larger than the
// screen's free area (what does not fit scrolls), and wholly on it.
void fitToScreen(QWidget *window, QScrollArea *scroll)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1366, 768);
    const QSize frame = window->frameGeometry().size() - window->geometry().size();
    const QSize margins = window->size() - scroll->viewport()->size();
    QSize wanted = scroll->widget()->sizeHint() + margins;
    wanted = wanted.boundedTo(area.size() - frame);
    // A scroll bar that appears takes room from the content.
    if (wanted.height() < scroll->widget()->sizeHint().height() + margins.height())
        wanted.rwidth() =
            std::min(wanted.width() + scroll->verticalScrollBar()->sizeHint().width(), area.width() - frame.width());
    window->resize(wanted);
    // Grown where it stood, it may reach past the screen's edge: keep it in.
    const QRect placed(window->pos(), wanted + frame);
    window->move(std::clamp(placed.left(), area.left(), area.right() + 1 - placed.width()),
                 std::clamp(placed.top(), area.top(), area.bottom() + 1 - placed.height()));
}

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
    m_scroll = new QScrollArea(this);
    m_scroll->setWidgetResizable(true);
    m_scroll->setFrameShape(QFrame::NoFrame);
    outer->addWidget(m_scroll);
    auto *content = new QWidget(m_scroll);
    auto *layout = new QVBoxLayout(content);

    auto *panels = new QHBoxLayout;
    layout->addLayout(panels);
    auto *left = new QVBoxLayout;
    m_family = new FamilyPanel(m_fields, content);
    m_pension = new PensionRecordPanel(m_fields, content);
    left->addWidget(m_family);
    left->addWidget(m_pension);
    left->addStretch();
    panels->addLayout(left);

    auto *middle = new QVBoxLayout;
    middle->addWidget(new QLabel(QStringLiteral("必要補償額 = ②  - ① "), content));
    m_income = new IncomePanel(m_fields, content);
    m_expenses = new ExpensePanel(m_fields, content);
    middle->addWidget(m_income);
    middle->addWidget(m_expenses);
    middle->addStretch();
    panels->addLayout(middle);

    // The calculation process takes the insurance panel's place while the
    // agent explains the survivors' employees' pension.
    auto *right = new QVBoxLayout;
    m_insurance = new InsurancePanel(m_fields, content);
    m_process = new ProcessPanel(content);
    m_process->hide();
    right->addWidget(m_insurance);
    right->addWidget(m_process);
    right->addStretch();
    panels->addLayout(right);

    m_sheetModel = new SheetModel(this);
    m_sheet = new SheetView(content);
    m_sheet->setObjectName(QStringLiteral("MSFlexGrid1"));
    m_sheet->setModel(m_sheetModel);
    m_sheet->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_sheet->horizontalHeader()->hide();
    m_sheet->verticalHeader()->hide();
    m_sheet->horizontalHeader()->setDefaultSectionSize(80);
    m_sheet->verticalHeader()->setDefaultSectionSize(kSheetRowHeight);
    m_sheet->setFixedHeight(kSheetVisibleRows * kSheetRowHeight + 4);
    m_sheet->hide();
    layout->addWidget(m_sheet);
    m_scroll->setWidget(content);
    // The buttons stay in view however far the form is scrolled.
    auto *buttons = buildButtonRow(this);
    buttons->setContentsMargins(9, 0, 9, 6);
    outer->addWidget(buttons);

    InstallFrmhokenKeys(this, m_fields, *m_family->household);
    connectButtons();
    setTabOrder();

    // The opening fills the form before any field holds a text, so it is
    // not read from the widgets.
    engine::OpenFrmhoken(m_form, store::ProcessBaseData(), today());
    writeForm(m_form);
    PlaceWhenFirstShown(this, [this](QWidget *w) {
        fitToScreen(w, m_scroll);
        PlaceCentred(w, 2.0);
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

QWidget *Frmhoken::buildButtonRow(QWidget *parent)
{
    auto *row = new QWidget(parent);
    auto *grid = new QGridLayout(row);

    for (int r = 0; r < 2; ++r) {
        for (int c = 0; c < 5; ++c) {
            const ReferenceButton &reference = kReferences[r][c];
            QPushButton *b =
                MakeButton(row, QString::fromLatin1(reference.name), QString::fromUtf16(reference.caption));
            connect(b, &QPushButton::clicked, this, [this, key = reference.key] { m_registry.show(key); });
            grid->addWidget(b, r, c);
        }
    }
    auto *help = MakeButton(row, QStringLiteral("Command23"), QStringLiteral("HELP"));
    connect(help, &QPushButton::clicked, this, [this] { m_registry.show(screen::Help); });
    grid->addWidget(help, 0, 5);
    m_era = MakeButton(row, QStringLiteral("Command35"), QStringLiteral("西暦/和暦"));
    grid->addWidget(m_era, 1, 5);

    m_base = MakeButton(row, QStringLiteral("cmdBase"), QStringLiteral("基礎計算(2度押し)"));
    m_showSheet = MakeButton(row, QStringLiteral("cmdShowSheet"), QStringLiteral("Sheet表示"));
    m_hideSheet = MakeButton(row, QStringLiteral("cmdHideSheet"), QStringLiteral("Sheet閉じる"));
    m_clearAll = MakeButton(row, QStringLiteral("Command36"), QStringLiteral("AC"));
    grid->addWidget(m_base, 0, 6, 1, 2);
    grid->addWidget(m_showSheet, 1, 6);
    grid->addWidget(m_hideSheet, 1, 7);
    grid->addWidget(m_clearAll, 0, 8);

    m_printer = ClickLabel::printerPicture(row);
    m_printer->setObjectName(QStringLiteral("Picture5"));
    grid->addWidget(m_printer, 1, 8, Qt::AlignCenter);
    m_saveButton = MakeButton(row, QStringLiteral("cmdSave"), QStringLiteral("保 存"));
    m_saveButton->setEnabled(false);
    m_close = MakeButton(row, QStringLiteral("Command22"), QStringLiteral("閉じる"));
    grid->addWidget(m_saveButton, 0, 9);
    grid->addWidget(m_close, 1, 9);
    m_csv = MakeButton(row, QStringLiteral("cmdCsv"), QStringLiteral("CSV出力"));
    m_report = MakeButton(row, QStringLiteral("cmdReport"), QStringLiteral("提案書PDF"));
    grid->addWidget(m_csv, 0, 10);
    grid->addWidget(m_report, 1, 10);
    return row;
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
        m_customerKey = -1;
    });
    connect(family.household, &HouseholdPanel::birthDateLeft, this, [this](int index) {
        run([this, index](FrmhokenForm &f) { return engine::LeaveBirthDate(f, index, today()); });
    });

    PensionRecordPanel &pension = *m_pension;
    on(pension.calculateTo2003,
       [this] { run([](FrmhokenForm &f) { return engine::CalculateMonthsTo2003(f.pensionRecord()); }); });
    on(pension.calculateFrom2003,
       [this] { run([](FrmhokenForm &f) { return engine::CalculateMonthsFrom2003(f.pensionRecord()); }); });
    on(pension.calculateNational,
       [this] { run([](FrmhokenForm &f) { return engine::CalculateNationalMonths(f.pensionRecord()); }); });
    on(pension.clearPeriods, [this] { run(&engine::ClearPeriods); });
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
        openChart(screen::CoverageChart, [this](FrmhokenForm &f) {
            return engine::CompareInsuranceWithCoverage(f, store::ProcessBaseData(), today());
        });
    });
    on(insurance.pensionChart,
       [this] { openChart(screen::NeedsPensionChart, [](FrmhokenForm &f) { return engine::ShowPensionChart(f); }); });
    on(insurance.cashFlowChart,
       [this] { openChart(screen::CashFlowChart, [](FrmhokenForm &f) { return engine::ShowIncomeExpenseChart(f); }); });

    on(m_base, [this] {
        run([this](FrmhokenForm &f) { return engine::RunBaseCalculation(f, store::ProcessBaseData(), today()); });
    });
    on(m_showSheet, [this] { setSheetShown(true); });
    on(m_hideSheet, [this] { setSheetShown(false); });
    on(m_clearAll, [this] {
        run([this](FrmhokenForm &f) { return engine::ClearAll(f, today()); });
        m_customerKey = -1;
    });
    on(m_era, [this] { m_registry.show(screen::EraTable); });
    on(m_saveButton, [this] {
        readForm(m_form);
        if (m_save)
            m_customerKey = m_save(m_form, m_customerKey);
    });
    on(m_csv, [this] { exportCsv(); });
    on(m_report, [this] { writeReport(); });
    on(m_close, [this] { close(); });
    connect(m_printer, &ClickLabel::clicked, this,
            [this] { ScreenPrint(this, PageOrientation::Landscape, m_printer); });
}

void Frmhoken::setTabOrder()
{
    const HouseholdPanel &h = *m_family->household;
    QList<QWidget *> order;
    for (int i = 0; i < HouseholdPanel::kCount; ++i) {
        order << h.roles[i] << h.names[i] << h.births[i] << h.ages[i];
        if (h.disabled[i])
            order << h.disabled[i] << h.present[i];
    }
    order << m_family->computeAges << m_pension->membership[0] << m_pension->membership[1];
    const auto num1 = [this](int slot) { return m_fields.num1[static_cast<size_t>(slot)]; };
    for (int slot : {7, 8, 10, 11, 14, 15, 51, 52})
        order << num1(slot);
    for (int slot = engine::HokenNum1::LivingCost; slot <= engine::HokenNum1::Funeral; ++slot)
        order << num1(slot);
    order << m_base << m_insurance->fmt3[0] << m_insurance->fmt3[1];
    for (int slot = 0; slot <= engine::HokenNum4::ReferenceAge - 1; ++slot)
        order << m_fields.num4[static_cast<size_t>(slot)];
    order << m_insurance->registerPolicies << m_insurance->lifeExpectancy << m_insurance->chosenAge;
    for (int slot = engine::HokenNum4::ReferenceAge; slot < engine::HokenNum4::kCount; ++slot)
        order << m_fields.num4[static_cast<size_t>(slot)];
    order << m_insurance->coverageChart << m_insurance->pensionChart << m_insurance->cashFlowChart << m_saveButton;
    SetTabOrder(this, order);
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

void Frmhoken::writeReport()
{
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
    m_base->setFocus(Qt::OtherFocusReason);
    return true;
}

void Frmhoken::carryHousehold(const engine::FrmRavoForm &pension)
{
    run([&pension](engine::FrmhokenForm &f) { return engine::CarryHousehold(f, pension); });
    m_customerKey = -1;
}

void Frmhoken::setSaveHandler(SaveHandler handler)
{
    m_save = std::move(handler);
    m_saveButton->setEnabled(static_cast<bool>(m_save));
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
    std::vector<QStringList> table;
    if constexpr (requires { opening.table; })
        table = opening.table;
    QWidget *window = ShowChartWindow(m_registry, key, *opening.chart);
    if (auto *chart = qobject_cast<ChartWindow *>(window); chart && !table.empty())
        chart->fillTable(table);
    if (!window)
        window = m_registry.existing(key);
    emit chartOpened(key, window, *opening.chart, table);
}

void Frmhoken::setSheetShown(bool shown)
{
    m_sheet->setVisible(shown);
    if (isVisible())
        fitToScreen(this, m_scroll);
}

void Frmhoken::showProcess(bool shown)
{
    m_insurance->setVisible(!shown);
    m_process->setVisible(shown);
    if (isVisible())
        fitToScreen(this, m_scroll);
}

void Frmhoken::readForm(engine::FrmhokenForm &form) const
{
    m_family->read(form);
    m_pension->read(form);
    m_income->readSlots(form);
    m_expenses->readSlots(form);
    m_insurance->read(form);
}

void Frmhoken::writeForm(const engine::FrmhokenForm &form)
{
    m_family->write(form);
    m_pension->write(form);
    m_income->writeSlots(form);
    m_expenses->writeSlots(form);
    m_insurance->write(form);
    m_process->write(form.num3);
    m_sheetModel->setCells(form.sheet.rowCount(), form.sheet.columnCount(),
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
