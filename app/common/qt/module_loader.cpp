#include "module_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace zorvix {

QStringList moduleCandidates(const QString& fileName, const QString& relativeDir, const QString& buildFile)
{
    QStringList files;
    const QString programDir = QCoreApplication::applicationDirPath();
    if (!programDir.isEmpty()) {
        const QDir dir(programDir);
        files << dir.filePath(fileName) << QDir::cleanPath(dir.filePath(relativeDir + QLatin1Char('/') + fileName));
    }
    files << buildFile;
    return files;
}

bool loadModule(const QStringList& candidates, std::initializer_list<std::pair<const char*, QFunctionPointer*>> entries,
                QString& problem)
{
    for (const auto& [name, slot] : entries)
        *slot = nullptr;
    QStringList problems;
    for (const QString& file : candidates) {
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
        bool complete = true;
        for (const auto& [name, slot] : entries)
            complete = (*slot = library.resolve(name)) && complete;
        if (complete) {
            problem.clear();
            return true;
        }
        for (const auto& [name, slot] : entries)
            *slot = nullptr;
        problems << file + QStringLiteral(": not a module of this version");
    }
    problem = problems.join(QStringLiteral("; "));
    return false;
}

} // namespace zorvix
