#include <kelvaneuc/kelvaneucwidget.h>

#include "control/instance.h"
#include "qt_exact.h"
#include "qt_font.h"
#include "qt_site.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QPointer>
#include <QWindow>

#include <cmath>
#include <vector>

namespace kelvane {

class KelvaneUCWidget::Private {
public:
    Private(KelvaneUCWidget* q, QWidget* parent, bool designMode)
        : window(formOf(parent))
        , site(q, window, designMode)
        , control(site)
    {
    }

    // The form is the top-level window the control sits in, however deep: Designer drops it
    // into a main window's central widget, and a form may hold it in a plain container.
    static QWidget* formOf(QWidget* parent) { return parent ? parent->window() : nullptr; }

    // Hooks the form the control sits in now. Every ancestor is watched too: any of them may
    // be put into another window (a container made first and laid out later).
    void rehook(KelvaneUCWidget* q)
    {
        for (const QPointer<QWidget>& up : ancestors)
            if (up)
                up->removeEventFilter(q);
        ancestors.clear();
        for (QWidget* up = q->parentWidget(); up; up = up->parentWidget()) {
            up->installEventFilter(q);
            ancestors.emplace_back(up);
            if (up->isWindow())
                break;
        }
        QWidget* form = formOf(q->parentWidget());
        if (form == window)
            return;
        // A pass's state belongs to the form it measured; the new one starts from the design.
        if (window && depth == 0)
            control.Unload();
        window = form;
        site.setWindow(form);
        watchedHandle = nullptr;
        delete repaintMark.data(); // it marks the window it was made on
        shown = false;             // the new form's first showing is the start-up request
    }

    bool isAncestor(const QObject* object) const
    {
        for (const QPointer<QWidget>& up : ancestors)
            if (up == object)
                return true;
        return false;
    }

    // One pass at a time; nested requests (from events let through during a pass) still reach
    // the control, which refuses them, but must not switch painting back on half way.
    void hostResize()
    {
        if (depth > 0) {
            control.HostResize();
            return;
        }
        const bool suspend = window && window->isVisible() && window->updatesEnabled();
        ++depth;
        if (suspend) {
            markWholeWindowDirty();
            window->setUpdatesEnabled(false);
        }
        qt::beginDeferredGeometry();
        control.HostResize();
        qt::endDeferredGeometry();
        if (suspend && window) {
            window->setUpdatesEnabled(true);
            // The window was marked dirty before the pass; a repaint request handled while
            // painting was paused is spent, so ask for the one repaint again.
            QCoreApplication::postEvent(window, new QEvent(QEvent::UpdateRequest), Qt::LowEventPriority);
        }
        --depth;
    }

    // Switching painting back on queues every control for a repaint of its own, and Qt then
    // subtracts each queued control's siblings from it: a cost that grows with the square of
    // the controls in one container. A window already dirty as a whole takes those requests as
    // done and is painted once, in one sweep. Lowering a hidden child of the window over its
    // whole area is the public way to mark it so; the child is ours, unnamed, never shown.
    void markWholeWindowDirty()
    {
        if (!repaintMark) {
            repaintMark = new QWidget(window);
            repaintMark->setAttribute(Qt::WA_TransparentForMouseEvents);
            repaintMark->hide();
        }
        repaintMark->setGeometry(window->rect());
        repaintMark->raise(); // lower() does nothing for a child already at the bottom
        repaintMark->lower();
    }

    QPointer<QWidget> window;
    qt::QtSite site;
    KelvaneUC control;
    QPointer<QWindow> watchedHandle;
    QPointer<QWidget> repaintMark;
    std::vector<QPointer<QWidget>> ancestors;
    bool shown = false;
    int depth = 0;
    // Properties set one by one (from a .ui file) before the first showing, and whether a
    // property bag has been read already.
    MemoryPropertyBag stored;
    bool storedPending = false;
    bool loaded = false;
};

namespace {
// The stored keys, in the order the property accessors number them.
constexpr const char* kMetricKeys[] = {"DesignWidth",         "DesignHeight",     "DesignBorderWidth",
                                       "DesignCaptionHeight", "DesignMenuHeight", "DesignScrollWidth"};
constexpr const char* kSettingKeys[] = {"AccountForAlignedControls", "KeepAspectRatio",       "ResizeOnChange",
                                        "ResizeAtStartUp",           "ResizeForFixedTaskBar", "ResizeForOverhead",
                                        "ResizeContainedByToolbar"};
} // namespace

KelvaneUCWidget::KelvaneUCWidget(QWidget* window, bool designMode)
    : QWidget(window)
    , d(std::make_unique<Private>(this, window, designMode))
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("KelvaneUC1"));
    if (!designMode)
        setVisible(false);
    installEventFilter(this); // a new parent may mean a new form
    d->rehook(this);
}

KelvaneUCWidget::~KelvaneUCWidget()
{
    for (const QPointer<QWidget>& up : d->ancestors)
        if (up)
            up->removeEventFilter(this);
}

KelvaneUC& KelvaneUCWidget::control() { return d->control; }

Result<> KelvaneUCWidget::load(PropertyBag& bag)
{
    d->loaded = true;
    return d->control.ReadProperties(bag);
}

void KelvaneUCWidget::initialize() { d->control.InitProperties(); }

Result<> KelvaneUCWidget::save(PropertyBag& bag) { return d->control.WriteProperties(bag); }

double KelvaneUCWidget::metric(int index) const
{
    const Instance& s = d->control.instance();
    const double values[] = {s.DesignWidth,         s.DesignHeight,     s.DesignBorderWidth,
                             s.DesignCaptionHeight, s.DesignMenuHeight, s.DesignScrollWidth};
    if (index < 0 || index >= static_cast<int>(std::size(values)))
        return 0;
    // Before the bag is read, report what was set, so a form editor's round trip keeps it.
    if (d->site.userMode() && !d->loaded)
        if (const auto v = d->stored.find(kMetricKeys[index]))
            return v->toDouble();
    return values[index];
}

void KelvaneUCWidget::setMetric(int index, double value)
{
    // Design mode measures the screen; after loading, the engine's state rests on the metrics read.
    // A metric that is no number (a hand-edited .ui file) keeps its default.
    if (index < 0 || index >= static_cast<int>(std::size(kMetricKeys)) || !d->site.userMode() || d->loaded ||
        !std::isfinite(value))
        return;
    d->stored.write(kMetricKeys[index], value, Value());
    d->storedPending = true;
}

bool KelvaneUCWidget::setting(int index) const
{
    const KelvaneUC& c = d->control;
    switch (index) {
    case 0: return c.AccountForAlignedControls();
    case 1: return c.KeepAspectRatio();
    case 2: return c.ResizeOnChange();
    case 3: return c.ResizeAtStartUp();
    case 4: return c.ResizeForFixedTaskBar();
    case 5: return c.ResizeForOverhead();
    case 6: return c.ResizeContainedByToolbar();
    default: return false;
    }
}

void KelvaneUCWidget::setSetting(int index, bool value)
{
    KelvaneUC& c = d->control;
    switch (index) {
    case 0: c.setAccountForAlignedControls(value); break;
    case 1: c.setKeepAspectRatio(value); break;
    case 2: c.setResizeOnChange(value); break;
    case 3: c.setResizeAtStartUp(value); break;
    case 4: c.setResizeForFixedTaskBar(value); break;
    case 5: c.setResizeForOverhead(value); break;
    case 6: c.setResizeContainedByToolbar(value); break;
    default: return;
    }
    if (d->site.userMode() && !d->loaded) {
        d->stored.write(kSettingKeys[index], value, Value());
        d->storedPending = true;
    }
}

bool KelvaneUCWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ParentChange && (watched == this || d->isAncestor(watched))) {
        d->rehook(this);
        return QWidget::eventFilter(watched, event);
    }
    if (watched != d->window || !d->site.userMode())
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Resize:
        // Resize events queued before the first showing are not requests of their own.
        if (d->window->isVisible() && d->shown)
            d->hostResize();
        break;
    case QEvent::Show:
        if (!d->shown) {
            d->shown = true;
            // Properties from a .ui file are the property bag of a control nobody loaded.
            if (d->storedPending && !d->loaded) {
                d->loaded = true;
                d->control.ReadProperties(d->stored);
            }
            if (QWindow* handle = d->window->windowHandle(); handle && handle != d->watchedHandle) {
                d->watchedHandle = handle;
                // A window moved to another screen is a resolution change for it. The request
                // waits until the move that changed the screen has finished, or the platform's
                // own geometry for that move would land on top of the pass's.
                connect(
                    handle, &QWindow::screenChanged, this, [this] { d->hostResize(); }, Qt::QueuedConnection);
            }
            d->hostResize();
        }
        break;
    case QEvent::Close:
        if (d->control.HostQueryUnload())
            event->ignore();
        break;
    default: break;
    }
    return QWidget::eventFilter(watched, event);
}

void KelvaneUCWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!d->site.userMode())
        d->control.DesignResize();
}

void KelvaneUCWidget::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (d->site.userMode())
        return;
    // The face's label is written in the control's font, as set in the property editor.
    if (QLabel* face = d->site.face(); face && face->font() != font())
        face->setFont(font());
    d->control.Paint();
}

void KelvaneUCWidget::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!d->site.userMode())
        d->control.Show();
}

void KelvaneUCWidget::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
    if (!d->site.userMode())
        d->control.FaceClicked();
}

} // namespace kelvane
