#include "formlogin.h"

#include "ui/app/basedatainuse.h"
#include "ui/app/clicklabel.h"
#include "ui/app/controls.h"
#include "ui/app/heading.h"
#include "ui/app/inputfilters.h"
#include "ui/app/messageservice.h"
#include "ui/app/placement.h"
#include "ui/app/screenprint.h"

#include "engine/law/pensionlaw.h"
#include "store/basefigures.h"
#include "store/database.h"
#include "store/writefailure.h"

#include <QCursor>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace izoku::ui {

namespace {

// The labels of the five figures every year has, Num1(0) to Num1(4).
const char *const kEveryYearLabels[] = {"年　度", "物価スライド率", "遺族基礎年金額", "加算額", "3人目の加算額"};

QString rowLabel(int slot)
{
    switch (engine::kBaseFigures[slot]) {
    case engine::BaseFigure::OldCohortBasicPension:
        return engine::LawFigureName(engine::LawFigure::OldCohortBasicPension);
    case engine::BaseFigure::PreviousAmountRevisionRate:
        return engine::LawFigureName(engine::LawFigure::PreviousAmountRevisionRate);
    default:
        return QString::fromUtf8(kEveryYearLabels[slot]);
    }
}

// Wide enough for the two columns' headings.
constexpr int kLeastWidth = 380;
// Top = (screen height - window height) / 2.5.
constexpr double kTopDivisor = 2.5;

// A store or a removal keeps the agent waiting while another program holds
// the file.
template <typename Write> store::WriteOutcome waitingFor(Write write)
{
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    const store::WriteOutcome outcome = write();
    QGuiApplication::restoreOverrideCursor();
    return outcome;
}

} // namespace

FormLogin::FormLogin(const QString &databasePath, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_databasePath(databasePath)
    , m_session(
          *this, m_form, [this](engine::FormLoginForm &) { readForm(); },
          [this](const engine::FormLoginForm &) { writeForm(); })
{
    setObjectName(QStringLiteral("FormLogin"));
    setWindowTitle(QStringLiteral("初期係数"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Heading(QStringLiteral("基本データ登録"), this));

    auto *panel = new QGroupBox(this);
    auto *grid = new QGridLayout(panel);
    grid->addWidget(new QLabel(QStringLiteral("登録されている内容"), panel), 0, 1, Qt::AlignCenter);
    grid->addWidget(new QLabel(QStringLiteral("2009年内容"), panel), 0, 2, Qt::AlignCenter);
    auto *selectFromKeyboard = new SelectAllOnFocus(SelectAllOnFocus::Entry::FromKeyboard, this);
    for (int slot = 0; slot < engine::kBaseFigureCount; ++slot) {
        const auto at = static_cast<size_t>(slot);
        grid->addWidget(new QLabel(rowLabel(slot), panel), slot + 1, 0);
        m_fields[at] = new QLineEdit(panel);
        m_fields[at]->setObjectName(engine::BaseFigureFieldName(slot));
        m_fields[at]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // The year's figure typed replaces the one shown.
        selectFromKeyboard->attach(m_fields[at]);
        grid->addWidget(m_fields[at], slot + 1, 1);
        m_references[at] = new QLabel(panel);
        m_references[at]->setObjectName(QStringLiteral("Label2(%1)").arg(slot));
        m_references[at]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(m_references[at], slot + 1, 2);
    }
    layout->addWidget(panel);
    layout->addWidget(new QLabel(QStringLiteral("■ 最新のデータを使用してください"), this));

    auto *years = new QHBoxLayout;
    QPushButton *add = MakeButton(this, QStringLiteral("Command3"), QStringLiteral("年度追加"));
    connect(add, &QPushButton::clicked, this, [this] { m_session.run(&engine::AddFiscalYear); });
    QPushButton *remove = MakeButton(this, QStringLiteral("Command4"), QStringLiteral("年度削除"));
    connect(remove, &QPushButton::clicked, this, &FormLogin::removeYear);
    years->addWidget(add);
    years->addWidget(remove);
    years->addStretch();
    layout->addLayout(years);

    auto *buttons = new QHBoxLayout;
    QPushButton *save = MakeButton(this, QStringLiteral("Command1"), QStringLiteral("変更登録"));
    connect(save, &QPushButton::clicked, this, &FormLogin::registerFigures);
    QPushButton *close = MakeButton(this, QStringLiteral("Command2"), QStringLiteral("閉じる"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    m_printer = ClickLabel::printerPicture(this);
    m_printer->setObjectName(QStringLiteral("Picture1"));
    connect(m_printer, &ClickLabel::clicked, this,
            [this] { ScreenPrint(this, PageOrientation::PrinterDefault, m_printer); });
    buttons->addWidget(m_printer);
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    // Another year chosen on the menu is the one this screen shows.
    connect(&BaseDataInUse::instance(), &BaseDataInUse::figuresChanged, this,
            [this](const engine::BaseData &baseData) { showYear(baseData.FiscalYear); });
    // The reference figures are part of the width the screen needs.
    writeForm();
    setFixedSize(sizeHint().expandedTo(QSize(kLeastWidth, 0)));
    PlaceWhenFirstShown(this, [](QWidget *w) { PlaceCentred(w, kTopDivisor); });
}

void FormLogin::open()
{
    showYear(store::ProcessBaseData().FiscalYear);
    useShownYear();
}

void FormLogin::showYear(int fiscalYear)
{
    const std::optional<QList<engine::StoredBaseFigures>> rows = store::ReadBaseFigureRows(m_databasePath);
    m_read = rows.has_value();
    const engine::CalculationOutcome outcome = engine::OpenFormLogin(m_form, rows, fiscalYear);
    writeForm();
    for (const engine::Message &message : outcome.messages)
        ShowMessageLater(this, message);
}

void FormLogin::useShownYear()
{
    if (m_form.shownKey >= 0)
        BaseDataInUse::instance().load(m_databasePath, engine::FiscalYearOf(m_form.num1));
}

void FormLogin::readForm()
{
    for (int slot = 0; slot < engine::kBaseFigureCount; ++slot)
        m_form.num1[static_cast<size_t>(slot)] = m_fields[static_cast<size_t>(slot)]->text();
}

void FormLogin::writeForm()
{
    for (int slot = 0; slot < engine::kBaseFigureCount; ++slot) {
        const auto at = static_cast<size_t>(slot);
        m_fields[at]->setText(m_form.num1[at]);
        m_references[at]->setText(m_form.reference[at]);
    }
}

void FormLogin::registerFigures()
{
    if (Messages().ask(this, engine::RegisterQuestion()) != Answer::Yes)
        return;
    const engine::CalculationOutcome outcome = m_session.run([this](engine::FormLoginForm &form) {
        return engine::RegisterBaseFigures(
            form, [this](const engine::BaseFigureValues &values) { return storeFigures(values); });
    });
    if (!outcome.messages.empty())
        return;
    showYear(engine::FiscalYearOf(m_form.num1).value_or(0));
    useShownYear();
}

std::optional<engine::Message> FormLogin::storeFigures(const engine::BaseFigureValues &values)
{
    // A file that could not be read when the screen opened is not written
    // blind: the row it would change is unknown.
    if (!m_read)
        return engine::StoreFailedMessage();
    const store::WriteOutcome outcome =
        waitingFor([&] { return store::StoreBaseFigures(m_databasePath, m_form.shownKey, values); });
    if (!outcome.written())
        return store::WriteFailedMessage(outcome.failure, store::WriteKind::Register, m_databasePath);
    return std::nullopt;
}

void FormLogin::removeYear()
{
    // A year being added is not in the file yet: it is simply dropped.
    if (m_form.shownKey < 0) {
        showYear(store::ProcessBaseData().FiscalYear);
        return;
    }
    if (const std::optional<engine::Message> refusal = engine::RemovalRefusal(m_form)) {
        ShowMessage(this, *refusal);
        return;
    }
    if (Messages().ask(this, engine::RemoveFiscalYearQuestion(m_form)) != Answer::Yes)
        return;
    const qint64 key = m_form.shownKey;
    const store::WriteOutcome outcome = waitingFor([&] { return store::RemoveBaseFigures(m_databasePath, key); });
    if (!outcome.written()) {
        ShowMessage(this, store::WriteFailedMessage(outcome.failure, store::WriteKind::Register, m_databasePath));
        return;
    }
    // The year in use, or the newest when that was the year removed.
    showYear(store::ProcessBaseData().FiscalYear);
    useShownYear();
}

} // namespace izoku::ui
