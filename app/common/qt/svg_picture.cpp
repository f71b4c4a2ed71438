#include "svg_picture.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QResizeEvent>
#include <QSvgRenderer>

#include <memory>

namespace zorvix {

namespace {

class SvgIconEngine final : public QIconEngine {
public:
    explicit SvgIconEngine(const QString& resource)
        : m_resource(resource)
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override
    {
        if (!m_renderer)
            m_renderer = std::make_unique<QSvgRenderer>(m_resource);
        if (m_renderer->isValid())
            m_renderer->render(painter, QRectF(rect));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(), size), mode, state);
        return pixmap;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
    QIconEngine* clone() const override { return new SvgIconEngine(m_resource); }
    QString key() const override { return QStringLiteral("zorvixsvg"); }

private:
    QString m_resource;
    std::unique_ptr<QSvgRenderer> m_renderer;
};

} // namespace

QIcon svgIcon(const QString& resource) { return QIcon(new SvgIconEngine(resource)); }

namespace {

QImage drawFrame(QSvgRenderer& renderer, QSize size, qreal ratio)
{
    QImage frame(size * ratio, QImage::Format_ARGB32_Premultiplied);
    frame.setDevicePixelRatio(ratio);
    frame.fill(Qt::transparent);
    if (renderer.isValid()) {
        QPainter painter(&frame);
        renderer.render(&painter, QRectF(QPointF(), QSizeF(size)));
    }
    return frame;
}

} // namespace

SvgPicture::SvgPicture(const QString& resource, QWidget* parent)
    : QWidget(parent)
    , m_resource(resource)
{
    setProperty("kind", QStringLiteral("image"));
    setProperty("Stretch", true);
}

SvgPicture::~SvgPicture()
{
    if (m_ahead.valid())
        m_ahead.wait();
}

void SvgPicture::setResource(const QString& resource)
{
    m_resource = resource;
    if (m_renderer)
        m_renderer->load(resource);
    m_frame = QImage();
    if (m_ahead.valid())
        m_ahead.get(); // drawn from the old resource
    update();
}

QSvgRenderer* SvgPicture::renderer()
{
    if (!m_renderer)
        m_renderer = std::make_unique<QSvgRenderer>(m_resource);
    return m_renderer.get();
}

void SvgPicture::resizeEvent(QResizeEvent* event)
{
    m_frame = QImage();
    // Only when the layout moves it from the size it was built at, as the window shows: a resize
    // later (a user dragging the window's edge) should not start a thread each time.
    if (!m_drawnAhead || m_painted || !window()->isVisible() || !event->oldSize().isValid() || size().isEmpty())
        return;
    if (m_ahead.valid())
        m_ahead.wait();
    m_aheadSize = size();
    m_ahead = std::async(std::launch::async, [resource = m_resource, size = size(), ratio = devicePixelRatioF()] {
        QSvgRenderer renderer(resource);
        return drawFrame(renderer, size, ratio);
    });
}

QImage SvgPicture::takeFrame()
{
    if (m_ahead.valid()) {
        QImage ahead = m_ahead.get();
        if (m_aheadSize == size() && qFuzzyCompare(ahead.devicePixelRatio(), devicePixelRatioF()))
            return ahead;
    }
    return drawFrame(*renderer(), size(), devicePixelRatioF());
}

void SvgPicture::paintEvent(QPaintEvent*)
{
    m_painted = true;
    QPainter painter(this);
    if (!m_drawnAhead) {
        if (renderer()->isValid())
            renderer()->render(&painter, QRectF(rect()));
        return;
    }
    if (m_frame.isNull())
        m_frame = takeFrame();
    painter.drawImage(QPointF(), m_frame);
}

} // namespace zorvix
