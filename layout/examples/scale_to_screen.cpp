// Scale to the screen: a window laid out on a 1024 x 768 screen, shown on the screen this
// program runs on. On a smaller screen the window and every control on it shrink in proportion
// (positions, sizes and fonts); on the design screen itself nothing changes.
#include <kelvaneuc/kelvaneucwidget.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

#include <cmath>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget form;
    form.setWindowTitle("Scaled");
    form.resize(900, 600); // fills most of the design screen
    // The control reaches the window's controls by name: a widget without an objectName (or
    // with one of Qt's own "qt_" names) is not scaled.
    form.setObjectName("Form1");
    auto* title = new QLabel("Times tables", &form);
    title->setObjectName("Title");
    title->setGeometry(60, 40, 400, 40);
    QFont big = title->font();
    big.setPointSizeF(20);
    title->setFont(big);
    auto* start = new QPushButton("Start", &form);
    start->setObjectName("Start");
    start->setGeometry(600, 480, 240, 60);

    // What the form stored when it was designed: the design screen's metrics, in pixels. Keys
    // missing here keep their defaults (every Boolean setting on, including KeepAspectRatio).
    auto* layout = new kelvane::KelvaneUCWidget(&form);
    kelvane::MemoryPropertyBag stored{{"DesignWidth", 1024.0},
                                      {"DesignHeight", 768.0},
                                      {"DesignCaptionHeight", 25.0},
                                      {"DesignMenuHeight", 19.0},
                                      {"DesignScrollWidth", 17.0}};
    if (!layout->load(stored)) {
        std::puts("the stored properties could not be read");
        return 1;
    }

    form.show(); // the first showing is the first resize request: the pass runs now
    QApplication::processEvents();

    const QSize screen = form.screen()->size();
    const double ratio = layout->control().WidthRatio();
    const QRect button = start->geometry();
    std::printf("screen %dx%d: ratio %.4f, window %dx%d, Start at %d,%d size %dx%d, title font %.1f pt\n", screen.width(),
                screen.height(), ratio, form.width(), form.height(), button.x(), button.y(), button.width(), button.height(),
                title->font().pointSizeF());
    std::fputs(layout->control().GetErrors().c_str(), stdout);
    std::puts("");

    // Controls land within a pixel of design x ratio (edges are rounded, not sizes). The window
    // itself shrinks too, but its frame is kept out of the proportional area.
    const auto near = [ratio](int scaled, int designed) { return std::abs(scaled - designed * ratio) <= 1.0; };
    const bool proportional =
        near(button.x(), 600) && near(button.y(), 480) && near(button.width(), 240) && near(button.height(), 60);
    if (screen.width() < 1024 && screen.height() < 768)
        return ratio < 1 && proportional && form.width() < 900 && title->font().pointSizeF() < 20 ? 0 : 1;
    if (screen == QSize(1024, 768))
        return ratio == 1 && button == QRect(600, 480, 240, 60) ? 0 : 1;
    return proportional ? 0 : 1;
}
