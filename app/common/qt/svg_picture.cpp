#include "svg_picture.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
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

SvgPicture::SvgPicture(const QString& resource, QWidget* parent)
    : QWidget(parent)
    , m_renderer(new QSvgRenderer(this))
{
    setProperty("kind", QStringLiteral("image"));
    setProperty("Stretch", true);
    setResource(resource);
}

SvgPicture::~SvgPicture() = default;

void SvgPicture::setResource(const QString& resource)
{
    m_resource = resource;
    m_renderer->load(resource);
    update();
}

void SvgPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_renderer->isValid())
        m_renderer->render(&painter, QRectF(rect()));
}

} // namespace zorvix
