#pragma once
// A straight line control. It occupies the bounding box of its end points (plus the pen) and
// exposes the end points, in twips of its parent, as the properties X1, Y1, X2, Y2 so the
// layout control can move and scale it like any line.
#include <QColor>
#include <QWidget>

namespace zorvix {

class LineWidget final : public QWidget {
    Q_OBJECT
    Q_PROPERTY(double X1 READ x1 WRITE setX1)
    Q_PROPERTY(double Y1 READ y1 WRITE setY1)
    Q_PROPERTY(double X2 READ x2 WRITE setX2)
    Q_PROPERTY(double Y2 READ y2 WRITE setY2)
    Q_PROPERTY(int BorderWidth READ borderWidth WRITE setBorderWidth)

public:
    explicit LineWidget(QWidget* parent = nullptr);

    void setEnds(double x1, double y1, double x2, double y2); // twips
    double x1() const { return m_x1; }
    double y1() const { return m_y1; }
    double x2() const { return m_x2; }
    double y2() const { return m_y2; }
    void setX1(double v) { setEnds(v, m_y1, m_x2, m_y2); }
    void setY1(double v) { setEnds(m_x1, v, m_x2, m_y2); }
    void setX2(double v) { setEnds(m_x1, m_y1, v, m_y2); }
    void setY2(double v) { setEnds(m_x1, m_y1, m_x2, v); }
    int borderWidth() const { return m_width; }
    void setBorderWidth(int pixels);
    void setColour(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void relayout();

    double m_x1 = 0, m_y1 = 0, m_x2 = 0, m_y2 = 0;
    int m_width = 1;
    QColor m_colour = Qt::black;
};

} // namespace zorvix
