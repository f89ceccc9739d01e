#include "frmabout.h"

#include "store/location.h"
#include "ui/app/placement.h"

#include <QDir>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace izoku::ui {

FrmAbout::FrmAbout(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
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

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    layout->addWidget(ok, 0, Qt::AlignRight);
    fitToText();
    PlaceWhenFirstShown(this, [](QWidget *w) { PlaceCentred(w, 3.0); });
}

void FrmAbout::fitToText()
{
    // A window's height does not follow its wrapped lines by itself: at the
    // box's width, ask the layout how tall the lines are, at the font in use.
    QLayout *box = layout();
    box->invalidate();
    const QMargins margins = box->contentsMargins();
    const int width = std::max(420, findChild<QLabel *>(QStringLiteral("lblTitle"))->sizeHint().width() +
                                        margins.left() + margins.right());
    setFixedSize(width, box->totalHeightForWidth(width));
}

void FrmAbout::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange && layout())
        fitToText();
}

} // namespace izoku::ui
