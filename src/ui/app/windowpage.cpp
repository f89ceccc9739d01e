#include "windowpage.h"

#include "clippedpage.h"

#include <QAbstractScrollArea>
#include <QGraphicsView>
#include <QLayout>
#include <QPainter>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace izoku::ui {

namespace {

// Scroll areas inside scroll areas each give up their scrolling in turn;
// no window nests them deeper than this.
constexpr int kUnrollSteps = 8;

// The size a scroll area's content needs for none of it to be scrolled
// away: the least it can be laid out in, as wide as it is shown where its
// text wraps.
QSize wholeContent(const QScrollArea *area)
{
    const QWidget *content = area->widget();
    if (!area->widgetResizable())
        return content->size();
    QSize whole = content->minimumSizeHint().expandedTo(content->minimumSize());
    if (content->hasHeightForWidth()) {
        whole.setWidth(std::max(whole.width(), area->viewport()->width()));
        whole.setHeight(std::max(whole.height(), content->heightForWidth(whole.width())));
    }
    return whole;
}

// How much larger the window must be for no scroll area to scroll.
QSize missingRoom(const QWidget *window)
{
    QSize missing(0, 0);
    for (const QScrollArea *area : window->findChildren<QScrollArea *>()) {
        if (area->widget() && area->isVisible())
            missing = missing.expandedTo(wholeContent(area) - area->viewport()->size());
    }
    return missing;
}

// Lays the window out at its whole size for as long as it lives, then as
// it was: the layout at the window's own size, the splitters where the
// agent left them, every view scrolled where it was.
class Unrolled {
  public:
    explicit Unrolled(QWidget *window)
        : m_window(window)
        , m_size(window->size())
    {
        if (!window->layout())
            return;
        for (QSplitter *splitter : window->findChildren<QSplitter *>())
            m_splitters.push_back({splitter, splitter->sizes()});
        for (QAbstractScrollArea *area : window->findChildren<QAbstractScrollArea *>()) {
            for (QScrollBar *bar : {area->horizontalScrollBar(), area->verticalScrollBar()})
                m_scrolled.push_back({bar, bar->value()});
        }
        for (int step = 0; step < kUnrollSteps; ++step) {
            const QSize missing = missingRoom(window);
            if (missing.width() <= 0 && missing.height() <= 0)
                break;
            m_size += missing.expandedTo(QSize(0, 0));
            // The layout places the children in a larger rectangle than the
            // window without resizing the window itself, so nothing moves
            // on the agent's screen.
            window->layout()->setGeometry(QRect(QPoint(), m_size));
        }
    }
    ~Unrolled()
    {
        if (!m_window->layout())
            return;
        m_window->layout()->setGeometry(m_window->rect());
        for (const auto &[splitter, sizes] : m_splitters) {
            if (splitter)
                splitter->setSizes(sizes);
        }
        for (const auto &[bar, value] : m_scrolled) {
            if (bar)
                bar->setValue(value);
        }
    }
    Unrolled(const Unrolled &) = delete;
    Unrolled &operator=(const Unrolled &) = delete;

    QSize size() const { return m_size; }

  private:
    QWidget *m_window;
    QSize m_size;
    std::vector<std::pair<QPointer<QSplitter>, QList<int>>> m_splitters;
    std::vector<std::pair<QPointer<QScrollBar>, int>> m_scrolled;
};

// A scroll bar left over by an area that now shows all it holds.
bool scrollsNothing(const QWidget *widget)
{
    const auto *bar = qobject_cast<const QScrollBar *>(widget);
    return bar && bar->maximum() == bar->minimum();
}

// Qt clips a child widget to its parents on screen but not when it draws a
// window for a page, where a scrolled form would spill over the tab bar
// above it and a table's last column past its frame.  So each widget is
// drawn on its own, kept inside what its parents show, and its children
// after it, over it.
class PageDrawer {
  public:
    PageDrawer(QPainter &recorder, const QSize &size)
        : m_recorder(recorder)
        , m_clipped(recorder, size)
        , m_painter(&m_clipped)
    {
    }

    void draw(QWidget *widget, const QRect &area, const QRect &clip)
    {
        const QRect shown = area.intersected(clip);
        if (shown.isEmpty())
            return;
        if (qobject_cast<QGraphicsView *>(widget)) {
            drawWhole(widget, area, shown);
            return;
        }
        m_clipped.keepInside(shown);
        m_painter.save();
        m_painter.translate(area.topLeft());
        widget->render(&m_painter, QPoint(), QRegion(widget->rect()), {});
        m_painter.restore();
        for (QObject *object : widget->children()) {
            auto *child = qobject_cast<QWidget *>(object);
            if (child && !child->isWindow() && child->isVisible() && !scrollsNothing(child))
                draw(child, QRect(area.topLeft() + child->pos(), child->size()), shown);
        }
    }

  private:
    // A chart draws through a graphics scene whose items clip themselves
    // (the legend with its colour keys); those clips come out right on the
    // page only when the whole view is recorded in one picture.
    void drawWhole(QWidget *widget, const QRect &area, const QRect &shown)
    {
        QPicture whole;
        widget->render(&whole, QPoint(), QRegion(), QWidget::DrawChildren);
        m_recorder.save();
        m_recorder.resetTransform();
        m_recorder.setClipRect(shown);
        m_recorder.drawPicture(area.topLeft(), whole);
        m_recorder.restore();
    }

    QPainter &m_recorder;
    ClippedPage m_clipped;
    QPainter m_painter;
};

} // namespace

WindowPage DrawWindowPage(QWidget *window)
{
    const Unrolled unrolled(window);
    WindowPage page{QPicture(), unrolled.size()};
    QPainter recorder(&page.picture);
    const QRect whole(QPoint(), page.size);
    // The window itself is no larger than on screen; its background is
    // spread under everything the larger layout placed beyond it.
    recorder.fillRect(whole, window->palette().window());
    PageDrawer(recorder, page.size).draw(window, whole, whole);
    recorder.end();
    return page;
}

} // namespace izoku::ui
