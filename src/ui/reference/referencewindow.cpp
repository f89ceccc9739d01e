#include "referencewindow.h"

#include "ui/app/controls.h"
#include "ui/app/placement.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

namespace izoku::ui {

namespace {

// What the title bar and borders of a decorated window take.
const QSize kFrameAllowance(16, 40);

} // namespace

ReferenceWindow::ReferenceWindow(const QString &name, const QString &caption, ButtonRow row, double topDivisor,
                                 QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(name);
    setWindowTitle(caption);
    auto *outer = new QVBoxLayout(this);
    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("Scroll"));
    // The window's buttons and tabs are its stops; the frame is none.
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    m_content = new QWidget(scroll);
    m_content->setObjectName(QStringLiteral("Content"));
    m_body = new QVBoxLayout(m_content);
    scroll->setWidget(m_content);
    m_buttons = new QHBoxLayout;
    m_buttons->addStretch(1);
    if (row == ButtonRow::Top)
        outer->addLayout(m_buttons);
    outer->addWidget(scroll, 1);
    if (row == ButtonRow::Bottom)
        outer->addLayout(m_buttons);
    PlaceWhenFirstShown(this, [topDivisor](QWidget *w) { PlaceRight(w, topDivisor); });
}

QPushButton *ReferenceWindow::addCloseButton(QBoxLayout *layout, const QString &name)
{
    auto *close = MakeButton(this, name, QStringLiteral("閉じる"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    layout->addWidget(close);
    return close;
}

void ReferenceWindow::finish(bool ownClose, const QString &closeName)
{
    m_body->addStretch(1);
    if (!ownClose)
        addCloseButton(m_buttons, closeName);
    // The whole content when the screen has room, else as much as fits with
    // scroll bars for the rest.
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QSize room = (screen ? screen->availableGeometry().size() : QSize(1024, 768)) - kFrameAllowance;
    // Wrapped paragraphs grow taller as the window narrows: measure the
    // content at the width the window will have.
    const QMargins margins = layout()->contentsMargins();
    const QSize chrome(margins.left() + margins.right() + 24,
                       margins.top() + margins.bottom() + 24 + m_buttons->sizeHint().height() + layout()->spacing());
    const int width =
        qMin(m_designWidth > 0 ? m_designWidth : m_content->sizeHint().width() + chrome.width(), room.width());
    const int contentWidth = width - chrome.width();
    const int height =
        m_content->hasHeightForWidth() ? m_content->heightForWidth(contentWidth) : m_content->sizeHint().height();
    const QSize wanted(width, height + chrome.height());
    resize(wanted.boundedTo(room));
}

} // namespace izoku::ui
