#include "page_painter.h"

#include "common/qt/line_widget.h"
#include "common/qt/svg_picture.h"
#include "common/qt/twips.h"

#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QSvgRenderer>

#include <memory>

namespace zorvix {

namespace {
// The answer box's frame and the gap between frame and text, in panel pixels.
constexpr int kBoxFrame = 1;
constexpr int kBoxPadding = 4;

// QPainter resolves a point size at the device's resolution; the painter already scales panel
// pixels to the device, so the size is taken back to the panel's resolution first.
QFont panelFont(const QFont& font, const QPainter& painter, const QWidget& panel)
{
    QFont out(font);
    const int deviceDpi = painter.device() ? painter.device()->logicalDpiY() : 0;
    if (out.pointSizeF() > 0 && deviceDpi > 0)
        out.setPointSizeF(out.pointSizeF() * panel.logicalDpiY() / deviceDpi);
    return out;
}

void fillBackground(QPainter& painter, const QWidget& widget, const QRect& box, QPalette::ColorRole role)
{
    if (widget.autoFillBackground())
        painter.fillRect(box, widget.palette().color(role));
}

void paintLabel(QPainter& painter, const QLabel& label, const QRect& box, const QWidget& panel)
{
    fillBackground(painter, label, box, QPalette::Window);
    painter.setPen(label.palette().color(QPalette::WindowText));
    painter.setFont(panelFont(label.font(), painter, panel));
    painter.drawText(box.marginsRemoved(label.contentsMargins()), static_cast<int>(label.alignment()), label.text());
}

void paintAnswerBox(QPainter& painter, const QLineEdit& edit, const QRect& box, const QWidget& panel)
{
    painter.fillRect(box, edit.palette().color(QPalette::Base));
    painter.setPen(QPen(QColor(120, 120, 120), kBoxFrame));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5));
    painter.setPen(edit.palette().color(QPalette::Text));
    painter.setFont(panelFont(edit.font(), painter, panel));
    const int inset = kBoxFrame + kBoxPadding;
    painter.drawText(box.adjusted(inset, kBoxFrame, -inset, -kBoxFrame), static_cast<int>(edit.alignment()), edit.text());
}

void paintRule(QPainter& painter, const LineWidget& line)
{
    QPen pen(Qt::black, line.borderWidth());
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.drawLine(QPointF(twipsToPixels(line.x1()), twipsToPixels(line.y1())),
                     QPointF(twipsToPixels(line.x2()), twipsToPixels(line.y2())));
}
} // namespace

void paintPagePanel(QPainter& painter, const QWidget& panel)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRect page(QPoint(0, 0), panel.size());
    fillBackground(painter, panel, page, QPalette::Window);
    painter.setClipRect(page);

    // One parsed picture per resource for the whole page.
    QHash<QString, std::shared_ptr<QSvgRenderer>> pictures;
    // Children in stacking order, so whatever lies on top on screen lies on top on paper.
    for (const QObject* child : panel.children()) {
        const auto* widget = qobject_cast<const QWidget*>(child);
        if (!widget || widget->isHidden())
            continue;
        const QRect box = widget->geometry();
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            paintLabel(painter, *label, box, panel);
        } else if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
            paintAnswerBox(painter, *edit, box, panel);
        } else if (const auto* line = qobject_cast<const LineWidget*>(widget)) {
            paintRule(painter, *line);
        } else if (const auto* picture = dynamic_cast<const SvgPicture*>(widget)) {
            fillBackground(painter, *picture, box, QPalette::Window);
            auto& renderer = pictures[picture->resource()];
            if (!renderer)
                renderer = std::make_shared<QSvgRenderer>(picture->resource());
            if (renderer->isValid())
                renderer->render(&painter, QRectF(box));
        } else {
            // Not a kind the page uses; the widget draws itself.
            painter.save();
            const_cast<QWidget*>(widget)->render(&painter, box.topLeft(), QRegion(),
                                                 QWidget::DrawWindowBackground | QWidget::DrawChildren);
            painter.restore();
        }
    }
    painter.restore();
}

} // namespace zorvix
