#include "progress_service.h"

#include "progress_recorder.h"
#include "progress_store.h"

#include <QSettings>

namespace zorvix::progress {

namespace {

constexpr int kOpenWaitMs = 10000;

std::unique_ptr<QSettings> preferences()
{
    return std::make_unique<QSettings>(QStringLiteral("Zorvix"), QStringLiteral("Zorvix"));
}
const QString kProfilesKey = QStringLiteral("Progress/profiles");
const QString kCurrentKey = QStringLiteral("Progress/current");

QString tidy(const QString& name) { return name.simplified(); }

} // namespace

ProgressService::ProgressService(QString location)
    : m_location(location.isEmpty() ? ProgressStore::defaultLocation() : std::move(location))
{
}

ProgressService::~ProgressService() = default;

QString ProgressService::defaultProfile() { return QStringLiteral("Child 1"); }

ProgressRecorder& ProgressService::recorder()
{
    if (!m_recorder) {
        const QString location = m_location;
        m_recorder = std::make_unique<ProgressRecorder>(
            [location] { return std::make_unique<ProgressStore>(makeSqliteDialect(), location); });
    }
    return *m_recorder;
}

void ProgressService::record(TestRecord record)
{
    record.profile = currentProfile().toStdString();
    recorder().record(std::move(record));
}

std::unique_ptr<ProgressStore> ProgressService::openStore(QString* why)
{
    recorder().waitOpened(kOpenWaitMs);
    auto store = std::make_unique<ProgressStore>(makeSqliteDialect(), m_location);
    if (!store->open()) {
        *why = store->error();
        return nullptr;
    }
    return store;
}

QStringList ProgressService::profiles() const
{
    QStringList names = preferences()->value(kProfilesKey).toStringList();
    names.removeAll(QString());
    if (names.isEmpty())
        names << defaultProfile();
    return names;
}

QString ProgressService::currentProfile() const
{
    if (m_current.isEmpty()) {
        const QStringList names = profiles();
        const QString chosen = preferences()->value(kCurrentKey).toString();
        m_current = names.contains(chosen) ? chosen : names.front();
    }
    return m_current;
}

void ProgressService::setCurrentProfile(const QString& name)
{
    if (!profiles().contains(name))
        return;
    preferences()->setValue(kCurrentKey, name);
    m_current = name;
}

bool ProgressService::addProfile(const QString& name)
{
    const QString wanted = tidy(name);
    QStringList names = profiles();
    if (wanted.isEmpty() || names.contains(wanted))
        return false;
    names << wanted;
    const std::unique_ptr<QSettings> settings = preferences();
    settings->setValue(kProfilesKey, names);
    return true;
}

bool ProgressService::renameProfile(const QString& from, const QString& to, QString* why)
{
    const QString wanted = tidy(to);
    QStringList names = profiles();
    const qsizetype at = names.indexOf(from);
    if (at < 0 || wanted.isEmpty() || (wanted != from && names.contains(wanted))) {
        *why = QStringLiteral("That name is empty or already taken.");
        return false;
    }
    if (wanted == from)
        return true;
    // Records already queued carry the old name: let them land first.
    recorder().flush(kOpenWaitMs);
    const std::unique_ptr<ProgressStore> store = openStore(why);
    if (!store)
        return false;
    if (!store->renameProfile(from.toStdString(), wanted.toStdString())) {
        *why = store->error();
        return false;
    }
    names[at] = wanted;
    const std::unique_ptr<QSettings> settings = preferences();
    const bool wasCurrent = currentProfile() == from;
    settings->setValue(kProfilesKey, names);
    if (wasCurrent) {
        settings->setValue(kCurrentKey, wanted);
        m_current = wanted;
    }
    return true;
}

} // namespace zorvix::progress
