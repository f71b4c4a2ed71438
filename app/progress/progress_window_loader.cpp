#include "progress_window_loader.h"

#include "i18n/translation.h"
#include "progress_window_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
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

// Where the module may be, in order: beside the program (a relocated build), the install
// layout's folder for the program's own libraries, then the build tree it was built in.
QStringList candidates()
{
    if (!module().onlyFile.isEmpty())
        return {module().onlyFile};
    QStringList files;
    const QString programDir = QCoreApplication::applicationDirPath();
    if (!programDir.isEmpty()) {
        const QDir dir(programDir);
        files << dir.filePath(QStringLiteral(ZORVIX_PROGRESS_MODULE_NAME))
              << QDir::cleanPath(
                     dir.filePath(QStringLiteral(ZORVIX_PROGRESS_MODULE_RELATIVE_DIR "/" ZORVIX_PROGRESS_MODULE_NAME)));
    }
    files << QStringLiteral(ZORVIX_PROGRESS_MODULE_BUILD_FILE);
    return files;
}

// Loaded once and kept: the windows it makes hold pointers into it, so it is never unloaded.
Module& loaded()
{
    Module& m = module();
    if (m.tried)
        return m;
    m.tried = true;
    QStringList problems;
    for (const QString& file : candidates()) {
        if (!QFileInfo::exists(file)) {
            problems << file + QStringLiteral(": no such file");
            continue;
        }
        QLibrary library(file);
        library.setLoadHints(QLibrary::ResolveAllSymbolsHint);
        if (!library.load()) {
            problems << library.errorString();
            continue;
        }
        const auto create = reinterpret_cast<ProgressWindowCreateFn>(library.resolve(kProgressWindowCreate));
        const auto reload = reinterpret_cast<ProgressWindowReloadFn>(library.resolve(kProgressWindowReload));
        if (!create || !reload) {
            problems << file + QStringLiteral(": not a Progress window module of this version");
            continue;
        }
        m.create = create;
        m.reload = reload;
        m.problem.clear();
        return m;
    }
    m.problem = problems.join(QStringLiteral("; "));
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
