#pragma once
// Shared by the two start-up children: wait until the window is on the screen, then write
// "shown <peak resident kB>" to standard output and leave without tearing anything down (the
// measured time ends at the first frame, not at exit).
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace startup {

inline long peakResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

inline int reportWhenShown(QWidget* window)
{
    if (!window)
        return 3;
    QElapsedTimer waited;
    waited.start();
    while (!(window->windowHandle() && window->windowHandle()->isExposed())) {
        if (waited.elapsed() > 10000)
            return 3;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    QCoreApplication::processEvents(); // the first paint
    std::printf("shown %ld\n", peakResidentKb());
    std::fflush(stdout);
    _exit(0);
}

} // namespace startup
