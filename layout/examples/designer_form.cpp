// The Designer placement: a "Main Window" form made in Qt Designer (menu bar, central widget,
// status bar) with the KelvaneUC control dropped into the central widget, its stored properties
// in the .ui file (designer_form.ui, laid out on a 1024 x 768 screen). The code uic generates
// makes the window; nothing else is needed. The form the control scales is the top-level
// window, wherever in it the control sits: the window, the central widget and every control in
// it follow the screen.
#include "ui_designer_form.h"

#include <kelvaneuc/kelvaneucwidget.h>

#include <QApplication>
#include <QMainWindow>
#include <QScreen>

#include <cmath>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    Ui::DesignerForm ui;
    ui.setupUi(&window);
    const QRect start = ui.Start->geometry(); // in the central widget, as designed

    window.show(); // the first showing rescales the window to this screen
    QApplication::processEvents();

    const QScreen* screen = window.screen();
    const double ratio = ui.KelvaneUC1->control().WidthRatio();
    const QRect now = ui.Start->geometry();
    std::printf("screen %dx%d: ratio %.4f, window %dx%d, Start at %d,%d size %dx%d\n", screen->size().width(),
                screen->size().height(), ratio, window.frameGeometry().width(), window.frameGeometry().height(), now.x(), now.y(),
                now.width(), now.height());

    const auto near = [ratio](int scaled, int designed) { return std::abs(scaled - designed * ratio) <= 1.0; };
    const bool proportional = near(now.x(), start.x()) && near(now.y(), start.y()) && near(now.width(), start.width()) &&
        near(now.height(), start.height());
    const bool fits = screen->availableGeometry().contains(window.frameGeometry());
    if (screen->size().width() < 1024)
        return ratio < 1 && proportional && fits ? 0 : 1;
    return proportional ? 0 : 1;
}
