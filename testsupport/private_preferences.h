#pragma once
// Test programs run side by side: one clearing or choosing a preference must not change what
// another reads back. Each gets a folder of its own for preferences, which the children it starts
// inherit. Call before the first preference is read; keep the folder until the run ends.
#include <QByteArray>
#include <QSettings>
#include <QTemporaryDir>

#include <memory>

namespace zorvix::testing {

inline std::unique_ptr<QTemporaryDir> usePrivatePreferences()
{
    auto folder = std::make_unique<QTemporaryDir>();
    if (!folder->isValid())
        return folder;
    qputenv("XDG_CONFIG_HOME", folder->path().toLocal8Bit());
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, folder->path());
    return folder;
}

} // namespace zorvix::testing
