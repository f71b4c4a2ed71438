#include "line_widget.h"

#include "twips.h"

#include <QPainter>
#include <algorithm>

namespace zorvix {

LineWidget::LineWidget(QWidget* parent)
    : QWidget(parent)
{
    setProperty("kind", QStringLiteral("line"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void LineWidget::setEnds(double x1, double y1, double x2, double y2)
{
    m_x1 = x1;
    m_y1 = y1;
    m_x2 = x2;
    m_y2 = y2;
    relayout();
}

void LineWidget::setBorderWidth(int pixels)
{
    m_width = std::max(pixels, 1);
    relayout();
}

void LineWidget::setColour(const QColor& colour)
{
    m_colour = colour;
    update();
}

void LineWidget::relayout()
{
    const int pad = (m_width + 1) / 2;
    const int left = twipsToPixels(std::min(m_x1, m_x2)) - pad;
    const int top = twipsToPixels(std::min(m_y1, m_y2)) - pad;
    const int right = twipsToPixels(std::max(m_x1, m_x2)) + pad;
    const int bottom = twipsToPixels(std::max(m_y1, m_y2)) + pad;
    setGeometry(left, top, std::max(right - left, 1), std::max(bottom - top, 1));
    update();
}

void LineWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QPen pen(m_colour, m_width);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    const QPoint origin = geometry().topLeft();
    const QPointF a(twipsToPixels(m_x1) - origin.x(), twipsToPixels(m_y1) - origin.y());
    const QPointF b(twipsToPixels(m_x2) - origin.x(), twipsToPixels(m_y2) - origin.y());
    painter.drawLine(a, b);
}

} // namespace zorvix
