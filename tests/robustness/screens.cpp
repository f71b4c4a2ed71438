#include "offscreen_screens.h"
#include "screens.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace robust {

QScreen* screenAt(const QRect& geometry)
{
    for (QScreen* s : QGuiApplication::screens())
        if (s->geometry() == geometry)
            return s;
    return nullptr;
}

void moveToScreen(QWidget* window, const QRect& screen, int offset)
{
    window->move(screen.left() + offset, screen.top() + offset);
    settle();
}

void settle(int rounds)
{
    for (int i = 0; i < rounds; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }
}

} // namespace robust

int main(int argc, char** argv)
{
    return runTestsOnScreens(argc, argv, R"([
        {"name": "vga", "x": 0, "y": 0, "width": 640, "height": 480, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
        {"name": "uhd", "x": 640, "y": 0, "width": 3840, "height": 2160, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}])");
}
