#pragma once
// Writes finished records off the GUI thread. A drill hands a record over and goes on at once;
// one worker thread owns the store's connection, opens it on the first record, and keeps what
// it could not write yet, trying again, so a locked or missing store never holds a child up.
#include "progress_record.h"

#include <QString>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace zorvix::progress {

class ProgressStore;

// Where the worker writes: the store itself at home, the outbox on a school computer.
class RecordWriter {
public:
    virtual ~RecordWriter() = default;
    virtual bool open(bool fullCheck) = 0;
    virtual bool isOpen() const = 0;
    virtual bool write(const TestRecord& record) = 0;
    virtual QString error() const = 0;
    virtual QString movedAside() const = 0;
};

class ProgressRecorder final {
public:
    using StoreFactory = std::function<std::unique_ptr<ProgressStore>()>;
    using WriterFactory = std::function<std::unique_ptr<RecordWriter>()>;
    using Reporter = std::function<void(const QString&)>;

    // The reporter hears, once, the first reason records cannot be written (default: stderr).
    explicit ProgressRecorder(StoreFactory factory, Reporter reporter = {});
    explicit ProgressRecorder(WriterFactory factory, Reporter reporter = {});
    // Waits a little for what is still queued (not at all while the store is failing), then
    // stops; what could not be written is lost.
    ~ProgressRecorder();
    ProgressRecorder(const ProgressRecorder&) = delete;
    ProgressRecorder& operator=(const ProgressRecorder&) = delete;

    // Queues the record; never touches the store on the caller's thread.
    void record(TestRecord record);
    // Starts the worker and has it open the store now, without a record.
    void start();
    // Waits until every record handed in is written, or the time is up; true when all are.
    bool flush(int timeoutMs);
    // Waits until the worker has tried to open the store (so a damaged file was dealt with).
    void waitOpened(int timeoutMs);

    QString problem() const;    // why records are not written now; empty when they are
    QString movedAside() const; // a damaged file the worker moved aside this run
    int written() const;
    int waiting() const;

    // How long the worker waits before trying a store that failed again.
    static constexpr int kRetryMs = 2000;
    static constexpr int kFlushAtEndMs = 4000;
    static constexpr int kWorkerNice = 10;

private:
    void run();
    void startLocked();

    WriterFactory m_factory;
    Reporter m_reporter;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_progress;
    std::deque<TestRecord> m_queue;
    std::thread m_worker;
    bool m_started = false;
    bool m_stop = false;
    bool m_openTried = false;
    bool m_reported = false;
    int m_written = 0;
    QString m_problem;
    QString m_movedAside;
};

} // namespace zorvix::progress
