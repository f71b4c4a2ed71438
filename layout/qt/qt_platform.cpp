#include "qt_platform.h"

#include "qt_control.h"
#include "qt_tree.h"
#include "qt_values.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <chrono>
#include <thread>

namespace kelvane::qt {

namespace {

const QScreen* screenOf(const QWidget* window)
{
    const QScreen* screen = window ? window->screen() : nullptr;
    return screen ? screen : QGuiApplication::primaryScreen();
}

QWidget* formOf(const Ref& form)
{
    QObject* o = unwrap(form);
    return o ? windowOf(o) : nullptr;
}

QStyle* styleOf(const QWidget* window) { return window ? window->style() : QApplication::style(); }

} // namespace

uint32_t QtPlatform::tickCount()
{
    using namespace std::chrono;
    const auto ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    return static_cast<uint32_t>(static_cast<uint64_t>(ms)); // wraps like the system counter
}

void QtPlatform::sleep(uint32_t milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

DisplayMetrics displayMetricsOf(const QWidget* window)
{
    DisplayMetrics m;
    if (const QScreen* screen = screenOf(window)) {
        m.screenWidth = screen->geometry().width();
        m.screenHeight = screen->geometry().height();
    }
    const QStyle* style = styleOf(window);
    const QRect frame = window ? window->frameGeometry() : QRect();
    const QRect client = window ? window->geometry() : QRect();
    if (window && window->isWindow() && frame != client) {
        // The real frame: equal borders left and right, the caption above the top border.
        m.borderWidth = std::max(0, client.left() - frame.left());
        m.captionHeight = std::max(0.0, (client.top() - frame.top()) - m.borderWidth);
    } else if (style) {
        m.borderWidth = style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, window);
        m.captionHeight = style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window);
    }
    const QMenuBar* bar = window ? window->findChild<QMenuBar*>() : nullptr;
    if (bar && !bar->isHidden())
        m.menuHeight = bar->height() > 1 ? bar->height() : bar->sizeHint().height();
    else if (style) {
        const QFontMetrics metrics(QApplication::font("QMenuBar"));
        m.menuHeight = metrics.height() + 2 * style->pixelMetric(QStyle::PM_MenuBarVMargin) +
            2 * style->pixelMetric(QStyle::PM_MenuBarPanelWidth) + 2 * style->pixelMetric(QStyle::PM_MenuBarItemSpacing);
    }
    if (style)
        m.scrollWidth = style->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, window);
    return m;
}

DisplayMetrics QtPlatform::displayMetrics(const Ref& form) { return displayMetricsOf(formOf(form)); }

std::optional<WorkArea> QtPlatform::workArea(const Ref& form)
{
    const QScreen* screen = screenOf(formOf(form));
    if (!screen)
        return std::nullopt;
    const QRect r = screen->availableGeometry();
    return WorkArea{static_cast<double>(r.left()), static_cast<double>(r.top()), static_cast<double>(r.width()),
                    static_cast<double>(r.height())};
}

double QtPlatform::twipsPerPixelX(const Ref& form) { return twipsPerPixel(formOf(form), false); }
double QtPlatform::twipsPerPixelY(const Ref& form) { return twipsPerPixel(formOf(form), true); }

void QtPlatform::processEvents() { QCoreApplication::processEvents(); }

std::vector<Ref> QtPlatform::openForms()
{
    std::vector<Ref> forms;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = w->windowType();
        if ((type == Qt::Window || type == Qt::Dialog) && !qobject_cast<QMenu*>(w) && !w->objectName().isEmpty())
            forms.push_back(wrap(w));
    }
    return forms;
}

} // namespace kelvane::qt
