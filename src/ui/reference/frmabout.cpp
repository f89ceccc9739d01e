#include "frmabout.h"

#include "frmrestore.h"

#include "store/location.h"
#include "store/restore.h"
#include "ui/app/controls.h"
#include "ui/app/messageservice.h"
#include "ui/app/placement.h"

#include <QCursor>
#include <QDir>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace izoku::ui {

FrmAbout::FrmAbout(Clock clock, std::function<void()> restored, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_clock(std::move(clock))
    , m_restored(std::move(restored))
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));

    auto *layout = new QVBoxLayout(this);
    auto addLine = [this, layout](const QString &name, const QString &text, int pointSize = 0) {
        auto *label = new QLabel(text, this);
        label->setObjectName(name);
        label->setWordWrap(true);
        if (pointSize > 0) {
            QFont font = label->font();
            font.setPointSize(pointSize);
            font.setBold(true);
            label->setFont(font);
        }
        layout->addWidget(label);
        return label;
    };
    addLine(QStringLiteral("lblTitle"), QStringLiteral("遺族保障プランナー　（Izoku Planner）"), 14);
    addLine(QStringLiteral("lblVersion"), QStringLiteral("Ver 1.0.0.0"));
    addLine(QStringLiteral("lblCredit"),
            QStringLiteral("監修：遺族保障プランナー開発チーム（ファイナンシャル・プランニング監修）"));
    addLine(QStringLiteral("lblRights"),
            QStringLiteral("Copyright (C) Izoku Planner 開発チーム　All rights reserved."));
    addLine(QStringLiteral("lblWarning"),
            QStringLiteral("警告：このプログラムは著作権法および国際条約により保護されています。"
                           "無断で複製・配布・改変すると、法律により罰せられることがあります。"));
    // Which file holds the customers: the one to copy, move or restore.
    addLine(QStringLiteral("lblDatabase"),
            QStringLiteral("データファイル：%1").arg(QDir::toNativeSeparators(store::DatabaseInUse())))
        ->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addSpacing(8);

    auto *buttons = new QHBoxLayout;
    QPushButton *restoreButton = MakeButton(this, QStringLiteral("cmdRestore"), QStringLiteral("バックアップから復元"));
    connect(restoreButton, &QPushButton::clicked, this, &FrmAbout::chooseCopy);
    buttons->addWidget(restoreButton);
    buttons->addStretch();
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(ok);
    layout->addLayout(buttons);
    fitToText();
    PlaceWhenFirstShown(this, [](QWidget *w) { PlaceCentred(w, 3.0); });
}

void FrmAbout::fitToText()
{
    // A window's height does not follow its wrapped lines by itself: at the
    // box's width, ask the layout how tall the lines are, at the font in use.
    QLayout *box = layout();
    // The button row keeps the sizes of the font before unless told.
    for (int item = 0; item < box->count(); ++item) {
        if (QLayout *row = box->itemAt(item)->layout())
            row->invalidate();
    }
    box->invalidate();
    const QMargins margins = box->contentsMargins();
    const int width = std::max(420, findChild<QLabel *>(QStringLiteral("lblTitle"))->sizeHint().width() +
                                        margins.left() + margins.right());
    setFixedSize(width, box->totalHeightForWidth(width));
}

void FrmAbout::chooseCopy()
{
    const QString path = store::DatabaseInUse();
    std::vector<store::RestorableCopy> copies = store::RestorableCopies(path);
    if (copies.empty()) {
        Messages().show(this, store::NoCopiesMessage(path));
        return;
    }
    auto *choice = new FrmRestore(std::move(copies), this);
    choice->setAttribute(Qt::WA_DeleteOnClose);
    connect(choice, &QDialog::accepted, this, [this, choice] {
        if (const auto copy = choice->chosen())
            restore(*copy);
    });
    choice->open();
}

void FrmAbout::restore(const store::DailyCopy &copy)
{
    if (Messages().ask(this, store::RestoreQuestion(copy)) != Answer::Yes)
        return;
    const QString path = store::DatabaseInUse();
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    const store::RestoreOutcome outcome = store::RestoreCopy(path, copy, m_clock());
    QGuiApplication::restoreOverrideCursor();
    if (outcome.result == store::RestoreOutcome::Result::Restored && m_restored)
        m_restored();
    Messages().show(this, store::RestoreOutcomeMessage(outcome, copy, path));
}

void FrmAbout::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange && layout())
        fitToText();
}

} // namespace izoku::ui
