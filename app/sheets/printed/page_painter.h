#pragma once
// Draws the page panel and its shown problem controls with any painter, as vectors.
// QWidget::render onto a printer goes through a device-size pixmap (slow, a picture instead of
// text); recording into a QPicture first costs a second pass. Drawing the few control kinds of
// the page ourselves keeps the text real and costs less than rendering the widgets at all.
class QPainter;
class QWidget;

namespace zorvix {

// Paints in the panel's own pixels; scale the painter to map them onto the device.
void paintPagePanel(QPainter& painter, const QWidget& panel);

} // namespace zorvix
