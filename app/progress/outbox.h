#pragma once
// The outbox of a school computer. Every finished record is kept in a local SQLite file first and
// sent from there to the school's server, oldest first, by a thread of its own. A record leaves
// the outbox only once the server has it; the server ignores a record it already has (same uid),
// so sending again after a lost answer changes nothing. A child never waits on the network.
#include "progress_record.h"
#include "progress_recorder.h"

#include <QByteArray>
#include <QString>
#include <condition_variable>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace zorvix::progress {

class ProgressStore;

// A record as the outbox keeps it: every field, exactly as it was.
QByteArray recordToJson(const TestRecord& record);
std::optional<TestRecord> recordFromJson(const QByteArray& json);

// The local file. One object per thread: each holds a connection of its own.
class Outbox final : public RecordWriter {
public:
    // added: called after each record is kept (the sender is woken by it).
    explicit Outbox(QString location, std::function<void()> added = {});
    ~Outbox() override;
    Outbox(const Outbox&) = delete;
    Outbox& operator=(const Outbox&) = delete;

    // A damaged file is moved aside, kept, and a new one started, as the home store does.
    bool open(bool fullCheck = false) override;
    bool isOpen() const override { return m_open; }
    // Keeps the record once: a record whose uid is already waiting is not kept again.
    bool write(const TestRecord& record) override;
    QString error() const override { return m_error; }
    QString movedAside() const override { return m_movedAside; }

    // Up to limit records, oldest first. A row that cannot be read is left where it is.
    std::vector<TestRecord> oldest(int limit);
    // In one transaction.
    bool remove(const std::vector<std::string>& uids);
    // -1 when the file cannot be read.
    int count();

    static QString defaultLocation();

private:
    bool openOnce(bool fullCheck, bool* damaged);
    void close();

    QString m_location;
    QString m_connection;
    std::function<void()> m_added;
    QString m_error;
    QString m_movedAside;
    bool m_open = false;
};

// What the sender last learnt of the school's server, for the menus and the Progress window.
struct SchoolState {
    bool known = false;                                     // the server answered at least once this run
    bool reachable = true;                                  // false from a failed connection or send until one succeeds
    QString problem;                                        // why the server cannot be reached now
    int waiting = 0;                                        // records in the outbox
    int sent = 0;                                           // records sent this run
    bool teacher = false;                                   // the connected role may see every pupil and forget one
    std::map<std::string, std::vector<std::string>> pupils; // class -> its pupils, by name
};

class OutboxSender final {
public:
    using ServerFactory = std::function<std::unique_ptr<ProgressStore>()>;
    using Reporter = std::function<void(const QString&)>;

    // reporter hears, once a run, the first reason the server cannot be reached (default:
    // stderr).
    OutboxSender(QString outboxLocation, ServerFactory server, Reporter reporter = {});
    // Stops without waiting for the server: what was not sent stays in the outbox for the next
    // start.
    ~OutboxSender();
    OutboxSender(const OutboxSender&) = delete;
    OutboxSender& operator=(const OutboxSender&) = delete;

    void start();
    // A record was kept in the outbox: send now rather than at the next retry.
    void wake();
    // Asks for the classes and pupils to be read again with the next connection.
    void refreshSchool();
    // Waits until the outbox is empty and the server has answered; false when the time is up.
    bool waitUntilSent(int timeoutMs);
    SchoolState state() const;

    // How long the sender waits before trying a server that failed again.
    static constexpr int kRetryMs = 3000;
    static constexpr int kBatch = 50;

private:
    void run();
    void failed(std::unique_lock<std::mutex>& lock, const QString& why);

    QString m_location;
    ServerFactory m_server;
    Reporter m_reporter;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_progress;
    std::thread m_worker;
    SchoolState m_state;
    bool m_started = false;
    bool m_stop = false;
    bool m_woken = false;
    bool m_refresh = true;
    bool m_reported = false;
    bool m_idle = false; // the outbox was empty at the last look
};

} // namespace zorvix::progress
