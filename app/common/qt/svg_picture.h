#pragma once
// An image control that draws an SVG resource stretched to its size, and an icon drawn from one.
#include <QIcon>
#include <QString>
#include <QWidget>

class QSvgRenderer;

namespace zorvix {

class SvgPicture final : public QWidget {
public:
    explicit SvgPicture(const QString& resource, QWidget* parent = nullptr);
    ~SvgPicture() override;
    void setResource(const QString& resource);
    QString resource() const { return m_resource; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_resource;
    QSvgRenderer* m_renderer;
};

// An icon drawn from the SVG resource at whatever size is asked, read only when first drawn.
// QIcon(file) would look for an icon engine plugin and an image plugin at start-up, which costs
// more than the program's whole icon.
QIcon svgIcon(const QString& resource);

} // namespace zorvix
