#pragma once

#include <QPaintDevice>
#include <QRect>

#include <memory>

class QPainter;
class QPaintEngine;

namespace izoku::ui {

// A paint device that passes every drawing on to another painter, kept
// inside a rectangle whatever clip the drawing sets itself.  On screen Qt
// keeps a widget inside its parents by a clip of the window system's; a
// widget drawn for a page has none, and a table's header or a text field
// that sets its own clip would draw past the frame it sits in.
class ClippedPage final : public QPaintDevice {
  public:
    // `page` is active on the real page; `size` is the page's in pixels.
    ClippedPage(QPainter &page, const QSize &size);
    ~ClippedPage() override;
    ClippedPage(const ClippedPage &) = delete;
    ClippedPage &operator=(const ClippedPage &) = delete;

    // What is drawn from now on stays inside `rect` (page coordinates).
    void keepInside(const QRect &rect);

    QPaintEngine *paintEngine() const override;

  protected:
    int metric(PaintDeviceMetric metric) const override;

  private:
    QPainter &m_page;
    QSize m_size;
    std::unique_ptr<QPaintEngine> m_engine;
};

} // namespace izoku::ui
