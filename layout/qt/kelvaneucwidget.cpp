#include <kelvaneuc/kelvaneucwidget.h>

#include "qt_font.h"
#include "qt_site.h"

#include <QCloseEvent>
#include <QEvent>
#include <QLabel>
#include <QPointer>
#include <QWindow>

namespace kelvane {

class KelvaneUCWidget::Private {
public:
    Private(KelvaneUCWidget* q, QWidget* window, bool designMode)
        : window(window)
        , site(q, window, designMode)
        , control(site)
    {
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
        if (suspend)
            window->setUpdatesEnabled(false);
        control.HostResize();
        if (suspend && window)
            window->setUpdatesEnabled(true); // repaints the window once
        --depth;
    }

    QPointer<QWidget> window;
    qt::QtSite site;
    KelvaneUC control;
    QPointer<QWindow> watchedHandle;
    bool shown = false;
    int depth = 0;
};

KelvaneUCWidget::KelvaneUCWidget(QWidget* window, bool designMode)
    : QWidget(window)
    , d(std::make_unique<Private>(this, window, designMode))
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("KelvaneUC1"));
    if (!designMode)
        setVisible(false);
    if (window)
        window->installEventFilter(this);
}

KelvaneUCWidget::~KelvaneUCWidget()
{
    if (d->window)
        d->window->removeEventFilter(this);
}

KelvaneUC& KelvaneUCWidget::control() { return d->control; }

Result<> KelvaneUCWidget::load(PropertyBag& bag) { return d->control.ReadProperties(bag); }

void KelvaneUCWidget::initialize() { d->control.InitProperties(); }

Result<> KelvaneUCWidget::save(PropertyBag& bag) { return d->control.WriteProperties(bag); }

bool KelvaneUCWidget::eventFilter(QObject* watched, QEvent* event)
{
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
            if (QWindow* handle = d->window->windowHandle(); handle && handle != d->watchedHandle) {
                d->watchedHandle = handle;
                // A window moved to another screen is a resolution change for it.
                connect(handle, &QWindow::screenChanged, this, [this] { d->hostResize(); });
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
    if (!d->site.userMode())
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
