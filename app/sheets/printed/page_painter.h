#pragma once
// Draws the page panel and its shown problem controls with any painter, as vectors.
// QWidget::render onto a printer goes through a device-size pixmap (slow, a picture instead of
// text); recording into a QPicture first costs a second pass. Drawing the few control kinds of
// the page ourselves keeps the text real and costs less than rendering the widgets at all.
#include <memory>

class QPainter;
class QWidget;

namespace zorvix {

class PageCanvas;
class TextLayoutCache;

// Paints pages one after another, keeping what they share (the laid-out texts, the painter's
// storage) for the next.
class PagePainter final {
public:
    PagePainter();
    ~PagePainter();
    PagePainter(const PagePainter&) = delete;
    PagePainter& operator=(const PagePainter&) = delete;

    // Paints in the panel's own pixels; scale the painter to map them onto the device.
    void paint(QPainter& painter, const QWidget& panel);

private:
    std::unique_ptr<TextLayoutCache> m_texts;
    std::unique_ptr<PageCanvas> m_canvas;
};

// One page on its own.
void paintPagePanel(QPainter& painter, const QWidget& panel);

} // namespace zorvix
