// Starts the program as main() does, up to the setup screen on the screen, then prints every
// shared object the process has loaded, one path a line, and leaves.
#include "i18n/accessible_roles.h"
#include "program.h"
#include "setup/setup_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>

#include <cstdio>
#include <link.h>
#include <unistd.h>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    zorvix::i18n::installAccessibleRoles();
    QWidget* setup = zorvix::startProgram().setupWindow();
    QElapsedTimer waited;
    waited.start();
    while (!(setup->windowHandle() && setup->windowHandle()->isExposed()) && waited.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents();
    if (!setup->windowHandle() || !setup->windowHandle()->isExposed())
        return 3;
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void*) {
            if (info->dlpi_name && *info->dlpi_name)
                std::printf("%s\n", info->dlpi_name);
            return 0;
        },
        nullptr);
    std::fflush(stdout);
    // Tearing the windows down is not what this looks at.
    _exit(0);
}
