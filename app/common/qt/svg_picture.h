#pragma once
// An image control that draws an SVG resource stretched to its size, and an icon drawn from one.
#include <QIcon>
#include <QImage>
#include <QString>
#include <QWidget>

#include <future>
#include <memory>

class QSvgRenderer;

namespace zorvix {

class SvgPicture final : public QWidget {
public:
    explicit SvgPicture(const QString& resource, QWidget* parent = nullptr);
    ~SvgPicture() override;
    void setResource(const QString& resource);
    QString resource() const { return m_resource; }

    // For a large picture on a window's first screen: its first frame is read and drawn on a
    // worker thread, started once the window is showing and its size is known, while the rest of
    // the window is laid out and painted. Later frames are kept until the size changes.
    void setDrawnAhead(bool ahead) { m_drawnAhead = ahead; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QSvgRenderer* renderer();
    QImage takeFrame();

    QString m_resource;
    std::unique_ptr<QSvgRenderer> m_renderer; // read on first use
    bool m_drawnAhead = false;
    bool m_painted = false;
    QImage m_frame;
    std::future<QImage> m_ahead;
    QSize m_aheadSize;
};

// An icon drawn from the SVG resource at whatever size is asked, read only when first drawn.
// QIcon(file) would look for an icon engine plugin and an image plugin at start-up, which costs
// more than the program's whole icon.
QIcon svgIcon(const QString& resource);

} // namespace zorvix
