// Geometry and units: where a control sits in its container's scale mode, its size, the
// container's scale, edge alignment and the window's own state.
#include "qt_exact.h"
#include "qt_members.h"
#include "qt_tree.h"
#include "qt_values.h"

#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QTabWidget>
#include <QToolBar>

#include <cmath>
#include <limits>

namespace kelvane::qt {

namespace {

constexpr double kOffTabTwips = 75000; // controls on hidden tabs sit this far to the left

int32_t scaleModeOf(const QWidget* w)
{
    if (!w || !hasScale(kindOf(w)))
        return 1;
    const QVariant v = w->property("ScaleMode");
    bool ok = false;
    const int mode = v.toInt(&ok);
    return v.isValid() && ok ? mode : 1;
}

// The height of the form's menu bar (a QMainWindow's, or the one its layout puts on top), pixels.
int menuBandOf(const QWidget* form)
{
    if (!form || !form->isWindow())
        return 0;
    // Asked for on every position read and write: found in constant time, never by a search.
    const QMenuBar* bar = nullptr;
    if (const auto* main = qobject_cast<const QMainWindow*>(form))
        bar = qobject_cast<const QMenuBar*>(main->menuWidget());
    else if (const QLayout* layout = form->layout())
        bar = qobject_cast<const QMenuBar*>(layout->menuBar());
    if (!bar || bar->isHidden() || bar->isNativeMenuBar() || bar->y() != 0)
        return 0;
    return bar->height();
}

// How a widget's own geometry maps onto its container's units.
struct Place {
    double unitsX = 15, unitsY = 15; // container units per pixel
    QPointF offset;                  // the parent's origin in the container, pixels
    double shiftX = 0;               // hidden tab pages, pixels
};

Place placeOf(QWidget* w)
{
    Place p;
    const double tppX = twipsPerPixel(w, false);
    const double tppY = twipsPerPixel(w, true);
    if (w->isWindow()) {
        p.unitsX = tppX;
        p.unitsY = tppY;
        return p;
    }
    QWidget* container = containerOf(w);
    const int32_t mode = scaleModeOf(container);
    p.unitsX = unitsPerPixel(mode, tppX, false);
    p.unitsY = unitsPerPixel(mode, tppY, true);
    // A tab widget places its pages itself (below or beside its tabs, which a pass resizes): a
    // control on a page is measured from the page's origin, or the page's own move would be
    // added to the control's.
    QWidget* page = nullptr;
    QTabWidget* tabs = tabDialogOf(w, &page);
    QWidget* origin = tabs ? page : container;
    QWidget* parent = w->parentWidget();
    if (parent && origin && parent != origin && origin->isAncestorOf(parent))
        p.offset = QPointF(parent->mapTo(origin, QPoint(0, 0)));
    // A form's area starts below its menu bar.
    if (origin && origin->isWindow())
        p.offset.ry() -= menuBandOf(origin);
    if (tabs && page != tabs->currentWidget())
        p.shiftX = -kOffTabTwips / tppX;
    return p;
}

enum class Edge { Left, Top, Width, Height };

double readEdge(QWidget* w, Edge e)
{
    const Place p = placeOf(w);
    const QRectF r = exactGeometry(w);
    switch (e) {
    case Edge::Left: return (r.x() + p.offset.x() + p.shiftX) * p.unitsX;
    case Edge::Top: return (r.y() + p.offset.y()) * p.unitsY;
    case Edge::Width: return r.width() * p.unitsX;
    case Edge::Height: return r.height() * p.unitsY;
    }
    return 0;
}

// Any of the four may be left out (NaN).
void place(QWidget* w, double left, double top, double width, double height)
{
    const Place p = placeOf(w);
    QRectF r = exactGeometry(w);
    if (!std::isnan(left))
        r.moveLeft(left / p.unitsX - p.offset.x() - p.shiftX);
    if (!std::isnan(top))
        r.moveTop(top / p.unitsY - p.offset.y());
    if (!std::isnan(width)) {
        if (width < 0)
            invalidValue();
        r.setWidth(width / p.unitsX);
    }
    if (!std::isnan(height)) {
        if (height < 0)
            invalidValue();
        r.setHeight(height / p.unitsY);
    }
    setExactGeometry(w, r);
}

} // namespace

// A menu bar is the form's menu, not a placed control: it has no position of its own, and the
// form's area starts below it.
bool hasGeometry(Kind k) { return k != Kind::Timer && k != Kind::Line && k != Kind::Menu; }
bool hasScale(Kind k) { return k == Kind::Form || k == Kind::PictureBox; }
bool hasAlign(Kind k) { return k == Kind::StatusBar || k == Kind::PictureBox || k == Kind::Toolbar; }

QSizeF pixelsOf(QWidget* w, double width, double height)
{
    const Place p = placeOf(w);
    return {width / p.unitsX, height / p.unitsY};
}

std::optional<Value> getGeometry(QObject* o, Kind k, M m)
{
    switch (m) {
    case M::Left:
    case M::Top:
    case M::Width:
    case M::Height:
        if (!hasGeometry(k))
            missing();
        return Value(readEdge(widgetOf(o),
                              m == M::Left        ? Edge::Left
                                  : m == M::Top   ? Edge::Top
                                  : m == M::Width ? Edge::Width
                                                  : Edge::Height));
    case M::WindowState: {
        if (k != Kind::Form)
            missing();
        const Qt::WindowStates s = widgetOf(o)->windowState();
        return Value(static_cast<int32_t>(s & Qt::WindowMinimized ? 1 : s & Qt::WindowMaximized ? 2 : 0));
    }
    case M::ScaleMode:
        if (!hasScale(k))
            missing();
        return Value(static_cast<int32_t>(1)); // a stored mode is a dynamic property, read before
    case M::ScaleWidth:
    case M::ScaleHeight: {
        if (!hasScale(k))
            missing();
        QWidget* w = widgetOf(o);
        const bool vertical = m == M::ScaleHeight;
        const double units = unitsPerPixel(scaleModeOf(w), twipsPerPixel(w, vertical), vertical);
        return Value((vertical ? w->height() - menuBandOf(w) : w->width()) * units);
    }
    case M::Align:
        if (!hasAlign(k))
            missing();
        switch (k) {
        case Kind::StatusBar: return Value(static_cast<int32_t>(2));
        case Kind::PictureBox: return Value(static_cast<int32_t>(0));
        case Kind::Toolbar: {
            if (auto* bar = qobject_cast<QToolBar*>(o))
                if (auto* main = qobject_cast<QMainWindow*>(bar->parentWidget())) {
                    switch (main->toolBarArea(bar)) {
                    case Qt::BottomToolBarArea: return Value(static_cast<int32_t>(2));
                    case Qt::LeftToolBarArea: return Value(static_cast<int32_t>(3));
                    case Qt::RightToolBarArea: return Value(static_cast<int32_t>(4));
                    default: break;
                    }
                }
            return Value(static_cast<int32_t>(1));
        }
        default: missing();
        }
    case M::StartUpPosition:
        if (k != Kind::Form)
            missing();
        return Value(static_cast<int32_t>(0));
    case M::ClipControls:
        if (k != Kind::Form && k != Kind::Frame && k != Kind::PictureBox)
            missing();
        return Value(true);
    default: return std::nullopt;
    }
}

bool setGeometry(QObject* o, Kind k, M m, const Value& value)
{
    constexpr double skip = std::numeric_limits<double>::quiet_NaN();
    switch (m) {
    case M::Left:
    case M::Top:
    case M::Width:
    case M::Height: {
        if (!hasGeometry(k))
            missing();
        const double v = finite(value);
        place(widgetOf(o), m == M::Left ? v : skip, m == M::Top ? v : skip, m == M::Width ? v : skip, m == M::Height ? v : skip);
        return true;
    }
    case M::WindowState: {
        if (k != Kind::Form)
            missing();
        const int32_t s = value.toInt32();
        if (s < 0 || s > 2)
            invalidValue();
        widgetOf(o)->setWindowState(s == 1 ? Qt::WindowMinimized : s == 2 ? Qt::WindowMaximized : Qt::WindowNoState);
        return true;
    }
    case M::ScaleMode: {
        if (!hasScale(k))
            missing();
        const int32_t mode = value.toInt32();
        if (mode < 0 || mode > 7)
            invalidValue();
        o->setProperty("ScaleMode", mode);
        return true;
    }
    case M::Align:
        if (k != Kind::PictureBox)
            missing();
        if (value.toInt32() < 0 || value.toInt32() > 4)
            invalidValue();
        o->setProperty("Align", value.toInt32());
        return true;
    case M::StartUpPosition:
        if (k != Kind::Form)
            missing();
        o->setProperty("StartUpPosition", value.toInt32());
        return true;
    case M::ClipControls:
        if (k != Kind::Form && k != Kind::Frame && k != Kind::PictureBox)
            missing();
        o->setProperty("ClipControls", value.toBool());
        return true;
    case M::ScaleWidth:
    case M::ScaleHeight:
        if (!hasScale(k))
            missing();
        throw Failure(kReadOnly, "Property is read-only");
    default: return false;
    }
}

std::optional<Value> callGeometry(QObject* o, Kind k, M m, Array& args)
{
    switch (m) {
    case M::Move: {
        if (!hasGeometry(k))
            missing();
        if (args.empty() || args.size() > 4)
            throw Failure(err::InvalidCall);
        constexpr double skip = std::numeric_limits<double>::quiet_NaN();
        double v[4] = {skip, skip, skip, skip};
        for (std::size_t i = 0; i < args.size(); ++i)
            if (!args[i].isEmpty())
                v[i] = finite(args[i]);
        place(widgetOf(o), v[0], v[1], v[2], v[3]);
        return Value();
    }
    case M::ZOrder:
        if (!args.empty() && args.front().toInt32() == 1)
            widgetOf(o)->lower();
        else
            widgetOf(o)->raise();
        return Value();
    default: return std::nullopt;
    }
}

} // namespace kelvane::qt
