#include "formlogin.h"

#include "ui/app/clicklabel.h"
#include "ui/app/heading.h"
#include "ui/app/messageservice.h"
#include "ui/app/placement.h"
#include "ui/app/screenprint.h"

#include "engine/basedata/basefigures.h"
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

struct FigureRow {
    const char *label;
    const char *reference; // the 2009 figure shown for comparison
};

const FigureRow kRows[engine::kBaseFigureCount] = {
    {"年　度", "2009"},   {"物価スライド率", "0.985"}, {"遺族基礎年金額", "792100"},
    {"加算額", "227900"}, {"3人目の加算額", "75900"},
};

} // namespace

FormLogin::FormLogin(const QString &databasePath, engine::BaseData &baseData, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_databasePath(databasePath)
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
        grid->addWidget(new QLabel(QString::fromUtf8(kRows[slot].label), panel), slot + 1, 0);
        auto *field = new QLineEdit(panel);
        field->setObjectName(QStringLiteral("Num1(%1)").arg(slot));
        field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(field, slot + 1, 1);
        m_fields[static_cast<size_t>(slot)] = field;
        auto *reference = new QLabel(QString::fromUtf8(kRows[slot].reference), panel);
        reference->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(reference, slot + 1, 2);
    }
    layout->addWidget(panel);
    layout->addWidget(new QLabel(QStringLiteral("■ 最新のデータを使用してください"), this));

    auto *buttons = new QHBoxLayout;
    auto *save = new QPushButton(QStringLiteral("変更登録"), this);
    save->setObjectName(QStringLiteral("Command1"));
    connect(save, &QPushButton::clicked, this, &FormLogin::store);
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
    setFixedSize(sizeHint().expandedTo(QSize(380, 0)));
    PlaceWhenFirstShown(this, [](QWidget *w) { PlaceCentred(w, 2.5); });

    // The newest row is the one start-up loads: showing and changing any
    // other would leave the agent's change unused.
    const auto stored = store::ReadNewestBaseFigures(m_databasePath);
    if (!stored) {
        ShowMessageLater(this, engine::Warning(QStringLiteral("基本データを読み込めませんでした。"
                                                              "ndata.mdb を確認してください。"),
                                               QStringLiteral("エラー")));
        return;
    }
    m_read = true;
    m_key = stored->key;
    for (int slot = 0; slot < engine::kBaseFigureCount; ++slot)
        m_fields[static_cast<size_t>(slot)]->setText(stored->texts[static_cast<size_t>(slot)]);
    if (m_key >= 0)
        engine::CopyBaseFigures(stored->texts, baseData);
}

void FormLogin::store()
{
    if (Messages().ask(this, engine::RegisterQuestion()) != Answer::Yes)
        return;
    engine::BaseFigureTexts texts;
    for (int slot = 0; slot < engine::kBaseFigureCount; ++slot)
        texts[static_cast<size_t>(slot)] = m_fields[static_cast<size_t>(slot)]->text();
    const engine::FiguresToStore figures = engine::ReadFiguresToStore(texts);
    if (figures.refusal) {
        ShowMessage(this, *figures.refusal, findChild<QLineEdit *>(figures.refusal->focus));
        return;
    }
    // A file that could not be read when the screen opened is not written
    // blind: the row it would change is unknown.
    bool stored = false;
    if (m_read) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        const store::WriteOutcome outcome = store::StoreBaseFigures(m_databasePath, m_key, figures.values);
        QGuiApplication::restoreOverrideCursor();
        stored = outcome.written();
        if (stored)
            m_key = outcome.key;
    }
    if (!stored)
        Messages().show(this, engine::StoreFailedMessage());
}

} // namespace izoku::ui
