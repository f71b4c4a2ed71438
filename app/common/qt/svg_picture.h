#pragma once
// An image control that draws an SVG resource stretched to its size.
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

} // namespace zorvix
