#include "school_config.h"

#include <QSettings>

namespace zorvix::progress {

std::optional<SchoolConfig> readSchoolConfig()
{
    const QSettings system(QSettings::SystemScope, QStringLiteral("Zorvix"), QStringLiteral("Zorvix"));
    const QString service = system.value(QStringLiteral("School/service")).toString().trimmed();
    if (service.isEmpty())
        return std::nullopt;
    return SchoolConfig{service};
}

} // namespace zorvix::progress
