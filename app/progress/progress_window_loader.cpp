#include "progress_window_loader.h"

#include "common/qt/module_loader.h"
#include "i18n/translation.h"
#include "progress_window_module.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QStringList>
#include <QWidget>

#include <cstdio>

namespace zorvix::progress {

namespace {

struct Module {
    bool tried = false;
    ProgressWindowCreateFn create = nullptr;
    ProgressWindowReloadFn reload = nullptr;
    QString problem;
    bool reported = false;
    QString onlyFile;
};

QString trProgress(const char* english) { return i18n::text("Progress", QString::fromUtf8(english)); }

Module& module()
{
    static Module m;
    return m;
}

QStringList candidates()
{
    if (!module().onlyFile.isEmpty())
        return {module().onlyFile};
    return moduleCandidates(QStringLiteral(ZORVIX_PROGRESS_MODULE_NAME), QStringLiteral(ZORVIX_PROGRESS_MODULE_RELATIVE_DIR),
                            QStringLiteral(ZORVIX_PROGRESS_MODULE_BUILD_FILE));
}

Module& loaded()
{
    Module& m = module();
    if (m.tried)
        return m;
    m.tried = true;
    QFunctionPointer create = nullptr;
    QFunctionPointer reload = nullptr;
    if (loadModule(candidates(), {{kProgressWindowCreate, &create}, {kProgressWindowReload, &reload}}, m.problem)) {
        m.create = reinterpret_cast<ProgressWindowCreateFn>(create);
        m.reload = reinterpret_cast<ProgressWindowReloadFn>(reload);
    }
    return m;
}

} // namespace

QWidget* createProgressWindow(ProgressService& service, QWidget* parent)
{
    Module& m = loaded();
    if (m.create)
        return m.create(service, parent);
    if (!m.reported) {
        m.reported = true;
        std::fprintf(stderr, "zorvix: the Progress window is not available (%s)\n", qPrintable(m.problem));
    }
    QMessageBox::warning(parent, trProgress(QT_TRANSLATE_NOOP("Progress", "Show Progress")),
                         trProgress(QT_TRANSLATE_NOOP("Progress",
                                                      "The Progress window could not be loaded. The drills work as "
                                                      "before and still record every test.")) +
                             QStringLiteral("\n\n") + m.problem);
    return nullptr;
}

void reloadProgressWindow(QWidget* window)
{
    if (window && module().reload)
        module().reload(window);
}

QString progressModuleProblem() { return module().problem; }

void setProgressModuleFile(const QString& file)
{
    Module& m = module();
    m = Module{};
    m.onlyFile = file;
}

} // namespace zorvix::progress
