#pragma once
// The program's side of progress: who is practising, the recorder the drills' records go to,
// and stores for reading. Nothing here runs at start-up; the recorder starts with the first
// record or the first look at progress.
#include "progress_record.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace zorvix::progress {

class ProgressRecorder;
class ProgressStore;

class ProgressService final {
public:
    // location: the SQLite file; empty for the per-user default.
    explicit ProgressService(QString location = QString());
    ~ProgressService();

    // Stamps the record with the child practising now and queues it.
    void record(TestRecord record);
    ProgressRecorder& recorder();
    // A store of its own for the calling thread, opened after the recorder dealt with a damaged
    // file. Null when it cannot be opened; why says what is wrong.
    std::unique_ptr<ProgressStore> openStore(QString* why);
    const QString& location() const { return m_location; }

    // Profiles: names kept in the settings; a fresh install has "Child 1".
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
    std::unique_ptr<ProgressRecorder> m_recorder;
    // The child practising now, read from the settings once: recording must not read files.
    mutable QString m_current;
};

} // namespace zorvix::progress
