#include "formhelp.h"

#include "engine/forms/message.h"
#include "referencewidgets.h"

#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QPixmap>
#include <QVBoxLayout>

namespace izoku::ui {

namespace {

struct Hint {
    const char *caption;
    // The fields of the needs-analysis screen the hint is about; none: the
    // whole screen.
    QStringList fields;
};

QStringList range(const QString &array, int from, int to)
{
    QStringList names;
    for (int i = from; i <= to; ++i)
        names << engine::ControlName(array, i);
    return names;
}

QList<Hint> hints()
{
    return {
        {"すべてEnterキー、矢印キーで移動できます。", {}},
        {"年齢計算と対象者チェックは自動的に行います。",
         range(QStringLiteral("Num1"), 0, 6) + range(QStringLiteral("Date1"), 0, 6)},
        {"国民年金の場合は加入期間を月単位で入力", range(QStringLiteral("Num1"), 7, 7)},
        {"厚生年金の場合は、H15/3までの加入期間と平均標準報酬月額とH15/4月以降の期間と金額を入力",
         range(QStringLiteral("Num1"), 8, 11)},
        {"夫が亡くなった場合は妻に働いてもらいましょう。働き始めの年齢と年収を入力してください。",
         range(QStringLiteral("Num1"), 14, 15) + range(QStringLiteral("Num1"), 51, 51)},
        {"1ヶ月の生活費を入力しましょう", range(QStringLiteral("Num1"), 16, 16)},
        {"生命保険に加入されている場合は入力しましょう。そうすると必要補償額との比較ができます。",
         range(QStringLiteral("Num4"), 0, 12)},
        {"必要補償額の算出年齢基準（歳まで）を選択します。", range(QStringLiteral("Num4"), 13, 15)},
    };
}

constexpr int kPictureWidth = 420;
// Enough of the screen around the fields for the agent to see where on the
// screen they are.
const QSize kLeastArea(400, 160);

// The part of the screen around the hint's fields, or the whole screen.
QPixmap picture(QWidget *screen, const QStringList &fields)
{
    QRect area;
    for (const QString &name : fields) {
        const QWidget *field = screen->findChild<QWidget *>(name);
        if (field)
            area |= QRect(field->mapTo(screen, QPoint(0, 0)), field->size());
    }
    if (area.isNull()) {
        area = screen->rect();
    } else {
        const QSize size = area.size().expandedTo(kLeastArea);
        area = QRect(QPoint(0, 0), size).translated(area.center() - QPoint(size.width() / 2, size.height() / 2));
        area &= screen->rect();
    }
    const QPixmap shot = screen->grab(area);
    return shot.width() > kPictureWidth ? shot.scaledToWidth(kPictureWidth, Qt::SmoothTransformation) : shot;
}

} // namespace

QStringList FormHelp::Captions()
{
    QStringList captions;
    for (const Hint &hint : hints())
        captions << QString::fromUtf8(hint.caption);
    return captions;
}

FormHelp::FormHelp(ScreenSource source, QWidget *parent)
    : ReferenceWindow(QStringLiteral("FormHelp"), QStringLiteral("使用方法"), ButtonRow::Bottom, 10.0, parent)
{
    QWidget *screen = source ? source() : nullptr;
    if (screen) {
        // A screen never shown has neither taken its size nor laid itself
        // out yet.
        screen->ensurePolished();
        if (!screen->isVisible() && !screen->testAttribute(Qt::WA_Resized))
            screen->adjustSize();
        if (screen->layout())
            screen->layout()->activate();
    }
    auto *grid = new QGridLayout;
    const QList<Hint> all = hints();
    for (int i = 0; i < all.size(); ++i) {
        auto *caption = Heading(this, QString::fromUtf8(all[i].caption));
        caption->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        grid->addWidget(caption, i, 0, Qt::AlignTop);
        if (screen) {
            auto *shot = new QLabel(this);
            shot->setObjectName(QStringLiteral("Picture%1").arg(i + 1));
            shot->setPixmap(picture(screen, all[i].fields));
            shot->setFrameShape(QFrame::Box);
            grid->addWidget(shot, i, 1, Qt::AlignLeft);
        }
    }
    grid->setColumnStretch(0, 1);
    body()->addLayout(grid);
    setDesignWidth(screen ? 760 : 480);
    finish();
}

} // namespace izoku::ui
