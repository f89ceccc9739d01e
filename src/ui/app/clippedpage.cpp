#include "clippedpage.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>

#include <limits>

namespace izoku::ui {

namespace {

// Hands each drawing to the page's painter as it comes, with the state the
// drawing set: pen, brush, font, transform and its own clip, always within
// the rectangle the page keeps it in.
class PassOnEngine final : public QPaintEngine {
  public:
    explicit PassOnEngine(QPainter &page)
        : QPaintEngine(QPaintEngine::AllFeatures)
        , m_page(page)
    {
    }

    void keepInside(const QRect &rect)
    {
        m_inside = rect;
        clipToInside();
    }

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState &changed) override
    {
        // In the order a recorded picture replays them: the transform
        // before the clip it applies to.
        const DirtyFlags dirty = changed.state();
        if (dirty & DirtyPen)
            m_page.setPen(changed.pen());
        if (dirty & DirtyBrush)
            m_page.setBrush(changed.brush());
        if (dirty & DirtyBrushOrigin)
            m_page.setBrushOrigin(changed.brushOrigin());
        if (dirty & DirtyFont)
            m_page.setFont(changed.font());
        if (dirty & DirtyBackground)
            m_page.setBackground(changed.backgroundBrush());
        if (dirty & DirtyBackgroundMode)
            m_page.setBackgroundMode(changed.backgroundMode());
        if (dirty & DirtyTransform)
            m_page.setTransform(changed.transform());
        if ((dirty & DirtyClipEnabled) && !changed.isClipEnabled())
            clipToInside();
        if (dirty & DirtyClipRegion)
            clip(changed.clipOperation(),
                 [&changed](QPainter &to, Qt::ClipOperation op) { to.setClipRegion(changed.clipRegion(), op); });
        if (dirty & DirtyClipPath)
            clip(changed.clipOperation(),
                 [&changed](QPainter &to, Qt::ClipOperation op) { to.setClipPath(changed.clipPath(), op); });
        if (dirty & DirtyHints)
            m_page.setRenderHints(changed.renderHints());
        if (dirty & DirtyCompositionMode)
            m_page.setCompositionMode(changed.compositionMode());
        if (dirty & DirtyOpacity)
            m_page.setOpacity(changed.opacity());
    }

    void drawRects(const QRect *rects, int count) override { m_page.drawRects(rects, count); }
    void drawRects(const QRectF *rects, int count) override { m_page.drawRects(rects, count); }
    void drawLines(const QLine *lines, int count) override { m_page.drawLines(lines, count); }
    void drawLines(const QLineF *lines, int count) override { m_page.drawLines(lines, count); }
    void drawEllipse(const QRectF &rect) override { m_page.drawEllipse(rect); }
    void drawEllipse(const QRect &rect) override { m_page.drawEllipse(rect); }
    void drawPath(const QPainterPath &path) override { m_page.drawPath(path); }
    void drawPoints(const QPointF *points, int count) override { m_page.drawPoints(points, count); }
    void drawPoints(const QPoint *points, int count) override { m_page.drawPoints(points, count); }
    void drawPolygon(const QPointF *points, int count, PolygonDrawMode mode) override
    {
        drawAnyPolygon(points, count, mode);
    }
    void drawPolygon(const QPoint *points, int count, PolygonDrawMode mode) override
    {
        drawAnyPolygon(points, count, mode);
    }
    void drawPixmap(const QRectF &rect, const QPixmap &pixmap, const QRectF &source) override
    {
        m_page.drawPixmap(rect, pixmap, source);
    }
    void drawTiledPixmap(const QRectF &rect, const QPixmap &pixmap, const QPointF &offset) override
    {
        m_page.drawTiledPixmap(rect, pixmap, offset);
    }
    void drawImage(const QRectF &rect, const QImage &image, const QRectF &source,
                   Qt::ImageConversionFlags flags) override
    {
        m_page.drawImage(rect, image, source, flags);
    }
    // Texts stay texts on the page, so the customer's copy can be searched;
    // a text wholly outside what its frame shows (a column scrolled away, a
    // field's text past its end) is left off, or a search of the page would
    // find what the customer cannot see.
    void drawTextItem(const QPointF &at, const QTextItem &text) override
    {
        const QRectF drawn(at.x(), at.y() - text.ascent(), text.width(), text.ascent() + text.descent());
        if (m_page.hasClipping() && !m_page.clipBoundingRect().intersects(drawn))
            return;
        m_page.drawTextItem(at, text);
    }

  private:
    template <typename Point> void drawAnyPolygon(const Point *points, int count, PolygonDrawMode mode)
    {
        switch (mode) {
        case PolylineMode:
            m_page.drawPolyline(points, count);
            break;
        case ConvexMode:
            m_page.drawConvexPolygon(points, count);
            break;
        case OddEvenMode:
            m_page.drawPolygon(points, count, Qt::OddEvenFill);
            break;
        case WindingMode:
            m_page.drawPolygon(points, count, Qt::WindingFill);
            break;
        }
    }

    // The page's clip: the rectangle kept inside, in page coordinates.
    void clipToInside()
    {
        const QTransform transform = m_page.transform();
        m_page.resetTransform();
        m_page.setClipRect(m_inside);
        m_page.setTransform(transform);
    }

    // A clip the drawing sets itself: replacing one starts again from the
    // rectangle kept inside.
    template <typename SetClip> void clip(Qt::ClipOperation operation, SetClip set)
    {
        if (operation == Qt::NoClip) {
            clipToInside();
            return;
        }
        if (operation == Qt::ReplaceClip)
            clipToInside();
        set(m_page, Qt::IntersectClip);
    }

    QPainter &m_page;
    QRect m_inside;
};

} // namespace

ClippedPage::ClippedPage(QPainter &page, const QSize &size)
    : m_page(page)
    , m_size(size)
    , m_engine(std::make_unique<PassOnEngine>(page))
{
    keepInside(QRect(QPoint(), size));
}

ClippedPage::~ClippedPage() = default;

void ClippedPage::keepInside(const QRect &rect)
{
    static_cast<PassOnEngine *>(m_engine.get())->keepInside(rect);
}

QPaintEngine *ClippedPage::paintEngine() const
{
    return m_engine.get();
}

int ClippedPage::metric(PaintDeviceMetric metric) const
{
    constexpr double kMillimetresPerInch = 25.4;
    const int dpi = m_page.device()->logicalDpiX();
    switch (metric) {
    case PdmWidth:
        return m_size.width();
    case PdmHeight:
        return m_size.height();
    case PdmWidthMM:
        return static_cast<int>(m_size.width() * kMillimetresPerInch / dpi);
    case PdmHeightMM:
        return static_cast<int>(m_size.height() * kMillimetresPerInch / dpi);
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return dpi;
    case PdmNumColors:
        return std::numeric_limits<int>::max();
    case PdmDepth:
        return m_page.device()->depth();
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return static_cast<int>(devicePixelRatioFScale());
    }
    return 0;
}

} // namespace izoku::ui
