#include "page_painter.h"

#include "text_layout_cache.h"

#include "common/qt/line_widget.h"
#include "common/qt/svg_picture.h"
#include "common/qt/twips.h"

#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>

#include <algorithm>
#include <memory>
#include <vector>

namespace zorvix {

namespace {
// The answer box's frame and the gap between frame and text, in panel pixels.
constexpr int kBoxFrame = 1;
constexpr int kBoxPadding = 4;

// A page is a few hundred small drawings, and on a PDF every change of font, pen or brush and
// every fill is written into the page. So the painter sets each only when it changes, and leaves
// out a fill that would paint the page's own colour where nothing but that colour lies yet.
class PageCanvas {
public:
    PageCanvas(QPainter& painter, const QWidget& panel, TextLayoutCache& texts)
        : m_painter(painter)
        , m_panel(panel)
        , m_texts(texts)
        , m_pageColour(panel.autoFillBackground() ? panel.palette().color(QPalette::Window) : QColor())
    {
        m_inked.resize(static_cast<std::size_t>(std::max(1, panel.height() / kBand + 1)));
    }

    QPainter& painter() { return m_painter; }

    // QPainter resolves a point size at the device's resolution; the painter already scales panel
    // pixels to the device, so the size is taken back to the panel's resolution first.
    void useFont(const QFont& font)
    {
        if (m_fontSet && font == m_sourceFont)
            return;
        QFont out(font);
        const int deviceDpi = m_painter.device() ? m_painter.device()->logicalDpiY() : 0;
        if (out.pointSizeF() > 0 && deviceDpi > 0)
            out.setPointSizeF(out.pointSizeF() * m_panel.logicalDpiY() / deviceDpi);
        m_painter.setFont(out);
        m_sourceFont = font;
        m_fontSet = true;
    }

    // Text is filled with the pen's brush, whatever its width, cap or dashes: a rule's pen of the
    // same colour draws it alike and spares the page two changes of pen per problem.
    void useTextColour(const QColor& colour)
    {
        if (m_penSet && m_pen.style() != Qt::NoPen && m_pen.brush().style() == Qt::SolidPattern && m_pen.color() == colour)
            return;
        setPen(QPen(colour));
    }

    void text(const QRect& box, int flags, const QString& text) { inked(m_texts.draw(m_painter, box, flags, text)); }

    void setPen(const QPen& pen)
    {
        if (m_penSet && pen == m_pen)
            return;
        m_painter.setPen(pen);
        m_pen = pen;
        m_penSet = true;
    }

    // Fills a box unless that would change nothing: the page's own colour where nothing lies yet.
    void fill(const QRect& box, const QColor& colour)
    {
        const bool blank = colour == m_pageColour && colour.alpha() == 255;
        if (blank && !overlapsInk(box))
            return;
        m_painter.fillRect(box, colour);
        if (!blank)
            inked(box);
    }

    // Whatever comes later and overlaps where this drawing may have left ink must cover it.
    // Antialiasing reaches a pixel beyond the outline, at whatever resolution the page is drawn.
    void inked(const QRectF& area)
    {
        if (m_inked.empty() || area.isEmpty())
            return;
        const QRectF reach = area.adjusted(-1, -1, 1, 1);
        const auto [first, last] = bands(reach);
        for (int band = first; band <= last; ++band)
            m_inked[static_cast<std::size_t>(band)].push_back(reach);
    }

    // Drawing with state the canvas does not track (pictures, widgets): forget what was set.
    void forgetState()
    {
        m_fontSet = false;
        m_penSet = false;
    }

private:
    // Areas are kept in bands of page height, so an area is only compared with its neighbours.
    static constexpr int kBand = 64;
    std::pair<int, int> bands(const QRectF& area) const
    {
        const int last = static_cast<int>(m_inked.size()) - 1;
        const auto band = [last](qreal y) { return static_cast<int>(std::clamp<qreal>(std::floor(y / kBand), 0, last)); };
        return {band(area.top()), band(area.bottom())};
    }

    bool overlapsInk(const QRectF& box) const
    {
        if (m_inked.empty())
            return false;
        const auto [first, last] = bands(box);
        for (int band = first; band <= last; ++band)
            for (const QRectF& other : m_inked[static_cast<std::size_t>(band)])
                if (other.intersects(box))
                    return true;
        return false;
    }

    QPainter& m_painter;
    const QWidget& m_panel;
    TextLayoutCache& m_texts;
    QColor m_pageColour;
    std::vector<std::vector<QRectF>> m_inked;
    QFont m_sourceFont;
    bool m_fontSet = false;
    QPen m_pen;
    bool m_penSet = false;
};

// A picture the page uses many times (the ÷ of every division) is read from its SVG once, as
// filled outlines, and each use is a single path fill: walking the SVG document for every use
// costs more than the rest of the problem. Pictures with anything else in them (strokes,
// gradients, text, images) are drawn by the SVG renderer as before.
class OutlineRecorder final : public QPaintEngine {
public:
    OutlineRecorder()
        : QPaintEngine(QPaintEngine::PainterPaths | QPaintEngine::PrimitiveTransform | QPaintEngine::AlphaBlend)
    {
    }

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState& state) override
    {
        if (state.state() & DirtyBrush)
            m_brush = state.brush();
        if (state.state() & DirtyPen)
            m_pen = state.pen();
        if (state.state() & DirtyTransform)
            m_transform = state.transform();
        if (state.state() & (DirtyClipPath | DirtyClipRegion | DirtyClipEnabled | DirtyOpacity | DirtyCompositionMode))
            m_simple = false;
    }

    void drawPath(const QPainterPath& path) override
    {
        if (m_pen.style() != Qt::NoPen || m_brush.style() != Qt::SolidPattern || m_brush.color().alpha() != 255) {
            m_simple = false;
            return;
        }
        const QPainterPath mapped = m_transform.map(path);
        // One outline per colour while the shapes do not touch, so no shape can cut into another.
        if (!m_outline.isEmpty() &&
            (m_brush.color() != m_colour || m_outline.fillRule() != mapped.fillRule() ||
             m_outline.boundingRect().intersects(mapped.boundingRect()))) {
            m_simple = false;
            return;
        }
        m_colour = m_brush.color();
        if (m_outline.isEmpty())
            m_outline.setFillRule(mapped.fillRule());
        m_outline.addPath(mapped);
    }

    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override
    {
        if (mode == PolylineMode) {
            m_simple = false;
            return;
        }
        QPainterPath path;
        path.addPolygon(QPolygonF(QList<QPointF>(points, points + count)));
        path.closeSubpath();
        path.setFillRule(mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
        drawPath(path);
    }

    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { m_simple = false; }
    void drawTextItem(const QPointF&, const QTextItem&) override { m_simple = false; }

    bool simple() const { return m_simple; }
    const QPainterPath& outline() const { return m_outline; }
    QColor colour() const { return m_colour; }

private:
    QBrush m_brush;
    QPen m_pen;
    QTransform m_transform;
    QPainterPath m_outline;
    QColor m_colour;
    bool m_simple = true;
};

class OutlineDevice final : public QPaintDevice {
public:
    explicit OutlineDevice(QSize size)
        : m_size(size)
    {
    }
    QPaintEngine* paintEngine() const override { return &m_engine; }
    const OutlineRecorder& recorder() const { return m_engine; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth: return m_size.width();
        case PdmHeight: return m_size.height();
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return 72;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
        default: return QPaintDevice::metric(metric);
        }
    }

private:
    QSize m_size;
    mutable OutlineRecorder m_engine;
};

struct PagePicture {
    std::unique_ptr<QSvgRenderer> renderer;
    QPainterPath outline; // in the picture's own units, from (0, 0); empty: draw with the renderer
    QSizeF size;
    QColor colour;
};

std::shared_ptr<PagePicture> loadPicture(const QString& resource)
{
    auto picture = std::make_shared<PagePicture>();
    picture->renderer = std::make_unique<QSvgRenderer>(resource);
    if (!picture->renderer->isValid())
        return picture;
    picture->size = picture->renderer->viewBoxF().size();
    if (picture->size.isEmpty())
        return picture;
    OutlineDevice device(picture->size.toSize().expandedTo(QSize(1, 1)));
    {
        QPainter painter(&device);
        picture->renderer->render(&painter, QRectF(QPointF(0, 0), picture->size));
    }
    if (device.recorder().simple() && !device.recorder().outline().isEmpty()) {
        picture->outline = device.recorder().outline();
        picture->colour = device.recorder().colour();
    }
    return picture;
}

void fillBackground(PageCanvas& canvas, const QWidget& widget, const QRect& box, QPalette::ColorRole role)
{
    if (widget.autoFillBackground())
        canvas.fill(box, widget.palette().color(role));
}

void paintLabel(PageCanvas& canvas, const QLabel& label, const QRect& box)
{
    fillBackground(canvas, label, box, QPalette::Window);
    if (label.text().isEmpty())
        return;
    canvas.useTextColour(label.palette().color(QPalette::WindowText));
    canvas.useFont(label.font());
    canvas.text(box.marginsRemoved(label.contentsMargins()), static_cast<int>(label.alignment()), label.text());
}

void paintAnswerBox(PageCanvas& canvas, const QLineEdit& edit, const QRect& box)
{
    canvas.fill(box, edit.palette().color(QPalette::Base));
    canvas.setPen(QPen(QColor(120, 120, 120), kBoxFrame));
    QPainter& painter = canvas.painter();
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5));
    canvas.inked(box);
    if (edit.text().isEmpty())
        return;
    canvas.useTextColour(edit.palette().color(QPalette::Text));
    canvas.useFont(edit.font());
    const int inset = kBoxFrame + kBoxPadding;
    canvas.text(box.adjusted(inset, kBoxFrame, -inset, -kBoxFrame), static_cast<int>(edit.alignment()), edit.text());
}

void paintRule(PageCanvas& canvas, const LineWidget& line)
{
    QPen pen(Qt::black, line.borderWidth());
    pen.setCapStyle(Qt::FlatCap);
    canvas.setPen(pen);
    const QLineF rule(QPointF(twipsToPixels(line.x1()), twipsToPixels(line.y1())),
                      QPointF(twipsToPixels(line.x2()), twipsToPixels(line.y2())));
    canvas.painter().drawLine(rule);
    const qreal half = pen.widthF() / 2;
    canvas.inked(QRectF(rule.p1(), rule.p2()).normalized().adjusted(-half, -half, half, half));
}
} // namespace

PagePainter::PagePainter()
    : m_texts(std::make_unique<TextLayoutCache>())
{
}

PagePainter::~PagePainter() = default;

void paintPagePanel(QPainter& painter, const QWidget& panel) { PagePainter().paint(painter, panel); }

void PagePainter::paint(QPainter& painter, const QWidget& panel)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRect page(QPoint(0, 0), panel.size());
    if (panel.autoFillBackground())
        painter.fillRect(page, panel.palette().color(QPalette::Window));
    painter.setClipRect(page);
    PageCanvas canvas(painter, panel, *m_texts);

    // One parsed picture per resource for the run: the pictures are resources of the program.
    static QHash<QString, std::shared_ptr<PagePicture>> pictures;
    // Children in stacking order, so whatever lies on top on screen lies on top on paper.
    for (const QObject* child : panel.children()) {
        const auto* widget = qobject_cast<const QWidget*>(child);
        if (!widget || widget->isHidden())
            continue;
        const QRect box = widget->geometry();
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            paintLabel(canvas, *label, box);
        } else if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
            paintAnswerBox(canvas, *edit, box);
        } else if (const auto* line = qobject_cast<const LineWidget*>(widget)) {
            paintRule(canvas, *line);
        } else if (const auto* picture = dynamic_cast<const SvgPicture*>(widget)) {
            fillBackground(canvas, *picture, box, QPalette::Window);
            auto& loaded = pictures[picture->resource()];
            if (!loaded)
                loaded = loadPicture(picture->resource());
            if (!loaded->outline.isEmpty()) {
                // Stretched over the box, as the renderer would.
                const QTransform toBox = QTransform::fromTranslate(box.x(), box.y())
                                             .scale(box.width() / loaded->size.width(), box.height() / loaded->size.height());
                canvas.setPen(Qt::NoPen);
                painter.setBrush(loaded->colour);
                const QPainterPath outline = toBox.map(loaded->outline);
                painter.drawPath(outline);
                canvas.inked(outline.boundingRect());
            } else if (loaded->renderer->isValid()) {
                loaded->renderer->render(&painter, QRectF(box));
                canvas.forgetState();
                canvas.inked(box);
            }
        } else {
            // Not a kind the page uses; the widget draws itself.
            painter.save();
            const_cast<QWidget*>(widget)->render(&painter, box.topLeft(), QRegion(),
                                                 QWidget::DrawWindowBackground | QWidget::DrawChildren);
            painter.restore();
            canvas.forgetState();
            canvas.inked(box);
        }
    }
    painter.restore();
}

} // namespace zorvix
