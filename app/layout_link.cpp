#include "layout_link.h"

#include "common/qt/caption_fit.h"

#include <kelvaneuc/component.h>

#include <QCoreApplication>
#include <QDir>
#include <QObject>
#include <QString>
#include <QWidget>

#include <dlfcn.h>

#include <cstdio>
#include <string>
#include <vector>

namespace zorvix {

namespace {

// Where the library may be, in order: beside the program (a relocated build), the install
// layout's library folder, the build tree it was built in, then the loader's own search path.
std::vector<std::string> candidates()
{
    std::vector<std::string> paths;
    const QString programDir = QCoreApplication::applicationDirPath();
    if (!programDir.isEmpty()) {
        const QDir dir(programDir);
        paths.push_back(dir.filePath(QStringLiteral(ZORVIX_KELVANEUCP_SONAME)).toStdString());
        paths.push_back(
            QDir::cleanPath(dir.filePath(QStringLiteral(ZORVIX_RELATIVE_LIBDIR "/" ZORVIX_KELVANEUCP_SONAME))).toStdString());
    }
    paths.emplace_back(ZORVIX_KELVANEUCP_BUILD_FILE);
    paths.emplace_back(ZORVIX_KELVANEUCP_SONAME);
    return paths;
}

struct Library {
    kelvane::DllGetClassObjectFn getClassObject = nullptr;
    std::string failure;
};

// Loaded once and kept for the life of the process: Qt keeps pointers into a library that
// created widgets, so it is never closed.
const Library& library()
{
    static const Library lib = [] {
        Library l;
        std::string errors;
        for (const auto& path : candidates()) {
            void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
            if (!handle) {
                const char* why = dlerror();
                errors = why ? why : path;
                continue;
            }
            l.getClassObject = reinterpret_cast<kelvane::DllGetClassObjectFn>(dlsym(handle, "DllGetClassObject"));
            if (l.getClassObject)
                return l;
            errors = path + ": no DllGetClassObject";
        }
        l.failure = errors;
        return l;
    }();
    return lib;
}

void reportOnce(const std::string& why)
{
    static bool reported = false;
    if (reported)
        return;
    reported = true;
    std::fprintf(stderr, "zorvix: layout control not available (%s); windows are not scaled to the screen\n", why.c_str());
}

// What the drill program's main windows store for their layout control.
constexpr kelvane::StoredProperty kStoredProperties[] = {{"designwidth", 1024},
                                                         {"designheight", 768},
                                                         {"designcaptionheight", 25},
                                                         {"designmenuheight", 19},
                                                         {"designscrollwidth", 17}};

} // namespace

void loadLayoutControl() { (void)library(); }

void attachLayoutControl(QWidget& window)
{
    const Library& lib = library();
    if (!lib.getClassObject) {
        reportOnce(lib.failure);
        return;
    }
    kelvane::ClassFactory* factory = nullptr;
    int32_t result = lib.getClassObject(kelvane::kClassIdC, kelvane::kClassFactoryIdC, reinterpret_cast<void**>(&factory));
    if (!kelvane::succeeded(result) || !factory) {
        reportOnce("no class factory, code " + std::to_string(result));
        return;
    }
    kelvane::ComponentInstance* control = nullptr;
    result = factory->CreateInstance(&window, kStoredProperties, std::size(kStoredProperties), &control);
    factory->Release();
    if (!kelvane::succeeded(result) || !control) {
        reportOnce("the control could not be created, code " + std::to_string(result));
        return;
    }
    // The window owns its control for as long as it lives.
    QObject::connect(&window, &QObject::destroyed, [control] { control->Release(); });
    window.setProperty(kScaledWhenShown, true);
}

} // namespace zorvix
