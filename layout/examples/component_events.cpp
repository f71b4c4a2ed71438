// The events of a pass, for a program that loads the library at run time (dlopen) instead of
// linking it: it needs <kelvaneuc/component.h> and the library file, nothing else of the
// library. Its sink hears BeginResize, BeforeResize and AfterResize for each control, and
// FinishedResize; it keeps one control out of the pass by setting cancel.
#include <kelvaneuc/component.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <dlfcn.h>

#include <cstdio>
#include <string>

namespace {

class Sink final : public kelvane::EventSink {
public:
    void BeginResize() override { log += "BeginResize\n"; }
    void BeforeResize(QObject* control, double widthRatio, double, bool& cancel) override
    {
        log += "BeforeResize " + control->objectName().toStdString() + " " + std::to_string(widthRatio) + "\n";
        if (control->objectName() == "Logo")
            cancel = true; // keeps its design size and place
    }
    void AfterResize(QObject* control, double, double) override
    {
        log += "AfterResize " + control->objectName().toStdString() + "\n";
    }
    void FinishedResize() override { log += "FinishedResize\n"; }
    std::string log;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    void* library = dlopen(KELVANEUCP_LIBRARY_FILE, RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        std::printf("cannot load the library: %s\n", dlerror());
        return 1;
    }
    auto get = reinterpret_cast<kelvane::DllGetClassObjectFn>(dlsym(library, "DllGetClassObject"));
    kelvane::ClassFactory* factory = nullptr;
    if (!get || !kelvane::succeeded(get(kelvane::kClassIdC, kelvane::kClassFactoryIdC, reinterpret_cast<void**>(&factory))))
        return 1;

    QWidget form;
    form.setObjectName("Form1");
    form.resize(900, 600);
    auto* logo = new QLabel("Logo", &form);
    logo->setObjectName("Logo");
    logo->setGeometry(20, 20, 200, 60);
    auto* start = new QPushButton("Start", &form);
    start->setObjectName("Start");
    start->setGeometry(600, 480, 240, 60);

    const kelvane::StoredProperty stored[] = {{"designwidth", 1024}, {"designheight", 768}};
    kelvane::ComponentInstance* control = nullptr;
    const bool created = kelvane::succeeded(factory->CreateInstance(&form, stored, 2, &control));
    factory->Release();
    if (!created)
        return 1;
    Sink sink;
    control->SetEventSink(&sink); // before the first showing, which runs the first pass

    form.show();
    QApplication::processEvents();
    std::fputs(sink.log.c_str(), stdout);

    const std::string expected = "BeginResize\nBeforeResize Logo";
    const bool heard = sink.log.rfind(expected, 0) == 0 &&
        sink.log.find("AfterResize Start\nFinishedResize\n") != std::string::npos &&
        sink.log.find("AfterResize Logo") == std::string::npos;
    const bool logoKept = logo->geometry() == QRect(20, 20, 200, 60);
    const bool startScaled = start->width() < 240;
    control->SetEventSink(nullptr);
    control->Release();
    return heard && logoKept && startScaled ? 0 : 1;
}
