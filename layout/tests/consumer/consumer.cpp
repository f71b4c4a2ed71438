// Places a layout control on a window through the installed headers and library.
#include <kelvaneuc/component.h>
#include <kelvaneuc/kelvaneuc.h>
#include <kelvaneuc/kelvaneucwidget.h>

#include <QApplication>
#include <QWidget>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    kelvane::KelvaneUCWidget control(&window);
    kelvane::MemoryPropertyBag bag{{"designwidth", 1024.0}, {"keepaspectratio", false}};
    if (!control.load(bag)) {
        std::puts("load failed");
        return 1;
    }
    kelvane::Array none;
    const auto keep = control.control().Invoke("KeepAspectRatio", none);
    if (!keep || keep.value().toBool()) {
        std::puts("KeepAspectRatio should read false");
        return 1;
    }
    if (kelvane::KelvaneUC::MemberNames().size() != 48 || DllCanUnloadNow() != kelvane::hr::Ok) {
        std::puts("unexpected interface");
        return 1;
    }
    std::puts("consumer ok");
    return 0;
}
