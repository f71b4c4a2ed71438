#include "progress_service.h"

#include "progress_recorder.h"
#include "progress_store.h"

#include <QSettings>
#include <QUuid>

namespace zorvix::progress {

namespace {

constexpr int kOpenWaitMs = 10000;

std::unique_ptr<QSettings> preferences()
{
    return std::make_unique<QSettings>(QStringLiteral("Zorvix"), QStringLiteral("Zorvix"));
}
const QString kProfilesKey = QStringLiteral("Progress/profiles");
const QString kCurrentKey = QStringLiteral("Progress/current");
// At school the choice belongs to the computer a child sits at, not to a child's own settings.
const QString kClassKey = QStringLiteral("Progress/schoolClass");
const QString kPupilKey = QStringLiteral("Progress/schoolPupil");

QString tidy(const QString& name) { return name.simplified(); }

} // namespace

ProgressService::ProgressService(QString location, std::optional<SchoolConfig> school, ServerFactory server)
    : m_location(!location.isEmpty() ? std::move(location)
                     : school        ? Outbox::defaultLocation()
                                     : ProgressStore::defaultLocation())
    , m_school(std::move(school))
    , m_server(std::move(server))
{
    if (m_school && !m_server) {
        const QString service = m_school->service;
        m_server = [service] { return std::make_unique<ProgressStore>(makePostgresDialect(), service); };
    }
}

ProgressService::~ProgressService()
{
    // What is queued goes into the outbox before the sender stops.
    m_recorder.reset();
    m_sender.reset();
}

QString ProgressService::guestPupil() { return QStringLiteral("Guest"); }

OutboxSender* ProgressService::sender()
{
    if (!m_school)
        return nullptr;
    if (!m_sender)
        m_sender = std::make_unique<OutboxSender>(m_location, m_server);
    return m_sender.get();
}

void ProgressService::startSending()
{
    if (OutboxSender* s = sender())
        s->start();
}

SchoolState ProgressService::schoolState() const { return m_sender ? m_sender->state() : SchoolState{}; }

QStringList ProgressService::classes() const
{
    QStringList names;
    for (const auto& [name, pupils] : schoolState().pupils)
        names << QString::fromStdString(name);
    return names;
}

QString ProgressService::currentClass() const
{
    if (m_class.isNull())
        m_class = preferences()->value(kClassKey).toString();
    return m_class;
}

void ProgressService::setCurrentClass(const QString& name)
{
    if (!m_school || name == currentClass())
        return;
    const std::unique_ptr<QSettings> settings = preferences();
    settings->setValue(kClassKey, name);
    settings->setValue(kPupilKey, guestPupil());
    m_class = name;
    m_current = guestPupil();
}

QString ProgressService::defaultProfile() { return QStringLiteral("Child 1"); }

ProgressRecorder& ProgressService::recorder()
{
    if (!m_recorder) {
        const QString location = m_location;
        if (OutboxSender* out = sender()) {
            out->start();
            m_recorder = std::make_unique<ProgressRecorder>(ProgressRecorder::WriterFactory(
                [location, out] { return std::make_unique<Outbox>(location, [out] { out->wake(); }); }));
        } else {
            m_recorder = std::make_unique<ProgressRecorder>(
                [location] { return std::make_unique<ProgressStore>(makeSqliteDialect(), location); });
        }
    }
    return *m_recorder;
}

void ProgressService::record(TestRecord record)
{
    if (record.uid.empty())
        record.uid = QUuid::createUuid().toString(QUuid::WithoutBraces).toStdString();
    record.profile = currentProfile().toStdString();
    // The guest belongs to no class; at home there are none.
    record.className = m_school && currentProfile() != guestPupil() ? currentClass().toStdString() : std::string();
    recorder().record(std::move(record));
}

std::unique_ptr<ProgressStore> ProgressService::openStore(QString* why)
{
    if (m_school) {
        // Known to be down: the caller learns so at once instead of after a connect time-out.
        const SchoolState state = schoolState();
        if (!state.reachable) {
            *why = state.problem;
            return nullptr;
        }
        std::unique_ptr<ProgressStore> store = m_server();
        if (!store->open()) {
            *why = store->error();
            return nullptr;
        }
        return store;
    }
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
    if (m_school) {
        QStringList names{guestPupil()};
        const SchoolState state = schoolState();
        const auto found = state.pupils.find(currentClass().toStdString());
        if (found != state.pupils.end())
            for (const std::string& pupil : found->second)
                names << QString::fromStdString(pupil);
        return names;
    }
    QStringList names = preferences()->value(kProfilesKey).toStringList();
    names.removeAll(QString());
    if (names.isEmpty())
        names << defaultProfile();
    return names;
}

QString ProgressService::currentProfile() const
{
    if (m_current.isEmpty() && m_school) {
        // The class list may not have come from the server yet: the choice stands meanwhile.
        const QString chosen = preferences()->value(kPupilKey).toString();
        m_current = chosen.isEmpty() ? guestPupil() : chosen;
    }
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
    preferences()->setValue(m_school ? kPupilKey : kCurrentKey, name);
    m_current = name;
}

bool ProgressService::addProfile(const QString& name)
{
    const QString wanted = tidy(name);
    QStringList names = profiles();
    // A school's pupils come from the teacher's class lists.
    if (m_school || wanted.isEmpty() || names.contains(wanted))
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
    if (m_school || at < 0 || wanted.isEmpty() || (wanted != from && names.contains(wanted))) {
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
