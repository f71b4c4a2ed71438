#include "qt_exact.h"

#include <QCoreApplication>
#include <QHash>
#include <QPointer>
#include <QSet>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <vector>
#include <limits>

namespace kelvane::qt {

namespace {

struct ScalarEntry {
    double exact;
    int applied;
};

struct Entry {
    QRectF exact;
    QRect applied;
    bool pending = false; // not yet put in place (see beginDeferredGeometry)
};

// Entries go when their widget does.
class ExactStore final : public QObject {
public:
    explicit ExactStore(QObject* parent)
        : QObject(parent)
    {
    }
    QHash<const QObject*, Entry> entries;
    QHash<QPair<const QObject*, quint32>, ScalarEntry> scalars;
    QSet<const QObject*> tracked;
    void track(QObject* widget)
    {
        if (tracked.contains(widget))
            return;
        tracked.insert(widget);
        connect(widget, &QObject::destroyed, this, &ExactStore::drop);
    }
    void drop(QObject* object)
    {
        entries.remove(object);
        tracked.remove(object);
        scalars.removeIf([object](auto it) { return it.key().first == object; });
    }
};

// Widgets whose new geometry waits for the end of a pass, and how many passes are open.
int deferDepth = 0;
std::vector<QPointer<QWidget>>& pending()
{
    static std::vector<QPointer<QWidget>> widgets;
    return widgets;
}

ExactStore* store()
{
    static QPointer<ExactStore> instance;
    if (!instance && QCoreApplication::instance())
        instance = new ExactStore(QCoreApplication::instance());
    return instance;
}

// Pixel positions stay well inside int; anything beyond is clamped, never undefined.
int edge(double v)
{
    constexpr double limit = 1 << 24;
    if (!std::isfinite(v))
        return 0;
    // Scaling there and back lands a hair beside an exact half; snapping to 1/4096 pixel first
    // rounds the same way both times.
    const double snapped = std::round(std::clamp(v, -limit, limit) * 4096.0) / 4096.0;
    return static_cast<int>(std::floor(snapped + 0.5));
}

QRect current(const QWidget* widget) { return widget->isWindow() ? widget->frameGeometry() : widget->geometry(); }

} // namespace

QRect roundEdges(const QRectF& exact)
{
    const int left = edge(exact.x());
    const int top = edge(exact.y());
    const int right = edge(exact.x() + exact.width());
    const int bottom = edge(exact.y() + exact.height());
    return QRect(left, top, std::max(0, right - left), std::max(0, bottom - top));
}

QRectF exactGeometry(const QWidget* widget)
{
    const QRect now = current(widget);
    if (ExactStore* s = store()) {
        auto it = s->entries.constFind(widget);
        if (it != s->entries.constEnd()) {
            // Position and size are kept apart: a window dragged elsewhere keeps its exact size.
            QRectF r = it->exact;
            if (it->applied.topLeft() != now.topLeft())
                r.moveTopLeft(QPointF(now.topLeft()));
            if (it->applied.size() != now.size())
                r.setSize(QSizeF(now.size()));
            return r;
        }
    }
    return QRectF(now);
}

void setExactGeometry(QWidget* widget, const QRectF& exact)
{
    // A window has no neighbours to touch, but its position is often set by others (the user, the
    // platform): its size is rounded on its own so that it never depends on where it stands.
    const QRect target = widget->isWindow()
        ? QRect(edge(exact.x()), edge(exact.y()), std::max(0, edge(exact.width())), std::max(0, edge(exact.height())))
        : roundEdges(exact);
    if (widget->isWindow()) {
        // The frame is what the caller placed; the client area sits inside it.
        const QRect frame = widget->frameGeometry();
        const QRect client = widget->geometry();
        const QMargins margins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                               frame.bottom() - client.bottom());
        const QRect inner = target.marginsRemoved(margins);
        widget->setGeometry(QRect(inner.topLeft(), QSize(std::max(0, inner.width()), std::max(0, inner.height()))));
    } else if (deferDepth > 0) {
        // Each move of a shown widget costs a walk over its siblings; during a pass a control
        // is moved and sized in several writes, so it is placed once when the pass ends.
        if (ExactStore* s = store()) {
            auto it = s->entries.find(widget);
            const bool waiting = it != s->entries.end() && it->pending;
            s->track(widget);
            s->entries.insert(widget, Entry{exact, widget->geometry(), true});
            if (!waiting)
                pending().emplace_back(widget);
            return;
        }
    } else if (widget->geometry() != target) {
        widget->setGeometry(target);
    }
    ExactStore* s = store();
    if (!s)
        return;
    const QRect now = current(widget);
    if (now != target) {
        // The widget refused (size limits, a window manager): its real place is the truth.
        s->entries.remove(widget);
        return;
    }
    s->track(widget);
    s->entries.insert(widget, Entry{exact, now});
}

void forgetExactGeometry(const QWidget* widget)
{
    if (ExactStore* s = store())
        s->entries.remove(widget);
}

double exactScalar(const QObject* object, quint32 key, int current)
{
    if (ExactStore* s = store()) {
        auto it = s->scalars.constFind(qMakePair(object, key));
        if (it != s->scalars.constEnd() && it->applied == current)
            return it->exact;
    }
    return current;
}

int setExactScalar(QObject* object, quint32 key, double exact)
{
    const int applied = edge(exact);
    if (ExactStore* s = store()) {
        s->track(object);
        s->scalars.insert(qMakePair(static_cast<const QObject*>(object), key), ScalarEntry{exact, applied});
    }
    return applied;
}

void beginDeferredGeometry() { ++deferDepth; }

void endDeferredGeometry()
{
    if (deferDepth <= 0 || --deferDepth > 0)
        return;
    std::vector<QPointer<QWidget>> widgets;
    widgets.swap(pending());
    ExactStore* s = store();
    for (const QPointer<QWidget>& w : widgets) {
        if (!w || !s)
            continue;
        auto it = s->entries.find(w.data());
        if (it == s->entries.end() || !it->pending)
            continue;
        const QRectF exact = it->exact;
        const bool untouched = it->applied == w->geometry(); // nobody else moved it meanwhile
        s->entries.remove(w.data());
        if (untouched)
            setExactGeometry(w.data(), exact);
    }
}

} // namespace kelvane::qt
