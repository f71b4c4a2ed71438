#include "svg_picture.h"

#include <QPainter>
#include <QSvgRenderer>

namespace zorvix {

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
