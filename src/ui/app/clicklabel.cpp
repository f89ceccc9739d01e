#include "clicklabel.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace izoku::ui {

namespace {

QPixmap drawPrinter()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 3, 14, 10)); // paper going in
    p.setBrush(QColor(160, 160, 160));
    p.drawRoundedRect(QRectF(3, 12, 26, 12), 2, 2); // body
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8, 19, 16, 10)); // printed page
    p.drawLine(QPointF(11, 23), QPointF(21, 23));
    p.drawLine(QPointF(11, 26), QPointF(19, 26));
    return pixmap;
}

} // namespace

ClickLabel::ClickLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

ClickLabel *ClickLabel::printerPicture(QWidget *parent)
{
    auto *picture = new ClickLabel(QString(), parent);
    picture->setPixmap(drawPrinter());
    picture->setFixedSize(34, 34);
    picture->setAlignment(Qt::AlignCenter);
    picture->setToolTip(QStringLiteral("画面印刷"));
    return picture;
}

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

} // namespace izoku::ui
