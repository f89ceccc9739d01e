#include "formlogin.h"

#include "ui/app/clicklabel.h"
#include "ui/app/heading.h"
#include "ui/app/messageservice.h"
#include "ui/app/placement.h"
#include "ui/app/screenprint.h"

#include "store/basefigures.h"

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

// The row labels, Num1(slot) by Num1(slot).
const char *const kRowLabels[engine::kBaseFigureCount] = {"年　度", "物価スライド率", "遺族基礎年金額", "加算額",
                                                          "3人目の加算額"};

// Wide enough for the two columns' headings.
constexpr int kLeastWidth = 380;
// Top = (screen height - window height) / 2.5.
constexpr double kTopDivisor = 2.5;

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
    for (int slot = 0; slot < engine::kBaseFigureCount; ++slot) {
        const auto at = static_cast<size_t>(slot);
        grid->addWidget(new QLabel(QString::fromUtf8(kRowLabels[slot]), panel), slot + 1, 0);
        m_fields[at] = new QLineEdit(panel);
        m_fields[at]->setObjectName(QStringLiteral("Num1(%1)").arg(slot));
        m_fields[at]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(m_fields[at], slot + 1, 1);
        m_references[at] = new QLabel(panel);
        m_references[at]->setObjectName(QStringLiteral("Label2(%1)").arg(slot));
        m_references[at]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(m_references[at], slot + 1, 2);
    }
    layout->addWidget(panel);
    layout->addWidget(new QLabel(QStringLiteral("■ 最新のデータを使用してください"), this));

    auto *buttons = new QHBoxLayout;
    auto *save = new QPushButton(QStringLiteral("変更登録"), this);
    save->setObjectName(QStringLiteral("Command1"));
    connect(save, &QPushButton::clicked, this, &FormLogin::registerFigures);
    auto *close = new QPushButton(QStringLiteral("閉じる"), this);
    close->setObjectName(QStringLiteral("Command2"));
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
    // The reference figures are part of the width the screen needs.
    writeForm();
    setFixedSize(sizeHint().expandedTo(QSize(kLeastWidth, 0)));
    PlaceWhenFirstShown(this, [](QWidget *w) { PlaceCentred(w, kTopDivisor); });
}

void FormLogin::open(engine::BaseData &baseData)
{
    // The newest row is the one start-up loads: showing and changing any
    // other would leave the agent's change unused.
    const std::optional<store::StoredBaseFigures> stored = store::ReadNewestBaseFigures(m_databasePath);
    m_read = stored.has_value();
    m_key = stored ? stored->key : -1;
    const engine::CalculationOutcome outcome =
        engine::OpenFormLogin(m_form, stored ? std::optional(stored->texts) : std::nullopt, baseData);
    writeForm();
    for (const engine::Message &message : outcome.messages)
        ShowMessageLater(this, message);
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
    m_session.run([this](engine::FormLoginForm &form) {
        return engine::RegisterBaseFigures(
            form, [this](const engine::BaseFigureValues &values) { return storeFigures(values); });
    });
}

std::optional<engine::Message> FormLogin::storeFigures(const engine::BaseFigureValues &values)
{
    // A file that could not be read when the screen opened is not written
    // blind: the row it would change is unknown.
    if (!m_read)
        return engine::StoreFailedMessage();
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    const store::WriteOutcome outcome = store::StoreBaseFigures(m_databasePath, m_key, values);
    QGuiApplication::restoreOverrideCursor();
    if (!outcome.written())
        return store::WriteFailedMessage(outcome.failure, store::WriteKind::Register, m_databasePath);
    m_key = outcome.key;
    return std::nullopt;
}

} // namespace izoku::ui
