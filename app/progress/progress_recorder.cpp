#include "progress_recorder.h"

#include "progress_store.h"

#include <chrono>
#include <cstdio>

#ifdef __linux__
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace zorvix::progress {

namespace {

class StoreWriter final : public RecordWriter {
public:
    explicit StoreWriter(std::unique_ptr<ProgressStore> store)
        : m_store(std::move(store))
    {
    }
    bool open(bool fullCheck) override { return m_store->open(fullCheck); }
    bool isOpen() const override { return m_store->isOpen(); }
    bool write(const TestRecord& record) override { return m_store->write(record); }
    QString error() const override { return m_store->error(); }
    QString movedAside() const override { return m_store->movedAside(); }

private:
    std::unique_ptr<ProgressStore> m_store;
};

} // namespace

ProgressRecorder::ProgressRecorder(StoreFactory factory, Reporter reporter)
    : ProgressRecorder(WriterFactory([factory = std::move(factory)] { return std::make_unique<StoreWriter>(factory()); }),
                       std::move(reporter))
{
}

ProgressRecorder::ProgressRecorder(WriterFactory factory, Reporter reporter)
    : m_factory(std::move(factory))
    , m_reporter(std::move(reporter))
{
    if (!m_reporter) {
        m_reporter = [](const QString& why) {
            std::fprintf(stderr, "zorvix: progress is not being recorded: %s\n", why.toLocal8Bit().constData());
        };
    }
}

ProgressRecorder::~ProgressRecorder()
{
    if (!m_started)
        return;
    // A store that is failing now will not come back in the moment the program takes to end.
    if (problem().isEmpty())
        flush(kFlushAtEndMs);
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    m_worker.join();
}

void ProgressRecorder::startLocked()
{
    if (m_started)
        return;
    m_started = true;
    m_worker = std::thread([this] { run(); });
}

void ProgressRecorder::start()
{
    std::lock_guard lock(m_mutex);
    startLocked();
}

void ProgressRecorder::record(TestRecord record)
{
    {
        std::lock_guard lock(m_mutex);
        m_queue.push_back(std::move(record));
        startLocked();
    }
    m_wake.notify_one();
}

bool ProgressRecorder::flush(int timeoutMs)
{
    std::unique_lock lock(m_mutex);
    if (m_queue.empty())
        return true;
    startLocked();
    m_wake.notify_one();
    return m_progress.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return m_queue.empty(); });
}

void ProgressRecorder::waitOpened(int timeoutMs)
{
    std::unique_lock lock(m_mutex);
    startLocked();
    m_wake.notify_one();
    m_progress.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return m_openTried; });
}

QString ProgressRecorder::problem() const
{
    std::lock_guard lock(m_mutex);
    return m_problem;
}

QString ProgressRecorder::movedAside() const
{
    std::lock_guard lock(m_mutex);
    return m_movedAside;
}

int ProgressRecorder::written() const
{
    std::lock_guard lock(m_mutex);
    return m_written;
}

int ProgressRecorder::waiting() const
{
    std::lock_guard lock(m_mutex);
    return int(m_queue.size());
}

void ProgressRecorder::run()
{
#ifdef __linux__
    // Below the GUI thread: woken by a record, the writer must not take the core from the drill
    // that handed it over.
    setpriority(PRIO_PROCESS, id_t(syscall(SYS_gettid)), kWorkerNice);
#endif
    std::unique_ptr<RecordWriter> store;
    bool checked = false;
    std::unique_lock lock(m_mutex);
    while (true) {
        if (m_stop)
            break;
        // Open first, record or not: a reader may be waiting for a damaged file to be moved.
        if (!store || !store->isOpen()) {
            lock.unlock();
            if (!store)
                store = m_factory();
            // The full check runs once a run, here, where nobody waits for it.
            const bool opened = store->open(!checked);
            checked = checked || opened;
            lock.lock();
            m_openTried = true;
            if (!store->movedAside().isEmpty())
                m_movedAside = store->movedAside();
            if (!opened) {
                m_problem = store->error();
                if (!m_reported) {
                    m_reported = true;
                    const QString why = m_problem;
                    lock.unlock();
                    m_reporter(why);
                    lock.lock();
                }
                m_progress.notify_all();
                store.reset();
                m_wake.wait_for(lock, std::chrono::milliseconds(kRetryMs), [this] { return m_stop; });
                continue;
            }
            m_progress.notify_all();
        }
        if (m_queue.empty()) {
            m_wake.wait(lock, [this] { return m_stop || !m_queue.empty(); });
            continue;
        }
        // The record stays queued until it is in the store, so nothing is dropped on a failure.
        const TestRecord next = m_queue.front();
        lock.unlock();
        const bool ok = store->write(next);
        const QString why = ok ? QString() : store->error();
        lock.lock();
        if (ok) {
            m_queue.pop_front();
            ++m_written;
            m_problem.clear();
            m_progress.notify_all();
            continue;
        }
        m_problem = why;
        if (!m_reported) {
            m_reported = true;
            lock.unlock();
            m_reporter(why);
            lock.lock();
        }
        // Start again from opening: a file damaged meanwhile is moved aside there.
        store.reset();
        checked = false;
        m_wake.wait_for(lock, std::chrono::milliseconds(kRetryMs), [this] { return m_stop; });
    }
}

} // namespace zorvix::progress
