#include "placement.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWidget>

namespace izoku::ui {

namespace {

// Title bar and borders of a window not yet shown, when the window manager
// has not told their size: generous, so a window never ends up under the
// bottom of the screen.
constexpr QSize kFrameAllowance(16, 40);

// More nested layouts than any window has.
constexpr int kLayoutLevels = 16;

QRect screenArea(const QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

QSize frameExtra(const QWidget *window)
{
    const QSize extra = window->frameGeometry().size() - window->geometry().size();
    return window->isVisible() && !extra.isEmpty() ? extra : kFrameAllowance;
}

// The largest size of the window's inside that keeps its frame on screen.
QSize roomFor(const QWidget *window)
{
    return screenArea(window).size() - frameExtra(window);
}

// Moves the window so its frame lies inside the free area, as far as the
// frame is not larger than the area.
void keepOnScreen(QWidget *window)
{
    const QRect area = screenArea(window);
    const QRect frame = window->frameGeometry();
    const int x = std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width()));
    const int y = std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height()));
    if (x != frame.left() || y != frame.top())
        window->move(x, y);
}

void moveInside(QWidget *window, int left, int top)
{
    window->move(left, top);
    keepOnScreen(window);
}

// Waits for the first show of its window, places it and goes away.
class FirstShowPlacer final : public QObject {
  public:
    FirstShowPlacer(QWidget *window, std::function<void(QWidget *)> place)
        : QObject(window)
        , m_place(std::move(place))
    {
        window->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            m_place(static_cast<QWidget *>(watched));
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

  private:
    std::function<void(QWidget *)> m_place;
};

// Keeps a window within the free area each time it is shown.
class ScreenKeeper final : public QObject {
  public:
    explicit ScreenKeeper(QWidget *window)
        : QObject(window)
    {
        window->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            auto *window = static_cast<QWidget *>(watched);
            const QSize bounded = window->size().boundedTo(roomFor(window));
            if (bounded != window->size())
                window->resize(bounded);
            keepOnScreen(window);
        }
        return false;
    }
};

// A scroll area around a whole form.  It is no field of its own: Tab never
// stops on it (the agent would see no focus anywhere), and it scrolls to
// whichever field the keys bring the focus to.
class ContentScrollArea final : public QScrollArea {
  public:
    explicit ContentScrollArea(QWidget *parent)
        : QScrollArea(parent)
    {
        setFocusPolicy(Qt::NoFocus);
    }
    QSize sizeHint() const override
    {
        if (!widget())
            return QScrollArea::sizeHint();
        // Room beside the content for a vertical scroll bar, so a window cut
        // to the screen's height scrolls up and down only.
        const QSize bar(verticalScrollBar()->sizeHint().width(), 0);
        return widget()->sizeHint().expandedTo(widget()->minimumSizeHint()) + QSize(2, 2) * frameWidth() + bar;
    }
};

// Moves the window's layout and children onto a page inside a scroll area.
void wrapInScrollArea(QWidget *window, const QSize &designSize)
{
    auto *content = new QWidget;
    content->setObjectName(QStringLiteral("ScrollContent"));
    if (QLayout *layout = window->layout())
        content->setLayout(layout); // takes the layout and the widgets in it
    else
        content->setMinimumSize(designSize); // a window drawn at fixed positions
    for (QWidget *child : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow() || child == content)
            continue;
        const bool hidden = child->isHidden();
        child->setParent(content);
        child->setVisible(!hidden);
    }
    window->setMinimumSize(0, 0);
    window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    auto *scroll = new ContentScrollArea(window);
    scroll->setObjectName(QStringLiteral("ScreenFitScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    auto *outer = new QVBoxLayout(window);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
}

// The window at its layout's size hint, at least `least`, within the
// screen's free area.
void resizeToContent(QWidget *window, const QSize &least)
{
    // What was just shown tells its size to one parent after another through
    // posted layout requests; the window's size hint is stale until they
    // have all been handled.
    for (int level = 0; level < kLayoutLevels && QCoreApplication::instance(); ++level)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const QSize wanted = window->sizeHint().boundedTo(roomFor(window)).expandedTo(least);
    if (wanted != window->size())
        window->resize(wanted);
    keepOnScreen(window);
}

} // namespace

void PlaceWhenFirstShown(QWidget *window, std::function<void(QWidget *)> place)
{
    new FirstShowPlacer(window, std::move(place));
}

void PlaceCentred(QWidget *window, double divisor)
{
    const QRect area = screenArea(window);
    const QSize size = window->frameGeometry().size();
    moveInside(window, area.left() + (area.width() - size.width()) / 2,
               area.top() + static_cast<int>((area.height() - size.height()) / divisor));
}

void PlaceRight(QWidget *window, double divisor)
{
    const QRect area = screenArea(window);
    const QSize size = window->frameGeometry().size();
    moveInside(window, area.right() + 1 - size.width(),
               area.top() + static_cast<int>((area.height() - size.height()) / divisor));
}

void PlaceCentredAt(QWidget *window, int top)
{
    const QRect area = screenArea(window);
    const QSize size = window->frameGeometry().size();
    moveInside(window, area.left() + (area.width() - size.width()) / 2, area.top() + top);
}

void FitToScreen(QWidget *window, const QSize &designSize)
{
    const QSize room = roomFor(window);
    QSize design = designSize.isEmpty() ? window->sizeHint() : designSize;
    design = design.expandedTo(window->minimumSizeHint());
    if (design.width() > room.width() || design.height() > room.height())
        wrapInScrollArea(window, design);
    window->resize(design.boundedTo(room));
    new ScreenKeeper(window);
}

void FitToScreen(QWidget *window)
{
    FitToScreen(window, QSize());
}

void GrowToContent(QWidget *window)
{
    resizeToContent(window, window->size());
}

void FitToContent(QWidget *window)
{
    resizeToContent(window, QSize());
}

QScrollArea *MakeScrollPane(QWidget *content, QWidget *parent)
{
    auto *scroll = new ContentScrollArea(parent);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    return scroll;
}

} // namespace izoku::ui
