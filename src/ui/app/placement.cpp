#include "placement.h"

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

}  // namespace

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

}  // namespace izoku::ui
