#pragma once
// The program's side of progress: who is practising, the recorder the drills' records go to,
// and stores for reading. Nothing here runs at start-up; the recorder starts with the first
// record or the first look at progress.
//
// On a school computer (a school configured) records go to the outbox and from there to the
// school's server; who is practising is a pupil of a class the server knows.
#include "outbox.h"
#include "progress_record.h"
#include "school_config.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

namespace zorvix::progress {

class ProgressRecorder;
class ProgressStore;

class ProgressService final {
public:
    using ServerFactory = OutboxSender::ServerFactory;

    // location: the SQLite file (at school: the outbox); empty for the per-user default.
    // server: how to reach the school's server; by default the configured libpq service.
    explicit ProgressService(QString location = QString(), std::optional<SchoolConfig> school = std::nullopt,
                             ServerFactory server = {});
    ~ProgressService();

    // Stamps the record with its uid and the child practising now, and queues it.
    void record(TestRecord record);
    ProgressRecorder& recorder();
    // A store of its own for the calling thread, opened after the recorder dealt with a damaged
    // file: at school, a connection to the server, not tried while the sender finds it
    // unreachable. Null when it cannot be opened; why says what is wrong.
    std::unique_ptr<ProgressStore> openStore(QString* why);
    const QString& location() const { return m_location; }

    bool atSchool() const { return m_school.has_value(); }
    // At school: starts sending what waits in the outbox (at program start); at home nothing.
    void startSending();
    // Null at home.
    OutboxSender* sender();
    // What the sender last learnt of the server; empty at home.
    SchoolState schoolState() const;
    // At school: the server cannot be reached, with how many records wait; empty otherwise.
    QString schoolProblem() const;
    // The school's classes as the server last told them, by name.
    QStringList classes() const;
    QString currentClass() const;
    // Choosing another class makes the next records the guest's until a pupil is chosen.
    void setCurrentClass(const QString& name);
    // The pupil who takes the records made before anyone is chosen.
    static QString guestPupil();

    // Profiles: names kept in the settings; a fresh install has "Child 1". At school: the
    // pupils of the chosen class, the guest first.
    QStringList profiles() const;
    QString currentProfile() const;
    void setCurrentProfile(const QString& name);
    // False when the name is blank or taken.
    bool addProfile(const QString& name);
    // Renames the profile and every record of it.
    bool renameProfile(const QString& from, const QString& to, QString* why);
    static QString defaultProfile();

private:
    QString m_location;
    std::optional<SchoolConfig> m_school;
    ServerFactory m_server;
    // The sender outlives the recorder: records flushed at the end land in the outbox first.
    std::unique_ptr<OutboxSender> m_sender;
    std::unique_ptr<ProgressRecorder> m_recorder;
    mutable QString m_class;
    // The child practising now, read from the settings once: recording must not read files.
    mutable QString m_current;
};

} // namespace zorvix::progress
