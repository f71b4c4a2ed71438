#pragma once
// The exact (fractional) geometry last written to each widget. A widget can only sit at whole
// pixels; remembering the unrounded value while the widget still sits where it was put lets
// repeated scaling passes work on the true value instead of drifting by rounding.
#include <QRect>
#include <QRectF>
#include <QtGlobal>

class QObject;

class QWidget;

namespace kelvane::qt {

// Rounds edges, not sizes: neighbours that touched still touch.
QRect roundEdges(const QRectF& exact);

// For a child widget the rectangle is in its parent's pixels; for a window it is the frame
// rectangle in screen pixels.
QRectF exactGeometry(const QWidget* widget);
// Moves the widget to the rounded rectangle and remembers the exact one when it took it.
void setExactGeometry(QWidget* widget, const QRectF& exact);
void forgetExactGeometry(const QWidget* widget);

// Between these two, child widgets keep their new exact geometry (and report it) but are put in
// place only at the end, once each. Windows are placed at once. Scopes nest.
void beginDeferredGeometry();
void endDeferredGeometry();

// The same for one whole-pixel value of an object (a row height, a tab width): the value to
// report while the object still holds `current`, and the whole value to apply for `exact`.
double exactScalar(const QObject* object, quint32 key, int current);
int setExactScalar(QObject* object, quint32 key, double exact);

} // namespace kelvane::qt
