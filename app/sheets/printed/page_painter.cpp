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

} // namespace

// A page is a few hundred small drawings, and on a PDF every change of font, pen or brush and
// every fill is written into the page. So the canvas collects a page's drawings and paints those
// of one kind together (all rules with one pen, all pictures with one brush), moving a drawing
// ahead of others only where their ink cannot touch: the picture is the same, the changes of
// state few. It also leaves out a fill that would paint the page's own colour where nothing but
// that colour lies yet.
class PageCanvas final {
public:
    explicit PageCanvas(TextLayoutCache& texts)
        : m_texts(texts)
    {
    }

    // A page after another keeps the canvas's storage.
    void begin(QPainter& painter, const QWidget& panel)
    {
        m_painter = &painter;
        m_panel = &panel;
        m_pageColour = panel.autoFillBackground() ? panel.palette().color(QPalette::Window) : QColor();
        m_columns = std::max(1, panel.width() / kCell + 1);
        m_rows = std::max(1, panel.height() / kCell + 1);
        const auto cellCount = static_cast<std::size_t>(m_columns) * static_cast<std::size_t>(m_rows);
        m_inked.resize(cellCount);
        m_pending.resize(cellCount);
        for (auto& cell : m_inked)
            cell.clear();
        m_fontSet = false;
        m_penSet = false;
        m_brushSet = false;
    }

    void text(const QFont& font, const QColor& colour, const QRect& box, int flags, const QString& text)
    {
        if (text.isEmpty())
            return;
        useFont(font);
        // Nearly every text of a page has the same colour and font.
        if (m_lastTextStyle < 0 || colour != m_lastTextColour || font != m_lastTextFont) {
            m_lastTextStyle = style(Kind::Text, QPen(colour), font);
            m_lastTextColour = colour;
            m_lastTextFont = font;
        }
        Op op(Kind::Text, m_lastTextStyle);
        op.box = box;
        op.flags = flags;
        op.text = text;
        op.placed = m_texts.place(*m_painter, box, flags, text);
        const QRectF ink = op.placed.ink;
        add(std::move(op), ink);
    }

    void line(const QPen& pen, const QLineF& line)
    {
        Op op(Kind::Line, style(Kind::Line, pen, {}));
        op.line = line;
        const qreal half = pen.widthF() / 2;
        add(std::move(op), QRectF(line.p1(), line.p2()).normalized().adjusted(-half, -half, half, half));
    }

    // A rectangle's outline with a pen of one pixel, inside box.
    void frame(const QPen& pen, const QRect& box)
    {
        Op op(Kind::Frame, style(Kind::Frame, pen, {}));
        op.rect = QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5);
        add(std::move(op), box);
    }

    void outline(const QColor& colour, const QPainterPath& path)
    {
        Op op(Kind::Outline, style(Kind::Outline, QPen(colour), {}));
        op.path = path;
        add(std::move(op), path.boundingRect());
    }

    // Fills a box unless that would change nothing: the page's own colour where nothing lies yet.
    void fill(const QRect& box, const QColor& colour)
    {
        const bool blank = colour == m_pageColour && colour.alpha() == 255;
        if (blank && !overlapsInk(box))
            return;
        Op op(Kind::Fill, style(Kind::Fill, QPen(colour), {}));
        op.box = box;
        add(std::move(op), box, !blank);
    }

    // Paints everything collected so far, so the painter can be used straight after; whatever is
    // drawn so must be told with drawnDirectly().
    void flush()
    {
        if (m_ops.empty())
            return;
        std::vector<std::vector<std::size_t>> groups(m_groupStyles.size());
        for (std::size_t k = 0; k < m_ops.size(); ++k)
            groups[static_cast<std::size_t>(m_ops[k].group)].push_back(k);
        for (const auto& group : groups)
            for (const std::size_t k : group)
                paint(m_ops[k]);
        m_ops.clear();
        m_groupStyles.clear();
        for (auto& cell : m_pending)
            cell.clear();
    }

    // Drawn with the painter, in state the canvas does not track, somewhere inside area.
    void drawnDirectly(const QRectF& area)
    {
        m_fontSet = false;
        m_penSet = false;
        m_brushSet = false;
        inked(area);
    }

private:
    enum class Kind { Text, Line, Frame, Outline, Fill };

    struct Style {
        Kind kind;
        QPen pen; // the pen, or the text or fill colour as a pen's
        QFont font;
        bool operator==(const Style& other) const { return kind == other.kind && pen == other.pen && font == other.font; }
    };

    struct Op {
        Op(Kind kind, int style)
            : kind(kind)
            , style(style)
        {
        }
        Kind kind;
        int style;
        int group = 0;
        QRectF reach; // where its ink may lie, antialiasing included
        QRect box;
        int flags = 0;
        QString text;
        TextLayoutCache::Placed placed;
        QLineF line;
        QRectF rect;
        QPainterPath path;
    };

    int style(Kind kind, const QPen& pen, const QFont& font)
    {
        const Style wanted{kind, pen, font};
        const auto known = std::find(m_styles.begin(), m_styles.end(), wanted);
        if (known != m_styles.end())
            return static_cast<int>(known - m_styles.begin());
        m_styles.push_back(wanted);
        return static_cast<int>(m_styles.size()) - 1;
    }

    // Puts the drawing into the earliest group of its style that comes after every collected
    // drawing it may touch: of another style, in an earlier group; of its own, in its group or
    // before, where it keeps its order.
    void add(Op op, const QRectF& ink, bool leavesInk = true)
    {
        if (ink.isEmpty())
            return;
        op.reach = ink.adjusted(-1, -1, 1, 1);
        int lowest = 0;
        const Cells cells = cellsOf(op.reach);
        cells.forEach([&](std::size_t cell) {
            for (const std::size_t k : m_pending[cell]) {
                const Op& other = m_ops[k];
                if (other.reach.intersects(op.reach))
                    lowest = std::max(lowest, other.group + (other.style == op.style ? 0 : 1));
            }
        });
        int group = lowest;
        while (group < static_cast<int>(m_groupStyles.size()) && m_groupStyles[static_cast<std::size_t>(group)] != op.style)
            ++group;
        if (group == static_cast<int>(m_groupStyles.size()))
            m_groupStyles.push_back(op.style);
        op.group = group;
        cells.forEach([&](std::size_t cell) { m_pending[cell].push_back(m_ops.size()); });
        if (leavesInk)
            inked(ink);
        m_ops.push_back(std::move(op));
    }

    void paint(const Op& op)
    {
        const Style& s = m_styles[static_cast<std::size_t>(op.style)];
        switch (op.kind) {
        case Kind::Text:
            useFont(s.font);
            useTextColour(s.pen.color());
            m_texts.draw(*m_painter, op.placed, op.box, op.flags, op.text);
            break;
        case Kind::Line:
            setPen(s.pen);
            m_painter->drawLine(op.line);
            break;
        case Kind::Frame:
            setPen(s.pen);
            setBrush(Qt::NoBrush);
            m_painter->drawRect(op.rect);
            break;
        case Kind::Outline:
            setPen(Qt::NoPen);
            setBrush(s.pen.color());
            m_painter->drawPath(op.path);
            break;
        case Kind::Fill:
            // fillRect puts back the pen and brush it found.
            m_painter->fillRect(op.box, s.pen.color());
            break;
        }
    }

    // QPainter resolves a point size at the device's resolution; the painter already scales panel
    // pixels to the device, so the size is taken back to the panel's resolution first.
    void useFont(const QFont& font)
    {
        if (m_fontSet && font == m_sourceFont)
            return;
        QFont out(font);
        const int deviceDpi = m_painter->device() ? m_painter->device()->logicalDpiY() : 0;
        if (out.pointSizeF() > 0 && deviceDpi > 0)
            out.setPointSizeF(out.pointSizeF() * m_panel->logicalDpiY() / deviceDpi);
        m_painter->setFont(out);
        m_sourceFont = font;
        m_fontSet = true;
    }

    // Text is filled with the pen's brush, whatever its width, cap or dashes: a rule's pen of the
    // same colour draws it alike and spares the page a change of pen.
    void useTextColour(const QColor& colour)
    {
        if (m_penSet && m_pen.style() != Qt::NoPen && m_pen.brush().style() == Qt::SolidPattern && m_pen.color() == colour)
            return;
        setPen(QPen(colour));
    }

    void setPen(const QPen& pen)
    {
        if (m_penSet && pen == m_pen)
            return;
        m_painter->setPen(pen);
        m_pen = pen;
        m_penSet = true;
    }

    void setBrush(const QBrush& brush)
    {
        if (m_brushSet && brush == m_brush)
            return;
        m_painter->setBrush(brush);
        m_brush = brush;
        m_brushSet = true;
    }

    // Whatever comes later and overlaps where this drawing may have left ink must cover it.
    // Antialiasing reaches a pixel beyond the outline, at whatever resolution the page is drawn.
    void inked(const QRectF& area)
    {
        if (area.isEmpty())
            return;
        const QRectF reach = area.adjusted(-1, -1, 1, 1);
        cellsOf(reach).forEach([&](std::size_t cell) { m_inked[cell].push_back(reach); });
    }

    // Areas are kept in the cells of a grid over the page, so an area is only compared with its
    // neighbours; what reaches beyond the page counts at its edge.
    static constexpr int kCell = 32;
    struct Cells {
        int left, right, top, bottom, columns;
        template <typename F> void forEach(F f) const
        {
            for (int row = top; row <= bottom; ++row)
                for (int column = left; column <= right; ++column)
                    f(static_cast<std::size_t>(row) * static_cast<std::size_t>(columns) + static_cast<std::size_t>(column));
        }
    };
    Cells cellsOf(const QRectF& area) const
    {
        const auto cell = [](qreal at, int count) {
            return static_cast<int>(std::clamp<qreal>(std::floor(at / kCell), 0, count - 1));
        };
        return {cell(area.left(), m_columns), cell(area.right(), m_columns), cell(area.top(), m_rows),
                cell(area.bottom(), m_rows), m_columns};
    }

    bool overlapsInk(const QRectF& box) const
    {
        bool found = false;
        cellsOf(box).forEach([&](std::size_t cell) {
            for (const QRectF& other : m_inked[cell])
                found = found || other.intersects(box);
        });
        return found;
    }

    QPainter* m_painter = nullptr;
    const QWidget* m_panel = nullptr;
    TextLayoutCache& m_texts;
    QColor m_pageColour;
    int m_columns = 1;
    int m_rows = 1;
    std::vector<std::vector<QRectF>> m_inked;
    std::vector<Style> m_styles;
    int m_lastTextStyle = -1;
    QColor m_lastTextColour;
    QFont m_lastTextFont;
    std::vector<Op> m_ops;
    std::vector<int> m_groupStyles;
    std::vector<std::vector<std::size_t>> m_pending;
    QFont m_sourceFont;
    bool m_fontSet = false;
    QPen m_pen;
    bool m_penSet = false;
    QBrush m_brush;
    bool m_brushSet = false;
};

namespace {

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
    canvas.text(label.font(), label.palette().color(QPalette::WindowText), box.marginsRemoved(label.contentsMargins()),
                static_cast<int>(label.alignment()), label.text());
}

void paintAnswerBox(PageCanvas& canvas, const QLineEdit& edit, const QRect& box)
{
    canvas.fill(box, edit.palette().color(QPalette::Base));
    canvas.frame(QPen(QColor(120, 120, 120), kBoxFrame), box);
    const int inset = kBoxFrame + kBoxPadding;
    canvas.text(edit.font(), edit.palette().color(QPalette::Text), box.adjusted(inset, kBoxFrame, -inset, -kBoxFrame),
                static_cast<int>(edit.alignment()), edit.text());
}

void paintRule(PageCanvas& canvas, const LineWidget& line)
{
    QPen pen(Qt::black, line.borderWidth());
    pen.setCapStyle(Qt::FlatCap);
    canvas.line(pen,
                QLineF(QPointF(twipsToPixels(line.x1()), twipsToPixels(line.y1())),
                       QPointF(twipsToPixels(line.x2()), twipsToPixels(line.y2()))));
}
} // namespace

PagePainter::PagePainter()
    : m_texts(std::make_unique<TextLayoutCache>())
    , m_canvas(std::make_unique<PageCanvas>(*m_texts))
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
    PageCanvas& canvas = *m_canvas;
    canvas.begin(painter, panel);

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
                canvas.outline(loaded->colour, toBox.map(loaded->outline));
            } else if (loaded->renderer->isValid()) {
                canvas.flush();
                loaded->renderer->render(&painter, QRectF(box));
                canvas.drawnDirectly(box);
            }
        } else {
            // Not a kind the page uses; the widget draws itself.
            canvas.flush();
            painter.save();
            const_cast<QWidget*>(widget)->render(&painter, box.topLeft(), QRegion(),
                                                 QWidget::DrawWindowBackground | QWidget::DrawChildren);
            painter.restore();
            canvas.drawnDirectly(box);
        }
    }
    canvas.flush();
    painter.restore();
}

} // namespace zorvix
