#include "school_children.h"

#include "progress/outbox.h"
#include "progress/progress_recorder.h"
#include "progress/progress_service.h"

#include <QCoreApplication>
#include <QThread>
#include <chrono>
#include <cstdio>

namespace zorvix::progress::testing {

namespace {

constexpr int kSendWaitMs = 120'000;
constexpr int kRaceIntervalMs = 100;

TestRecord cardTest(long long startedMs)
{
    TestRecord r;
    r.startedMs = startedMs;
    r.endedMs = startedMs + 60'000;
    r.testType = 2;
    r.problemCount = 5;
    r.right = 4;
    r.tries = 5;
    r.missed = 1;
    r.elapsedSeconds = 60;
    for (int k = 0; k < 5; ++k)
        r.problems.push_back(ProblemRecord{double(k), 3, "+", std::to_string(k + 3 - (k == 4)), k != 4, false, false, 1.5});
    return r;
}

void say(const char* format, auto... values)
{
    std::printf(format, values...);
    std::fflush(stdout);
}

int record(const QString& outbox, const QString& service, int count)
{
    ProgressService service_(outbox, SchoolConfig{service});
    service_.startSending();
    for (int n = 1; n <= count; ++n) {
        TestRecord r = cardTest(raceStartedMs(0, n));
        // The service gives a uid to a record without one; this child names it to report it.
        r.uid = "child-" + std::to_string(QCoreApplication::applicationPid()) + "-" + std::to_string(n);
        service_.record(r);
        if (!service_.recorder().flush(10'000))
            return 3;
        say("kept %s\n", r.uid.c_str());
    }
    if (service_.sender()->waitUntilSent(kSendWaitMs))
        say("sent\n");
    for (;;)
        QThread::sleep(1);
}

int send(const QString& outbox, const QString& service)
{
    ProgressService service_(outbox, SchoolConfig{service});
    service_.startSending();
    if (!service_.sender()->waitUntilSent(kSendWaitMs)) {
        std::fprintf(stderr, "%s\n", qPrintable(service_.schoolState().problem));
        return 3;
    }
    say("sent %d\n", service_.schoolState().sent);
    return 0;
}

int race(const QString& outbox, const QString& service, int writer, int seconds)
{
    ProgressService service_(outbox, SchoolConfig{service});
    service_.startSending();
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    int n = 0;
    while (std::chrono::steady_clock::now() < until) {
        service_.record(cardTest(raceStartedMs(writer, ++n)));
        QThread::msleep(kRaceIntervalMs);
    }
    if (!service_.recorder().flush(kSendWaitMs) || !service_.sender()->waitUntilSent(kSendWaitMs)) {
        std::fprintf(stderr, "%s\n", qPrintable(service_.schoolState().problem));
        return 3;
    }
    say("recorded %d\n", n);
    return 0;
}

} // namespace

int runSchoolChild(const QStringList& arguments)
{
    if (arguments.size() >= 5 && arguments[1] == QLatin1String("--child-record"))
        return record(arguments[2], arguments[3], arguments[4].toInt());
    if (arguments.size() >= 4 && arguments[1] == QLatin1String("--child-send"))
        return send(arguments[2], arguments[3]);
    if (arguments.size() >= 6 && arguments[1] == QLatin1String("--child-race"))
        return race(arguments[2], arguments[3], arguments[4].toInt(), arguments[5].toInt());
    return -1;
}

} // namespace zorvix::progress::testing
