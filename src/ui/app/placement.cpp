#include "placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace izoku::ui {

namespace {

QRect screenArea(const QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
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

} // namespace

void PlaceWhenFirstShown(QWidget *window, std::function<void(QWidget *)> place)
{
    new FirstShowPlacer(window, std::move(place));
}

void PlaceCentred(QWidget *window, double divisor)
{
    const QRect area = screenArea(window);
    const QSize size = window->frameGeometry().size();
    window->move(area.left() + (area.width() - size.width()) / 2,
                 area.top() + static_cast<int>((area.height() - size.height()) / divisor));
}

void PlaceRight(QWidget *window, double divisor)
{
    const QRect area = screenArea(window);
    const QSize size = window->frameGeometry().size();
    window->move(area.right() + 1 - size.width(),
                 area.top() + static_cast<int>((area.height() - size.height()) / divisor));
}

void PlaceCentredAt(QWidget *window, int top)
{
    const QRect area = screenArea(window);
    const QSize size = window->frameGeometry().size();
    window->move(area.left() + (area.width() - size.width()) / 2, area.top() + top);
}

} // namespace izoku::ui
